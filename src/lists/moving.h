#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "lists/file_list.h"
#include "lists/random_source.h"

namespace tunelot {

// Moves the selected entries that the receiving list does not hold by the duplicate test
// to the end of the receiving list, as new entries holding only their paths, and removes
// them from the giving list. Held ones stay, unselected. Afterwards exactly one giving
// entry is selected: the one now at the index of the last selected entry, clamped to the
// list, or the first when nothing was selected.
void MoveSelected(FileList& giving, FileList& receiving);

// Moves the entry at `from` with everything it holds so that it stands at `to` of the
// resulting list, and gives it the focus mark. Nothing happens when `from` is `to` or
// kNone; any other index outside the list throws std::out_of_range and changes nothing.
void MoveEntry(FileList& list, std::ptrdiff_t from, std::ptrdiff_t to);

// Moves the current entry one place up; nothing when there is none or it is the first.
void MoveCurrentUp(FileList& list);

// Moves the current entry one place down; nothing when it is the last. With nothing
// selected the first entry becomes selected.
void MoveCurrentDown(FileList& list);

// The number of moves a shuffle of n entries makes: half of n, rounded up.
std::size_t ShuffleMoveCount(std::size_t n);

// Shuffles by ShuffleMoveCount moves between two different random places. Gives the
// message to show when the list has too few entries to shuffle, and then changes nothing.
std::optional<std::string> ShuffleList(FileList& list, RandomSource& random);

}  // namespace tunelot
