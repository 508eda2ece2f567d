#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gfx/forward.h"

namespace kx {

// Limits that keep hostile headers from asking for absurd allocations.
inline constexpr int kMaxBitmapDimension = 32768;
inline constexpr std::int64_t kMaxBitmapPixels = 64LL * 1024 * 1024;

// Reads one BMP file (1, 4, 8, 24 or 32 bits, uncompressed or 32-bit bit fields,
// bottom-up or top-down) from the start of data into bitmap and returns the
// number of bytes it occupies (the size in its file header). Raises EInvalidGraphic.
std::size_t ReadBmp(std::span<const std::uint8_t> data, TBitmap& bitmap);

// Writes the bitmap as a BMP file in its own pixel format.
std::vector<std::uint8_t> WriteBmp(const TBitmap& bitmap);

}  // namespace kx
