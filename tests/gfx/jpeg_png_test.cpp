#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "platform/gfx/jpeg_image.h"
#include "platform/gfx/png_writer.h"

namespace kx {
namespace {

// A picture red on the left half and blue on the right, as a JPEG.
std::vector<std::uint8_t> TwoHalvesJpeg(int w, int h) {
  TBitmap picture(w, h, TPixelFormat::pf24bit);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bool left = x < w / 2;
      picture.SetPixelAt(x, y, MakePixel(left ? 220 : 20, 20, left ? 20 : 220));
    }
  }
  return EncodeJpeg(picture, 95);
}

TEST(JpegImageTest, DecodesIntoABitmap) {
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(TwoHalvesJpeg(32, 16));
  ASSERT_EQ(jpeg.Width(), 32);
  ASSERT_EQ(jpeg.Height(), 16);
  Pixel32 left = jpeg.Bitmap().PixelAt(4, 8);
  Pixel32 right = jpeg.Bitmap().PixelAt(28, 8);
  EXPECT_GT(PixelR(left), 180);
  EXPECT_LT(PixelB(left), 60);
  EXPECT_GT(PixelB(right), 180);
}

TEST(JpegImageTest, DamagedDataRaisesTheJpegError) {
  std::vector<std::uint8_t> data = TwoHalvesJpeg(16, 16);
  for (std::vector<std::uint8_t> bad :
       {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0xFF, 0xD8},
        std::vector<std::uint8_t>(data.begin(), data.begin() + 20)}) {
    TJPEGImage jpeg;
    EXPECT_THROW(jpeg.LoadFromBytes(bad), EJPEG);
  }
}

TEST(PngWriterTest, WritesAValidPngSignatureAndFile) {
  TBitmap b(7, 5);
  std::vector<std::uint8_t> png = EncodePng(b);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(png[2], 'N');
  std::string path = ::testing::TempDir() + "kestrix_png_test.png";
  SavePng(b, path);
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  EXPECT_EQ(static_cast<std::size_t>(in.tellg()), png.size());
  std::remove(path.c_str());
  EXPECT_THROW(SavePng(b, "/nonexistent-dir/x.png"), EFCreateError);
}

}  // namespace
}  // namespace kx
