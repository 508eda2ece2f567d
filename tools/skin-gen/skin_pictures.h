#pragma once

#include <vector>

#include "platform/gfx/bitmap.h"

namespace kx::skingen {

// The pictures of the Kestrix Red skin: the frame picture, its mask and the
// eleven active pictures in the order of the [PICTURES] list.
struct SkinPictures {
  TBitmap Main;
  TBitmap Mask;
  std::vector<TBitmap> Active;
};

SkinPictures DrawKestrixRed();

}  // namespace kx::skingen
