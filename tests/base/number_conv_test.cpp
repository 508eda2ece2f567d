#include "platform/base/number_conv.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

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

TEST(FormatFloat, DigitsGroupingSectionsAndLiterals) {
  EXPECT_EQ(FormatFloat("0.00", 1.5), "1.50");
  EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
  EXPECT_EQ(FormatFloat("#,##0", 1234567), "1,234,567");
  EXPECT_EQ(FormatFloat("000", 7), "007");
  EXPECT_EQ(FormatFloat("0.0", -2.26), "-2.3");
  EXPECT_EQ(FormatFloat("0;(0);zero", -3), "(3)");
  EXPECT_EQ(FormatFloat("0;(0);\"zero\"", 0), "zero");
  EXPECT_EQ(FormatFloat("0 'pts'", 12), "12 pts");
}

TEST(StrToFloatTest, WholeNumbersReadExactlyWithOrWithoutTheParser) {
  EXPECT_EQ(StrToFloat("123456789012345", '.'), 123456789012345.0);
  EXPECT_EQ(StrToFloat("1234567890123456", '.'), 1234567890123456.0);
  EXPECT_EQ(StrToFloat(" +42 ", '.'), 42.0);
  EXPECT_EQ(StrToFloat("-07", '.'), -7.0);
  EXPECT_TRUE(std::signbit(StrToFloat("-0", '.')));
  EXPECT_THROW(StrToFloat("+", '.'), EConvertError);
  EXPECT_THROW(StrToFloat("12 3", '.'), EConvertError);
}

TEST(DecimalSeparatorTest, FollowsTheCurrentLocale) {
  std::string old = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "ru_RU.CP1251")) GTEST_SKIP() << "ru_RU.CP1251 is not installed";
  char russian = DecimalSeparator();
  double parsed = StrToFloat("1,5");
  std::string text = FloatToStr(2.25);
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_EQ(russian, ',');
  EXPECT_EQ(parsed, 1.5);
  EXPECT_EQ(text, "2,25");
  EXPECT_EQ(DecimalSeparator(), '.');
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
