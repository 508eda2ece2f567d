#include "skin/draw/effect_bmp.h"

#include <gtest/gtest.h>

#include "platform/gfx/bitmap.h"

namespace kx {
namespace {

TksEffectBmp Solid(int w, int h, TColor color) {
  TksEffectBmp b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, color);
  return b;
}

TEST(EffectBmp, LayoutIsPaddedBgrRows) {
  TksEffectBmp b(5, 3);
  EXPECT_EQ(b.RowBytes(), 16u);
  EXPECT_EQ(b.Size(), 48u);
  b.SetPixel(1, 2, 0x123456);  // red 0x56, green 0x34, blue 0x12
  EXPECT_EQ(b.Row(2)[3], 0x12);
  EXPECT_EQ(b.Row(2)[5], 0x56);
  TBitmap back = b.ToBitmap();
  EXPECT_EQ(back.ColorAt(1, 2), 0x123456u);
  EXPECT_EQ(TksEffectBmp(back).Pixel(1, 2), 0x123456u);
}

TEST(EffectBmp, BrightnessDarknessGrayscaleInvert) {
  TksEffectBmp black = Solid(2, 2, clBlack);
  black.Brightness(0.5);
  EXPECT_EQ(black.Pixel(0, 0), 0x808080u);  // 127.5 rounds to even
  TksEffectBmp white = Solid(2, 2, clWhite);
  white.Brightness(0.5);
  EXPECT_EQ(white.Pixel(1, 1), 0xFFFFFFu);
  TksEffectBmp red = Solid(1, 1, clRed);
  red.GrayScale();
  EXPECT_EQ(red.Pixel(0, 0), 0x4C4C4Cu);  // 76
  TksEffectBmp grey = Solid(1, 1, 0x646464);
  grey.Darkness(0.3);
  EXPECT_EQ(grey.Pixel(0, 0), 0x464646u);  // 70
  grey.Darkness(7);                        // clamped to 1
  EXPECT_EQ(grey.Pixel(0, 0), 0u);
  TksEffectBmp some = Solid(1, 1, 0x102030);
  some.Invert();
  EXPECT_EQ(some.Pixel(0, 0), 0xEFDFCFu);
}

TEST(EffectBmp, NoiseStaysWithinItsAmount) {
  TksEffectBmp b = Solid(16, 16, 0x808080);
  b.Noise(10, 42);
  bool changed = false;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      int v = static_cast<int>(b.Pixel(x, y) & 0xFF);
      EXPECT_GE(v, 128 - 5);
      EXPECT_LE(v, 128 + 4);
      EXPECT_EQ(b.Pixel(x, y),
                static_cast<TColor>(v * 0x010101));  // one shift for the three channels
      changed = changed || v != 128;
    }
  EXPECT_TRUE(changed);
}

TEST(EffectBmp, SplitBlurUsesTheChangedPixelsAndClampsCoordinates) {
  TksEffectBmp b(3, 1);
  b.SetPixel(0, 0, 0x000000);
  b.SetPixel(1, 0, 0x000040);
  b.SetPixel(2, 0, 0x0000C0);
  b.SplitBlur(1);
  // (0,0): neighbours x-1 -> own column 0, x+1 = 1, rows -> own row: (0+0+0x40+0x40)/4 = 0x20.
  EXPECT_EQ(b.Pixel(0, 0) & 0xFF, 0x20u);
  // (1,0): columns 0 (now 0x20) and 2: (0x20*2 + 0xC0*2)/4 = 0x70.
  EXPECT_EQ(b.Pixel(1, 0) & 0xFF, 0x70u);
  // (2,0): columns 1 (now 0x70) and own 2: (0x70*2 + 0xC0*2)/4 = 0x98.
  EXPECT_EQ(b.Pixel(2, 0) & 0xFF, 0x98u);
}

TEST(EffectBmp, BlendTintAndSoftenEdgeHonourTheirConditions) {
  TksEffectBmp a = Solid(2, 2, 0x000000);
  a.Blend(Solid(2, 2, 0xC8C8C8), 0.25);
  EXPECT_EQ(a.Pixel(0, 0), 0x323232u);
  TksEffectBmp unchanged = Solid(2, 2, 0x000000);
  unchanged.Blend(Solid(3, 2, 0xFFFFFF), 0.5);
  EXPECT_EQ(unchanged.Pixel(0, 0), 0u);

  TksEffectBmp mask = Solid(2, 3, clWhite);
  mask.SetPixel(1, 0, clBlack);
  TksEffectBmp t = Solid(2, 2, 0x000000);
  t.Tint(mask, clRed, 0.5);
  EXPECT_EQ(t.Pixel(1, 0), 0x000080u);
  EXPECT_EQ(t.Pixel(0, 0), 0u);
  TksEffectBmp narrow = Solid(3, 2, 0);
  narrow.Tint(mask, clRed, 0.5);
  EXPECT_EQ(narrow.Pixel(1, 0), 0u);

  TksEffectBmp s(3, 3);
  s.SetPixel(0, 0, 0x0000FF);
  TksEffectBmp inner = Solid(3, 3, clBlack);
  inner.SetPixel(0, 0, clWhite);
  s.SoftenEdge(inner, 1);
  // (1,1) touches the white corner (0,0): the mean of (0,0)=0xFF and three blacks.
  EXPECT_EQ(s.Pixel(1, 1) & 0xFF, 0x3Fu);
  EXPECT_EQ(s.Pixel(0, 0) & 0xFF, 0xFFu);  // white in the mask: untouched
  EXPECT_EQ(s.Pixel(2, 2), 0u);
  TksEffectBmp same(3, 3);
  same.SetPixel(0, 0, 0x0000FF);
  same.SoftenEdge(inner, 0);
  EXPECT_EQ(same.Pixel(1, 1), 0u);
}

TEST(EffectBmp, RotationsAndFlip) {
  TksEffectBmp b(3, 2);
  b.SetPixel(0, 0, 0x01);
  b.SetPixel(2, 1, 0x02);
  TksEffectBmp left = b.RotatedLeft();
  EXPECT_EQ(left.Width(), 2);
  EXPECT_EQ(left.Height(), 3);
  EXPECT_EQ(left.Pixel(0, 2), 0x01u);
  EXPECT_EQ(left.Pixel(1, 0), 0x02u);
  TksEffectBmp right = b.RotatedRight();
  EXPECT_EQ(right.Pixel(1, 0), 0x01u);
  EXPECT_EQ(right.Pixel(0, 2), 0x02u);
  TksEffectBmp flip = b.FlippedVertically();
  EXPECT_EQ(flip.Pixel(0, 1), 0x01u);
  EXPECT_EQ(flip.Pixel(2, 0), 0x02u);
}

TEST(EffectBmp, InActiveEffectsUseTheirFixedAmounts) {
  TksEffectBmp b = Solid(1, 1, 0x646464);
  ApplyInActiveEffect(b, TksInActiveEffect::ieDarkness);
  EXPECT_EQ(b.Pixel(0, 0), 0x464646u);
  TksEffectBmp c = Solid(1, 1, 0);
  ApplyInActiveEffect(c, TksInActiveEffect::ieBrightness);
  EXPECT_EQ(c.Pixel(0, 0), 0x808080u);
  ApplyInActiveEffect(c, TksInActiveEffect::ieInvert);
  EXPECT_EQ(c.Pixel(0, 0), 0x7F7F7Fu);
}

}  // namespace
}  // namespace kx
