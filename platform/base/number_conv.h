#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kx {

std::string IntToStr(std::int64_t value);

// A decimal integer with an optional sign, in 32-bit range; anything else,
// the empty text included, raises EConvertError "'%s' is not a valid integer value".
int StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, int& value);

// The lenient integer reading: optional leading spaces, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X".
// Decimal values must fit 32 bits; hexadecimal ones up to 8 digits wrap into
// the signed range. Anything else gives the default.
int StrToIntDef(std::string_view text, int defaultValue);

// The locale's decimal separator ("." in the "C" locale).
char DecimalSeparator();

// General format with 15 significant digits: no trailing zeros, exponent form
// ("1E20", "1.5E-7") only when the exponent is below -5 or at least 15.
std::string FloatToStr(double value);
std::string FloatToStr(double value, char decimalSeparator);

// The value by a format mask: "0" a digit always shown, "#" a digit shown when
// significant, "." the decimal separator, "," thousands grouping, quoted or other
// characters before and after the digits as they stand, and up to three sections
// "positive;negative;zero" separated by ";".
std::string FormatFloat(std::string_view mask, double value);

// A decimal number with the locale's decimal separator and an optional exponent,
// surrounding blanks allowed; anything else raises EConvertError
// "'%s' is not a valid floating point value".
double StrToFloat(std::string_view text);
double StrToFloat(std::string_view text, char decimalSeparator);
bool TryStrToFloat(std::string_view text, double& value, char decimalSeparator);

// Round to the nearest integer, a tie going to the even neighbour. Values
// beyond the 64-bit range saturate.
std::int64_t RoundHalfEven(double value);
std::int64_t RoundHalfEven(long double value);

// The 80-bit extended type the platform's arithmetic uses where precision matters.
using Extended = long double;
static_assert(sizeof(Extended) >= 10, "Extended needs the x87 80-bit format");

}  // namespace kx
