#include "platform/base/number_conv.h"

#include <gtest/gtest.h>

#include "platform/base/exception.h"

namespace kx {
namespace {

TEST(StrToIntTest, DecimalWithOptionalSign) {
  EXPECT_EQ(StrToInt("07"), 7);
  EXPECT_EQ(StrToInt("-12"), -12);
  EXPECT_EQ(StrToInt("+3"), 3);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToIntTest, AnythingElseRaisesTheConversionError) {
  for (const char* bad : {"", "-", "1.5", " 1", "2147483648", "12a", "$10"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid integer value");
    }
  }
}

TEST(StrToIntDefTest, LenientReadingWithDefault) {
  EXPECT_EQ(StrToIntDef("  42", 0), 42);
  EXPECT_EQ(StrToIntDef("-7", 0), -7);
  EXPECT_EQ(StrToIntDef("$1F", 0), 31);
  EXPECT_EQ(StrToIntDef("x1f", 0), 31);
  EXPECT_EQ(StrToIntDef("X10", 0), 16);
  EXPECT_EQ(StrToIntDef("0x10", 0), 16);
  EXPECT_EQ(StrToIntDef("0X10", 0), 16);
  EXPECT_EQ(StrToIntDef("-$10", 0), -16);
  EXPECT_EQ(StrToIntDef("$FFFFFFFF", 0), -1);
  EXPECT_EQ(StrToIntDef("1.5", 0), 0);
  EXPECT_EQ(StrToIntDef("12 ", 0), 0);
  EXPECT_EQ(StrToIntDef("", 0), 0);
  EXPECT_EQ(StrToIntDef("2147483648", 0), 0);
  EXPECT_EQ(StrToIntDef("$100000000", 5), 5);
  EXPECT_EQ(StrToIntDef("abc", 9), 9);
}

TEST(FloatToStrTest, GeneralFormatWithFifteenDigits) {
  EXPECT_EQ(FloatToStr(1.5, '.'), "1.5");
  EXPECT_EQ(FloatToStr(0, '.'), "0");
  EXPECT_EQ(FloatToStr(100, '.'), "100");
  EXPECT_EQ(FloatToStr(-2.25, '.'), "-2.25");
  EXPECT_EQ(FloatToStr(0.1 + 0.2, '.'), "0.3");
  EXPECT_EQ(FloatToStr(1.0 / 3.0, '.'), "0.333333333333333");
  EXPECT_EQ(FloatToStr(0.0001, '.'), "0.0001");
  EXPECT_EQ(FloatToStr(0.000015, '.'), "0.000015");
  EXPECT_EQ(FloatToStr(0.0000015, '.'), "1.5E-6");
  EXPECT_EQ(FloatToStr(123456789012345.0, '.'), "123456789012345");
  EXPECT_EQ(FloatToStr(1e15, '.'), "1E15");
  EXPECT_EQ(FloatToStr(1.5, ','), "1,5");
}

TEST(StrToFloatTest, DecimalNumbersWithTheGivenSeparator) {
  EXPECT_DOUBLE_EQ(StrToFloat("1.50", '.'), 1.5);
  EXPECT_DOUBLE_EQ(StrToFloat("07", '.'), 7);
  EXPECT_DOUBLE_EQ(StrToFloat("-0.25", '.'), -0.25);
  EXPECT_DOUBLE_EQ(StrToFloat("2.5e3", '.'), 2500);
  EXPECT_DOUBLE_EQ(StrToFloat(".5", '.'), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("1,5", ','), 1.5);
  for (const char* bad : {"", "abc", "1.5x", "1,5", "1e", "-", "."}) {
    try {
      StrToFloat(bad, '.');
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), std::string("'") + bad + "' is not a valid floating point value");
    }
  }
}

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(2.5001), 3);
  EXPECT_EQ(RoundHalfEven(1e300), INT64_MAX);
}

TEST(RoundingTest, PercentInExtendedPrecision) {
  auto percent = [](int part, int whole) {
    Extended q = static_cast<Extended>(part) / static_cast<Extended>(whole);
    return RoundHalfEven(q * 100);
  };
  EXPECT_EQ(percent(1, 8), 12);
  EXPECT_EQ(percent(3, 8), 38);
  EXPECT_EQ(percent(1, 40), 2);
  EXPECT_EQ(percent(13, 40), 32);
}

}  // namespace
}  // namespace kx
