#pragma once

#include <functional>
#include <memory>
#include <random>

#include "grid/cell_store.h"
#include "grid/columns.h"
#include "platform/forms/controls.h"

namespace kx {

enum class TGridOption {
  goCanHideColumn,
  goDisableColumnMoving,
  goDisableKeys,
  goEscClearEdit,
  goFooter,
  goGrid,
  goHeader,
  goIndicator,
  goInput,
  goLockFixedCols,
  goMultiSelect,
  goRowResizing,
  goRowMoving,
  goSecondClickEdit,
  goSelectFullRow,
  goUseDefaultValues,
  goInplaceEditEvents
};
using TGridOptions = TSet<TGridOption>;

enum class TAppearanceOption {
  ao3DGridLines,
  aoAlphaBlendedSelection,
  aoBoldTextSelection,
  aoDontFillCells,
  aoHideFocus,
  aoHideSelection,
  aoHighlightSlideCells,
  aoHintMarks,
  aoIndicateSelectedCell,
  aoIndicateSortedColumn
};
using TAppearanceOptions = TSet<TAppearanceOption>;

enum class TDataChange {
  dcAddColumn,
  dcAddRow,
  dcInsertColumn,
  dcInsertRow,
  dcDeleteColumn,
  dcDeleteRow
};

enum class TGridLinesStyle {
  lsNormal,
  lsActiveHorzOnly,
  lsActiveRows,
  lsFramed,
  lsHorizontalOnly,
  lsVerticalOnly
};
enum class THeaderStyle {
  hsAuto,
  hsFlatBorders,
  hsOffice2007,
  hsOffice2010,
  hsOldStyle,
  hsOutlook,
  hsVista
};

enum class TSortedStyle { soDefault, soDarker, soWhite };
enum class TCellStateItem { csBoldTextSelection, csEmpty, csFocused, csSelected };
using TCellState = TSet<TCellStateItem>;

using TCellEvent = std::function<void(TObject* sender, int col, int row)>;
using TCellColoringEvent = std::function<void(TObject* sender, int col, int row, TColor& cellColor,
                                              TColor& gridColor, TCellState state)>;
using TCellFormatingEvent = std::function<void(TObject* sender, int col, int row, TColor& textColor,
                                               TFontStyles& fontStyle, TCellState state)>;
using TDrawCellBackgroundEvent =
    std::function<void(TObject* sender, int col, int row, const TRect& cellRect, TCellState state,
                       bool& defaultDrawing)>;
using TCustomDrawCellEvent =
    std::function<void(TObject* sender, int col, int row, const TRect& cellRect, TCellState state)>;
using TDataChangeEvent = std::function<void(TObject* sender, TDataChange change, int index)>;
using TColumnEvent = std::function<void(TObject* sender, int col)>;
using TColumnMoveEvent = std::function<void(TObject* sender, int col, int fromPos, int toPos)>;
using TSortColumnEvent = std::function<void(TObject* sender, int col, bool ascending)>;
using TCompareEvent =
    std::function<void(TObject* sender, TCell& cell1, TCell& cell2, int& compare)>;
using TBeforeSelectEvent = std::function<void(TObject* sender, int col, int row, bool& accept)>;

// The data grid: a cell store with columns, rows, selection and sorting. The
// model works without a window; invalidation draws once the grid has one.
class TDataGrid : public TCustomControl, private ColumnsListener {
 public:
  explicit TDataGrid(TComponent* owner);
  ~TDataGrid() override;

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

  TGridOptions Options{TGridOption::goHeader};
  // The look that painting reads.
  TColor GridLinesColor = clBtnFace;
  TGridLinesStyle GridLinesStyle = TGridLinesStyle::lsNormal;
  THeaderStyle HeaderStyle = THeaderStyle::hsAuto;
  TColor SelectionColor = clHighlight;
  TColor InactiveSelectionColor = clBtnFace;
  TColor HighlightedTextColor = clHighlightText;
  TSortedStyle SortedStyle = TSortedStyle::soDefault;
  int HeaderSize = 18;
  // The pixels the body is scrolled to the left.
  int HorzScrollPosition() const { return m_horzScroll; }
  // Whether the cell is painted as selected.
  bool IsCellSelected(int col, int row);
  // Whether the grid has the keyboard focus.
  bool HasFocus() const;
  TAppearanceOptions AppearanceOptions{TAppearanceOption::aoHideSelection,
                                       TAppearanceOption::aoHighlightSlideCells};
  int RowSize() const { return m_cells.DefaultRowHeight(); }
  void SetRowSize(int size) { m_cells.SetDefaultRowHeight(size); }

  // Selection.
  int SelectedColumn() const { return m_selectedColumn; }
  int SelectedRow() const { return m_selectedRow; }
  void SetSelectedRow(int row);
  void SelectCell(int col, int row, TShiftState shift = 0);
  int TopRow() const { return m_topRow; }

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

  // Moves the selection to the next or previous shown row (nothing without a selection).
  void SelectNextRow();
  void SelectPreviousRow();
  void SelectFirstRow();
  void SelectLastRow();
  void SetTopRow(int row);

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  // Paints the whole client area: the body, the headers, the area right of the
  // columns, the caption when no row shows; then raises OnPostDraw.
  void Paint() override;
  void WndProc(TMessage& m) override;
  // Invalidation of the grid's parts; without a window they do nothing.
  virtual void InvalidateCell(int col, int row);
  virtual void InvalidateRow(int row);
  virtual void InvalidateColumn(int col);
  virtual void InvalidateHeader();
  virtual void InvalidateBody();
  virtual void UpdateScrollBars() {}
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
  // The new row order for sorting by the column.
  std::vector<int> SortedOrder(int col, bool descending);

  TCells m_cells;
  std::unique_ptr<TDgColumns> m_columns;
  std::minstd_rand m_random{0x4B58};
  int m_updateCount = 0;
  int m_lastAddedRow = 0;
  int m_selectedColumn = 0;
  int m_selectedRow = -1;
  int m_anchorRow = -1;
  int m_topRow = 0;
  int m_horzScroll = 0;
  // The press that a release completes (grid_interaction.cpp).
  bool m_pressed = false;
  int m_pressColumn = -1;
  int m_pressRow = -1;
  int m_pressedHeader = -1;
  // The number of rows wholly visible from the top row.
  int FullyVisibleRows();
  // The nearest shown row after (step 1) or before (step -1) the selected one that may be selected.
  void SelectShownRow(int step);
  void ScrollIntoView(int row);

  // Painting (grid_painting.cpp).
  void PaintBody(TCanvas& canvas, const class GridLayout& layout);
  void PaintCell(TCanvas& canvas, const GridLayout& layout, int col, int row);
  void PaintEmptyCell(TCanvas& canvas, const GridLayout& layout, int col, int row);
  void PaintHeaders(TCanvas& canvas, const GridLayout& layout);
  void PaintFocusRect(TCanvas& canvas, const GridLayout& layout);
};

}  // namespace kx
