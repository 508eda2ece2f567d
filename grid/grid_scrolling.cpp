// How the grid scrolls: its scroll bars follow the rows, the columns and the
// client size; a bar position change moves the top row or the columns and
// scrolls the pixels that stay; rows and columns are scrolled into view.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "grid/custom_grid.h"
#include "grid/grid_layout.h"
#include "platform/window/api.h"

namespace kx {

namespace {

// Holds the bar-update flag for one update: showing or hiding a bar resizes
// the client, and the resize would start the same update again inside it.
class BarUpdateGuard {
 public:
  explicit BarUpdateGuard(bool& flag) : m_flag(flag), m_was(std::exchange(flag, true)) {}
  ~BarUpdateGuard() { m_flag = m_was; }
  BarUpdateGuard(const BarUpdateGuard&) = delete;
  BarUpdateGuard& operator=(const BarUpdateGuard&) = delete;

 private:
  bool& m_flag;
  bool m_was;
};

}  // namespace

int TDgCustomGrid::ShownRowsBetween(int from, int to) const {
  int count = 0;
  for (int r = std::max(0, from); r < std::min(to, RowCount()); ++r) {
    if (m_cells.Row(r).Shown()) ++count;
  }
  return count;
}

int TDgCustomGrid::ShownRowAfter(int row, int count) const {
  int step = count < 0 ? -1 : 1;
  int last = -1;
  for (int r = row + step, left = std::abs(count); r >= 0 && r < RowCount() && left > 0;
       r += step) {
    if (!m_cells.Row(r).Shown()) continue;
    last = r;
    --left;
  }
  return last;
}

int TDgCustomGrid::FullyVisibleRows() {
  return GridLayout(*this, ClientRect()).FullyVisibleRows();
}

void TDgCustomGrid::UpdateVertScrollBar() {
  if (m_updatingBars) return;
  UntilClientHolds([this] { ComputeVertScrollBar(); });
}

void TDgCustomGrid::ComputeVertScrollBar() {
  BarUpdateGuard guard(m_updatingBars);
  TDgScrollBar& bar = VertScrollBar();
  // Rows scroll whole: a single row too tall for the body could only be
  // scrolled out of view, so it never asks for a bar.
  int shown = RowCount() == 1 ? 0 : m_cells.ShownRowCount();
  int fitting = FullyVisibleRows();
  if (fitting < shown) {
    bar.SetMax(shown);
    bar.SetPageSize(fitting + 1);
    bar.LargeChange = bar.PageSize();
  } else {
    bar.SetMax(0);  // a position above 0 falls back, scrolling to the first row
  }
  if (fitting + 1 >= shown || bar.Position() != ShownRowsBetween(0, m_topRow)) {
    bar.BeginUpdate();
    bar.SetPosition(ShownRowsBetween(0, m_topRow));
    bar.EndUpdate();
  }
}

void TDgCustomGrid::UpdateHorzScrollBar() {
  if (m_updatingBars) return;
  UntilClientHolds([this] {
    BarUpdateGuard guard(m_updatingBars);
    TDgScrollBar& bar = HorzScrollBar();
    bar.BeginUpdate();
    bar.SetMax(m_columns->TotalWidth() + (m_options.Has(TGridOption::goIndicator) ? 12 : 0));
    bar.SetPageSize(ClientRect().Width() + 1);
    bar.LargeChange = bar.PageSize() - 10;
    bar.ReadPosition();
    bar.EndUpdate();
  });
}

void TDgCustomGrid::UntilClientHolds(const std::function<void()>& update) {
  // Showing or hiding a bar changes the client size: measure again until it holds.
  for (int pass = 0; pass < 3; ++pass) {
    TRect before = ClientRect();
    update();
    if (ClientRect() == before) break;
  }
}

void TDgCustomGrid::UpdateScrollBars() {
  if (Updating()) return;
  UpdateHorzScrollBar();
  UpdateVertScrollBar();
}

void TDgCustomGrid::BeforeScroll(TScrollBarKind kind) {
  if (kind == TScrollBarKind::sbVertical) UpdateVertScrollBar();
}

void TDgCustomGrid::AfterScroll(TScrollBarKind kind) {
  // The dotted focus line runs along the whole row: draw it anew, not shifted.
  if (kind == TScrollBarKind::sbHorizontal && HasFocus() &&
      m_options.Has(TGridOption::goSelectFullRow) &&
      !m_appearanceOptions.Has(TAppearanceOption::aoAlphaBlendedSelection)) {
    InvalidateRow(m_selectedRow);
  }
}

void TDgCustomGrid::ScrollContent(TScrollBarKind kind, int from, int to) {
  GridLayout layout(*this, ClientRect());
  if (kind == TScrollBarKind::sbHorizontal) {
    if (!HandleAllocated()) return;
    TRect area = layout.Client();
    area.Left = std::min(area.Right, m_columns->FixedWidth());
    ScrollWindowEx(Handle(), from - to, 0, &area, &area, nullptr, nullptr, SW_INVALIDATE);
    return;
  }
  int dy = 0;
  int step = to > from ? 1 : -1;
  int separator = layout.Lines().Separator();
  for (int moved = 0; moved < std::abs(to - from); ++moved) {
    int next = ShownRowAfter(m_topRow, step);
    if (next < 0) break;
    int passed = step > 0 ? m_topRow : next;
    dy += (m_cells.Row(passed).Height + separator) * -step;
    m_topRow = next;
  }
  if (!HandleAllocated() || Updating() || dy == 0) return;
  TRect strip{layout.Client().Left, layout.BodyTop(), layout.Client().Right,
              layout.Client().Bottom};
  if (std::abs(dy) >= strip.Height()) {
    kx::InvalidateRect(Handle(), &strip, false);
    return;
  }
  ScrollWindowEx(Handle(), 0, dy, &strip, &strip, nullptr, nullptr, SW_INVALIDATE);
}

void TDgCustomGrid::SetTopRow(int row) {
  if (RowCount() == 0) return;
  row = std::clamp(row, 0, RowCount() - 1);
  if (!m_cells.Row(row).Shown()) {
    int next = ShownRowAfter(row, 1);
    row = next >= 0 ? next : ShownRowAfter(row, -1);
    if (row < 0) return;
  }
  UpdateVertScrollBar();
  ScrollToPosition(ShownRowsBetween(0, row));
}

void TDgCustomGrid::ScrollRows(int count) {
  UpdateVertScrollBar();
  ScrollToPosition(VertScrollBar().Position() + count);
}

void TDgCustomGrid::ScrollToPosition(int position) {
  // As the scroll messages do: never past the last page, and 0 while every row fits.
  TDgScrollBar& bar = VertScrollBar();
  int lastPage = std::max(0, bar.Max() - std::max(1, bar.PageSize()) + 1);
  bar.SetPosition(std::clamp(position, 0, lastPage));  // moves the top row and the pixels
}

void TDgCustomGrid::ScrollToRow(int row) {
  if (row < 0 || row >= RowCount() || !m_cells.Row(row).Shown()) return;
  if (row < m_topRow) {
    SetTopRow(row);
    return;
  }
  int visible = FullyVisibleRows();
  int before = ShownRowsBetween(m_topRow, row);  // the shown rows above it in the view
  if (before < visible) return;
  // The row becomes the last wholly visible one.
  SetTopRow(ShownRowAfter(m_topRow, before - std::max(1, visible) + 1));
}

void TDgCustomGrid::ScrollToColumn(int col) {
  if (col < 0 || col >= m_columns->Count() || !HandleAllocated()) return;
  const TDgCustomColumn& column = *m_columns->Items(col);
  if (column.Position() < m_columns->FixedColumns()) return;
  TDgScrollBar& bar = HorzScrollBar();
  int x = column.LeftEdge() - bar.Position();
  int left = m_columns->FixedWidth();
  int width = ClientRect().Width();
  if (x < left) {
    bar.SetPosition(bar.Position() - (left - x));
  } else if (x + column.Width() > width) {
    bar.SetPosition(bar.Position() + (x + column.Width() - width));
  }
}

void TDgCustomGrid::Resize() {
  TRect client = ClientRect();
  bool taller = client.Height() != m_clientHeight;
  bool wider = client.Width() != m_clientWidth;
  int oldWidth = m_clientWidth;
  m_clientHeight = client.Height();
  m_clientWidth = client.Width();
  if (taller) UpdateVertScrollBar();
  if (wider) {
    if (HandleAllocated()) {
      TRect uncovered = client;
      if (HorzScrollBar().Position() == 0 && oldWidth >= 0) {
        uncovered.Left = std::max(0, std::min(oldWidth, client.Right) - 2);
      }
      kx::InvalidateRect(Handle(), &uncovered, false);
    }
    UpdateHorzScrollBar();
    if (m_cells.ShownRowCount() == 0) InvalidateBody();
  }
  TDgCustomGridControl::Resize();
}

void TDgCustomGrid::SetEnabled(bool enabled) {
  TDgCustomGridControl::SetEnabled(enabled);
  HorzScrollBar().Push();
  VertScrollBar().Push();
  Invalidate();
}

}  // namespace kx
