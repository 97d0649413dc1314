#include "lists/duplicate_test.h"

#include <gtest/gtest.h>

namespace tunelot {
namespace {

TEST(ListContains, ComparesTrimmedPathsWithAsciiCapitals) {
  struct Case {
    const char* listed;
    const char* probe;
    bool equal;
  } cases[] = {
      {"C:\\MUSIC\\SONG.MP3", " c:\\music\\song.mp3", true},
      {"/music/a.mp3", "/music/a.mp3\t\r\n", true},
      {"/music/a.mp3", "\x01\x1f/music/A.MP3 ", true},
      {"/music/\xC3\xA9t\xC3\xA9.mp3", "/music/\xC3\x89T\xC3\x89.mp3", false},
      {"C:\\Music\\\\a.mp3", "C:\\Music\\a.mp3", false},
      {"/music/a b.mp3", "/music/a  b.mp3", false},
      {"/music/a.mp3", "/music/a.mp3 x", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.listed) + " vs " + c.probe);
    FileList list;
    list.Append(Entry{"/other.mp3"});
    list.Append(Entry{c.listed});
    EXPECT_EQ(ListContains(c.probe, list), c.equal);
    EXPECT_EQ(DuplicateSet(list).Contains(c.probe), c.equal);
  }
}

TEST(ListContains, FindsNothingInAnEmptyList) {
  EXPECT_FALSE(ListContains("", FileList()));
  EXPECT_FALSE(DuplicateSet(FileList()).Contains(""));
}

TEST(DuplicateKey, CutsOnlyControlCodesAndSpacesAtBothEnds) {
  EXPECT_EQ(DuplicateKey("\x01 a\x7f b \x1f"), "A\x7f B");
  EXPECT_EQ(DuplicateKey("\xA0x\xA0"), "\xA0X\xA0");
}

TEST(DuplicateSet, CountsPathsAddedLater) {
  FileList list;
  DuplicateSet keys(list);
  keys.Add("/a.mp3");
  EXPECT_TRUE(keys.Contains(" /A.MP3"));
}

}  // namespace
}  // namespace tunelot
