#include "actions/play_rules.h"

#include <cerrno>
#include <string>

#include <gtest/gtest.h>

namespace tunelot {
namespace {

struct CodeCase {
  int code;
  std::string text;
};

TEST(ShellErrorTextTest, GivesTheShortTextOrUnknown) {
  const CodeCase cases[] = {
      {2, "File not found"},
      {3, "Path not found"},
      {5, "Access denied"},
      {8, "Out of memory"},
      {11, "Bad Format"},
      {26, "No Share"},
      {27, "Operation association incomplete"},
      {28, "DDE timed out"},
      {29, "DDE failed"},
      {30, "DDE is busy"},
      {31, "No association for operation"},
      {32, "DLL not found"},
      {0, "Unknown"},
      {1, "Unknown"},
      {4, "Unknown"},
      {25, "Unknown"},
      {33, "Unknown"},
      {-1, "Unknown"},
  };
  for (const CodeCase& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ShellErrorText(c.code), c.text);
  }
}

TEST(ChooserErrorTextTest, GivesTheChooserTextOrNothing) {
  const CodeCase cases[] = {
      {0, "The operating system is out of memory or resources."},
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {5, "The operating system denied access to the specified file."},
      {8, "There was not enough memory to complete the operation."},
      {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
      {26, "A sharing violation occurred."},
      {27, "The filename association is incomplete or invalid."},
      {28, "The DDE transaction could not be completed because the request timed out."},
      {29, "The DDE transaction failed."},
      {30,
       "The DDE transaction could not be completed because other DDE transactions were being "
       "processed."},
      {31, "There is no application associated with the given filename extension."},
      {32, "The specified dynamic-link library was not found."},
      {1, ""},
      {4, ""},
      {33, ""},
      {-1, ""},
  };
  for (const CodeCase& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(ChooserErrorText(c.code), c.text);
  }
}

TEST(ShellCodeForErrnoTest, MapsToTheNearestShellCode) {
  struct Case {
    int err;
    int code;
    std::string text;
  };
  const Case cases[] = {
      {ENOENT, 2, "File not found"}, {ENOTDIR, 3, "Path not found"},
      {EACCES, 5, "Access denied"},  {EPERM, 5, "Access denied"},
      {ENOMEM, 8, "Out of memory"},  {ENOEXEC, 11, "Bad Format"},
      {EIO, 0, "Unknown"},           {0, 0, "Unknown"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.err);
    EXPECT_EQ(ShellCodeForErrno(c.err), c.code);
    EXPECT_EQ(ShellErrorText(ShellCodeForErrno(c.err)), c.text);
  }
}

TEST(ChoosePlayTargetTest, TakesTheFirstSelectedEntryOrRefuses) {
  struct Case {
    const char* name;
    std::vector<std::string> paths;
    std::vector<std::size_t> selected;
    std::optional<std::string> refusal;
    std::string path;
  };
  const Case cases[] = {
      {"empty list", {}, {}, "A file must be selected", ""},
      {"nothing selected", {"/m/a.mp3", "/m/b.mp3"}, {}, "A file must be selected", ""},
      {"one selected", {"/m/a.mp3", "/m/b.mp3"}, {1}, std::nullopt, "/m/b.mp3"},
      {"first selected in list order",
       {"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"},
       {2, 1},
       std::nullopt,
       "/m/b.mp3"},
      {"empty path", {"", "/m/b.mp3"}, {0, 1}, "A file must be selected", ""},
      {"blank path", {" \t\x01", "/m/b.mp3"}, {0, 1}, "A file must be selected", ""},
      {"blanks kept around a path", {" /m/a.mp3 \t"}, {0}, std::nullopt, " /m/a.mp3 \t"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FileList list;
    for (const std::string& path : c.paths) list.Append(Entry(path));
    for (std::size_t index : c.selected) list.SetSelected(index, true);

    const PlayChoice choice = ChoosePlayTarget(list);

    EXPECT_EQ(choice.refusal, c.refusal);
    EXPECT_EQ(choice.path, c.path);
  }
}

}  // namespace
}  // namespace tunelot
