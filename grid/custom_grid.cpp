#include "grid/custom_grid.h"

#include <algorithm>
#include <cctype>

#include "grid/grid_layout.h"
#include "grid/model/sorting.h"
#include "platform/forms/image_list.h"
#include "platform/gfx/bitmap.h"
#include "platform/window/api.h"

namespace kx {

using enum TColumnChange;

TDgCustomGrid::TDgCustomGrid(TComponent* owner)
    : TDgCustomGridControl(owner),
      m_columns(std::make_unique<TDgColumns>(nullptr, static_cast<ColumnsListener&>(*this))) {
  TabStop = true;
  SetColor(clWindow);
  m_cells.OnCellChanged = [this](TCells&, int col, int row) { CellChanged(col, row); };
}

TDgCustomGrid::~TDgCustomGrid() {
  m_cells.OnCellChanged = nullptr;
  m_columns.reset();
}

// ---- cells and rows

WideString TDgCustomGrid::Cells(int col, int row) const {
  if (col < 0 || col >= m_cells.ColumnCount() || row < 0 || row >= RowCount()) return {};
  return const_cast<TCells&>(m_cells).CellInRange(col, row).AsString();
}

void TDgCustomGrid::SetCells(int col, int row, const WideString& text) {
  if (col < 0 || col >= m_cells.ColumnCount() || row < 0 || row >= RowCount()) return;
  m_cells.CellInRange(col, row).SetAsString(text);
}

TCell& TDgCustomGrid::Cell(int col, int row) {
  return m_cells.Cell(col, row);
}

void TDgCustomGrid::SetRowCount(int count) {
  if (count < 0) return;
  if (count > RowCount()) {
    AddRow(count - RowCount());
    return;
  }
  while (RowCount() > count) DeleteRow(RowCount() - 1);
}

int TDgCustomGrid::AddRow(int count) {
  if (count < 1) return m_lastAddedRow;
  int oldCount = RowCount();
  m_cells.AppendRows(count);
  if (Options().Has(TGridOption::goUseDefaultValues)) {
    for (int row = oldCount; row < RowCount(); ++row) {
      for (int col = 0; col < m_columns->Count(); ++col) {
        const WideString& value = m_columns->Items(col)->DefaultValue;
        if (!value.empty()) SetCells(col, row, value);
      }
    }
  }
  if (!Updating()) {
    if (oldCount > 0) InvalidateRow(oldCount - 1);
    for (int row = oldCount; row < RowCount(); ++row) InvalidateRow(row);
  }
  m_lastAddedRow = RowCount() - 1;
  if (!Updating()) UpdateVertScrollBar();
  DataChange(TDataChange::dcAddRow, m_lastAddedRow);
  return m_lastAddedRow;
}

void TDgCustomGrid::InsertRow(int index) {
  index = std::clamp(index, 0, RowCount());
  m_cells.InsertRowAt(index);
  m_lastAddedRow = index;
  // The selection moves on by one whatever the index (none becomes row 0), as
  // the setter does it: with the row's flag and the selection events.
  SetSelectedRow(m_selectedRow + 1);
  InvalidateBody();
  UpdateScrollBars();
  DataChange(TDataChange::dcInsertRow, index);
}

void TDgCustomGrid::DeleteRow(int index) {
  bool shown = m_cells.Row(index).Shown();  // raises the list error for a bad index
  m_cells.DeleteRowAt(index);
  if (shown && m_topRow > index) --m_topRow;
  // The top row always names a row while there is one, and a shown one.
  m_topRow = std::clamp(m_topRow, 0, std::max(0, RowCount() - 1));
  if (RowCount() > 0 && !m_cells.Row(m_topRow).Shown()) m_topRow = std::max(0, FirstShownRow());
  FollowDeletedRow(index);
  InvalidateBody();
  UpdateScrollBars();
  DataChange(TDataChange::dcDeleteRow, index);
}

void TDgCustomGrid::FollowDeletedRow(int index) {
  bool selectionDeleted = index == m_selectedRow;
  // A selection below the deleted row stays on its row, so that SelectedRow and
  // the row's Selected flag keep naming the same row.
  if (index < m_selectedRow) --m_selectedRow;
  int lastShown = ShownRowFrom(RowCount() - 1, -1);
  bool pastLast = m_selectedRow > lastShown || (selectionDeleted && m_selectedRow == lastShown);
  if (m_selectedRow < 0 || !pastLast) return;
  if (OnDeselectCell && m_selectedColumn >= 0 && m_selectedColumn < m_columns->Count()) {
    OnDeselectCell(this, m_selectedColumn, selectionDeleted ? index : m_selectedRow);
  }
  m_selectedRow = lastShown;
}

void TDgCustomGrid::SetRowShown(int row, bool shown) {
  TRow& record = m_cells.Row(row);  // the list error for a bad index
  if (record.Visible == shown) return;
  m_cells.SetRowVisible(row, shown);
  if (!shown && row == m_topRow) {
    int next = ShownRowAfter(row, 1);
    m_topRow = next >= 0 ? next : std::max(0, LastShownRow());
  }
  InvalidateBody();
  UpdateVertScrollBar();
}

int TDgCustomGrid::ShownRowFrom(int row, int step) const {
  for (int r = row; r >= 0 && r < RowCount(); r += step) {
    if (m_cells.Row(r).Shown()) return r;
  }
  return -1;
}

int TDgCustomGrid::FirstShownRow() const {
  return std::max(0, ShownRowFrom(0, 1));
}

int TDgCustomGrid::LastShownRow() const {
  return std::max(0, ShownRowFrom(RowCount() - 1, -1));
}

void TDgCustomGrid::ClearRows() {
  m_topRow = 0;
  m_selectedColumn = 0;
  m_selectedRow = -1;
  m_cells.ClearAllRows();
  InvalidateBody();
  VertScrollBar().BeginUpdate();
  VertScrollBar().SetPosition(0);
  VertScrollBar().EndUpdate();
  UpdateScrollBars();
}

void TDgCustomGrid::EndUpdate() {
  if (m_updateCount == 0) return;
  if (--m_updateCount > 0) return;
  InvalidateBody();
  if (Options().Has(TGridOption::goHeader)) InvalidateHeader();
  UpdateScrollBars();
}

void TDgCustomGrid::SetOptions(const TGridOptions& options) {
  if (options == m_options) return;
  m_options = options;
  LayoutChanged();
}

void TDgCustomGrid::SetAppearanceOptions(const TAppearanceOptions& options) {
  if (options == m_appearanceOptions) return;
  m_appearanceOptions = options;
  LayoutChanged();
}

void TDgCustomGrid::SetGridLinesStyle(TGridLinesStyle style) {
  if (style == m_gridLinesStyle) return;
  m_gridLinesStyle = style;
  LayoutChanged();  // the row pitch follows the horizontal lines
}

void TDgCustomGrid::SetRowSize(int size) {
  if (size < 1 || size == RowSize()) return;
  m_cells.SetDefaultRowHeight(size);
  for (int row = 0; row < RowCount(); ++row) m_cells.Row(row).Height = size;
  LayoutChanged();
}

void TDgCustomGrid::LayoutChanged() {
  if (Updating()) return;
  UpdateScrollBars();
  Invalidate();
}

void TDgCustomGrid::CellChanged(int col, int row) {
  if (Updating()) return;
  if (HandleAllocated() && col >= 0 && col < m_cells.ColumnCount() && row >= 0 &&
      row < RowCount()) {
    InvalidateCell(col, row);
  }
  if (OnChange) OnChange(this, col, row);
}

void TDgCustomGrid::DataChange(TDataChange change, int index) {
  if (OnDataChange) OnDataChange(this, change, index);
}

// ---- selection

void TDgCustomGrid::SetSelectedRow(int row) {
  if (RowCount() > 0 && row >= -1 && row < RowCount()) SelectCell(m_selectedColumn, row);
}

void TDgCustomGrid::SelectCell(int col, int row, TShiftState shift) {
  (void)shift;
  bool accept = true;
  if (OnBeforeSelect) OnBeforeSelect(this, col, row, accept);
  if (!accept) return;
  if (col < 0 || col >= m_columns->Count() || !m_columns->Items(col)->Enabled) return;
  if (row < -1 || row >= RowCount()) return;  // no such row: nothing is selected
  int oldCol = m_selectedColumn;
  int oldRow = m_selectedRow;
  m_selectedColumn = col;
  m_selectedRow = row;
  bool changed = oldCol != col || oldRow != row;
  bool oldValid = oldCol >= 0 && oldCol < m_columns->Count() && oldRow >= 0 && oldRow < RowCount();
  if (changed && oldValid && OnDeselectCell) OnDeselectCell(this, oldCol, oldRow);
  if (RowCount() == 0) return;
  if (!Options().Has(TGridOption::goSelectFullRow)) {
    if (changed) {
      if (oldValid) InvalidateCell(oldCol, oldRow);
      if (row >= 0) InvalidateCell(col, row);
    }
  } else {
    if (oldRow != row && oldRow >= 0 && oldRow < RowCount()) {
      m_cells.Row(oldRow).Selected = false;
      InvalidateRow(oldRow);
    }
    if (row >= 0) {
      m_cells.Row(row).Selected = true;
      m_anchorRow = row;
      if (!Updating()) InvalidateRow(row);
    }
  }
  if (OnSelectCell) OnSelectCell(this, col, row);
}

// ---- sorting

namespace {
template <typename T>
int ThreeWay(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}
}  // namespace

std::vector<int> TDgCustomGrid::SortedOrder(int col, bool descending) {
  TDgCustomColumn* column = m_columns->Items(col);
  auto n = static_cast<std::size_t>(RowCount());
  // Keys are read before any row moves, so a conversion error leaves the order untouched.
  switch (column->SortType()) {
    case TSortType::stNumeric:
    case TSortType::stDate:
    case TSortType::stBoolean: {
      TSortType type = column->SortType();
      std::vector<double> keys(n);
      for (std::size_t r = 0; r < n; ++r) {
        TCell& cell = m_cells.CellInRange(col, static_cast<int>(r));
        keys[r] = type == TSortType::stBoolean ? (cell.AsBoolean() ? 1.0 : 0.0)
                  : type == TSortType::stDate  ? cell.AsDateTime()
                                               : cell.AsFloat();
      }
      return SortOrder(std::move(keys), ThreeWay<double>, descending, m_random);
    }
    case TSortType::stCaseInsensitive: {
      std::vector<std::string> keys(n);
      for (std::size_t r = 0; r < n; ++r) {
        std::string key = WideToAnsi(m_cells.CellInRange(col, static_cast<int>(r)).AsString());
        for (char& c : key) {
          if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        keys[r] = std::move(key);
      }
      auto bytes = [](const std::string& a, const std::string& b) {
        return std::string_view(a).compare(b);
      };
      return SortOrder(std::move(keys), bytes, descending, m_random);
    }
    case TSortType::stCustom: {
      std::vector<TCell*> keys(n);
      for (std::size_t r = 0; r < n; ++r) keys[r] = &m_cells.CellInRange(col, static_cast<int>(r));
      auto custom = [this](TCell* a, TCell* b) {
        int result = 0;
        if (OnCompare) OnCompare(this, *a, *b, result);
        return result;
      };
      return SortOrder(std::move(keys), custom, descending, m_random);
    }
    case TSortType::stAlphabetic:
    case TSortType::stIP:
      break;
  }
  // Code unit by code unit; text cells lend their text, other kinds are converted once.
  std::vector<WideString> converted;
  std::vector<std::u16string_view> keys(n);
  if (column->CellKind() != TCellKind::String) converted.resize(n);
  for (std::size_t r = 0; r < n; ++r) {
    TCell& cell = m_cells.CellInRange(col, static_cast<int>(r));
    if (column->CellKind() == TCellKind::String) {
      keys[r] = static_cast<TStringCell&>(cell).Text();
    } else {
      converted[r] = cell.AsString();
      keys[r] = converted[r];
    }
  }
  auto units = [](std::u16string_view a, std::u16string_view b) { return a.compare(b); };
  return SortOrder(std::move(keys), units, descending, m_random);
}

void TDgCustomGrid::SortByColumn(int col) {
  if (col < 0 || col >= m_columns->Count()) return;
  TDgCustomColumn* column = m_columns->Items(col);
  if (!column->HasOption(TColumnOption::coCanSort)) return;
  bool descending = column->SortKind() == TSortKind::skDescending;
  if (OnSortColumn) OnSortColumn(this, col, !descending);
  const TRow* selected =
      m_selectedRow >= 0 && m_selectedRow < RowCount() ? &m_cells.Row(m_selectedRow) : nullptr;
  bool reverse = m_cells.Sorted() && m_cells.LastSortColumn() == col &&
                 m_cells.LastSortDescending() != descending &&
                 !column->HasOption(TColumnOption::coFullResort);
  if (reverse) {
    m_cells.ReverseRows();
  } else {
    m_cells.ApplyOrder(SortedOrder(col, descending));
  }
  m_cells.SetLastSort(col, descending);
  m_cells.SetSorted(true);
  // Rows moved under the view: the top row is the row at the bar's position again.
  m_topRow = std::max(0, ShownRowAfter(-1, VertScrollBar().Position() + 1));
  if (selected) {
    for (int r = 0; r < RowCount(); ++r) {
      if (&m_cells.Row(r) == selected) {
        SetSelectedRow(r);
        ScrollToRow(r);
        break;
      }
    }
  }
  InvalidateBody();
  if (OnAfterSort) OnAfterSort(this, col);
}

// ---- content

TCellInfo TDgCustomGrid::CellInfo(int col, int row) {
  TCellInfo info;
  TCell& cell = m_cells.Cell(col, row);  // the list error for a bad row or column
  switch (m_columns->Items(col)->CellKind()) {
    case TCellKind::String:
      info.AsString = cell.AsString();
      break;
    case TCellKind::Float:
      info.AsFloat = cell.AsFloat();
      break;
    case TCellKind::Integer:
      info.AsInteger = cell.AsInteger();
      break;
  }
  return info;
}

int TDgCustomGrid::CellContentWidth(int col, int row, TCanvas& canvas) {
  TDgCustomColumn* column = m_columns->Items(col);
  if (auto* image = dynamic_cast<TDgImageColumn*>(column))
    return image->Images() ? image->Images()->Width() : 0;
  canvas.Font() = column->Font();
  canvas.Font().SetStyle(m_cells.Cell(col, row).FontStyle());
  return canvas.TextWidthW(column->DisplayText(CellInfo(col, row)));
}

void TDgCustomGrid::FitColumnWidth(int col) {
  if (col < 0 || col >= m_columns->Count()) return;
  TBitmap scratch(1, 1);
  int widest = 0;
  for (int row = 0; row < RowCount(); ++row) {
    if (m_cells.Row(row).Shown())
      widest = std::max(widest, CellContentWidth(col, row, scratch.Canvas()));
  }
  TDgCustomColumn* column = m_columns->Items(col);
  column->SetWidth(std::max(widest, 8) + 2 * column->Padding() + 5);
}

// ---- columns

void TDgCustomGrid::ColumnAdded(TDgCustomColumn& column, int index) {
  if (!m_cells.InsertColumn(index, column.CellTemplate())) return;
  column.ParentFontChanged(Font());
  InvalidateBody();
  if (Options().Has(TGridOption::goHeader)) InvalidateHeader();
  if (!Updating()) UpdateHorzScrollBar();
  DataChange(TDataChange::dcAddColumn, index);
}

void TDgCustomGrid::ColumnRemoved(int index) {
  m_cells.DeleteColumn(index);
  // A grid that is going away tells nobody: the handlers' objects may be gone.
  if (Destroying()) return;
  if (m_selectedColumn >= m_columns->Count())
    m_selectedColumn = std::max(0, m_columns->Count() - 1);
  Invalidate();
  if (!Updating()) UpdateHorzScrollBar();
  DataChange(TDataChange::dcDeleteColumn, index);
}

void TDgCustomGrid::ColumnRefresh(TDgCustomColumn& column) {
  if (HandleAllocated()) InvalidateColumn(column.Index());
}

void TDgCustomGrid::ColumnChanged(TDgCustomColumn& column, const ColumnChange& change) {
  // New cells take the column's look as it is when they are made, window or not.
  if (change.Code == Look) {
    m_cells.SetColumnLook(column.Index(), column.Color(), column.Font().Style());
  }
  if (!HandleAllocated()) return;
  int col = column.Index();
  switch (change.Code) {
    case Moved:
      if (OnColumnMove) OnColumnMove(this, col, change.FromPosition, change.ToPosition);
      Invalidate();
      break;
    case SortedOn:
      InvalidateHeader();
      SortByColumn(col);
      break;
    case SortChanged:
      if (column.Sorted()) {
        InvalidateHeader();
        SortByColumn(col);
      }
      break;
    case Look:
      InvalidateColumn(col);
      break;
    case VisibleChanged:
      UpdateScrollBars();
      Invalidate();
      break;
    case SortedOff:
      InvalidateHeader();
      break;
    case Resized:
      Invalidate();
      if (OnColumnResize) OnColumnResize(this, col);
      UpdateScrollBars();
      break;
    case InputValue:
      break;
  }
}

void TDgCustomGrid::FontChanged() {
  TDgCustomGridControl::FontChanged();
  for (int i = 0; i < m_columns->Count(); ++i) m_columns->Items(i)->ParentFontChanged(Font());
}

// ---- invalidation: only the rectangles that change

void TDgCustomGrid::InvalidateCell(int col, int row) {
  if (!HandleAllocated() || Updating() || col < 0 || col >= m_columns->Count()) return;
  if (row < m_topRow || row >= RowCount()) return;
  GridLayout layout(*this, ClientRect());
  TRect r = layout.CellRect(*m_columns->Items(col), row)
                .Inflated(1, 1);  // the lines around it and the focus rectangle
  r = r.Intersected(layout.Body());
  if (!r.IsEmpty()) kx::InvalidateRect(Handle(), &r, false);
}

void TDgCustomGrid::InvalidateRow(int row) {
  if (!HandleAllocated() || Updating() || row < m_topRow || row >= RowCount()) return;
  GridLayout layout(*this, ClientRect());
  int top = layout.RowTop(row);
  if (top > layout.Client().Bottom) return;
  TRect r{layout.Client().Left, top - 1, layout.Client().Right,
          top + layout.RowHeight(row) + layout.Lines().Separator() + 1};
  r = r.Intersected(layout.Body());
  if (!r.IsEmpty()) kx::InvalidateRect(Handle(), &r, false);
}

void TDgCustomGrid::InvalidateColumn(int col) {
  if (!HandleAllocated() || Updating() || col < 0 || col >= m_columns->Count()) return;
  GridLayout layout(*this, ClientRect());
  const TDgCustomColumn& column = *m_columns->Items(col);
  TRect r{layout.ColumnLeft(column) - 1, layout.Client().Top, layout.ColumnRight(column) + 1,
          layout.Client().Bottom};
  kx::InvalidateRect(Handle(), &r, false);
}

void TDgCustomGrid::InvalidateHeader() {
  if (!HandleAllocated() || Updating()) return;
  TRect r = ClientRect();
  r.Bottom = r.Top + GridLayout(*this, r).HeaderHeight();
  if (!r.IsEmpty()) kx::InvalidateRect(Handle(), &r, false);
}

void TDgCustomGrid::InvalidateBody() {
  if (!HandleAllocated() || Updating()) return;
  TRect r = ClientRect();
  r.Top += GridLayout(*this, r).HeaderHeight();
  if (!r.IsEmpty()) kx::InvalidateRect(Handle(), &r, false);
}

}  // namespace kx
