#include "skin/draw/skin_drawing.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/base/strings.h"
#include "platform/forms/controls.h"
#include "platform/forms/forms.h"
#include "platform/gfx/canvas.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "platform/window/window.h"
#include "skin/draw/skin_graphics.h"

namespace kx {
namespace {

// A picture whose every pixel is distinct: red = x, green = y.
TBitmap Coordinates(int w, int h) {
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixelAt(x, y, MakePixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7));
  return b;
}

int RedAt(const TBitmap& b, int x, int y) {
  return PixelR(b.PixelAt(x, y));
}
int GreenAt(const TBitmap& b, int x, int y) {
  return PixelG(b.PixelAt(x, y));
}

const TksPieceGeometry kFrame{{12, 8}, {40, 8}, {12, 30}, {40, 30}, {4, 6, 44, 33}};

TEST(SkinDrawing, TheResizingRuleMovesEdgesAndClient) {
  TksPieceGeometry r = ResizedGeometry(kFrame, 50, 40, 80, 45);
  EXPECT_EQ(r.LT, (TPoint{12, 8}));
  EXPECT_EQ(r.RT, (TPoint{70, 8}));
  EXPECT_EQ(r.LB, (TPoint{12, 35}));
  EXPECT_EQ(r.RB, (TPoint{70, 35}));
  EXPECT_EQ(r.C, (TRect{4, 6, 74, 38}));
  TksPieceGeometry h = ResizedHorizontally(kFrame, 50, 60);
  EXPECT_EQ(h.RT.X, 50);
  EXPECT_EQ(h.LB, kFrame.LB);
  EXPECT_EQ(h.C.Bottom, 33);
}

TEST(SkinDrawing, PieceKindsInOrder) {
  TRect skin{0, 0, 10, 10};
  EXPECT_EQ(PieceKindOf({0, 0, 0, 10}, kFrame), TksPieceKind::pkNone);
  EXPECT_EQ(PieceKindOf(skin, kFrame), TksPieceKind::pkFramed);
  EXPECT_EQ(PieceKindOf(skin, {{4, 8}, {20, 7}, {}, {}, {}}), TksPieceKind::pkHorizontal);
  EXPECT_EQ(PieceKindOf(skin, {{}, {}, {0, 5}, {}, {}}), TksPieceKind::pkVertical);
  EXPECT_EQ(PieceKindOf(skin, {{3, 3}, {}, {}, {0, 4}, {}}), TksPieceKind::pkFixed);
}

TEST(SkinDrawing, AFramedImageAtTheSkinSizeReproducesTheSkinRect) {
  TBitmap picture = Coordinates(80, 60);
  TRect skin{10, 5, 60, 45};
  for (bool stretch : {false, true}) {
    TBitmap image = BuildFramedImage(picture, skin, kFrame, kFrame, 50, 40,
                                     {stretch, stretch, stretch, stretch, stretch}, true);
    ASSERT_EQ(image.Width(), 50);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 50; ++x)
        ASSERT_EQ(image.PixelAt(x, y), picture.PixelAt(x + 10, y + 5)) << x << "," << y;
  }
}

TEST(SkinDrawing, AFramedImageTilesEdgesAndKeepsCorners) {
  TBitmap picture = Coordinates(50, 40);
  TRect skin{0, 0, 50, 40};
  TBitmap image = BuildFramedImage(picture, skin, kFrame, ResizedGeometry(kFrame, 50, 40, 108, 40),
                                   108, 40, {}, true);
  // The top edge 12..40 (28 pixels) is laid from x = 12 over 12..98.
  EXPECT_EQ(RedAt(image, 12, 0), 12);
  EXPECT_EQ(RedAt(image, 39, 0), 39);
  EXPECT_EQ(RedAt(image, 40, 0), 12);
  EXPECT_EQ(RedAt(image, 97, 0), 13);  // the fourth copy, cut at 98
  // The right-top corner moved with the width.
  EXPECT_EQ(RedAt(image, 98, 2), 40);
  EXPECT_EQ(RedAt(image, 107, 39), 49);
  // The centre is tiled from the client's corner.
  EXPECT_EQ(RedAt(image, 4 + 40, 10), 4);
  TBitmap none =
      BuildFramedImage(picture, skin, {{5, 5}, {}, {}, {5, 9}, {}}, kFrame, 20, 20, {}, true);
  EXPECT_EQ(none.Width(), 20);
  EXPECT_EQ(none.PixelAt(3, 3), TBitmap(20, 20).PixelAt(3, 3));
}

TEST(SkinDrawing, StripsCopyTheirEndsAndTileTheMiddle) {
  TBitmap picture = Coordinates(40, 20);
  // A 12-pixel middle tiled over a 30-pixel span: two copies and 6 pixels.
  TBitmap h = BuildHStripImage(picture, {0, 2, 20, 10}, 4, 4, false, 38);
  ASSERT_EQ(h.Width(), 38);
  ASSERT_EQ(h.Height(), 8);
  EXPECT_EQ(RedAt(h, 0, 0), 0);
  EXPECT_EQ(GreenAt(h, 0, 0), 2);
  EXPECT_EQ(RedAt(h, 4, 0), 4);
  EXPECT_EQ(RedAt(h, 16, 0), 4);
  EXPECT_EQ(RedAt(h, 28, 0), 4);
  EXPECT_EQ(RedAt(h, 33, 0), 9);
  EXPECT_EQ(RedAt(h, 34, 0), 16);
  EXPECT_EQ(RedAt(h, 37, 0), 19);
  TBitmap stretched = BuildHStripImage(picture, {0, 2, 20, 10}, 4, 4, true, 28);
  EXPECT_EQ(RedAt(stretched, 4, 0), 4);
  EXPECT_EQ(RedAt(stretched, 23, 0), 15);
  TBitmap v = BuildVStripImage(picture, {3, 0, 5, 20}, 5, 5, false, 30);
  ASSERT_EQ(v.Width(), 2);
  EXPECT_EQ(GreenAt(v, 0, 5), 5);
  EXPECT_EQ(GreenAt(v, 0, 15), 5);
  EXPECT_EQ(GreenAt(v, 0, 29), 19);
}

TEST(SkinDrawing, BorderStripsForAResizedFrame) {
  TBitmap picture = Coordinates(217, 115);
  TksPieceGeometry g{{90, 33}, {102, 32}, {11, 106}, {206, 104}, {5, 30, 212, 110}};
  TksPieceGeometry r = ResizedGeometry(g, 217, 115, 813, 634);
  EXPECT_EQ(r.C, (TRect{5, 30, 808, 629}));
  TksBorderStrips s = BuildBorderStrips(picture, {0, 0, 217, 115}, g, r, 813, 634, {});
  EXPECT_EQ(s.Top.Width(), 813);
  EXPECT_EQ(s.Top.Height(), 30);
  EXPECT_EQ(s.Bottom.Height(), 5);
  EXPECT_EQ(s.Left.Width(), 5);
  EXPECT_EQ(s.Left.Height(), 599);
  EXPECT_EQ(s.Right.Width(), 5);
  EXPECT_EQ(RedAt(s.Top, 0, 0), 0);
  EXPECT_EQ(RedAt(s.Top, 89, 0), 89);
  EXPECT_EQ(RedAt(s.Top, 700, 0), 104);  // the right corner (from 102) starts at 102 + 596
  EXPECT_EQ(RedAt(s.Top, 812, 29), 216);
  EXPECT_EQ(GreenAt(s.Bottom, 0, 0), 110);
  // Left strip: tiles of rows 33..106 from its top, rows 30..33 over its top, rows 106..110 at its
  // bottom.
  EXPECT_EQ(GreenAt(s.Left, 0, 0), 30);
  EXPECT_EQ(GreenAt(s.Left, 0, 3), 36);
  EXPECT_EQ(GreenAt(s.Left, 0, 73), 33);
  EXPECT_EQ(GreenAt(s.Left, 0, 598), 109);
  EXPECT_EQ(RedAt(s.Right, 0, 100), 212);
}

TBitmap Mask(int w, int h, std::initializer_list<TRect> black) {
  TBitmap m(w, h);
  std::fill(m.PixelData().begin(), m.PixelData().end(), MakePixel(255, 255, 255));
  for (const TRect& r : black)
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) m.SetPixelAt(x, y, MakePixel(0, 0, 0));
  return m;
}

TEST(SkinDrawing, MasksBecomeRegionsOfTheirBlackRuns) {
  EXPECT_FALSE(MaskToRegion(TBitmap(), 0, 0));
  TBitmap m = Mask(10, 2, {{1, 0, 3, 1}, {6, 0, 9, 1}});
  auto region = MaskToRegion(m, 100, 50);
  ASSERT_TRUE(region);
  EXPECT_EQ(region->Rects(), (std::vector<TRect>{{101, 50, 103, 51}, {106, 50, 109, 51}}));
  EXPECT_TRUE(MaskToRegion(Mask(4, 4, {}), 0, 0)->IsEmpty());
}

TEST(SkinDrawing, AFramedRegionJoinsTheClientAndTheMaskStrips) {
  TksPieceGeometry g{{4, 4}, {6, 4}, {4, 6}, {6, 6}, {2, 2, 8, 8}};
  TksPieceGeometry r = ResizedGeometry(g, 10, 10, 20, 15);
  auto white = BuildFramedRegion(Mask(10, 10, {}), g, r, 20, 15);
  ASSERT_TRUE(white);
  EXPECT_EQ(white->Rects(), (std::vector<TRect>{r.C}));
  auto full = BuildFramedRegion(Mask(10, 10, {{0, 0, 10, 10}}), g, r, 20, 15);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->Rects(), (std::vector<TRect>{{0, 0, 20, 15}}));
  // Only the top-left corner pixel outside: the region lacks exactly that pixel.
  auto cut = BuildFramedRegion(Mask(10, 10, {{1, 0, 10, 10}, {0, 1, 10, 10}}), g, r, 20, 15);
  ASSERT_TRUE(cut);
  EXPECT_FALSE(cut->Contains(0, 0));
  EXPECT_TRUE(cut->Contains(1, 0));
  EXPECT_TRUE(cut->Contains(19, 14));
  EXPECT_FALSE(BuildFramedRegion(Mask(10, 10, {}), g, {{5, 5}, {2, 5}, {5, 9}, {}, {}}, 20, 15));
}

TEST(SkinDrawing, StripFramesUseTheBottomLeftColourAsTransparent) {
  TBitmap strip(6, 2);
  std::fill(strip.PixelData().begin(), strip.PixelData().end(), MakePixel(255, 0, 255));
  strip.SetPixelAt(3, 0, MakePixel(0, 0, 255));  // frame 2, pixel (1, 0)
  TBitmap target(10, 10);
  target.Canvas().Brush().Color = clWhite;
  target.Canvas().FillRect({0, 0, 10, 10});
  DrawStripFrame(target.Canvas(), 4, 4, 2, 3, strip);
  EXPECT_EQ(target.ColorAt(5, 4), clBlue);
  EXPECT_EQ(target.ColorAt(4, 4), clWhite);
  EXPECT_EQ(target.ColorAt(6, 5), clWhite);
}

TEST(SkinText, EllipsisKeepsWhatFits) {
  TBitmap scratch(1, 1);
  TCanvas& c = scratch.Canvas();
  std::string text = "Abcdef";
  int width = TextPixelWidth(c, "Abc...");
  FitTextWithEllipsis(c, text, width);
  EXPECT_EQ(text, "Abc...");
  std::string fits = "Abc";
  FitTextWithEllipsis(c, fits, TextPixelWidth(c, "Abc"));
  EXPECT_EQ(fits, "Abc");
  std::string tiny = "Abcdef";
  FitTextWithEllipsis(c, tiny, 1);
  EXPECT_EQ(tiny, "...");
}

TEST(SkinText, EllipsisCutsBetweenCharacters) {
  TBitmap scratch(1, 1);
  TCanvas& c = scratch.Canvas();
  // Every cut of "Kestrix — Ärger€" keeps whole UTF-8 characters.
  const std::string caption = "Kestrix \xE2\x80\x94 \xC3\x84rger\xE2\x82\xAC";
  for (int width = 1; width <= TextPixelWidth(c, caption); ++width) {
    std::string text = caption;
    FitTextWithEllipsis(c, text, width);
    std::string kept = text.size() >= 3 && text != caption ? text.substr(0, text.size() - 3) : text;
    EXPECT_EQ(caption.compare(0, kept.size(), kept), 0) << width;
    EXPECT_EQ(Utf8ToUtf16(kept).find(u'\uFFFD'), std::u16string::npos) << width;
  }
}

TEST(SkinGlyphs, ArrowsAndCaptionGlyphsLandWhereTheySay) {
  TBitmap b(20, 20);
  b.Canvas().Brush().Color = clWhite;
  b.Canvas().FillRect({0, 0, 20, 20});
  DrawArrowGlyph(b.Canvas(), {0, 0, 20, 20}, clBlack, TksArrowDirection::Down);
  EXPECT_EQ(b.ColorAt(10, 11), clBlack);  // the tip
  EXPECT_EQ(b.ColorAt(7, 8), clBlack);    // the widest line
  EXPECT_EQ(b.ColorAt(10, 12), clWhite);
  TBitmap g(20, 20);
  g.Canvas().Brush().Color = clWhite;
  g.Canvas().FillRect({0, 0, 20, 20});
  DrawCaptionGlyph(g.Canvas(), 2, 3, clRed, TksCaptionGlyph::SysMenu);
  EXPECT_EQ(g.ColorAt(4, 5), clRed);
  EXPECT_EQ(g.ColorAt(8, 9), clRed);
  EXPECT_EQ(g.ColorAt(9, 10), clWhite);
  DrawCaptionGlyph(g.Canvas(), 0, 10, clBlue, TksCaptionGlyph::Minimize);
  EXPECT_EQ(g.ColorAt(1, 18), clBlue);
  EXPECT_EQ(g.ColorAt(8, 19), clBlue);
  EXPECT_EQ(g.ColorAt(9, 19), clWhite);
}

// A windowless control of one colour.
class Swatch : public TGraphicControl {
 public:
  Swatch(TComponent* owner, TColor color) : TGraphicControl(owner), m_swatch(color) {}

 protected:
  void Paint() override {
    Canvas().Brush().Color = m_swatch;
    Canvas().FillRect({0, 0, Width(), Height()});
  }

 private:
  TColor m_swatch;
};

TEST(SkinGraphics, TheParentBackgroundShowsTheFormAndTheSiblingsBelow) {
  HeadlessSession session;
  TForm form(nullptr);
  form.BorderStyle = TFormBorderStyle::bsNone;
  form.SetBounds(0, 0, 100, 100);
  form.SetColor(clWhite);
  auto* below = new Swatch(&form, clRed);
  below->SetParent(&form);
  below->SetBounds(10, 10, 20, 20);
  auto* hidden = new Swatch(&form, clBlue);
  hidden->SetParent(&form);
  hidden->SetBounds(10, 10, 20, 20);
  hidden->SetVisible(false);
  auto* self = new Swatch(&form, clLime);
  self->SetParent(&form);
  self->SetBounds(20, 20, 20, 20);
  auto* above = new Swatch(&form, clYellow);
  above->SetParent(&form);
  above->SetBounds(20, 20, 5, 5);
  form.HandleNeeded();
  TBitmap surface(20, 20);
  PaintParentBackground(*self, surface.Canvas());
  EXPECT_EQ(surface.ColorAt(0, 0), clRed);  // (20, 20) lies on the sibling below
  EXPECT_EQ(surface.ColorAt(9, 9), clRed);
  EXPECT_EQ(surface.ColorAt(10, 10), clWhite);  // the form's background
  EXPECT_EQ(surface.ColorAt(2, 2), clRed);      // the sibling above is not painted
}

TEST(SkinGraphics, AlphaAndWorkAreaGoThroughTheWindowSystem) {
  HeadlessSession session;
  TForm form(nullptr);
  form.SetBounds(10, 10, 200, 100);
  HWND window = form.Handle();
  EXPECT_TRUE(SetWindowAlphaLevel(window, 128));
  EXPECT_EQ(WindowSystem().GetLayeredWindowAlpha(window), 128);
  EXPECT_EQ(GetWorkArea(window, true), (TRect{0, 0, 1920, 1080}));
  EXPECT_EQ(GetWorkArea(window, false), (TRect{0, 0, 1920, 1080}));
  TWinControl child(&form);
  child.SetParent(&form);
  EXPECT_FALSE(SetWindowAlphaLevel(child.Handle(), 128));  // only top-level windows are layered
}

}  // namespace
}  // namespace kx
