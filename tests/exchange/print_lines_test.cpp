#include "exchange/print_lines.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/list_builders.h"

namespace tunelot {
namespace {

using testing::ListOf;

TEST(LastPosTest, FindsTheLastOccurrenceWithoutOverlap) {
  struct Case {
    std::string search;
    std::string text;
    std::size_t position;
  };
  const Case cases[] = {
      {".", "Song.mp3", 5},
      {".", "Live.At.Home.MP3", 13},
      {".", "Song.", 5},
      {".", ".MP3", 1},
      {".", "Song", 0},
      {".", "", 0},
      {"", "Song.mp3", 0},
      {"", "", 0},
      {"mp3", "a.mp3.MP3", 3},
      {"MP3", "a.mp3.MP3", 7},
      {"aa", "aaa", 1},
      {"aa", "aaaa", 3},
      {"aa", "aaaaa", 3},
      {"aba", "ababa", 1},
      {"Song.mp3", "Song.mp3", 1},
      {"Song.mp3x", "Song.mp3", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.search + "\" in \"" + c.text + "\"");
    EXPECT_EQ(LastPos(c.search, c.text), c.position);
  }
}

TEST(PrintNameTest, DropsTheExtensionOfTheFileName) {
  struct Case {
    std::string path;
    PathStyle style;
    std::string name;
  };
  const Case cases[] = {
      {"Song.mp3", PathStyle::Posix, "Song"},
      {"Live.At.Home.MP3", PathStyle::Posix, "Live.At.Home"},
      {"Song.", PathStyle::Posix, "Song"},
      {".MP3", PathStyle::Posix, ""},
      {"Song", PathStyle::Posix, ""},
      {"", PathStyle::Posix, ""},
      {"C:\\Music\\Song.mp3", PathStyle::Windows, "C:\\Music\\Song"},
      {"C:\\Music\\Song", PathStyle::Windows, "C:\\Music\\"},
      {"C:Song.mp3", PathStyle::Windows, "C:\\Song"},
      {"/music/a.b/song", PathStyle::Posix, "/music/a.b/"},
      {"/music/a.b/song.mp3", PathStyle::Posix, "/music/a.b/song"},
      {"/music\\x.y", PathStyle::Posix, "/music\\x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(PrintName(c.path, c.style), c.name);
  }
}

TEST(PrintLinesTest, GivesOneLineForEachEntryInListOrder) {
  const FileList list =
      ListOf({"/B/zebra.mp3", "/A/apple.mp3", "/x/.MP3", "/C/apple.mp3", "/x/Song."});
  EXPECT_EQ(PrintLines(list, PathStyle::Posix),
            (std::vector<std::string>{"zebra", "apple", "", "apple", "Song"}));
}

TEST(PrintLinesTest, TakesTheFileNameByThePathStyle) {
  const FileList list = ListOf({"C:\\Music\\Song.mp3", "E:Live.At.Home.MP3", "/a/b.c"});
  EXPECT_EQ(PrintLines(list, PathStyle::Windows),
            (std::vector<std::string>{"Song", "Live.At.Home", "/a/b"}));
  EXPECT_EQ(PrintLines(list, PathStyle::Posix),
            (std::vector<std::string>{"C:\\Music\\Song", "E:Live.At.Home", "b"}));
}

TEST(PrintLinesTest, AnEmptyListGivesNoLines) { EXPECT_TRUE(PrintLines(FileList()).empty()); }

}  // namespace
}  // namespace tunelot
