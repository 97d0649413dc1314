// List files on a full volume, special files offered as list files, and list files made
// to cost far more than their size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include "exchange/list_file.h"
#include "lists/file_list.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

#include "support/scratch_volume.h"

#include "support/odd_files.h"

namespace tunelot {
namespace {
using testing::MakeEndlessDevice;
using testing::MakeSocket;

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

using testing::ScratchVolume;

// Writes to `path` until the volume has no byte left.
void FillVolume(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  ASSERT_GE(fd, 0);
  const std::string block(64 * 1024, 'f');
  std::size_t chunk = block.size();
  while (chunk > 0) {
    if (write(fd, block.data(), chunk) < 0) {
      ASSERT_EQ(errno, ENOSPC);
      chunk /= 2;
    }
  }
  close(fd);
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

FileList SongList(int count) {
  FileList list;
  for (int i = 0; i < count; ++i) list.Append(Entry("/music/song number " + std::to_string(i)));
  return list;
}

TEST(HostileListFile, SaveOnAFullVolumeLeavesTheEarlierFileByteForByte) {
  TempDir dir;
  ScratchVolume stick(dir / "stick", "1m");
  if (!stick.mounted()) GTEST_SKIP() << stick.refusal();
  const std::string path = dir / "stick/list.txt";
  WriteListFile(SongList(3), path);
  const std::string before = ReadFile(path);
  FillVolume(dir / "stick/filler");
  for (const int count : {1, 20000}) {
    SCOPED_TRACE(count);
    try {
      WriteListFile(SongList(count), path);
      FAIL() << "no exception";
    } catch (const IoError& error) {
      EXPECT_EQ(error.code(), ENOSPC);
      EXPECT_STREQ(error.what(), "Disk full");
    }
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(NamesIn(dir / "stick"), (std::vector<std::string>{"filler", "list.txt"}));
  }
  // Room again: the next save goes through.
  fs::remove(dir / "stick/filler");
  WriteListFile(SongList(2), path);
  FileList read;
  ReadListFile(read, path);
  EXPECT_EQ(read.Count(), 2u);
}

TEST(HostileListFile, SpecialFilesAreRefusedWithoutWaitingOrReadingForEver) {
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "pipe.txt").c_str(), 0644), 0);
  MakeSocket(dir / "socket.txt");
  std::vector<std::string> paths = {dir / "pipe.txt", dir / "socket.txt", dir.path()};
  // Endless like /dev/zero, where the system lets a device node be made.
  if (MakeEndlessDevice(dir / "zero.txt")) {
    paths.push_back(dir / "zero.txt");
  }
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    FileList list;
    list.Append(Entry("kept"));
    try {
      ReadListFile(list, path);
      FAIL() << "no exception";
    } catch (const ListFileError& error) {
      EXPECT_EQ(error.what(), "File " + AbsolutePath(path) + " not found");
    }
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0).path, "kept");
  }
}

TEST(HostileListFile, WideSizeLineWithManyCellLinesReadsInOnePass) {
  // A reader that copied the row out of the list and back for each cell line would copy
  // 4 * 10^10 cells for this file of 2 MB: hours.
  const int columns = 200000;
  const int lines = 200000;
  std::string content = std::to_string(columns) + ",1\r\n";
  for (int i = 0; i < lines; ++i) content += std::to_string(1 + i % 7) + ",0,-1,t" + "\r\n";
  content += "0,0,0,/music/wide.mp3\r\n";
  TempDir dir;
  WriteFile(dir / "wide.txt", content);
  FileList list;
  ReadListFile(list, dir / "wide.txt");
  ASSERT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.ColumnCount(), static_cast<std::size_t>(columns));
  EXPECT_EQ(list.At(0).path, "/music/wide.mp3");
  EXPECT_EQ(list.At(0).subItems.at(6).text, "t");
  EXPECT_EQ(list.At(0).subItems.at(7).text, "");
}

}  // namespace
}  // namespace tunelot
