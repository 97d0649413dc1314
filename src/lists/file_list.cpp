#include "lists/file_list.h"

#include <algorithm>
#include <stdexcept>

namespace tunelot {

FileList::FileList(std::string firstCaption) {
  Column first;
  first.caption = std::move(firstCaption);
  first.autoSize = true;
  columns_.push_back(std::move(first));
}

void FileList::Append(Entry entry) {
  entries_.push_back(std::move(entry));
  Changed(kEntries);
}

void FileList::Insert(std::size_t index, Entry entry) {
  if (index > entries_.size()) throw std::out_of_range("FileList::Insert");
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(index), std::move(entry));
  Changed(kEntries);
}

Entry FileList::Take(std::size_t index) {
  Entry entry = std::move(entries_.at(index));
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  Changed(kEntries);
  return entry;
}

void FileList::Replace(std::size_t index, Entry entry) {
  entries_.at(index) = std::move(entry);
  Changed(kEntries);
}

void FileList::RemoveSelected() {
  const auto removed =
      std::remove_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.selected; });
  if (removed == entries_.end()) return;
  entries_.erase(removed, entries_.end());
  Changed(kEntries);
}

void FileList::Clear() {
  if (entries_.empty()) return;
  entries_.clear();
  Changed(kEntries);
}

void FileList::Reorder(const std::vector<std::size_t>& order) {
  if (order.size() != entries_.size()) throw std::invalid_argument("FileList::Reorder");
  std::vector<bool> done(entries_.size());
  for (std::size_t index : order) {
    if (index >= done.size() || done[index]) throw std::invalid_argument("FileList::Reorder");
    done[index] = true;
  }
  // Each cycle of the permutation turns in place, so a long list is never held twice.
  done.assign(done.size(), false);
  for (std::size_t start = 0; start < order.size(); ++start) {
    if (done[start]) continue;
    Entry first = std::move(entries_[start]);
    std::size_t to = start;
    for (std::size_t from = order[to]; from != start; from = order[to]) {
      entries_[to] = std::move(entries_[from]);
      done[to] = true;
      to = from;
    }
    entries_[to] = std::move(first);
    done[to] = true;
  }
  Changed(kEntries);
}

void FileList::SetSelected(std::size_t index, bool selected) {
  Entry& entry = entries_.at(index);
  if (entry.selected == selected) return;
  entry.selected = selected;
  Changed(kSelection);
}

void FileList::SelectAll() {
  for (Entry& entry : entries_) entry.selected = true;
  Changed(kSelection);
}

void FileList::ClearSelection() {
  for (Entry& entry : entries_) entry.selected = false;
  Changed(kSelection);
}

std::size_t FileList::SelectedCount() const {
  return static_cast<std::size_t>(
      std::count_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.selected; }));
}

std::ptrdiff_t FileList::CurrentIndex() const {
  const auto found =
      std::find_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.selected; });
  return found == entries_.end() ? kNone : found - entries_.begin();
}

std::ptrdiff_t FileList::FocusedIndex() const {
  const auto found =
      std::find_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.focused; });
  return found == entries_.end() ? kNone : found - entries_.begin();
}

void FileList::SetFocused(std::ptrdiff_t index) {
  if (index != kNone) entries_.at(static_cast<std::size_t>(index));
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    entries_[i].focused = static_cast<std::ptrdiff_t>(i) == index;
  }
  Changed(kSelection);
}

void FileList::AddColumn(std::string caption) {
  Column column;
  column.caption = std::move(caption);
  columns_.push_back(std::move(column));
  Changed(kColumns);
}

void FileList::SetColumnCaption(std::size_t index, std::string caption) {
  columns_.at(index).caption = std::move(caption);
  Changed(kColumns);
}

void FileList::SetColumnWidth(std::size_t index, int width) {
  columns_.at(index).width = width;
  Changed(kColumns);
}

void FileList::BeginUpdate() { ++updateDepth_; }

void FileList::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ > 0 || pending_ == 0) return;
  const unsigned change = pending_;
  pending_ = 0;
  Notify(change);
}

void FileList::AddObserver(FileListObserver* observer) { observers_.push_back(observer); }

void FileList::RemoveObserver(FileListObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void FileList::Changed(unsigned change) {
  if (updateDepth_ > 0) {
    pending_ |= change;
    return;
  }
  Notify(change);
}

void FileList::Notify(unsigned change) {
  const std::vector<FileListObserver*> observers = observers_;
  for (FileListObserver* observer : observers) {
    if (change & kColumns) observer->ColumnsChanged();
    if (change & kEntries) {
      observer->EntriesChanged();
    } else if (change & kSelection) {
      observer->SelectionChanged();
    }
  }
}

}  // namespace tunelot
