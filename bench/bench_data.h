#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tunelot::bench {

inline constexpr std::size_t kTreeSongs = 100'000;
inline constexpr std::size_t kCopyFiles = 100;
inline constexpr std::size_t kCopyFileBytes = std::size_t{8} << 20;

// Everything the benchmarks work on, made afresh in a temporary folder that goes again
// with this object: a tree of songs in kTreeSongs / kSongsPerFolder album folders (empty
// files whose sizes are set without content, and a cover picture beside them), the
// found paths in discovery and in collation order, and the files of the copy job.
class BenchData {
 public:
  BenchData();
  ~BenchData();
  BenchData(const BenchData&) = delete;
  BenchData& operator=(const BenchData&) = delete;

  const std::string& root() const { return root_; }
  // The input path as the user types it: no trailing separator.
  const std::string& tree() const { return tree_; }
  const std::vector<std::string>& found() const { return found_; }
  const std::vector<std::string>& sorted() const { return sorted_; }
  // `found`, one path a line, for the sort command.
  const std::string& foundFile() const { return foundFile_; }
  const std::vector<std::string>& copySources() const { return copySources_; }
  // Whether the sort command puts the found paths in the order of our sort.
  bool SortCommandAgrees() const { return sortCommandAgrees_; }
  std::string Folder(const std::string& name) const;

 private:
  void MakeTree() const;
  void MakeCopySources();

  std::string root_;
  std::string tree_;
  std::vector<std::string> found_;
  std::vector<std::string> sorted_;
  std::string foundFile_;
  std::vector<std::string> copySources_;
  bool sortCommandAgrees_ = false;
};

// Creates `path` empty with a size of `bytes`, or throws.
void MakeSizedFile(const std::string& path, long long bytes);

}  // namespace tunelot::bench
