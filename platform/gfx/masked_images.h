#pragma once

#include <vector>

#include "platform/base/color.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/forward.h"

namespace kx {

// Equal-sized images, each with a mask of the pixels that show; the storage
// behind the image-list component.
class MaskedImages {
 public:
  MaskedImages(int width = 16, int height = 16) : m_width(width), m_height(height) {}

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  int Count() const { return static_cast<int>(m_images.size()); }

  // Adds the image and returns its index. mask: white (non-black) pixels are
  // transparent, as in the platform's monochrome masks; nullptr: all show.
  // A wider bitmap adds one image per Width() columns.
  int Add(const TBitmap& image, const TBitmap* mask);
  // Adds with every pixel of the given colour transparent.
  int AddMasked(const TBitmap& image, TColor transparentColor);
  void Clear() { m_images.clear(); }

  // Draws image index at (x, y): greyed when not enabled. Indexes out of range draw nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
  // The image and its visibility mask (true = shows).
  const TBitmap& Image(int index) const { return m_images[static_cast<std::size_t>(index)].image; }
  bool Shows(int index, int x, int y) const;

 private:
  struct Entry {
    TBitmap image;
    std::vector<bool> shows;
  };
  int m_width;
  int m_height;
  std::vector<Entry> m_images;
};

}  // namespace kx
