#include "platform/forms/image_list.h"

namespace kx {

TCustomImageList::TCustomImageList(TComponent* owner, int width, int height)
    : TComponent(owner), m_images(width, height) {}

int TCustomImageList::Add(const TBitmap& image, const TBitmap* mask) {
  return m_images.Add(image, mask);
}

int TCustomImageList::AddMasked(const TBitmap& image, TColor transparentColor) {
  return m_images.AddMasked(image, transparentColor);
}

void TCustomImageList::Clear() {
  m_images.Clear();
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  m_images.Draw(canvas, x, y, index, enabled);
}

}  // namespace kx
