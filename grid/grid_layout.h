#pragma once

#include <vector>

#include "platform/base/geometry.h"

namespace kx {

class TDgCustomGrid;
class TDgCustomColumn;

// The widths of the grid lines, from the options (all 0 without goGrid).
struct GridLineWidths {
  int vertical = 0;    // the right edge of each cell
  int horizontal = 0;  // below each row
  int left3D = 0;
  int top3D = 0;
  int Separator() const { return top3D + horizontal; }
};

// Where the parts of a grid lie in its client area: the one source for
// painting and hit testing.
class GridLayout {
 public:
  GridLayout(const TDgCustomGrid& grid, const TRect& client);

  const GridLineWidths& Lines() const { return m_lines; }
  int HeaderHeight() const { return m_headerHeight; }
  int BodyTop() const { return m_headerHeight; }
  // The body: from the header to the bottom, as wide as the visible columns reach.
  TRect Body() const { return m_body; }
  const TRect& Client() const { return m_client; }
  // The column's x range (its header's and cells' left and right).
  int ColumnLeft(const TDgCustomColumn& column) const;
  int ColumnRight(const TDgCustomColumn& column) const;
  // The top of a row at or below the top row; rows past the end are RowSize high.
  int RowTop(int row) const;
  int RowHeight(int row) const;
  // One row as the body shows it, from the top row down: its index (RowCount
  // or more for the rows of the empty area below the last row) and its top.
  struct BodyRow {
    int row = 0;
    int top = 0;
    int height = 0;
  };
  // The shown rows from the top row on whose top is not below the body's
  // bottom, followed by empty-area rows until the body is full.
  std::vector<BodyRow> VisibleRows() const;
  // The number of existing rows wholly visible (row and separator) from the top row.
  int FullyVisibleRows() const;
  // The rectangle of a cell of a shown row (its lines included at right and bottom).
  TRect CellRect(const TDgCustomColumn& column, int row) const;
  TRect CellRect(const TDgCustomColumn& column, const BodyRow& at) const {
    return {ColumnLeft(column), at.top, ColumnRight(column), at.top + at.height};
  }
  // The column under a client x: the first visible one in display order whose
  // range, both ends included, holds x (so a column's right neighbour's first
  // pixel still counts as this column); -1 for none. Headers and cells share it.
  int ColumnAt(int x) const;
  // The shown row under a client y of the body: the first one from the top row
  // whose bottom line (its top + height + the 3D top line) is not above y; -1
  // outside the body or below the last row.
  int RowAt(int y) const;
  bool InHeader(TPoint point) const;
  // Within the body's rows and the columns' x range; right of the last column is no body.
  bool InBody(TPoint point) const;

 private:
  const TDgCustomGrid& m_grid;
  TRect m_client;
  GridLineWidths m_lines;
  int m_headerHeight = 0;
  TRect m_body;
};

}  // namespace kx
