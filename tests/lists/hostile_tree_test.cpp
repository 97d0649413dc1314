// Odd trees and odd files as the scan, the status line and the random fill meet them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include "lists/file_list.h"
#include "lists/folder_scan.h"
#include "lists/random_fill.h"
#include "lists/random_source.h"
#include "lists/status_line.h"
#include "platform/errors.h"
#include "platform/file_size.h"
#include "support/temp_dir.h"

#include "support/odd_files.h"

#include "support/list_builders.h"

#include "support/scan_results.h"

namespace tunelot {
namespace {
using testing::MakeEndlessDevice;
using testing::MakeSocket;

namespace fs = std::filesystem;
using Paths = std::vector<std::string>;
using testing::TempDir;
using testing::WriteFile;

using testing::Scan;
using testing::Sorted;

// The input list after a "Get files" on `folder`.
FileList Listed(const std::string& folder) {
  FileList input;
  AppendNewPaths(input, Scan(ScanFolderPath(folder)));
  return input;
}

using testing::PathsOf;

void MakeFifo(const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0644), 0) << path; }

// The volume answers with a fixed free space; nothing here depends on the output path.
class FixedSpace : public SpaceQuery {
 public:
  explicit FixedSpace(std::int64_t free) : free_(free) {}
  VolumeSpace Query(const std::string&) override { return {free_, free_}; }

 private:
  std::int64_t free_;
};

// Draws 0, 1, 2, ... so each entry is tried exactly once, in list order.
class InOrder : public RandomSource {
 public:
  std::size_t Below(std::size_t n) override { return next_++ % n; }

 private:
  std::size_t next_ = 0;
};

void ExpectOpenError(const std::string& path, const std::string& reason) {
  try {
    FileSizeOf(path);
    FAIL() << "no error for " << path;
  } catch (const FileOpenError& error) {
    EXPECT_EQ(error.what(), "Cannot open file \"" + AbsolutePath(path) + "\". " + reason);
  }
}

// Makes `levels` nested folders named `name` below `top` one step at a time, since the
// whole path may be too long for the system to take at once; puts a file of `size` bytes
// at the bottom. Gives its path text.
std::string MakeDeepTree(const std::string& top, int levels, const std::string& name,
                         std::size_t size) {
  int folder = open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  std::string path = top;
  for (int level = 0; level < levels && folder >= 0; ++level) {
    mkdirat(folder, name.c_str(), 0755);
    const int below = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    close(folder);
    folder = below;
    path += "/" + name;
  }
  if (folder < 0) return {};
  const int file = openat(folder, "deep.mp3", O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
  close(folder);
  if (file < 0) return {};
  const std::string content(size, 'd');
  const bool written = write(file, content.data(), size) == static_cast<ssize_t>(size);
  close(file);
  return written ? path + "/deep.mp3" : std::string();
}

TEST(HostileTree, SpecialFilesNamedLikeSongsAreListedButNeverWaitedOn) {
  TempDir dir;
  WriteFile(dir / "song.mp3", "12345");
  MakeFifo(dir / "pipe.mp3");
  MakeSocket(dir / "socket.mp3");
  const std::string top = dir.path() + "/";
  FileList input = Listed(dir.path());
  // Only folders are told apart; what the list cannot size, each refresh reports.
  EXPECT_EQ(Sorted(PathsOf(input)),
            Sorted({top + "pipe.mp3", top + "socket.mp3", top + "song.mp3"}));
  ExpectOpenError(dir / "pipe.mp3", "Not a regular file");
  ExpectOpenError(dir / "socket.mp3", "No such device or address");
  EXPECT_THROW(StatusLineText(input, ListRole::Input), FileOpenError);

  // The random fill stops at the first drawn file it cannot size, keeping its picks.
  FileList ordered;
  for (const char* name : {"song.mp3", "pipe.mp3", "socket.mp3"}) ordered.Append(Entry(top + name));
  FixedSpace space(1 << 20);
  InOrder draws;
  EXPECT_THROW(RandomizeSelection(ordered, FileList(), "/out", space, draws), FileOpenError);
  EXPECT_TRUE(ordered.At(0).selected);
  EXPECT_EQ(ordered.SelectedCount(), 1u);
}

TEST(HostileTree, EndlessDeviceNamedLikeASongIsNeverRead) {
  TempDir dir;
  if (!MakeEndlessDevice(dir / "zero.mp3")) {
    GTEST_SKIP() << "the system refuses to make device nodes here (errno " << errno << ")";
  }
  EXPECT_EQ(PathsOf(Listed(dir.path())), Paths{dir.path() + "/zero.mp3"});
  ExpectOpenError(dir / "zero.mp3", "Not a regular file");
}

TEST(HostileTree, OddNamesAreListedSizedAndKeptByteForByte) {
  TempDir dir;
  const Paths names = {"new\nline.mp3",      "tab\there.mp3",  "cr\rhere.mp3",
                       " leading.mp3",       "trailing.mp3  ", "ends in newline.mp3\n",
                       "bad \xff\xfe.mp3",   "half \xc3.mp3",  std::string(251, 'n') + ".mp3",
                       "\x01\x7f\x1b[0m.mp3"};
  std::size_t total = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    WriteFile(dir / names[i], std::string(i + 1, 'x'));
    total += i + 1;
  }
  WriteFile(dir / "not a song.mp3.txt", "x");
  const FileList input = Listed(dir.path());
  Paths expected;
  for (const std::string& name : names) expected.push_back(dir.path() + "/" + name);
  EXPECT_EQ(Sorted(PathsOf(input)), Sorted(expected));
  EXPECT_EQ(StatusLineText(input, ListRole::Input),
            std::to_string(names.size()) + " file(s) in source list ( " +
                FormatSize(static_cast<double>(total)) + " )");
}

TEST(HostileTree, NamesDifferingOnlyInBlanksAtTheEndCountAsOneEntry) {
  TempDir dir;
  for (const char* name : {"twin.mp3", "twin.mp3 ", "twin.mp3\t", "TWIN.MP3"}) {
    WriteFile(dir / name, "x");
  }
  // The duplicate test cuts blanks at both ends of the path and ignores ASCII case.
  const Paths found = Scan(ScanFolderPath(dir.path()));
  ASSERT_EQ(found.size(), 4u);
  const FileList input = Listed(dir.path());
  EXPECT_EQ(PathsOf(input), Paths{found.front()});
  EXPECT_EQ(StatusLineText(input, ListRole::Input), "1 file(s) in source list ( 1.00 bytes )");
}

TEST(HostileTree, EntryWithANulByteIsNotSizedAsTheFileBeforeIt) {
  TempDir dir;
  WriteFile(dir / "song.mp3", "12345");
  // A loaded list file or a paste can bring such a path; the system would stop at the NUL.
  FileList output;
  output.Append(Entry(dir / "song.mp3" + std::string(1, '\0') + ".txt"));
  try {
    StatusLineText(output, ListRole::Output);
    FAIL() << "no error";
  } catch (const FileOpenError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + dir / "song.mp3");
  }
  FixedSpace space(1 << 20);
  InOrder draws;
  EXPECT_THROW(RandomizeSelection(output, FileList(), "/out", space, draws), FileOpenError);
}

TEST(HostileTree, FileBelowMoreThanPathMaxBytesIsListedButCannotBeSized) {
  TempDir dir;
  const std::string deep = MakeDeepTree(dir.path(), 40, std::string(200, 'f'), 7);
  ASSERT_GT(deep.size(), static_cast<std::size_t>(PATH_MAX));
  FileList input = Listed(dir.path());
  EXPECT_EQ(PathsOf(input), Paths{deep});
  // The system takes no path this long: the refresh names it and says why.
  ExpectOpenError(deep, "File name too long");
  FixedSpace space(1 << 20);
  InOrder draws;
  EXPECT_THROW(RandomizeSelection(input, FileList(), "/out", space, draws), FileOpenError);
  EXPECT_EQ(input.SelectedCount(), 0u);
}

TEST(HostileTree, TreeFiveHundredLevelsDeepIsScannedSizedAndPicked) {
  TempDir dir;
  const std::string deep = MakeDeepTree(dir.path(), 500, "d", 3);
  ASSERT_FALSE(deep.empty());
  ASSERT_LT(deep.size(), static_cast<std::size_t>(PATH_MAX));
  WriteFile(dir / "top.mp3", "1234");
  FileList input = Listed(dir.path());
  EXPECT_EQ(Sorted(PathsOf(input)), Sorted({dir / "top.mp3", deep}));
  EXPECT_EQ(StatusLineText(input, ListRole::Input), "2 file(s) in source list ( 7.00 bytes )");
  FixedSpace space(100);
  InOrder draws;
  EXPECT_EQ(RandomizeSelection(input, FileList(), "/out", space, draws), std::nullopt);
  EXPECT_EQ(input.SelectedCount(), 2u);
}

TEST(HostileTree, TwentyThousandFilesInOneFolder) {
  TempDir dir;
  const int count = 20000;
  for (int i = 0; i < count; ++i) {
    const std::string path = dir / ("song " + std::to_string(i) + ".mp3");
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(write(fd, "x", 1), 1);
    close(fd);
  }
  WriteFile(dir / "cover.jpg", "not a song");
  FileList input = Listed(dir.path());
  EXPECT_EQ(input.Count(), static_cast<std::size_t>(count));
  EXPECT_EQ(AppendNewPaths(input, Scan(ScanFolderPath(dir.path()))), 0u);
  EXPECT_EQ(StatusLineText(input, ListRole::Input), "20000 file(s) in source list ( 19.53 KB )");

  struct Case {
    std::int64_t free;
    std::size_t selected;
  };
  // Each pick adds one byte; the pick that reaches the free space is counted, not selected.
  const Case cases[] = {{1 << 30, 20000}, {10001, 10000}, {1, 0}, {-1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.free);
    FixedSpace space(c.free);
    InOrder draws;
    EXPECT_EQ(RandomizeSelection(input, FileList(), "/out", space, draws), std::nullopt);
    EXPECT_EQ(input.SelectedCount(), c.selected);
  }
}

TEST(HostileTree, LinksUpMissingAndInALoopEndTheScanWithOnlyRealFiles) {
  TempDir dir;
  WriteFile(dir / "music/song.mp3", "123");
  fs::create_directory_symlink(dir.path(), dir / "music/up");
  fs::create_directory_symlink("..", dir / "music/parent");
  fs::create_symlink(dir / "music/song.mp3", dir / "music/alias.mp3");
  fs::create_symlink(dir / "nowhere.mp3", dir / "music/dangling.mp3");
  fs::create_symlink("loop-b.mp3", dir / "music/loop-a.mp3");
  fs::create_symlink("loop-a.mp3", dir / "music/loop-b.mp3");
  fs::create_directory_symlink(dir / "music/ring-b", dir / "music/ring-a");
  fs::create_directory_symlink(dir / "music/ring-a", dir / "music/ring-b");
  const FileList input = Listed(dir / "music");
  EXPECT_EQ(Sorted(PathsOf(input)), Sorted({dir / "music/alias.mp3", dir / "music/song.mp3"}));
  EXPECT_EQ(StatusLineText(input, ListRole::Input), "2 file(s) in source list ( 6.00 bytes )");
}

TEST(HostileTree, SizesAreReadAfreshWhenFilesChangeOrGoAfterTheScan) {
  TempDir dir;
  WriteFile(dir / "grows.mp3", "1");
  WriteFile(dir / "shrinks.mp3", std::string(2000, 's'));
  WriteFile(dir / "goes.mp3", "1");
  FileList input = Listed(dir.path());
  ASSERT_EQ(input.Count(), 3u);
  WriteFile(dir / "grows.mp3", std::string(3000, 'g'));
  WriteFile(dir / "shrinks.mp3", "");
  fs::remove(dir / "goes.mp3");
  ExpectOpenError(dir / "goes.mp3", "No such file or directory");
  EXPECT_THROW(StatusLineText(input, ListRole::Input), FileOpenError);
  const Paths listed = PathsOf(input);
  input.Take(std::find(listed.begin(), listed.end(), dir / "goes.mp3") - listed.begin());
  EXPECT_EQ(StatusLineText(input, ListRole::Input), "2 file(s) in source list ( 2.93 KB )");
}

}  // namespace
}  // namespace tunelot
