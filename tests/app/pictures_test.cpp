#include "app/pictures.h"

#include <gtest/gtest.h>

#include "platform/base/geometry.h"
#include "platform/forms/image_list.h"
#include "platform/gfx/jpeg_image.h"

namespace kx {
namespace {

TColor At(const TBitmap& b, int x, int y) {
  return b.ColorAt(x, y);
}

TEST(Pictures, TheFlagsAndTabImagesLoadWithTheirMasks) {
  TImageList flags(nullptr);
  LoadFlagImages(flags);
  ASSERT_EQ(flags.Count(), 103);
  TImageList tabs(nullptr);
  LoadTabImages(tabs);
  ASSERT_EQ(tabs.Count(), 5);
  // Corners are transparent, middles are not.
  EXPECT_FALSE(flags.Images().Shows(23, 0, 0));
  EXPECT_TRUE(flags.Images().Shows(23, 8, 8));
  EXPECT_FALSE(tabs.Images().Shows(0, 0, 0));
  EXPECT_TRUE(tabs.Images().Shows(0, 8, 8));
  // England: the red cross in the middle, white beside it.
  TColor cross = At(flags.Images().Image(23), 8, 8);
  EXPECT_GT(cross & 0xFF, 0xA0u);
  EXPECT_LT((cross >> 8) & 0xFF, 0x60u);
  TColor field = At(flags.Images().Image(23), 3, 4);
  EXPECT_GT((field >> 8) & 0xFF, 0xC0u);
  // Luxembourg twice: images 49 and 102 are the same picture.
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(At(flags.Images().Image(49), x, y), At(flags.Images().Image(102), x, y));
    }
  }
}

TEST(Pictures, TheAboutPictureDecodesWithItsPanelBehindTheLoginControls) {
  TJPEGImage picture;
  LoadAboutPicture(picture);
  ASSERT_EQ(picture.Width(), 800);
  ASSERT_EQ(picture.Height(), 600);
  // The page stretches the picture to 801 x 577: the login field at (424..697,
  // 280..298) of the page lies on the panel, which is light red there.
  auto pageToPicture = [](int x, int y) { return TPoint{x * 800 / 801, y * 600 / 577}; };
  for (TPoint page : {TPoint{424, 264}, TPoint{697, 298}, TPoint{496, 441}, TPoint{609, 416}}) {
    TPoint p = pageToPicture(page.X, page.Y);
    TColor c = picture.Bitmap().ColorAt(p.X, p.Y);
    int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    EXPECT_GT(r, 0xC0) << page.X << "," << page.Y;
    EXPECT_GT(r, g + 40) << page.X << "," << page.Y;
    EXPECT_GT(r, b + 30) << page.X << "," << page.Y;
  }
  // Behind the version label (707, 6) the picture is light, so dark text reads.
  TPoint version = pageToPicture(740, 14);
  TColor plate = picture.Bitmap().ColorAt(version.X, version.Y);
  EXPECT_GT((plate >> 8) & 0xFF, 0xC0u);
  // The background elsewhere is blue.
  TColor back = picture.Bitmap().ColorAt(780, 300);
  EXPECT_GT((back >> 16) & 0xFF, (back & 0xFF) + 40);
}

}  // namespace
}  // namespace kx
