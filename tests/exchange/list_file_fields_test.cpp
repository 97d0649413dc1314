#include <cerrno>
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "exchange/io_error_text.h"
#include "exchange/list_file.h"
#include "platform/errors.h"

namespace tunelot {
namespace {

TEST(ReadNumberField, ReadsWholeNumbersAndTheDigitsBeforeAStrayCharacter) {
  struct Case {
    const char* field;
    int value;
  };
  const Case cases[] = {
      {" 12", 12},
      {"   -7", -7},
      {"-3", -3},
      {"+4", 4},
      {"007", 7},
      {"0", 0},
      {"12abc", 12},
      {"-12abc", 12},
      {"12 ", 12},
      {"1 2", 1},
      {"-x", 0},
      {"+", 0},
      {"--3", 0},
      {"", 0},
      {"   ", 0},
      {"0x1F", 0},
      {"$10", 0},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},
      {"99999999999999999999999999", INT_MAX},
      {"99999999999x", INT_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("field \"") + c.field + "\"");
    EXPECT_EQ(ReadNumberField(c.field), c.value);
  }
}

TEST(CellText, EncodesLineBreaksAndDecodesUpToTheFirstBreak) {
  struct Case {
    std::string text;
    std::string encoded;
    std::string decoded;
  };
  const Case cases[] = {
      {"", "", ""},
      {"C:\\Music\\One.mp3", "C:\\Music\\One.mp3", "C:\\Music\\One.mp3"},
      {"Two, Three", "Two, Three", "Two, Three"},
      {"a\rb", "a\tb", "a"},
      {"a\nb", "a\bb", "a\nb"},
      {"a\r\nb", "a\t\bb", "a"},
      {"a\tb", "a\tb", "a"},
      {"\rstart", "\tstart", ""},
      {std::string("nul\0byte", 8), std::string("nul\0byte", 8), std::string("nul\0byte", 8)},
      {"\xE9t\xE9", "\xE9t\xE9", "\xE9t\xE9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    EXPECT_EQ(EncodeCellText(c.text), c.encoded);
    EXPECT_EQ(DecodeCellText(EncodeCellText(c.text)), c.decoded);
  }
}

TEST(DecodeCellText, TurnsBackspaceIntoLineFeed) { EXPECT_EQ(DecodeCellText("a\bb\b"), "a\nb\n"); }

TEST(IoErrorText, NamesTheCommonCausesAndNumbersTheRest) {
  struct Case {
    int error;
    std::string text;
  };
  const Case cases[] = {
      {ENOENT, "File not found"},
      {ENAMETOOLONG, "Invalid filename"},
      {EMFILE, "Too many open files"},
      {ENFILE, "Too many open files"},
      {EACCES, "File access denied"},
      {EPERM, "File access denied"},
      {EROFS, "File access denied"},
      {ENOSPC, "Disk full"},
      {EDQUOT, "Disk full"},
      // errno values that happen to equal other table codes must not borrow their words.
      {EIO, "I/O error " + std::to_string(EIO)},
      {EINTR, "I/O error " + std::to_string(EINTR)},
      {EISDIR, "I/O error " + std::to_string(EISDIR)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("errno " + std::to_string(c.error));
    EXPECT_EQ(IoErrorText(c.error), c.text);
  }
}

TEST(ThrowIoError, CarriesTheErrorAndItsText) {
  try {
    ThrowIoError(ENOSPC);
    FAIL() << "no exception";
  } catch (const IoError& error) {
    EXPECT_EQ(error.code(), ENOSPC);
    EXPECT_STREQ(error.what(), "Disk full");
  }
}

}  // namespace
}  // namespace tunelot
