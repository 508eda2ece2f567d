#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/forward.h"

namespace kx {

// Whether the PNG keeps the pixels' alpha (icons) or is opaque (screenshots).
enum class PngAlpha { Opaque, Keep };

// Encodes the bitmap as an 8-bit RGB (or RGBA) PNG. Raises EFCreateError when
// the file cannot be written.
std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap, PngAlpha alpha = PngAlpha::Opaque);
void SavePng(const TBitmap& bitmap, const std::string& path, PngAlpha alpha = PngAlpha::Opaque);

}  // namespace kx
