#pragma once

#include "grid/grid_layout.h"
#include "grid/mouse_gesture.h"
#include "platform/gfx/canvas.h"

namespace kx {

class TDgCustomGrid;

// The header row's own part of the grid, as a header view sits beside a table
// view: it paints the headers and runs the gestures that start on them — a
// header held down (a click, perhaps a sort), a column's right border dragged
// to a new width, a header carried to another place. The grid hands it the
// left button's input that belongs to the header row.
class GridHeaderPart {
 public:
  explicit GridHeaderPart(TDgCustomGrid& grid) : m_grid(grid) {}
  GridHeaderPart(const GridHeaderPart&) = delete;
  GridHeaderPart& operator=(const GridHeaderPart&) = delete;

  // The visible column whose right-border zone holds the client point, -1 for none.
  int ResizeZoneColumn(int x, int y) const;
  // A left-button press in a column's resize zone.
  void BeginResize(int col);
  // A left-button press at point on the header of a coCanClick column.
  void Press(int col, TPoint point);
  // Follows the mouse; true when a resize or a drag took the move.
  bool MouseMove(bool leftHeld, int x, int y);
  struct Released {
    bool gestureEnded = false;  // a resize or a drag ended: the release does nothing else
    int pressedHeader = -1;     // the header whose press the release completes
  };
  // Ends the gesture at the release point.
  Released Release(int x, int y);
  // Ends the gesture without its effect (focus lost, capture cancelled).
  void Cancel();
  void Paint(TCanvas& canvas, const GridLayout& layout) const;

 private:
  void TrackResize(gesture::ColumnResize& resize, int x);
  // Ends the resize; the width changes by the difference unless cancelled.
  void EndResize(const gesture::ColumnResize& resize, bool apply);
  void DrawResizeLine(int x);
  int ResizeLineX(int col, int difference) const;
  int ColumnLeftNow(int col) const;
  // Starts a drag of the pressed header once the mouse has moved far enough;
  // false while the press stays a press.
  bool StartColumnDrag(const gesture::HeaderPress& press, int x, int y);
  void MoveColumnDrag(gesture::ColumnDrag& drag, int x, int y);
  void EndColumnDrag(const gesture::ColumnDrag& drag, int x, int y);
  // Hides the drag's windows.
  void HideColumnDrag();
  // The display position a dragged column lands at for a mouse x over the header, -1 for none.
  int DropPosition(int dragged, int x) const;
  // Over the header band, where a drop moves the column.
  bool OverHeaderBand(const GridLayout& layout, int x, int y) const;

  TDgCustomGrid& m_grid;
  MouseGesture m_gesture;
};

}  // namespace kx
