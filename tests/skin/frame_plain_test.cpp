#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/application.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/frame/skin_frame.h"

namespace kx {
namespace {

// A glyph found on the caption bar: its columns and what its pixels look like.
struct Glyph {
  int left = 0, right = 0;  // columns, right exclusive
  int top = 0, bottom = 0;  // rows, bottom exclusive
  int topRowPixels = 0;
  int Middle() const { return (left + right) / 2; }
  int CodeByShape() const {
    if (bottom - top <= 2) return HTMINBUTTON;  // two lines at its foot
    if (topRowPixels >= 8) return HTMAXBUTTON;  // an outline with a bar along its top
    return HTCLOSE;                             // the crossing lines
  }
};

// A form with a frame that has no skin: the plain frame in system colours.
class PlainFrameTest : public ::testing::Test {
 protected:
  PlainFrameTest() {
    app.CreateForm(form);
    form->SetCaption("");  // no text: every caption-coloured pixel is a glyph
    form->BorderStyle = TFormBorderStyle::bsSingle;
    form->SetBounds(100, 50, 400, 300);
    frame = new TksSkinFrame(form);
    session.driver.SetMessageHandler([this](TMsg& m) { app.DispatchOne(m); });
    form->Show();
    Settle();
  }
  void Settle() { session.driver.RunUntilIdle(); }
  void Use(TBorderIcons icons, TFormBorderStyle style) {
    form->BorderStyle = style;
    frame->SetBorderIcons(icons);
    frame->SetSkinData(nullptr);  // rebuilds the plain frame at its new sizes
    Settle();
  }
  TPoint Origin() { return GetWindowRect(form->Handle()).TopLeft(); }
  int HitAt(TPoint window) {
    return static_cast<int>(
        SendMessage(form->Handle(), WM_NCHITTEST, 0, LParamFromPoint(Origin() + window)));
  }
  TColor Pixel(TPoint window) { return session.driver.WindowPixel(form->Handle(), window); }
  // The glyphs painted on the caption bar (rows top to bottom), right to left.
  std::vector<Glyph> Glyphs(int top, int bottom) {
    const TColor ink = ColorToRGB(clCaptionText);
    const TBitmap image = session.driver.WindowImage(form->Handle());
    auto Pixel = [&image](TPoint p) { return image.ColorAt(p.X, p.Y); };
    const int width = image.Width();
    std::vector<Glyph> glyphs;
    bool inGlyph = false;
    for (int x = width - 4; x >= 3; --x) {
      int first = -1, last = -1;
      for (int y = top; y < bottom; ++y) {
        if (Pixel({x, y}) != ink) continue;
        if (first < 0) first = y;
        last = y;
      }
      if (first < 0) {
        inGlyph = false;
        continue;
      }
      if (!inGlyph) glyphs.push_back({x, x + 1, first, last + 1, 0});
      inGlyph = true;
      Glyph& g = glyphs.back();
      g.left = x;
      g.top = std::min(g.top, first);
      g.bottom = std::max(g.bottom, last + 1);
    }
    for (Glyph& g : glyphs) {
      for (int x = g.left; x < g.right; ++x) {
        if (Pixel({x, g.top}) == ink) ++g.topRowPixels;
      }
    }
    return glyphs;
  }

  HeadlessSession session{{1000, 700}};
  TApplication app{session.system, "/usr/bin/kestrix"};
  TForm* form = nullptr;
  TksSkinFrame* frame = nullptr;
};

TEST_F(PlainFrameTest, EveryPaintedGlyphAnswersItsOwnHitCodeForEveryIconSet) {
  for (TBorderIcons icons = 0; icons < 8; ++icons) {
    Use(icons, TFormBorderStyle::bsSingle);
    std::vector<Glyph> glyphs = Glyphs(3, 3 + 19);
    std::vector<int> expected;
    if (icons & biSystemMenu) {
      expected.push_back(HTCLOSE);
      if (icons & biMaximize) expected.push_back(HTMAXBUTTON);
      if (icons & biMinimize) expected.push_back(HTMINBUTTON);
    }
    std::vector<int> painted, answered;
    for (const Glyph& g : glyphs) {
      painted.push_back(g.CodeByShape());
      answered.push_back(HitAt({g.Middle(), (g.top + g.bottom) / 2}));
    }
    EXPECT_EQ(painted, expected) << int(icons);
    EXPECT_EQ(answered, expected) << int(icons);
    // Along the bar, a button code is answered only over its glyph's cell.
    std::vector<int> codes;
    for (int x = 3; x < 397; ++x) {
      int code = HitAt({x, 12});
      if (code != HTCAPTION && (codes.empty() || codes.back() != code)) codes.push_back(code);
    }
    std::vector<int> leftToRight(expected.rbegin(), expected.rend());
    EXPECT_EQ(codes, leftToRight) << int(icons);
  }
}

TEST_F(PlainFrameTest, AToolWindowHasTheLowCaptionInPaintHitTestAndClientPlacement) {
  for (TFormBorderStyle style : {TFormBorderStyle::bsToolWindow, TFormBorderStyle::bsSizeToolWin}) {
    Use(biSystemMenu | biMinimize | biMaximize, style);
    EXPECT_EQ(form->ClientToScreen({0, 0}), (Origin() + TPoint{3, 3 + 15}));
    const TColor bar = ColorToRGB(clActiveCaption);
    EXPECT_EQ(Pixel({100, 3 + 14}), bar);
    EXPECT_NE(Pixel({100, 3 + 15}), bar);
    for (int y = 18; y < 22; ++y) EXPECT_EQ(HitAt({100, y}), HTCLIENT) << y;
    EXPECT_EQ(HitAt({100, 10}), HTCAPTION);
    // A tool window shows only its close button.
    std::vector<Glyph> glyphs = Glyphs(3, 3 + 15);
    ASSERT_EQ(glyphs.size(), 1u);
    EXPECT_EQ(glyphs[0].CodeByShape(), HTCLOSE);
    EXPECT_EQ(HitAt({glyphs[0].Middle(), 10}), HTCLOSE);
  }
}

TEST_F(PlainFrameTest, TheClientLiesInsideThreePixelBordersAndTheNineteenPixelCaption) {
  frame->Sizeable = false;
  Use(biSystemMenu | biMinimize, TFormBorderStyle::bsSingle);
  EXPECT_EQ(form->ClientToScreen({0, 0}), (Origin() + TPoint{3, 22}));
  EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 394, 275}));
  EXPECT_EQ(HitAt({1, 150}), HTBORDER);
  EXPECT_EQ(HitAt({3, 22}), HTCLIENT);
  EXPECT_EQ(HitAt({3, 21}), HTCAPTION);
}

TEST_F(PlainFrameTest, ASizeablePlainFrameSizesByItsBorders) {
  Use(biSystemMenu, TFormBorderStyle::bsSizeable);
  EXPECT_EQ(HitAt({1, 150}), HTLEFT);
  EXPECT_EQ(HitAt({398, 150}), HTRIGHT);
  EXPECT_EQ(HitAt({200, 298}), HTBOTTOM);
  EXPECT_EQ(HitAt({200, 1}), HTTOP);
  EXPECT_EQ(HitAt({1, 1}), HTTOPLEFT);
  EXPECT_EQ(HitAt({398, 298}), HTBOTTOMRIGHT);
  // The platform sizes only a window with a sizing border.
  session.system.SetStyle(form->Handle(), session.system.GetStyle(form->Handle()) | WS_THICKFRAME);
  session.driver.Drag(Origin() + TPoint{398, 298}, Origin() + TPoint{448, 318});
  Settle();
  EXPECT_EQ(GetWindowRect(form->Handle()).Width(), 450);
  EXPECT_EQ(GetWindowRect(form->Handle()).Height(), 320);
  frame->Sizeable = false;
  EXPECT_EQ(HitAt({1, 150}), HTBORDER);
}

TEST_F(PlainFrameTest, TheCaptionShowsActiveAndInactive) {
  Use(biSystemMenu, TFormBorderStyle::bsSingle);
  EXPECT_EQ(Pixel({100, 10}), ColorToRGB(clActiveCaption));
  TForm* other = nullptr;
  app.CreateForm(other);
  other->SetBounds(700, 500, 200, 100);
  other->Show();
  Settle();
  EXPECT_EQ(Pixel({100, 10}), ColorToRGB(clInactiveCaption));
}

TEST_F(PlainFrameTest, ClickingThePaintedButtonsRunsTheirCommands) {
  // The client's own settings: system menu and minimize only.
  Use(biSystemMenu | biMinimize, TFormBorderStyle::bsSingle);
  std::vector<Glyph> glyphs = Glyphs(3, 3 + 19);
  ASSERT_EQ(glyphs.size(), 2u);
  session.driver.Click(Origin() + TPoint{glyphs[1].Middle(), 12});
  Settle();
  EXPECT_TRUE(session.system.IsIconic(form->Handle()));
}

}  // namespace
}  // namespace kx
