#include "bench_data.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "lists/file_list.h"
#include "lists/folder_scan.h"
#include "lists/list_order.h"
#include "platform/collation.h"
#include "process_run.h"
#include "song_names.h"

namespace tunelot::bench {
namespace {

std::string MakeTemporaryFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern =
      std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/tunelot-bench-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::system_error(errno, std::generic_category(), "mkdtemp");
  }
  return pattern;
}

class WriteOnlyFile {
 public:
  explicit WriteOnlyFile(const std::string& path)
      : fd_(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)) {
    if (fd_ < 0) throw std::system_error(errno, std::generic_category(), path);
  }
  ~WriteOnlyFile() { close(fd_); }
  WriteOnlyFile(const WriteOnlyFile&) = delete;
  WriteOnlyFile& operator=(const WriteOnlyFile&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// Song-like content that no file system can compress or share.
void FillRandom(std::vector<std::uint64_t>& words, std::uint64_t seed) {
  std::uint64_t state = seed * 0x9E3779B97F4A7C15ULL + 1;
  for (std::uint64_t& word : words) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    word = state;
  }
}

std::vector<std::string> SortedByCollation(const std::vector<std::string>& paths) {
  FileList list;
  for (const std::string& path : paths) list.Append(Entry(path));
  SortByCollation(list, Collator());
  std::vector<std::string> sorted;
  for (const Entry& entry : list.Entries()) sorted.push_back(entry.path);
  return sorted;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary);
  for (const std::string& line : lines) out << line << '\n';
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

void MakeSizedFile(const std::string& path, long long bytes) {
  const WriteOnlyFile file(path);
  if (ftruncate(file.fd(), bytes) != 0) {
    throw std::system_error(errno, std::generic_category(), path);
  }
}

BenchData::BenchData() : root_(MakeTemporaryFolder()), tree_(root_ + "/tree") {
  MakeTree();
  ScanFolder(ScanFolderPath(tree_), ".MP3", found_);
  if (found_.size() != kTreeSongs) throw std::runtime_error("the tree lists wrongly");
  sorted_ = SortedByCollation(found_);
  foundFile_ = root_ + "/found.txt";
  WriteLines(foundFile_, found_);
  const std::string sortedFile = root_ + "/sorted.txt";
  RunProcess({"sort", foundFile_}, {}, sortedFile);
  sortCommandAgrees_ = ReadLines(sortedFile) == sorted_;
  MakeCopySources();
  sync();
}

BenchData::~BenchData() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string BenchData::Folder(const std::string& name) const {
  const std::string path = root_ + "/" + name;
  std::filesystem::create_directories(path);
  return path;
}

void BenchData::MakeTree() const {
  for (std::size_t album = 0; album < kTreeSongs / kSongsPerFolder; ++album) {
    const std::string folder = AlbumPath(tree_, album);
    std::filesystem::create_directories(folder);
    MakeSizedFile(folder + "/cover.jpg", 40'000);
  }
  for (std::size_t song = 0; song < kTreeSongs; ++song) {
    MakeSizedFile(SongPath(tree_, song),
                  2'000'000 + static_cast<long long>(song * 7919 % 8'000'000));
  }
}

void BenchData::MakeCopySources() {
  const std::string folder = Folder("copy-source");
  std::vector<std::uint64_t> words(kCopyFileBytes / sizeof(std::uint64_t));
  for (std::size_t i = 0; i < kCopyFiles; ++i) {
    const std::string path = SongPath(folder, i);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    FillRandom(words, i);
    const WriteOnlyFile file(path);
    if (write(file.fd(), words.data(), kCopyFileBytes) != static_cast<ssize_t>(kCopyFileBytes)) {
      throw std::runtime_error("cannot write " + path);
    }
    copySources_.push_back(path);
  }
}

}  // namespace tunelot::bench
