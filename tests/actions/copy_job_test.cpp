#include "actions/copy_job.h"

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/file_copy.h"
#include "support/temp_dir.h"

namespace tunelot {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

// Records every call in order; copies of the named sources and the folder flush can fail.
class RecordingCopier : public FileCopier {
 public:
  bool CopyAndFlush(const std::string& source, const std::string& target) override {
    calls.push_back("copy " + source + " -> " + target);
    return failingSources.count(source) == 0;
  }
  bool FlushFolder(const std::string& folder) override {
    calls.push_back("flush " + folder);
    return !folderFlushFails;
  }

  std::vector<std::string> calls;
  std::set<std::string> failingSources;
  bool folderFlushFails = false;
};

TEST(CopyRefusalTest, RefusesOnlyBlankOutputPath) {
  struct Case {
    std::string outputPath;
    bool refused;
  };
  const Case cases[] = {
      {"", true},    {"   ", true},  {"\t\r\n", true},      {std::string("\0\x1f ", 3), true},
      {"E:", false}, {" x ", false}, {"/media/usb", false}, {"\x7f", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.outputPath);
    const std::optional<std::string> refusal = CopyRefusal(c.outputPath);
    EXPECT_EQ(refusal.has_value(), c.refused);
    if (refusal) {
      EXPECT_EQ(*refusal, "Location to copy files must be selected");
    }
  }
}

TEST(CopyTargetTest, FormsFolderAndTargetPaths) {
  struct Case {
    PathStyle style;
    std::string outputPath;
    std::string source;
    std::string folder;
    std::string target;
  };
  const Case cases[] = {
      {PathStyle::Windows, "E:", "C:\\Songs\\a.mp3", "E:\\", "E:\\a.mp3"},
      {PathStyle::Windows, "E:\\Music\\", "C:\\Songs\\a.mp3", "E:\\Music\\", "E:\\Music\\a.mp3"},
      {PathStyle::Windows, "E:\\Music  ", "C:b.mp3", "E:\\Music  \\", "E:\\Music  \\b.mp3"},
      {PathStyle::Windows, "E:\\", "plain.mp3", "E:\\", "E:\\plain.mp3"},
      {PathStyle::Windows, "E:\\x/", "C:\\a/b.mp3", "E:\\x/\\", "E:\\x/\\a/b.mp3"},
      {PathStyle::Posix, "/media/usb", "/home/u/Song.MP3", "/media/usb/", "/media/usb/Song.MP3"},
      {PathStyle::Posix, "/media/usb/", "/home/u/a\\b.mp3", "/media/usb/", "/media/usb/a\\b.mp3"},
      {PathStyle::Posix, " out ", "x.mp3", " out /", " out /x.mp3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.outputPath + " | " + c.source);
    const std::string folder = CopyTargetFolder(c.outputPath, c.style);
    EXPECT_EQ(folder, c.folder);
    EXPECT_EQ(CopyTargetPath(folder, c.source, c.style), c.target);
  }
}

TEST(CopyTextsTest, LabelTexts) {
  struct Case {
    std::string source;
    std::size_t number;
    std::size_t count;
    std::string text;
  };
  const Case cases[] = {
      {"C:\\Songs\\b.mp3", 2, 5, "Copying file C:\\Songs\\b.mp3  ---------->  2 of 5"},
      {"/m/a.mp3", 1, 1, "Copying file /m/a.mp3  ---------->  1 of 1"},
      {"x", 1234, 100000, "Copying file x  ---------->  1234 of 100000"},
      {"", 1, 2, "Copying file   ---------->  1 of 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CopyLabelText(c.source, c.number, c.count), c.text);
  }
}

TEST(CopyTextsTest, EndMessages) {
  struct Case {
    std::vector<std::string> failed;
    std::size_t count;
    CopyEndMessage message;
  };
  const Case cases[] = {
      {{}, 3, {false, "Copy completed. 3 file(s) copied."}},
      {{}, 0, {false, "Copy completed. 0 file(s) copied."}},
      {{}, 12345, {false, "Copy completed. 12345 file(s) copied."}},
      {{"E:\\Music\\a.mp3", "E:\\Music\\b.mp3"},
       3,
       {true, "Error File(s): \r\nE:\\Music\\a.mp3\r\nE:\\Music\\b.mp3\r\n"}},
      {{"E:\\a.mp3", "E:\\a.mp3"}, 2, {true, "Error File(s): \r\nE:\\a.mp3\r\nE:\\a.mp3\r\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message.text);
    EXPECT_EQ(MakeCopyEndMessage(c.failed, c.count), c.message);
  }
}

TEST(CopyJobTest, CopiesInListOrderAndFlushesFolderLast) {
  const std::vector<std::string> sources = {"C:\\s\\1.mp3", "D:2.mp3", "C:\\t\\3.mp3",
                                            "C:\\s\\4.mp3", "5.mp3"};
  CopyJob job(sources, "E:", PathStyle::Windows);
  ASSERT_EQ(job.Count(), 5u);
  EXPECT_EQ(job.LabelText(1), "Copying file D:2.mp3  ---------->  2 of 5");
  EXPECT_EQ(job.TargetPath(2), "E:\\3.mp3");
  RecordingCopier copier;
  for (std::size_t i = 0; i < job.Count(); ++i) job.CopyOne(i, copier);
  const CopyEndMessage message = job.Finish(copier);
  EXPECT_THAT(copier.calls,
              ElementsAre("copy C:\\s\\1.mp3 -> E:\\1.mp3", "copy D:2.mp3 -> E:\\2.mp3",
                          "copy C:\\t\\3.mp3 -> E:\\3.mp3", "copy C:\\s\\4.mp3 -> E:\\4.mp3",
                          "copy 5.mp3 -> E:\\5.mp3", "flush E:\\"));
  EXPECT_EQ(message, (CopyEndMessage{false, "Copy completed. 5 file(s) copied."}));
}

TEST(CopyJobTest, FailedCopiesListedInCopyOrderWithRepetitions) {
  CopyJob job({"C:\\a\\x.mp3", "C:\\ok.mp3", "C:\\b\\y.mp3", "C:\\a\\x.mp3"}, "E:\\Music",
              PathStyle::Windows);
  RecordingCopier copier;
  copier.failingSources = {"C:\\a\\x.mp3", "C:\\b\\y.mp3"};
  for (std::size_t i = 0; i < job.Count(); ++i) job.CopyOne(i, copier);
  EXPECT_EQ(job.Finish(copier),
            (CopyEndMessage{true,
                            "Error File(s): \r\nE:\\Music\\x.mp3\r\nE:\\Music\\y.mp3\r\n"
                            "E:\\Music\\x.mp3\r\n"}));
  EXPECT_EQ(copier.calls.back(), "flush E:\\Music\\");
}

TEST(CopyJobTest, FailedFolderFlushIsReported) {
  CopyJob job({"/in/a.mp3", "/in/b.mp3"}, "/media/usb", PathStyle::Posix);
  RecordingCopier copier;
  copier.failingSources = {"/in/b.mp3"};
  copier.folderFlushFails = true;
  for (std::size_t i = 0; i < job.Count(); ++i) job.CopyOne(i, copier);
  EXPECT_EQ(job.Finish(copier),
            (CopyEndMessage{true, "Error File(s): \r\n/media/usb/b.mp3\r\n/media/usb/\r\n"}));
}

TEST(CopyJobTest, NothingCopiedMeansNothingToFlush) {
  struct Case {
    const char* name;
    std::vector<std::string> sources;
    bool copiesFail;
    CopyEndMessage message;
  };
  const Case cases[] = {
      {"empty list", {}, false, {false, "Copy completed. 0 file(s) copied."}},
      {"every copy failed", {"/in/a.mp3"}, true, {true, "Error File(s): \r\n/out/a.mp3\r\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CopyJob job(c.sources, "/out", PathStyle::Posix);
    RecordingCopier copier;
    copier.folderFlushFails = true;
    if (c.copiesFail) copier.failingSources = {c.sources.begin(), c.sources.end()};
    for (std::size_t i = 0; i < job.Count(); ++i) job.CopyOne(i, copier);
    EXPECT_EQ(job.Finish(copier), c.message);
    EXPECT_EQ(copier.calls.size(), c.sources.size());
  }
}

TEST(CopyJobTest, KeepsItsSnapshotAndRejectsIndexesPastIt) {
  std::vector<std::string> sources = {"/in/a.mp3", "/in/b.mp3"};
  CopyJob job(sources, "/out", PathStyle::Posix);
  sources.clear();
  EXPECT_EQ(job.LabelText(1), "Copying file /in/b.mp3  ---------->  2 of 2");
  RecordingCopier copier;
  EXPECT_THROW(job.LabelText(2), std::out_of_range);
  EXPECT_THROW(job.TargetPath(2), std::out_of_range);
  EXPECT_THROW(job.CopyOne(2, copier), std::out_of_range);
  EXPECT_THAT(copier.calls, IsEmpty());
}

class RealCopyJobTest : public ::testing::Test {
 protected:
  // A song file whose content names its path, so a mixed-up copy shows.
  std::string Song(const std::string& relative) {
    const std::string path = dir / relative;
    WriteFile(path, "song " + relative + std::string(1000, static_cast<char>(relative.size())));
    return path;
  }

  TempDir dir;
  SystemFileCopier copier;
};

TEST_F(RealCopyJobTest, CopiesEveryFileByteForByte) {
  std::vector<std::string> sources;
  for (const char* name : {"a/1.mp3", "a/b/2.mp3", "c/3.mp3", "4.mp3", "a/b/c/5.mp3"}) {
    sources.push_back(Song(name));
  }
  std::filesystem::create_directory(dir / "out");
  EXPECT_EQ(RunCopyJob(sources, dir / "out", copier),
            (CopyEndMessage{false, "Copy completed. 5 file(s) copied."}));
  for (const std::string& source : sources) {
    SCOPED_TRACE(source);
    EXPECT_EQ(ReadFile(dir / "out/" + std::filesystem::path(source).filename().string()),
              ReadFile(source));
  }
}

TEST_F(RealCopyJobTest, LaterFileOfTheSameNameWinsAndBothCount) {
  const std::vector<std::string> sources = {Song("one/same.mp3"), Song("two/same.mp3")};
  std::filesystem::create_directory(dir / "out");
  EXPECT_EQ(RunCopyJob(sources, dir / "out/", copier),
            (CopyEndMessage{false, "Copy completed. 2 file(s) copied."}));
  EXPECT_EQ(ReadFile(dir / "out/same.mp3"), ReadFile(sources[1]));
}

TEST_F(RealCopyJobTest, ReplacesExistingTarget) {
  WriteFile(dir / "out/a.mp3", std::string(50000, 'o'));
  const std::vector<std::string> sources = {Song("in/a.mp3")};
  EXPECT_FALSE(RunCopyJob(sources, dir / "out", copier).isError);
  EXPECT_EQ(ReadFile(dir / "out/a.mp3"), ReadFile(sources[0]));
}

TEST_F(RealCopyJobTest, KeepsBlanksOfTheOutputPath) {
  std::filesystem::create_directory(dir / "out  ");
  const std::vector<std::string> sources = {Song("in/a.mp3")};
  EXPECT_FALSE(RunCopyJob(sources, dir / "out  ", copier).isError);
  EXPECT_EQ(ReadFile(dir / "out  /a.mp3"), ReadFile(sources[0]));
}

TEST_F(RealCopyJobTest, UnusableOutputFolderFailsEveryTargetInOrder) {
  WriteFile(dir / "file.txt", "plain");
  const std::vector<std::string> sources = {Song("in/b.mp3"), Song("in/a.mp3"), Song("in/x/b.mp3")};
  for (const std::string& output : {dir / "missing", dir / "file.txt"}) {
    SCOPED_TRACE(output);
    EXPECT_EQ(RunCopyJob(sources, output, copier),
              (CopyEndMessage{true, "Error File(s): \r\n" + output + "/b.mp3\r\n" + output +
                                        "/a.mp3\r\n" + output + "/b.mp3\r\n"}));
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
  EXPECT_EQ(ReadFile(dir / "file.txt"), "plain");
}

TEST_F(RealCopyJobTest, MissingSourceNamesOnlyItsTarget) {
  const std::vector<std::string> sources = {Song("in/a.mp3"), dir / "in/gone.mp3",
                                            Song("in/c.mp3")};
  std::filesystem::create_directory(dir / "out");
  EXPECT_EQ(RunCopyJob(sources, dir / "out", copier),
            (CopyEndMessage{true, "Error File(s): \r\n" + dir / "out/gone.mp3\r\n"}));
  EXPECT_EQ(ReadFile(dir / "out/a.mp3"), ReadFile(sources[0]));
  EXPECT_EQ(ReadFile(dir / "out/c.mp3"), ReadFile(sources[2]));
  EXPECT_FALSE(std::filesystem::exists(dir / "out/gone.mp3"));
}

TEST_F(RealCopyJobTest, EmptyListCopiesNothing) {
  std::filesystem::create_directory(dir / "out");
  EXPECT_EQ(RunCopyJob({}, dir / "out", copier),
            (CopyEndMessage{false, "Copy completed. 0 file(s) copied."}));
  EXPECT_TRUE(std::filesystem::is_empty(dir / "out"));
}

}  // namespace
}  // namespace tunelot
