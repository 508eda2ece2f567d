// The grid's own hints: the whole text of a cell too narrow for it, a cell's
// hint above and right of it, and header hints.
#include <algorithm>

#include "grid/column_display.h"
#include "grid/custom_grid.h"
#include "grid/grid_layout.h"
#include "platform/forms/hint_window.h"
#include "platform/window/api.h"

namespace kx {

namespace {
constexpr int kFitSlack = 5;         // the text needs its width + 5 to fit
constexpr int kCellHintRise = 20;    // cell hints stand this far above the cell
constexpr int kCellHintWidth = 250;  // and are at most this wide
}  // namespace

WideString TDgCustomGrid::HintText(int col, int row) {
  WideString text = m_columns->Items(col)->DisplayText(CellInfo(col, row));
  if (OnApplyCell) OnApplyCell(this, col, row, text);
  return text;
}

void TDgCustomGrid::UpdateHints(int x, int y) {
  GridLayout layout(*this, ClientRect());
  TPoint point{x, y};
  int col = layout.ColumnAt(x);
  if (layout.InHeader(point) && col >= 0) {
    m_hoverColumn = m_hoverRow = -1;
    if (col == m_hoverHeader) return;
    m_hoverHeader = col;
    const TDgCustomColumn& column = *m_columns->Items(col);
    if (column.Header().Hint.empty()) {
      HideGridHint();
      return;
    }
    ShowGridHint(TGridHintKind::Header, WideToAnsi(column.Header().Hint),
                 {layout.ColumnLeft(column), HeaderSize + 2}, layout.Client().Width());
    return;
  }
  m_hoverHeader = -1;
  int row = layout.InBody(point) ? layout.RowAt(y) : -1;
  if (col < 0 || row < 0) {
    m_hoverColumn = m_hoverRow = -1;
    HideGridHint();
    return;
  }
  Cursor = m_columns->Items(col)->Cursor();
  if (col == m_hoverColumn && row == m_hoverRow) return;
  m_hoverColumn = col;
  m_hoverRow = row;
  UpdateCellHint(col, row);
}

void TDgCustomGrid::MouseLeave() {
  // Coming back onto the same cell or header shows its hint again.
  m_hoverColumn = m_hoverRow = m_hoverHeader = -1;
  TDgCustomGridControl::MouseLeave();
}

void TDgCustomGrid::UpdateCellHint(int col, int row) {
  const TDgCustomColumn& column = *m_columns->Items(col);
  GridLayout layout(*this, ClientRect());
  TRect cell = layout.CellRect(column, row);
  if (column.HasOption(TColumnOption::coShowTextFitHint)) {
    WideString text = HintText(col, row);
    TCellInfo info = CellInfo(col, row);
    info.AsString = text;
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font() = column.Font();
    TFontStyles style = m_cells.CellInRange(col, row).FontStyle();
    if (IsCellSelected(col, row) &&
        m_appearanceOptions.Has(TAppearanceOption::aoBoldTextSelection)) {
      style += TFontStyle::fsBold;
    }
    canvas.Font().SetStyle(style);
    int width = column.CellKind() == TCellKind::Integer
                    ? TColumnDisplay::For(column).ContentWidth(canvas, column, info)
                    : canvas.TextWidthW(text);
    if (column.Width() < width + kFitSlack) {
      ShowGridHint(TGridHintKind::FitHint, WideToAnsi(text), cell.TopLeft(),
                   layout.Client().Width());
      return;
    }
  }
  if (HintKind() != TGridHintKind::FitHint) {
    WideString hint = m_cells.CellInRange(col, row).Hint();
    if (OnCellHint) OnCellHint(this, col, row, hint);
    if (!hint.empty()) {
      ShowGridHint(TGridHintKind::CellHint, WideToAnsi(hint),
                   {cell.Left + column.Width(), cell.Top - kCellHintRise}, kCellHintWidth);
      return;
    }
  }
  HideGridHint();
}

}  // namespace kx
