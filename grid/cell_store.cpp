#include "grid/cell_store.h"

#include <algorithm>

#include "platform/base/exception.h"
#include "platform/base/number_conv.h"

namespace kx {
namespace {

std::string Narrow(const WideString& text) { return WideToAnsi(text); }
WideString Widen(const std::string& text) { return AnsiToWide(text); }

}  // namespace

void TCell::Changed() { m_owner.CellChangedByCell(); }

void TCell::SetColor(TColor color) {
  m_color = color;
  if (!m_suppressed) Changed();
}

const WideString& TCell::EmptyHint() {
  static const WideString empty;
  return empty;
}

void TCell::SetHint(const WideString& hint) {
  if (hint.empty()) {
    m_hint.reset();
  } else if (m_hint) {
    *m_hint = hint;
  } else {
    m_hint = std::make_unique<WideString>(hint);
  }
  if (!m_suppressed) Changed();
}

// Text cells.
bool TStringCell::AsBoolean() const {
  std::string text = Narrow(m_value);
  if (SameTextAscii(text, "True")) return true;
  if (SameTextAscii(text, "False")) return false;
  int number = 0;
  if (TryStrToInt(text, number)) return number != 0;
  throw EConvertError("'" + text + "' is not a valid boolean value");
}
double TStringCell::AsFloat() const { return StrToFloat(Narrow(m_value)); }
int TStringCell::AsInteger() const { return StrToInt(Narrow(m_value)); }
void TStringCell::SetAsBoolean(bool value) {
  m_value = value ? u"True" : u"False";
  TCell::SetAsBoolean(value);
}
void TStringCell::SetAsFloat(double value) {
  m_value = Widen(FloatToStr(value));
  TCell::SetAsFloat(value);
}
void TStringCell::SetAsInteger(int value) {
  m_value = Widen(IntToStr(value));
  TCell::SetAsInteger(value);
}
void TStringCell::SetAsString(const WideString& value) {
  m_value = value;
  TCell::SetAsString(value);
}
void TStringCell::Clear() {
  m_value.clear();
  Changed();
}

// Number cells.
int TFloatCell::AsInteger() const { return static_cast<int>(RoundHalfEven(m_value)); }
WideString TFloatCell::AsString() const { return Widen(FloatToStr(m_value)); }
void TFloatCell::SetAsBoolean(bool value) {
  m_value = 0;
  TCell::SetAsBoolean(value);
}
void TFloatCell::SetAsFloat(double value) {
  m_value = value;
  TCell::SetAsFloat(value);
}
void TFloatCell::SetAsInteger(int value) {
  m_value = value;
  TCell::SetAsInteger(value);
}
void TFloatCell::SetAsString(const WideString& value) {
  m_value = StrToFloat(Narrow(value));  // raises before anything changes
  TCell::SetAsString(value);
}
void TFloatCell::Clear() {
  m_value = 0;
  Changed();
}

// Image (integer) cells.
WideString TIntegerCell::AsString() const { return Widen(IntToStr(m_value)); }
void TIntegerCell::SetAsBoolean(bool value) {
  m_value = value ? 1 : 0;
  TCell::SetAsBoolean(value);
}
void TIntegerCell::SetAsFloat(double value) {
  m_value = static_cast<int>(RoundHalfEven(value));
  TCell::SetAsFloat(value);
}
void TIntegerCell::SetAsInteger(int value) {
  m_value = value;
  TCell::SetAsInteger(value);
}
void TIntegerCell::SetAsString(const WideString& value) {
  m_value = value.empty() ? 0 : StrToInt(Narrow(value));
  TCell::SetAsString(value);
}
void TIntegerCell::Clear() {
  m_value = 0;
  Changed();
}

// The store.
std::unique_ptr<TCell> TCells::NewCell(const TCellTemplate& column) {
  std::unique_ptr<TCell> cell;
  switch (column.Kind) {
    case TCellKind::String: cell = std::make_unique<TStringCell>(*this); break;
    case TCellKind::Float: cell = std::make_unique<TFloatCell>(*this); break;
    case TCellKind::Integer: cell = std::make_unique<TIntegerCell>(*this); break;
  }
  cell->m_fontStyle = column.FontStyle;
  cell->SetColor(column.Color);  // suppressed: no notification
  cell->m_suppressed = false;
  return cell;
}

bool TCells::AddColumn(const TCellTemplate& column) {
  if (ColumnCount() >= kMaxGridColumns) return false;
  InsertColumn(ColumnCount(), column);
  return true;
}

bool TCells::InsertColumn(int index, const TCellTemplate& column) {
  if (ColumnCount() >= kMaxGridColumns) return false;
  index = std::clamp(index, 0, ColumnCount());
  ColumnList list{column, {}};
  list.cells.reserve(m_rows.size());
  for (std::size_t r = 0; r < m_rows.size(); ++r) list.cells.push_back(NewCell(column));
  m_columns.insert(m_columns.begin() + index, std::move(list));
  m_sorted = false;
  return true;
}

void TCells::DeleteColumn(int index) {
  if (index < 0 || index >= ColumnCount()) return;
  m_columns.erase(m_columns.begin() + index);
}

void TCells::MoveColumn(int from, int to) {
  if (from < 0 || from >= ColumnCount() || to < 0 || to >= ColumnCount() || from == to) return;
  ColumnList moving = std::move(m_columns[static_cast<std::size_t>(from)]);
  m_columns.erase(m_columns.begin() + from);
  m_columns.insert(m_columns.begin() + to, std::move(moving));
}

void TCells::ClearColumns() { m_columns.clear(); }

int TCells::AppendRows(int count) {
  int first = RowCount();
  for (int i = 0; i < count; ++i) {
    auto row = std::make_unique<TRow>();
    row->Height = m_defaultRowHeight;
    m_rows.push_back(std::move(row));
    ++m_shownRowCount;
    for (ColumnList& list : m_columns) list.cells.push_back(NewCell(list.templ));
  }
  if (count > 0) m_sorted = false;
  return first;
}

void TCells::InsertRowAt(int index) {
  index = std::clamp(index, 0, RowCount());
  for (ColumnList& list : m_columns) list.cells.insert(list.cells.begin() + index, NewCell(list.templ));
  auto row = std::make_unique<TRow>();
  row->Height = m_defaultRowHeight;
  m_rows.insert(m_rows.begin() + index, std::move(row));
  ++m_shownRowCount;
  m_sorted = false;
}

void TCells::DeleteRowAt(int index) {
  if (index < 0 || index >= RowCount()) ThrowListIndexError(index);
  for (ColumnList& list : m_columns) list.cells.erase(list.cells.begin() + index);
  if (m_rows[static_cast<std::size_t>(index)]->Shown()) --m_shownRowCount;
  m_rows.erase(m_rows.begin() + index);
}

void TCells::ClearAllRows() {
  for (ColumnList& list : m_columns) list.cells.clear();
  m_rows.clear();
  m_shownRowCount = 0;
  m_sorted = false;
}

void TCells::SwapRows(int a, int b) {
  if (a == b) return;
  for (ColumnList& list : m_columns) {
    std::swap(list.cells.at(static_cast<std::size_t>(a)), list.cells.at(static_cast<std::size_t>(b)));
  }
  std::swap(m_rows.at(static_cast<std::size_t>(a)), m_rows.at(static_cast<std::size_t>(b)));
}

void TCells::ReverseRows() {
  for (ColumnList& list : m_columns) std::reverse(list.cells.begin(), list.cells.end());
  std::reverse(m_rows.begin(), m_rows.end());
}

void TCells::ApplyOrder(const std::vector<int>& order) {
  if (order.size() != m_rows.size()) return;
  auto reorder = [&order](auto& items) {
    std::remove_reference_t<decltype(items)> moved;
    moved.reserve(items.size());
    for (int from : order) moved.push_back(std::move(items[static_cast<std::size_t>(from)]));
    items = std::move(moved);
  };
  for (ColumnList& list : m_columns) reorder(list.cells);
  reorder(m_rows);
}

TCell& TCells::Cell(int column, int row) {
  m_lastColumn = column;
  m_lastRow = row;
  if (row < 0 || row >= RowCount()) ThrowListIndexError(row);
  return *m_columns.at(static_cast<std::size_t>(column)).cells[static_cast<std::size_t>(row)];
}

void TCells::CellChangedByCell() {
  if (OnCellChanged) OnCellChanged(*this, m_lastColumn, m_lastRow);
  m_sorted = false;
}

}  // namespace kx
