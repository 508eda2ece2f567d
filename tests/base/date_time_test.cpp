#include "platform/base/date_time.h"

#include <gtest/gtest.h>

#include "platform/base/exception.h"

namespace kx {
namespace {

TEST(DateTime, DaysCountFromTheEndOf1899) {
  EXPECT_EQ(EncodeDateTime(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDateTime(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDateTime(2000, 3, 1), 36586);
  EXPECT_DOUBLE_EQ(EncodeDateTime(2026, 12, 9, 18, 0, 0) - EncodeDateTime(2026, 12, 9), 0.75);
}

TEST(DateTime, TextsReadBackAsTheyWereWritten) {
  for (const char* text :
       {"2026-12-09", "2026-12-09 18:30:05", "2024-02-29 00:00:01", "1899-12-30"}) {
    EXPECT_EQ(DateTimeToStr(StrToDateTime(text)), text);
  }
  EXPECT_EQ(DateTimeToStr(StrToDateTime("2026-12-09 18:30")), "2026-12-09 18:30:00");
  EXPECT_DOUBLE_EQ(StrToDateTime("12:00"), 0.5);
}

TEST(DateTime, AnythingElseRaisesTheConversionError) {
  for (const char* text : {"", "2026-02-30", "2025-02-29", "2026-13-01", "2026-12-09T10:00",
                           "24:00", "9:00", "2026-12-09 10:60", "2026-12-09 "}) {
    EXPECT_THROW(StrToDateTime(text), EConvertError) << text;
  }
  try {
    StrToDateTime("31.01.2026");
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'31.01.2026' is not a valid date and time");
  }
}

}  // namespace
}  // namespace kx
