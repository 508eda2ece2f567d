#include "grid/sorting.h"

#include <numeric>
#include <utility>

namespace kx {

namespace {

struct TSorter {
  std::vector<int>& order;
  const std::function<int(int, int)>& compare;
  bool descending;
  std::minstd_rand& random;

  int Compare(int position, int pivotRow) const {
    int c = compare(order[static_cast<std::size_t>(position)], pivotRow);
    return descending ? -c : c;
  }

  void Sort(int a, int b) {
    while (a < b) {
      std::uniform_int_distribution<int> pick(0, b - a - 1);
      int pivotRow = order[static_cast<std::size_t>(a + 1 + pick(random))];
      int i = a - 1;
      int j = b + 1;
      do {
        do ++i; while (Compare(i, pivotRow) < 0);
        do --j; while (Compare(j, pivotRow) > 0);
        if (i != j) std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
      } while (i < j);
      if (i != j) std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
      // The smaller side recursively, the larger one in this loop, so the depth stays logarithmic.
      if (i - 1 - a < b - i) {
        Sort(a, i - 1);
        a = i;
      } else {
        Sort(i, b);
        b = i - 1;
      }
    }
  }
};

}  // namespace

std::vector<int> SortOrder(int rowCount, const std::function<int(int, int)>& compare, bool descending,
                           std::minstd_rand& random) {
  std::vector<int> order(static_cast<std::size_t>(std::max(rowCount, 0)));
  std::iota(order.begin(), order.end(), 0);
  TSorter sorter{order, compare, descending, random};
  sorter.Sort(0, rowCount - 1);
  return order;
}

}  // namespace kx
