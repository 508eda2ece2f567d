#include "net/internet_date.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(InternetDateTest, FormatsAndReadsBack) {
  EXPECT_EQ(FormatInternetDate(0), "Thu, 01 Jan 1970 00:00:00 GMT");
  EXPECT_EQ(FormatInternetDate(1796790400), "Wed, 09 Dec 2026 04:26:40 GMT");
  EXPECT_EQ(ParseInternetDate("Wed, 09 Dec 2026 04:26:40 GMT"), 1796790400);
}

TEST(InternetDateTest, OtherAcceptedForms) {
  EXPECT_EQ(ParseInternetDate("Wednesday, 09-Dec-26 04:26:40 GMT"), 1796790400);
  EXPECT_EQ(ParseInternetDate("Wed Dec  9 04:26:40 2026"), 1796790400);
  EXPECT_EQ(ParseInternetDate("Wed, 09 Dec 2026 05:26:40 +0100"), 1796790400);
  EXPECT_EQ(ParseInternetDate("09 Dec 2026 04:26:40"), 1796790400);
}

TEST(InternetDateTest, UnreadableTexts) {
  for (const char* bad : {"", "tomorrow", "Tue, 32 Dec 2026 00:00:00 GMT", "Tue, 09 Foo 2026 1:00",
                          "09 Dec 2026", "Tue, 09 Dec 2026 25:00:00 GMT", "1 2 3 4 5 6 7 8 9 10"}) {
    EXPECT_FALSE(ParseInternetDate(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace kx
