#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "platform/gfx/jpeg_image.h"
#include "platform/gfx/png_writer.h"

namespace kx {
namespace {

std::vector<std::uint8_t> EncodeJpeg(int w, int h) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(w);
  info.image_height = static_cast<JDIMENSION>(h);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(w) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < w; ++x) {
      bool left = x < w / 2;
      row[3 * x] = left ? 220 : 20;
      row[3 * x + 1] = 20;
      row[3 * x + 2] = left ? 20 : 220;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

TEST(JpegImageTest, DecodesIntoABitmap) {
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(EncodeJpeg(32, 16));
  ASSERT_EQ(jpeg.Width(), 32);
  ASSERT_EQ(jpeg.Height(), 16);
  Pixel32 left = jpeg.Bitmap().PixelAt(4, 8);
  Pixel32 right = jpeg.Bitmap().PixelAt(28, 8);
  EXPECT_GT(PixelR(left), 180);
  EXPECT_LT(PixelB(left), 60);
  EXPECT_GT(PixelB(right), 180);
}

TEST(JpegImageTest, DamagedDataRaisesTheJpegError) {
  std::vector<std::uint8_t> data = EncodeJpeg(16, 16);
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
