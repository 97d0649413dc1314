#include "lists/moving.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "lists/duplicate_test.h"

namespace tunelot {
namespace {

constexpr const char* kNothingToShuffle = "There are no files to Randomize Order";

std::size_t LastSelectedIndex(const FileList& list) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (list.At(i).selected) last = i;
  }
  return last;
}

// Compared with the receiving list as it was, so equal selected paths all move.
void KeepHeldEntries(FileList& giving, const FileList& receiving) {
  const DuplicateSet held(receiving);
  for (std::size_t i = 0; i < giving.Count(); ++i) {
    if (giving.At(i).selected && held.Contains(giving.At(i).path)) giving.SetSelected(i, false);
  }
}

void AppendSelectedPaths(const FileList& giving, FileList& receiving) {
  UpdateBracket bracket(receiving);
  for (const Entry& entry : giving.Entries()) {
    if (entry.selected) receiving.Append(Entry(entry.path));
  }
}

void SelectClamped(FileList& list, std::size_t index) {
  if (list.Empty()) return;
  list.SetSelected(std::min(index, list.Count() - 1), true);
}

std::size_t CheckedIndex(const FileList& list, std::ptrdiff_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.Count()) {
    throw std::out_of_range("MoveEntry: index outside the list");
  }
  return static_cast<std::size_t>(index);
}

}  // namespace

void MoveSelected(FileList& giving, FileList& receiving) {
  UpdateBracket bracket(giving);
  const std::size_t last = LastSelectedIndex(giving);
  KeepHeldEntries(giving, receiving);
  AppendSelectedPaths(giving, receiving);
  giving.RemoveSelected();
  SelectClamped(giving, last);
}

void MoveEntry(FileList& list, std::ptrdiff_t from, std::ptrdiff_t to) {
  if (from == to || from == kNone) return;
  const std::size_t source = CheckedIndex(list, from);
  const std::size_t target = CheckedIndex(list, to);
  UpdateBracket bracket(list);
  list.Insert(target, list.Take(source));
  list.SetFocused(static_cast<std::ptrdiff_t>(target));
}

void MoveCurrentUp(FileList& list) {
  const std::ptrdiff_t current = list.CurrentIndex();
  if (current < 1) return;
  UpdateBracket bracket(list);
  MoveEntry(list, current, current - 1);
  list.SetSelected(static_cast<std::size_t>(current - 1), true);
}

void MoveCurrentDown(FileList& list) {
  const std::ptrdiff_t current = list.CurrentIndex();
  if (current >= static_cast<std::ptrdiff_t>(list.Count()) - 1) return;
  UpdateBracket bracket(list);
  MoveEntry(list, current, current + 1);
  list.SetSelected(static_cast<std::size_t>(current + 1), true);
}

std::size_t ShuffleMoveCount(std::size_t n) { return n == 0 ? 0 : (n - 1) / 2 + 1; }

std::optional<std::string> ShuffleList(FileList& list, RandomSource& random) {
  const std::size_t n = list.Count();
  if (n < 2) return kNothingToShuffle;
  UpdateBracket bracket(list);
  const std::size_t moves = ShuffleMoveCount(n);
  for (std::size_t move = 0; move < moves; ++move) {
    std::size_t from = 0;
    std::size_t to = 0;
    while (from == to) {
      from = random.Below(n);
      to = random.Below(n);
    }
    MoveEntry(list, static_cast<std::ptrdiff_t>(from), static_cast<std::ptrdiff_t>(to));
  }
  return std::nullopt;
}

}  // namespace tunelot
