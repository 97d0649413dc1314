#include "lists/list_order.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tunelot {
namespace {

std::vector<std::size_t> Identity(std::size_t count) {
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), std::size_t{0});
  return order;
}

// Keys take six or seven bytes a character, many times the paths themselves: a long list
// is sorted in runs whose keys fit in this many bytes, and the runs are then merged.
constexpr std::size_t kRunKeyBytes = std::size_t{8} << 20;

// What AppendKey may take while it makes the key of `path`.
std::size_t KeyRoom(const std::string& path) { return path.size() * 8 + 16; }

// Room for the keys of the entries from `begin` on, or for one run of them.
std::size_t KeyCapacity(const std::vector<Entry>& entries, std::size_t begin) {
  std::size_t all = 0;
  std::size_t longest = 0;
  for (std::size_t i = begin; i < entries.size(); ++i) {
    all += KeyRoom(entries[i].path);
    longest = std::max(longest, KeyRoom(entries[i].path));
  }
  return std::min(all, kRunKeyBytes + longest);
}

// The collation keys of consecutive entries, packed in one buffer that is made large
// enough at once, so that it is not copied while it grows.
class RunKeys {
 public:
  explicit RunKeys(std::size_t capacity) { bytes_.reserve(capacity); }
  void Clear() {
    bytes_.clear();
    ends_.clear();
  }
  void Add(const std::string& path, const Collator& collator) {
    collator.AppendKey(path, bytes_);
    ends_.push_back(bytes_.size());
  }
  std::size_t Bytes() const { return bytes_.size(); }
  std::size_t Count() const { return ends_.size(); }
  std::string_view At(std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_).substr(begin, ends_[i] - begin);
  }
  // How many keys from the first on each sort at or after the one before.
  std::size_t InOrder() const {
    std::size_t i = 1;
    while (i < Count() && !(At(i) < At(i - 1))) ++i;
    return std::min(i, Count());
  }

 private:
  std::string bytes_;
  std::vector<std::size_t> ends_;
};

struct Run {
  std::size_t begin;
  std::size_t end;
};

// The runs sorted so far, and how far the entries already stood in order: wholly after a
// move out of the list, all but a few appended ones after a move into it.
struct Runs {
  std::size_t End() const { return runs.empty() ? 0 : runs.back().end; }

  std::vector<Run> runs;
  std::size_t inOrderUpTo = 0;
  std::string lastKey;
};

// Stable-sorts the entries after the last run, as many as the key budget holds (one at
// the least), into `order`.
void SortRun(const std::vector<Entry>& entries, const Collator& collator, RunKeys& keys,
             std::vector<std::size_t>& order, Runs& runs) {
  const std::size_t begin = runs.End();
  keys.Clear();
  std::size_t end = begin;
  while (end < entries.size() && (end == begin || keys.Bytes() < kRunKeyBytes)) {
    keys.Add(entries[end++].path, collator);
  }
  const std::size_t inOrder = keys.InOrder();
  if (runs.inOrderUpTo == begin && !(keys.At(0) < runs.lastKey)) runs.inOrderUpTo += inOrder;
  runs.lastKey = keys.At(keys.Count() - 1);
  runs.runs.push_back({begin, end});
  const auto first = order.begin() + static_cast<std::ptrdiff_t>(begin);
  const auto last = order.begin() + static_cast<std::ptrdiff_t>(end);
  std::iota(first, last, begin);
  if (inOrder == keys.Count()) return;
  std::stable_sort(first, last, [&](std::size_t a, std::size_t b) {
    return keys.At(a - begin) < keys.At(b - begin);
  });
}

// The next entry of a run in the merge, with its key made afresh.
struct RunHead {
  std::string key;
  std::size_t run;
  std::size_t position;
};

// Orders the heap's least head first; of equal keys the earlier run's, which keeps the
// merge stable.
bool LaterHead(const RunHead& a, const RunHead& b) {
  const int compared = a.key.compare(b.key);
  return compared != 0 ? compared > 0 : a.run > b.run;
}

std::vector<std::size_t> MergeRuns(const std::vector<Entry>& entries, const std::vector<Run>& runs,
                                   const std::vector<std::size_t>& order,
                                   const Collator& collator) {
  std::vector<RunHead> heap;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    heap.push_back({collator.Key(entries[order[runs[r].begin]].path), r, runs[r].begin});
  }
  std::make_heap(heap.begin(), heap.end(), LaterHead);
  std::vector<std::size_t> merged;
  merged.reserve(order.size());
  while (!heap.empty()) {
    std::pop_heap(heap.begin(), heap.end(), LaterHead);
    RunHead& head = heap.back();
    merged.push_back(order[head.position]);
    if (++head.position == runs[head.run].end) {
      heap.pop_back();
      continue;
    }
    head.key.clear();
    collator.AppendKey(entries[order[head.position]].path, head.key);
    std::push_heap(heap.begin(), heap.end(), LaterHead);
  }
  return merged;
}

// The first entry from `low` on below `high` whose key sorts after `key`, found with keys
// made only for the entries probed.
std::size_t UpperBound(const std::vector<Entry>& entries, std::size_t low, std::size_t high,
                       std::string_view key, const Collator& collator, std::string& probe) {
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    probe.clear();
    collator.AppendKey(entries[middle].path, probe);
    if (key < probe) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

// Places each entry after the ordered first `inOrder` ones at its place among them; an
// ordered entry goes before an appended one with an equal key, as in a stable sort.
std::vector<std::size_t> InsertTail(const std::vector<Entry>& entries, std::size_t inOrder,
                                    const Collator& collator) {
  RunKeys keys(KeyCapacity(entries, inOrder));
  std::vector<std::size_t> tail(entries.size() - inOrder);
  std::iota(tail.begin(), tail.end(), inOrder);
  for (std::size_t index : tail) keys.Add(entries[index].path, collator);
  std::stable_sort(tail.begin(), tail.end(), [&](std::size_t a, std::size_t b) {
    return keys.At(a - inOrder) < keys.At(b - inOrder);
  });
  std::vector<std::size_t> order;
  order.reserve(entries.size());
  std::string probe;
  std::size_t next = 0;
  for (std::size_t index : tail) {
    const std::size_t place =
        UpperBound(entries, next, inOrder, keys.At(index - inOrder), collator, probe);
    while (next < place) order.push_back(next++);
    order.push_back(index);
  }
  while (next < inOrder) order.push_back(next++);
  return order;
}

// The stable order of all entries from their sorted runs: a few entries after ordered
// ones are cheaper to place one by one, with a key per probe, than a merge with its
// second key for every entry.
std::vector<std::size_t> Arranged(const std::vector<Entry>& entries, const Runs& runs,
                                  std::vector<std::size_t> order, const Collator& collator) {
  const std::size_t inOrder = runs.inOrderUpTo;
  const std::size_t appended = entries.size() - inOrder;
  if (runs.runs.size() <= 1 || appended == 0) return order;
  if (appended * static_cast<std::size_t>(std::bit_width(inOrder)) < inOrder) {
    return InsertTail(entries, inOrder, collator);
  }
  return MergeRuns(entries, runs.runs, order, collator);
}

}  // namespace

void SortByCollation(FileList& list, const Collator& collator) {
  const std::vector<Entry>& entries = list.Entries();
  std::vector<std::size_t> order(entries.size());
  Runs runs;
  {
    RunKeys keys(KeyCapacity(entries, 0));
    while (runs.End() < entries.size()) SortRun(entries, collator, keys, order, runs);
  }
  list.Reorder(Arranged(entries, runs, std::move(order), collator));
}

void SortByBytes(FileList& list, bool ascending) {
  const std::vector<Entry>& entries = list.Entries();
  std::vector<std::size_t> order = Identity(list.Count());
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const int compared = entries[a].path.compare(entries[b].path);
    return ascending ? compared < 0 : compared > 0;
  });
  list.Reorder(order);
}

bool HeaderSortState::NextClick() {
  if (clicked_) ascending_ = !ascending_;
  clicked_ = true;
  return ascending_;
}

}  // namespace tunelot
