#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lists/file_list.h"
#include "platform/path_style.h"

namespace tunelot {

// The folder path a scan starts from: the box's text as typed, blanks included, and one
// separator, also after a text that already ends in one.
std::string ScanFolderPath(const std::string& boxText, PathStyle style = kNativePathStyle);

// Whether the path's extension is `extension` once both are cut of codes 0 to 32 and
// their letters a to z capitalised.
bool HasExtension(std::string_view path, std::string_view extension,
                  PathStyle style = kNativePathStyle);

// Appends to `found` every file below `folderPath` (which ends in the separator) with the
// extension, depth first in the file system's listing order, each path spelt as the
// folder path, the folder names and the file name joined by separators. Links count as
// what they lead to; links that lead nowhere are left out. Each folder is searched once,
// under the first path that reaches it, so links back up or across the tree neither keep
// the scan going nor list a folder's files twice. A folder that cannot be read adds
// nothing, silently.
void ScanFolder(const std::string& folderPath, const std::string& extension,
                std::vector<std::string>& found);

// Appends, inside one update bracket, each found path that the list does not yet hold by
// the duplicate test, paths appended in this pass included. Gives the number appended.
std::size_t AppendNewPaths(FileList& input, const std::vector<std::string>& found);

}  // namespace tunelot
