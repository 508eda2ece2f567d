#include "grid/model/columns.h"

#include <algorithm>

#include "platform/base/number_conv.h"
#include "platform/forms/image_list.h"

namespace kx {

using enum TColumnChange;

// ---- header and footer

void TColumnPart::Changed() {
  m_column.Changed(Look);
}

void TColumnPart::SetCaption(const WideString& caption) {
  m_caption = caption;
  m_column.Refresh();
}

void TColumnPart::SetColor(TColor color) {
  m_color = color;
  m_column.Refresh();
}

void TColumnPart::SetDisplayMode(TDisplayMode mode) {
  m_displayMode = mode;
  Changed();
}

void TColumnPart::SetGlyph(const TBitmap& glyph) {
  m_glyph = glyph;
  if (!m_glyph.Empty()) {
    m_glyph.SetTransparentColor(m_glyph.ColorAt(0, m_glyph.Height() - 1));
    m_glyph.SetTransparent(true);
  }
  Changed();
}

void TColumnHeader::SetAlignment(TAlignment value) {
  m_alignment = value;
  m_column.Refresh();
}

void TColumnHeader::SetHideArrow(bool value) {
  m_hideArrow = value;
  m_column.Refresh();
}

void TColumnHeader::SetMultiLine(bool value) {
  m_multiLine = value;
  m_column.Refresh();
}

void TColumnHeader::SetOrientation(THeaderOrientation value) {
  m_orientation = value;
  m_column.Refresh();
}

int TColumnHeader::WidthNeeded(int textWidth, int textHeight) const {
  switch (DisplayMode()) {
    case TDisplayMode::dmImageOnly:
      return Glyph().Width();
    case TDisplayMode::dmTextAndImage:
      return Glyph().Width() + textWidth + 2;
    case TDisplayMode::dmTextOnly:
      break;
  }
  return m_orientation == THeaderOrientation::hoVertical ? textHeight : textWidth;
}

// ---- the column base

TDgCustomColumn::TDgCustomColumn(TComponent* owner, TCellKind kind)
    : TComponent(owner), m_cellKind(kind) {}

TDgCustomColumn::~TDgCustomColumn() {
  SetCollection(nullptr);
}

void TDgCustomColumn::SetCollection(TDgColumns* columns) {
  if (columns == m_collection) return;
  if (m_collection) m_collection->Remove(this);
  m_collection = columns;
  if (m_collection) m_collection->Insert(this);
}

int TDgCustomColumn::Index() const {
  return m_collection ? m_collection->IndexOf(this) : -1;
}

void TDgCustomColumn::Changed(const ColumnChange& change) {
  if (m_collection) m_collection->m_listener.ColumnChanged(*this, change);
}

void TDgCustomColumn::Refresh() {
  if (m_collection) m_collection->m_listener.ColumnRefresh(*this);
}

void TDgCustomColumn::SetAlignment(TAlignment value) {
  m_alignment = value;
  Changed(Look);
}

void TDgCustomColumn::SetBiDiMode(TBiDiMode value) {
  m_biDiMode = value;
  Changed(Look);
}

void TDgCustomColumn::SetColor(TColor value) {
  m_color = value;
  Changed(Look);
}

void TDgCustomColumn::SetCursor(int value) {
  m_cursor = value;
  Changed(Look);
}

void TDgCustomColumn::SetDrawingOptions(TDrawingOptions value) {
  m_drawingOptions = value;
  Changed(Look);
}

void TDgCustomColumn::SetFont(const TFont& font) {
  m_font = font;
  m_parentFont = false;
  Changed(Look);
}

void TDgCustomColumn::SetParentFont(bool value) {
  m_parentFont = value;
}

void TDgCustomColumn::ParentFontChanged(const TFont& gridFont) {
  if (!m_parentFont) return;
  m_font = gridFont;
  Changed(Look);
}

void TDgCustomColumn::SetMinWidth(int value) {
  m_minWidth = std::max(0, value);
}

void TDgCustomColumn::SetOptions(TColumnOptions options) {
  bool searchNow =
      options.Has(TColumnOption::coSearchColumn) && !m_options.Has(TColumnOption::coSearchColumn);
  m_options = options;
  if (searchNow && m_collection) {
    for (TDgCustomColumn* other : m_collection->m_items) {
      if (other != this) other->m_options.Exclude(TColumnOption::coSearchColumn);
    }
  }
  Changed(Look);
}

void TDgCustomColumn::SetPadding(int value) {
  m_padding = std::max(0, value);
  Refresh();
}

void TDgCustomColumn::SetParentCellColor(bool value) {
  m_parentCellColor = value;
  Refresh();
}

void TDgCustomColumn::SetPosition(int position) {
  if (!m_collection || Loading()) {
    m_position = position;
    return;
  }
  int from = m_position;
  position = std::clamp(position, 0, m_collection->Count() - 1);
  if (from == position) return;
  m_collection->MovePosition(from, position);
  Changed(ColumnChange{.Code = Moved, .FromPosition = from, .ToPosition = position});
}

void TDgCustomColumn::SetSorted(bool value) {
  // Setting True again sorts again.
  if (!CanSort() || (!value && !m_sorted)) return;
  if (value && m_collection) {
    for (TDgCustomColumn* other : m_collection->m_items) {
      if (other != this && other->m_sorted) other->SetSorted(false);
    }
  }
  m_sorted = value;
  Changed(value ? SortedOn : SortedOff);
}

void TDgCustomColumn::SetSortKind(TSortKind value) {
  if (value == m_sortKind) return;
  m_sortKind = value;
  Changed(SortChanged);
}

void TDgCustomColumn::SetSortType(TSortType value) {
  if (value == m_sortType) return;
  m_sortType = value;
  Changed(SortChanged);
}

void TDgCustomColumn::SetVerticalAlignment(TVerticalAlignment value) {
  m_verticalAlignment = value;
  Changed(Look);
}

void TDgCustomColumn::SetVisible(bool value) {
  if (value == m_visible) return;
  m_visible = value;
  if (m_collection) m_collection->Layout();
  Changed(VisibleChanged);
}

void TDgCustomColumn::SetWidth(int value) {
  value = std::max(value, m_minWidth);
  if (value == m_width) return;
  int difference = value - m_width;
  m_width = value;
  if (m_collection) m_collection->Layout();
  Changed(ColumnChange{.Code = Resized, .WidthDelta = difference});
}

void TDgCustomColumn::SetWrapKind(TWrapKind value) {
  m_wrapKind = value;
  Refresh();
}

// ---- text columns

TDgTextColumn::TDgTextColumn(TComponent* owner) : TDgCustomColumn(owner, TCellKind::String) {
  SetDefaultOptions(Options() + TColumnOption::coShowTextFitHint);
}

void TDgTextColumn::SetMultiLine(bool value) {
  m_multiLine = value;
  Refresh();
}

void TDgTextColumn::SetPasswordChar(char value) {
  m_passwordChar = value;
  Refresh();
}

void TDgTextColumn::SetTextAfter(const WideString& value) {
  m_textAfter = value;
  Refresh();
}

void TDgTextColumn::SetTextBefore(const WideString& value) {
  m_textBefore = value;
  Refresh();
}

WideString TDgTextColumn::DisplayText(const TCellInfo& info) const {
  WideString text = m_textBefore + info.AsString + m_textAfter;
  if (m_passwordChar)
    return WideString(text.size(),
                      static_cast<char16_t>(static_cast<unsigned char>(m_passwordChar)));
  return text;
}

// ---- number columns

TDgNumberColumn::TDgNumberColumn(TComponent* owner) : TDgCustomColumn(owner, TCellKind::Float) {
  SetDefaultAlignment(TAlignment::taRightJustify);
  SetDefaultSortType(TSortType::stNumeric);
  DefaultValue = u"0";
}

void TDgNumberColumn::SetEmptyCaption(const WideString& value) {
  m_emptyCaption = value;
  Refresh();
}

void TDgNumberColumn::SetFormatMask(const std::string& value) {
  m_formatMask = value;
  Refresh();
}

void TDgNumberColumn::SetHideWhenEmpty(bool value) {
  m_hideWhenEmpty = value;
  Refresh();
}

void TDgNumberColumn::SetTextAfter(const WideString& value) {
  m_textAfter = value;
  Refresh();
}

void TDgNumberColumn::SetTextBefore(const WideString& value) {
  m_textBefore = value;
  Refresh();
}

WideString TDgNumberColumn::DisplayText(const TCellInfo& info) const {
  double v = info.AsFloat;
  if (m_hideWhenEmpty && v == 0) return m_emptyCaption;
  std::string number = m_formatMask.empty() ? FloatToStr(v) : FormatFloat(m_formatMask, v);
  return m_textBefore + AnsiToWide(number) + m_textAfter;
}

// ---- image columns

TDgImageColumn::TDgImageColumn(TComponent* owner) : TDgCustomColumn(owner, TCellKind::Integer) {
  SetDefaultSortType(TSortType::stNumeric);
  DefaultValue = u"0";
}

void TDgImageColumn::SetImages(TCustomImageList* images) {
  m_images = images;
  if (images) images->FreeNotification(this);
  Refresh();
}

void TDgImageColumn::Notification(TComponent* component, TOperation operation) {
  TDgCustomColumn::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_images) m_images = nullptr;
}

// ---- the collection

TDgColumns::TDgColumns(TComponent* owner, ColumnsListener& listener)
    : TComponent(owner), m_listener(listener) {}

TDgColumns::~TDgColumns() {
  m_destroying = true;
  while (!m_items.empty()) delete m_items.back();  // each takes itself out
}

int TDgColumns::IndexOf(const TDgCustomColumn* column) const {
  auto it = std::find(m_items.begin(), m_items.end(), column);
  return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void TDgColumns::Insert(TDgCustomColumn* column) {
  if (Count() >= kMaxGridColumns) {
    column->m_collection = nullptr;
    return;
  }
  m_items.push_back(column);
  if (column->Loading() && column->m_position >= 0) {
    // From a definition: after every column with an equal or smaller Position.
    auto at = std::find_if(m_positions.begin(), m_positions.end(), [&](const TDgCustomColumn* c) {
      return c->m_position > column->m_position;
    });
    m_positions.insert(at, column);
  } else {
    column->m_position = static_cast<int>(m_positions.size());
    m_positions.push_back(column);
  }
  Layout();
  m_listener.ColumnAdded(*column, Count() - 1);
}

void TDgColumns::Remove(TDgCustomColumn* column) {
  int index = IndexOf(column);
  if (index < 0) return;
  m_items.erase(m_items.begin() + index);
  std::erase(m_positions, column);
  for (std::size_t i = 0; i < m_positions.size(); ++i)
    m_positions[i]->m_position = static_cast<int>(i);
  if (m_destroying) return;
  Layout();
  m_listener.ColumnRemoved(index);
}

int TDgColumns::VisibleCount() const {
  return static_cast<int>(std::count_if(m_items.begin(), m_items.end(),
                                        [](const TDgCustomColumn* c) { return c->Visible(); }));
}

int TDgColumns::TotalWidth() const {
  int total = 0;
  for (const TDgCustomColumn* c : m_items) {
    if (c->Visible()) total += c->Width();
  }
  return total;
}

TDgCustomColumn* TDgColumns::FirstVisible() const {
  for (TDgCustomColumn* c : m_positions) {
    if (c->Visible()) return c;
  }
  return nullptr;
}

TDgCustomColumn* TDgColumns::LastVisible() const {
  for (auto it = m_positions.rbegin(); it != m_positions.rend(); ++it) {
    if ((*it)->Visible()) return *it;
  }
  return nullptr;
}

TDgCustomColumn* TDgColumns::NextColumn(TDgCustomColumn* column) const {
  auto it = std::find(m_positions.begin(), m_positions.end(), column);
  if (it == m_positions.end()) return column;
  for (++it; it != m_positions.end(); ++it) {
    if ((*it)->Enabled && (*it)->Visible()) return *it;
  }
  return column;
}

TDgCustomColumn* TDgColumns::PriorColumn(TDgCustomColumn* column) const {
  auto it = std::find(m_positions.begin(), m_positions.end(), column);
  if (it == m_positions.end()) return column;
  while (it != m_positions.begin()) {
    --it;
    if ((*it)->Enabled && (*it)->Visible()) return *it;
  }
  return column;
}

void TDgColumns::MovePosition(int from, int to) {
  int n = static_cast<int>(m_positions.size());
  if (from < 0 || from >= n || to < 0 || to >= n) return;
  TDgCustomColumn* moving = m_positions[static_cast<std::size_t>(from)];
  m_positions.erase(m_positions.begin() + from);
  m_positions.insert(m_positions.begin() + to, moving);
  for (int i = 0; i < n; ++i) m_positions[static_cast<std::size_t>(i)]->m_position = i;
  Layout();
}

void TDgColumns::SetFixedColumns(int count) {
  m_fixedColumns = std::max(0, count);
  Layout();
}

void TDgColumns::Layout() {
  m_fixedWidth = 0;
  for (int i = 0; i < std::min(m_fixedColumns, static_cast<int>(m_positions.size())); ++i) {
    const TDgCustomColumn* c = m_positions[static_cast<std::size_t>(i)];
    if (c->Visible()) m_fixedWidth += c->Width();
  }
  int x = BodyLeft;
  int display = 0;
  for (TDgCustomColumn* c : m_positions) {
    if (c->Visible()) {
      c->m_left = x;
      c->m_displayIndex = display++;
      x += c->Width();
    } else {
      c->m_displayIndex = -1;
    }
  }
}

}  // namespace kx
