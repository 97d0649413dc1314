#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exchange/list_file.h"
#include "lists/file_list.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

#include "support/list_builders.h"

namespace tunelot {
namespace {

using testing::PathsOf;

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

std::vector<int> ImagesOf(const FileList& list) {
  std::vector<int> images;
  for (const Entry& entry : list.Entries()) images.push_back(entry.image);
  return images;
}

// A list file of `content`, read into a fresh list.
class ListFileReading : public ::testing::Test {
 protected:
  void Read(const std::string& content) {
    WriteFile(path_, content);
    ReadListFile(list_, path_);
  }

  // Reading `content` fails with `message`.
  void ExpectFailure(const std::string& content, const std::string& message) {
    try {
      Read(content);
      FAIL() << "no exception";
    } catch (const ListFileError& error) {
      EXPECT_EQ(error.what(), message);
    }
  }

  TempDir dir_;
  std::string path_ = dir_ / "list.txt";
  FileList list_;
};

TEST_F(ListFileReading, ReadsBackWhatWasWritten) {
  FileList saved;
  for (const char* path : {"C:\\Music\\One.mp3", "D:\\Songs\\Two, Three.mp3", "/a/b,,c"}) {
    Entry entry;
    entry.path = path;
    entry.selected = true;
    saved.Append(entry);
  }
  saved.SetColumnWidth(0, 380);
  WriteListFile(saved, path_);
  list_.Append(Entry("old entry"));
  ReadListFile(list_, path_);
  EXPECT_EQ(PathsOf(list_), PathsOf(saved));
  EXPECT_EQ(ImagesOf(list_), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(list_.SelectedCount(), 0u);
  EXPECT_EQ(list_.ColumnCount(), 1u);
  EXPECT_EQ(list_.ColumnAt(0).caption, "");
  EXPECT_EQ(list_.ColumnAt(0).width, 380);
  EXPECT_TRUE(list_.SubImages());
}

TEST_F(ListFileReading, ReadsTheWorkedExample) {
  Read("1,2\r\ncw 0,380\r\n0,0,0,C:\\Music\\One.mp3\r\n0,1,0,D:\\Songs\\Two, Three.mp3\r\n");
  EXPECT_EQ(PathsOf(list_),
            (std::vector<std::string>{"C:\\Music\\One.mp3", "D:\\Songs\\Two, Three.mp3"}));
}

TEST_F(ListFileReading, ClampsWidthsAndIgnoresUnknownColumns) {
  struct Case {
    const char* line;
    int width;
  };
  const Case cases[] = {
      {"cw 0,5", 10},     {"cw 0,800", 500}, {"cw 0,-7", -7},   {"cw 0,10", 10},
      {"cw 0,500", 500},  {"cw 0,0", 10},    {"cw 0,250", 250}, {"cw 1,250", 100},
      {"cw -1,250", 100}, {"cw 250", 250},   {"cwx0,250", 250},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    FileList fresh;
    list_ = std::move(fresh);
    Read(std::string("1,1\r\n") + c.line + "\r\n0,0,0,a\r\n");
    EXPECT_EQ(list_.ColumnAt(0).width, c.width);
    EXPECT_EQ(PathsOf(list_), std::vector<std::string>{"a"});
  }
}

TEST_F(ListFileReading, AddsTheColumnsTheFileNeedsAndSavesThemAgain) {
  list_.AddColumn("kept caption");
  Read(
      "3,2\r\ncw 0,200\r\ncw 1,50\r\ncw 2,60\r\n"
      "0,0,0,a\r\n1,0,2,x\r\n2,0,-1,y\r\n3,0,4,no column\r\n"
      "0,1,0,b\r\n2,1,5,z\r\n");
  ASSERT_EQ(list_.ColumnCount(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(list_.ColumnAt(i).caption, "");
  EXPECT_EQ(list_.ColumnAt(2).width, 60);
  const Entry& first = list_.At(0);
  ASSERT_EQ(first.subItems.size(), 3u);
  EXPECT_EQ(first.subItems[0].text, "x");
  EXPECT_EQ(first.subItems[0].image, 2);
  EXPECT_EQ(first.subItems[1].text, "y");
  EXPECT_EQ(first.subItems[1].image, -1);
  EXPECT_EQ(first.subItems[2].text, "no column");
  const Entry& second = list_.At(1);
  ASSERT_EQ(second.subItems.size(), 3u);
  EXPECT_EQ(second.subItems[0].text, "");
  EXPECT_EQ(second.subItems[0].image, -1);
  EXPECT_EQ(second.subItems[1].text, "z");

  WriteListFile(list_, dir_ / "again.txt");
  EXPECT_EQ(ReadFile(dir_ / "again.txt"),
            "3,2\r\ncw 0,200\r\ncw 1,50\r\ncw 2,60\r\n"
            "0,0,0,a\r\n1,0,2,x\r\n2,0,-1,y\r\n0,1,0,b\r\n2,1,5,z\r\n");
}

TEST_F(ListFileReading, NeverRemovesColumns) {
  list_.AddColumn("second");
  list_.AddColumn("third");
  Read("2,1\r\ncw 0,100\r\ncw 1,100\r\n0,0,0,a\r\n");
  ASSERT_EQ(list_.ColumnCount(), 3u);
  EXPECT_EQ(list_.ColumnAt(1).caption, "");
  EXPECT_EQ(list_.ColumnAt(2).caption, "third");
}

TEST_F(ListFileReading, PlacesCellsByRowNumberAndLetTheLastLineForACellWin) {
  Read("1,3\r\ncw 0,100\r\n0,2,0,c\r\n0,1,0,b\r\n0,0,0,first\r\n0,0,3,a\r\n");
  EXPECT_EQ(PathsOf(list_), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(ImagesOf(list_), (std::vector<int>{3, 0, 0}));
}

TEST_F(ListFileReading, LeavesARowWithoutLinesEmpty) {
  Read("1,3\r\ncw 0,100\r\n0,1,0,b\r\n");
  EXPECT_EQ(PathsOf(list_), (std::vector<std::string>{"", "b", ""}));
  EXPECT_EQ(ImagesOf(list_), (std::vector<int>{-1, 0, -1}));
}

TEST_F(ListFileReading, SwitchesSubImagesOnOnlyForAnImageIndexOfZeroOrMore) {
  Read("1,1\r\ncw 0,100\r\n0,0,-1,a\r\n");
  EXPECT_FALSE(list_.SubImages());
  Read("1,1\r\ncw 0,100\r\n0,0,-1,a\r\n0,0,0,a\r\n");
  EXPECT_TRUE(list_.SubImages());
}

TEST_F(ListFileReading, ReadsAnEmptyLineAsTheFirstCellWithImageZero) {
  struct Case {
    const char* name;
    std::string content;
  };
  const Case cases[] = {
      {"among the cell lines", "1,2\r\ncw 0,100\r\n0,0,-1,a\r\n\r\n0,1,-1,b\r\n"},
      {"at the end", "1,2\r\ncw 0,100\r\n0,0,-1,a\r\n0,1,-1,b\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list_.SetSubImages(false);
    Read(c.content);
    EXPECT_EQ(PathsOf(list_), (std::vector<std::string>{"", "b"}));
    EXPECT_EQ(ImagesOf(list_), (std::vector<int>{0, -1}));
    EXPECT_TRUE(list_.SubImages());
  }
}

TEST_F(ListFileReading, ReadsLineEndsCarriageReturnsAndCtrlZ) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<std::string> paths;
  };
  const Case cases[] = {
      {"CR LF", "1,2\r\ncw 0,100\r\n0,0,0,a\r\n0,1,0,b\r\n", {"a", "b"}},
      {"LF only", "1,2\ncw 0,100\n0,0,0,a\n0,1,0,b\n", {"a", "b"}},
      {"no end on the last line", "1,2\ncw 0,100\n0,0,0,a\n0,1,0,b", {"a", "b"}},
      {"stray CRs dropped", "1,2\r\ncw 0,100\r\n0,0,0,a\rb\r\r\n\r0,1,0,c\r\n", {"ab", "c"}},
      {"Ctrl-Z after a line end",
       "1,2\r\n0,0,0,a\r\n\x1a"
       "0,1,0,b\r\n",
       {"a", ""}},
      {"Ctrl-Z within a line",
       "1,2\r\n0,0,0,a\r\n0,1,0,b\x1a"
       "c\r\n\r\n",
       {"a", "b"}},
      {"cut off after the size line", "1,2\r\n", {"", ""}},
      {"only the size line, no end", "1,2", {"", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Read(c.content);
    EXPECT_EQ(PathsOf(list_), c.paths);
  }
}

TEST_F(ListFileReading, RefusesAFileWithoutData) {
  const std::string message = "File contains no data or corrupt file " + AbsolutePath(path_);
  const char* contents[] = {
      "",
      "\r\n",
      "\r\n1,1\r\n",
      "12\r\n",
      "0,5\r\n",
      "1,0\r\n",
      "-1,2\r\n",
      "1,-2\r\n",
      "x,y\r\n",
      "\x1a"
      "1,1\r\n",
      "1,0\r\ncw 0,100\r\n",
      "1,2000000000\r\n",
      "99999999999,1\r\n",
      "2000,2000\r\n",
  };
  for (const char* content : contents) {
    SCOPED_TRACE(std::string("content \"") + content + "\"");
    FileList before;
    before.Append(Entry("kept"));
    before.SetSelected(0, true);
    list_ = before;
    ExpectFailure(content, message);
    EXPECT_EQ(PathsOf(list_), std::vector<std::string>{"kept"});
    EXPECT_EQ(list_.ColumnAt(0).caption, "Files");
  }
}

TEST_F(ListFileReading, AcceptsRowsWithoutLinesWithinAMargin) {
  FileList blanks;
  for (int i = 0; i < 1000; ++i) blanks.Append(Entry("", -1));
  WriteListFile(blanks, path_);
  ReadListFile(list_, path_);
  EXPECT_EQ(list_.Count(), 1000u);
}

TEST_F(ListFileReading, NamesTheLineOfACellOutsideTheList) {
  struct Case {
    const char* line;
    std::string message;
  };
  const Case cases[] = {
      {"3,0,0,x", "Line 4: column 3 is outside columns 0 to 2"},
      {"-1,0,0,x", "Line 4: column -1 is outside columns 0 to 2"},
      {"0,2,0,x", "Line 4: row 2 is outside the list's 2 rows"},
      {"0,-1,0,x", "Line 4: row -1 is outside the list's 2 rows"},
      {"0,99999999999,0,x", "Line 4: row 2147483647 is outside the list's 2 rows"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ExpectFailure(std::string("2,2\r\ncw 0,100\r\n0,0,0,a\r\n") + c.line + "\r\n0,1,0,b\r\n",
                  c.message);
    EXPECT_EQ(PathsOf(list_), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(list_.ColumnAt(0).caption, "");
  }
}

TEST_F(ListFileReading, CountsEmptyLinesInTheLineNumber) {
  ExpectFailure("1,1\n\n\ncw 0,100\n0,5,0,x\n", "Line 5: row 5 is outside the list's 1 rows");
}

TEST_F(ListFileReading, ReportsAFileThatCannotBeOpened) {
  struct Case {
    const char* name;
    std::string path;
  };
  WriteFile(dir_ / "plain.txt", "1,1\r\n");
  const Case cases[] = {
      {"missing", dir_ / "missing.txt"},
      {"a folder", dir_.path()},
      {"through a file", dir_ / "plain.txt/list.txt"},
      {"relative", "no-such-folder-here/list.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ReadListFile(list_, c.path);
      FAIL() << "no exception";
    } catch (const ListFileError& error) {
      EXPECT_EQ(error.what(), "File " + AbsolutePath(c.path) + " not found");
    }
  }
}

TEST_F(ListFileReading, ReportsAReadErrorAndKeepsWhatWasRead) {
  const std::string start = "2,3\r\ncw 0,100\r\n0,0,0,a\r\n0,1";
  WriteFile(path_, start + ",0,b\r\n");
  int calls = 0;
  const ReadCall failing = [&](int, char* bytes, std::size_t count) -> std::ptrdiff_t {
    if (++calls == 1) {
      const std::size_t n = std::min(count, start.size());
      std::memcpy(bytes, start.data(), n);
      return static_cast<std::ptrdiff_t>(n);
    }
    errno = EIO;
    return -1;
  };
  try {
    ReadListFile(list_, path_, failing);
    FAIL() << "no exception";
  } catch (const ListFileError& error) {
    EXPECT_EQ(error.what(), "I/O error " + std::to_string(EIO));
  }
  EXPECT_EQ(PathsOf(list_), (std::vector<std::string>{"a", "", ""}));
  EXPECT_EQ(list_.ColumnCount(), 2u);
}

class CountingObserver : public FileListObserver {
 public:
  void EntriesChanged() override { ++entries; }
  void SelectionChanged() override {}
  void ColumnsChanged() override { ++columns; }
  int entries = 0;
  int columns = 0;
};

TEST_F(ListFileReading, TellsObserversOnce) {
  CountingObserver observer;
  list_.AddObserver(&observer);
  Read("2,3\r\ncw 0,100\r\ncw 1,90\r\n0,0,0,a\r\n0,1,0,b\r\n1,1,0,x\r\n0,2,0,c\r\n");
  list_.RemoveObserver(&observer);
  EXPECT_EQ(observer.entries, 1);
  EXPECT_EQ(observer.columns, 1);
}

}  // namespace
}  // namespace tunelot
