#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "exchange/list_file.h"
#include "lists/file_list.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

namespace tunelot {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

Entry MovedEntry(std::string path) {
  Entry entry;
  entry.path = std::move(path);
  entry.image = 0;
  return entry;
}

FileList TwoSongs() {
  FileList list;
  list.Append(MovedEntry("C:\\Music\\One.mp3"));
  list.Append(MovedEntry("D:\\Songs\\Two, Three.mp3"));
  list.SetColumnWidth(0, 380);
  return list;
}

const std::string kTwoSongsFile =
    "1,2\r\n"
    "cw 0,380\r\n"
    "0,0,0,C:\\Music\\One.mp3\r\n"
    "0,1,0,D:\\Songs\\Two, Three.mp3\r\n";

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& item : std::filesystem::directory_iterator(folder)) {
    names.push_back(item.path().filename().string());
  }
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0);
  return info.st_mode & 0777;
}

TEST(WriteListFile, WritesSizeWidthAndCellLinesEndedByCrLf) {
  TempDir dir;
  WriteListFile(TwoSongs(), dir / "list.txt");
  EXPECT_EQ(ReadFile(dir / "list.txt"), kTwoSongsFile);
}

TEST(WriteListFile, AnEmptyListGivesOneColumnAndNoEntries) {
  TempDir dir;
  FileList list;
  list.SetColumnWidth(0, 250);
  WriteListFile(list, dir / "empty.txt");
  EXPECT_EQ(ReadFile(dir / "empty.txt"), "1,0\r\ncw 0,250\r\n");
}

TEST(WriteListFile, LeavesOutEmptyCellsAndEncodesLineBreaks) {
  TempDir dir;
  FileList list;
  list.AddColumn();
  list.AddColumn();
  list.SetColumnWidth(1, 50);
  list.SetColumnWidth(2, -7);
  Entry first = MovedEntry("a.mp3");
  first.subItems = {Cell{"", 3}, Cell{"two\r\nlines", 4}};
  Entry second = MovedEntry("");
  second.image = -1;
  second.subItems = {Cell{"x", 1}};
  list.Append(first);
  list.Append(second);
  WriteListFile(list, dir / "list.txt");
  EXPECT_EQ(ReadFile(dir / "list.txt"),
            "3,2\r\ncw 0,100\r\ncw 1,50\r\ncw 2,-7\r\n"
            "0,0,0,a.mp3\r\n2,0,-1,two\t\blines\r\n1,1,-1,x\r\n");
}

TEST(WriteListFile, WritesFurtherColumnImagesOnlyWhileSubImagesIsOn) {
  TempDir dir;
  FileList list;
  list.AddColumn();
  Entry entry = MovedEntry("a.mp3");
  entry.subItems = {Cell{"42", 7}, Cell{"no column", 8}};
  list.Append(entry);
  list.SetSubImages(true);
  WriteListFile(list, dir / "list.txt");
  EXPECT_EQ(ReadFile(dir / "list.txt"),
            "2,1\r\ncw 0,100\r\ncw 1,100\r\n0,0,0,a.mp3\r\n1,0,7,42\r\n");
}

TEST(WriteListFile, ReplacesAnExistingFileAndKeepsItsMode) {
  TempDir dir;
  const std::string path = dir / "list.txt";
  WriteFile(path, "old contents that are longer than the new ones ...............");
  ASSERT_EQ(chmod(path.c_str(), 0604), 0);
  WriteListFile(TwoSongs(), path);
  EXPECT_EQ(ReadFile(path), kTwoSongsFile);
  EXPECT_EQ(ModeOf(path), 0604u);
  EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"list.txt"});
}

TEST(WriteListFile, GivesANewFileTheModeOfAnyNewFile) {
  TempDir dir;
  const mode_t previous = umask(027);
  WriteListFile(TwoSongs(), dir / "list.txt");
  umask(previous);
  EXPECT_EQ(ModeOf(dir / "list.txt"), 0640u);
}

TEST(WriteListFile, WritesThroughASymbolicLink) {
  TempDir dir;
  WriteFile(dir / "lists/real.txt", "old");
  std::filesystem::create_symlink("lists/real.txt", dir / "link.txt");
  WriteListFile(TwoSongs(), dir / "link.txt");
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
  EXPECT_EQ(ReadFile(dir / "lists/real.txt"), kTwoSongsFile);
}

TEST(WriteListFile, CopesWithShortAndInterruptedWrites) {
  TempDir dir;
  FileList list;
  for (int i = 0; i < 5000; ++i) list.Append(MovedEntry("/music/song " + std::to_string(i)));
  WriteListFile(list, dir / "expected.txt");
  bool interrupted = false;
  const WriteCall trickle = [&](int fd, const char* bytes, std::size_t count) -> std::ptrdiff_t {
    if (!interrupted) {
      interrupted = true;
      errno = EINTR;
      return -1;
    }
    return ::write(fd, bytes, std::min<std::size_t>(count, 1000));
  };
  WriteListFile(list, dir / "trickled.txt", trickle);
  EXPECT_EQ(ReadFile(dir / "trickled.txt"), ReadFile(dir / "expected.txt"));
}

TEST(WriteListFile, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  struct Case {
    const char* name;
    int failingCall;  // counted from 1
  };
  const Case cases[] = {{"at the first write", 1}, {"part way", 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir / "list.txt";
    WriteFile(path, kTwoSongsFile);
    FileList big;
    for (int i = 0; i < 20000; ++i)
      big.Append(MovedEntry("/music/a rather long song name " + std::to_string(i)));
    int calls = 0;
    const WriteCall failing = [&](int fd, const char* bytes, std::size_t count) -> std::ptrdiff_t {
      if (++calls == c.failingCall) {
        errno = ENOSPC;
        return -1;
      }
      return ::write(fd, bytes, count / 2 + 1);
    };
    try {
      WriteListFile(big, path, failing);
      FAIL() << "no exception";
    } catch (const IoError& error) {
      EXPECT_EQ(error.code(), ENOSPC);
      EXPECT_STREQ(error.what(), "Disk full");
    }
    EXPECT_EQ(calls, c.failingCall);
    EXPECT_EQ(ReadFile(path), kTwoSongsFile);
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"list.txt"});
  }
}

TEST(WriteListFile, ReportsATargetThatCannotBeCreated) {
  TempDir dir;
  WriteFile(dir / "plain.txt", "a file, not a folder");
  std::filesystem::create_directory(dir / "folder");
  struct Case {
    const char* name;
    std::string path;
    int error;
    std::string message;
  };
  const Case cases[] = {
      {"missing folder", dir / "missing/list.txt", ENOENT, "File not found"},
      {"name too long", dir / std::string(300, 'n'), ENAMETOOLONG, "Invalid filename"},
      {"path through a file", dir / "plain.txt/list.txt", ENOTDIR,
       "I/O error " + std::to_string(ENOTDIR)},
      {"target is a folder", dir / "folder", EISDIR, "I/O error " + std::to_string(EISDIR)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      WriteListFile(TwoSongs(), c.path);
      FAIL() << "no exception";
    } catch (const IoError& error) {
      EXPECT_EQ(error.code(), c.error);
      EXPECT_EQ(error.what(), c.message);
    }
  }
  EXPECT_EQ(ReadFile(dir / "plain.txt"), "a file, not a folder");
  EXPECT_TRUE(std::filesystem::is_empty(dir / "folder"));
  std::vector<std::string> names = NamesIn(dir.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"folder", "plain.txt"}));
}

}  // namespace
}  // namespace tunelot
