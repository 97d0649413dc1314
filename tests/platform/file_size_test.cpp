#include "platform/file_size.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace tunelot {
namespace {

std::string OpenErrorOf(const std::string& path) {
  try {
    FileSizeOf(path);
  } catch (const FileOpenError& error) {
    return error.what();
  }
  return "no error";
}

TEST(FileSizeOf, ReadsTheSizeOfAFile) {
  testing::TempDir dir;
  testing::WriteFile(dir / "song.mp3", std::string(12345, 'x'));
  testing::WriteFile(dir / "empty.mp3", "");
  EXPECT_EQ(FileSizeOf(dir / "song.mp3"), 12345);
  EXPECT_EQ(FileSizeOf(dir / "empty.mp3"), 0);
}

TEST(FileSizeOf, CountsFilesOverFourGibibytesFully) {
  testing::TempDir dir;
  const std::string path = dir / "big.mp3";
  const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  const off_t size = (off_t{5} << 30) + 7;  // sparse: takes no room on disk
  ASSERT_EQ(ftruncate(fd, size), 0);
  close(fd);
  EXPECT_EQ(FileSizeOf(path), size);
}

TEST(FileSizeOf, NamesTheAbsolutePathAndTheReasonWhenItCannotOpen) {
  testing::TempDir dir;
  EXPECT_EQ(OpenErrorOf(dir / "sub/../missing.mp3"),
            "Cannot open file \"" + dir.path() + "/missing.mp3\". No such file or directory");
  EXPECT_EQ(OpenErrorOf(dir.path() + "//sub/./x.mp3"),
            "Cannot open file \"" + dir.path() + "/sub/x.mp3\". No such file or directory");
}

TEST(FileSizeOf, ResolvesRelativePathsAgainstTheCurrentFolder) {
  testing::TempDir dir;
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(dir.path().c_str()), 0);
  const std::string message = OpenErrorOf("music/a.mp3");
  ASSERT_EQ(chdir(previous), 0);
  EXPECT_EQ(message,
            "Cannot open file \"" + dir.path() + "/music/a.mp3\". No such file or directory");
}

TEST(FileSizeOf, RefusesFoldersAndFifosWithoutWaiting) {
  testing::TempDir dir;
  ASSERT_EQ(mkdir((dir / "folder.mp3").c_str(), 0755), 0);
  ASSERT_EQ(mkfifo((dir / "fifo.mp3").c_str(), 0644), 0);
  EXPECT_EQ(OpenErrorOf(dir / "folder.mp3"),
            "Cannot open file \"" + dir.path() + "/folder.mp3\". Is a directory");
  EXPECT_EQ(OpenErrorOf(dir / "fifo.mp3"),
            "Cannot open file \"" + dir.path() + "/fifo.mp3\". Not a regular file");
}

TEST(SystemErrorText, CutsTrailingFullStopsAndBlanks) {
  EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
  EXPECT_EQ(SystemErrorText(EACCES), "Permission denied");
}

}  // namespace
}  // namespace tunelot
