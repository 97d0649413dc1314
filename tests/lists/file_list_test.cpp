#include "lists/file_list.h"

#include <gtest/gtest.h>

#include "support/list_builders.h"

namespace tunelot {
namespace {

using testing::CountingObserver;
using testing::ListOf;

TEST(FileList, StartsWithOneAutoSizedColumn) {
  FileList list;
  ASSERT_EQ(list.ColumnCount(), 1u);
  EXPECT_EQ(list.ColumnAt(0).caption, "Files");
  EXPECT_TRUE(list.ColumnAt(0).autoSize);
  EXPECT_EQ(list.ColumnAt(0).minWidth, 10);
  EXPECT_EQ(list.ColumnAt(0).maxWidth, 500);
  EXPECT_FALSE(list.SubImages());
}

TEST(FileList, CurrentEntryIsTheFirstSelected) {
  FileList list = ListOf({"a", "b", "c"});
  EXPECT_EQ(list.CurrentIndex(), kNone);
  EXPECT_EQ(list.SelectedCount(), 0u);
  list.SetSelected(2, true);
  list.SetSelected(1, true);
  EXPECT_EQ(list.CurrentIndex(), 1);
  EXPECT_EQ(list.SelectedCount(), 2u);
}

TEST(FileList, FlagsTravelWithTheirEntries) {
  FileList list = ListOf({"a", "b", "c"});
  list.SetSelected(0, true);
  list.SetFocused(0);
  list.Reorder({2, 0, 1});
  EXPECT_EQ(list.At(1).path, "a");
  EXPECT_TRUE(list.At(1).selected);
  EXPECT_EQ(list.FocusedIndex(), 1);
  list.RemoveSelected();
  EXPECT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.At(0).path, "c");
  EXPECT_EQ(list.At(1).path, "b");
  EXPECT_EQ(list.FocusedIndex(), kNone);
}

TEST(FileList, UpdateBracketNotifiesOnceAtTheOutermostEnd) {
  FileList list;
  CountingObserver observer;
  list.AddObserver(&observer);
  {
    UpdateBracket outer(list);
    {
      UpdateBracket inner(list);
      for (int i = 0; i < 1000; ++i) list.Append(Entry{"x"});
    }
    list.SelectAll();
    EXPECT_EQ(observer.entries, 0);
  }
  EXPECT_EQ(observer.entries, 1);
  EXPECT_EQ(observer.selection, 0);  // an entries change tells the selection too
  list.SetSelected(3, false);
  EXPECT_EQ(observer.selection, 1);
  list.SetSelected(3, false);
  EXPECT_EQ(observer.selection, 1);
  list.AddColumn();
  EXPECT_EQ(observer.columns, 1);
  list.RemoveObserver(&observer);
  list.Clear();
  EXPECT_EQ(observer.entries, 1);
}

TEST(FileList, RefusesIndexesOutsideTheList) {
  FileList list = ListOf({"a"});
  EXPECT_THROW(list.At(1), std::out_of_range);
  EXPECT_THROW(list.Insert(2, Entry{}), std::out_of_range);
  EXPECT_THROW(list.SetFocused(5), std::out_of_range);
  EXPECT_THROW(list.Reorder({0, 0}), std::invalid_argument);
}

}  // namespace
}  // namespace tunelot
