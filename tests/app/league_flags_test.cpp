#include "app/league_flags.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kx {
namespace {

TEST(LeagueFlags, TheCountryBeforeTheFirstFullStopChoosesTheFlag) {
  EXPECT_EQ(LeagueFlagIndex("England. Premier League"), 23);
  EXPECT_EQ(LeagueFlagIndex("Argentina.Primera"), 1);
  EXPECT_EQ(LeagueFlagIndex("Latvia. Virsliga. Round 3"), 101);
  EXPECT_EQ(LeagueFlagIndex("Spain"), 0);            // no full stop: no country
  EXPECT_EQ(LeagueFlagIndex("spain. La Liga"), 0);   // exact case only
  EXPECT_EQ(LeagueFlagIndex(". Spain"), 0);          // an empty country
  EXPECT_EQ(LeagueFlagIndex("Spain . La Liga"), 0);  // no trimming
  EXPECT_EQ(LeagueFlagIndex("Atlantis. Cup"), 0);
  EXPECT_EQ(LeagueFlagIndex(""), 0);
}

TEST(LeagueFlags, TheLastOfTwoEntriesWinsAndSharedImagesHold) {
  EXPECT_EQ(LeagueFlagIndex("Luxemburg. National Division"), 102);
  EXPECT_EQ(LeagueFlagIndex("Ecuador. Serie A"), 15);
  EXPECT_EQ(LeagueFlagIndex("Colombia. Primera A"), 15);
  for (const char* body : {"UEFA", "AFC", "CAF", "CONCACAF", "CONMEBOL", "FIFA"}) {
    EXPECT_EQ(LeagueFlagIndex(std::string(body) + ". Cup"), kInternationalFlag) << body;
  }
}

TEST(LeagueFlags, TheTableHasItsEntriesInOrderAndSelectsEveryImageButFortyNine) {
  ASSERT_EQ(FlagTableSize(), 108);
  EXPECT_EQ(FlagTable()[0].name, "Argentina");
  EXPECT_EQ(FlagTable()[107].name, "FIFA");
  std::set<int> selected{0};
  for (int i = 0; i < FlagTableSize(); ++i) {
    std::string liga = std::string(FlagTable()[i].name) + ". League";
    selected.insert(LeagueFlagIndex(liga));
  }
  // Images 0..102 are all reachable except 49 (the first Luxemburg, overridden).
  EXPECT_EQ(selected.size(), static_cast<std::size_t>(kFlagImageCount - 1));
  EXPECT_EQ(selected.count(49), 0u);
  EXPECT_EQ(*selected.rbegin(), 102);
}

}  // namespace
}  // namespace kx
