#include "grid/grid_layout.h"

#include <algorithm>

#include "grid/custom_grid.h"

namespace kx {

namespace {

GridLineWidths LineWidths(const TDgCustomGrid& grid) {
  GridLineWidths w;
  if (!grid.Options().Has(TGridOption::goGrid)) return w;
  TGridLinesStyle style = grid.GridLinesStyle();
  w.vertical =
      style == TGridLinesStyle::lsHorizontalOnly || style == TGridLinesStyle::lsActiveHorzOnly ? 0
                                                                                               : 1;
  w.horizontal = style == TGridLinesStyle::lsVerticalOnly ? 0 : 1;
  bool lines3D = grid.AppearanceOptions().Has(TAppearanceOption::ao3DGridLines);
  w.left3D = lines3D && w.vertical ? 1 : 0;
  w.top3D = lines3D && w.horizontal ? 1 : 0;
  return w;
}

}  // namespace

GridLayout::GridLayout(const TDgCustomGrid& grid, const TRect& client)
    : m_grid(grid), m_client(client), m_lines(LineWidths(grid)) {
  m_headerHeight = grid.Options().Has(TGridOption::goHeader) ? grid.HeaderSize : 0;
  int right =
      std::min(grid.Columns().BodyLeft + grid.Columns().TotalWidth() - grid.HorzScrollPosition(),
               client.Right);
  m_body = {client.Left, client.Top + m_headerHeight, std::max(client.Left, right), client.Bottom};
}

int GridLayout::ColumnLeft(const TDgCustomColumn& column) const {
  bool fixed = column.Position() < m_grid.Columns().FixedColumns();
  return column.LeftEdge() - (fixed ? 0 : m_grid.HorzScrollPosition());
}

int GridLayout::ColumnRight(const TDgCustomColumn& column) const {
  return ColumnLeft(column) + column.Width();
}

int GridLayout::RowHeight(int row) const {
  if (row >= 0 && row < m_grid.RowCount()) {
    return m_grid.Store().Row(row).Height;
  }
  return m_grid.RowSize();
}

int GridLayout::RowTop(int row) const {
  int y = BodyTop() + m_lines.top3D;
  for (int r = m_grid.TopRow(); r < row; ++r) {
    if (r < m_grid.RowCount() && !m_grid.Store().Row(r).Shown()) continue;
    y += RowHeight(r) + m_lines.Separator();
    if (y > m_client.Bottom) break;  // below the window: the exact value no longer matters
  }
  return y;
}

std::vector<GridLayout::BodyRow> GridLayout::VisibleRows() const {
  std::vector<BodyRow> rows;
  int y = BodyTop() + m_lines.top3D;
  for (int r = m_grid.TopRow(); y <= m_body.Bottom; ++r) {
    if (r < m_grid.RowCount() && !m_grid.Store().Row(r).Shown()) continue;
    int height = RowHeight(r);
    rows.push_back({r, y, height});
    y += height + m_lines.Separator();
  }
  return rows;
}

int GridLayout::FullyVisibleRows() const {
  int count = 0;
  for (const BodyRow& r : VisibleRows()) {
    bool whole = r.top - m_lines.top3D + r.height + m_lines.Separator() <= m_body.Bottom;
    if (r.row >= m_grid.RowCount() || !whole) break;
    ++count;
  }
  return count;
}

TRect GridLayout::CellRect(const TDgCustomColumn& column, int row) const {
  int top = RowTop(row);
  return {ColumnLeft(column), top, ColumnRight(column), top + RowHeight(row)};
}

int GridLayout::ColumnAt(int x) const {
  for (int position = 0; position < m_grid.Columns().Count(); ++position) {
    const TDgCustomColumn& c = *m_grid.Columns().ByPosition(position);
    if (c.Visible() && x >= ColumnLeft(c) && x <= ColumnRight(c)) return c.Index();
  }
  return -1;
}

int GridLayout::RowAt(int y) const {
  if (y < BodyTop() || y >= m_body.Bottom) return -1;
  int top = BodyTop() + m_lines.top3D;
  for (int r = m_grid.TopRow(); r < m_grid.RowCount() && top <= m_client.Bottom; ++r) {
    if (!m_grid.Store().Row(r).Shown()) continue;
    if (y <= top + RowHeight(r) + m_lines.top3D) return r;
    top += RowHeight(r) + m_lines.Separator();
  }
  return -1;
}

bool GridLayout::InHeader(TPoint point) const {
  return m_headerHeight > 0 && point.Y >= m_client.Top && point.Y < m_client.Top + m_headerHeight;
}

bool GridLayout::InBody(TPoint point) const {
  // The right end counts, as the columns' own ranges count it.
  return point.Y >= BodyTop() && point.Y < m_body.Bottom && point.X >= m_body.Left &&
         point.X <= m_body.Right;
}

}  // namespace kx
