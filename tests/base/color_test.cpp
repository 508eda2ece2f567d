#include "platform/base/color.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(ColorTest, NamedColoursHaveTheirFixedValues) {
  EXPECT_EQ(clRed, 0x0000FFu);
  EXPECT_EQ(clBlue, 0xFF0000u);
  EXPECT_EQ(clBtnFace, 0xFF00000Fu);
  EXPECT_EQ(clBackground, 0xFF000001u);
  EXPECT_EQ(RGB(0x80, 0x80, 0x40), 0x00408080u);
  EXPECT_EQ(GetRValue(0x00408080u), 0x80);
  EXPECT_EQ(GetBValue(0x00408080u), 0x40);
}

TEST(ColorTest, ColorToRgbResolvesSystemColoursAndStripsTheHighByte) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
  EXPECT_EQ(ColorToRGB(clWindowText), RGB(0, 0, 0));
  EXPECT_EQ(ColorToRGB(0x12345678u), 0x00345678u);
  EXPECT_FALSE(IsSystemColor(clSilver));
  EXPECT_TRUE(IsSystemColor(clHighlight));
}

}  // namespace
}  // namespace kx
