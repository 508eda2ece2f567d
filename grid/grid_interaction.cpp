// The grid's answer to the mouse and the keyboard: selecting by click and by
// key, cell and header clicks, sorting by header click.
#include <algorithm>

#include "grid/custom_grid.h"
#include "grid/grid_cursors.h"
#include "grid/grid_layout.h"
#include "platform/forms/forms.h"
#include "platform/window/api.h"

namespace kx {

void TDgCustomGrid::SelectShownRow(int step) {
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

void TDgCustomGrid::SelectNextRow() {
  SelectShownRow(1);
}

void TDgCustomGrid::SelectPreviousRow() {
  SelectShownRow(-1);
}

void TDgCustomGrid::SelectFirstRow() {
  for (int r = 0; r < RowCount(); ++r) {
    if (m_cells.Row(r).Shown()) {
      SelectCell(m_selectedColumn, r);
      return;
    }
  }
}

void TDgCustomGrid::SelectLastRow() {
  for (int r = RowCount() - 1; r >= 0; --r) {
    if (m_cells.Row(r).Shown()) {
      SelectCell(m_selectedColumn, r);
      return;
    }
  }
}

void TDgCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TDgCustomGridControl::MouseDown(button, shift, x, y);  // the standard OnMouseDown first
  if (button == TMouseButton::mbMiddle) return;
  HideGridHint();
  GridLayout layout(*this, ClientRect());
  TPoint point{x, y};
  int col = layout.ColumnAt(x);
  int row = layout.RowAt(y);
  int zone = button == TMouseButton::mbLeft ? m_header.ResizeZoneColumn(x, y) : -1;
  if (shift & ssDouble) {
    if (zone >= 0) {
      FitColumnWidth(zone);
    } else if (layout.InHeader(point)) {
      if (col >= 0 && OnHeaderDblClick) OnHeaderDblClick(this, col);
    } else if (col >= 0 && row >= 0 && OnCellDblClick) {
      OnCellDblClick(this, col, row);
    }
    return;
  }
  m_mouseDownColumn = col;
  m_mouseDownRow = row;
  if (Visible() && Enabled() && CanFocus()) SetFocus();
  if (m_columns->Count() == 0) return;
  if (zone >= 0) {
    m_header.BeginResize(zone);
    return;
  }
  if (layout.InBody(point)) {
    if (row < 0) return;
    SelectCell(col >= 0 ? col : m_selectedColumn, row, shift);
    ScrollToRow(row);
  } else if (layout.InHeader(point) && button == TMouseButton::mbLeft && col >= 0 &&
             m_columns->Items(col)->HasOption(TColumnOption::coCanClick)) {
    m_header.Press(col, point);
  }
}

void TDgCustomGrid::MouseMove(TShiftState shift, int x, int y) {
  TDgCustomGridControl::MouseMove(shift, x, y);  // the standard OnMouseMove first
  if (Rolling()) return;
  if (m_header.MouseMove((shift & ssLeft) != 0, x, y)) return;
  GridLayout layout(*this, ClientRect());
  int cursor = Cursor;
  if (layout.InHeader({x, y})) {
    cursor = m_header.ResizeZoneColumn(x, y) >= 0 ? crHorzSplit : crDefault;
  } else if (cursor == crHorzSplit) {
    cursor = crDefault;  // the split cursor belongs to the header's borders alone
  }
  if (cursor != Cursor) {
    Cursor = cursor;
    ShowCursor(cursor);
  }
  UpdateHints(x, y);
}

void TDgCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TDgCustomGridControl::MouseUp(button, shift, x, y);  // the standard OnMouseUp first
  // The press cell stays: the release of a double click's second press
  // completes the cell of its first press.
  GridHeaderPart::Released released = m_header.Release(x, y);
  if (released.gestureEnded) return;
  int pressedHeader = released.pressedHeader;
  if (pressedHeader >= 0 && OnHeaderClick) OnHeaderClick(this, pressedHeader);
  if (button != TMouseButton::mbLeft) return;
  GridLayout layout(*this, ClientRect());
  TPoint point{x, y};
  int col = layout.ColumnAt(x);
  if (layout.InBody(point)) {
    int row = layout.RowAt(y);
    if (col >= 0 && row >= 0 && col == m_mouseDownColumn && row == m_mouseDownRow && OnCellClick) {
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

void TDgCustomGrid::CancelPendingMouse() {
  m_header.Cancel();
  HideGridHint();
}

void TDgCustomGrid::SelectColumnStep(int step) {
  for (int position =
           m_columns->Items(std::clamp(m_selectedColumn, 0, m_columns->Count() - 1))->Position() +
           step;
       position >= 0 && position < m_columns->Count(); position += step) {
    TDgCustomColumn& column = *m_columns->ByPosition(position);
    if (!column.Visible() || !column.Enabled) continue;
    SelectCell(column.Index(), m_selectedRow);
    ScrollToColumn(column.Index());
    return;
  }
}

void TDgCustomGrid::KeyDown(std::uint16_t& key, TShiftState shift) {
  TDgCustomGridControl::KeyDown(key, shift);  // the standard OnKeyDown first
  if (key == 0 || Options().Has(TGridOption::goDisableKeys)) return;
  switch (key) {
    case VK_UP:
      SelectPreviousRow();
      // Only a row that crosses the top edge scrolls the view, by one row.
      if (m_selectedRow >= 0 && m_selectedRow < m_topRow) ScrollRows(-1);
      break;
    case VK_DOWN:
      SelectNextRow();
      // Only a row that crosses the bottom edge scrolls the view, by one row.
      if (m_selectedRow >= m_topRow &&
          ShownRowsBetween(m_topRow, m_selectedRow) >= FullyVisibleRows()) {
        ScrollRows(1);
      }
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
        ScrollToRow(m_selectedRow);
      }
      break;
    case VK_PRIOR: {
      if (RowCount() == 0) break;
      int visible = std::max(1, FullyVisibleRows());
      if (m_selectedRow > m_topRow) {
        SelectCell(m_selectedColumn, m_topRow);
      } else {
        int pageBack = ShownRowAfter(m_selectedRow, -visible);
        SelectCell(m_selectedColumn, pageBack >= 0 ? pageBack : FirstShownRow());
        ScrollRows(-visible);
      }
      break;
    }
    case VK_NEXT: {
      if (RowCount() == 0) break;
      int visible = std::max(1, FullyVisibleRows());
      int lastVisible = ShownRowAfter(m_topRow, visible - 1);
      int pageOn = ShownRowAfter(m_selectedRow, visible);
      if (m_selectedRow < m_topRow + visible - 1) {
        SelectCell(m_selectedColumn, lastVisible >= 0 ? lastVisible : m_topRow);
      } else if (pageOn < 0 || ShownRowsBetween(m_selectedRow + 1, pageOn + 1) < visible) {
        SelectLastRow();  // a page on would pass the last row
      } else {
        SelectCell(m_selectedColumn, pageOn);
        ScrollRows(visible);
      }
      ScrollToRow(m_selectedRow);
      break;
    }
    case VK_LEFT:
    case VK_RIGHT: {
      int step = key == VK_LEFT ? -1 : 1;
      bool byColumn = !m_options.Has(TGridOption::goSelectFullRow) ||
                      m_appearanceOptions.Has(TAppearanceOption::aoIndicateSelectedCell);
      if (byColumn) {
        if (m_columns->Count() > 0) SelectColumnStep(step);
      } else {
        Perform(WM_HSCROLL, step < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace kx
