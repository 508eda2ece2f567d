#include "platform/base/number_conv.h"

#include <langinfo.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "platform/base/exception.h"

namespace kx {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

[[noreturn]] void ThrowInvalidInteger(std::string_view text) {
  throw EConvertError(FormatMessage(SInvalidInteger, {text}));
}

[[noreturn]] void ThrowInvalidFloat(std::string_view text) {
  throw EConvertError(FormatMessage(SInvalidFloat, {text}));
}

template <typename T>
std::int64_t RoundHalfEvenImpl(T value) {
  if (std::isnan(value)) return 0;
  constexpr T kMax = static_cast<T>(std::numeric_limits<std::int64_t>::max());
  constexpr T kMin = static_cast<T>(std::numeric_limits<std::int64_t>::min());
  if (value >= kMax) return std::numeric_limits<std::int64_t>::max();
  if (value <= kMin) return std::numeric_limits<std::int64_t>::min();
  T floorValue = std::floor(value);
  T fraction = value - floorValue;
  auto result = static_cast<std::int64_t>(floorValue);
  if (fraction > static_cast<T>(0.5)) {
    ++result;
  } else if (fraction == static_cast<T>(0.5) && (result % 2 != 0)) {
    ++result;
  }
  return result;
}

}  // namespace

std::string IntToStr(std::int64_t value) {
  return std::to_string(value);
}

bool TryStrToInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  std::size_t i = 0;
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    i = 1;
  }
  if (i >= text.size()) return false;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > 2147483648LL) return false;
  }
  std::int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(signedValue);
  return true;
}

int StrToInt(std::string_view text) {
  int value = 0;
  if (!TryStrToInt(text, value)) ThrowInvalidInteger(text);
  return value;
}

int StrToIntDef(std::string_view text, int defaultValue) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return defaultValue;
  std::uint64_t magnitude = 0;
  std::size_t digits = 0;
  for (; i < text.size(); ++i, ++digits) {
    int d = hex ? HexValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
    if (d < 0) return defaultValue;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (magnitude > 0xFFFFFFFFull) return defaultValue;
  }
  if (hex) {
    auto bits = static_cast<std::uint32_t>(magnitude);
    auto result = static_cast<std::int32_t>(bits);
    return negative ? static_cast<int>(0u - bits) : result;
  }
  std::int64_t signedValue =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  if (signedValue > std::numeric_limits<int>::max() ||
      signedValue < std::numeric_limits<int>::min()) {
    return defaultValue;
  }
  return static_cast<int>(signedValue);
}

char DecimalSeparator() {
  // nl_langinfo reads the current locale's data without building a whole lconv.
  const char* radix = nl_langinfo(RADIXCHAR);
  if (radix && radix[0] && !radix[1]) return radix[0];
  return '.';
}

std::string FloatToStr(double value) {
  return FloatToStr(value, DecimalSeparator());
}

std::string FloatToStr(double value, char decimalSeparator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  // buffer: [-]d.dddddddddddddde[+-]xx
  std::string text(buffer);
  std::size_t ePos = text.find('e');
  int exponent = std::atoi(text.c_str() + ePos + 1);
  bool negative = text[0] == '-';
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < ePos; ++i) {
    if (IsDigit(text[i])) digits += text[i];
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent < -5 || exponent >= 15) {
    out += digits[0];
    if (digits.size() > 1) {
      out += decimalSeparator;
      out.append(digits, 1);
    }
    out += 'E';
    out += std::to_string(exponent);
    return out;
  }
  if (exponent < 0) {
    out += '0';
    out += decimalSeparator;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  auto integerDigits = static_cast<std::size_t>(exponent + 1);
  if (digits.size() <= integerDigits) {
    out += digits;
    out.append(integerDigits - digits.size(), '0');
    return out;
  }
  out.append(digits, 0, integerDigits);
  out += decimalSeparator;
  out.append(digits, integerDigits);
  return out;
}

bool TryStrToFloat(std::string_view text, double& value, char decimalSeparator) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  {
    // Whole numbers of up to 15 digits are exact in a double: no parser needed.
    std::size_t d = begin + (begin < end && (text[begin] == '+' || text[begin] == '-') ? 1 : 0);
    if (d < end && end - d <= 15 &&
        std::all_of(text.begin() + static_cast<std::ptrdiff_t>(d),
                    text.begin() + static_cast<std::ptrdiff_t>(end), IsDigit)) {
      std::int64_t whole = 0;
      for (std::size_t k = d; k < end; ++k) whole = whole * 10 + (text[k] - '0');
      value = text[begin] == '-' ? -static_cast<double>(whole) : static_cast<double>(whole);
      return true;
    }
  }
  std::string normalized;
  std::size_t i = begin;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') normalized += '-';
    ++i;
  }
  std::size_t mantissaDigits = 0;
  while (i < end && IsDigit(text[i])) {
    normalized += text[i++];
    ++mantissaDigits;
  }
  if (i < end && text[i] == decimalSeparator) {
    normalized += '.';
    ++i;
    while (i < end && IsDigit(text[i])) {
      normalized += text[i++];
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return false;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    normalized += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) normalized += text[i++];
    std::size_t exponentDigits = 0;
    while (i < end && IsDigit(text[i])) {
      normalized += text[i++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) return false;
  }
  if (i != end) return false;
  double parsed = 0;
  auto [ptr, ec] =
      std::from_chars(normalized.data(), normalized.data() + normalized.size(), parsed);
  if (ec != std::errc() || ptr != normalized.data() + normalized.size()) return false;
  value = parsed;
  return true;
}

double StrToFloat(std::string_view text) {
  return StrToFloat(text, DecimalSeparator());
}

double StrToFloat(std::string_view text, char decimalSeparator) {
  double value = 0;
  if (!TryStrToFloat(text, value, decimalSeparator)) ThrowInvalidFloat(text);
  return value;
}

std::int64_t RoundHalfEven(double value) {
  return RoundHalfEvenImpl(value);
}
std::int64_t RoundHalfEven(long double value) {
  return RoundHalfEvenImpl(value);
}

namespace {

std::vector<std::string_view> MaskSections(std::string_view mask) {
  std::vector<std::string_view> sections;
  char quote = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    char c = mask[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      sections.push_back(mask.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(mask.substr(start));
  return sections;
}

struct MaskSection {
  std::string prefix, suffix;
  int intZeros = 0;
  int fracZeros = 0;
  int fracDigits = 0;
  bool grouping = false;
  bool hasDigits = false;
};

MaskSection ParseSection(std::string_view section) {
  MaskSection s;
  bool inFraction = false;
  char quote = 0;
  for (char c : section) {
    if (quote) {
      if (c == quote) {
        quote = 0;
      } else {
        (s.hasDigits ? s.suffix : s.prefix) += c;
      }
      continue;
    }
    if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '0' || c == '#') {
      s.hasDigits = true;
      if (inFraction) {
        ++s.fracDigits;
        if (c == '0') s.fracZeros = s.fracDigits;
      } else if (c == '0') {
        ++s.intZeros;
      }
    } else if (c == '.') {
      inFraction = true;
      s.hasDigits = true;
    } else if (c == ',' && !inFraction) {
      s.grouping = true;
    } else {
      (s.hasDigits ? s.suffix : s.prefix) += c;
    }
  }
  return s;
}

}  // namespace

std::string FormatFloat(std::string_view mask, double value) {
  if (std::isnan(value) || std::isinf(value)) return FloatToStr(value);
  std::vector<std::string_view> sections = MaskSections(mask);
  std::string_view chosen = sections[0];
  bool signShown = true;
  if (value < 0 && sections.size() >= 2 && !sections[1].empty()) {
    chosen = sections[1];
    signShown = false;
  } else if (value == 0 && sections.size() >= 3 && !sections[2].empty()) {
    chosen = sections[2];
  }
  MaskSection s = ParseSection(chosen);
  if (!s.hasDigits) return s.prefix + s.suffix;
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", s.fracDigits, std::fabs(value));
  std::string fixed(buffer);
  std::size_t point = fixed.find('.');
  std::string integer = fixed.substr(0, point);
  std::string fraction = point == std::string::npos ? std::string() : fixed.substr(point + 1);
  while (static_cast<int>(fraction.size()) > s.fracZeros && !fraction.empty() &&
         fraction.back() == '0') {
    fraction.pop_back();
  }
  if (integer == "0" && s.intZeros == 0) integer.clear();
  while (static_cast<int>(integer.size()) < s.intZeros) integer.insert(integer.begin(), '0');
  if (s.grouping) {
    for (int i = static_cast<int>(integer.size()) - 3; i > 0; i -= 3)
      integer.insert(static_cast<std::size_t>(i), 1, ',');
  }
  bool negative = value < 0 && signShown && (!integer.empty() || !fraction.empty()) &&
                  (integer.find_first_not_of("0,") != std::string::npos ||
                   fraction.find_first_not_of('0') != std::string::npos);
  std::string out = s.prefix + (negative ? "-" : "") + integer;
  if (!fraction.empty()) out += DecimalSeparator() + fraction;
  return out + s.suffix;
}

}  // namespace kx
