#include "platform/gfx/font_engine.h"

#include <gtest/gtest.h>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace kx {
namespace {

// The vertical metrics that Arial and Liberation Sans share.
constexpr FaceUnits kArialUnits{2048, 1854, 434};

TEST(EmPixelsForHeight, CellHeightsTakeTheLargestWholeEmThatFits) {
  EXPECT_EQ(EmPixelsForHeight(14, kArialUnits), 12);
  EXPECT_EQ(EmPixelsForHeight(16, kArialUnits), 14);
  EXPECT_EQ(EmPixelsForHeight(25, kArialUnits), 22);
  EXPECT_EQ(EmPixelsForHeight(12, kArialUnits), 11);
  EXPECT_EQ(EmPixelsForHeight(15, kArialUnits), 13);
  // Every answer fits its cell, and one pixel more of em would not.
  for (int h = 3; h <= 200; ++h) {
    int em = EmPixelsForHeight(h, kArialUnits);
    EXPECT_LE(kArialUnits.RoundedAscent(em) + kArialUnits.RoundedDescent(em), h) << h;
    EXPECT_GT(kArialUnits.RoundedAscent(em + 1) + kArialUnits.RoundedDescent(em + 1), h) << h;
  }
}

TEST(EmPixelsForHeight, CharacterHeightsAreTheEmItself) {
  EXPECT_EQ(EmPixelsForHeight(-11, kArialUnits), 11);
  EXPECT_EQ(EmPixelsForHeight(-14, kArialUnits), 14);
  EXPECT_EQ(kArialUnits.RoundedAscent(11) + kArialUnits.RoundedDescent(11), 12);
}

TEST(EmPixelsForHeight, DegenerateAndHostileHeightsStayInRange) {
  EXPECT_EQ(EmPixelsForHeight(1, kArialUnits), 1);
  EXPECT_EQ(EmPixelsForHeight(2'000'000'000, kArialUnits), kMaxEmPixels);
  EXPECT_EQ(EmPixelsForHeight(-2'000'000'000, kArialUnits), kMaxEmPixels);
  EXPECT_EQ(EmPixelsForHeight(14, FaceUnits{2048, 0, 0}), 1);
  EXPECT_EQ(EmPixelsForHeight(14, FaceUnits{0, 1854, 434}), 1);
}

class FaceMetricsTest : public ::testing::Test {
 protected:
  FaceMetricsTest() : bitmap(10, 10) {}
  FontFace& Face(const TFont& font) {
    bitmap.Canvas().Font() = font;
    return bitmap.Canvas().Face();
  }
  int Width(const TFont& font, const char* text) {
    bitmap.Canvas().Font() = font;
    return bitmap.Canvas().TextWidth(text);
  }
  TBitmap bitmap;
};

TEST_F(FaceMetricsTest, ACellHeightGivesTheSameFaceAsItsWholeEm) {
  FontFace& cell = Face(TFont("Arial", 14));
  EXPECT_EQ(cell.Ascent(), 11);
  EXPECT_EQ(cell.Descent(), 3);
  EXPECT_EQ(cell.Height(), 14);
  FontFace& em = Face(TFont("Arial", -12));
  EXPECT_EQ(em.Height(), 14);
  EXPECT_EQ(cell.AveCharWidth(), em.AveCharWidth());
  for (const char* text : {"11:00", "Count: 300", "Select All", "Kestrix"}) {
    EXPECT_EQ(Width(TFont("Arial", 14), text), Width(TFont("Arial", -12), text)) << text;
  }
}

TEST_F(FaceMetricsTest, KickOffTimesFitTheTimeColumnsTextArea) {
  // A 36-pixel column less its grid line and the 2-pixel insets leaves 31.
  for (const char* time : {"11:00", "20:45", "00:00", "23:59", "18:30"}) {
    EXPECT_LE(Width(TFont("Arial", 14), time), 31) << time;
  }
  EXPECT_EQ(Width(TFont("Arial", 14), "11:00"), 31);
}

TEST_F(FaceMetricsTest, GlyphsAdvanceByWholePixelsOfTheirEm) {
  // The digits share one advance, so text widths add up glyph by glyph.
  TFont font("Arial", 16, TFontStyle::fsBold);
  int digit = Width(font, "0");
  for (const char* d : {"1", "2", "3", "4", "5", "6", "7", "8", "9"})
    EXPECT_EQ(Width(font, d), digit);
  EXPECT_EQ(Width(font, "3.6.1"), 3 * digit + 2 * Width(font, "."));
  EXPECT_EQ(Face(font).Height(), 16);
}

TEST_F(FaceMetricsTest, InkStaysInsideTheLineBox) {
  // No glyph of ordinary text reaches above the ascent or below the descent,
  // so a line box of the face's height never clips it. (Accented capitals do
  // rise above the ascent at small sizes, as in the face's own design metrics.)
  for (int height : {11, 13, 14, 16, 19, 25, -11, -12, -14}) {
    for (TFontStyles style : {TFontStyles{}, TFontStyles{TFontStyle::fsBold}}) {
      FontFace& face = Face(TFont("Arial", height, style));
      for (char32_t c : U"AHMWgjpqy|()[]{}@$Q/_é€0123456789") {
        if (c == 0) continue;
        const GlyphImage& g = face.Glyph(c);
        EXPECT_LE(g.Top, face.Ascent()) << height << " " << static_cast<int>(c);
        EXPECT_LE(g.Height - g.Top, face.Descent()) << height << " " << static_cast<int>(c);
      }
    }
  }
}

}  // namespace
}  // namespace kx
