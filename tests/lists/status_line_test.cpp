#include "lists/status_line.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "support/temp_dir.h"

#include "support/list_builders.h"

namespace tunelot {
namespace {

using testing::ListOf;

const NumberSeparators kEnglish{",", "."};
const NumberSeparators kGerman{".", ","};

TEST(FormatSize, WritesTwoDecimalsAndStepsUpAbove1024) {
  struct Case {
    double bytes;
    const char* text;
  } cases[] = {
      {0, "0.00 bytes"},
      {1023, "1,023.00 bytes"},
      {1024, "1,024.00 bytes"},
      {1025, "1.00 KB"},
      {1152, "1.13 KB"},
      {1536, "1.50 KB"},
      {1048576, "1,024.00 KB"},
      {1048577, "1.00 MB"},
      {47890432, "45.67 MB"},
      {5000000000.0, "4.66 GB"},
      {2199023255552.0, "2,048.00 GB"},
      {1125899906842624.0, "1,048,576.00 GB"},
      {-1, "-1.00 bytes"},
      {0.004, "0.00 bytes"},
      {0.005, "0.01 bytes"},
      {999.995, "1,000.00 bytes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatSize(c.bytes, kEnglish), c.text);
  }
}

TEST(FormatSize, UsesTheGivenSeparators) {
  EXPECT_EQ(FormatSize(1023, kGerman), "1.023,00 bytes");
  EXPECT_EQ(FormatSize(1536, kGerman), "1,50 KB");
  EXPECT_EQ(FormatSize(2199023255552.0, NumberSeparators{"'", "."}), "2'048.00 GB");
}

TEST(StatusLineText, CountsTheEntriesAndAddsUpTheirSizes) {
  testing::TempDir dir;
  testing::WriteFile(dir / "a.mp3", std::string(1000, 'a'));
  testing::WriteFile(dir / "b.mp3", std::string(48576, 'b'));
  testing::WriteFile(dir / "c.mp3", std::string(950000, 'c'));
  const FileList list = ListOf({dir / "a.mp3", dir / "b.mp3", dir / "c.mp3"});
  // Whatever the machine's locale, these numbers need no separator.
  EXPECT_EQ(StatusLineText(FileList(), ListRole::Input), "0 file(s) in source list ( 0.00 bytes )");
  EXPECT_EQ(StatusLineText(FileList(), ListRole::Output),
            "0 file(s) in output list ( 0.00 bytes )");
  EXPECT_EQ(StatusLineText(list, ListRole::Output),
            "3 file(s) in output list ( " + FormatSize(999576) + " )");
  EXPECT_EQ(StatusLineText(list, ListRole::Input),
            "3 file(s) in source list ( " + FormatSize(999576) + " )");
  EXPECT_EQ(FormatSize(999576, kEnglish), "976.15 KB");
}

TEST(StatusLineText, FailsOnAFileThatIsGone) {
  testing::TempDir dir;
  testing::WriteFile(dir / "a.mp3", "a");
  testing::WriteFile(dir / "b.mp3", "b");
  const FileList list = ListOf({dir / "a.mp3", dir / "b.mp3"});
  std::filesystem::remove(dir / "b.mp3");
  try {
    StatusLineText(list, ListRole::Input);
    FAIL() << "no error";
  } catch (const FileOpenError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot open file \"" + dir.path() + "/b.mp3\". No such file or directory");
  }
}

TEST(InitialStatusText, DiffersFromARefreshedEmptyLine) {
  EXPECT_EQ(InitialStatusText(ListRole::Input), "0 file(s) in input list ( 0 bytes )");
  EXPECT_EQ(InitialStatusText(ListRole::Output), "0 file(s) in output list ( 0 bytes )");
}

}  // namespace
}  // namespace tunelot
