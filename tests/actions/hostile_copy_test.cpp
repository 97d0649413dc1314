// The copy job against odd sources, changes made while it runs and an output medium that
// fills up or goes away.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include "actions/copy_job.h"
#include "lists/folder_scan.h"
#include "platform/file_copy.h"
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

// Bytes that differ from file to file and from block to block, so a mixed-up or shifted
// copy shows.
std::string SongBytes(std::size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  unsigned state = seed * 2654435761u + 1;
  for (char& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>(state >> 16);
  }
  return bytes;
}

std::string ErrorText(const std::vector<std::string>& targets) {
  std::string text = "Error File(s): \r\n";
  for (const std::string& target : targets) text += target + "\r\n";
  return text;
}

// The end message names exactly these failed targets, in this order.
void ExpectFailed(const CopyEndMessage& end, const std::vector<std::string>& targets) {
  EXPECT_TRUE(end.isError);
  EXPECT_EQ(end.text, ErrorText(targets));
}

void ExpectCompleted(const CopyEndMessage& end, std::size_t count) {
  EXPECT_FALSE(end.isError);
  EXPECT_EQ(end.text, "Copy completed. " + std::to_string(count) + " file(s) copied.");
}

bool Exists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path, ignored));
}

// Caps the size of any file this process writes, so a copy that never ends fails instead
// of filling the disk; restores the old cap and signal handling on the way out.
class FileSizeCap {
 public:
  explicit FileSizeCap(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit capped = saved_;
    capped.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &capped);
  }
  ~FileSizeCap() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }
  FileSizeCap(const FileSizeCap&) = delete;
  FileSizeCap& operator=(const FileSizeCap&) = delete;

 private:
  rlimit saved_{};
  void (*savedHandler_)(int) = SIG_DFL;
};

using testing::ScratchVolume;

// The system's copier, with a step of the test's own run just before the copy of a source.
class ChangingCopier : public FileCopier {
 public:
  bool CopyAndFlush(const std::string& source, const std::string& target) override {
    const auto change = before.find(source);
    if (change != before.end()) change->second();
    return system.CopyAndFlush(source, target);
  }
  bool FlushFolder(const std::string& folder) override { return system.FlushFolder(folder); }

  std::map<std::string, std::function<void()>> before;
  SystemFileCopier system;
};

class HostileCopy : public ::testing::Test {
 protected:
  std::string Song(const std::string& relative, std::size_t size) {
    const std::string path = dir / relative;
    WriteFile(path, SongBytes(size, static_cast<unsigned>(relative.size() + size)));
    return path;
  }

  std::string Out(const std::string& name) const { return dir / ("out/" + name); }

  void SetUp() override { fs::create_directory(dir / "out"); }

  TempDir dir;
  SystemFileCopier copier;
};

TEST_F(HostileCopy, FifoAndSocketSourcesFailWithoutWaitingAndLeaveNoTarget) {
  const std::string song = Song("in/song.mp3", 5000);
  ASSERT_EQ(mkfifo((dir / "in/pipe.mp3").c_str(), 0644), 0);
  MakeSocket(dir / "in/socket.mp3");
  const std::vector<std::string> sources = {dir / "in/pipe.mp3", song, dir / "in/socket.mp3"};
  // A copier that opened the FIFO to read would wait for a writer for ever.
  ExpectFailed(RunCopyJob(sources, dir / "out", copier), {Out("pipe.mp3"), Out("socket.mp3")});
  EXPECT_EQ(ReadFile(Out("song.mp3")), ReadFile(song));
  EXPECT_FALSE(Exists(Out("pipe.mp3")));
  EXPECT_FALSE(Exists(Out("socket.mp3")));
}

TEST_F(HostileCopy, EndlessDeviceSourceIsRefusedNotCopiedForEver) {
  if (!MakeEndlessDevice(dir / "in-zero.mp3")) {
    GTEST_SKIP() << "the system refuses to make device nodes here (errno " << errno << ")";
  }
  const FileSizeCap cap(1 << 20);
  ExpectFailed(RunCopyJob({dir / "in-zero.mp3"}, dir / "out", copier), {Out("in-zero.mp3")});
  EXPECT_FALSE(Exists(Out("in-zero.mp3")));
}

TEST_F(HostileCopy, OddNamesAreCopiedUnderTheirOwnBytes) {
  const std::vector<std::string> names = {
      "new\nline.mp3", "tab\there.mp3", "cr\rhere.mp3",  " leading.mp3",
      "trailing.mp3 ", "bad \xff.mp3",  "half \xc3.mp3", std::string(251, 'n') + ".mp3"};
  std::vector<std::string> sources;
  for (std::size_t i = 0; i < names.size(); ++i) sources.push_back(Song("in/" + names[i], i * 99));
  ExpectCompleted(RunCopyJob(sources, dir / "out", copier), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ReadFile(Out(names[i])), ReadFile(sources[i]));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(names.size()));
}

TEST_F(HostileCopy, SourceBelowMoreThanPathMaxBytesFailsByItself) {
  // Built level by level, since the system takes no path this long at once.
  const std::string name(200, 'f');
  int folder = open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  std::string deep = dir.path();
  for (int level = 0; level < 25 && folder >= 0; ++level) {
    mkdirat(folder, name.c_str(), 0755);
    const int below = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    close(folder);
    folder = below;
    deep += "/" + name;
  }
  ASSERT_GE(folder, 0);
  close(openat(folder, "deep.mp3", O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
  close(folder);
  const std::string song = Song("song.mp3", 10);
  ExpectFailed(RunCopyJob({deep + "/deep.mp3", song}, dir / "out", copier), {Out("deep.mp3")});
  EXPECT_EQ(ReadFile(Out("song.mp3")), ReadFile(song));
}

TEST_F(HostileCopy, FileThatVanishedAfterTheScanFailsAlone) {
  Song("in/a.mp3", 100);
  Song("in/b.mp3", 200);
  Song("in/c.mp3", 300);
  std::vector<std::string> found;
  ScanFolder(ScanFolderPath(dir / "in"), ".MP3", found);
  ASSERT_EQ(found.size(), 3u);
  fs::remove(dir / "in/b.mp3");
  ExpectFailed(RunCopyJob(found, dir / "out", copier), {Out("b.mp3")});
  EXPECT_EQ(ReadFile(Out("a.mp3")), ReadFile(dir / "in/a.mp3"));
  EXPECT_EQ(ReadFile(Out("c.mp3")), ReadFile(dir / "in/c.mp3"));
  EXPECT_FALSE(Exists(Out("b.mp3")));
}

TEST_F(HostileCopy, SourcesChangedWhileTheJobRunsAreCopiedAsTheyStandAtTheirTurn) {
  const std::vector<std::string> sources = {
      Song("in/grows.mp3", 1000), Song("in/shrinks.mp3", 9000), Song("in/empties.mp3", 500),
      Song("in/goes.mp3", 10), Song("in/turns-fifo.mp3", 10)};
  // Earlier copies of every song, longer than what is copied now: no stale tail may stay.
  for (const char* name : {"grows.mp3", "shrinks.mp3", "empties.mp3"}) {
    WriteFile(Out(name), std::string(20000, 'o'));
  }
  ChangingCopier changing;
  changing.before[sources[0]] = [&] { WriteFile(sources[0], SongBytes(70000, 7)); };
  changing.before[sources[1]] = [&] { fs::resize_file(sources[1], 123); };
  changing.before[sources[2]] = [&] { fs::resize_file(sources[2], 0); };
  changing.before[sources[3]] = [&] { fs::remove(sources[3]); };
  changing.before[sources[4]] = [&] {
    fs::remove(sources[4]);
    mkfifo(sources[4].c_str(), 0644);
  };
  ExpectFailed(RunCopyJob(sources, dir / "out", changing),
               {Out("goes.mp3"), Out("turns-fifo.mp3")});
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(sources[i]);
    EXPECT_EQ(ReadFile(Out(fs::path(sources[i]).filename())), ReadFile(sources[i]));
  }
  EXPECT_EQ(fs::file_size(Out("grows.mp3")), 70000u);
  EXPECT_EQ(fs::file_size(Out("empties.mp3")), 0u);
}

TEST_F(HostileCopy, OutputFolderTakenAwayBetweenTwoFiles) {
  const std::vector<std::string> sources = {Song("in/a.mp3", 100), Song("in/b.mp3", 200),
                                            Song("in/c.mp3", 300)};
  const std::function<void()> takeAway[] = {
      [&] { fs::remove_all(dir / "out"); },
      [&] {
        fs::remove_all(dir / "out");
        WriteFile(dir / "out", "now a plain file");
      },
  };
  for (const auto& change : takeAway) {
    fs::remove_all(dir / "out");
    fs::create_directory(dir / "out");
    CopyJob job(sources, dir / "out");
    job.CopyOne(0, copier);
    change();
    job.CopyOne(1, copier);
    job.CopyOne(2, copier);
    // The folder itself is named too: the first file's entry never reached the device.
    ExpectFailed(job.Finish(copier), {Out("b.mp3"), Out("c.mp3"), dir / "out/"});
  }
  EXPECT_EQ(ReadFile(dir / "out"), "now a plain file");
}

TEST_F(HostileCopy, PathsWithANulByteNameNoFileAndOverwriteNothing) {
  const std::string song = Song("in/song.mp3", 1000);
  WriteFile(dir / "notes.txt", "keep me");
  using namespace std::string_literals;
  // The system reads a path only up to a NUL: these would open song.mp3 and notes.txt.
  ExpectFailed(RunCopyJob({song + "\0.txt"s}, dir / "out", copier), {Out("song.mp3\0.txt"s)});
  const std::string cutOutput = dir / "notes.txt\0/music"s;
  ExpectFailed(RunCopyJob({song}, cutOutput, copier), {cutOutput + "/song.mp3"});
  EXPECT_EQ(ReadFile(dir / "notes.txt"), "keep me");
  EXPECT_FALSE(Exists(Out("song.mp3")));
}

TEST_F(HostileCopy, SmallVolumeListsEveryFileThatDidNotFitAndKeepsNoShortCopy) {
  ScratchVolume stick(dir / "stick", "1m");
  if (!stick.mounted()) GTEST_SKIP() << stick.refusal();
  const std::vector<std::string> sources = {
      Song("in/a.mp3", 400 * 1024), Song("in/b.mp3", 700 * 1024), Song("in/c.mp3", 300 * 1024),
      Song("in/d.mp3", 2 * 1024 * 1024), Song("in/e.mp3", 100 * 1024)};
  const std::string stickPath = dir / "stick";
  const CopyEndMessage end = RunCopyJob(sources, stickPath, copier);
  ExpectFailed(end, {stickPath + "/b.mp3", stickPath + "/d.mp3"});
  for (const std::string& source : sources) {
    const std::string target = stickPath + "/" + fs::path(source).filename().string();
    SCOPED_TRACE(target);
    const bool failed = end.text.find(target + "\r\n") != std::string::npos;
    if (failed) {
      EXPECT_FALSE(Exists(target)) << "a failed copy left a short file on the stick";
    } else {
      EXPECT_EQ(ReadFile(target), ReadFile(source));
    }
  }
}

TEST_F(HostileCopy, VolumeThatGoesAwayMidJobGivesFailuresNotACrash) {
  ScratchVolume stick(dir / "stick", "4m");
  if (!stick.mounted()) GTEST_SKIP() << stick.refusal();
  const std::string music = dir / "stick/music";
  fs::create_directory(music);
  const std::vector<std::string> sources = {Song("in/a.mp3", 1000), Song("in/b.mp3", 2000),
                                            Song("in/c.mp3", 3000)};
  CopyJob job(sources, music);
  job.CopyOne(0, copier);
  EXPECT_EQ(ReadFile(music + "/a.mp3"), ReadFile(sources[0]));
  stick.Detach();
  job.CopyOne(1, copier);
  job.CopyOne(2, copier);
  ExpectFailed(job.Finish(copier), {music + "/b.mp3", music + "/c.mp3", music + "/"});
  EXPECT_FALSE(Exists(music));
}

}  // namespace
}  // namespace tunelot
