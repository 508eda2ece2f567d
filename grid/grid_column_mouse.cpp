// Resizing columns by their header borders and reordering them by dragging
// their headers.
#include <algorithm>

#include "grid/custom_grid.h"
#include "grid/grid_cursors.h"
#include "grid/grid_layout.h"
#include "grid/header_display.h"
#include "platform/forms/forms.h"
#include "platform/window/api.h"

namespace kx {

namespace {
constexpr int kZoneBefore = 3;  // the zone runs from right - 3 to right + 2
constexpr int kZoneAfter = 2;
constexpr int kDragThreshold = 3;
}  // namespace

// ---- resizing

int TDgCustomGrid::ResizeZoneColumn(int x, int y) {
  GridLayout layout(*this, ClientRect());
  if (!m_options.Has(TGridOption::goHeader) || y < 0 || y >= layout.HeaderHeight()) return -1;
  for (int position = 0; position < m_columns->Count(); ++position) {
    const TDgCustomColumn& column = *m_columns->ByPosition(position);
    if (!column.Visible() || column.HasOption(TColumnOption::coFixedSize)) continue;
    bool fixed = column.Position() < m_columns->FixedColumns();
    if (!fixed && x < m_columns->FixedWidth()) continue;
    int right = layout.ColumnRight(column);
    if (x >= right - kZoneBefore && x <= right + kZoneAfter) return column.Index();
  }
  return -1;
}

int TDgCustomGrid::ResizeLineX(int col, int difference) {
  const TDgCustomColumn& column = *m_columns->Items(col);
  bool fixed = column.Position() < m_columns->FixedColumns();
  return column.LeftEdge() + column.Width() + difference - 1 - (fixed ? 0 : HorzScrollPosition());
}

void TDgCustomGrid::DrawResizeLine(int x) {
  if (!HandleAllocated()) return;
  HDC dc = WindowSystem().GetDC(Handle());
  if (!dc) return;
  TCanvas& canvas = dc->Canvas();
  canvas.Pen().Mode = TPenMode::pmNot;
  canvas.Pen().Width = 1;
  canvas.MoveTo(x, 0);
  canvas.LineTo(x, ClientRect().Bottom);
  canvas.Pen().Mode = TPenMode::pmCopy;
}

void TDgCustomGrid::BeginResize(int col) {
  m_resizeColumn = col;
  m_resizeDifference = 0;
  const TDgCustomColumn& column = *m_columns->Items(col);
  bool fixed = column.Position() < m_columns->FixedColumns();
  int left = column.LeftEdge() - (fixed ? 0 : HorzScrollPosition());
  DrawResizeLine(column.Index() == 0 ? left : left - 1);
  DrawResizeLine(ResizeLineX(col, 0));
}

void TDgCustomGrid::TrackResize(int x) {
  if (m_resizeColumn < 0) return;
  const TDgCustomColumn& column = *m_columns->Items(m_resizeColumn);
  bool fixed = column.Position() < m_columns->FixedColumns();
  DrawResizeLine(ResizeLineX(m_resizeColumn, m_resizeDifference));
  int difference = x + (fixed ? 0 : HorzScrollPosition()) - column.LeftEdge() - column.Width();
  if (column.Width() + difference < column.MinWidth())
    difference = column.MinWidth() - column.Width();
  m_resizeDifference = difference;
  DrawResizeLine(ResizeLineX(m_resizeColumn, m_resizeDifference));
}

void TDgCustomGrid::EndResize() {
  if (m_resizeColumn < 0) return;
  int col = m_resizeColumn;
  TDgCustomColumn& column = *m_columns->Items(col);
  bool fixed = column.Position() < m_columns->FixedColumns();
  int left = column.LeftEdge() - (fixed ? 0 : HorzScrollPosition());
  // Both lines go before the width changes, so the inverting pen restores the pixels.
  DrawResizeLine(ResizeLineX(col, m_resizeDifference));
  DrawResizeLine(col == 0 ? left : left - 1);
  m_resizeColumn = -1;
  if (m_resizeDifference != 0) column.SetWidth(column.Width() + m_resizeDifference);
  m_resizeDifference = 0;
}

// ---- dragging

int TDgCustomGrid::DropPosition(int x) {
  GridLayout layout(*this, ClientRect());
  int col = layout.ColumnAt(x);
  if (col < 0) return -1;
  const TDgCustomColumn& column = *m_columns->Items(col);
  int left = layout.ColumnLeft(column);
  bool after = x >= left + column.Width() / 2;
  int from = m_columns->Items(m_dragColumn)->Position();
  int target = column.Position() + (after ? 1 : 0);
  if (target > from) --target;  // the dragged column leaves its place first
  if (m_options.Has(TGridOption::goLockFixedCols)) {
    int fixedCount = m_columns->FixedColumns();
    if ((from < fixedCount) != (target < fixedCount)) return -1;
  }
  return target;
}

bool TDgCustomGrid::TrackColumnDrag(int x, int y) {
  if (m_pressedHeader < 0 || m_resizeColumn >= 0) return false;
  TDgCustomColumn& column = *m_columns->Items(m_pressedHeader);
  if (!m_dragging) {
    bool movable = !column.HasOption(TColumnOption::coDisableMoving) &&
                   !m_options.Has(TGridOption::goDisableColumnMoving);
    if (!movable || (std::abs(x - m_pressPoint.X) <= kDragThreshold &&
                     std::abs(y - m_pressPoint.Y) <= kDragThreshold)) {
      return false;
    }
    m_dragging = true;
    m_dragColumn = m_pressedHeader;
    const TFont font = Font();
    DragBox().SetPainter([&column, font](TCanvas& canvas, const TRect& rect) {
      canvas.Font() = font;
      THeaderPaintState state;
      state.sortArrow = false;
      TStyleDisplay::For(THeaderStyle::hsAuto).PaintHeader(canvas, column, rect, state);
    });
    InvalidateHeader();
  }
  GridLayout layout(*this, ClientRect());
  int height = layout.HeaderHeight();
  TPoint mouse = ClientToScreen({x, y});
  int width = column.Width();
  DragBox().ShowAt(
      {mouse.X - width / 2, mouse.Y + 4 - height, mouse.X - width / 2 + width, mouse.Y + 4});
  int bandRight = std::min(layout.Body().Right, layout.Client().Right);
  bool overHeader = x >= 0 && x <= bandRight && y < layout.BodyTop();
  m_dropPosition = overHeader ? DropPosition(x) : -1;
  if (m_dropPosition < 0) {
    DownArrow().Hide();
    UpArrow().Hide();
    ShowCursor(overHeader ? crDefault : crColumnNoDrag);
    return true;
  }
  // The arrows mark the edge the column lands at.
  int hovered = layout.ColumnAt(x);
  const TDgCustomColumn& under = *m_columns->Items(hovered);
  bool after = x >= layout.ColumnLeft(under) + under.Width() / 2;
  int edge = after ? layout.ColumnRight(under) : layout.ColumnLeft(under);
  TPoint top = ClientToScreen({edge, 0});
  const int size = TDragArrow::kSize;
  DownArrow().ShowAt({top.X - 4, top.Y - 12, top.X - 4 + size, top.Y - 12 + size});
  UpArrow().ShowAt(
      {top.X - 4, top.Y + HeaderSize - 1, top.X - 4 + size, top.Y + HeaderSize - 1 + size});
  ShowCursor(crDefault);
  return true;
}

void TDgCustomGrid::EndColumnDrag(int x, int y) {
  int col = m_dragColumn;
  int target = m_dropPosition;
  CancelColumnDrag();
  if (col < 0 || col >= m_columns->Count()) return;
  GridLayout layout(*this, ClientRect());
  bool overHeader =
      x >= 0 && x <= std::min(layout.Body().Right, layout.Client().Right) && y < layout.BodyTop();
  TDgCustomColumn& column = *m_columns->Items(col);
  if (overHeader) {
    if (target >= 0 && target != column.Position()) column.SetPosition(target);
  } else if (m_options.Has(TGridOption::goCanHideColumn)) {
    column.SetVisible(false);
  }
}

void TDgCustomGrid::CancelColumnDrag() {
  bool wasDragging = m_dragging;
  m_dragging = false;
  m_dragColumn = -1;
  m_dropPosition = -1;
  DragBox().Hide();
  DownArrow().Hide();
  UpArrow().Hide();
  if (wasDragging) {
    m_pressedHeader = -1;
    m_pressedHeaderDown = false;
    InvalidateHeader();
    ShowCursor(Cursor);
  }
}

}  // namespace kx
