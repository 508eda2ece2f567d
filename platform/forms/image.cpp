#include "platform/forms/image.h"

namespace kx {

void TPicture::SetBitmap(const TBitmap& bitmap) {
  m_jpeg.reset();
  m_bitmap = std::make_unique<TBitmap>(bitmap);
  Changed();
}

void TPicture::LoadJpeg(std::span<const std::uint8_t> data) {
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->LoadFromBytes(data);
  m_bitmap.reset();
  m_jpeg = std::move(jpeg);
  Changed();
}

void TPicture::Clear() {
  m_bitmap.reset();
  m_jpeg.reset();
  Changed();
}

const TBitmap* TPicture::Graphic() const {
  if (m_jpeg) return &m_jpeg->Bitmap();
  return m_bitmap.get();
}

void TPicture::Changed() {
  if (OnChange) OnChange();
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  m_picture.OnChange = [this] { Invalidate(); };
}

void TImage::SetStretch(bool value) {
  m_stretch = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  m_center = value;
  Invalidate();
}

void TImage::Paint() {
  const TBitmap* graphic = m_picture.Graphic();
  if (!graphic || graphic->Empty()) return;
  if (m_stretch) {
    Canvas().StretchDraw(ClientRect(), *graphic);
    return;
  }
  int x = m_center ? (Width() - graphic->Width()) / 2 : 0;
  int y = m_center ? (Height() - graphic->Height()) / 2 : 0;
  Canvas().Draw(x, y, *graphic);
}

}  // namespace kx
