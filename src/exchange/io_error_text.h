#pragma once

#include <string>

namespace tunelot {

// The words shown for a file operation that failed with the POSIX error `error`: the
// common causes by name ("File not found", "Disk full", ...), any other as "I/O error "
// and the number.
std::string IoErrorText(int error);

// Throws IoError carrying `error` and its text.
[[noreturn]] void ThrowIoError(int error);

}  // namespace tunelot
