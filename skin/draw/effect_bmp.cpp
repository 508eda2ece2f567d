#include "skin/draw/effect_bmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace kx {

namespace {

std::uint8_t Channel(double value) {
  double rounded = std::nearbyint(value);
  return static_cast<std::uint8_t>(std::clamp(rounded, 0.0, 255.0));
}

double Unit(double x) {
  return std::clamp(x, 0.0, 1.0);
}

std::size_t RowBytesFor(int width) {
  return (static_cast<std::size_t>(std::max(width, 0)) * 3 + 3) & ~std::size_t{3};
}

}  // namespace

TksEffectBmp::TksEffectBmp(int width, int height)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_rowBytes(RowBytesFor(width)),
      m_bits(m_rowBytes * static_cast<std::size_t>(m_height)) {}

TksEffectBmp::TksEffectBmp(const TBitmap& source) : TksEffectBmp(source.Width(), source.Height()) {
  for (int y = 0; y < m_height; ++y) {
    const Pixel32* in = source.ScanLine(y);
    std::uint8_t* out = Row(y);
    for (int x = 0; x < m_width; ++x) {
      out[3 * x] = PixelB(in[x]);
      out[3 * x + 1] = PixelG(in[x]);
      out[3 * x + 2] = PixelR(in[x]);
    }
  }
}

TColor TksEffectBmp::Pixel(int x, int y) const {
  const std::uint8_t* p = At(x, y);
  return static_cast<TColor>(p[2] | (p[1] << 8) | (p[0] << 16));
}

void TksEffectBmp::SetPixel(int x, int y, TColor color) {
  std::uint8_t* p = At(x, y);
  p[2] = static_cast<std::uint8_t>(color & 0xFF);
  p[1] = static_cast<std::uint8_t>((color >> 8) & 0xFF);
  p[0] = static_cast<std::uint8_t>((color >> 16) & 0xFF);
}

TBitmap TksEffectBmp::ToBitmap() const {
  TBitmap out(m_width, m_height);
  for (int y = 0; y < m_height; ++y) {
    const std::uint8_t* in = Row(y);
    Pixel32* row = out.ScanLine(y);
    for (int x = 0; x < m_width; ++x) row[x] = MakePixel(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
  }
  return out;
}

void TksEffectBmp::Draw(TCanvas& canvas, int x, int y) const {
  canvas.Draw(x, y, ToBitmap());
}

template <typename Fn>
void TksEffectBmp::ForEachChannel(Fn&& fn) {
  for (int y = 0; y < m_height; ++y) {
    std::uint8_t* row = Row(y);
    for (std::size_t i = 0; i < static_cast<std::size_t>(m_width) * 3; ++i) row[i] = fn(row[i]);
  }
}

void TksEffectBmp::Brightness(double amount) {
  const double x = Unit(amount);
  ForEachChannel([x](std::uint8_t c) { return Channel((1 - x) * c + 255 * x); });
}

void TksEffectBmp::Darkness(double amount) {
  const double x = Unit(amount);
  ForEachChannel([x](std::uint8_t c) { return Channel((1 - x) * c); });
}

void TksEffectBmp::GrayScale() {
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      std::uint8_t* p = At(x, y);
      std::uint8_t g = Channel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
      p[0] = p[1] = p[2] = g;
    }
  }
}

void TksEffectBmp::Noise(int amount, std::uint32_t seed) {
  if (amount < 1) return;
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> pick(0, amount - 1);
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      int shift = pick(random) - amount / 2;
      std::uint8_t* p = At(x, y);
      for (int c = 0; c < 3; ++c) p[c] = Channel(p[c] + shift);
    }
  }
}

void TksEffectBmp::DiagonalMean(int x, int y, int d, std::uint8_t out[3]) const {
  auto col = [&](int v) { return v < 0 || v >= m_width ? x : v; };
  auto row = [&](int v) { return v < 0 || v >= m_height ? y : v; };
  const std::uint8_t* n[4] = {At(col(x - d), row(y - d)), At(col(x - d), row(y + d)),
                              At(col(x + d), row(y - d)), At(col(x + d), row(y + d))};
  for (int c = 0; c < 3; ++c)
    out[c] = static_cast<std::uint8_t>((n[0][c] + n[1][c] + n[2][c] + n[3][c]) / 4);
}

void TksEffectBmp::SplitBlur(int distance) {
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      std::uint8_t mean[3];
      DiagonalMean(x, y, distance, mean);
      std::memcpy(At(x, y), mean, 3);
    }
  }
}

void TksEffectBmp::Invert() {
  ForEachChannel([](std::uint8_t c) { return static_cast<std::uint8_t>(255 - c); });
}

void TksEffectBmp::Blend(const TksEffectBmp& other, double amount) {
  if (other.m_width != m_width || other.m_height != m_height) return;
  const double x = Unit(amount);
  for (int y = 0; y < m_height; ++y) {
    std::uint8_t* row = Row(y);
    const std::uint8_t* o = other.Row(y);
    for (std::size_t i = 0; i < static_cast<std::size_t>(m_width) * 3; ++i)
      row[i] = Channel((1 - x) * row[i] + x * o[i]);
  }
}

bool TksEffectBmp::WhiteIn(const TksEffectBmp& mask, int x, int y) const {
  const std::uint8_t* p = mask.At(x, y);
  return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

void TksEffectBmp::Tint(const TksEffectBmp& mask, TColor color, double amount) {
  if (mask.m_width != m_width || mask.m_height < m_height || m_width == 0 || m_height == 0) return;
  const double k[3] = {static_cast<double>((color >> 16) & 0xFF),
                       static_cast<double>((color >> 8) & 0xFF), static_cast<double>(color & 0xFF)};
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      if (WhiteIn(mask, x, y)) continue;
      std::uint8_t* p = At(x, y);
      for (int c = 0; c < 3; ++c) p[c] = Channel((1 - amount) * p[c] + amount * k[c]);
    }
  }
}

void TksEffectBmp::SoftenEdge(const TksEffectBmp& mask, int distance) {
  if (distance == 0 || m_width == 0 || m_height == 0 || mask.m_width != m_width ||
      mask.m_height < m_height)
    return;
  const int d = distance;
  auto col = [&](int x, int v) { return v < 0 || v >= m_width ? x : v; };
  auto row = [&](int y, int v) { return v < 0 || v >= m_height ? y : v; };
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      if (WhiteIn(mask, x, y)) continue;
      bool edge = WhiteIn(mask, col(x, x - d), row(y, y - d)) ||
                  WhiteIn(mask, col(x, x - d), row(y, y + d)) ||
                  WhiteIn(mask, col(x, x + d), row(y, y - d)) ||
                  WhiteIn(mask, col(x, x + d), row(y, y + d));
      if (!edge) continue;
      std::uint8_t mean[3];
      DiagonalMean(x, y, d, mean);
      std::memcpy(At(x, y), mean, 3);
    }
  }
}

template <typename Fn>
TksEffectBmp TksEffectBmp::Remapped(int width, int height, Fn&& target) const {
  TksEffectBmp out(width, height);
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      auto [tx, ty] = target(x, y);
      std::memcpy(out.At(tx, ty), At(x, y), 3);
    }
  }
  return out;
}

TksEffectBmp TksEffectBmp::RotatedLeft() const {
  return Remapped(m_height, m_width, [&](int x, int y) { return std::pair{y, m_width - 1 - x}; });
}

TksEffectBmp TksEffectBmp::RotatedRight() const {
  return Remapped(m_height, m_width, [&](int x, int y) { return std::pair{m_height - 1 - y, x}; });
}

TksEffectBmp TksEffectBmp::FlippedVertically() const {
  return Remapped(m_width, m_height, [&](int x, int y) { return std::pair{x, m_height - 1 - y}; });
}

void ApplyInActiveEffect(TksEffectBmp& bitmap, TksInActiveEffect effect) {
  switch (effect) {
    case TksInActiveEffect::ieBrightness:
      return bitmap.Brightness(0.5);
    case TksInActiveEffect::ieDarkness:
      return bitmap.Darkness(0.3);
    case TksInActiveEffect::ieGrayscale:
      return bitmap.GrayScale();
    case TksInActiveEffect::ieNoise:
      return bitmap.Noise(50);
    case TksInActiveEffect::ieSplitBlur:
      return bitmap.SplitBlur(1);
    case TksInActiveEffect::ieInvert:
      return bitmap.Invert();
  }
}

}  // namespace kx
