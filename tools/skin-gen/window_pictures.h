#pragma once

#include "platform/gfx/bitmap.h"

namespace kx::skingen {

TBitmap DrawPopupWindow();
TBitmap DrawMenuItems();
TBitmap DrawHintWindow();
TBitmap DrawMdiBackground();
// A mask of w x h: black inside a rectangle with corners rounded by radius.
TBitmap DrawRoundedMask(int w, int h, int radius, TPixelFormat format);

}  // namespace kx::skingen
