#include "grid/column_display.h"

#include <algorithm>

#include "platform/forms/image_list.h"
#include "platform/gfx/draw_text.h"

namespace kx {

namespace {

std::uint32_t TextFlags(const TDgCustomColumn& column) {
  std::uint32_t flags = DT_NOPREFIX;
  if (column.Alignment() == TAlignment::taRightJustify) flags |= DT_RIGHT;
  if (column.Alignment() == TAlignment::taCenter) flags |= DT_CENTER;
  if (column.VerticalAlignment() == TVerticalAlignment::taAlignBottom) flags |= DT_BOTTOM;
  if (column.VerticalAlignment() == TVerticalAlignment::taVerticalCenter) flags |= DT_VCENTER;
  switch (column.WrapKind()) {
    case TWrapKind::wkEllipsis:
      flags |= DT_END_ELLIPSIS;
      break;
    case TWrapKind::wkPathEllipsis:
      flags |= DT_PATH_ELLIPSIS;
      break;
    case TWrapKind::wkWordWrap:
      flags |= DT_WORDBREAK;
      break;
    case TWrapKind::wkNone:
      break;
  }
  bool multiLine = column.WrapKind() == TWrapKind::wkWordWrap || column.IsMultiLine();
  if (!multiLine) flags |= DT_SINGLELINE;
  if (column.BiDiMode() != TBiDiMode::bdLeftToRight) flags |= DT_RTLREADING;
  return flags;
}

}  // namespace

const TColumnDisplay& TColumnDisplay::For(const TDgCustomColumn& column) {
  static const TTextColumnDisplay text;
  static const TNumberColumnDisplay number;
  static const TImageColumnDisplay image;
  switch (column.CellKind()) {
    case TCellKind::Integer:
      return image;
    case TCellKind::Float:
      return number;
    case TCellKind::String:
      break;
  }
  return text;
}

void TTextColumnDisplay::Paint(TCanvas& canvas, const TDgCustomColumn& column,
                               const TCellInfo& info, const TRect& content) const {
  TRect rect{content.Left + 2, content.Top, content.Right - 2, content.Bottom};
  WideString text = column.DisplayText(info);
  std::uint32_t flags = TextFlags(column);
  if (!(flags & DT_SINGLELINE) && column.VerticalAlignment() != TVerticalAlignment::taAlignTop) {
    // Multi-line text is placed by its measured height.
    TRect measured = rect;
    int height = DrawTextW(canvas, text, measured, flags | DT_CALCRECT);
    int free = std::max(0, rect.Height() - height);
    rect.Top +=
        column.VerticalAlignment() == TVerticalAlignment::taAlignBottom ? free : (free + 1) / 2;
    flags &= ~(DT_VCENTER | DT_BOTTOM);
  }
  canvas.Brush().Style = TBrushStyle::bsClear;
  DrawTextW(canvas, text, rect, flags);
}

int TTextColumnDisplay::ContentWidth(TCanvas& canvas, const TDgCustomColumn& column,
                                     const TCellInfo& info) const {
  return canvas.TextWidthW(column.DisplayText(info));
}

void TImageColumnDisplay::Paint(TCanvas& canvas, const TDgCustomColumn& column,
                                const TCellInfo& info, const TRect& rect) const {
  TCustomImageList* images = column.CellImages();
  int value = info.AsInteger;
  if (!images || value < 0 || value >= images->Count()) return;
  int x = rect.Left + 2;
  if (column.Alignment() == TAlignment::taRightJustify) x = rect.Right - images->Width() - 2;
  if (column.Alignment() == TAlignment::taCenter) {
    x = rect.Left + rect.Width() / 2 - images->Width() / 2;
  }
  int y = rect.Top + 2;
  if (column.VerticalAlignment() == TVerticalAlignment::taAlignBottom) {
    y = rect.Bottom - images->Height() - 2;
  }
  if (column.VerticalAlignment() == TVerticalAlignment::taVerticalCenter) {
    y = rect.Top + rect.Height() / 2 - images->Height() / 2;
  }
  images->Draw(canvas, x, y, value, true);
}

int TImageColumnDisplay::ContentWidth(TCanvas&, const TDgCustomColumn& column,
                                      const TCellInfo&) const {
  return column.CellImages() ? column.CellImages()->Width() : 0;
}

}  // namespace kx
