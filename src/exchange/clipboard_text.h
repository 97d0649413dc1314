#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

#include "lists/file_list.h"
#include "platform/path_style.h"

namespace tunelot {

// A clipboard text that holds no line to paste.
class PasteError : public std::runtime_error {
 public:
  PasteError() : std::runtime_error("Invalid information to PASTE") {}
};

// One line per entry, in list order: the path, then a TAB and the text of each further
// column of the list; each line ends as the platform's other programs expect (LF on
// POSIX, CR LF on Windows). An empty list gives the empty text.
std::string CopyText(const FileList& list, PathStyle style = kNativePathStyle);

// Appends an entry, selected and with image index -1, for every complete line of `text`,
// its TAB-separated fields giving the path and the texts of further columns; columns are
// added as the fields need them. A line ends at a CR, whose next character is skipped, or
// with the POSIX style also at a lone LF; text after the last line end is not read. The
// last appended entry gets the focus mark. Returns the number of entries appended; throws
// PasteError, changing nothing, when the text holds no line end.
std::size_t PasteIntoList(FileList& list, const std::string& text,
                          PathStyle style = kNativePathStyle);

}  // namespace tunelot
