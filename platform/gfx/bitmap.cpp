#include "platform/gfx/bitmap.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>

#include "platform/gfx/bmp_codec.h"
#include "platform/gfx/canvas.h"

namespace kx {

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit:
      return 1;
    case TPixelFormat::pf4bit:
      return 4;
    case TPixelFormat::pf8bit:
      return 8;
    case TPixelFormat::pf24bit:
      return 24;
    case TPixelFormat::pf32bit:
      return 32;
  }
  return 24;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) : m_format(format) {
  SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other)
    : m_width(other.m_width),
      m_height(other.m_height),
      m_format(other.m_format),
      m_pixels(other.m_pixels),
      m_palette(other.m_palette),
      m_transparent(other.m_transparent),
      m_transparentMode(other.m_transparentMode),
      m_transparentColor(other.m_transparentColor) {}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this == &other) return *this;
  m_width = other.m_width;
  m_height = other.m_height;
  m_format = other.m_format;
  m_pixels = other.m_pixels;
  m_palette = other.m_palette;
  m_transparent = other.m_transparent;
  m_transparentMode = other.m_transparentMode;
  m_transparentColor = other.m_transparentColor;
  if (m_canvas) m_canvas->ResetClip();
  return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == m_width && height == m_height) return;
  std::vector<Pixel32> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                              MakePixel(255, 255, 255));
  int keepW = std::min(width, m_width);
  int keepH = std::min(height, m_height);
  for (int y = 0; y < keepH; ++y) {
    std::copy_n(ScanLine(y), keepW, pixels.data() + static_cast<std::size_t>(y) * width);
  }
  m_pixels = std::move(pixels);
  m_width = width;
  m_height = height;
  if (m_canvas) m_canvas->ResetClip();
}

TColor TBitmap::ColorAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return clNone;
  return PixelToColor(PixelAt(x, y));
}

TCanvas& TBitmap::Canvas() {
  if (!m_canvas) m_canvas = std::make_unique<TCanvas>(*this);
  return *m_canvas;
}

TColor TBitmap::TransparentColor() const {
  if (m_transparentMode == TTransparentMode::tmFixed && m_transparentColor != clDefault) {
    return m_transparentColor;
  }
  if (Empty()) return clDefault;
  return PixelToColor(PixelAt(0, m_height - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
  m_transparentColor = color;
  m_transparentMode = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
}

std::size_t TBitmap::LoadFromBytes(std::span<const std::uint8_t> data) {
  TBitmap loaded;
  std::size_t used = ReadBmp(data, loaded);
  loaded.m_transparent = m_transparent;
  loaded.m_transparentMode = m_transparentMode;
  loaded.m_transparentColor = m_transparentColor;
  *this = loaded;
  return used;
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const {
  return WriteBmp(*this);
}

void TBitmap::LoadFromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFOpenError(FormatMessage(SFOpenErrorEx, {path, SystemErrorText(errno)}));
  std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
  LoadFromBytes(data);
}

void TBitmap::SaveToFile(const std::string& path) const {
  std::vector<std::uint8_t> data = SaveToBytes();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw EFCreateError(FormatMessage(SFCreateErrorEx, {path, SystemErrorText(errno)}));
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

}  // namespace kx
