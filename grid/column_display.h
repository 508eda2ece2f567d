#pragma once

#include <memory>

#include "grid/model/columns.h"
#include "platform/gfx/canvas.h"

namespace kx {

inline void FillSolid(TCanvas& canvas, const TRect& rect, TColor color) {
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = color;
  canvas.FillRect(rect);
}

// What a cell shows, for its column's kind: painting its content into the
// content rectangle (padding taken off) and measuring the width it needs.
// The canvas carries the cell's font, colour and style.
class TColumnDisplay {
 public:
  virtual ~TColumnDisplay() = default;
  virtual void Paint(TCanvas& canvas, const TDgCustomColumn& column, const TCellInfo& info,
                     const TRect& content) const = 0;
  virtual int ContentWidth(TCanvas& canvas, const TDgCustomColumn& column,
                           const TCellInfo& info) const = 0;
  // The painter of the column's kind.
  static const TColumnDisplay& For(const TDgCustomColumn& column);
};

// The column's display text with its alignment, ellipsis and wrapping.
class TTextColumnDisplay : public TColumnDisplay {
 public:
  void Paint(TCanvas& canvas, const TDgCustomColumn& column, const TCellInfo& info,
             const TRect& content) const override;
  int ContentWidth(TCanvas& canvas, const TDgCustomColumn& column,
                   const TCellInfo& info) const override;
};

// Numbers are text formatted by the column.
class TNumberColumnDisplay : public TTextColumnDisplay {};

// The image of the column's image list at the cell's index.
class TImageColumnDisplay : public TColumnDisplay {
 public:
  void Paint(TCanvas& canvas, const TDgCustomColumn& column, const TCellInfo& info,
             const TRect& content) const override;
  int ContentWidth(TCanvas& canvas, const TDgCustomColumn& column,
                   const TCellInfo& info) const override;
};

}  // namespace kx
