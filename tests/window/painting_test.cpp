#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"

namespace kx::test {
namespace {

constexpr TColor kDesktop = 0xA56E3A;  // the headless desktop colour

TEST_F(WindowTest, OverlappingChildrenPaintOnlyWhereTheyAreSeen) {
  HWND top = MakeTopWithBackground(Bounds(0, 0, 200, 200), clWhite);
  HWND a = MakeChild(top, Bounds(10, 10, 100, 100), WS_CHILD | WS_VISIBLE, PaintWith(clRed, sys));
  HWND b = MakeChild(top, Bounds(50, 50, 100, 100), WS_CHILD | WS_VISIBLE, PaintWith(clBlue, sys));
  driver.RunUntilIdle();
  EXPECT_EQ(driver.ClientPixel(top, {20, 20}), clRed);
  EXPECT_EQ(driver.ClientPixel(top, {60, 60}), clBlue);
  EXPECT_EQ(driver.ClientPixel(top, {180, 20}), clWhite);

  sys.InvalidateRect(a, nullptr, true);
  EXPECT_TRUE(sys.GetUpdateRegion(b).IsEmpty());
  driver.RunUntilIdle();
  EXPECT_EQ(driver.ClientPixel(top, {60, 60}), clBlue);  // a is clipped by b above it
  EXPECT_EQ(driver.ClientPixel(top, {20, 20}), clRed);

  // Invalidating the parent reaches the children below the area (no clip-children style).
  TRect corner{0, 0, 20, 20};
  sys.InvalidateRect(top, &corner, true);
  TRect r;
  EXPECT_TRUE(sys.GetUpdateRect(top, r));
  EXPECT_EQ(r, corner);
  EXPECT_TRUE(sys.GetUpdateRect(a, r));
  EXPECT_EQ(r, Rect(0, 0, 10, 10));
  EXPECT_FALSE(sys.GetUpdateRect(b, r));
  driver.RunUntilIdle();
  EXPECT_EQ(driver.ClientPixel(top, {15, 15}), clRed);  // the parent erased first, the child last
}

TEST_F(WindowTest, ClipChildrenKeepsTheParentOffItsChildren) {
  TCreateParams p;
  p.Style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
  p.Bounds = Bounds(0, 0, 200, 200);
  HWND top = Make(p, PaintWith(clLime, sys));
  HWND child = MakeChild(top, Bounds(50, 50, 50, 50), WS_CHILD | WS_VISIBLE, PaintWith(clRed, sys));
  driver.RunUntilIdle();
  sys.InvalidateRect(top, nullptr, false);
  EXPECT_TRUE(sys.GetUpdateRegion(child).IsEmpty());
  driver.RunUntilIdle();
  EXPECT_EQ(driver.ClientPixel(top, {60, 60}), clRed);
  EXPECT_EQ(driver.ClientPixel(top, {10, 10}), clLime);
}

TEST_F(WindowTest, WindowRegionClipsPaintingAndHitTesting) {
  HWND top = MakeTopWithBackground(Bounds(0, 0, 200, 200), clWhite);
  HWND round =
      MakeChild(top, Bounds(20, 20, 100, 100), WS_CHILD | WS_VISIBLE, PaintWith(clLime, sys));
  TRegion ellipse = TRegion::FromEllipse({0, 0, 100, 100});
  sys.SetWindowRgn(round, &ellipse, true);
  driver.RunUntilIdle();
  EXPECT_EQ(driver.ClientPixel(top, {70, 70}), clLime);
  EXPECT_EQ(driver.ClientPixel(top, {22, 22}), clWhite);  // outside the ellipse
  EXPECT_EQ(sys.WindowFromPoint({70, 70}), round);
  EXPECT_EQ(sys.WindowFromPoint({22, 22}), top);
  driver.Click({22, 22});
  EXPECT_TRUE(MessagesOf(round, {WM_LBUTTONDOWN}).empty());
  EXPECT_EQ(MessagesOf(top, {WM_LBUTTONDOWN}).size(), 1u);
}

TEST_F(WindowTest, TopLevelRegionShapesTheScreenAndAlphaBlends) {
  HWND shaped = MakeTopWithBackground(Bounds(100, 100, 100, 100), clWhite);
  TRegion ellipse = TRegion::FromEllipse({0, 0, 100, 100});
  sys.SetWindowRgn(shaped, &ellipse, true);
  driver.RunUntilIdle();
  EXPECT_EQ(driver.ScreenPixel({150, 150}), clWhite);
  EXPECT_EQ(driver.ScreenPixel({101, 101}), kDesktop);
  EXPECT_EQ(driver.ScreenPixel({50, 50}), kDesktop);

  HWND glass = MakeTopWithBackground(Bounds(300, 100, 50, 50), clBlack, WS_EX_LAYERED);
  sys.SetLayeredWindowAttributes(glass, 128, LWA_ALPHA);
  driver.RunUntilIdle();
  TColor mixed = driver.ScreenPixel({320, 120});
  EXPECT_NEAR(static_cast<int>(mixed & 0xFF), (0x3A * 127 + 127) / 255, 1);
}

TEST_F(WindowTest, ScrollWindowExMovesPixelsAndInvalidatesTheUncoveredStrip) {
  HWND top = MakeTop(Bounds(0, 0, 200, 200));
  HWND view =
      MakeChild(top, Bounds(10, 10, 100, 100), WS_CHILD | WS_VISIBLE, [&](HWND h, TMessage& m) {
        if (m.Msg != WM_PAINT) return false;
        TPaintStruct ps;
        TCanvas& c = sys.BeginPaint(h, ps);
        for (int y = 0; y < 100; ++y) {
          c.Brush().Color = static_cast<TColor>(y * 2);  // red channel encodes the row
          c.FillRect({0, y, 100, y + 1});
        }
        sys.EndPaint(h, ps);
        return true;
      });
  driver.RunUntilIdle();
  TRegion uncovered;
  sys.ScrollWindowEx(view, 0, -10, nullptr, nullptr, &uncovered, nullptr, SW_INVALIDATE);
  EXPECT_EQ(uncovered, TRegion(Rect(0, 90, 100, 100)));
  EXPECT_EQ(sys.GetUpdateRegion(view), TRegion(Rect(0, 90, 100, 100)));
  EXPECT_EQ(driver.ClientPixel(view, {5, 0}), static_cast<TColor>(20));
  EXPECT_EQ(driver.ClientPixel(view, {5, 50}), static_cast<TColor>(120));

  sys.ValidateRect(view, nullptr);
  sys.ScrollWindowEx(view, 7, 0, nullptr, nullptr, &uncovered, nullptr, SW_INVALIDATE);
  EXPECT_EQ(uncovered, TRegion(Rect(0, 0, 7, 100)));
}

TEST_F(WindowTest, MovingAChildRepaintsWhatItUncovers) {
  HWND top = MakeTopWithBackground(Bounds(0, 0, 200, 200), clWhite);
  HWND child = MakeChild(top, Bounds(0, 0, 50, 50), WS_CHILD | WS_VISIBLE, PaintWith(clRed, sys));
  driver.RunUntilIdle();
  sys.MoveWindow(child, Bounds(100, 100, 50, 50));
  driver.RunUntilIdle();
  EXPECT_EQ(driver.ClientPixel(top, {10, 10}), clWhite);
  EXPECT_EQ(driver.ClientPixel(top, {110, 110}), clRed);
  sys.ShowWindow(child, SW_HIDE);
  driver.RunUntilIdle();
  EXPECT_EQ(driver.ClientPixel(top, {110, 110}), clWhite);
}

}  // namespace
}  // namespace kx::test
