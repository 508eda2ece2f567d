#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace kx::pictures {

inline constexpr int kAboutWidth = 800;
inline constexpr int kAboutHeight = 600;

// The About page's picture: a blue textured background, the product name in
// large red letters, a floodlit stadium at dusk on the left, a red rounded
// panel on the right where the login controls stand once the picture is
// stretched to the page (801 x 577), a light plate at the top right behind the
// version and link labels, and the maker's logo at the bottom right.
TBitmap DrawAboutPicture();

}  // namespace kx::pictures
