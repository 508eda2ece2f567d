#pragma once

#include "platform/gfx/bitmap.h"

namespace kx::skingen {

// Tabs, check marks, edit, panel and label frames, buttons, arrows, scroll
// bars, gauge, track bar and list and grid cells on the face colour.
TBitmap DrawControlsPicture();

}  // namespace kx::skingen
