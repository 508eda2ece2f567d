#include "grid/data_grid.h"

namespace kx {

TDataGrid::TDataGrid(TComponent* owner) : TDgCustomGrid(owner) {}

}  // namespace kx
