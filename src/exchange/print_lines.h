#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lists/file_list.h"
#include "platform/path_style.h"

namespace tunelot {

// The 1-based position of the last occurrence of `search` in `text`, occurrences taken one
// after the other from the start without overlapping; 0 when there is none or either is
// empty.
std::size_t LastPos(std::string_view search, std::string_view text);

// The path without the extension of its file name: the folder part, then the name up to,
// not including, its last "."; nothing of a name that holds no "." or starts with its only
// one.
std::string PrintName(std::string_view path, PathStyle style = kNativePathStyle);

// One line for each entry, in list order: the print name of its file name.
std::vector<std::string> PrintLines(const FileList& list, PathStyle style = kNativePathStyle);

}  // namespace tunelot
