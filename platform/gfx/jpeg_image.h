#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/base/exception.h"
#include "platform/gfx/bitmap.h"

namespace kx {

class EJPEG : public Exception {
  using Exception::Exception;
};

// Limit on decoded size, so that a hostile header cannot ask for gigabytes.
inline constexpr std::int64_t kMaxJpegPixels = 64LL * 1024 * 1024;

// A JPEG picture decoded into a 24-bit bitmap.
class TJPEGImage {
 public:
  // Raises EJPEG "JPEG error #%d" for data libjpeg cannot decode.
  void LoadFromBytes(std::span<const std::uint8_t> data);
  int Width() const { return m_bitmap.Width(); }
  int Height() const { return m_bitmap.Height(); }
  bool Empty() const { return m_bitmap.Empty(); }
  const TBitmap& Bitmap() const { return m_bitmap; }

 private:
  TBitmap m_bitmap;
};

// Encodes a picture as a baseline JPEG of the given quality (1 to 100).
std::vector<std::uint8_t> EncodeJpeg(const TBitmap& picture, int quality);

}  // namespace kx
