#include "platform/gfx/canvas.h"

#include <gtest/gtest.h>

#include "platform/gfx/bitmap.h"

namespace kx {
namespace {

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : bitmap(20, 20) { Clear(); }
  void Clear() {
    canvas().Brush().Color = clWhite;
    canvas().Brush().Style = TBrushStyle::bsSolid;
    canvas().FillRect(TRect{0, 0, 20, 20});
  }
  TCanvas& canvas() { return bitmap.Canvas(); }
  TColor At(int x, int y) { return bitmap.ColorAt(x, y); }
  int CountOf(TColor c) {
    int n = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x) n += At(x, y) == c;
    return n;
  }
  TBitmap bitmap;
};

TEST_F(CanvasTest, FillRectExcludesRightAndBottom) {
  canvas().Brush().Color = clRed;
  canvas().FillRect(TRect{2, 3, 6, 5});
  EXPECT_EQ(At(2, 3), clRed);
  EXPECT_EQ(At(5, 4), clRed);
  EXPECT_EQ(At(6, 4), clWhite);
  EXPECT_EQ(At(5, 5), clWhite);
  EXPECT_EQ(CountOf(clRed), 8);
}

TEST_F(CanvasTest, FrameRectDrawsTheOutermostPixels) {
  canvas().Brush().Color = clBlue;
  canvas().FrameRect(TRect{1, 1, 5, 4});
  EXPECT_EQ(At(1, 1), clBlue);
  EXPECT_EQ(At(4, 3), clBlue);
  EXPECT_EQ(At(2, 2), clWhite);
  EXPECT_EQ(At(5, 3), clWhite);
  EXPECT_EQ(CountOf(clBlue), 10);
}

TEST_F(CanvasTest, LineExcludesItsEndPoint) {
  canvas().Pen().Color = clBlack;
  canvas().MoveTo(0, 0);
  canvas().LineTo(5, 0);
  EXPECT_EQ(At(4, 0), clBlack);
  EXPECT_EQ(At(5, 0), clWhite);
  canvas().MoveTo(0, 2);
  canvas().LineTo(3, 5);
  EXPECT_EQ(At(0, 2), clBlack);
  EXPECT_EQ(At(2, 4), clBlack);
  EXPECT_EQ(At(3, 5), clWhite);
  EXPECT_EQ(canvas().PenPos(), (TPoint{3, 5}));
  EXPECT_EQ(CountOf(clBlack), 8);
}

TEST_F(CanvasTest, RectangleOutlinesWithPenAndFillsInside) {
  canvas().Pen().Color = clBlack;
  canvas().Brush().Color = clLime;
  canvas().Rectangle(2, 2, 7, 6);
  EXPECT_EQ(At(2, 2), clBlack);
  EXPECT_EQ(At(6, 5), clBlack);
  EXPECT_EQ(At(7, 5), clWhite);
  EXPECT_EQ(At(3, 3), clLime);
  EXPECT_EQ(CountOf(clLime), 3 * 2);
}

TEST_F(CanvasTest, PolygonFillsPixelCentresInsideAndOutlinesEveryEdge) {
  canvas().Pen().Color = clBlack;
  canvas().Brush().Color = clRed;
  canvas().Polygon({{2, 2}, {10, 2}, {10, 10}, {2, 10}});
  EXPECT_EQ(At(2, 2), clBlack);
  EXPECT_EQ(At(10, 10), clBlack);  // the closing edges include the far corner
  EXPECT_EQ(At(3, 3), clRed);
  EXPECT_EQ(At(9, 9), clRed);
  EXPECT_EQ(CountOf(clRed), 7 * 7);
  EXPECT_EQ(CountOf(clBlack), 4 * 8);
}

TEST_F(CanvasTest, TriangleIsFilledByTheAlternateRule) {
  canvas().Pen().Style = TPenStyle::psClear;
  canvas().Brush().Color = clRed;
  canvas().Polygon({{0, 0}, {8, 0}, {0, 8}});
  EXPECT_EQ(At(0, 0), clRed);
  EXPECT_EQ(At(6, 0), clRed);
  EXPECT_EQ(At(7, 0), clWhite);
  EXPECT_EQ(At(0, 6), clRed);
  EXPECT_EQ(At(0, 7), clWhite);
  EXPECT_EQ(CountOf(clRed), 7 + 6 + 5 + 4 + 3 + 2 + 1);
}

TEST_F(CanvasTest, EllipseStaysInsideItsBoxAndIsSymmetric) {
  canvas().Pen().Color = clBlack;
  canvas().Brush().Color = clYellow;
  canvas().Ellipse(TRect{2, 2, 12, 12});
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 14; ++x) {
      bool inBox = x >= 2 && x < 12 && y >= 2 && y < 12;
      if (!inBox) {
        EXPECT_EQ(At(x, y), clWhite) << x << "," << y;
      }
      EXPECT_EQ(At(x, y), At(13 - x, y)) << x << "," << y;
      EXPECT_EQ(At(x, y), At(x, 13 - y)) << x << "," << y;
    }
  }
  EXPECT_EQ(At(2, 7), clBlack);   // left edge at mid height
  EXPECT_EQ(At(7, 2), clBlack);   // top edge at mid width
  EXPECT_EQ(At(2, 2), clWhite);   // corners stay outside
  EXPECT_EQ(At(7, 7), clYellow);  // centre filled
}

TEST_F(CanvasTest, RoundRectCutsItsCornersOnly) {
  canvas().Pen().Color = clBlack;
  canvas().Brush().Color = clAqua;
  canvas().RoundRect(TRect{0, 0, 16, 10}, 6, 6);
  EXPECT_EQ(At(0, 0), clWhite);
  EXPECT_EQ(At(15, 9), clWhite);
  EXPECT_EQ(At(8, 0), clBlack);
  EXPECT_EQ(At(0, 5), clBlack);
  EXPECT_EQ(At(15, 5), clBlack);
  EXPECT_EQ(At(8, 9), clBlack);
  EXPECT_EQ(At(8, 5), clAqua);
  EXPECT_EQ(At(16, 5), clWhite);
}

TEST_F(CanvasTest, PenModesNotAndXor) {
  canvas().Pen().Mode = TPenMode::pmNot;
  canvas().MoveTo(0, 0);
  canvas().LineTo(3, 0);
  EXPECT_EQ(At(0, 0), clBlack);
  canvas().Pen().Mode = TPenMode::pmXor;
  canvas().Pen().Color = 0x00FF00FF;
  canvas().MoveTo(0, 1);
  canvas().LineTo(2, 1);
  EXPECT_EQ(At(0, 1), 0x0000FF00u);
}

TEST_F(CanvasTest, ClipRegionLimitsEveryPrimitive) {
  canvas().IntersectClipRect(TRect{5, 5, 10, 10});
  canvas().ExcludeClipRect(TRect{6, 6, 8, 8});
  canvas().Brush().Color = clRed;
  canvas().FillRect(TRect{0, 0, 20, 20});
  EXPECT_EQ(CountOf(clRed), 25 - 4);
  EXPECT_EQ(At(6, 6), clWhite);
  EXPECT_EQ(canvas().ClipRect(), (TRect{5, 5, 10, 10}));
  canvas().Pen().Color = clBlack;
  canvas().MoveTo(0, 5);
  canvas().LineTo(20, 5);
  EXPECT_EQ(At(4, 5), clWhite);
  EXPECT_EQ(At(5, 5), clBlack);
  EXPECT_EQ(At(10, 5), clWhite);
  canvas().ResetClip();
  canvas().SetPixel(0, 0, clBlue);
  EXPECT_EQ(At(0, 0), clBlue);
}

TEST_F(CanvasTest, OriginMovesDrawingAndSaverRestoresIt) {
  {
    TCanvasSaver saver(canvas());
    canvas().SetOrigin({10, 10});
    canvas().IntersectClipRect(TRect{0, 0, 3, 3});
    canvas().Brush().Color = clRed;
    canvas().FillRect(TRect{-5, -5, 5, 5});
    EXPECT_EQ(canvas().Pixel(0, 0), clRed);
  }
  EXPECT_EQ(At(10, 10), clRed);
  EXPECT_EQ(At(12, 12), clRed);
  EXPECT_EQ(At(13, 13), clWhite);
  EXPECT_EQ(At(9, 9), clWhite);
  EXPECT_EQ(canvas().Origin(), (TPoint{0, 0}));
  EXPECT_FALSE(canvas().HasClipRegion());
  EXPECT_EQ(canvas().Brush().Color, clWhite);
}

TEST_F(CanvasTest, FocusRectDrawnTwiceRestoresThePixels) {
  canvas().Brush().Color = 0x00123456;
  canvas().FillRect(TRect{0, 0, 20, 20});
  TBitmap before = bitmap;
  canvas().DrawFocusRect(TRect{2, 3, 15, 12});
  EXPECT_NE(bitmap.PixelData()[3 * 20 + 3], before.PixelData()[3 * 20 + 3]);
  EXPECT_EQ(bitmap.ColorAt(3, 3), 0x00123456u ^ 0x00FFFFFFu);
  EXPECT_EQ(bitmap.ColorAt(4, 3), 0x00123456u);
  EXPECT_EQ(bitmap.ColorAt(5, 5), 0x00123456u);  // inside the frame
  canvas().DrawFocusRect(TRect{2, 3, 15, 12});
  EXPECT_TRUE(
      std::equal(bitmap.PixelData().begin(), bitmap.PixelData().end(), before.PixelData().begin()));
}

TBitmap Checker(int w, int h) {
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixelAt(x, y, ColorToPixel(((x + y) % 2) ? clRed : clBlue));
  return b;
}

TEST_F(CanvasTest, StretchDrawSamplesTheNearestPixel) {
  TBitmap src(2, 2);
  src.SetPixelAt(0, 0, ColorToPixel(clRed));
  src.SetPixelAt(1, 0, ColorToPixel(clLime));
  src.SetPixelAt(0, 1, ColorToPixel(clBlue));
  src.SetPixelAt(1, 1, ColorToPixel(clBlack));
  canvas().StretchDraw(TRect{0, 0, 6, 4}, src);
  EXPECT_EQ(At(0, 0), clRed);
  EXPECT_EQ(At(2, 1), clRed);
  EXPECT_EQ(At(3, 0), clLime);
  EXPECT_EQ(At(5, 1), clLime);
  EXPECT_EQ(At(0, 2), clBlue);
  EXPECT_EQ(At(5, 3), clBlack);
  EXPECT_EQ(At(6, 0), clWhite);
}

TEST_F(CanvasTest, TransparentDrawSkipsTheBottomLeftColour) {
  TBitmap src(3, 3);
  src.Canvas().Brush().Color = clFuchsia;
  src.Canvas().FillRect(TRect{0, 0, 3, 3});
  src.Canvas().SetPixel(1, 1, clBlue);
  src.SetTransparent(true);
  EXPECT_EQ(src.TransparentColor(), clFuchsia);
  canvas().Draw(4, 4, src);
  EXPECT_EQ(At(5, 5), clBlue);
  EXPECT_EQ(At(4, 4), clWhite);
  EXPECT_EQ(CountOf(clFuchsia), 0);
  src.SetTransparent(false);
  canvas().Draw(4, 4, src);
  EXPECT_EQ(At(4, 4), clFuchsia);
}

TEST_F(CanvasTest, CopyRectAppliesTheCopyMode) {
  TBitmap src = Checker(4, 4);
  canvas().CopyRect(TRect{0, 0, 4, 4}, src.Canvas(), TRect{0, 0, 4, 4});
  EXPECT_EQ(At(0, 0), clBlue);
  EXPECT_EQ(At(1, 0), clRed);
  canvas().CopyMode = cmSrcInvert;
  canvas().CopyRect(TRect{0, 0, 4, 4}, src.Canvas(), TRect{0, 0, 4, 4});
  EXPECT_EQ(At(0, 0), clBlack);
  canvas().CopyMode = cmWhiteness;
  canvas().CopyRect(TRect{0, 0, 1, 1}, src.Canvas(), TRect{0, 0, 1, 1});
  EXPECT_EQ(At(0, 0), clWhite);
  canvas().CopyMode = cmNotSrcCopy;
  canvas().CopyRect(TRect{0, 0, 1, 1}, src.Canvas(), TRect{0, 0, 1, 1});
  EXPECT_EQ(At(0, 0), clYellow);
}

TEST_F(CanvasTest, CopyRectWithinOneBitmapReadsTheOldPixels) {
  canvas().SetPixel(0, 0, clRed);
  canvas().SetPixel(1, 0, clBlue);
  canvas().CopyRect(TRect{1, 0, 3, 1}, canvas(), TRect{0, 0, 2, 1});
  EXPECT_EQ(At(1, 0), clRed);
  EXPECT_EQ(At(2, 0), clBlue);
}

TEST_F(CanvasTest, DrawingOutsideTheBitmapIsHarmless) {
  // Everything drawn lies wholly outside the bitmap: no pixel inside may change.
  const std::vector<Pixel32> before(bitmap.PixelData().begin(), bitmap.PixelData().end());
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  canvas().Brush().Color = clRed;
  canvas().Pen().Color = clBlue;
  canvas().FillRect(TRect{-100, -100, -1, 1000});
  canvas().FillRect(TRect{w, -100, w + 1000, h + 1000});
  canvas().MoveTo(-50, -50);
  canvas().LineTo(-10, h + 70);
  canvas().MoveTo(w + 5, -3);
  canvas().LineTo(w + 90, h + 90);
  canvas().Ellipse(TRect{-80, -80, -10, -10});
  canvas().Ellipse(TRect{-30, h + 2, w + 30, h + 60});
  canvas().Draw(-20, 15, Checker(10, 10));
  canvas().Draw(w, 0, Checker(10, 10));
  canvas().StretchDraw(TRect{-40, -40, -5, -5}, Checker(3, 3));
  canvas().TextOut(w + 1, 0, "outside");
  canvas().TextOut(0, h + 1, "outside");
  EXPECT_EQ(canvas().Pixel(-1, 0), clNone);
  const std::vector<Pixel32> after(bitmap.PixelData().begin(), bitmap.PixelData().end());
  EXPECT_TRUE(before == after);
}

TEST(RopTest, ThreeOperandCodes) {
  Pixel32 s = 0x00F0F0F0;
  Pixel32 d = 0x000F0FF0;
  EXPECT_EQ(RgbOf(ApplyRop3(0xCC, 0, s, d)), s);
  EXPECT_EQ(RgbOf(ApplyRop3(0x88, 0, s, d)), s & d);
  EXPECT_EQ(RgbOf(ApplyRop3(0xEE, 0, s, d)), s | d);
  EXPECT_EQ(RgbOf(ApplyRop3(0x66, 0, s, d)), s ^ d);
  EXPECT_EQ(RgbOf(ApplyRop3(0x55, 0, s, d)), RgbOf(~d));
}

}  // namespace
}  // namespace kx
