#pragma once

#include <cstdint>
#include <string>

namespace tunelot {

// The size in bytes of the file at `path`, read from the open file without reading its
// content. Throws FileOpenError ("Cannot open file "<absolute path>". <reason>") when it
// cannot be opened, and for anything that is not a regular file: a folder, or a FIFO,
// socket or device that only looks like a song and must not be waited on, and for a path
// holding a NUL, which names no file.
std::int64_t FileSizeOf(const std::string& path);

}  // namespace tunelot
