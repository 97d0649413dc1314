#include "lists/duplicate_test.h"

#include "lists/text_rules.h"

namespace tunelot {

std::string DuplicateKey(std::string_view path) { return AsciiUpper(TrimControls(path)); }

bool ListContains(std::string_view path, const FileList& list) {
  const std::string key = DuplicateKey(path);
  for (const Entry& entry : list.Entries()) {
    if (DuplicateKey(entry.path) == key) return true;
  }
  return false;
}

DuplicateSet::DuplicateSet(const FileList& list) {
  keys_.reserve(list.Count() * 2);
  for (const Entry& entry : list.Entries()) keys_.insert(DuplicateKey(entry.path));
}

bool DuplicateSet::Contains(std::string_view path) const {
  return keys_.count(DuplicateKey(path)) != 0;
}

void DuplicateSet::Add(std::string_view path) { keys_.insert(DuplicateKey(path)); }

}  // namespace tunelot
