#include <cstddef>
#include <cstdint>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/bmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::TBitmap bitmap;
  try {
    std::size_t used = kx::ReadBmp({data, size}, bitmap);
    if (used > size) __builtin_trap();
    kx::WriteBmp(bitmap);
  } catch (const kx::EInvalidGraphic&) {
  }
  return 0;
}
