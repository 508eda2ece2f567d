#pragma once

#include <functional>
#include <string>
#include <vector>

#include "grid/model/cell_store.h"
#include "grid/model/forward.h"
#include "platform/base/exception.h"
#include "platform/base/set.h"
#include "platform/forms/component.h"
#include "platform/forms/forward.h"
#include "platform/gfx/alignment.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"

namespace kx {

enum class TColumnOption {
  coAutoSize,
  coCanClick,
  coCanInput,
  coCanSort,
  coDisableMoving,
  coDontHighlight,
  coEditing,
  coEditorAutoSelect,
  coFixedSize,
  coImageForIcon,
  coPublicUsing,
  coFullResort,
  coSearchColumn,
  coShowTextFitHint,
  coTextForCaption
};
using TColumnOptions = TSet<TColumnOption>;

enum class TBiDiMode {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};
enum class TDrawingOptions { doNormal, doBackgroundOnly, doCustom, doCustomOnly };
enum class TSortKind { skAscending, skDescending };
enum class TSortType {
  stAlphabetic,
  stBoolean,
  stCaseInsensitive,
  stCustom,
  stNumeric,
  stDate,
  stIP
};
enum class TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum class TWrapKind { wkNone, wkEllipsis, wkPathEllipsis, wkWordWrap };
enum class TDisplayMode { dmImageOnly, dmTextAndImage, dmTextOnly };
enum class THeaderOrientation { hoHorizontal, hoVertical };
enum class TSlideCaptionLocation { clTop, clLeft };
enum class TFormulaKind { fkNone, fkAverage, fkCount, fkMax, fkMin, fkSum, fkCustom };
enum class TFormatMaskKind { mkText, mkFloat };
enum class TNumberEditOption { eoAllowFloat, eoAllowSigns };
using TNumberEditOptions = TSet<TNumberEditOption>;

// The change codes a column sends to its grid.
enum class TColumnChange : int {
  InputValue = 1,
  Moved = 2,
  SortedOn = 4,
  SortChanged = 5,
  Look = 6,
  VisibleChanged = 7,
  SortedOff = 8,
  Resized = 9
};

// One change of a column, with the values that its code carries.
struct ColumnChange {
  TColumnChange Code = TColumnChange::Look;
  int FromPosition = 0;  // Moved: the display position it left
  int ToPosition = 0;    // Moved: the display position it took
  int WidthDelta = 0;    // Resized: new width minus old width
};

// What a column class can do. The values are the bit numbers of the class
// capability set (2 has an editor, 4 cannot be sorted, 8 width fits).
enum class TColumnCapability { HasEditor = 1, CannotSort = 2, WidthFits = 3 };
using TColumnCapabilities = TSet<TColumnCapability>;

// The value snapshot of a cell that a column formats: only the member of the
// column's cell kind is filled.
struct TCellInfo {
  bool AsBoolean = false;
  double AsDateTime = 0;
  double AsFloat = 0;
  int AsInteger = 0;
  WideString AsString;
  const void* AsObject = nullptr;
};

// The part of a header or footer common to both.
class TColumnPart {
 public:
  explicit TColumnPart(TDgCustomColumn& column, TColor color) : m_column(column), m_color(color) {}
  virtual ~TColumnPart() = default;

  const WideString& Caption() const { return m_caption; }
  void SetCaption(const WideString& caption);
  TColor Color() const { return m_color; }
  void SetColor(TColor color);
  TDisplayMode DisplayMode() const { return m_displayMode; }
  void SetDisplayMode(TDisplayMode mode);
  // The glyph becomes transparent in the colour of its bottom-left pixel.
  const TBitmap& Glyph() const { return m_glyph; }
  void SetGlyph(const TBitmap& glyph);
  WideString Hint;

 protected:
  void Changed();
  TDgCustomColumn& m_column;

 private:
  WideString m_caption;
  TColor m_color;
  TDisplayMode m_displayMode = TDisplayMode::dmTextOnly;
  TBitmap m_glyph;
};

class TColumnHeader : public TColumnPart {
 public:
  explicit TColumnHeader(TDgCustomColumn& column) : TColumnPart(column, clBtnFace) {}
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  bool HideArrow() const { return m_hideArrow; }
  void SetHideArrow(bool value);
  bool MultiLine() const { return m_multiLine; }
  void SetMultiLine(bool value);
  THeaderOrientation Orientation() const { return m_orientation; }
  void SetOrientation(THeaderOrientation value);
  // The width the header needs for its caption and glyph.
  int WidthNeeded(int textWidth, int textHeight) const;

 private:
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_hideArrow = true;
  bool m_multiLine = false;
  THeaderOrientation m_orientation = THeaderOrientation::hoHorizontal;
};

// Footer settings; no grid of the program shows a footer.
class TColumnFooter : public TColumnPart {
 public:
  explicit TColumnFooter(TDgCustomColumn& column) : TColumnPart(column, clWindow) {}
  TAlignment Alignment = TAlignment::taLeftJustify;
  WideString TextAfter;
  WideString TextBefore;
  TFormulaKind FormulaKind = TFormulaKind::fkNone;
  WideString FormatMask;
  TFormatMaskKind FormatMaskKind = TFormatMaskKind::mkText;
};

// A column of a data grid: what it shows and how. Its column index (creation
// order) never changes; Position is its place on screen.
class TDgCustomColumn : public TComponent {
 public:
  TDgCustomColumn(TComponent* owner, TCellKind kind);
  ~TDgCustomColumn() override;

  TDgColumns* Collection() const { return m_collection; }
  // Places the column into a grid's collection (nullptr takes it out).
  void SetCollection(TDgColumns* columns);
  int Index() const;  // the column index; −1 outside a collection
  TCellKind CellKind() const { return m_cellKind; }
  CellKindTemplate CellTemplate() const { return {m_cellKind, m_color, m_font.Style()}; }

  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  TBiDiMode BiDiMode() const { return m_biDiMode; }
  void SetBiDiMode(TBiDiMode value);
  TColor Color() const { return m_color; }
  void SetColor(TColor value);
  int Cursor() const { return m_cursor; }
  void SetCursor(int value);
  WideString DefaultValue;
  int DefaultWidth = 80;
  TDrawingOptions DrawingOptions() const { return m_drawingOptions; }
  void SetDrawingOptions(TDrawingOptions value);
  bool Enabled = true;
  const TFont& Font() const { return m_font; }
  void SetFont(const TFont& font);  // ParentFont becomes False
  bool ParentFont() const { return m_parentFont; }
  void SetParentFont(bool value);
  // The grid's font changed: a column with ParentFont takes a copy.
  void ParentFontChanged(const TFont& gridFont);
  TColumnFooter& Footer() { return m_footer; }
  TColumnHeader& Header() { return m_header; }
  const TColumnHeader& Header() const { return m_header; }
  WideString InputCaption;
  WideString InputValue;
  int MinWidth() const { return m_minWidth; }
  void SetMinWidth(int value);
  TColumnOptions Options() const { return m_options; }
  void SetOptions(TColumnOptions options);
  bool HasOption(TColumnOption o) const { return m_options.Has(o); }
  int Padding() const { return m_padding; }
  void SetPadding(int value);
  bool ParentCellColor() const { return m_parentCellColor; }
  void SetParentCellColor(bool value);
  int Position() const { return m_position; }
  void SetPosition(int position);
  bool Sorted() const { return m_sorted; }
  void SetSorted(bool value);
  TSortKind SortKind() const { return m_sortKind; }
  void SetSortKind(TSortKind value);
  TSortType SortType() const { return m_sortType; }
  void SetSortType(TSortType value);
  std::string StyleClass;
  TVerticalAlignment VerticalAlignment() const { return m_verticalAlignment; }
  void SetVerticalAlignment(TVerticalAlignment value);
  bool Visible() const { return m_visible; }
  void SetVisible(bool value);
  int Width() const { return m_width; }
  void SetWidth(int value);
  TWrapKind WrapKind() const { return m_wrapKind; }
  void SetWrapKind(TWrapKind value);

  int LeftEdge() const { return m_left; }
  int DisplayIndex() const { return m_displayIndex; }

  // What the column's class can do; the base column can do none of it.
  virtual TColumnCapabilities Capabilities() const { return {}; }
  bool CanSort() const { return !Capabilities().Has(TColumnCapability::CannotSort); }
  virtual int TextWidthNeeded(int textWidth) const { return std::max(textWidth + 6, 8); }
  virtual bool IsMultiLine() const { return false; }
  virtual WideString DisplayText(const TCellInfo& info) const { return info.AsString; }
  // The images the cells show by their integer value; none for text and number columns.
  virtual TCustomImageList* CellImages() const { return nullptr; }

  // Asks the grid to refresh this column's header or cells.
  void Refresh();
  void Changed(TColumnChange code) { Changed(ColumnChange{code}); }
  void Changed(const ColumnChange& change);

 protected:
  void SetDefaultAlignment(TAlignment a) { m_alignment = a; }
  void SetDefaultOptions(TColumnOptions o) { m_options = o; }
  void SetDefaultSortType(TSortType t) { m_sortType = t; }

 private:
  friend class TDgColumns;
  TDgColumns* m_collection = nullptr;
  TCellKind m_cellKind;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  TBiDiMode m_biDiMode = TBiDiMode::bdLeftToRight;
  TColor m_color = clWindow;
  int m_cursor = 0;
  TDrawingOptions m_drawingOptions = TDrawingOptions::doNormal;
  TFont m_font;
  bool m_parentFont = true;
  TColumnFooter m_footer{*this};
  TColumnHeader m_header{*this};
  int m_minWidth = 8;
  TColumnOptions m_options{TColumnOption::coCanClick, TColumnOption::coCanInput,
                           TColumnOption::coCanSort, TColumnOption::coPublicUsing};
  int m_padding = 0;
  bool m_parentCellColor = false;
  int m_position = -1;
  bool m_sorted = false;
  TSortKind m_sortKind = TSortKind::skAscending;
  TSortType m_sortType = TSortType::stAlphabetic;
  TVerticalAlignment m_verticalAlignment = TVerticalAlignment::taVerticalCenter;
  bool m_visible = true;
  int m_width = 80;
  TWrapKind m_wrapKind = TWrapKind::wkEllipsis;
  int m_left = 0;
  int m_displayIndex = -1;
};

class TDgTextColumn : public TDgCustomColumn {
 public:
  explicit TDgTextColumn(TComponent* owner);
  int MaxLength = 0;
  bool MultiLine() const { return m_multiLine; }
  void SetMultiLine(bool value);
  char PasswordChar() const { return m_passwordChar; }
  void SetPasswordChar(char value);
  const WideString& TextAfter() const { return m_textAfter; }
  void SetTextAfter(const WideString& value);
  const WideString& TextBefore() const { return m_textBefore; }
  void SetTextBefore(const WideString& value);

  TColumnCapabilities Capabilities() const override {
    return {TColumnCapability::HasEditor, TColumnCapability::WidthFits};
  }
  int TextWidthNeeded(int textWidth) const override { return textWidth + 5; }
  bool IsMultiLine() const override { return m_multiLine; }
  WideString DisplayText(const TCellInfo& info) const override;

 private:
  bool m_multiLine = false;
  char m_passwordChar = 0;
  WideString m_textAfter;
  WideString m_textBefore;
};

class TDgNumberColumn : public TDgCustomColumn {
 public:
  explicit TDgNumberColumn(TComponent* owner);
  TNumberEditOptions EditOptions{TNumberEditOption::eoAllowFloat};
  const WideString& EmptyCaption() const { return m_emptyCaption; }
  void SetEmptyCaption(const WideString& value);
  const std::string& FormatMask() const { return m_formatMask; }
  void SetFormatMask(const std::string& value);
  bool HideWhenEmpty() const { return m_hideWhenEmpty; }
  void SetHideWhenEmpty(bool value);
  double Max = 0;
  double Min = 0;
  const WideString& TextAfter() const { return m_textAfter; }
  void SetTextAfter(const WideString& value);
  const WideString& TextBefore() const { return m_textBefore; }
  void SetTextBefore(const WideString& value);
  double Increment = 1.0;
  int Precision = 0;
  bool SpinButtons = true;

  TColumnCapabilities Capabilities() const override {
    return {TColumnCapability::HasEditor, TColumnCapability::WidthFits};
  }
  WideString DisplayText(const TCellInfo& info) const override;

 private:
  WideString m_emptyCaption;
  std::string m_formatMask;
  bool m_hideWhenEmpty = false;
  WideString m_textAfter;
  WideString m_textBefore;
};

class TDgImageColumn : public TDgCustomColumn {
 public:
  explicit TDgImageColumn(TComponent* owner);
  TCustomImageList* Images() const { return m_images; }
  TCustomImageList* CellImages() const override { return m_images; }
  void SetImages(TCustomImageList* images);
  bool Transparent = true;
  TColumnCapabilities Capabilities() const override { return {TColumnCapability::WidthFits}; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TCustomImageList* m_images = nullptr;
};

// What a grid learns from its columns.
class ColumnsListener {
 public:
  virtual ~ColumnsListener() = default;
  virtual void ColumnChanged(TDgCustomColumn& column, const ColumnChange& change) = 0;
  virtual void ColumnRefresh(TDgCustomColumn& column) = 0;
  virtual void ColumnAdded(TDgCustomColumn& column, int index) = 0;
  virtual void ColumnRemoved(int index) = 0;
};

// The grid's columns in creation order (the column index) and in display order (Position).
class TDgColumns : public TComponent {
 public:
  TDgColumns(TComponent* owner, ColumnsListener& listener);
  ~TDgColumns() override;

  int Count() const { return static_cast<int>(m_items.size()); }
  // The column by column index, or by display position; a bad index raises the
  // list error "List index out of bounds (%d)".
  TDgCustomColumn* Items(int index) const { return At(m_items, index); }
  TDgCustomColumn* ByPosition(int position) const { return At(m_positions, position); }
  int IndexOf(const TDgCustomColumn* column) const;
  int VisibleCount() const;
  int TotalWidth() const;  // of the visible columns
  TDgCustomColumn* FirstVisible() const;
  TDgCustomColumn* LastVisible() const;
  // The next or previous column in display order that is Enabled and Visible; the same one when
  // none.
  TDgCustomColumn* NextColumn(TDgCustomColumn* column) const;
  TDgCustomColumn* PriorColumn(TDgCustomColumn* column) const;
  // Moves the column at display position from to position to and renumbers every Position.
  void MovePosition(int from, int to);

  int FixedColumns() const { return m_fixedColumns; }
  void SetFixedColumns(int count);
  int FixedWidth() const { return m_fixedWidth; }
  int BodyLeft = 0;  // 12 with the indicator column
  void Layout();

 private:
  friend class TDgCustomColumn;
  void Insert(TDgCustomColumn* column);
  void Remove(TDgCustomColumn* column);
  static TDgCustomColumn* At(const std::vector<TDgCustomColumn*>& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size())) ThrowListIndexError(index);
    return list[static_cast<std::size_t>(index)];
  }

  ColumnsListener& m_listener;
  std::vector<TDgCustomColumn*> m_items;      // creation order
  std::vector<TDgCustomColumn*> m_positions;  // display order
  int m_fixedColumns = 0;
  int m_fixedWidth = 0;
  bool m_destroying = false;
};

}  // namespace kx
