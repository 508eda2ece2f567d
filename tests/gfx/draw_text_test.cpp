#include "platform/gfx/draw_text.h"

#include <gtest/gtest.h>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font_engine.h"

namespace kx {
namespace {

class DrawTextTest : public ::testing::Test {
 protected:
  DrawTextTest() : bitmap(300, 120) {
    canvas().Font() = TFont("Arial", -14);
    canvas().Font().SetColor(clBlack);
    Clear();
  }
  void Clear() {
    canvas().Brush().Style = TBrushStyle::bsSolid;
    canvas().Brush().Color = clWhite;
    canvas().FillRect(TRect{0, 0, 300, 120});
    canvas().Brush().Style = TBrushStyle::bsClear;
  }
  TCanvas& canvas() { return bitmap.Canvas(); }
  // The bounding box of pixels that are not white.
  TRect Ink() {
    TRect box{1000, 1000, -1, -1};
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x)
        if (bitmap.ColorAt(x, y) != clWhite) {
          box.Left = std::min(box.Left, x);
          box.Top = std::min(box.Top, y);
          box.Right = std::max(box.Right, x + 1);
          box.Bottom = std::max(box.Bottom, y + 1);
        }
    return box;
  }
  TBitmap bitmap;
};

TEST_F(DrawTextTest, ArialResolvesToAMetricCompatibleFace) {
  FontFace& face = canvas().Face();
  EXPECT_EQ(face.FamilyName(), "Liberation Sans");
  EXPECT_EQ(face.Ascent(), 13);
  EXPECT_EQ(face.Descent(), 3);
  EXPECT_EQ(canvas().TextHeight("x"), 16);
  canvas().Font().SetHeight(14);  // positive: the cell height
  EXPECT_EQ(canvas().TextHeight("x"), 14);
}

TEST_F(DrawTextTest, WidthsAddUpAndBoldIsWider) {
  int a = canvas().TextWidth("Count: ");
  int b = canvas().TextWidth("0");
  EXPECT_GT(a, 0);
  EXPECT_EQ(canvas().TextWidth("Count: 0"), a + b);
  int normal = canvas().TextWidth("LOGIN");
  canvas().Font().SetStyle(TFontStyle::fsBold);
  EXPECT_GT(canvas().TextWidth("LOGIN"), normal);
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing) {
  TRect r{10, 10, 10, 10};
  int h = DrawText(canvas(), "Hello", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(h, 16);
  EXPECT_EQ(r, (TRect{10, 10, 10 + canvas().TextWidth("Hello"), 26}));
  EXPECT_EQ(Ink().Right, -1);
}

TEST_F(DrawTextTest, WordBreakWrapsAtBlanksAndKeepsLongWordsWhole) {
  int word = canvas().TextWidth("alpha");
  TRect r{0, 0, word + 4, 0};
  int h = DrawText(canvas(), "alpha beta gamma", r, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(h, 3 * 16);
  TRect narrow{0, 0, 5, 0};
  EXPECT_EQ(DrawText(canvas(), "unbreakable", narrow, DT_CALCRECT | DT_WORDBREAK), 16);
  EXPECT_EQ(narrow.Right, canvas().TextWidth("unbreakable"));
  TRect lines{0, 0, 200, 0};
  EXPECT_EQ(DrawText(canvas(), "a\r\nb\nc\rd", lines, DT_CALCRECT), 4 * 16);
}

TEST_F(DrawTextTest, AlignmentPlacesTheInk) {
  TRect r{0, 0, 300, 40};
  DrawText(canvas(), "I", r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  TRect ink = Ink();
  int centreX = (ink.Left + ink.Right) / 2;
  EXPECT_NEAR(centreX, 150, 2);
  EXPECT_GT(ink.Top, 8);
  Clear();
  DrawText(canvas(), "I", r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  ink = Ink();
  EXPECT_GT(ink.Left, 290);
  EXPECT_GT(ink.Bottom, 30);
}

TEST_F(DrawTextTest, TextIsClippedToTheRectUnlessNoClip) {
  TRect r{0, 0, 20, 16};
  DrawText(canvas(), "Wide text that overflows", r, DT_SINGLELINE);
  EXPECT_LE(Ink().Right, 20);
  Clear();
  DrawText(canvas(), "Wide text that overflows", r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(Ink().Right, 20);
}

TEST_F(DrawTextTest, EndEllipsisFitsTheWidth) {
  int full = canvas().TextWidth("Manchester United");
  TRect r{0, 0, full / 2, 16};
  TRect measured = r;
  DrawText(canvas(), "Manchester United", measured, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
  EXPECT_LE(measured.Width(), full / 2);
  EXPECT_GT(measured.Width(), canvas().TextWidth("..."));
}

TEST_F(DrawTextTest, PathEllipsisKeepsTheLastElement) {
  int tail = canvas().TextWidth("\\file.txt");
  int dots = canvas().TextWidth("...");
  TRect r{0, 0, tail + dots + canvas().TextWidth("C:"), 16};
  TRect measured = r;
  DrawText(canvas(), "C:\\some\\long\\folder\\file.txt", measured,
           DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_CALCRECT);
  EXPECT_LE(measured.Width(), r.Width());
  EXPECT_GE(measured.Width(), tail + dots);
}

TEST_F(DrawTextTest, PrefixUnderlinesTheAcceleratorUnlessNoPrefix) {
  TRect r{0, 0, 300, 20};
  TRect a = r;
  DrawText(canvas(), "&File", a, DT_CALCRECT | DT_SINGLELINE);
  TRect b = r;
  DrawText(canvas(), "&File", b, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(a.Width(), canvas().TextWidth("File"));
  EXPECT_EQ(b.Width(), canvas().TextWidth("&File"));
  TRect amp = r;
  DrawText(canvas(), "A&&B", amp, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(amp.Width(), canvas().TextWidth("A&B"));
  DrawText(canvas(), "&F", r, DT_SINGLELINE);
  // The underline sits below the baseline (13) under the F.
  bool underline = false;
  for (int x = 0; x < 8; ++x) underline |= bitmap.ColorAt(x, 14) != clWhite;
  EXPECT_TRUE(underline);
}

TEST_F(DrawTextTest, ExpandTabsAdvancesToTabStops) {
  TRect a{0, 0, 300, 0};
  DrawText(canvas(), "a\tb", a, DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
  int tab = 8 * canvas().Face().AveCharWidth();
  EXPECT_EQ(a.Width(), tab + canvas().TextWidth("b"));
}

TEST_F(DrawTextTest, CyrillicRendersInk) {
  TRect r{0, 0, 300, 30};
  DrawText(canvas(), "Ошибка авторизации!", r, DT_SINGLELINE);
  TRect ink = Ink();
  EXPECT_GT(ink.Width(), 100);
  EXPECT_GT(canvas().TextWidth("Ошибка"), 30);
}

TEST_F(DrawTextTest, OpaqueBrushFillsTheLineBox) {
  canvas().Brush().Style = TBrushStyle::bsSolid;
  canvas().Brush().Color = clYellow;
  canvas().TextOut(5, 5, "ab");
  EXPECT_EQ(bitmap.ColorAt(5, 5), clYellow);
  EXPECT_EQ(bitmap.ColorAt(5 + canvas().TextWidth("ab") - 1, 20), clYellow);
  EXPECT_EQ(bitmap.ColorAt(5 + canvas().TextWidth("ab"), 5), clWhite);
}

}  // namespace
}  // namespace kx
