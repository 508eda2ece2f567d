#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/model/forward.h"
#include "platform/base/color.h"
#include "platform/base/strings.h"
#include "platform/gfx/font.h"

namespace kx {

inline constexpr int kMaxGridColumns = 1025;

enum class TCellKind { String, Float, Integer };

// What a new cell of a column takes over: its kind, colour and font style.
struct CellKindTemplate {
  TCellKind Kind = TCellKind::String;
  TColor Color = clWindow;
  TFontStyles FontStyle;
};

// The base of the cell kinds: a value converted on access, plus colour, font
// style and hint. Every write ends in one Changed, reported through the store
// with the coordinates of the store's last Cell lookup.
class TCell {
 public:
  explicit TCell(TCells& owner) : m_owner(owner) {}
  virtual ~TCell() = default;
  TCell(const TCell&) = delete;
  TCell& operator=(const TCell&) = delete;

  virtual bool AsBoolean() const = 0;
  virtual double AsDateTime() const = 0;
  virtual double AsFloat() const = 0;
  virtual int AsInteger() const = 0;
  virtual WideString AsString() const = 0;
  virtual void SetAsBoolean(bool) { Changed(); }
  virtual void SetAsDateTime(double) { Changed(); }
  virtual void SetAsFloat(double) { Changed(); }
  virtual void SetAsInteger(int) { Changed(); }
  virtual void SetAsString(const WideString&) { Changed(); }
  virtual void Clear() = 0;

  TColor Color() const { return m_color; }
  void SetColor(TColor color);
  const WideString& Hint() const { return m_hint ? *m_hint : EmptyHint(); }
  void SetHint(const WideString& hint);
  TFontStyles FontStyle() const { return m_fontStyle; }
  void SetFontStyle(TFontStyles style) { m_fontStyle = style; }

  bool NotificationsSuppressed() const { return m_suppressed; }

 protected:
  void Changed();

 private:
  friend class TCells;
  static const WideString& EmptyHint();
  TCells& m_owner;
  std::unique_ptr<WideString> m_hint;  // most cells have none: kept out of line
  TColor m_color = clWindow;
  TFontStyles m_fontStyle;
  bool m_suppressed = true;  // while the cell is built and initialised
};

class TStringCell : public TCell {
 public:
  using TCell::TCell;
  bool AsBoolean() const override;
  double AsDateTime() const override;
  double AsFloat() const override;
  int AsInteger() const override;
  WideString AsString() const override { return m_value; }
  const WideString& Text() const { return m_value; }
  void SetAsBoolean(bool value) override;
  void SetAsDateTime(double value) override;
  void SetAsFloat(double value) override;
  void SetAsInteger(int value) override;
  void SetAsString(const WideString& value) override;
  void Clear() override;

 private:
  WideString m_value;
};

class TFloatCell : public TCell {
 public:
  using TCell::TCell;
  bool AsBoolean() const override { return false; }
  double AsDateTime() const override { return m_value; }
  double AsFloat() const override { return m_value; }
  int AsInteger() const override;
  WideString AsString() const override;
  // Stores 0.0 whatever the value: a number cell has no Boolean meaning.
  void SetAsBoolean(bool value) override;
  void SetAsDateTime(double value) override;
  void SetAsFloat(double value) override;
  void SetAsInteger(int value) override;
  void SetAsString(const WideString& value) override;
  void Clear() override;

 private:
  double m_value = 0;
};

class TIntegerCell : public TCell {
 public:
  using TCell::TCell;
  bool AsBoolean() const override { return m_value > 0; }
  double AsDateTime() const override { return 0; }
  double AsFloat() const override { return m_value; }
  int AsInteger() const override { return m_value; }
  WideString AsString() const override;
  void SetAsBoolean(bool value) override;
  // Stores 0 whatever the value: an image index has no date meaning.
  void SetAsDateTime(double value) override;
  void SetAsFloat(double value) override;
  void SetAsInteger(int value) override;
  void SetAsString(const WideString& value) override;
  void Clear() override;

 private:
  int m_value = 0;
};

struct TRow {
  int ChildCount = 0;
  bool Expanded = true;
  int Level = 0;
  TRow* Parent = nullptr;  // tree rows; not owned
  int Height = 16;
  bool Selected = false;
  bool ParentExpanded = true;
  bool Visible = true;
  bool Shown() const { return Visible && ParentExpanded; }
};

// The grid's cell store: one list of cells per column, one row record per row.
class TCells {
 public:
  using CellChanged = std::function<void(TCells& store, int column, int row)>;

  TCells() = default;

  int ColumnCount() const { return static_cast<int>(m_columns.size()); }
  int RowCount() const { return static_cast<int>(m_rows.size()); }
  int ShownRowCount() const { return m_shownRowCount; }
  int DefaultRowHeight() const { return m_defaultRowHeight; }
  void SetDefaultRowHeight(int height) { m_defaultRowHeight = height; }

  // Appends a column list with one new cell per existing row; false beyond the limit.
  bool AddColumn(const CellKindTemplate& column);
  bool InsertColumn(int index, const CellKindTemplate& column);
  void DeleteColumn(int index);
  // The colour and font style that the column's new cells take from now on.
  void SetColumnLook(int index, TColor color, TFontStyles fontStyle);
  void MoveColumn(int from, int to);
  void ClearColumns();

  // Appends count rows (cells from the column templates); returns the first new row.
  int AppendRows(int count);
  void InsertRowAt(int index);
  void DeleteRowAt(int index);
  // Shows or hides a row, keeping the count of shown rows (the list error for a bad index).
  void SetRowVisible(int index, bool visible);
  void ClearAllRows();
  // Exchanges two whole rows: their cells and records; a bad index raises the list error.
  void SwapRows(int a, int b);
  // Reverses the row order: row i and row n − 1 − i change places.
  void ReverseRows();
  // Moves whole rows so that position k holds the row that was at order[k].
  void ApplyOrder(const std::vector<int>& order);

  // Records column and row as the last lookup and returns the cell; raises
  // EListError "List index out of bounds (%d)" for a row out of range.
  TCell& Cell(int column, int row);
  // Cell for coordinates the caller has checked.
  TCell& CellInRange(int column, int row) {
    m_lastColumn = column;
    m_lastRow = row;
    return *m_columns[static_cast<std::size_t>(column)]->cells[static_cast<std::size_t>(row)];
  }
  // EListError "List index out of bounds (%d)" for a row out of range.
  TRow& Row(int row);
  const TRow& Row(int row) const;
  int LastColumn() const { return m_lastColumn; }
  int LastRow() const { return m_lastRow; }

  bool Sorted() const { return m_sorted; }
  void SetSorted(bool sorted) { m_sorted = sorted; }
  int LastSortColumn() const { return m_lastSortColumn; }
  bool LastSortDescending() const { return m_lastSortDescending; }
  void SetLastSort(int column, bool descending) {
    m_lastSortColumn = column;
    m_lastSortDescending = descending;
  }

  CellChanged OnCellChanged;

 private:
  friend class TCell;
  void CellChangedByCell();

  // Fixed-size slots for the cells of one column, taken from large blocks, so
  // that a column of many cells costs few allocations and is freed in bulk.
  class CellArena {
   public:
    explicit CellArena(std::size_t slotSize);
    void* Allocate();
    void Release(void* slot);  // the slot's cell is already destroyed
    void Reset();              // every slot is free again
   private:
    struct FreeCell {
      void operator()(std::byte* block) const;
    };
    void AddBlock();
    std::size_t m_slotSize;
    std::vector<std::unique_ptr<std::byte, FreeCell>> m_blocks;
    std::size_t m_slotsInLast = 0;
    std::size_t m_usedInLast = 0;
    void* m_free = nullptr;  // released slots, linked through their first bytes
  };
  // The cells of one column, one per row, in row order; the list owns them.
  struct ColumnList {
    explicit ColumnList(const CellKindTemplate& column);
    ~ColumnList();
    ColumnList(const ColumnList&) = delete;
    ColumnList& operator=(const ColumnList&) = delete;
    void Destroy(TCell* cell);
    void DestroyAll();
    CellKindTemplate templ;
    CellArena arena;
    std::vector<TCell*> cells;
  };
  TCell* NewCell(ColumnList& list);
  std::vector<std::unique_ptr<ColumnList>> m_columns;
  std::vector<std::unique_ptr<TRow>> m_rows;
  int m_shownRowCount = 0;
  int m_defaultRowHeight = 16;
  int m_lastColumn = 0;
  int m_lastRow = 0;
  bool m_sorted = false;
  int m_lastSortColumn = -1;
  bool m_lastSortDescending = false;
};

}  // namespace kx
