#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "platform/base/color.h"
#include "platform/gfx/forward.h"
#include "skin/store/skin_values.h"

namespace kx {

// A working bitmap of 24 bits per pixel, top-down, rows of 3 x Width bytes
// padded to a multiple of 4, each pixel blue, green, red. Every effect rounds
// its channel results to the nearest integer (halves to even) and clamps them.
class TksEffectBmp {
 public:
  TksEffectBmp(int width, int height);
  explicit TksEffectBmp(const TBitmap& source);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  std::size_t RowBytes() const { return m_rowBytes; }
  std::size_t Size() const { return m_bits.size(); }
  std::uint8_t* Row(int y) { return m_bits.data() + static_cast<std::size_t>(y) * m_rowBytes; }
  const std::uint8_t* Row(int y) const {
    return m_bits.data() + static_cast<std::size_t>(y) * m_rowBytes;
  }
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  TBitmap ToBitmap() const;
  // Draws unscaled with the top-left corner at (x, y).
  void Draw(TCanvas& canvas, int x, int y) const;

  void Brightness(double amount);
  void Darkness(double amount);
  void GrayScale();
  void Noise(int amount, std::uint32_t seed = std::random_device{}());
  void SplitBlur(int distance);
  void Invert();
  // Mixes in other (of the same size) by amount.
  void Blend(const TksEffectBmp& other, double amount);
  // Mixes colour into the pixels whose mask pixel is not pure white.
  void Tint(const TksEffectBmp& mask, TColor color, double amount);
  // Blurs the pixels inside the mask that touch its outside at distance d.
  void SoftenEdge(const TksEffectBmp& mask, int distance);
  TksEffectBmp RotatedLeft() const;
  TksEffectBmp RotatedRight() const;
  TksEffectBmp FlippedVertically() const;

 private:
  std::uint8_t* At(int x, int y) { return Row(y) + static_cast<std::size_t>(x) * 3; }
  const std::uint8_t* At(int x, int y) const { return Row(y) + static_cast<std::size_t>(x) * 3; }
  bool WhiteIn(const TksEffectBmp& mask, int x, int y) const;
  // The mean of the four diagonal neighbours at distance d, coordinates that
  // leave the bitmap replaced by the pixel's own row or column.
  void DiagonalMean(int x, int y, int d, std::uint8_t out[3]) const;
  template <typename Fn>
  void ForEachChannel(Fn&& fn);
  template <typename Fn>
  TksEffectBmp Remapped(int width, int height, Fn&& target) const;

  int m_width;
  int m_height;
  std::size_t m_rowBytes;
  std::vector<std::uint8_t> m_bits;
};

// The frame's inactive look: brightness(0.5), darkness(0.3), grayscale,
// noise(50), split blur(1) or invert.
void ApplyInActiveEffect(TksEffectBmp& bitmap, TksInActiveEffect effect);

}  // namespace kx
