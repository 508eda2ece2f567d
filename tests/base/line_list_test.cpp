#include "platform/base/line_list.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLinesTest, EachBreakKind) {
  EXPECT_EQ(SplitLines("login\r\npass\r\n"), (Lines{"login", "pass"}));
  EXPECT_EQ(SplitLines("login\npass"), (Lines{"login", "pass"}));
  EXPECT_EQ(SplitLines("login\rpass"), (Lines{"login", "pass"}));
}

TEST(SplitLinesTest, LfCrIsTwoBreaks) {
  EXPECT_EQ(SplitLines("login\n\rpass"), (Lines{"login", "", "pass"}));
}

TEST(SplitLinesTest, FinalBreakStartsNoLineAndNulEndsTheText) {
  EXPECT_EQ(SplitLines("one\r\n"), (Lines{"one"}));
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
  EXPECT_EQ(SplitLines(std::string("a\nb\0c\nd", 7)), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines(" keep blanks \n"), (Lines{" keep blanks "}));
}

TEST(JoinLinesTest, EveryLineEndsWithCrLf) {
  EXPECT_EQ(JoinLines({"login", "pass"}), "login\r\npass\r\n");
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(SplitLines(JoinLines({"a", "", "b"})), (Lines{"a", "", "b"}));
}

}  // namespace
}  // namespace kx
