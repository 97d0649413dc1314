#pragma once

#include <string>
#include <vector>

#include "platform/xdg_dirs.h"

namespace tunelot {

// The MIME types of a file by its name, from the shared MIME database (mime/globs2 and
// mime/subclasses in the data folders): the types whose glob fits best (highest weight, then
// longest pattern), then the types they derive from. Empty when no glob fits.
std::vector<std::string> MimeTypesForFileName(const XdgDirs& dirs, const std::string& path);

}  // namespace tunelot
