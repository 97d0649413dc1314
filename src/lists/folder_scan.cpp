#include "lists/folder_scan.h"

#include <optional>
#include <set>
#include <utility>

#include "lists/duplicate_test.h"
#include "lists/text_rules.h"
#include "platform/folder_listing.h"

namespace tunelot {
namespace {

// A folder being searched, with the entries still to visit.
struct ScanFrame {
  OpenFolder folder;
  std::string path;
  std::vector<FolderEntry> entries;
  std::size_t next = 0;
};

ScanFrame MakeFrame(OpenFolder folder, std::string path) {
  std::vector<FolderEntry> entries = folder.ReadEntries();
  return ScanFrame{std::move(folder), std::move(path), std::move(entries)};
}

std::string ComparableExtension(std::string_view extension) {
  return AsciiUpper(TrimControls(extension));
}

}  // namespace

std::string ScanFolderPath(const std::string& boxText, PathStyle style) {
  return boxText + PathSeparator(style);
}

bool HasExtension(std::string_view path, std::string_view extension, PathStyle style) {
  return ComparableExtension(ExtensionPart(path, style)) == ComparableExtension(extension);
}

void ScanFolder(const std::string& folderPath, const std::string& extension,
                std::vector<std::string>& found) {
  std::optional<OpenFolder> root = OpenFolder::Open(folderPath);
  if (!root) return;
  // Folders already searched, by identity: a tree full of links stays finite and linear.
  std::set<FolderId> searched{root->Id()};
  // An explicit stack: trees hundreds of levels deep must not exhaust the call stack.
  std::vector<ScanFrame> stack;
  stack.push_back(MakeFrame(std::move(*root), folderPath));
  while (!stack.empty()) {
    ScanFrame& top = stack.back();
    if (top.next == top.entries.size()) {
      stack.pop_back();
      continue;
    }
    const FolderEntry& entry = top.entries[top.next++];
    std::string path = top.path + entry.name;
    if (!entry.isFolder) {
      if (HasExtension(path, extension)) found.push_back(std::move(path));
      continue;
    }
    std::optional<OpenFolder> child = top.folder.OpenChild(entry.name);
    if (!child || !searched.insert(child->Id()).second) continue;
    path += PathSeparator();
    stack.push_back(MakeFrame(std::move(*child), std::move(path)));
  }
}

std::size_t AppendNewPaths(FileList& input, const std::vector<std::string>& found) {
  UpdateBracket bracket(input);
  DuplicateSet held(input);
  std::size_t appended = 0;
  for (const std::string& path : found) {
    if (held.Contains(path)) continue;
    held.Add(path);
    input.Append(Entry(path));
    ++appended;
  }
  return appended;
}

}  // namespace tunelot
