// The header row's gestures: pressing a header, resizing a column by its
// right border, reordering columns by carrying a header; and painting the headers.
#include "grid/header_part.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "grid/custom_grid.h"
#include "grid/grid_cursors.h"
#include "grid/header_display.h"
#include "platform/forms/forms.h"
#include "platform/window/api.h"

namespace kx {

namespace {
constexpr int kZoneBefore = 3;  // the zone runs from right - 3 to right + 2
constexpr int kZoneAfter = 2;
constexpr int kDragThreshold = 3;
}  // namespace

// ---- pressing

void GridHeaderPart::Press(int col, TPoint point) {
  m_gesture = gesture::HeaderPress{col, point, true};
  m_grid.InvalidateHeader();
}

bool GridHeaderPart::MouseMove(bool leftHeld, int x, int y) {
  if (auto* resize = std::get_if<gesture::ColumnResize>(&m_gesture)) {
    TrackResize(*resize, x);
    return true;
  }
  if (auto* drag = std::get_if<gesture::ColumnDrag>(&m_gesture)) {
    if (!leftHeld) return false;
    MoveColumnDrag(*drag, x, y);
    return true;
  }
  auto* press = std::get_if<gesture::HeaderPress>(&m_gesture);
  if (!press) return false;
  if (leftHeld && StartColumnDrag(*press, x, y)) return true;
  GridLayout layout(m_grid, m_grid.ClientRect());
  bool down = layout.InHeader({x, y}) && layout.ColumnAt(x) == press->column;
  if (down != press->down) {
    press->down = down;
    m_grid.InvalidateHeader();
  }
  return false;
}

GridHeaderPart::Released GridHeaderPart::Release(int x, int y) {
  MouseGesture ended = std::exchange(m_gesture, gesture::None{});
  if (auto* resize = std::get_if<gesture::ColumnResize>(&ended)) {
    EndResize(*resize, true);
    return {true, -1};
  }
  if (auto* drag = std::get_if<gesture::ColumnDrag>(&ended)) {
    EndColumnDrag(*drag, x, y);
    return {true, -1};
  }
  if (auto* press = std::get_if<gesture::HeaderPress>(&ended)) {
    m_grid.InvalidateHeader();
    return {false, press->column};
  }
  return {};
}

void GridHeaderPart::Cancel() {
  MouseGesture pending = std::exchange(m_gesture, gesture::None{});
  if (auto* resize = std::get_if<gesture::ColumnResize>(&pending)) EndResize(*resize, false);
  if (std::holds_alternative<gesture::ColumnDrag>(pending)) HideColumnDrag();
  if (std::holds_alternative<gesture::HeaderPress>(pending)) m_grid.InvalidateHeader();
}

// ---- resizing

int GridHeaderPart::ResizeZoneColumn(int x, int y) const {
  GridLayout layout(m_grid, m_grid.ClientRect());
  const TDgColumns& columns = m_grid.Columns();
  if (!m_grid.Options().Has(TGridOption::goHeader) || y < 0 || y >= layout.HeaderHeight()) {
    return -1;
  }
  for (int position = 0; position < columns.Count(); ++position) {
    const TDgCustomColumn& column = *columns.ByPosition(position);
    if (!column.Visible() || column.HasOption(TColumnOption::coFixedSize)) continue;
    bool fixed = column.Position() < columns.FixedColumns();
    if (!fixed && x < columns.FixedWidth()) continue;
    int right = layout.ColumnRight(column);
    if (x >= right - kZoneBefore && x <= right + kZoneAfter) return column.Index();
  }
  return -1;
}

int GridHeaderPart::ColumnLeftNow(int col) const {
  const TDgCustomColumn& column = *m_grid.Columns().Items(col);
  bool fixed = column.Position() < m_grid.Columns().FixedColumns();
  return column.LeftEdge() - (fixed ? 0 : m_grid.HorzScrollPosition());
}

int GridHeaderPart::ResizeLineX(int col, int difference) const {
  return ColumnLeftNow(col) + m_grid.Columns().Items(col)->Width() + difference - 1;
}

void GridHeaderPart::DrawResizeLine(int x) {
  if (!m_grid.HandleAllocated()) return;
  HDC dc = WindowSystem().GetDC(m_grid.Handle());
  if (!dc) return;
  TCanvas& canvas = dc->Canvas();
  canvas.Pen().Mode = TPenMode::pmNot;
  canvas.Pen().Width = 1;
  canvas.MoveTo(x, 0);
  canvas.LineTo(x, m_grid.ClientRect().Bottom);
  canvas.Pen().Mode = TPenMode::pmCopy;
}

void GridHeaderPart::BeginResize(int col) {
  m_gesture = gesture::ColumnResize{col, 0};
  int left = ColumnLeftNow(col);
  DrawResizeLine(col == 0 ? left : left - 1);
  DrawResizeLine(ResizeLineX(col, 0));
}

void GridHeaderPart::TrackResize(gesture::ColumnResize& resize, int x) {
  const TDgCustomColumn& column = *m_grid.Columns().Items(resize.column);
  DrawResizeLine(ResizeLineX(resize.column, resize.difference));
  int difference = x - ColumnLeftNow(resize.column) - column.Width();
  resize.difference = std::max(difference, column.MinWidth() - column.Width());
  DrawResizeLine(ResizeLineX(resize.column, resize.difference));
}

void GridHeaderPart::EndResize(const gesture::ColumnResize& resize, bool apply) {
  const int col = resize.column;
  const int difference = resize.difference;
  m_gesture = gesture::None{};
  int left = ColumnLeftNow(col);
  // Both lines go before the width changes, so the inverting pen restores the pixels.
  DrawResizeLine(ResizeLineX(col, difference));
  DrawResizeLine(col == 0 ? left : left - 1);
  TDgCustomColumn& column = *m_grid.Columns().Items(col);
  if (apply && difference != 0) column.SetWidth(column.Width() + difference);
}

// ---- dragging

int GridHeaderPart::DropPosition(int dragged, int x) const {
  GridLayout layout(m_grid, m_grid.ClientRect());
  int col = layout.ColumnAt(x);
  if (col < 0) return -1;
  const TDgColumns& columns = m_grid.Columns();
  const TDgCustomColumn& column = *columns.Items(col);
  bool after = x >= layout.ColumnLeft(column) + column.Width() / 2;
  int from = columns.Items(dragged)->Position();
  int target = column.Position() + (after ? 1 : 0);
  if (target > from) --target;  // the dragged column leaves its place first
  if (m_grid.Options().Has(TGridOption::goLockFixedCols)) {
    int fixedCount = columns.FixedColumns();
    if ((from < fixedCount) != (target < fixedCount)) return -1;
  }
  return target;
}

bool GridHeaderPart::OverHeaderBand(const GridLayout& layout, int x, int y) const {
  return x >= 0 && x <= std::min(layout.Body().Right, layout.Client().Right) &&
         y < layout.BodyTop();
}

bool GridHeaderPart::StartColumnDrag(const gesture::HeaderPress& press, int x, int y) {
  TDgCustomColumn& column = *m_grid.Columns().Items(press.column);
  bool movable = !column.HasOption(TColumnOption::coDisableMoving) &&
                 !m_grid.Options().Has(TGridOption::goDisableColumnMoving);
  bool moved =
      std::abs(x - press.point.X) > kDragThreshold || std::abs(y - press.point.Y) > kDragThreshold;
  if (!movable || !moved) return false;
  m_gesture = gesture::ColumnDrag{press.column, -1};
  const TFont font = m_grid.Font();
  m_grid.DragBox().SetPainter([&column, font](TCanvas& canvas, const TRect& rect) {
    canvas.Font() = font;
    THeaderPaintState state;
    state.sortArrow = false;
    TStyleDisplay::For(THeaderStyle::hsAuto).PaintHeader(canvas, column, rect, state);
  });
  m_grid.InvalidateHeader();
  MoveColumnDrag(std::get<gesture::ColumnDrag>(m_gesture), x, y);
  return true;
}

void GridHeaderPart::MoveColumnDrag(gesture::ColumnDrag& drag, int x, int y) {
  const TDgCustomColumn& column = *m_grid.Columns().Items(drag.column);
  GridLayout layout(m_grid, m_grid.ClientRect());
  int height = layout.HeaderHeight();
  TPoint mouse = m_grid.ClientToScreen({x, y});
  int width = column.Width();
  m_grid.DragBox().ShowAt(
      {mouse.X - width / 2, mouse.Y + 4 - height, mouse.X - width / 2 + width, mouse.Y + 4});
  bool overHeader = OverHeaderBand(layout, x, y);
  drag.dropPosition = overHeader ? DropPosition(drag.column, x) : -1;
  if (drag.dropPosition < 0) {
    m_grid.DownArrow().Hide();
    m_grid.UpArrow().Hide();
    m_grid.ShowCursor(overHeader ? crDefault : crColumnNoDrag);
    return;
  }
  // The arrows mark the edge the column lands at.
  const TDgCustomColumn& under = *m_grid.Columns().Items(layout.ColumnAt(x));
  bool after = x >= layout.ColumnLeft(under) + under.Width() / 2;
  int edge = after ? layout.ColumnRight(under) : layout.ColumnLeft(under);
  TPoint top = m_grid.ClientToScreen({edge, 0});
  const int size = TDragArrow::kSize;
  const int below = m_grid.HeaderSize - 1;
  m_grid.DownArrow().ShowAt({top.X - 4, top.Y - 12, top.X - 4 + size, top.Y - 12 + size});
  m_grid.UpArrow().ShowAt({top.X - 4, top.Y + below, top.X - 4 + size, top.Y + below + size});
  m_grid.ShowCursor(crDefault);
}

void GridHeaderPart::EndColumnDrag(const gesture::ColumnDrag& drag, int x, int y) {
  const int col = drag.column;
  const int target = drag.dropPosition;
  HideColumnDrag();
  if (col < 0 || col >= m_grid.Columns().Count()) return;
  TDgCustomColumn& column = *m_grid.Columns().Items(col);
  if (OverHeaderBand(GridLayout(m_grid, m_grid.ClientRect()), x, y)) {
    if (target >= 0 && target != column.Position()) column.SetPosition(target);
  } else if (m_grid.Options().Has(TGridOption::goCanHideColumn)) {
    column.SetVisible(false);
  }
}

void GridHeaderPart::HideColumnDrag() {
  m_gesture = gesture::None{};
  m_grid.DragBox().Hide();
  m_grid.DownArrow().Hide();
  m_grid.UpArrow().Hide();
  m_grid.InvalidateHeader();
  m_grid.ShowCursor(m_grid.Cursor);
}

// ---- painting

void GridHeaderPart::Paint(TCanvas& canvas, const GridLayout& layout) const {
  if (!m_grid.Options().Has(TGridOption::goHeader)) return;
  const TDgColumns& columns = m_grid.Columns();
  const int height = layout.HeaderHeight();
  const auto* press = std::get_if<gesture::HeaderPress>(&m_gesture);
  for (int position = 0; position < columns.Count(); ++position) {
    const TDgCustomColumn& column = *columns.ByPosition(position);
    if (!column.Visible()) continue;
    int left = layout.ColumnLeft(column);
    if (left + column.Width() <= 0 || left >= layout.Client().Right) continue;
    TCanvasSaver saver(canvas);
    if (column.Position() >= columns.FixedColumns()) {
      canvas.IntersectClipRect({columns.FixedWidth(), 0, layout.Client().Right, height});
    }
    canvas.Font() = m_grid.Font();
    THeaderPaintState state;
    state.pressed = press && press->column == column.Index() && press->down;
    state.firstVisible = &column == columns.FirstVisible();
    state.lastVisible = &column == columns.LastVisible();
    TStyleDisplay::For(m_grid.HeaderStyle)
        .PaintHeader(canvas, column, {left, 0, left + column.Width(), height}, state);
  }
}

}  // namespace kx
