#include "lists/list_order.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace tunelot {
namespace {

std::vector<std::size_t> Identity(std::size_t count) {
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), std::size_t{0});
  return order;
}

}  // namespace

void SortByCollation(FileList& list, const Collator& collator) {
  std::vector<std::string> keys;
  keys.reserve(list.Count());
  for (const Entry& entry : list.Entries()) keys.push_back(collator.Key(entry.path));
  std::vector<std::size_t> order = Identity(list.Count());
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  list.Reorder(order);
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
