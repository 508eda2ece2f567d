#pragma once

#include <functional>
#include <random>
#include <vector>

namespace kx {

// Quicksort over row positions 0 … n − 1 with a pseudo-random pivot taken from
// a + 1 … b and the two-sided scan of the grid's sort order. compare(row, pivotRow)
// orders two rows by their keys; descending turns the order round. The result is
// the new order: entry k holds the row that goes to position k.
std::vector<int> SortOrder(int rowCount, const std::function<int(int, int)>& compare, bool descending,
                           std::minstd_rand& random);

}  // namespace kx
