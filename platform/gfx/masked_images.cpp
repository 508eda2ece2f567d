#include "platform/gfx/masked_images.h"

#include "platform/gfx/canvas.h"

namespace kx {

int MaskedImages::Add(const TBitmap& image, const TBitmap* mask) {
  int first = Count();
  int pieces = std::max(1, image.Width() / std::max(1, m_width));
  for (int piece = 0; piece < pieces; ++piece) {
    Entry entry{TBitmap(m_width, m_height, TPixelFormat::pf32bit),
                std::vector<bool>(static_cast<std::size_t>(m_width) * m_height, false)};
    for (int y = 0; y < m_height; ++y) {
      for (int x = 0; x < m_width; ++x) {
        int sx = piece * m_width + x;
        if (sx >= image.Width() || y >= image.Height()) continue;
        entry.image.SetPixelAt(x, y, image.PixelAt(sx, y) | kOpaque);
        bool shows = true;
        if (mask && sx < mask->Width() && y < mask->Height()) {
          shows = RgbOf(mask->PixelAt(sx, y)) == 0;
        }
        entry.shows[static_cast<std::size_t>(y) * m_width + x] = shows;
      }
    }
    m_images.push_back(std::move(entry));
  }
  return first;
}

int MaskedImages::AddMasked(const TBitmap& image, TColor transparentColor) {
  TBitmap mask(image.Width(), image.Height(), TPixelFormat::pf1bit);
  Pixel32 key = RgbOf(AnyColorToPixel(transparentColor));
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      bool transparent = RgbOf(image.PixelAt(x, y)) == key;
      mask.SetPixelAt(x, y, transparent ? 0xFFFFFFFFu : kOpaque);
    }
  }
  return Add(image, &mask);
}

bool MaskedImages::Shows(int index, int x, int y) const {
  if (index < 0 || index >= Count() || x < 0 || y < 0 || x >= m_width || y >= m_height)
    return false;
  return m_images[static_cast<std::size_t>(index)].shows[static_cast<std::size_t>(y) * m_width + x];
}

void MaskedImages::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const Entry& e = m_images[static_cast<std::size_t>(index)];
  for (int row = 0; row < m_height; ++row) {
    for (int col = 0; col < m_width; ++col) {
      if (!e.shows[static_cast<std::size_t>(row) * m_width + col]) continue;
      Pixel32 p = e.image.PixelAt(col, row);
      if (!enabled) {
        // Greyed: the luminance, lifted halfway to white.
        unsigned lum = (PixelR(p) * 77u + PixelG(p) * 150u + PixelB(p) * 29u) >> 8;
        auto g = static_cast<std::uint8_t>(128 + lum / 2);
        p = MakePixel(g, g, g);
      }
      canvas.SetPixel(x + col, y + row, PixelToColor(p));
    }
  }
}

}  // namespace kx
