#pragma once

#include "platform/forms/component.h"
#include "platform/gfx/masked_images.h"

namespace kx {

// A component holding equal-sized images with masks, referenced by controls
// and menus through their Images property.
class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* owner, int width = 16, int height = 16);

  int Width() const { return m_images.Width(); }
  int Height() const { return m_images.Height(); }
  int Count() const { return m_images.Count(); }
  // See MaskedImages::Add: white mask pixels are transparent; a wider bitmap adds several.
  int Add(const TBitmap& image, const TBitmap* mask);
  int AddMasked(const TBitmap& image, TColor transparentColor);
  void Clear();
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
  const MaskedImages& Images() const { return m_images; }

 private:
  MaskedImages m_images;
};

class TImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
};

}  // namespace kx
