#pragma once

#include <functional>
#include <memory>
#include <random>

#include "grid/grid_control.h"
#include "grid/grid_layout.h"
#include "grid/grid_types.h"
#include "grid/header_part.h"
#include "grid/model/cell_store.h"
#include "grid/model/columns.h"

namespace kx {

// The grid: a cell store with columns, rows, selection and sorting, painted
// and driven by mouse, keys and scroll bars. The model works without a
// window; invalidation and scrolling act once the grid has one.
class TDgCustomGrid : public TDgCustomGridControl, private ColumnsListener {
 public:
  explicit TDgCustomGrid(TComponent* owner);
  ~TDgCustomGrid() override;

  TDgColumns& Columns() { return *m_columns; }
  const TDgColumns& Columns() const { return *m_columns; }
  TCells& Store() { return m_cells; }
  const TCells& Store() const { return m_cells; }

  // Cells and rows.
  WideString Cells(int col, int row) const;
  void SetCells(int col, int row, const WideString& text);
  // Records the lookup for the change notification; a row out of range raises the list error.
  TCell& Cell(int col, int row);
  int RowCount() const { return m_cells.RowCount(); }
  void SetRowCount(int count);
  int AddRow(int count = 1);
  void InsertRow(int index);
  void DeleteRow(int index);
  void ClearRows();
  void BeginUpdate() { ++m_updateCount; }
  void EndUpdate();
  bool Updating() const { return m_updateCount > 0; }
  // Shows or hides a row; the shown rows, the scroll bar and the view follow.
  void SetRowShown(int row, bool shown);
  // The first and the last shown row; 0 while no row is shown, as after ClearRows.
  int FirstShownRow() const;
  int LastShownRow() const;

  // Settings that change lines, scroll bars and the picture when set.
  const TGridOptions& Options() const { return m_options; }
  void SetOptions(const TGridOptions& options);
  const TAppearanceOptions& AppearanceOptions() const { return m_appearanceOptions; }
  void SetAppearanceOptions(const TAppearanceOptions& options);
  // The grid lines' style; a change re-measures the rows and repaints.
  TGridLinesStyle GridLinesStyle() const { return m_gridLinesStyle; }
  void SetGridLinesStyle(TGridLinesStyle style);
  int RowSize() const { return m_cells.DefaultRowHeight(); }
  // The height of every row, those that exist included.
  void SetRowSize(int size);
  // Whether the vertical bar hides when every row fits.
  bool HideScrollBar() const { return VertScrollBar().AutoHide(); }
  void SetHideScrollBar(bool value) { VertScrollBar().SetAutoHide(value); }

  // The look that painting reads.
  TColor GridLinesColor = clBtnFace;
  THeaderStyle HeaderStyle = THeaderStyle::hsAuto;
  TColor SelectionColor = clHighlight;
  TColor InactiveSelectionColor = clBtnFace;
  TColor HighlightedTextColor = clHighlightText;
  TSortedStyle SortedStyle = TSortedStyle::soDefault;
  int HeaderSize = 18;
  // The pixels the body is scrolled to the left.
  int HorzScrollPosition() const { return HorzScrollBar().Position(); }
  // Whether the cell is painted as selected.
  bool IsCellSelected(int col, int row);
  // Whether the grid has the keyboard focus.
  bool HasFocus() const;

  // Selection.
  int SelectedColumn() const { return m_selectedColumn; }
  int SelectedRow() const { return m_selectedRow; }
  void SetSelectedRow(int row);
  void SelectCell(int col, int row, TShiftState shift = 0);
  int TopRow() const { return m_topRow; }
  // Scrolls so that the row (moved to a shown one) is the top row, at most as
  // far as the last page: the top row is 0 while every row fits.
  void SetTopRow(int row);
  // Scrolls the view by count shown rows (up when negative), within the same limits.
  void ScrollRows(int count);
  // Moves the selection to the next or previous shown row (nothing without a selection).
  void SelectNextRow();
  void SelectPreviousRow();
  void SelectFirstRow();
  void SelectLastRow();
  // Scrolls the least that shows the row or the column wholly.
  void ScrollToRow(int row);
  void ScrollToColumn(int col);

  // Sorting by a column (column index); nothing when the column cannot sort.
  void SortByColumn(int col);

  // The value snapshot of a cell, filled for the cell's kind.
  TCellInfo CellInfo(int col, int row);
  // Sets the column's width to what the widest content of its shown rows needs.
  void FitColumnWidth(int col);

  TCellEvent OnChange;
  TDataChangeEvent OnDataChange;
  TColumnMoveEvent OnColumnMove;
  TColumnEvent OnColumnResize;
  TSortColumnEvent OnSortColumn;
  TColumnEvent OnAfterSort;
  TCompareEvent OnCompare;
  TBeforeSelectEvent OnBeforeSelect;
  TCellEvent OnDeselectCell;
  TCellEvent OnSelectCell;
  TCellColoringEvent OnCellColoring;
  TCellFormatingEvent OnCellFormating;
  TDrawCellBackgroundEvent OnDrawCellBackground;
  TCustomDrawCellEvent OnCustomDrawCell;
  TNotifyEvent OnPostDraw;
  TCellEvent OnCellClick;
  TCellEvent OnCellDblClick;
  TColumnEvent OnHeaderClick;
  TColumnEvent OnHeaderDblClick;
  TApplyCellEvent OnApplyCell;
  TCellHintEvent OnCellHint;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void Resize() override;
  void SetEnabled(bool enabled) override;
  // Paints the client area: the body, the headers, the area right of the
  // columns, the caption when no row shows; then raises OnPostDraw.
  void Paint() override;
  void WndProc(TMessage& m) override;
  void ScrollContent(TScrollBarKind kind, int from, int to) override;
  void BeforeScroll(TScrollBarKind kind) override;
  void AfterScroll(TScrollBarKind kind) override;
  // Invalidation of the grid's parts; without a window they do nothing.
  virtual void InvalidateCell(int col, int row);
  virtual void InvalidateRow(int row);
  virtual void InvalidateColumn(int col);
  virtual void InvalidateHeader();
  virtual void InvalidateBody();
  // The selected cell, or every selected row in view.
  void InvalidateSelection();
  // Brings the scroll bars up to the rows, the columns and the client size.
  void UpdateVertScrollBar();
  void UpdateHorzScrollBar();
  void UpdateScrollBars();
  void ComputeVertScrollBar();
  // Runs a bar update again while it changes the client size (at most three times).
  void UntilClientHolds(const std::function<void()>& update);
  // The width a cell's content needs: its display text in the column's font with
  // the cell's style, or the image width of an image column. canvas measures.
  virtual int CellContentWidth(int col, int row, TCanvas& canvas);
  void FontChanged() override;

 private:
  void ColumnChanged(TDgCustomColumn& column, const ColumnChange& change) override;
  void ColumnRefresh(TDgCustomColumn& column) override;
  void ColumnAdded(TDgCustomColumn& column, int index) override;
  void ColumnRemoved(int index) override;
  void CellChanged(int col, int row);
  void DataChange(TDataChange change, int index);
  // The first shown row from row on in steps of step (1 or -1), -1 for none.
  int ShownRowFrom(int row, int step) const;
  // Keeps the selection on its row after the row at index went, or moves it to the last shown row.
  void FollowDeletedRow(int index);
  void LayoutChanged();
  // The new row order for sorting by the column.
  std::vector<int> SortedOrder(int col, bool descending);

  TCells m_cells;
  std::unique_ptr<TDgColumns> m_columns;
  std::minstd_rand m_random{0x4B58};
  TGridOptions m_options{TGridOption::goHeader};
  TAppearanceOptions m_appearanceOptions{TAppearanceOption::aoHideSelection,
                                         TAppearanceOption::aoHighlightSlideCells};
  TGridLinesStyle m_gridLinesStyle = TGridLinesStyle::lsNormal;
  int m_updateCount = 0;
  int m_lastAddedRow = 0;
  int m_selectedColumn = 0;
  int m_selectedRow = -1;
  int m_anchorRow = -1;
  int m_topRow = 0;
  int m_clientWidth = -1;
  int m_clientHeight = -1;
  bool m_updatingBars = false;

  // The mouse (grid_interaction.cpp): the cell of the last press, which a
  // release completes; the header row's gestures are the header part's.
  int m_mouseDownColumn = -1;
  int m_mouseDownRow = -1;
  friend class GridHeaderPart;
  GridHeaderPart m_header{*this};
  // The number of rows wholly visible from the top row.
  int FullyVisibleRows();
  // Sets the vertical bar's position, kept between 0 and the last page.
  void ScrollToPosition(int position);
  // The shown rows from `from` (inclusive) to `to` (exclusive).
  int ShownRowsBetween(int from, int to) const;
  // The shown row `count` shown rows after (before, when negative) the row.
  int ShownRowAfter(int row, int count) const;
  // The nearest shown row after (step 1) or before (step -1) the selected one that may be selected.
  void SelectShownRow(int step);
  void SelectColumnStep(int step);
  // Ends a press, a resize, a drag or a header press without their effects.
  void CancelPendingMouse();

  // Hints (grid_hints.cpp).
  int m_hoverColumn = -1;
  int m_hoverRow = -1;
  int m_hoverHeader = -1;
  void UpdateHints(int x, int y);
  void UpdateCellHint(int col, int row);
  // The cell's text as a fit hint shows it, after OnApplyCell.
  WideString HintText(int col, int row);

  // Painting (grid_painting.cpp).
  void PaintBody(TCanvas& canvas, const GridLayout& layout);
  // A cell of a body row: an existing row's, or one of the empty area below the rows.
  void PaintCell(TCanvas& canvas, const GridLayout& layout, int col, const GridLayout::BodyRow& at);
  void PaintEmptyCell(TCanvas& canvas, const GridLayout& layout, int col,
                      const GridLayout::BodyRow& at);
  void PaintFocusRect(TCanvas& canvas, const GridLayout& layout);
  // The dotted focus rectangle, or a solid highlight frame with aoAlphaBlendedSelection.
  void DrawFocusFrame(TCanvas& canvas, const TRect& rect);
};

}  // namespace kx
