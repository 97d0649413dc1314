#pragma once

#include "lists/file_list.h"
#include "platform/collation.h"

namespace tunelot {

// Orders the list ascending by the collation of the full paths; equal paths keep their
// order. This is the input list's standing order.
void SortByCollation(FileList& list, const Collator& collator);

// Orders the list by the paths' byte values, a path that begins a longer one first; the
// order of a click on a list's column header.
void SortByBytes(FileList& list, bool ascending);

// A list's column header: each click sorts by byte value, the first click ascending and
// every later one in the other direction.
class HeaderSortState {
 public:
  // The direction for this click; true is ascending.
  bool NextClick();
  bool Clicked() const { return clicked_; }
  bool Ascending() const { return ascending_; }

 private:
  bool clicked_ = false;
  bool ascending_ = true;
};

}  // namespace tunelot
