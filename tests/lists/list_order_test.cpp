#include "lists/list_order.h"

#include <gtest/gtest.h>

#include <locale.h>

#include "support/list_builders.h"

namespace tunelot {
namespace {

using testing::ListOf;
using testing::PathsOf;

TEST(SortByBytes, OrdersByUnsignedByteValue) {
  FileList list = ListOf({"b", "B", "abc", "ab", "\xC3\xA9", "A", "a"});
  list.SetSelected(0, true);
  SortByBytes(list, true);
  EXPECT_EQ(PathsOf(list), (std::vector<std::string>{"A", "B", "a", "ab", "abc", "b", "\xC3\xA9"}));
  EXPECT_TRUE(list.At(5).selected);
  SortByBytes(list, false);
  EXPECT_EQ(PathsOf(list), (std::vector<std::string>{"\xC3\xA9", "b", "abc", "ab", "a", "B", "A"}));
}

TEST(HeaderSortState, FirstClickAscendsThenEachClickFlips) {
  HeaderSortState output;
  HeaderSortState input;
  EXPECT_TRUE(output.NextClick());
  EXPECT_FALSE(output.NextClick());
  EXPECT_TRUE(output.NextClick());
  EXPECT_FALSE(output.NextClick());
  EXPECT_TRUE(input.NextClick());  // each list keeps its own direction
}

bool HasLocale(const char* name) {
  locale_t handle = newlocale(LC_COLLATE_MASK, name, static_cast<locale_t>(0));
  if (handle == static_cast<locale_t>(0)) return false;
  freelocale(handle);
  return true;
}

TEST(SortByCollation, OrdersByTheLocaleWithCaseDecidingLast) {
  if (!HasLocale("en_US.UTF-8")) GTEST_SKIP() << "the en_US.UTF-8 locale is not installed";
  const Collator collator("en_US.UTF-8");
  FileList list = ListOf({"/m/z.mp3", "/m/B.mp3", "/m/b.mp3", "/m/a-c.mp3", "/m/ab.mp3",
                          "/m/\xC3\xA9t\xC3\xA9.mp3", "/m/A.mp3", "/m/a.mp3"});
  SortByCollation(list, collator);
  // Punctuation weighs less than letters ("a-c" after "ab"), accents sort with their
  // letter, and case only decides between otherwise equal paths, small letters first.
  EXPECT_EQ(PathsOf(list),
            (std::vector<std::string>{"/m/ab.mp3", "/m/a-c.mp3", "/m/a.mp3", "/m/A.mp3", "/m/b.mp3",
                                      "/m/B.mp3", "/m/\xC3\xA9t\xC3\xA9.mp3", "/m/z.mp3"}));
}

TEST(SortByCollation, FallsBackToByteOrderInTheCLocale) {
  const Collator collator("C");
  FileList list = ListOf({"b", "B", "a"});
  SortByCollation(list, collator);
  EXPECT_EQ(PathsOf(list), (std::vector<std::string>{"B", "a", "b"}));
}

}  // namespace
}  // namespace tunelot
