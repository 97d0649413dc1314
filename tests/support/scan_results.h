#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "lists/folder_scan.h"

namespace tunelot::testing {

// The MP3 paths a scan of `folderPath` finds, in the scan's order.
inline std::vector<std::string> Scan(const std::string& folderPath) {
  std::vector<std::string> found;
  ScanFolder(folderPath, ".MP3", found);
  return found;
}

inline std::vector<std::string> Sorted(std::vector<std::string> paths) {
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace tunelot::testing
