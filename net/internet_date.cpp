#include "net/internet_date.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

#include "platform/base/strings.h"

namespace kx {
namespace {

constexpr std::array<const char*, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                 "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int ToInt(std::string_view s) {
  int v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

int MonthIndex(std::string_view token) {
  if (token.size() < 3) return -1;
  std::string prefix = LowerCaseAscii(token.substr(0, 3));
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    if (prefix == kMonths[i]) return static_cast<int>(i);
  }
  return -1;
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  auto yoe = static_cast<unsigned>(y - era * 400);
  unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool ParseTime(std::string_view token, int& h, int& m, int& s) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= token.size(); ++i) {
    if (i == token.size() || token[i] == ':') {
      parts.push_back(token.substr(start, i - start));
      start = i + 1;
    }
  }
  if (parts.size() < 2 || parts.size() > 3) return false;
  for (std::string_view p : parts) {
    if (!AllDigits(p) || p.size() > 2) return false;
  }
  h = ToInt(parts[0]);
  m = ToInt(parts[1]);
  s = parts.size() == 3 ? ToInt(parts[2]) : 0;
  return h < 24 && m < 60 && s < 61;
}

bool ParseZone(std::string_view token, int& offsetSeconds) {
  std::string upper = UpperCaseAscii(token);
  if (upper == "GMT" || upper == "UTC" || upper == "UT" || upper == "Z") {
    offsetSeconds = 0;
    return true;
  }
  if (token.size() == 5 && (token[0] == '+' || token[0] == '-') && AllDigits(token.substr(1))) {
    int hh = ToInt(token.substr(1, 2));
    int mm = ToInt(token.substr(3, 2));
    if (hh > 23 || mm > 59) return false;
    offsetSeconds = (hh * 3600 + mm * 60) * (token[0] == '-' ? -1 : 1);
    return true;
  }
  return false;
}

}  // namespace

std::string FormatInternetDate(UnixTime time) {
  std::int64_t days = time >= 0 ? time / 86400 : (time - 86399) / 86400;
  std::int64_t secondsOfDay = time - days * 86400;
  std::time_t t = static_cast<std::time_t>(time);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s, %02d %c%s %04d %02d:%02d:%02d GMT",
                kDays[static_cast<std::size_t>(((days % 7) + 11) % 7)], tm.tm_mday,
                kMonths[static_cast<std::size_t>(tm.tm_mon)][0] - 'a' + 'A',
                kMonths[static_cast<std::size_t>(tm.tm_mon)] + 1, tm.tm_year + 1900,
                static_cast<int>(secondsOfDay / 3600), static_cast<int>(secondsOfDay / 60 % 60),
                static_cast<int>(secondsOfDay % 60));
  return buffer;
}

std::optional<UnixTime> ParseInternetDate(std::string_view text) {
  std::vector<std::string_view> tokens;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() &&
           (text[i] == ' ' || text[i] == ',' || text[i] == '-' || text[i] == '\t')) {
      // A "-" that starts a zone offset belongs to the token.
      if (text[i] == '-' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9' &&
          !tokens.empty() && tokens.back().find(':') != std::string_view::npos) {
        break;
      }
      ++i;
    }
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && text[i] != ' ' && text[i] != ',' && text[i] != '-' && text[i] != '\t')
      ++i;
    if (i > start) tokens.push_back(text.substr(start, i - start));
    if (tokens.size() > 8) return std::nullopt;
  }
  int day = -1;
  int month = -1;
  int year = -1;
  int hour = -1;
  int minute = 0;
  int second = 0;
  int offset = 0;
  bool zone = false;
  for (std::string_view token : tokens) {
    int h = 0;
    int m = 0;
    int s = 0;
    if (hour < 0 && token.find(':') != std::string_view::npos && ParseTime(token, h, m, s)) {
      hour = h;
      minute = m;
      second = s;
    } else if (AllDigits(token) && token.size() <= 2 && day < 0) {
      day = ToInt(token);
    } else if (AllDigits(token) && (token.size() == 2 || token.size() == 4) && year < 0) {
      year = ToInt(token);
      if (token.size() == 2) year += year < 70 ? 2000 : 1900;
    } else if (month < 0 && MonthIndex(token) >= 0 && !AllDigits(token)) {
      month = MonthIndex(token);
    } else if (!zone && hour >= 0 && ParseZone(token, offset)) {
      zone = true;
    } else if (day < 0 && month < 0 && year < 0 && hour < 0) {
      continue;  // a leading day name
    } else {
      return std::nullopt;
    }
  }
  if (day < 1 || day > 31 || month < 0 || year < 1601 || hour < 0) return std::nullopt;
  std::int64_t days =
      DaysFromCivil(year, static_cast<unsigned>(month + 1), static_cast<unsigned>(day));
  return days * 86400 + hour * 3600 + minute * 60 + second - offset;
}

}  // namespace kx
