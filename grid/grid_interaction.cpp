// The grid's answer to the mouse and the keyboard: selecting by click and by
// key, cell and header clicks, sorting by header click.
#include <algorithm>

#include "grid/data_grid.h"
#include "grid/grid_layout.h"
#include "platform/window/api.h"

namespace kx {

void TDataGrid::SetTopRow(int row) {
  row = std::clamp(row, 0, std::max(0, RowCount() - 1));
  if (row == m_topRow) return;
  m_topRow = row;
  InvalidateBody();
}

int TDataGrid::FullyVisibleRows() {
  GridLayout layout(*this, ClientRect());
  int count = 0;
  int top = layout.BodyTop() + layout.Lines().top3D;
  for (int r = m_topRow; r < RowCount(); ++r) {
    if (!m_cells.Row(r).Shown()) continue;
    top += m_cells.Row(r).Height;
    if (top > layout.Body().Bottom) break;
    ++count;
    top += layout.Lines().Separator();
  }
  return std::max(1, count);
}

void TDataGrid::ScrollIntoView(int row) {
  if (row < 0 || row >= RowCount()) return;
  if (row < m_topRow) {
    SetTopRow(row);
    return;
  }
  // Move the top down until the row's bottom is inside the body.
  while (row >= m_topRow + FullyVisibleRows() && m_topRow < row) SetTopRow(m_topRow + 1);
}

void TDataGrid::SelectShownRow(int step) {
  if (m_selectedRow < 0) return;
  for (int r = m_selectedRow + step; r >= 0 && r < RowCount(); r += step) {
    if (!m_cells.Row(r).Shown()) continue;
    bool accept = true;
    if (OnBeforeSelect) OnBeforeSelect(this, m_selectedColumn, r, accept);
    if (!accept) continue;
    SelectCell(m_selectedColumn, r);
    return;
  }
}

void TDataGrid::SelectNextRow() {
  SelectShownRow(1);
}

void TDataGrid::SelectPreviousRow() {
  SelectShownRow(-1);
}

void TDataGrid::SelectFirstRow() {
  for (int r = 0; r < RowCount(); ++r) {
    if (m_cells.Row(r).Shown()) {
      SelectCell(m_selectedColumn, r);
      return;
    }
  }
}

void TDataGrid::SelectLastRow() {
  for (int r = RowCount() - 1; r >= 0; --r) {
    if (m_cells.Row(r).Shown()) {
      SelectCell(m_selectedColumn, r);
      return;
    }
  }
}

void TDataGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);  // the standard OnMouseDown first
  if (button == TMouseButton::mbMiddle) return;
  GridLayout layout(*this, ClientRect());
  TPoint point{x, y};
  int col = layout.ColumnAt(x);
  int row = layout.RowAt(y);
  if (shift & ssDouble) {
    if (layout.InHeader(point)) {
      if (col >= 0 && OnHeaderDblClick) OnHeaderDblClick(this, col);
    } else if (col >= 0 && row >= 0 && OnCellDblClick) {
      OnCellDblClick(this, col, row);
    }
    m_pressed = false;
    return;
  }
  m_pressed = true;
  m_pressColumn = col;
  m_pressRow = row;
  if (Visible() && Enabled() && CanFocus()) SetFocus();
  if (m_columns->Count() == 0) return;
  if (layout.InBody(point)) {
    if (row < 0) return;
    SelectCell(col >= 0 ? col : m_selectedColumn, row, shift);
    ScrollIntoView(row);
  } else if (layout.InHeader(point) && button == TMouseButton::mbLeft && col >= 0 &&
             m_columns->Items(col)->HasOption(TColumnOption::coCanClick)) {
    m_pressedHeader = col;
    InvalidateHeader();
  }
}

void TDataGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);  // the standard OnMouseUp first
  int pressedHeader = m_pressedHeader;
  m_pressedHeader = -1;
  // The press cell stays: the release of a double click's second press
  // completes the cell of its first press.
  m_pressed = false;
  if (pressedHeader >= 0) {
    if (OnHeaderClick) OnHeaderClick(this, pressedHeader);
    InvalidateHeader();
  }
  if (button != TMouseButton::mbLeft) return;
  GridLayout layout(*this, ClientRect());
  TPoint point{x, y};
  int col = layout.ColumnAt(x);
  if (layout.InBody(point)) {
    int row = layout.RowAt(y);
    if (col >= 0 && row >= 0 && col == m_pressColumn && row == m_pressRow && OnCellClick) {
      OnCellClick(this, col, row);
    }
  } else if (layout.InHeader(point) && col >= 0 && col == pressedHeader) {
    TDgCustomColumn* column = m_columns->Items(col);
    if (!column->HasOption(TColumnOption::coCanSort)) return;
    if (column->Sorted()) {
      column->SetSortKind(column->SortKind() == TSortKind::skAscending ? TSortKind::skDescending
                                                                       : TSortKind::skAscending);
    } else {
      column->SetSorted(true);
    }
  }
}

void TDataGrid::KeyDown(std::uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);  // the standard OnKeyDown first
  if (key == 0 || Options.Has(TGridOption::goDisableKeys)) return;
  switch (key) {
    case VK_UP:
      SelectPreviousRow();
      if (m_selectedRow >= 0 && m_selectedRow < m_topRow) SetTopRow(m_topRow - 1);
      break;
    case VK_DOWN:
      SelectNextRow();
      ScrollIntoView(m_selectedRow);
      break;
    case VK_HOME:
      if (m_selectedColumn >= 0 && m_selectedColumn < m_columns->Count()) {
        SelectFirstRow();
        SetTopRow(0);
      }
      break;
    case VK_END:
      if (m_selectedColumn >= 0 && m_selectedColumn < m_columns->Count()) {
        SelectLastRow();
        ScrollIntoView(m_selectedRow);
      }
      break;
    case VK_PRIOR: {
      int visible = FullyVisibleRows();
      if (m_selectedRow > m_topRow) {
        SelectCell(m_selectedColumn, m_topRow);
      } else if (RowCount() > 0) {
        int target = std::max(0, m_selectedRow - visible);
        SelectCell(m_selectedColumn, target);
        SetTopRow(m_topRow - visible);
      }
      break;
    }
    case VK_NEXT: {
      int visible = FullyVisibleRows();
      if (RowCount() == 0) break;
      if (m_selectedRow < m_topRow + visible - 1) {
        SelectCell(m_selectedColumn, std::min(RowCount() - 1, m_topRow + visible - 1));
      } else if (m_selectedRow + visible > RowCount()) {
        SelectLastRow();
      } else {
        SelectCell(m_selectedColumn, m_selectedRow + visible);
        SetTopRow(m_topRow + visible);
      }
      ScrollIntoView(m_selectedRow);
      break;
    }
    default:
      break;
  }
}

}  // namespace kx
