// How the data grid paints itself: the body row by row, each cell's
// background, grid lines and content, the headers, and the focus rectangle.
#include <algorithm>

#include "grid/column_display.h"
#include "grid/custom_grid.h"
#include "grid/grid_layout.h"
#include "grid/header_display.h"
#include "platform/forms/image_list.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"

namespace kx {

namespace {

// Every channel c becomes c * 245 / 256, rounded down.
TColor Darken(TColor color) {
  TColor rgb = ColorToRGB(color);
  auto channel = [rgb](int shift) { return (((rgb >> shift) & 0xFF) * 245 / 256) << shift; };
  return static_cast<TColor>(channel(0) | channel(8) | channel(16));
}

// A quarter of the highlight over the colour.
TColor BlendHighlight(TColor color) {
  TColor a = ColorToRGB(color);
  TColor h = ColorToRGB(clHighlight);
  auto channel = [a, h](int shift) {
    unsigned x = (a >> shift) & 0xFF, y = (h >> shift) & 0xFF;
    return ((x * 3 + y) / 4) << shift;
  };
  return static_cast<TColor>(channel(0) | channel(8) | channel(16));
}

}  // namespace

bool TDgCustomGrid::HasFocus() const {
  return Focused();
}

bool TDgCustomGrid::IsCellSelected(int col, int row) {
  if (col < 0 || col >= m_columns->Count() || row < 0 || row >= RowCount()) return false;
  if (m_columns->Items(col)->HasOption(TColumnOption::coDontHighlight)) return false;
  if (!HasFocus() && AppearanceOptions().Has(TAppearanceOption::aoHideSelection)) return false;
  bool focusedCell = col == m_selectedColumn && row == m_selectedRow;
  if (Options().Has(TGridOption::goSelectFullRow)) {
    if (!m_cells.Row(row).Selected) return false;
    return !focusedCell || !AppearanceOptions().Has(TAppearanceOption::aoIndicateSelectedCell);
  }
  return focusedCell;
}

void TDgCustomGrid::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_SETFOCUS:
      InvalidateSelection();
      break;
    case WM_KILLFOCUS:
      // Deactivating the application takes the focus too, so this covers it.
      CancelPendingMouse();
      InvalidateSelection();
      break;
    case WM_CANCELMODE:
      CancelPendingMouse();
      break;
    default:
      break;
  }
  TDgCustomGridControl::WndProc(m);
}

void TDgCustomGrid::InvalidateSelection() {
  if (m_options.Has(TGridOption::goSelectFullRow)) {
    for (const GridLayout::BodyRow& r : GridLayout(*this, ClientRect()).VisibleRows()) {
      if (r.row < RowCount() && m_cells.Row(r.row).Selected) InvalidateRow(r.row);
    }
  } else {
    InvalidateCell(m_selectedColumn, m_selectedRow);
  }
}

void TDgCustomGrid::Paint() {
  TCanvas& canvas = Canvas();
  GridLayout layout(*this, ClientRect());
  PaintBody(canvas, layout);
  m_header.Paint(canvas, layout);
  const TRect& client = layout.Client();
  if (layout.Body().Right < client.Right) {
    FillSolid(canvas, {layout.Body().Right, client.Top, client.Right, client.Bottom}, Color());
  }
  if (m_cells.ShownRowCount() == 0 && !Caption().empty()) {
    canvas.Font() = Font();
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    canvas.Brush().Style = TBrushStyle::bsClear;
    TRect line{client.Left, layout.BodyTop() + 4, client.Right, layout.BodyTop() + 4 + 20};
    DrawText(canvas, Caption(), line, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_TOP);
  }
  if (OnPostDraw) OnPostDraw(this);
}

void TDgCustomGrid::PaintBody(TCanvas& canvas, const GridLayout& layout) {
  const TRect body = layout.Body();
  const TRect clip = canvas.ClipRect();
  const int separator = layout.Lines().Separator();
  for (const GridLayout::BodyRow& r : layout.VisibleRows()) {
    if (r.top >= clip.Bottom) break;
    if (r.top + r.height + separator <= clip.Top) continue;
    bool exists = r.row < RowCount();
    for (int position = 0; position < m_columns->Count(); ++position) {
      const TDgCustomColumn& column = *m_columns->ByPosition(position);
      if (!column.Visible()) continue;
      int left = layout.ColumnLeft(column);
      if (left + column.Width() <= body.Left || left >= layout.Client().Right) continue;
      if (exists) {
        PaintCell(canvas, layout, column.Index(), r);
      } else {
        PaintEmptyCell(canvas, layout, column.Index(), r);
      }
    }
  }
  if (Options().Has(TGridOption::goSelectFullRow)) PaintFocusRect(canvas, layout);
}

namespace {

// The grid lines of one cell (rectangle of its row and column), in colour.
void PaintCellLines(TCanvas& canvas, const GridLineWidths& lines, const TRect& r, TColor horizontal,
                    TColor vertical, bool lines3D) {
  if (lines.horizontal > 0)
    FillSolid(canvas, {r.Left, r.Bottom, r.Right + 1, r.Bottom + 1}, horizontal);
  if (lines3D) {
    FillSolid(canvas, {r.Left, r.Top - 1, r.Right + 1, r.Top}, clBtnHighlight);
    FillSolid(canvas, {r.Left, r.Top - 1, r.Left + 1, r.Bottom + 1}, clBtnHighlight);
  }
  if (lines.vertical > 0)
    FillSolid(canvas, {r.Right - 1, r.Top - 1, r.Right, r.Bottom + 1}, vertical);
}

// Clips the canvas to a cell widened by its lines, and never into the fixed columns or below the
// body.
TRect CellClip(const GridLayout& layout, const TRect& r, bool fixed, int fixedRight) {
  const GridLineWidths& lines = layout.Lines();
  TRect clip{r.Left - lines.left3D, r.Top - lines.top3D, r.Right + lines.vertical,
             std::min(r.Bottom + lines.horizontal, layout.Body().Bottom)};
  if (!fixed) clip.Left = std::max(clip.Left, fixedRight);
  return clip;
}

}  // namespace

void TDgCustomGrid::PaintCell(TCanvas& canvas, const GridLayout& layout, int col,
                              const GridLayout::BodyRow& at) {
  const int row = at.row;
  const TDgCustomColumn& column = *m_columns->Items(col);
  TRect rect = layout.CellRect(column, at);
  if (!rect.Intersects(canvas.ClipRect())) return;
  TCanvasSaver saver(canvas);
  canvas.Font() = column.Font();
  TCell& cell = m_cells.CellInRange(col, row);
  TColor background = column.ParentCellColor() ? column.Color() : cell.Color();
  if (AppearanceOptions().Has(TAppearanceOption::aoIndicateSortedColumn) && column.Sorted()) {
    background = Darken(background);
  }
  TCellState state;
  bool selected = IsCellSelected(col, row);
  if (selected) {
    state.Include(TCellStateItem::csSelected);
    if (AppearanceOptions().Has(TAppearanceOption::aoBoldTextSelection)) {
      state.Include(TCellStateItem::csBoldTextSelection);
    }
    background = !HasFocus() ? InactiveSelectionColor
                 : AppearanceOptions().Has(TAppearanceOption::aoAlphaBlendedSelection)
                     ? BlendHighlight(background)
                     : SelectionColor;
  }
  if (HasFocus() && !AppearanceOptions().Has(TAppearanceOption::aoHideFocus)) {
    state.Include(TCellStateItem::csFocused);
  }
  TColor gridColor = GridLinesColor;
  if (OnCellColoring) OnCellColoring(this, col, row, background, gridColor, state);
  if (column.Sorted() && !selected) {
    if (SortedStyle == TSortedStyle::soDarker) background = Darken(background);
    if (SortedStyle == TSortedStyle::soWhite) background = clWhite;
  }
  bool fixed = column.Position() < m_columns->FixedColumns();
  canvas.IntersectClipRect(CellClip(layout, rect, fixed, m_columns->FixedWidth()));
  const GridLineWidths& lines = layout.Lines();
  if (Options().Has(TGridOption::goGrid)) {
    bool framed = GridLinesStyle() == TGridLinesStyle::lsFramed;
    TColor horizontal = framed && row == RowCount() - 1 ? clBlack : gridColor;
    TColor vertical = framed && &column == m_columns->LastVisible() ? clBlack : gridColor;
    PaintCellLines(canvas, lines, rect, horizontal, vertical,
                   AppearanceOptions().Has(TAppearanceOption::ao3DGridLines));
  }
  rect.Left += lines.left3D;
  rect.Right -= lines.vertical;
  bool fill = !AppearanceOptions().Has(TAppearanceOption::aoDontFillCells) &&
              column.DrawingOptions() != TDrawingOptions::doCustomOnly;
  if (OnDrawCellBackground) OnDrawCellBackground(this, col, row, rect, state, fill);
  if (fill) FillSolid(canvas, rect, background);
  TRect content{rect.Left + column.Padding(), rect.Top, rect.Right - column.Padding(), rect.Bottom};
  TDrawingOptions drawing = column.DrawingOptions();
  if (drawing == TDrawingOptions::doNormal || drawing == TDrawingOptions::doCustom) {
    TColor textColor = selected && HasFocus() ? HighlightedTextColor : column.Font().Color();
    if (!Enabled()) textColor = clGrayText;
    TFontStyles style = cell.FontStyle();
    if (state.Has(TCellStateItem::csBoldTextSelection)) style += TFontStyle::fsBold;
    if (OnCellFormating) OnCellFormating(this, col, row, textColor, style, state);
    canvas.Font().SetColor(textColor);
    canvas.Font().SetStyle(style);
    TColumnDisplay::For(column).Paint(canvas, column, CellInfo(col, row), content);
  }
  if (AppearanceOptions().Has(TAppearanceOption::aoHintMarks) && !cell.Hint().empty()) {
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = clRed;
    canvas.Pen().Color = clRed;
    canvas.Polygon({{content.Right - 5, content.Top},
                    {content.Right - 1, content.Top},
                    {content.Right - 1, content.Top + 4}});
  }
  if (drawing != TDrawingOptions::doNormal && OnCustomDrawCell) {
    OnCustomDrawCell(this, col, row, rect, state);
  }
  if (!Options().Has(TGridOption::goSelectFullRow) && col == m_selectedColumn &&
      row == m_selectedRow && HasFocus() &&
      !AppearanceOptions().Has(TAppearanceOption::aoHideFocus)) {
    DrawFocusFrame(canvas, rect);
  }
}

void TDgCustomGrid::PaintEmptyCell(TCanvas& canvas, const GridLayout& layout, int col,
                                   const GridLayout::BodyRow& at) {
  const int row = at.row;
  const TDgCustomColumn& column = *m_columns->Items(col);
  TRect rect = layout.CellRect(column, at);
  if (!rect.Intersects(canvas.ClipRect())) return;
  TCanvasSaver saver(canvas);
  TColor background = Color();
  if (AppearanceOptions().Has(TAppearanceOption::aoIndicateSortedColumn) && column.Sorted()) {
    background = Darken(background);
  }
  // Rows end with the last one: below it the active-row styles show no lines.
  bool activeOnly = GridLinesStyle() == TGridLinesStyle::lsActiveRows ||
                    GridLinesStyle() == TGridLinesStyle::lsActiveHorzOnly;
  TColor gridColor = activeOnly ? background : GridLinesColor;
  TCellState state{TCellStateItem::csEmpty};
  if (OnCellColoring) OnCellColoring(this, col, row, background, gridColor, state);
  bool fixed = column.Position() < m_columns->FixedColumns();
  canvas.IntersectClipRect(CellClip(layout, rect, fixed, m_columns->FixedWidth()));
  const GridLineWidths& lines = layout.Lines();
  if (Options().Has(TGridOption::goGrid)) {
    PaintCellLines(canvas, lines, rect, gridColor, gridColor,
                   AppearanceOptions().Has(TAppearanceOption::ao3DGridLines));
  }
  rect.Left += lines.left3D;
  rect.Right -= lines.vertical;
  bool fill = true;
  if (OnDrawCellBackground) OnDrawCellBackground(this, col, row, rect, state, fill);
  if (fill) FillSolid(canvas, rect, background);
}

void TDgCustomGrid::PaintFocusRect(TCanvas& canvas, const GridLayout& layout) {
  if (!HasFocus() || RowCount() == 0 || AppearanceOptions().Has(TAppearanceOption::aoHideFocus)) {
    return;
  }
  if (m_selectedRow < m_topRow || m_selectedRow >= RowCount()) return;
  if (m_selectedColumn < 0 || m_selectedColumn >= m_columns->Count()) return;
  const TRect body = layout.Body();
  int top = layout.RowTop(m_selectedRow);
  TRect focus{body.Left, top,
              body.Left - HorzScrollPosition() + m_columns->TotalWidth() - layout.Lines().vertical,
              top + m_cells.Row(m_selectedRow).Height};
  if (!focus.Intersects(body)) return;
  TCanvasSaver saver(canvas);
  canvas.IntersectClipRect(body);
  DrawFocusFrame(canvas, focus);
}

void TDgCustomGrid::DrawFocusFrame(TCanvas& canvas, const TRect& rect) {
  if (AppearanceOptions().Has(TAppearanceOption::aoAlphaBlendedSelection)) {
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = clHighlight;
    canvas.FrameRect(rect);
    return;
  }
  canvas.Brush().Color = clBlack;
  canvas.Font().SetColor(clWhite);
  canvas.DrawFocusRect(rect);
}
}  // namespace kx
