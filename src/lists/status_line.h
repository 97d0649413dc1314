#pragma once

#include <string>

#include "lists/file_list.h"
#include "platform/number_format.h"

namespace tunelot {

// A byte count as "#,##0.00" with " bytes", " KB", " MB" or " GB", stepping up while
// the value is greater than 1024; rounded half away from zero.
std::string FormatSize(double bytes, const NumberSeparators& separators);
std::string FormatSize(double bytes);

// The size text of the sum of the sizes of all entries; throws FileOpenError from the
// first file that cannot be opened.
std::string ListSizeText(const FileList& list);

enum class ListRole { Input, Output };

// The texts a status line shows before its first refresh.
std::string InitialStatusText(ListRole role);

// The status line of a list: its count, its wording and its size text. Throws as
// ListSizeText does, in which case the shown line keeps its previous text.
std::string StatusLineText(const FileList& list, ListRole role);

}  // namespace tunelot
