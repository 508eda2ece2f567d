#include <gtest/gtest.h>

#include "match_table_fixture.h"
#include "platform/base/exception.h"
#include "platform/forms/label.h"

namespace kx::test {
namespace {

TEST_F(MatchTableTest, TheColumnModelHasThirtyTwoColumnsWithTheirSettings) {
  ASSERT_EQ(table->Columns().Count(), ng::kColumnCount);
  EXPECT_TRUE(table->Options().Has(TGridOption::goSelectFullRow));
  EXPECT_FALSE(table->Options().Has(TGridOption::goUseDefaultValues));
  EXPECT_EQ(table->GridLinesColor, cl3DDkShadow);
  EXPECT_EQ(table->GridLinesStyle(), TGridLinesStyle::lsActiveRows);
  EXPECT_EQ(table->HeaderStyle, THeaderStyle::hsFlatBorders);
  EXPECT_EQ(table->SelectionColor, TColor{0x008658DA});
  int visible = 0;
  for (int i = 0; i < ng::kColumnCount; ++i) {
    TDgCustomColumn* c = table->Columns().Items(i);
    visible += c->Visible() ? 1 : 0;
    EXPECT_EQ(c->Header().Color(), kHeaderOlive);
    EXPECT_EQ(c->Header().Alignment(), TAlignment::taCenter);
    EXPECT_EQ(c->Font().Name(), "Arial");
    EXPECT_EQ(c->Font().Height(), 14);
    EXPECT_EQ(c->Font().Color(), clBackground);
    EXPECT_EQ(c->Font().Style().Has(TFontStyle::fsBold), i == 15 || i == 23 || i == 31) << i;
  }
  EXPECT_EQ(visible, 15);
  auto* flag = dynamic_cast<TDgImageColumn*>(table->Columns().Items(ng::kFlag));
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(flag->Images(), flags);
  EXPECT_EQ(flag->Header().DisplayMode(), TDisplayMode::dmImageOnly);
  EXPECT_EQ(flag->Header().Glyph().Width(), 16);
  EXPECT_EQ(table->Columns().Items(3)->Width(), 146);
  EXPECT_EQ(table->Columns().Items(3)->Header().Caption(), u"Home");
  EXPECT_EQ(table->Columns().Items(31)->Header().Caption(), u"Precent");
  EXPECT_EQ(table->Columns().Items(31)->Color(), TColor{0x00B3FFFF});
  EXPECT_EQ(table->Columns().Items(5)->Color(), TColor{0x00FFAA55});
  EXPECT_NE(dynamic_cast<TDgNumberColumn*>(table->Columns().Items(8)), nullptr);
  EXPECT_TRUE(table->Columns().Items(8)->HasOption(TColumnOption::coShowTextFitHint));
  EXPECT_FALSE(table->Columns().Items(14)->HasOption(TColumnOption::coShowTextFitHint));
  EXPECT_EQ(table->Columns().Items(0)->SortType(), TSortType::stAlphabetic);
  EXPECT_EQ(table->Columns().Items(1)->SortType(), TSortType::stNumeric);
}

TEST_F(MatchTableTest, ARowCarriesTheRecordTheFlagTheDifferencesAndThePercent) {
  AddMatchRow(*table, Record("Home FC", {"70", "20", "10", "95", "81", "71", "66", "8"},
                             {"55", "30", "15", "90", "80", "70", "65", "1"}));
  ASSERT_EQ(table->RowCount(), 1);
  EXPECT_EQ(Text(ng::kId), u"100");
  EXPECT_EQ(table->Cell(ng::kFlag, 0).AsInteger(), 23);
  EXPECT_EQ(table->Cell(ng::kFlag, 0).Hint(), u"England. Premier League");
  EXPECT_EQ(Text(ng::kHome), u"Home FC");
  EXPECT_EQ(Text(ng::kFirstOdds + 1), u"3.40");
  EXPECT_EQ(Text(24), u"15");
  EXPECT_EQ(Text(25), u"-10");
  EXPECT_EQ(Text(31), u"12");  // 1 of 8: 12.5 to the even 12
  EXPECT_EQ(Color(24), kRiseColor);
  EXPECT_EQ(Color(25), clRed);
  EXPECT_EQ(Color(8), kLightYellow);         // 70 > 60
  EXPECT_EQ(Color(16), clSilver);            // 55 keeps the column colour
  EXPECT_EQ(Color(11), kLightGreen);         // 95 > 90
  EXPECT_EQ(Color(19), clWindow);            // 90 is not above 90
  EXPECT_EQ(Color(14), kLightGreen);         // 66 > 65
  EXPECT_EQ(Color(22), clSilver);            // 65 is not
  EXPECT_EQ(Color(15), TColor{0x00CCCCFF});  // counts are never recoloured
  EXPECT_EQ(Color(31), TColor{0x00B3FFFF});
}

TEST_F(MatchTableTest, FullMarksOverwriteThresholdsAndEqualValuesKeepTheColumnColour) {
  AddMatchRow(*table, Record("H", {"100", "50", "10", "100", "0", "0", "0", "3"},
                             {"100", "51", "10", "0", "0", "0", "0", "2"}));
  EXPECT_EQ(Color(8), clLime);
  EXPECT_EQ(Color(16), clLime);
  EXPECT_EQ(Text(24), u"0");
  EXPECT_EQ(Color(24), clSilver);  // a difference of 0
  EXPECT_EQ(Color(9), clWindow);   // 50 is not above 50
  EXPECT_EQ(Color(17), kLightYellow);
  EXPECT_EQ(Color(11), clAqua);  // 100 on a goal line: aqua, not light green
  EXPECT_EQ(Text(31), u"67");    // 2 of 3
}

TEST_F(MatchTableTest, ThePercentRoundsHalfToEvenInExtendedPrecision) {
  EXPECT_EQ(MatchPercent(8, 1), 12);
  EXPECT_EQ(MatchPercent(8, 3), 38);
  EXPECT_EQ(MatchPercent(40, 1), 2);
  EXPECT_EQ(MatchPercent(40, 13), 32);
  EXPECT_EQ(MatchPercent(3, 2), 67);
  EXPECT_EQ(MatchPercent(-4, 1), -25);
  AddMatchRow(*table, Record("H", {"0", "0", "0", "0", "0", "0", "0", "0"},
                             {"0", "0", "0", "0", "0", "0", "0", "5"}));
  EXPECT_EQ(Text(31), u"0");  // count 0: not computed, the new cell's 0 stays
}

TEST_F(MatchTableTest, ThePercentAndItsCellKeepSixtyFourBits) {
  EXPECT_EQ(MatchPercent(1, 2147483647), 214748364700);
  EXPECT_EQ(MatchPercent(1, -2147483647 - 1), -214748364800);
  AddMatchRow(*table, Record("H", {"0", "0", "0", "0", "0", "0", "0", "1"},
                             {"0", "0", "0", "0", "0", "0", "0", "2147483647"}));
  EXPECT_EQ(Text(31), u"214748364700");
}

TEST_F(MatchTableTest, ADifferenceBeyondThirtyTwoBitsHasTheColourOfItsText) {
  AddMatchRow(*table, Record("H", {"2147483647", "-2147483648", "0", "0", "0", "0", "0", "0"},
                             {"-1", "1", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(Text(24), u"2147483648");
  EXPECT_EQ(Color(24), kRiseColor);
  EXPECT_EQ(Text(25), u"-2147483649");
  EXPECT_EQ(Color(25), clRed);
}

TEST_F(MatchTableTest, IntegerRulesReadDecimalsAsZeroButCellsShowThem) {
  AddMatchRow(*table, Record("H", {"60.5", "1e2", "061", "0", "0", "0", "0", "0"},
                             {"0", "0", "0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(Text(8), u"60.5");
  EXPECT_EQ(Text(24), u"0");  // 60.5 reads as 0 by the integer rule
  EXPECT_EQ(Color(8), clSilver);
  EXPECT_EQ(Text(9), u"100");  // the cell holds 1e2 as a number
  EXPECT_EQ(Text(25), u"0");   // the integer rule does not
  EXPECT_EQ(Text(10), u"61");  // read back as the grid formats it
  EXPECT_EQ(Text(26), u"61");
  EXPECT_EQ(Color(10), kLightYellow);
}

TEST_F(MatchTableTest, ALeagueWithoutAFullStopShowsTheFootballWithItsHint) {
  MatchRecord r = Record("H", {"0", "0", "0", "0", "0", "0", "0", "0"},
                         {"0", "0", "0", "0", "0", "0", "0", "0"});
  r.liga = "Friendlies";
  AddMatchRow(*table, r);
  EXPECT_EQ(table->Cell(ng::kFlag, 0).AsInteger(), 0);
  EXPECT_EQ(table->Cell(ng::kFlag, 0).Hint(), u"Friendlies");
}

TEST_F(MatchTableTest, ACounterThatIsNoNumberStopsTheRowWithTheConversionError) {
  AddMatchRow(*table, Record("First", {"1", "1", "1", "1", "1", "1", "1", "1"},
                             {"1", "1", "1", "1", "1", "1", "1", "1"}));
  MatchRecord bad = Record("Second", {"1", "1", "1", "1", "1", "1", "1", "many"},
                           {"1", "1", "1", "1", "1", "1", "1", "1"});
  try {
    AddMatchRow(*table, bad);
    FAIL() << "no conversion error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'many' is not a valid floating point value");
  }
  ASSERT_EQ(table->RowCount(), 2);  // the row stays as far as it was filled
  EXPECT_EQ(Text(ng::kHome, 1), u"Second");
  EXPECT_EQ(Text(ng::kFirstCurrent, 1), u"0");  // not reached
}

TEST_F(MatchTableTest, ShowMatchFeedFillsTheTableAndTheCountOrShowsTheRefusal) {
  auto* count = new TCustomLabel(form);
  count->SetCaption("Count: 0");
  std::vector<std::string> messages;
  auto show = [&](const std::string& text) { messages.push_back(text); };
  ShowMatchFeed("no matches", *table, *count, show);
  EXPECT_EQ(count->Caption(), "Count: 0");
  ShowMatchFeed("<match><home>A</home></match> Failed", *table, *count, show);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], AuthorisationFailedMessage());
  EXPECT_EQ(table->RowCount(), 0);
  ShowMatchFeed("<match><home>A</home></match><match><home>B</home></match>", *table, *count, show);
  EXPECT_EQ(table->RowCount(), 2);
  EXPECT_EQ(count->Caption(), "Count: 2");
  EXPECT_THROW(ShowMatchFeed("<match><p1>x</p1></match>", *table, *count, show), EConvertError);
  EXPECT_EQ(table->RowCount(), 3);
  EXPECT_EQ(count->Caption(), "Count: 2");  // the caption keeps its text after an error
}

}  // namespace
}  // namespace kx::test
