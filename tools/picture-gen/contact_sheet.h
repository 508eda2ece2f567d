#pragma once

#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "tools/picture-gen/flags.h"

namespace kx::pictures {

struct SheetEntry {
  const MaskedPicture* picture;
  std::string name;
};

// Each picture at its own size and four times larger, with its name, on a
// light background: a page to check small pictures by eye.
TBitmap ContactSheet(const std::vector<SheetEntry>& entries, int columns);

// Copies the visible pixels of a masked picture, each scaled to scale x scale.
void DrawMasked(TBitmap& target, int left, int top, const MaskedPicture& picture, int scale);

}  // namespace kx::pictures
