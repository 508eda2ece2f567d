#include "platform/gfx/bmp_codec.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/gfx/bitmap.h"

namespace kx {
namespace {

TBitmap Pattern(int w, int h, TPixelFormat format, std::vector<Pixel32> palette) {
  TBitmap b(w, h, format);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Pixel32 p =
          palette.empty()
              ? MakePixel(static_cast<std::uint8_t>(x * 20), static_cast<std::uint8_t>(y * 30),
                          static_cast<std::uint8_t>(x ^ y))
              : (kOpaque | palette[static_cast<std::size_t>(x * 3 + y) % palette.size()]);
      b.SetPixelAt(x, y, p);
    }
  }
  b.SetPalette(palette);
  return b;
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (RgbOf(a.PixelAt(x, y)) != RgbOf(b.PixelAt(x, y))) return false;
  return true;
}

struct DepthCase {
  TPixelFormat format;
  std::size_t paletteSize;
};

class BmpRoundTrip : public ::testing::TestWithParam<DepthCase> {};

TEST_P(BmpRoundTrip, KeepsDepthPaletteAndPixels) {
  std::vector<Pixel32> palette;
  for (std::size_t i = 0; i < GetParam().paletteSize; ++i) {
    palette.push_back(
        RgbOf(MakePixel(static_cast<std::uint8_t>(i * 37), static_cast<std::uint8_t>(255 - i),
                        static_cast<std::uint8_t>(i * 11 + 3))));
  }
  // Odd widths exercise the row padding.
  TBitmap original = Pattern(13, 7, GetParam().format, palette);
  std::vector<std::uint8_t> bytes = WriteBmp(original);
  TBitmap loaded;
  EXPECT_EQ(ReadBmp(bytes, loaded), bytes.size());
  EXPECT_EQ(loaded.PixelFormat(), original.PixelFormat());
  EXPECT_EQ(loaded.Palette(), original.Palette());
  EXPECT_TRUE(SamePixels(loaded, original));
  EXPECT_EQ(WriteBmp(loaded), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, BmpRoundTrip,
    ::testing::Values(DepthCase{TPixelFormat::pf1bit, 2}, DepthCase{TPixelFormat::pf4bit, 16},
                      DepthCase{TPixelFormat::pf8bit, 256}, DepthCase{TPixelFormat::pf8bit, 5},
                      DepthCase{TPixelFormat::pf24bit, 0}, DepthCase{TPixelFormat::pf32bit, 0}));

TEST(BmpCodecTest, ReadsBackToBackFilesByTheirHeaderLength) {
  TBitmap a = Pattern(3, 2, TPixelFormat::pf24bit, {});
  TBitmap b = Pattern(5, 5, TPixelFormat::pf1bit, {0x000000, 0xFFFFFF});
  std::vector<std::uint8_t> joined = WriteBmp(a);
  std::size_t firstSize = joined.size();
  std::vector<std::uint8_t> second = WriteBmp(b);
  joined.insert(joined.end(), second.begin(), second.end());
  TBitmap first;
  EXPECT_EQ(ReadBmp(joined, first), firstSize);
  TBitmap next;
  EXPECT_EQ(ReadBmp(std::span(joined).subspan(firstSize), next), second.size());
  EXPECT_TRUE(SamePixels(next, b));
}

TEST(BmpCodecTest, TopDownFilesAreReadRightSideUp) {
  TBitmap a = Pattern(4, 3, TPixelFormat::pf24bit, {});
  std::vector<std::uint8_t> bytes = WriteBmp(a);
  // Flip to top-down: negate the height and reverse the rows.
  std::int32_t h = -3;
  std::memcpy(&bytes[22], &h, 4);
  std::size_t stride = 12;
  std::vector<std::uint8_t> rows(bytes.begin() + 54, bytes.end());
  for (int r = 0; r < 3; ++r)
    std::copy_n(rows.begin() + (2 - r) * static_cast<long>(stride), stride,
                bytes.begin() + 54 + r * static_cast<long>(stride));
  TBitmap loaded;
  ReadBmp(bytes, loaded);
  EXPECT_TRUE(SamePixels(loaded, a));
}

TEST(BmpCodecTest, TransparentColourIsTheBottomLeftPixel) {
  TBitmap a = Pattern(4, 3, TPixelFormat::pf24bit, {});
  a.SetPixelAt(0, 2, ColorToPixel(clFuchsia));
  EXPECT_EQ(a.TransparentColor(), clFuchsia);
  a.SetTransparentColor(clLime);
  EXPECT_EQ(a.TransparentColor(), clLime);
}

class MalformedBmp : public ::testing::Test {
 protected:
  void SetUp() override { good = WriteBmp(Pattern(6, 4, TPixelFormat::pf8bit, {1, 2, 3, 4})); }
  void Put32(std::size_t at, std::uint32_t v) { std::memcpy(&good[at], &v, 4); }
  void ExpectInvalid() {
    TBitmap b;
    try {
      ReadBmp(good, b);
      ADD_FAILURE() << "accepted";
    } catch (const EInvalidGraphic& e) {
      EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
  }
  std::vector<std::uint8_t> good;
};

TEST_F(MalformedBmp, BadMagic) {
  good[0] = 'X';
  ExpectInvalid();
}
TEST_F(MalformedBmp, TruncatedAnywhere) {
  std::vector<std::uint8_t> full = good;
  for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{13}, std::size_t{20},
                        std::size_t{54}, full.size() - 1}) {
    good.assign(full.begin(), full.begin() + static_cast<long>(n));
    ExpectInvalid();
  }
}
TEST_F(MalformedBmp, FileSizeBeyondTheData) {
  Put32(2, static_cast<std::uint32_t>(good.size() + 1));
  ExpectInvalid();
}
TEST_F(MalformedBmp, AbsurdDimensions) {
  Put32(18, 0x7FFFFFFF);
  ExpectInvalid();
  SetUp();
  Put32(22, 0x80000000u);
  ExpectInvalid();
  SetUp();
  Put32(18, 0);
  ExpectInvalid();
}
TEST_F(MalformedBmp, OffsetPastTheEnd) {
  Put32(10, 0xFFFFFFF0u);
  ExpectInvalid();
  SetUp();
  Put32(10, 3);  // inside the headers
  ExpectInvalid();
}
TEST_F(MalformedBmp, UnsupportedDepthCompressionAndPalette) {
  good[28] = 16;
  ExpectInvalid();
  SetUp();
  Put32(30, 1);  // RLE8
  ExpectInvalid();
  SetUp();
  Put32(46, 1000);  // more colours than 8 bits hold
  ExpectInvalid();
  SetUp();
  Put32(14, 9999);  // header size
  ExpectInvalid();
}

}  // namespace
}  // namespace kx
