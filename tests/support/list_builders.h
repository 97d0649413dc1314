#pragma once

#include <string>
#include <vector>

#include "lists/file_list.h"

namespace tunelot::testing {

// A list of the given paths, with the entries at `selected` selected.
inline FileList ListOf(const std::vector<std::string>& paths,
                       const std::vector<std::size_t>& selected = {}) {
  FileList list;
  for (const std::string& path : paths) list.Append(Entry(path));
  for (std::size_t index : selected) list.SetSelected(index, true);
  return list;
}

inline std::vector<std::string> PathsOf(const FileList& list) {
  std::vector<std::string> paths;
  for (const Entry& entry : list.Entries()) paths.push_back(entry.path);
  return paths;
}

// Counts the notifications a list sends.
class CountingObserver : public FileListObserver {
 public:
  void EntriesChanged() override { ++entries; }
  void SelectionChanged() override { ++selection; }
  void ColumnsChanged() override { ++columns; }
  int Total() const { return entries + selection + columns; }
  int entries = 0;
  int selection = 0;
  int columns = 0;
};

}  // namespace tunelot::testing
