#pragma once

#include <cstdint>

#include "platform/base/color.h"

namespace kx {

// A pixel in memory: 0xAARRGGBB, that is B, G, R, A bytes in little-endian order.
using Pixel32 = std::uint32_t;

inline constexpr Pixel32 kOpaque = 0xFF000000u;

inline constexpr Pixel32 ColorToPixel(TColor rgb) {
  return kOpaque | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
// Resolves system colours first.
inline Pixel32 AnyColorToPixel(TColor color) {
  return ColorToPixel(ColorToRGB(color));
}
inline constexpr TColor PixelToColor(Pixel32 p) {
  return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}
inline constexpr std::uint8_t PixelR(Pixel32 p) {
  return static_cast<std::uint8_t>(p >> 16);
}
inline constexpr std::uint8_t PixelG(Pixel32 p) {
  return static_cast<std::uint8_t>(p >> 8);
}
inline constexpr std::uint8_t PixelB(Pixel32 p) {
  return static_cast<std::uint8_t>(p);
}
inline constexpr std::uint8_t PixelA(Pixel32 p) {
  return static_cast<std::uint8_t>(p >> 24);
}
inline constexpr Pixel32 MakePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                   std::uint8_t a = 0xFF) {
  return (static_cast<Pixel32>(a) << 24) | (static_cast<Pixel32>(r) << 16) |
         (static_cast<Pixel32>(g) << 8) | b;
}
inline constexpr Pixel32 RgbOf(Pixel32 p) {
  return p & 0x00FFFFFFu;
}

// Blends colour over dst with coverage 0..255.
inline Pixel32 BlendPixel(Pixel32 dst, Pixel32 color, unsigned coverage) {
  unsigned inv = 255 - coverage;
  auto mix = [&](unsigned shift) {
    unsigned d = (dst >> shift) & 0xFF;
    unsigned c = (color >> shift) & 0xFF;
    return ((c * coverage + d * inv + 127) / 255) << shift;
  };
  return (dst & 0xFF000000u) | mix(16) | mix(8) | mix(0);
}

}  // namespace kx
