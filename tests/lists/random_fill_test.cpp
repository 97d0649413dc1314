#include "lists/random_fill.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace tunelot {
namespace {

using testing::TempDir;
using testing::WriteFile;

class FixedSpace : public SpaceQuery {
 public:
  explicit FixedSpace(std::int64_t free) : free_(free) {}
  VolumeSpace Query(const std::string& outputPath) override {
    queried.push_back(outputPath);
    return {free_, free_ < 0 ? -1 : free_ * 2};
  }
  std::vector<std::string> queried;

 private:
  std::int64_t free_;
};

// Gives the scripted draws in order; running out means the loop drew more than it should.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<std::size_t> draws) : draws_(std::move(draws)) {}
  std::size_t Below(std::size_t n) override {
    if (used_ == draws_.size()) throw std::logic_error("more draws than scripted");
    ranges.push_back(n);
    return draws_[used_++];
  }
  std::size_t used() const { return used_; }
  std::vector<std::size_t> ranges;

 private:
  std::vector<std::size_t> draws_;
  std::size_t used_ = 0;
};

class SelectionCounter : public FileListObserver {
 public:
  void EntriesChanged() override { ++entries; }
  void SelectionChanged() override { ++selections; }
  void ColumnsChanged() override {}
  int entries = 0;
  int selections = 0;
};

Entry SelectedEntry(const std::string& path) {
  Entry entry(path);
  entry.selected = true;
  return entry;
}

// Files of the given sizes in a folder, listed in that order, every entry selected.
FileList ListOfSizes(const TempDir& dir, const std::string& prefix,
                     const std::vector<std::int64_t>& sizes) {
  FileList list;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const std::string path = dir / (prefix + std::to_string(i) + ".mp3");
    WriteFile(path, std::string(static_cast<std::size_t>(sizes[i]), 'x'));
    list.Append(SelectedEntry(path));
  }
  return list;
}

std::vector<bool> SelectedFlags(const FileList& list) {
  std::vector<bool> flags;
  for (const Entry& entry : list.Entries()) flags.push_back(entry.selected);
  return flags;
}

TEST(RandomizeSelectionTest, SelectsDrawnFilesWhileTheyFit) {
  struct Case {
    const char* name;
    std::int64_t free;
    std::vector<std::int64_t> outputSizes;
    std::vector<std::int64_t> inputSizes;
    std::vector<std::size_t> draws;
    std::vector<bool> selected;
    std::size_t drawsUsed;
  };
  const Case cases[] = {
      {"unqueried volume picks nothing", -1, {}, {10, 20}, {}, {false, false}, 0},
      {"no free space picks nothing", 0, {}, {10}, {}, {false}, 0},
      {"file filling the rest exactly is counted, not selected, and ends the picks",
       100,
       {40},
       {30, 30, 10},
       {0, 1, 2},
       {true, false, false},
       2},
      {"file larger than the free space is skipped",
       100,
       {},
       {150, 20, 100, 30},
       {0, 2, 1, 3},
       {false, true, false, true},
       4},
      {"draws of tried entries are drawn again", 1000, {}, {10, 20}, {1, 1, 1, 0}, {true, true}, 4},
      {"output list already fills the space", 100, {60, 40}, {1, 1}, {}, {false, false}, 0},
      {"empty input list", 100, {}, {}, {}, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    FileList input = ListOfSizes(dir, "in", c.inputSizes);
    const FileList output = ListOfSizes(dir, "out", c.outputSizes);
    FixedSpace space(c.free);
    ScriptedRandom random(c.draws);

    EXPECT_EQ(RandomizeSelection(input, output, dir.path(), space, random), std::nullopt);

    EXPECT_EQ(SelectedFlags(input), c.selected);
    EXPECT_EQ(random.used(), c.drawsUsed);
    for (std::size_t n : random.ranges) EXPECT_EQ(n, c.inputSizes.size());
    EXPECT_EQ(space.queried, std::vector<std::string>{dir.path()});
  }
}

TEST(RandomizeSelectionTest, AnInputEntryAlsoInTheOutputListCountsTwice) {
  TempDir dir;
  const FileList output = ListOfSizes(dir, "shared", {60});
  FileList input;
  input.Append(Entry(output.At(0).path));
  input.Append(ListOfSizes(dir, "in", {30}).At(0));
  FixedSpace space(150);
  ScriptedRandom random({0, 1});

  RandomizeSelection(input, output, dir.path(), space, random);

  // 60 + 60 = 120 fits; another 30 reaches 150.
  EXPECT_EQ(SelectedFlags(input), (std::vector<bool>{true, false}));
}

TEST(RandomizeSelectionTest, ChangesTheSelectionInOneUpdateBracket) {
  TempDir dir;
  FileList input = ListOfSizes(dir, "in", {10, 20, 30});
  const FileList output;
  SelectionCounter counter;
  input.AddObserver(&counter);
  FixedSpace space(1000);
  ScriptedRandom random({2, 0, 1});

  RandomizeSelection(input, output, dir.path(), space, random);

  EXPECT_EQ(counter.selections, 1);
  EXPECT_EQ(counter.entries, 0);
  input.RemoveObserver(&counter);
}

TEST(RandomizeSelectionTest, BlankOutputPathIsRefusedWithTheSelectionUntouched) {
  TempDir dir;
  for (const std::string path : {"", "  \t"}) {
    SCOPED_TRACE("\"" + path + "\"");
    FileList input = ListOfSizes(dir, "in", {10, 20});
    input.SetSelected(1, false);
    FixedSpace space(1000);
    ScriptedRandom random({});

    EXPECT_EQ(RandomizeSelection(input, FileList(), path, space, random),
              "You must to select the output path in order to use this feature.");

    EXPECT_EQ(SelectedFlags(input), (std::vector<bool>{true, false}));
    EXPECT_TRUE(space.queried.empty());
  }
}

TEST(RandomizeSelectionTest, AMissingOutputFileStopsBeforeTheSelectionChanges) {
  TempDir dir;
  FileList input = ListOfSizes(dir, "in", {10, 20});
  input.SetSelected(0, false);
  FileList output = ListOfSizes(dir, "out", {5});
  output.Append(Entry(dir / "gone.mp3"));
  FixedSpace space(1000);
  ScriptedRandom random({0, 1});

  EXPECT_THROW(RandomizeSelection(input, output, dir.path(), space, random), FileOpenError);

  EXPECT_EQ(SelectedFlags(input), (std::vector<bool>{false, true}));
  EXPECT_EQ(random.used(), 0u);
}

TEST(RandomizeSelectionTest, AMissingInputFileStopsWithThePicksSoFarKept) {
  TempDir dir;
  FileList input = ListOfSizes(dir, "in", {10, 20, 30});
  input.Replace(1, SelectedEntry(dir / "gone.mp3"));
  SelectionCounter counter;
  input.AddObserver(&counter);
  FixedSpace space(1000);
  ScriptedRandom random({2, 1, 0});

  EXPECT_THROW(RandomizeSelection(input, FileList(), dir.path(), space, random), FileOpenError);

  EXPECT_EQ(SelectedFlags(input), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(random.used(), 2u);
  // The bracket closed on the way out, so the change was told.
  EXPECT_EQ(counter.selections, 1);
  input.RemoveObserver(&counter);
}

TEST(FreeSpaceLabelTextTest, JoinsTheSizeTexts) {
  const NumberSeparators english;
  const NumberSeparators german{".", ","};
  struct Case {
    VolumeSpace space;
    const NumberSeparators& separators;
    std::string text;
  };
  const Case cases[] = {
      {{-1, -1}, english, "-1.00 bytes free (-1.00 bytes total)"},
      {{1320702444, 2007897784}, english, "1.23 GB free (1.87 GB total)"},
      {{0, 1024}, english, "0.00 bytes free (1,024.00 bytes total)"},
      {{1024000, 0}, german, "1.000,00 KB free (0,00 bytes total)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FreeSpaceLabelText(c.space, c.separators), c.text);
  }
}

}  // namespace
}  // namespace tunelot
