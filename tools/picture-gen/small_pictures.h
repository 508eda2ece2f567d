#pragma once

#include <vector>

#include "platform/gfx/bitmap.h"
#include "tools/picture-gen/flags.h"

namespace kx::pictures {

// The page tabs' images, 16 x 16: an information sign, a football, a tennis
// ball, a puck and a basketball.
std::vector<MaskedPicture> DrawTabImages();

// The program's icon, the skin's mark (a red tile with a white K), size x size
// with an alpha channel.
TBitmap DrawIcon(int size);

}  // namespace kx::pictures
