#include "lists/list_order.h"

#include <gtest/gtest.h>

#include <locale.h>
#include <algorithm>
#include <random>

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

std::vector<std::string> StableSortedByKey(std::vector<std::string> paths,
                                           const Collator& collator) {
  std::vector<std::pair<std::string, std::string>> keyed;
  for (std::string& path : paths) keyed.emplace_back(collator.Key(path), std::move(path));
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> sorted;
  for (auto& [key, path] : keyed) sorted.push_back(std::move(path));
  return sorted;
}

// Long lists are sorted in bounded runs and merged; the result must be the plain stable
// sort by collation key, also for lists already in order and lists with entries added.
TEST(SortByCollation, LongListsSortAsAStableSortByKey) {
  const Collator collator(HasLocale("en_US.UTF-8") ? "en_US.UTF-8" : "C");
  std::vector<std::string> paths;
  std::mt19937 random(7);
  for (int i = 0; i < 30000; ++i) {
    std::string name(1 + random() % 40, static_cast<char>('a' + random() % 26));
    paths.push_back("/music/" + name + (random() % 2 ? "-Live " : " ") +
                    std::to_string(random() % 5000) + ".mp3");
  }
  FileList list = ListOf(paths);
  SortByCollation(list, collator);
  const std::vector<std::string> expected = StableSortedByKey(paths, collator);
  ASSERT_EQ(PathsOf(list), expected);
  SortByCollation(list, collator);
  ASSERT_EQ(PathsOf(list), expected);
  list.Append(Entry("/music/aaa 1.mp3"));
  list.Append(Entry("/"));
  SortByCollation(list, collator);
  std::vector<std::string> grown = expected;
  grown.push_back("/music/aaa 1.mp3");
  grown.push_back("/");
  EXPECT_EQ(PathsOf(list), StableSortedByKey(grown, collator));
}

TEST(SortByCollation, FallsBackToByteOrderInTheCLocale) {
  const Collator collator("C");
  FileList list = ListOf({"b", "B", "a"});
  SortByCollation(list, collator);
  EXPECT_EQ(PathsOf(list), (std::vector<std::string>{"B", "a", "b"}));
}

}  // namespace
}  // namespace tunelot
