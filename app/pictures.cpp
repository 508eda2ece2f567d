#include "app/pictures.h"

#include <span>

#include "assets/embedded_pictures.h"
#include "platform/forms/image_list.h"
#include "platform/gfx/bmp_codec.h"
#include "platform/gfx/jpeg_image.h"

namespace kx {

namespace {

void LoadStrip(TCustomImageList& images, std::span<const std::uint8_t> strip,
               std::span<const std::uint8_t> mask) {
  TBitmap image;
  TBitmap transparency;
  ReadBmp(strip, image);
  ReadBmp(mask, transparency);
  images.Add(image, &transparency);
}

}  // namespace

void LoadFlagImages(TCustomImageList& images) {
  LoadStrip(images, FlagImagesBmp(), FlagMaskBmp());
}

void LoadTabImages(TCustomImageList& images) {
  LoadStrip(images, TabImagesBmp(), TabMaskBmp());
}

void LoadAboutPicture(TJPEGImage& picture) {
  picture.LoadFromBytes(AboutPictureJpeg());
}

}  // namespace kx
