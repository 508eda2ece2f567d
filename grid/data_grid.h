#pragma once

#include "grid/custom_grid.h"

namespace kx {

// The grid as forms place it, with every setting and event of the grid layers
// public; window definitions and the application use this class.
class TDataGrid : public TDgCustomGrid {
 public:
  explicit TDataGrid(TComponent* owner);
};

}  // namespace kx
