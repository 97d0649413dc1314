#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "exchange/clipboard_text.h"
#include "lists/file_list.h"
#include "platform/path_style.h"

namespace tunelot {
namespace {

// An entry's path followed by the texts of its further columns.
std::vector<std::string> FieldsOf(const Entry& entry) {
  std::vector<std::string> fields{entry.path};
  for (const Cell& cell : entry.subItems) fields.push_back(cell.text);
  return fields;
}

std::vector<std::vector<std::string>> FieldsOf(const FileList& list) {
  std::vector<std::vector<std::string>> rows;
  for (const Entry& entry : list.Entries()) rows.push_back(FieldsOf(entry));
  return rows;
}

FileList TwoMusicFiles() {
  FileList list;
  list.Append(Entry("C:\\Music\\A.mp3"));
  list.Append(Entry("C:\\Music\\B c.mp3"));
  return list;
}

const char* StyleName(PathStyle style) { return style == PathStyle::Windows ? "Windows" : "POSIX"; }

using Rows = std::vector<std::vector<std::string>>;

struct PasteCase {
  const char* name;
  std::string text;
  bool posixAccepts;
  Rows posixRows;
  bool windowsAccepts;
  Rows windowsRows;
};

const PasteCase kPasteCases[] = {
    {"worked example",
     "C:\\Music\\A.mp3\r\nC:\\Music\\B c.mp3\r\n",
     true,
     {{"C:\\Music\\A.mp3"}, {"C:\\Music\\B c.mp3"}},
     true,
     {{"C:\\Music\\A.mp3"}, {"C:\\Music\\B c.mp3"}}},
    {"empty text", "", false, {}, false, {}},
    {"no line end", "C:\\Music\\A.mp3", false, {}, false, {}},
    {"LF only",
     "/music/a.mp3\n/music/b.mp3\n",
     true,
     {{"/music/a.mp3"}, {"/music/b.mp3"}},
     false,
     {}},
    {"CR not followed by LF", "a\rb\r\n", true, {{"a"}, {""}}, true, {{"a"}, {""}}},
    {"CR as the last character", "a\r", true, {{"a"}}, true, {{"a"}}},
    {"path and number", "x.mp3\t42\r\n", true, {{"x.mp3", "42"}}, true, {{"x.mp3", "42"}}},
    {"empty fields", "a\t\tc\t\r\n", true, {{"a", "", "c", ""}}, true, {{"a", "", "c", ""}}},
    {"empty line between line ends",
     "a\r\n\r\nb\r\n",
     true,
     {{"a"}, {""}, {"b"}},
     true,
     {{"a"}, {""}, {"b"}}},
    {"prose",
     "Dear friend,\r\nhere are the songs.\r\n",
     true,
     {{"Dear friend,"}, {"here are the songs."}},
     true,
     {{"Dear friend,"}, {"here are the songs."}}},
    {"text after the last line end", "a\r\nb", true, {{"a"}}, true, {{"a"}}},
    {"mixed line ends", "a\nb\r\nc\n", true, {{"a"}, {"b"}, {"c"}}, true, {{"a\nb"}}},
    {"nothing trimmed", "  spaced  \r\n", true, {{"  spaced  "}}, true, {{"  spaced  "}}},
};

TEST(PasteIntoList, AppendsOneSelectedEntryPerCompleteLine) {
  for (const PasteCase& c : kPasteCases) {
    for (PathStyle style : {PathStyle::Posix, PathStyle::Windows}) {
      SCOPED_TRACE(std::string(c.name) + ", " + StyleName(style));
      const bool accepts = style == PathStyle::Windows ? c.windowsAccepts : c.posixAccepts;
      const Rows& rows = style == PathStyle::Windows ? c.windowsRows : c.posixRows;
      FileList list;
      list.Append(Entry("already there"));
      if (!accepts) {
        EXPECT_THROW(PasteIntoList(list, c.text, style), PasteError);
        EXPECT_EQ(list.Count(), 1u);
        EXPECT_EQ(list.ColumnCount(), 1u);
        continue;
      }
      EXPECT_EQ(PasteIntoList(list, c.text, style), rows.size());
      Rows expected{{"already there"}};
      expected.insert(expected.end(), rows.begin(), rows.end());
      EXPECT_EQ(FieldsOf(list), expected);
      std::size_t widest = 1;
      for (const auto& row : rows) widest = std::max(widest, row.size());
      EXPECT_EQ(list.ColumnCount(), widest);
      for (std::size_t i = 1; i < list.Count(); ++i) {
        const Entry& entry = list.At(i);
        EXPECT_TRUE(entry.selected);
        EXPECT_EQ(entry.image, -1);
        for (const Cell& cell : entry.subItems) EXPECT_EQ(cell.image, -1);
      }
      EXPECT_EQ(list.FocusedIndex(), static_cast<std::ptrdiff_t>(list.Count() - 1));
    }
  }
}

TEST(PasteIntoList, GivesTheMessageForTextWithoutLines) {
  FileList list;
  try {
    PasteIntoList(list, "no line end", PathStyle::Posix);
    FAIL() << "no exception";
  } catch (const PasteError& error) {
    EXPECT_STREQ(error.what(), "Invalid information to PASTE");
  }
}

TEST(PasteIntoList, KeepsTheSelectionOfEntriesAlreadyThereAndMovesTheFocus) {
  FileList list = TwoMusicFiles();
  list.SetSelected(1, true);
  list.SetFocused(0);
  PasteIntoList(list, "new\r\n", PathStyle::Windows);
  ASSERT_EQ(list.Count(), 3u);
  EXPECT_FALSE(list.At(0).selected);
  EXPECT_TRUE(list.At(1).selected);
  EXPECT_TRUE(list.At(2).selected);
  EXPECT_EQ(list.FocusedIndex(), 2);
}

TEST(PasteIntoList, KeepsColumnsAddedByEarlierPastes) {
  FileList list;
  PasteIntoList(list, "a\t1\t2\n", PathStyle::Posix);
  PasteIntoList(list, "b\n", PathStyle::Posix);
  EXPECT_EQ(list.ColumnCount(), 3u);
  EXPECT_EQ(FieldsOf(list), (Rows{{"a", "1", "2"}, {"b"}}));
}

class CountingObserver : public FileListObserver {
 public:
  void EntriesChanged() override { ++entries; }
  void SelectionChanged() override {}
  void ColumnsChanged() override {}
  int entries = 0;
};

TEST(PasteIntoList, PastesAHundredThousandLinesInOneUpdate) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "/music/song " + std::to_string(i) + ".mp3\n";
  FileList list;
  CountingObserver observer;
  list.AddObserver(&observer);
  EXPECT_EQ(PasteIntoList(list, text, PathStyle::Posix), 100000u);
  list.RemoveObserver(&observer);
  EXPECT_EQ(observer.entries, 1);
  EXPECT_EQ(list.At(99999).path, "/music/song 99999.mp3");
  EXPECT_EQ(list.FocusedIndex(), 99999);
}

TEST(CopyText, WritesOneLinePerEntryWithThePlatformsLineEnd) {
  FileList list = TwoMusicFiles();
  list.SetSelected(1, true);
  const std::string windows = CopyText(list, PathStyle::Windows);
  EXPECT_EQ(windows, "C:\\Music\\A.mp3\r\nC:\\Music\\B c.mp3\r\n");
  EXPECT_EQ(windows.size(), 34u);
  EXPECT_EQ(CopyText(list, PathStyle::Posix), "C:\\Music\\A.mp3\nC:\\Music\\B c.mp3\n");
}

TEST(CopyText, AnEmptyListGivesTheEmptyTextWhichDoesNotPaste) {
  FileList empty;
  EXPECT_EQ(CopyText(empty), "");
  FileList output;
  EXPECT_THROW(PasteIntoList(output, CopyText(empty)), PasteError);
  EXPECT_TRUE(output.Empty());
}

TEST(CopyText, WritesEveryFurtherColumnOfTheList) {
  FileList list;
  list.AddColumn();
  list.AddColumn();
  Entry full("a");
  full.subItems = {Cell{"1", 0}, Cell{"2", 0}, Cell{"beyond the columns", 0}};
  list.Append(full);
  list.Append(Entry("b"));
  EXPECT_EQ(CopyText(list, PathStyle::Posix), "a\t1\t2\nb\t\t\n");
}

TEST(CopyText, PastedBackAppendsDuplicatesAndLeavesTheSourceAlone) {
  for (PathStyle style : {PathStyle::Posix, PathStyle::Windows}) {
    SCOPED_TRACE(StyleName(style));
    const FileList input = TwoMusicFiles();
    FileList output = TwoMusicFiles();
    EXPECT_EQ(PasteIntoList(output, CopyText(input, style), style), 2u);
    EXPECT_EQ(FieldsOf(output), (Rows{{"C:\\Music\\A.mp3"},
                                      {"C:\\Music\\B c.mp3"},
                                      {"C:\\Music\\A.mp3"},
                                      {"C:\\Music\\B c.mp3"}}));
    EXPECT_EQ(input.Count(), 2u);
  }
}

}  // namespace
}  // namespace tunelot
