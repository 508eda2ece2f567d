#include "net/header_list.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(HeaderListTest, LookupIgnoresCaseAndTrims) {
  TNetHeaderList h;
  h.AddReceivedLine("Content-Length:   12  ");
  h.AddReceivedLine("set-cookie: a=1");
  h.AddReceivedLine("Set-Cookie: b=2");
  EXPECT_EQ(h.Values("content-length"), "12");
  EXPECT_EQ(h.AllValues("Set-cookie"), (std::vector<std::string>{"a=1", "b=2"}));
  EXPECT_EQ(h.Values("Missing"), "");
  EXPECT_FALSE(h.Has("Missing"));
}

TEST(HeaderListTest, ContinuationLinesJoinWithOneBlank) {
  TNetHeaderList h;
  h.AddReceivedLine("X-Long: first");
  h.AddReceivedLine("   second  ");
  h.AddReceivedLine("\tthird");
  h.AddReceivedLine("Next: n");
  EXPECT_EQ(h.Values("X-Long"), "first second third");
  EXPECT_EQ(h.Count(), 2u);
}

TEST(HeaderListTest, SetValueKeepsOrderAndEmptyRemoves) {
  TNetHeaderList h;
  h.SetValue("A", "1");
  h.SetValue("B", "2");
  h.SetValue("a", "3");
  h.SetValue("C", "");
  EXPECT_EQ(h.Lines(), (std::vector<std::string>{"a: 3", "B: 2"}));
  h.SetValue("B", "");
  EXPECT_EQ(h.Count(), 1u);
}

TEST(HeaderListTest, LongLinesFoldAtBlanks) {
  std::string line = "Cookie: ";
  for (int i = 0; i < 12; ++i)
    line += "name" + std::to_string(i) + "=value" + std::to_string(i) + "; ";
  line.erase(line.size() - 2);
  std::vector<std::string> folded = FoldLine(line);
  ASSERT_GT(folded.size(), 1u);
  std::string joined;
  for (std::size_t i = 0; i < folded.size(); ++i) {
    EXPECT_LE(folded[i].size(), 78u);
    if (i > 0) {
      EXPECT_EQ(folded[i][0], ' ');
      EXPECT_NE(folded[i][1], ' ');
    }
    joined += folded[i];
  }
  EXPECT_EQ(joined, line);
  EXPECT_EQ(FoldLine("Short: line"), (std::vector<std::string>{"Short: line"}));
  std::string word(100, 'x');
  EXPECT_EQ(FoldLine(word), (std::vector<std::string>{word}));
}

}  // namespace
}  // namespace kx
