#include "platform/base/date_time.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "platform/base/exception.h"

namespace kx {

namespace {

constexpr long kDaysFrom1970To1899 = 25569;  // 1970-01-01 is day 25569

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  long era = (y >= 0 ? y : y - 399) / 400;
  auto yoe = static_cast<unsigned>(y - era * 400);
  unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, long& y, unsigned& m, unsigned& d) {
  z += 719468;
  long era = (z >= 0 ? z : z - 146096) / 146097;
  auto doe = static_cast<unsigned>(z - era * 146097);
  unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<long>(yoe) + era * 400;
  unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
}

bool ValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

// Reads a number of exactly count digits at pos.
std::optional<int> Digits(std::string_view text, std::size_t& pos, std::size_t count) {
  if (pos + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    char c = text[pos + i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  pos += count;
  return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

std::optional<double> ReadTime(std::string_view text, std::size_t& pos) {
  auto h = Digits(text, pos, 2);
  if (!h || !Expect(text, pos, ':')) return std::nullopt;
  auto n = Digits(text, pos, 2);
  if (!n) return std::nullopt;
  int s = 0;
  if (pos < text.size() && text[pos] == ':') {
    ++pos;
    auto sec = Digits(text, pos, 2);
    if (!sec) return std::nullopt;
    s = *sec;
  }
  if (*h > 23 || *n > 59 || s > 59) return std::nullopt;
  return (*h * 3600 + *n * 60 + s) / 86400.0;
}

[[noreturn]] void Invalid(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid date and time");
}

}  // namespace

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
  double days = static_cast<double>(
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
      kDaysFrom1970To1899);
  return days + (hour * 3600 + minute * 60 + second) / 86400.0;
}

std::string DateTimeToStr(TDateTime value) {
  double day = std::floor(value);
  auto seconds = static_cast<long>(std::llround((value - day) * 86400.0));
  if (seconds >= 86400) {
    day += 1;
    seconds -= 86400;
  }
  long y = 0;
  unsigned m = 0;
  unsigned d = 0;
  CivilFromDays(static_cast<long>(day) - kDaysFrom1970To1899, y, m, d);
  char buffer[96];  // room for any year the type can hold
  if (seconds == 0) {
    std::snprintf(buffer, sizeof buffer, "%04ld-%02u-%02u", y, m, d);
  } else {
    std::snprintf(buffer, sizeof buffer, "%04ld-%02u-%02u %02ld:%02ld:%02ld", y, m, d,
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
  }
  return buffer;
}

TDateTime StrToDateTime(std::string_view text) {
  std::size_t pos = 0;
  if (text.size() >= 3 && text[2] == ':') {
    auto time = ReadTime(text, pos);
    if (!time || pos != text.size()) Invalid(text);
    return *time;
  }
  auto y = Digits(text, pos, 4);
  if (!y || !Expect(text, pos, '-')) Invalid(text);
  auto m = Digits(text, pos, 2);
  if (!m || !Expect(text, pos, '-')) Invalid(text);
  auto d = Digits(text, pos, 2);
  if (!d || !ValidDate(*y, *m, *d)) Invalid(text);
  TDateTime result = EncodeDateTime(*y, *m, *d);
  if (pos == text.size()) return result;
  if (!Expect(text, pos, ' ')) Invalid(text);
  auto time = ReadTime(text, pos);
  if (!time || pos != text.size()) Invalid(text);
  return result + *time;
}

}  // namespace kx
