#pragma once

#include <memory>

#include "platform/base/geometry.h"
#include "platform/gfx/bitmap.h"
#include "platform/window/messages.h"

namespace kx {

// A mouse cursor: one of the standard shapes, or a picture with a hot spot.
// Picture cursors keep their pixels with alpha (0 = transparent).
struct TCursorShape {
  TStandardCursor Standard = TStandardCursor::Arrow;
  bool HasImage = false;
  TBitmap Image;
  TPoint HotSpot;
};
using HCURSOR = std::shared_ptr<const TCursorShape>;

HCURSOR LoadCursor(TStandardCursor shape);
// A cursor from a colour picture and a mask picture: black mask pixels are
// shown with the colour of the picture, white ones are transparent.
HCURSOR CreateCursorFromBitmaps(const TBitmap& color, const TBitmap& mask, TPoint hotSpot);
// A cursor from a picture whose pixels equal to transparentColor are transparent.
HCURSOR CreateCursorFromBitmap(const TBitmap& color, TColor transparentColor, TPoint hotSpot);

}  // namespace kx
