#include "grid/header_display.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "grid/data_grid.h"
#include "platform/forms/forms.h"
#include "platform/gfx/bitmap.h"

namespace kx {
namespace {

constexpr TColor kHeader = 0x00408080;
constexpr TColor kStale = clFuchsia;

// Three 60-pixel text columns of a grid without a window, their headers
// painted one at a time onto a bitmap that holds stale pixels.
class HeaderDisplayTest : public ::testing::Test {
 protected:
  HeaderDisplayTest() {
    for (TDgTextColumn* c : {left, middle, right}) {
      c->SetCollection(&grid->Columns());
      c->SetWidth(60);
      c->Header().SetColor(kHeader);
    }
  }
  TBitmap Paint(THeaderStyle style, const TDgCustomColumn& column, THeaderPaintState state,
                int height = 18) {
    TBitmap target(300, height);
    target.Canvas().Brush().Color = kStale;
    target.Canvas().FillRect({0, 0, 300, height});
    target.Canvas().Font() = grid->Font();
    int x = column.LeftEdge();
    TStyleDisplay::For(style).PaintHeader(target.Canvas(), column,
                                          {x, 0, x + column.Width(), height}, state);
    return target;
  }
  static TColor At(TBitmap& b, int x, int y) { return b.Canvas().Pixel(x, y); }

  TForm form{nullptr};
  TDataGrid* grid = new TDataGrid(&form);
  TDgTextColumn* left = new TDgTextColumn(&form);
  TDgTextColumn* middle = new TDgTextColumn(&form);
  TDgTextColumn* right = new TDgTextColumn(&form);
};

TEST_F(HeaderDisplayTest, AnInnerAutoHeaderPaintsTheEndsOfItsSideEdgesInItsColour) {
  TBitmap b = Paint(THeaderStyle::hsAuto, *middle, {});
  // L = 60, R = 120, T = 0, B = 18: the ends at T + 1 and B - 2 take the header colour.
  for (TPoint p : {TPoint{60, 1}, TPoint{60, 16}, TPoint{119, 1}, TPoint{119, 16}}) {
    EXPECT_EQ(At(b, p.X, p.Y), kHeader) << p.X << "," << p.Y;
  }
  EXPECT_EQ(At(b, 60, 2), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(b, 60, 15), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(b, 119, 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(b, 90, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(b, 90, 17), ColorToRGB(clBtnShadow));
}

TEST_F(HeaderDisplayTest, APressedAutoHeaderIsDrawnInvertedWithItsCaptionPushedIn) {
  middle->Header().SetCaption(u"Home");
  TBitmap up = Paint(THeaderStyle::hsAuto, *middle, {});
  TBitmap down = Paint(THeaderStyle::hsAuto, *middle, {.pressed = true});
  EXPECT_EQ(At(down, 90, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(down, 90, 17), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(down, 60, 8), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(down, 119, 8), ColorToRGB(clBtnHighlight));
  // The caption's pixels move one down and one right.
  for (int y = 2; y < 15; ++y) {
    for (int x = 62; x < 110; ++x) EXPECT_EQ(At(down, x + 1, y + 1), At(up, x, y)) << x << "," << y;
  }
}

TEST_F(HeaderDisplayTest, AFlatHeaderDoesNotChangeWhenPressed) {
  middle->Header().SetCaption(u"Home");
  TBitmap up = Paint(THeaderStyle::hsFlatBorders, *middle, {});
  TBitmap down = Paint(THeaderStyle::hsFlatBorders, *middle, {.pressed = true});
  int differing = 0;
  int ink = 0;
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < 300; ++x) {
      differing += At(up, x, y) != At(down, x, y) ? 1 : 0;
      ink += x > 60 && x < 110 && y < 17 && At(up, x, y) != kHeader ? 1 : 0;
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(ink, 0);  // the caption is there
}

// The sort arrow's 8 x 8 box for a caption "A" left-aligned in the middle column.
TPoint ArrowBox(TCanvas& canvas) {
  return {60 + 2 + canvas.TextWidth("A") + 2 + 19, 9 - 4};
}

TEST_F(HeaderDisplayTest, TheSortArrowIsARaisedOutlineNotAFilledGreyTriangle) {
  middle->Header().SetCaption(u"A");
  middle->SetSorted(true);
  TBitmap ascending = Paint(THeaderStyle::hsFlatBorders, *middle, {});
  TPoint box = ArrowBox(ascending.Canvas());
  // Pointing up: the lit apex at the top, the shaded base at the bottom, the face inside.
  EXPECT_EQ(At(ascending, box.X + 4, box.Y), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(ascending, box.X + 4, box.Y + 7), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(ascending, box.X + 4, box.Y + 3), kHeader);
  middle->SetSortKind(TSortKind::skDescending);
  TBitmap descending = Paint(THeaderStyle::hsFlatBorders, *middle, {});
  // Pointing down: the lit base at the top, the apex at the bottom.
  EXPECT_EQ(At(descending, box.X + 4, box.Y), ColorToRGB(clBtnHighlight));
  EXPECT_NE(At(descending, box.X + 4, box.Y + 7), kHeader);
  EXPECT_EQ(At(descending, box.X + 4, box.Y + 4), kHeader);
  EXPECT_EQ(At(descending, box.X + 1, box.Y + 7), kHeader);
}

TEST_F(HeaderDisplayTest, AMultiLineCaptionPlacesTheArrowAfterItsWidestLine) {
  middle->SetWidth(150);
  middle->Header().SetMultiLine(true);
  middle->Header().SetCaption(u"Hi\nWWW");
  middle->SetSorted(true);
  TBitmap b = Paint(THeaderStyle::hsFlatBorders, *middle, {}, 36);
  TCanvas& canvas = b.Canvas();
  int widest = std::max(canvas.TextWidth("Hi"), canvas.TextWidth("WWW"));
  int x = 60 + 2 + widest + 2 + 19;
  EXPECT_EQ(At(b, x + 4, 18 - 4), ColorToRGB(clBtnHighlight));  // the apex
}

TEST_F(HeaderDisplayTest, AVerticalCaptionReadsUpwardsFromTheBottom) {
  middle->Header().SetCaption(u"Vertical");
  middle->Header().SetOrientation(THeaderOrientation::hoVertical);
  TBitmap b = Paint(THeaderStyle::hsFlatBorders, *middle, {}, 80);
  // The caption's ink, inside the grey lines at the right and the bottom.
  TRect ink{1000, 1000, -1, -1};
  for (int y = 0; y < 79; ++y) {
    for (int x = 60; x < 119; ++x) {
      if (At(b, x, y) == kHeader) continue;
      ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
             std::max(ink.Bottom, y + 1)};
    }
  }
  ASSERT_GT(ink.Right, ink.Left);
  EXPECT_GT(ink.Height(), 2 * ink.Width());
  EXPECT_GE(ink.Bottom, 80 - 2 - 4);  // it starts near the bottom
  EXPECT_GE(ink.Left, 62);
  EXPECT_EQ(TStyleDisplay::CaptionWidth(b.Canvas(), middle->Header()), b.Canvas().TextHeight());
}

}  // namespace
}  // namespace kx
