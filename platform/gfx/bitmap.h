#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/exception.h"
#include "platform/gfx/forward.h"
#include "platform/gfx/pixel.h"

namespace kx {

enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };
enum class TTransparentMode { tmAuto, tmFixed };

int BitsPerPixel(TPixelFormat format);

// Raised for bitmap data that cannot be read.
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};
inline constexpr const char* SInvalidBitmap = "Bitmap image is not valid";

// A device-independent bitmap: 32-bit pixels in memory, plus the pixel format
// (and palette) it was loaded or created with, which saving keeps.
class TBitmap {
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  ~TBitmap();

  void Assign(const TBitmap& other) { *this = other; }

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  bool Empty() const { return m_width == 0 || m_height == 0; }
  // Resizes, keeping the overlapping pixels; new pixels are white.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, m_height); }
  void SetHeight(int height) { SetSize(m_width, height); }

  TPixelFormat PixelFormat() const { return m_format; }
  void SetPixelFormat(TPixelFormat format) { m_format = format; }
  bool Monochrome() const { return m_format == TPixelFormat::pf1bit; }
  // Palette entries (0x00RRGGBB) of 1-, 4- and 8-bit bitmaps.
  const std::vector<Pixel32>& Palette() const { return m_palette; }
  void SetPalette(std::vector<Pixel32> palette) { m_palette = std::move(palette); }

  Pixel32* ScanLine(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
  const Pixel32* ScanLine(int y) const {
    return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
  }
  std::span<Pixel32> PixelData() { return m_pixels; }
  std::span<const Pixel32> PixelData() const { return m_pixels; }
  Pixel32 PixelAt(int x, int y) const { return ScanLine(y)[x]; }
  void SetPixelAt(int x, int y, Pixel32 p) { ScanLine(y)[x] = p; }
  // The pixel as a TColor; clNone outside the bitmap.
  TColor ColorAt(int x, int y) const;

  TCanvas& Canvas();

  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool value) { m_transparent = value; }
  TTransparentMode TransparentMode() const { return m_transparentMode; }
  // The colour of the bottom-left pixel in tmAuto mode, the fixed colour otherwise.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  void SetTransparentMode(TTransparentMode mode) { m_transparentMode = mode; }

  // BMP file data. Loading reads exactly the length the file header gives and
  // returns it; malformed data raises EInvalidGraphic.
  std::size_t LoadFromBytes(std::span<const std::uint8_t> data);
  std::vector<std::uint8_t> SaveToBytes() const;
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;

 private:
  int m_width = 0;
  int m_height = 0;
  TPixelFormat m_format = TPixelFormat::pf24bit;
  std::vector<Pixel32> m_pixels;
  std::vector<Pixel32> m_palette;
  bool m_transparent = false;
  TTransparentMode m_transparentMode = TTransparentMode::tmAuto;
  TColor m_transparentColor = clDefault;
  std::unique_ptr<TCanvas> m_canvas;
};

}  // namespace kx
