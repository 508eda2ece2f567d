#include "platform/window/cursor.h"

#include "platform/gfx/pixel.h"

namespace kx {

HCURSOR LoadCursor(TStandardCursor shape) {
  auto cursor = std::make_shared<TCursorShape>();
  cursor->Standard = shape;
  return cursor;
}

namespace {
std::shared_ptr<TCursorShape> PictureCursor(const TBitmap& color, TPoint hotSpot) {
  auto cursor = std::make_shared<TCursorShape>();
  cursor->HasImage = true;
  cursor->Image = TBitmap(color.Width(), color.Height(), TPixelFormat::pf32bit);
  cursor->HotSpot = hotSpot;
  return cursor;
}
}  // namespace

HCURSOR CreateCursorFromBitmaps(const TBitmap& color, const TBitmap& mask, TPoint hotSpot) {
  auto cursor = PictureCursor(color, hotSpot);
  for (int y = 0; y < color.Height(); ++y) {
    for (int x = 0; x < color.Width(); ++x) {
      bool opaque = x < mask.Width() && y < mask.Height() && (mask.PixelAt(x, y) & 0xFFFFFF) == 0;
      Pixel32 p = color.PixelAt(x, y) & 0xFFFFFF;
      cursor->Image.SetPixelAt(x, y, opaque ? (p | 0xFF000000u) : 0u);
    }
  }
  return cursor;
}

HCURSOR CreateCursorFromBitmap(const TBitmap& color, TColor transparentColor, TPoint hotSpot) {
  auto cursor = PictureCursor(color, hotSpot);
  Pixel32 key = RgbOf(AnyColorToPixel(transparentColor));
  for (int y = 0; y < color.Height(); ++y) {
    for (int x = 0; x < color.Width(); ++x) {
      Pixel32 p = color.PixelAt(x, y) & 0xFFFFFF;
      cursor->Image.SetPixelAt(x, y, p == key ? 0u : (p | 0xFF000000u));
    }
  }
  return cursor;
}

}  // namespace kx
