#pragma once

#include <random>
#include <utility>
#include <vector>

namespace kx {

// Quicksort of the rows by their keys (keys[r] belongs to row r) with a
// pseudo-random pivot taken from a + 1 … b and the two-sided scan of the grid's
// sort order; compare(x, y) is negative, 0 or positive, and descending turns
// it round. Returns the new order: entry k holds the row that goes to position k.
template <typename Key, typename Compare>
std::vector<int> SortOrder(std::vector<Key> keys, Compare compare, bool descending,
                           std::minstd_rand& random) {
  struct SortItem {
    Key key;
    int row;
  };
  std::vector<SortItem> items;
  items.reserve(keys.size());
  for (std::size_t r = 0; r < keys.size(); ++r)
    items.push_back({std::move(keys[r]), static_cast<int>(r)});
  auto order = [&](const Key& a, const Key& b) {
    int c = compare(a, b);
    int sign = (c > 0) - (c < 0);
    return descending ? -sign : sign;
  };
  auto sort = [&](auto& self, int a, int b) -> void {
    while (a < b) {
      std::uniform_int_distribution<int> pick(0, b - a - 1);
      const Key pivot = items[static_cast<std::size_t>(a + 1 + pick(random))].key;
      int i = a - 1;
      int j = b + 1;
      do {
        do ++i;
        while (order(items[static_cast<std::size_t>(i)].key, pivot) < 0);
        do --j;
        while (order(items[static_cast<std::size_t>(j)].key, pivot) > 0);
        if (i != j)
          std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
      } while (i < j);
      if (i != j) std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
      // The smaller side recursively, the larger one in this loop: the depth stays logarithmic.
      if (i - 1 - a < b - i) {
        self(self, a, i - 1);
        a = i;
      } else {
        self(self, i, b);
        b = i - 1;
      }
    }
  };
  sort(sort, 0, static_cast<int>(items.size()) - 1);
  std::vector<int> result;
  result.reserve(items.size());
  for (const SortItem& item : items) result.push_back(item.row);
  return result;
}

}  // namespace kx
