#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tunelot {

// One entry of a folder listing. Links count as what they lead to.
struct FolderEntry {
  std::string name;
  bool isFolder = false;
};

// Which folder of which file system an opened folder is, whatever path led to it.
struct FolderId {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  auto operator<=>(const FolderId&) const = default;
};

// An opened folder. Folders below it open relative to it, so a tree still lists when its
// paths grow past the system's path length limit.
class OpenFolder {
 public:
  // Empty when `path` names no folder that can be opened for reading.
  static std::optional<OpenFolder> Open(const std::string& path);

  OpenFolder(OpenFolder&& other) noexcept;
  OpenFolder& operator=(OpenFolder&& other) noexcept;
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;
  ~OpenFolder();

  // Empty when `name` is no folder that can be opened for reading.
  std::optional<OpenFolder> OpenChild(const std::string& name) const;

  FolderId Id() const { return id_; }

  // Every entry in the file system's own order, hidden ones included, without "." and
  // "..". Links that lead nowhere (missing target, a loop of links) name no file and
  // are left out. Empty when the folder cannot be read.
  std::vector<FolderEntry> ReadEntries() const;

 private:
  OpenFolder(int descriptor, FolderId id) : descriptor_(descriptor), id_(id) {}
  static std::optional<OpenFolder> FromDescriptor(int descriptor);

  int descriptor_ = -1;
  FolderId id_;
};

}  // namespace tunelot
