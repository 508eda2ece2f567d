#pragma once

#include <variant>

#include "platform/base/geometry.h"

namespace kx {

// What the left button is doing in a grid between its press and its release.
namespace gesture {

struct None {};
// The header of a coCanClick column is held down since the press at point;
// down while the mouse is over it.
struct HeaderPress {
  int column = -1;
  TPoint point;
  bool down = true;
};
// A column's right border follows the mouse; difference is the width change so far.
struct ColumnResize {
  int column = -1;
  int difference = 0;
};
// A header is carried to another place; dropPosition is where it lands (-1: nowhere).
struct ColumnDrag {
  int column = -1;
  int dropPosition = -1;
};

}  // namespace gesture

using MouseGesture =
    std::variant<gesture::None, gesture::HeaderPress, gesture::ColumnResize, gesture::ColumnDrag>;

}  // namespace kx
