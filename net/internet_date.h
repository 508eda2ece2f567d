#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

// Seconds since 1970-01-01 00:00:00 UTC.
using UnixTime = std::int64_t;

// "Wed, 09 Dec 2026 08:26:40 GMT".
std::string FormatInternetDate(UnixTime time);

// Reads the Internet date forms: an optional day name, day, month name, year
// (two or four digits), time, and a zone (GMT, UTC, UT, Z, or +hhmm / -hhmm;
// none means GMT), separated by blanks, "-" or ",". The asctime order
// (month before day, year last) is read too. nullopt for anything else.
std::optional<UnixTime> ParseInternetDate(std::string_view text);

}  // namespace kx
