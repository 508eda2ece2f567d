#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "platform/forms/controls.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/jpeg_image.h"

namespace kx {

// A picture that holds a bitmap or a JPEG image.
class TPicture {
 public:
  void SetBitmap(const TBitmap& bitmap);
  // Raises EJPEG for data that is not a JPEG image; the old picture then stays.
  void LoadJpeg(std::span<const std::uint8_t> data);
  void Clear();
  bool Empty() const { return !m_bitmap && !m_jpeg; }
  bool IsJpeg() const { return m_jpeg != nullptr; }
  // The pixels to draw, or nullptr when empty.
  const TBitmap* Graphic() const;
  int Width() const { return Graphic() ? Graphic()->Width() : 0; }
  int Height() const { return Graphic() ? Graphic()->Height() : 0; }
  std::function<void()> OnChange;

 private:
  void Changed();
  std::unique_ptr<TBitmap> m_bitmap;
  std::unique_ptr<TJPEGImage> m_jpeg;
};

// Shows a picture, at its natural size from the top-left corner or stretched to the control.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  TPicture& Picture() { return m_picture; }
  bool Stretch() const { return m_stretch; }
  void SetStretch(bool value);
  bool Center() const { return m_center; }
  void SetCenter(bool value);

 protected:
  void Paint() override;

 private:
  TPicture m_picture;
  bool m_stretch = false;
  bool m_center = false;
};

}  // namespace kx
