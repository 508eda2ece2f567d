#pragma once

#include <string_view>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace kx::pictures {

// A small picture with its mask (white: transparent), as image lists take them.
struct MaskedPicture {
  TBitmap image;
  TBitmap mask;
};

inline constexpr int kFlagCount = 103;

// The flags of the league table, 16 x 16, in image-list order: image 0 the
// football for unknown leagues, then the countries, 25 the European flag.
std::vector<MaskedPicture> DrawFlags();
// The country each flag stands for, for the contact sheet.
std::string_view FlagName(int index);

// A flat 16 x 16 picture as a small glossy rounded square, or a round button.
MaskedPicture GlossyTile(const TBitmap& flat);
MaskedPicture GlossyPicture(const TBitmap& flat, bool round);

}  // namespace kx::pictures
