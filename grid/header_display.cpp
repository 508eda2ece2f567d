#include "grid/header_display.h"

#include "grid/column_display.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/draw_text.h"

namespace kx {

namespace {

constexpr int kSortArrowGap = 19;   // from the caption's end to the arrow
constexpr int kSortArrowRoom = 31;  // right-aligned content stands back this far for the arrow
constexpr int kSortArrowSize = 8;

// A raised arrow in the 8 x 8 box at (x, y): lit on its left side, shaded on
// its right side and on its flat side, pointing up or down.
void DrawSortArrow(TCanvas& canvas, int x, int y, bool up) {
  const int right = x + kSortArrowSize;
  const int bottom = y + kSortArrowSize - 1;
  const int apexX = x + kSortArrowSize / 2;
  TPen& pen = canvas.Pen();
  pen.Mode = TPenMode::pmCopy;
  pen.Width = 1;
  if (up) {
    pen.Color = clBtnHighlight;
    canvas.MoveTo(apexX, y);
    canvas.LineTo(x, bottom);
    pen.Color = clBtnShadow;
    canvas.LineTo(right, bottom);
    canvas.LineTo(apexX, y);
  } else {
    pen.Color = clBtnHighlight;
    canvas.MoveTo(apexX, bottom);
    canvas.LineTo(x, y);
    canvas.LineTo(right, y);
    pen.Color = clBtnShadow;
    canvas.LineTo(apexX, bottom);
  }
}

// The caption turned by 90 degrees so that it reads upwards, its first
// character at the bottom: drawn upright on a scratch bitmap of the header's
// colour, then copied pixel by pixel into place. Its glyph tops face left at
// x; its start stands at bottom.
void DrawVerticalCaption(TCanvas& canvas, const TColumnHeader& header, int x, int bottom) {
  const int length = canvas.TextWidthW(header.Caption());
  const int thickness = canvas.TextHeight();
  if (length <= 0 || thickness <= 0) return;
  TBitmap upright(length, thickness);
  TCanvas& scratch = upright.Canvas();
  scratch.Brush().Style = TBrushStyle::bsSolid;
  scratch.Brush().Color = header.Color();
  scratch.FillRect({0, 0, length, thickness});
  scratch.Font() = canvas.Font();
  scratch.Brush().Style = TBrushStyle::bsClear;
  TRect line{0, 0, length, thickness};
  DrawTextW(scratch, header.Caption(), line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  for (int along = 0; along < length; ++along) {
    for (int across = 0; across < thickness; ++across) {
      canvas.SetPixel(x + across, bottom - 1 - along, scratch.Pixel(along, across));
    }
  }
}

}  // namespace

const TStyleDisplay& TStyleDisplay::For(THeaderStyle style) {
  static const TDefaultStyleDisplay standard;
  static const TFlatStyleDisplay flat;
  return style == THeaderStyle::hsFlatBorders ? static_cast<const TStyleDisplay&>(flat) : standard;
}

int TStyleDisplay::CaptionWidth(TCanvas& canvas, const TColumnHeader& header) {
  if (header.Orientation() == THeaderOrientation::hoVertical) return canvas.TextHeight();
  if (!header.MultiLine()) return canvas.TextWidthW(header.Caption());
  TRect extent{0, 0, 0, 0};
  DrawTextW(canvas, header.Caption(), extent, DT_CALCRECT | DT_LEFT | DT_NOPREFIX);
  return extent.Width();
}

void TStyleDisplay::PaintHeader(TCanvas& canvas, const TDgCustomColumn& column, const TRect& r,
                                const THeaderPaintState& state) const {
  DrawBackground(canvas, column, r, state);
  TRect content = r;
  if (state.pressed && ShowsPressed()) content = content.Offset({1, 1});
  DrawContent(canvas, column, content, state);
}

void TStyleDisplay::DrawContent(TCanvas& canvas, const TDgCustomColumn& column, TRect r,
                                const THeaderPaintState& state) const {
  const TColumnHeader& header = column.Header();
  const int height = r.Height();
  bool imageOnly = header.DisplayMode() == TDisplayMode::dmImageOnly;
  int textWidth = imageOnly ? 0 : CaptionWidth(canvas, header) + 2;
  const TBitmap& glyph = header.Glyph();
  bool showGlyph = !glyph.Empty() && header.DisplayMode() != TDisplayMode::dmTextOnly;
  bool arrow = column.Sorted() && state.sortArrow;
  int textX = r.Left + 2;
  int sortShift = arrow ? kSortArrowRoom : 0;
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
  if (!imageOnly && header.Orientation() == THeaderOrientation::hoVertical) {
    DrawVerticalCaption(canvas, header, textX, r.Bottom - 2);
  } else if (!imageOnly) {
    canvas.Brush().Style = TBrushStyle::bsClear;
    TRect text{textX, r.Top, r.Right, r.Bottom};
    std::uint32_t flags = DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    if (!header.MultiLine()) flags |= DT_SINGLELINE;
    DrawTextW(canvas, header.Caption(), text, flags);
  }
  if (!arrow) return;
  int x = textX + textWidth + kSortArrowGap;
  int y = r.Top + height / 2 - 4;
  if (x + kSortArrowSize < r.Right || !header.HideArrow()) {
    DrawSortArrow(canvas, x, y, column.SortKind() == TSortKind::skAscending);
  }
}

void TDefaultStyleDisplay::DrawBackground(TCanvas& canvas, const TDgCustomColumn& column,
                                          const TRect& r, const THeaderPaintState& state) const {
  const TColor face = column.Header().Color();
  // Pressed, the raised frame turns inverted: lit where it was shaded and back.
  const TColor lit = state.pressed ? clBtnShadow : clBtnHighlight;
  const TColor shaded = state.pressed ? clBtnHighlight : clBtnShadow;
  const bool first = state.firstVisible;
  const bool last = state.lastVisible;
  FillSolid(canvas, r.Inflated(-1, -1), face);
  FillSolid(canvas, {r.Left, r.Top, r.Right, r.Top + 1}, lit);
  FillSolid(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, shaded);
  // Between two headers the side edges stop short, with the face at their ends.
  if (first) {
    FillSolid(canvas, {r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, lit);
  } else {
    FillSolid(canvas, {r.Left, r.Top + 2, r.Left + 1, r.Bottom - 2}, lit);
    canvas.SetPixel(r.Left, r.Top + 1, face);
    canvas.SetPixel(r.Left, r.Bottom - 2, face);
  }
  if (last) {
    FillSolid(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom - 1}, shaded);
  } else {
    FillSolid(canvas, {r.Right - 1, r.Top + 2, r.Right, r.Bottom - 2}, shaded);
    canvas.SetPixel(r.Right - 1, r.Top + 1, face);
    canvas.SetPixel(r.Right - 1, r.Bottom - 2, face);
  }
}

void TFlatStyleDisplay::DrawBackground(TCanvas& canvas, const TDgCustomColumn& column,
                                       const TRect& r, const THeaderPaintState&) const {
  FillSolid(canvas, r, column.Header().Color());
  FillSolid(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, clGrayText);
  FillSolid(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, clGrayText);
}

}  // namespace kx
