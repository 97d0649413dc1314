#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "lists/file_list.h"

namespace tunelot {

// Two paths are the same file for a list when their keys match: leading and trailing
// codes 0 to 32 cut, a to z turned into capitals, nothing else changed.
std::string DuplicateKey(std::string_view path);

// Whether the list holds an entry equal to `path` by the duplicate test.
bool ListContains(std::string_view path, const FileList& list);

// The keys of a list's paths, for testing many paths against it at once.
class DuplicateSet {
 public:
  explicit DuplicateSet(const FileList& list);
  bool Contains(std::string_view path) const;
  void Add(std::string_view path);

 private:
  std::unordered_set<std::string> keys_;
};

}  // namespace tunelot
