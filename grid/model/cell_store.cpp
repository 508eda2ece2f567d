#include "grid/model/cell_store.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "platform/base/assert.h"
#include "platform/base/date_time.h"
#include "platform/base/exception.h"
#include "platform/base/number_conv.h"
#include "platform/sys/memory.h"

namespace kx {
namespace {

std::string Narrow(const WideString& text) {
  return WideToAnsi(text);
}

// Runs parse on the text in the ANSI code page; short ASCII texts (every number
// the program writes) go through a buffer on the stack instead of a conversion.
template <typename Parse>
auto ParseNarrow(const WideString& text, Parse parse) {
  char buffer[64];
  if (text.size() < sizeof buffer &&
      std::all_of(text.begin(), text.end(), [](char16_t u) { return u < 0x80; })) {
    std::copy(text.begin(), text.end(), buffer);
    return parse(std::string_view(buffer, text.size()));
  }
  return parse(std::string_view(Narrow(text)));
}
WideString Widen(const std::string& text) {
  return AnsiToWide(text);
}

}  // namespace

void TCell::Changed() {
  m_owner.CellChangedByCell();
}

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
double TStringCell::AsDateTime() const {
  if (m_value.empty()) return 0;
  return StrToDateTime(Narrow(m_value));
}
void TStringCell::SetAsDateTime(double value) {
  m_value = Widen(DateTimeToStr(value));
  TCell::SetAsDateTime(value);
}
double TStringCell::AsFloat() const {
  return ParseNarrow(m_value, [](std::string_view t) { return StrToFloat(t); });
}
int TStringCell::AsInteger() const {
  return ParseNarrow(m_value, [](std::string_view t) { return StrToInt(t); });
}
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
int TFloatCell::AsInteger() const {
  return static_cast<int>(RoundHalfEven(m_value));
}
WideString TFloatCell::AsString() const {
  return Widen(FloatToStr(m_value));
}
void TFloatCell::SetAsBoolean(bool value) {
  m_value = 0;
  TCell::SetAsBoolean(value);
}
void TFloatCell::SetAsDateTime(double value) {
  m_value = value;
  TCell::SetAsDateTime(value);
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
  m_value = ParseNarrow(
      value, [](std::string_view t) { return StrToFloat(t); });  // raises before anything changes
  TCell::SetAsString(value);
}
void TFloatCell::Clear() {
  m_value = 0;
  Changed();
}

// Image (integer) cells.
WideString TIntegerCell::AsString() const {
  return Widen(IntToStr(m_value));
}
void TIntegerCell::SetAsBoolean(bool value) {
  m_value = value ? 1 : 0;
  TCell::SetAsBoolean(value);
}
void TIntegerCell::SetAsDateTime(double value) {
  m_value = 0;
  TCell::SetAsDateTime(value);
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
  m_value = value.empty() ? 0 : ParseNarrow(value, [](std::string_view t) { return StrToInt(t); });
  TCell::SetAsString(value);
}
void TIntegerCell::Clear() {
  m_value = 0;
  Changed();
}

// The store's cell memory.
TCells::CellArena::CellArena(std::size_t slotSize)
    : m_slotSize((std::max(slotSize, sizeof(void*)) + alignof(TCell) - 1) / alignof(TCell) *
                 alignof(TCell)) {}

namespace {
constexpr std::size_t kFirstBlockBytes = 4096;
constexpr std::size_t kHugeBlockBytes = std::size_t{2} << 20;  // one huge page
}  // namespace

void TCells::CellArena::FreeCell::operator()(std::byte* block) const {
  std::free(block);
}

// Blocks double from 4 KiB up to 2 MiB, so a small grid stays small; the 2 MiB
// blocks of a big one are backed by huge pages where the system offers them,
// which saves most of the page faults of filling it.
void TCells::CellArena::AddBlock() {
  std::size_t bytes =
      std::min(kFirstBlockBytes << std::min<std::size_t>(m_blocks.size(), 16), kHugeBlockBytes);
  std::byte* block = nullptr;
  if (bytes == kHugeBlockBytes) {
    block = static_cast<std::byte*>(std::aligned_alloc(kHugeBlockBytes, bytes));
    AdviseHugePages(block, bytes);
  } else {
    block = static_cast<std::byte*>(std::malloc(bytes));
  }
  if (!block) throw std::bad_alloc();
  m_blocks.emplace_back(block);
  m_slotsInLast = bytes / m_slotSize;
  m_usedInLast = 0;
}

void* TCells::CellArena::Allocate() {
  if (m_free) {
    void* slot = m_free;
    m_free = *static_cast<void**>(slot);
    return slot;
  }
  if (m_usedInLast == m_slotsInLast) AddBlock();
  return m_blocks.back().get() + m_slotSize * m_usedInLast++;
}

void TCells::CellArena::Release(void* slot) {
  *static_cast<void**>(slot) = m_free;
  m_free = slot;
}

void TCells::CellArena::Reset() {
  m_blocks.clear();
  m_slotsInLast = m_usedInLast = 0;
  m_free = nullptr;
}

namespace {
std::size_t CellSize(TCellKind kind) {
  switch (kind) {
    case TCellKind::Float:
      return sizeof(TFloatCell);
    case TCellKind::Integer:
      return sizeof(TIntegerCell);
    case TCellKind::String:
      break;
  }
  return sizeof(TStringCell);
}
}  // namespace

TCells::ColumnList::ColumnList(const CellKindTemplate& column)
    : templ(column), arena(CellSize(column.Kind)) {}

TCells::ColumnList::~ColumnList() {
  DestroyAll();
}

void TCells::ColumnList::Destroy(TCell* cell) {
  cell->~TCell();
  arena.Release(cell);
}

void TCells::ColumnList::DestroyAll() {
  for (TCell* cell : cells) cell->~TCell();
  cells.clear();
  arena.Reset();
}

// The store.
TCell* TCells::NewCell(ColumnList& list) {
  void* slot = list.arena.Allocate();
  TCell* cell = nullptr;
  switch (list.templ.Kind) {
    case TCellKind::String:
      cell = new (slot) TStringCell(*this);
      break;
    case TCellKind::Float:
      cell = new (slot) TFloatCell(*this);
      break;
    case TCellKind::Integer:
      cell = new (slot) TIntegerCell(*this);
      break;
  }
  cell->m_fontStyle = list.templ.FontStyle;
  cell->SetColor(list.templ.Color);  // suppressed: no notification
  cell->m_suppressed = false;
  return cell;
}

bool TCells::AddColumn(const CellKindTemplate& column) {
  if (ColumnCount() >= kMaxGridColumns) return false;
  return InsertColumn(ColumnCount(), column);
}

bool TCells::InsertColumn(int index, const CellKindTemplate& column) {
  if (ColumnCount() >= kMaxGridColumns) return false;
  index = std::clamp(index, 0, ColumnCount());
  auto list = std::make_unique<ColumnList>(column);
  list->cells.reserve(m_rows.size());
  for (std::size_t r = 0; r < m_rows.size(); ++r) list->cells.push_back(NewCell(*list));
  m_columns.insert(m_columns.begin() + index, std::move(list));
  m_sorted = false;
  return true;
}

void TCells::DeleteColumn(int index) {
  if (index < 0 || index >= ColumnCount()) return;
  m_columns.erase(m_columns.begin() + index);
}

void TCells::SetColumnLook(int index, TColor color, TFontStyles fontStyle) {
  if (index < 0 || index >= ColumnCount()) return;
  CellKindTemplate& templ = m_columns[static_cast<std::size_t>(index)]->templ;
  templ.Color = color;
  templ.FontStyle = fontStyle;
}

void TCells::MoveColumn(int from, int to) {
  if (from < 0 || from >= ColumnCount() || to < 0 || to >= ColumnCount() || from == to) return;
  std::unique_ptr<ColumnList> moving = std::move(m_columns[static_cast<std::size_t>(from)]);
  m_columns.erase(m_columns.begin() + from);
  m_columns.insert(m_columns.begin() + to, std::move(moving));
}

void TCells::ClearColumns() {
  m_columns.clear();
}

int TCells::AppendRows(int count) {
  int first = RowCount();
  if (count <= 0) return first;
  for (int i = 0; i < count; ++i) {
    auto row = std::make_unique<TRow>();
    row->Height = m_defaultRowHeight;
    m_rows.push_back(std::move(row));
    ++m_shownRowCount;
    for (auto& list : m_columns) list->cells.push_back(NewCell(*list));
  }
  m_sorted = false;
  return first;
}

void TCells::InsertRowAt(int index) {
  index = std::clamp(index, 0, RowCount());
  for (auto& list : m_columns) list->cells.insert(list->cells.begin() + index, NewCell(*list));
  auto row = std::make_unique<TRow>();
  row->Height = m_defaultRowHeight;
  m_rows.insert(m_rows.begin() + index, std::move(row));
  ++m_shownRowCount;
  m_sorted = false;
}

void TCells::SetRowVisible(int index, bool visible) {
  TRow& row = Row(index);
  if (row.Visible == visible) return;
  bool wasShown = row.Shown();
  row.Visible = visible;
  if (wasShown != row.Shown()) m_shownRowCount += row.Shown() ? 1 : -1;
}

void TCells::DeleteRowAt(int index) {
  if (index < 0 || index >= RowCount()) ThrowListIndexError(index);
  for (auto& list : m_columns) {
    list->Destroy(list->cells[static_cast<std::size_t>(index)]);
    list->cells.erase(list->cells.begin() + index);
  }
  if (m_rows[static_cast<std::size_t>(index)]->Shown()) --m_shownRowCount;
  m_rows.erase(m_rows.begin() + index);
}

void TCells::ClearAllRows() {
  for (auto& list : m_columns) list->DestroyAll();
  m_rows.clear();
  m_shownRowCount = 0;
  m_sorted = false;
}

void TCells::SwapRows(int a, int b) {
  for (int index : {a, b}) {
    if (index < 0 || index >= RowCount()) ThrowListIndexError(index);
  }
  if (a == b) return;
  auto ua = static_cast<std::size_t>(a);
  auto ub = static_cast<std::size_t>(b);
  for (auto& list : m_columns) std::swap(list->cells[ua], list->cells[ub]);
  std::swap(m_rows[ua], m_rows[ub]);
}

void TCells::ReverseRows() {
  for (auto& list : m_columns) std::reverse(list->cells.begin(), list->cells.end());
  std::reverse(m_rows.begin(), m_rows.end());
}

void TCells::ApplyOrder(const std::vector<int>& order) {
  KX_ASSERT(order.size() == m_rows.size());
  if (order.size() != m_rows.size()) return;
  auto reorder = [&order](auto& items) {
    std::remove_reference_t<decltype(items)> moved;
    moved.reserve(items.size());
    for (int from : order) moved.push_back(std::move(items[static_cast<std::size_t>(from)]));
    items = std::move(moved);
  };
  for (auto& list : m_columns) reorder(list->cells);
  reorder(m_rows);
}

TRow& TCells::Row(int row) {
  if (row < 0 || row >= RowCount()) ThrowListIndexError(row);
  return *m_rows[static_cast<std::size_t>(row)];
}

const TRow& TCells::Row(int row) const {
  if (row < 0 || row >= RowCount()) ThrowListIndexError(row);
  return *m_rows[static_cast<std::size_t>(row)];
}

TCell& TCells::Cell(int column, int row) {
  m_lastColumn = column;
  m_lastRow = row;
  if (row < 0 || row >= RowCount()) ThrowListIndexError(row);
  // Callers check the column; a bad one still gets the list error, not undefined behaviour.
  if (column < 0 || column >= ColumnCount()) ThrowListIndexError(column);
  return *m_columns[static_cast<std::size_t>(column)]->cells[static_cast<std::size_t>(row)];
}

void TCells::CellChangedByCell() {
  if (OnCellChanged) OnCellChanged(*this, m_lastColumn, m_lastRow);
  m_sorted = false;
}

}  // namespace kx
