#include "app/match_details.h"

#include <gtest/gtest.h>

#include "match_table_fixture.h"
#include "platform/forms/label.h"

namespace kx::test {
namespace {

class MatchDetailsTest : public MatchTableTest {
 protected:
  TDataGrid* strip = new TDataGrid(form);
  TDataGrid* details = new TDataGrid(form);
  TCustomLabel* percent = new TCustomLabel(form);
  MatchDetailPanel panel{*table, *strip, *details, *percent};

  MatchDetailsTest() {
    DefineDetailStrip(*strip, form, flags);
    DefineDetailGrid(*details, form);
    percent->SetCaption("0%");
    AddMatchRow(*table, Record("Arsenal", {"70", "20", "10", "100", "81", "71", "66", "8"},
                               {"55", "30", "15", "90", "80", "70", "65", "3"}));
    MatchRecord second = Record("Celtic", {"10", "10", "10", "10", "10", "10", "10", "0"},
                                {"10", "10", "10", "10", "10", "10", "10", "0"});
    second.liga = "Friendlies";
    second.away = "Rangers";
    AddMatchRow(*table, second);
  }
};

TEST_F(MatchDetailsTest, TheGridsHaveTheirColumns) {
  ASSERT_EQ(strip->Columns().Count(), 5);
  EXPECT_FALSE(strip->Options().Has(TGridOption::goHeader));
  EXPECT_EQ(strip->Columns().Items(2)->Font().Color(), clLime);
  EXPECT_TRUE(strip->Columns().Items(2)->Font().Style().Has(TFontStyle::fsBold));
  EXPECT_EQ(strip->Columns().Items(3)->Width(), 250);
  ASSERT_EQ(details->Columns().Count(), 9);
  EXPECT_EQ(details->Columns().Items(0)->Width(), 130);
  EXPECT_EQ(details->Columns().Items(4)->Header().Caption(), u"O0.5");
  EXPECT_TRUE(details->Columns().Items(0)->Font().Style().Has(TFontStyle::fsBold));
  EXPECT_FALSE(details->Columns().Items(1)->Font().Style().Has(TFontStyle::fsBold));
}

TEST_F(MatchDetailsTest, AClickLaysTheRowOutWithItsColours) {
  NGCellClick(panel, 0);
  ASSERT_EQ(strip->RowCount(), 1);
  ASSERT_EQ(details->RowCount(), 4);
  EXPECT_EQ(strip->Cell(0, 0).AsInteger(), 23);
  EXPECT_EQ(strip->Cells(1, 0), u"England. Premier League");
  EXPECT_EQ(strip->Cells(2, 0), u"18:30");
  EXPECT_EQ(strip->Cells(3, 0), u"Arsenal");
  EXPECT_EQ(details->Cells(0, 0), u"Programm");
  EXPECT_EQ(details->Cells(0, 3), u"Average 3 Season");
  EXPECT_EQ(details->Cells(1, 0), u"15");
  EXPECT_EQ(details->Cell(1, 0).Color(), kRiseColor);
  EXPECT_EQ(details->Cell(2, 0).Color(), clRed);
  EXPECT_EQ(details->Cell(0, 0).Color(), clWindow);
  EXPECT_EQ(details->Cells(8, 0), u"");
  for (int col = 0; col <= 8; ++col) EXPECT_EQ(details->Cell(col, 1).Color(), clYellow) << col;
  EXPECT_EQ(details->Cells(1, 1), u"1.85");
  EXPECT_EQ(details->Cells(4, 1), u"");
  EXPECT_EQ(details->Cells(1, 2), u"55");
  EXPECT_EQ(details->Cell(1, 2).Color(), clSilver);
  EXPECT_EQ(details->Cells(8, 2), u"3");
  EXPECT_EQ(details->Cells(4, 3), u"100");
  EXPECT_EQ(details->Cell(4, 3).Color(), clAqua);
  EXPECT_EQ(details->Cell(1, 3).Color(), kLightYellow);
  EXPECT_EQ(percent->Caption(), "38%");
}

TEST_F(MatchDetailsTest, ASecondClickReplacesThePanel) {
  NGCellClick(panel, 0);
  NGCellClick(panel, 1);
  EXPECT_EQ(strip->RowCount(), 1);
  EXPECT_EQ(details->RowCount(), 4);
  EXPECT_EQ(strip->Cell(0, 0).AsInteger(), 0);  // an unknown league: the football
  EXPECT_EQ(strip->Cells(1, 0), u"Friendlies");
  EXPECT_EQ(strip->Cells(4, 0), u"Rangers");
  EXPECT_EQ(details->Cells(1, 0), u"0");
  EXPECT_EQ(details->Cell(1, 0).Color(), clSilver);  // a zero difference keeps NG's colour
  EXPECT_EQ(percent->Caption(), "0%");               // count 0
}

}  // namespace
}  // namespace kx::test
