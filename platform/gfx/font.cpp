#include "platform/gfx/font.h"

namespace kx {

namespace {
constexpr int kPixelsPerInch = 96;
}

int TFont::Size() const {
  // MulDiv rounds to nearest.
  int h = m_height < 0 ? -m_height : m_height;
  int size = (h * 72 + kPixelsPerInch / 2) / kPixelsPerInch;
  return m_height < 0 ? size : -size;
}

void TFont::SetSize(int points) {
  int px = (points * kPixelsPerInch + 36) / 72;
  SetHeight(-px);
}

}  // namespace kx
