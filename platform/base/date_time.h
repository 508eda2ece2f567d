#pragma once

#include <string>
#include <string_view>

namespace kx {

// A point in time as days since 30 December 1899, the time of day as the fraction.
using TDateTime = double;

TDateTime EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                         int second = 0);
// "yyyy-mm-dd hh:nn:ss"; the time is left out at midnight.
std::string DateTimeToStr(TDateTime value);
// Reads "yyyy-mm-dd", "yyyy-mm-dd hh:nn[:ss]" or "hh:nn[:ss]"; anything else raises
// EConvertError "'%s' is not a valid date and time".
TDateTime StrToDateTime(std::string_view text);

}  // namespace kx
