#pragma once

#include "platform/gfx/bitmap.h"

namespace kx::skingen {

TBitmap DrawFramePicture();
TBitmap DrawFrameMask();
// The red caption bar and the caption-button strips, drawn over copies of the
// frame picture's background.
TBitmap DrawActivePicture(const TBitmap& main);

}  // namespace kx::skingen
