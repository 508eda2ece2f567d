#include "platform/gfx/masked_images.h"

#include <gtest/gtest.h>

#include "platform/gfx/canvas.h"

namespace kx {
namespace {

TEST(ImageListTest, AddSplitsAStripAndDrawsThroughTheMask) {
  TBitmap strip(32, 16);
  strip.Canvas().Brush().Color = clRed;
  strip.Canvas().FillRect(TRect{0, 0, 16, 16});
  strip.Canvas().Brush().Color = clBlue;
  strip.Canvas().FillRect(TRect{16, 0, 32, 16});
  strip.Canvas().SetPixel(0, 0, clFuchsia);
  MaskedImages list;
  EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_FALSE(list.Shows(0, 0, 0));
  EXPECT_TRUE(list.Shows(0, 1, 0));

  TBitmap target(40, 20);
  target.Canvas().Brush().Color = clWhite;
  target.Canvas().FillRect(TRect{0, 0, 40, 20});
  list.Draw(target.Canvas(), 2, 2, 0);
  EXPECT_EQ(target.ColorAt(2, 2), clWhite);
  EXPECT_EQ(target.ColorAt(3, 2), clRed);
  EXPECT_EQ(target.ColorAt(17, 17), clRed);
  EXPECT_EQ(target.ColorAt(18, 17), clWhite);
  list.Draw(target.Canvas(), 20, 2, 1, false);
  TColor greyed = target.ColorAt(25, 5);
  EXPECT_EQ(GetRValue(greyed), GetGValue(greyed));
  EXPECT_EQ(GetGValue(greyed), GetBValue(greyed));
  EXPECT_NE(greyed, clWhite);
  list.Draw(target.Canvas(), 0, 0, 7);  // out of range: nothing
  list.Draw(target.Canvas(), 0, 0, -1);
}

}  // namespace
}  // namespace kx
