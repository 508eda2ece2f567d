#pragma once

#include "grid/grid_types.h"
#include "grid/model/columns.h"
#include "platform/gfx/canvas.h"

namespace kx {

// How one header is to look besides its column's own settings.
struct THeaderPaintState {
  bool pressed = false;
  bool firstVisible = false;
  bool lastVisible = false;
  bool sortArrow = true;  // the drag box shows the header without it
};

// A header painter: the background and frame of one header style, then the
// glyph, the caption and the sort arrow, which every style places alike.
// This platform has no visual styles, so every painter draws the unthemed look.
class TStyleDisplay {
 public:
  virtual ~TStyleDisplay() = default;
  // Paints the header of the column into r with the canvas's font.
  void PaintHeader(TCanvas& canvas, const TDgCustomColumn& column, const TRect& r,
                   const THeaderPaintState& state) const;
  // The painter of a header style.
  static const TStyleDisplay& For(THeaderStyle style);
  // The room the caption takes across the header with the canvas's font: the
  // widest line of a multi-line caption, the text height of a vertical one.
  static int CaptionWidth(TCanvas& canvas, const TColumnHeader& header);

 protected:
  virtual void DrawBackground(TCanvas& canvas, const TDgCustomColumn& column, const TRect& r,
                              const THeaderPaintState& state) const = 0;
  // Whether the style shows a header as pressed; its content then moves down and right by one.
  virtual bool ShowsPressed() const { return false; }

 private:
  void DrawContent(TCanvas& canvas, const TDgCustomColumn& column, TRect r,
                   const THeaderPaintState& state) const;
};

// hsAuto: a raised button face, drawn inverted (sunken) while pressed. The
// styles that imitate other systems' themes draw the same way.
class TDefaultStyleDisplay : public TStyleDisplay {
 protected:
  void DrawBackground(TCanvas& canvas, const TDgCustomColumn& column, const TRect& r,
                      const THeaderPaintState& state) const override;
  bool ShowsPressed() const override { return true; }
};

// hsFlatBorders: the header colour with grey lines at the right and bottom; a
// press does not change it.
class TFlatStyleDisplay : public TStyleDisplay {
 protected:
  void DrawBackground(TCanvas& canvas, const TDgCustomColumn& column, const TRect& r,
                      const THeaderPaintState& state) const override;
};

}  // namespace kx
