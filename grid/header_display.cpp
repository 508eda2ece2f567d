#include "grid/header_display.h"

#include "grid/column_display.h"
#include "platform/gfx/draw_text.h"

namespace kx {

const TStyleDisplay& TStyleDisplay::For(THeaderStyle style) {
  static const TDefaultStyleDisplay standard;
  static const TFlatStyleDisplay flat;
  return style == THeaderStyle::hsFlatBorders ? static_cast<const TStyleDisplay&>(flat) : standard;
}

void TStyleDisplay::PaintHeader(TCanvas& canvas, const TDgCustomColumn& column, const TRect& r,
                                const THeaderPaintState& state) const {
  DrawBackground(canvas, column, r, state);
  TRect content = r;
  if (state.pressed) content = content.Offset({1, 1});
  DrawContent(canvas, column, content, state);
}

void TStyleDisplay::DrawContent(TCanvas& canvas, const TDgCustomColumn& column, TRect r,
                                const THeaderPaintState& state) const {
  const TColumnHeader& header = column.Header();
  const int height = r.Height();
  bool imageOnly = header.DisplayMode() == TDisplayMode::dmImageOnly;
  int textWidth = imageOnly ? 0 : canvas.TextWidthW(header.Caption()) + 2;
  const TBitmap& glyph = header.Glyph();
  bool showGlyph = !glyph.Empty() && header.DisplayMode() != TDisplayMode::dmTextOnly;
  bool arrow = column.Sorted() && state.sortArrow;
  int textX = r.Left + 2;
  int sortShift = arrow ? 31 : 0;
  if (!showGlyph) {
    if (header.Alignment() == TAlignment::taRightJustify) textX = r.Right - textWidth - sortShift;
    if (header.Alignment() == TAlignment::taCenter && textWidth < r.Width()) {
      textX = r.Left + (r.Width() - textWidth) / 2;
    }
  } else {
    int glyphY = r.Top + height / 2 - glyph.Height() / 2;
    int glyphX = r.Left + 3;
    if (header.Alignment() == TAlignment::taRightJustify) {
      glyphX = r.Right - glyph.Width() - textWidth - 2 - sortShift;
    }
    if (header.Alignment() == TAlignment::taCenter) {
      glyphX = r.Left + r.Width() / 2 - (glyph.Width() + textWidth) / 2;
    }
    canvas.Draw(glyphX, glyphY, glyph);
    textX = glyphX + glyph.Width() + 2;
  }
  if (!imageOnly) {
    canvas.Brush().Style = TBrushStyle::bsClear;
    TRect text{textX, r.Top, r.Right, r.Bottom};
    std::uint32_t flags = DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    if (!header.MultiLine()) flags |= DT_SINGLELINE;
    DrawTextW(canvas, header.Caption(), text, flags);
  }
  if (!arrow) return;
  int x = textX + textWidth + 19;
  int y = r.Top + height / 2 - 4;
  if (x + 8 < r.Right || !header.HideArrow()) {
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = clGrayText;
    canvas.Pen().Color = clGrayText;
    if (column.SortKind() == TSortKind::skDescending) {
      canvas.Polygon({{x, y}, {x + 4, y + 4}, {x + 8, y}});
    } else {
      canvas.Polygon({{x, y + 4}, {x + 4, y}, {x + 8, y + 4}});
    }
  }
}

void TDefaultStyleDisplay::DrawBackground(TCanvas& canvas, const TDgCustomColumn& column,
                                          const TRect& r, const THeaderPaintState& state) const {
  FillSolid(canvas, r.Inflated(-1, -1), column.Header().Color());
  if (state.pressed) {
    // Pressed: one shadow line all round, as a flat pushed button.
    FillSolid(canvas, {r.Left, r.Top, r.Right, r.Top + 1}, clBtnShadow);
    FillSolid(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, clBtnShadow);
    FillSolid(canvas, {r.Left, r.Top, r.Left + 1, r.Bottom}, clBtnShadow);
    FillSolid(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, clBtnShadow);
    return;
  }
  bool first = state.firstVisible;
  bool last = state.lastVisible;
  FillSolid(canvas, {r.Left, r.Top, r.Right, r.Top + 1}, clBtnHighlight);
  FillSolid(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, clBtnShadow);
  FillSolid(canvas, {r.Left, r.Top + (first ? 1 : 2), r.Left + 1, r.Bottom - (first ? 1 : 2)},
            clBtnHighlight);
  FillSolid(canvas, {r.Right - 1, r.Top + (last ? 0 : 2), r.Right, r.Bottom - (last ? 1 : 2)},
            clBtnShadow);
}

void TFlatStyleDisplay::DrawBackground(TCanvas& canvas, const TDgCustomColumn& column,
                                       const TRect& r, const THeaderPaintState&) const {
  FillSolid(canvas, r, column.Header().Color());
  FillSolid(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, clGrayText);
  FillSolid(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, clGrayText);
}

}  // namespace kx
