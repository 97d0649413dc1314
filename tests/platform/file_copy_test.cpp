#include "platform/file_copy.h"

#include <csignal>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace tunelot {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

// Bytes of every value, in a pattern that no stale tail or shifted block can match.
std::string PatternBytes(std::size_t size) {
  std::string bytes(size, '\0');
  unsigned state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>(state >> 16);
  }
  return bytes;
}

bool Exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

TEST(SystemFileCopierTest, CopiesContentByteForByte) {
  struct Case {
    const char* name;
    std::string content;
  };
  const Case cases[] = {
      {"empty", ""},
      {"text", "ID3 short song"},
      {"zero bytes inside", std::string("a\0b\0\0c", 6)},
      {"multi-megabyte", PatternBytes(5 * 1024 * 1024 + 17)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    WriteFile(dir / "in/song.mp3", c.content);
    std::filesystem::create_directory(dir / "out");
    SystemFileCopier copier;
    EXPECT_TRUE(copier.CopyAndFlush(dir / "in/song.mp3", dir / "out/song.mp3"));
    EXPECT_EQ(ReadFile(dir / "out/song.mp3"), c.content);
  }
}

TEST(SystemFileCopierTest, ReplacesExistingTargetWithoutStaleTail) {
  TempDir dir;
  WriteFile(dir / "new.mp3", "short");
  WriteFile(dir / "out/new.mp3", PatternBytes(200000));
  SystemFileCopier copier;
  EXPECT_TRUE(copier.CopyAndFlush(dir / "new.mp3", dir / "out/new.mp3"));
  EXPECT_EQ(ReadFile(dir / "out/new.mp3"), "short");
}

TEST(SystemFileCopierTest, NewTargetGetsReadableModeUnderUmask) {
  TempDir dir;
  WriteFile(dir / "a.mp3", "x");
  const mode_t mask = umask(027);
  SystemFileCopier copier;
  const bool copied = copier.CopyAndFlush(dir / "a.mp3", dir / "b.mp3");
  umask(mask);
  ASSERT_TRUE(copied);
  struct stat info {};
  ASSERT_EQ(stat((dir / "b.mp3").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SystemFileCopierTest, FailsWithoutTouchingTargetForUnusableSourceOrTarget) {
  TempDir dir;
  WriteFile(dir / "song.mp3", "music");
  WriteFile(dir / "file.txt", "plain");
  std::filesystem::create_directories(dir / "folder.mp3");
  std::filesystem::create_directory(dir / "out");
  struct Case {
    const char* name;
    std::string source;
    std::string target;
    std::string untouched;
  };
  const Case cases[] = {
      {"missing source", dir / "gone.mp3", dir / "out/gone.mp3", dir / "out/gone.mp3"},
      {"folder source", dir / "folder.mp3", dir / "out/folder.mp3", dir / "out/folder.mp3"},
      {"missing target folder", dir / "song.mp3", dir / "nowhere/song.mp3", dir / "nowhere"},
      {"target through a file", dir / "song.mp3", dir / "file.txt/song.mp3", ""},
      {"folder target", dir / "song.mp3", dir / "folder.mp3", ""},
      {"name too long", dir / "song.mp3", dir / "out/" + std::string(300, 'n') + ".mp3", ""},
  };
  SystemFileCopier copier;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(copier.CopyAndFlush(c.source, c.target));
    if (!c.untouched.empty()) {
      EXPECT_FALSE(Exists(c.untouched));
    }
  }
  EXPECT_EQ(ReadFile(dir / "file.txt"), "plain");
  EXPECT_EQ(ReadFile(dir / "song.mp3"), "music");
}

TEST(SystemFileCopierTest, FifoSourceOrTargetFailsWithoutWaiting) {
  TempDir dir;
  WriteFile(dir / "song.mp3", "music");
  ASSERT_EQ(mkfifo((dir / "pipe.mp3").c_str(), 0644), 0);
  SystemFileCopier copier;
  EXPECT_FALSE(copier.CopyAndFlush(dir / "pipe.mp3", dir / "copy.mp3"));
  EXPECT_FALSE(Exists(dir / "copy.mp3"));
  EXPECT_FALSE(copier.CopyAndFlush(dir / "song.mp3", dir / "pipe.mp3"));
}

TEST(SystemFileCopierTest, RefusesCopyOntoSourceItselfAndKeepsIt) {
  TempDir dir;
  const std::string content = PatternBytes(70000);
  WriteFile(dir / "music/song.mp3", content);
  ASSERT_EQ(link((dir / "music/song.mp3").c_str(), (dir / "hard.mp3").c_str()), 0);
  ASSERT_EQ(symlink((dir / "music/song.mp3").c_str(), (dir / "soft.mp3").c_str()), 0);
  const std::string targets[] = {dir / "music/song.mp3", dir / "music/./song.mp3", dir / "hard.mp3",
                                 dir / "soft.mp3"};
  SystemFileCopier copier;
  for (const std::string& target : targets) {
    SCOPED_TRACE(target);
    EXPECT_FALSE(copier.CopyAndFlush(dir / "music/song.mp3", target));
    EXPECT_EQ(ReadFile(dir / "music/song.mp3"), content);
  }
}

TEST(SystemFileCopierTest, CopyCutShortByFileSizeLimitFails) {
  TempDir dir;
  WriteFile(dir / "big.mp3", PatternBytes(1024 * 1024));
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  // Past the limit a write fails with EFBIG instead of raising SIGXFSZ, like a full drive.
  const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = 64 * 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  SystemFileCopier copier;
  const bool copied = copier.CopyAndFlush(dir / "big.mp3", dir / "copy.mp3");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedHandler);
  EXPECT_FALSE(copied);
}

TEST(SystemFileCopierTest, ReadsPastSizeThatReadsAsZero) {
  const std::string source = "/proc/self/status";
  struct stat info {};
  if (stat(source.c_str(), &info) != 0 || info.st_size != 0) {
    GTEST_SKIP() << "needs procfs, whose files report size 0";
  }
  TempDir dir;
  SystemFileCopier copier;
  EXPECT_TRUE(copier.CopyAndFlush(source, dir / "status"));
  EXPECT_EQ(ReadFile(dir / "status").rfind("Name:", 0), 0u);
}

TEST(SystemFileCopierTest, SourceEndingBeforeItsSizeFails) {
  const std::string source = "/sys/devices/system/cpu/online";
  struct stat info {};
  if (stat(source.c_str(), &info) != 0 ||
      ReadFile(source).size() >= static_cast<std::size_t>(info.st_size)) {
    GTEST_SKIP() << "needs a sysfs file whose content is shorter than its size";
  }
  TempDir dir;
  SystemFileCopier copier;
  EXPECT_FALSE(copier.CopyAndFlush(source, dir / "online"));
}

TEST(SystemFileCopierTest, FlushFolderNeedsAnExistingFolder) {
  TempDir dir;
  WriteFile(dir / "out/a.mp3", "a");
  struct Case {
    std::string folder;
    bool flushed;
  };
  const Case cases[] = {
      {dir / "out", true},        {dir / "out/", true},        {dir / "missing/", false},
      {dir / "out/a.mp3", false}, {dir / "out/a.mp3/", false},
  };
  SystemFileCopier copier;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    EXPECT_EQ(copier.FlushFolder(c.folder), c.flushed);
  }
}

}  // namespace
}  // namespace tunelot
