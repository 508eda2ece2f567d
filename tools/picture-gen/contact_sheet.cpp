#include "tools/picture-gen/contact_sheet.h"

#include "platform/gfx/canvas.h"

namespace kx::pictures {

namespace {
constexpr int kCellWidth = 230;
constexpr int kCellHeight = 84;
}  // namespace

void DrawMasked(TBitmap& target, int left, int top, const MaskedPicture& picture, int scale) {
  for (int y = 0; y < picture.image.Height(); ++y) {
    for (int x = 0; x < picture.image.Width(); ++x) {
      if ((picture.mask.PixelAt(x, y) & 0xFFFFFF) != 0) continue;
      Pixel32 p = picture.image.PixelAt(x, y);
      for (int sy = 0; sy < scale; ++sy) {
        for (int sx = 0; sx < scale; ++sx) {
          int tx = left + x * scale + sx, ty = top + y * scale + sy;
          if (tx >= 0 && ty >= 0 && tx < target.Width() && ty < target.Height()) {
            target.SetPixelAt(tx, ty, p);
          }
        }
      }
    }
  }
}

TBitmap ContactSheet(const std::vector<SheetEntry>& entries, int columns) {
  int rows = (static_cast<int>(entries.size()) + columns - 1) / columns;
  TBitmap sheet(columns * kCellWidth + 16, rows * kCellHeight + 16, TPixelFormat::pf24bit);
  TCanvas& c = sheet.Canvas();
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = 0x00F2F2F2;
  c.FillRect({0, 0, sheet.Width(), sheet.Height()});
  c.Font() = TFont("Arial", -11, {}, 0x00303030);
  c.Brush().Style = TBrushStyle::bsClear;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    int left = 8 + static_cast<int>(i) % columns * kCellWidth;
    int top = 8 + static_cast<int>(i) / columns * kCellHeight;
    DrawMasked(sheet, left + 4, top + 26, *entries[i].picture, 1);
    DrawMasked(sheet, left + 28, top + 2, *entries[i].picture, 4);
    c.TextOut(left + 100, top + 26, std::to_string(i) + "  " + entries[i].name);
  }
  return sheet;
}

}  // namespace kx::pictures
