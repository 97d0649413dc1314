#include "lists/moving.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/list_builders.h"

namespace tunelot {
namespace {

using Paths = std::vector<std::string>;
using Indexes = std::vector<std::size_t>;

using testing::CountingObserver;
using testing::ListOf;
using testing::PathsOf;

Indexes SelectedOf(const FileList& list) {
  Indexes selected;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (list.At(i).selected) selected.push_back(i);
  }
  return selected;
}

// Gives the scripted draws in turn and records each bound asked for.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<std::size_t> draws) : draws_(std::move(draws)) {}
  std::size_t Below(std::size_t n) override {
    bounds.push_back(n);
    if (next_ == draws_.size()) {
      ADD_FAILURE() << "more draws than scripted";
      return 0;
    }
    return draws_[next_++];
  }
  bool AllUsed() const { return next_ == draws_.size(); }
  std::vector<std::size_t> bounds;

 private:
  std::vector<std::size_t> draws_;
  std::size_t next_ = 0;
};

// Never draws the same number twice in a row, so every move takes two draws.
class AlternatingRandom : public RandomSource {
 public:
  std::size_t Below(std::size_t n) override {
    ++draws;
    return (draws % 2) % n;
  }
  std::size_t draws = 0;
};

struct MoveSelectedCase {
  const char* name;
  Paths giving;
  Indexes selected;
  Paths receiving;
  Paths givingAfter;
  Indexes selectedAfter;
  Paths receivingAfter;
};

TEST(MoveSelected, MovesSelectedEntriesAndSelectsTheEntryAtTheLastIndex) {
  const MoveSelectedCase cases[] = {
      {"two of five, index clamped",
       {"A", "B", "C", "D", "E"},
       {1, 3},
       {},
       {"A", "C", "E"},
       {2},
       {"B", "D"}},
      {"the middle of three", {"A", "B", "C"}, {1}, {}, {"A", "C"}, {1}, {"B"}},
      {"the first two", {"A", "B", "C", "D", "E"}, {0, 1}, {}, {"C", "D", "E"}, {1}, {"A", "B"}},
      {"nothing selected", {"A", "B", "C"}, {}, {"X"}, {"A", "B", "C"}, {0}, {"X"}},
      {"appended after what is there", {"A", "B"}, {0}, {"X", "Y"}, {"B"}, {0}, {"X", "Y", "A"}},
      {"held in other case stays selected",
       {"A", "/m/song.mp3", "C"},
       {1},
       {"/M/SONG.MP3"},
       {"A", "/m/song.mp3", "C"},
       {1},
       {"/M/SONG.MP3"}},
      {"held with blanks stays, others move",
       {"A", "B", "C"},
       {0, 1},
       {" b\t"},
       {"B", "C"},
       {1},
       {" b\t", "A"}},
      {"equal selected paths both move", {"A", "a", "B"}, {0, 1}, {}, {"B"}, {0}, {"A", "a"}},
      {"everything", {"A", "B"}, {0, 1}, {}, {}, {}, {"A", "B"}},
      {"empty giving list", {}, {}, {"X"}, {}, {}, {"X"}},
  };
  for (const MoveSelectedCase& c : cases) {
    SCOPED_TRACE(c.name);
    FileList giving = ListOf(c.giving, c.selected);
    FileList receiving = ListOf(c.receiving);
    MoveSelected(giving, receiving);
    EXPECT_EQ(PathsOf(giving), c.givingAfter);
    EXPECT_EQ(SelectedOf(giving), c.selectedAfter);
    EXPECT_EQ(PathsOf(receiving), c.receivingAfter);
    EXPECT_EQ(SelectedOf(receiving), Indexes{});
  }
}

TEST(MoveSelected, MovedEntriesCarryOnlyTheirPath) {
  FileList giving;
  Entry loaded("/m/a.mp3", 7);
  loaded.subItems = {Cell{"Artist", 3}};
  loaded.selected = true;
  loaded.focused = true;
  giving.Append(loaded);
  FileList receiving = ListOf({"/m/b.mp3"}, {0});
  MoveSelected(giving, receiving);
  ASSERT_EQ(receiving.Count(), 2u);
  const Entry& moved = receiving.At(1);
  EXPECT_EQ(moved.path, "/m/a.mp3");
  EXPECT_EQ(moved.image, 0);
  EXPECT_TRUE(moved.subItems.empty());
  EXPECT_FALSE(moved.selected);
  EXPECT_FALSE(moved.focused);
  EXPECT_TRUE(receiving.At(0).selected);
}

TEST(MoveSelected, NotifiesEachListOncePerMove) {
  FileList giving = ListOf({"A", "B", "C", "D"}, {0, 2, 3});
  FileList receiving = ListOf({"c"});
  CountingObserver givingSeen;
  CountingObserver receivingSeen;
  giving.AddObserver(&givingSeen);
  receiving.AddObserver(&receivingSeen);
  MoveSelected(giving, receiving);
  EXPECT_EQ(givingSeen.entries, 1);
  EXPECT_EQ(givingSeen.Total(), 1);
  EXPECT_EQ(receivingSeen.entries, 1);
  EXPECT_EQ(receivingSeen.Total(), 1);
}

TEST(MoveSelected, NothingToMoveLeavesTheReceivingListUntold) {
  FileList giving = ListOf({"A", "B"}, {1});
  FileList receiving = ListOf({"B"});
  CountingObserver givingSeen;
  CountingObserver receivingSeen;
  giving.AddObserver(&givingSeen);
  receiving.AddObserver(&receivingSeen);
  MoveSelected(giving, receiving);
  EXPECT_EQ(givingSeen.Total(), 1);
  EXPECT_EQ(receivingSeen.Total(), 0);
}

TEST(MoveSelected, ManyEntriesMoveInTheirOrder) {
  Paths givingPaths;
  Indexes selected;
  Paths receivingPaths;
  for (std::size_t i = 0; i < 20000; ++i) {
    givingPaths.push_back("/in/" + std::to_string(i));
    receivingPaths.push_back("/out/" + std::to_string(i));
    if (i % 10 == 0) selected.push_back(i);
  }
  receivingPaths.push_back("/IN/10");
  FileList giving = ListOf(givingPaths, selected);
  FileList receiving = ListOf(receivingPaths);
  MoveSelected(giving, receiving);
  EXPECT_EQ(receiving.Count(), 20001u + selected.size() - 1);
  EXPECT_EQ(receiving.At(20001).path, "/in/0");
  EXPECT_EQ(receiving.At(20002).path, "/in/20");
  EXPECT_EQ(receiving.Entries().back().path, "/in/19990");
  EXPECT_EQ(giving.Count(), 20000u - selected.size() + 1);
  EXPECT_EQ(giving.At(1).path, "/in/2");
  EXPECT_EQ(giving.At(9).path, "/in/10");
  EXPECT_EQ(SelectedOf(giving), Indexes{giving.Count() - 1});
}

struct MoveEntryCase {
  const char* name;
  std::ptrdiff_t from;
  std::ptrdiff_t to;
  Paths after;
};

TEST(MoveEntry, MovesRatherThanExchanges) {
  const MoveEntryCase cases[] = {
      {"forward", 0, 3, {"B", "C", "D", "A", "E"}},
      {"backward", 3, 0, {"D", "A", "B", "C", "E"}},
      {"to the end", 1, 4, {"A", "C", "D", "E", "B"}},
      {"neighbours", 2, 1, {"A", "C", "B", "D", "E"}},
      {"same place", 2, 2, {"A", "B", "C", "D", "E"}},
      {"none", kNone, 2, {"A", "B", "C", "D", "E"}},
  };
  for (const MoveEntryCase& c : cases) {
    SCOPED_TRACE(c.name);
    FileList list = ListOf({"A", "B", "C", "D", "E"});
    MoveEntry(list, c.from, c.to);
    EXPECT_EQ(PathsOf(list), c.after);
  }
}

TEST(MoveEntry, TakesTheWholeEntryAndGivesItTheFocus) {
  FileList list = ListOf({"A", "B", "C"}, {0});
  Entry loaded("C", 5);
  loaded.subItems = {Cell{"one", 1}, Cell{"two", 2}};
  loaded.selected = true;
  list.Replace(2, loaded);
  list.SetFocused(1);
  MoveEntry(list, 2, 0);
  const Entry& moved = list.At(0);
  EXPECT_EQ(moved.path, "C");
  EXPECT_EQ(moved.image, 5);
  ASSERT_EQ(moved.subItems.size(), 2u);
  EXPECT_EQ(moved.subItems[1].text, "two");
  EXPECT_EQ(moved.subItems[1].image, 2);
  EXPECT_TRUE(moved.selected);
  EXPECT_EQ(list.FocusedIndex(), 0);
  EXPECT_EQ(SelectedOf(list), (Indexes{0, 1}));

  MoveEntry(list, 2, 1);
  EXPECT_FALSE(list.At(1).selected);
  EXPECT_EQ(list.FocusedIndex(), 1);
}

TEST(MoveEntry, RefusesIndexesOutsideTheList) {
  FileList list = ListOf({"A", "B", "C"});
  EXPECT_THROW(MoveEntry(list, 0, 3), std::out_of_range);
  EXPECT_THROW(MoveEntry(list, 3, 0), std::out_of_range);
  EXPECT_THROW(MoveEntry(list, 1, kNone), std::out_of_range);
  EXPECT_EQ(PathsOf(list), (Paths{"A", "B", "C"}));
}

struct UpDownCase {
  const char* name;
  bool up;
  Paths before;
  Indexes selected;
  Paths after;
  Indexes selectedAfter;
};

TEST(MoveCurrent, UpAndDownMoveOnlyTheCurrentEntry) {
  const UpDownCase cases[] = {
      {"up", true, {"A", "B", "C"}, {2}, {"A", "C", "B"}, {1}},
      {"up on the first", true, {"A", "B", "C"}, {0}, {"A", "B", "C"}, {0}},
      {"up with nothing selected", true, {"A", "B", "C"}, {}, {"A", "B", "C"}, {}},
      {"up leaves other selected",
       true,
       {"A", "B", "C", "D"},
       {1, 3},
       {"B", "A", "C", "D"},
       {0, 3}},
      {"down", false, {"A", "B", "C"}, {0}, {"B", "A", "C"}, {1}},
      {"down on the last", false, {"A", "B", "C"}, {2}, {"A", "B", "C"}, {2}},
      {"down with nothing selected", false, {"A", "B", "C"}, {}, {"A", "B", "C"}, {0}},
      {"down on an empty list", false, {}, {}, {}, {}},
      {"down exchanges adjacent selected",
       false,
       {"A", "B", "C", "D"},
       {1, 2},
       {"A", "C", "B", "D"},
       {1, 2}},
  };
  for (const UpDownCase& c : cases) {
    SCOPED_TRACE(c.name);
    FileList list = ListOf(c.before, c.selected);
    if (c.up) {
      MoveCurrentUp(list);
    } else {
      MoveCurrentDown(list);
    }
    EXPECT_EQ(PathsOf(list), c.after);
    EXPECT_EQ(SelectedOf(list), c.selectedAfter);
  }
}

TEST(MoveCurrent, SecondDownExchangesAdjacentSelectedBack) {
  FileList list = ListOf({"A", "B", "C", "D"}, {1, 2});
  MoveCurrentDown(list);
  MoveCurrentDown(list);
  EXPECT_EQ(PathsOf(list), (Paths{"A", "B", "C", "D"}));
  EXPECT_EQ(SelectedOf(list), (Indexes{1, 2}));
  EXPECT_EQ(list.FocusedIndex(), 2);
}

TEST(MoveCurrent, EachMoveNotifiesOnce) {
  FileList list = ListOf({"A", "B", "C"}, {1});
  CountingObserver seen;
  list.AddObserver(&seen);
  MoveCurrentUp(list);
  EXPECT_EQ(seen.entries, 1);
  MoveCurrentDown(list);
  EXPECT_EQ(seen.entries, 2);
  EXPECT_EQ(seen.Total(), 2);
}

TEST(Shuffle, MoveCountIsHalfRoundedUp) {
  const struct {
    std::size_t entries;
    std::size_t moves;
  } cases[] = {{2, 1}, {3, 2}, {4, 2}, {5, 3}, {10, 5}, {100, 50}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entries);
    EXPECT_EQ(ShuffleMoveCount(c.entries), c.moves);
    FileList list = ListOf(Paths(c.entries, "x"));
    AlternatingRandom random;
    EXPECT_EQ(ShuffleList(list, random), std::nullopt);
    EXPECT_EQ(random.draws, 2 * c.moves);
  }
}

TEST(Shuffle, RedrawsBothWhileTheyAreEqual) {
  FileList list = ListOf({"A", "B", "C", "D", "E"}, {0});
  // Five entries make three moves; each equal pair is drawn again.
  ScriptedRandom random({2, 2, 0, 3, 4, 4, 1, 1, 4, 0, 1, 2});
  EXPECT_EQ(ShuffleList(list, random), std::nullopt);
  EXPECT_TRUE(random.AllUsed());
  EXPECT_EQ(random.bounds, std::vector<std::size_t>(12, 5));
  // 0->3: B C D A E; 4->0: E B C D A; 1->2: E C B D A.
  EXPECT_EQ(PathsOf(list), (Paths{"E", "C", "B", "D", "A"}));
  EXPECT_EQ(SelectedOf(list), Indexes{4});
  EXPECT_EQ(list.FocusedIndex(), 2);
}

TEST(Shuffle, TwoEntriesAlwaysExchange) {
  const std::vector<std::size_t> scripts[] = {{0, 1}, {1, 0}, {1, 1, 0, 0, 1, 0}};
  for (const auto& script : scripts) {
    FileList list = ListOf({"A", "B"});
    ScriptedRandom random(script);
    ShuffleList(list, random);
    EXPECT_EQ(PathsOf(list), (Paths{"B", "A"}));
  }
  FileList list = ListOf({"A", "B"});
  ClockSeededRandom clock;
  ShuffleList(list, clock);
  EXPECT_EQ(PathsOf(list), (Paths{"B", "A"}));
}

TEST(Shuffle, FewerThanTwoEntriesGiveTheMessage) {
  for (const Paths& paths : {Paths{}, Paths{"A"}}) {
    SCOPED_TRACE(paths.size());
    FileList list = ListOf(paths);
    CountingObserver seen;
    list.AddObserver(&seen);
    ScriptedRandom random({});
    EXPECT_EQ(ShuffleList(list, random), "There are no files to Randomize Order");
    EXPECT_EQ(PathsOf(list), paths);
    EXPECT_EQ(seen.Total(), 0);
  }
}

TEST(Shuffle, KeepsEveryEntryAndNotifiesOnce) {
  Paths paths;
  for (int i = 0; i < 50; ++i) paths.push_back(std::to_string(i));
  FileList list = ListOf(paths, {7, 30});
  CountingObserver seen;
  list.AddObserver(&seen);
  ClockSeededRandom random;
  ShuffleList(list, random);
  EXPECT_EQ(seen.entries, 1);
  EXPECT_EQ(seen.Total(), 1);
  Paths after = PathsOf(list);
  std::sort(after.begin(), after.end());
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(after, paths);
  EXPECT_EQ(list.SelectedCount(), 2u);
}

}  // namespace
}  // namespace tunelot
