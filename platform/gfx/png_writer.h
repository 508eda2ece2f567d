#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gfx/forward.h"

namespace kx {

// Encodes the bitmap as an 8-bit RGB PNG (screenshots). Raises EFCreateError
// when the file cannot be written.
std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap);
void SavePng(const TBitmap& bitmap, const std::string& path);

}  // namespace kx
