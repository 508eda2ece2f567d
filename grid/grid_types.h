#pragma once

#include <functional>

#include "grid/model/cell_store.h"
#include "platform/base/geometry.h"
#include "platform/base/set.h"
#include "platform/forms/component.h"
#include "platform/gfx/font.h"

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
using TApplyCellEvent = std::function<void(TObject* sender, int col, int row, WideString& value)>;
using TCellHintEvent = std::function<void(TObject* sender, int col, int row, WideString& hint)>;
using TBeforeSelectEvent = std::function<void(TObject* sender, int col, int row, bool& accept)>;

}  // namespace kx
