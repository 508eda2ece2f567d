#include "grid/model/columns.h"

#include <gtest/gtest.h>

#include "grid/data_grid.h"
#include "platform/forms/forms.h"

namespace kx {
namespace {

class ColumnsTest : public ::testing::Test {
 protected:
  TForm form{nullptr};
  TDataGrid* grid = new TDataGrid(&form);
  std::vector<TDgCustomColumn*> columns;
  void SetUp() override {
    for (int i = 0; i < 5; ++i) {
      TDgCustomColumn* c = i == 1 ? static_cast<TDgCustomColumn*>(new TDgNumberColumn(&form))
                                  : static_cast<TDgCustomColumn*>(new TDgTextColumn(&form));
      c->SetWidth(50 + i);
      c->SetCollection(&grid->Columns());
      columns.push_back(c);
    }
  }
  std::vector<int> Lefts() const {
    std::vector<int> out;
    for (auto* c : columns) out.push_back(c->LeftEdge());
    return out;
  }
};

TEST_F(ColumnsTest, DefaultsFollowTheColumnClass) {
  auto* text = static_cast<TDgTextColumn*>(columns[0]);
  auto* number = static_cast<TDgNumberColumn*>(columns[1]);
  TDgImageColumn image(&form);
  EXPECT_EQ(text->Alignment(), TAlignment::taLeftJustify);
  EXPECT_TRUE(text->HasOption(TColumnOption::coShowTextFitHint));
  EXPECT_EQ(text->SortType(), TSortType::stAlphabetic);
  EXPECT_EQ(number->Alignment(), TAlignment::taRightJustify);
  EXPECT_FALSE(number->HasOption(TColumnOption::coShowTextFitHint));
  EXPECT_EQ(number->SortType(), TSortType::stNumeric);
  EXPECT_EQ(number->DefaultValue, u"0");
  EXPECT_EQ(image.SortType(), TSortType::stNumeric);
  EXPECT_EQ(image.CellKind(), TCellKind::Integer);
  EXPECT_EQ(image.Width(), 80);
  EXPECT_EQ(image.MinWidth(), 8);
  EXPECT_EQ(image.Header().Color(), clBtnFace);
  EXPECT_TRUE(image.HasOption(TColumnOption::coCanSort));
  EXPECT_EQ(image.Position(), -1);  // not placed
}

TEST_F(ColumnsTest, DisplayTextsOfTextAndNumberColumns) {
  auto* text = static_cast<TDgTextColumn*>(columns[0]);
  auto* number = static_cast<TDgNumberColumn*>(columns[1]);
  text->SetTextBefore(u"(");
  text->SetTextAfter(u")");
  TCellInfo info;
  info.AsString = u"abc";
  EXPECT_EQ(text->DisplayText(info), u"(abc)");
  text->SetPasswordChar('*');
  EXPECT_EQ(text->DisplayText(info), u"*****");
  grid->AddRow();
  grid->SetCells(0, 0, u"abc");
  EXPECT_EQ(grid->Cells(0, 0), u"abc");  // the store holds the bare text

  info.AsFloat = 0;
  EXPECT_EQ(number->DisplayText(info), u"0");
  info.AsFloat = 1.5;
  EXPECT_EQ(number->DisplayText(info), u"1.5");
  number->SetFormatMask("0.00");
  EXPECT_EQ(number->DisplayText(info), u"1.50");
  number->SetHideWhenEmpty(true);
  number->SetEmptyCaption(u"-");
  info.AsFloat = 0;
  EXPECT_EQ(number->DisplayText(info), u"-");
}

TEST_F(ColumnsTest, HidingAColumnShiftsTheLeftEdgesAfterIt) {
  EXPECT_EQ(Lefts(), (std::vector<int>{0, 50, 101, 153, 206}));
  columns[1]->SetVisible(false);
  EXPECT_EQ(columns[1]->DisplayIndex(), -1);
  EXPECT_EQ(columns[2]->DisplayIndex(), 1);
  EXPECT_EQ(columns[2]->LeftEdge(), 50);
  EXPECT_EQ(grid->Columns().TotalWidth(), 50 + 52 + 53 + 54);
  grid->AddRow();
  grid->SetCells(1, 0, u"4");
  EXPECT_EQ(grid->Cells(1, 0), u"4");  // the column index still works
}

TEST_F(ColumnsTest, MovingAPositionRenumbersPositionsButNotColumnIndexes) {
  columns[0]->SetPosition(3);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(columns[static_cast<std::size_t>(i)]->Index(), i);
  EXPECT_EQ(columns[0]->Position(), 3);
  EXPECT_EQ(columns[1]->Position(), 0);
  EXPECT_EQ(columns[3]->Position(), 2);
  EXPECT_EQ(columns[4]->Position(), 4);
  EXPECT_EQ(grid->Columns().ByPosition(3), columns[0]);
  EXPECT_EQ(columns[1]->LeftEdge(), 0);
  EXPECT_EQ(columns[0]->LeftEdge(), 51 + 52 + 53);
}

TEST_F(ColumnsTest, PositionsFromADefinitionPlaceColumnsWithoutRenumbering) {
  TForm defined{nullptr};
  auto* g = new TDataGrid(&defined);
  std::vector<TDgTextColumn*> made;
  {
    TDefinition def(defined);
    for (int position : {2, 0, 1}) {
      auto* c = def.Add<TDgTextColumn>("c" + std::to_string(position));
      c->SetPosition(position);
      c->SetCollection(&g->Columns());
      made.push_back(c);
    }
  }
  EXPECT_EQ(g->Columns().ByPosition(0), made[1]);
  EXPECT_EQ(g->Columns().ByPosition(1), made[2]);
  EXPECT_EQ(g->Columns().ByPosition(2), made[0]);
  EXPECT_EQ(made[0]->Index(), 0);
  EXPECT_EQ(made[0]->LeftEdge(), 160);
}

TEST_F(ColumnsTest, WidthKeepsToMinWidthAndSortedAndSearchColumnAreExclusive) {
  columns[2]->SetWidth(3);
  EXPECT_EQ(columns[2]->Width(), 8);
  columns[0]->SetSorted(true);
  columns[3]->SetSorted(true);
  EXPECT_FALSE(columns[0]->Sorted());
  EXPECT_TRUE(columns[3]->Sorted());
  columns[1]->SetOptions(columns[1]->Options() + TColumnOption::coSearchColumn);
  columns[4]->SetOptions(columns[4]->Options() + TColumnOption::coSearchColumn);
  EXPECT_FALSE(columns[1]->HasOption(TColumnOption::coSearchColumn));
  EXPECT_TRUE(columns[4]->HasOption(TColumnOption::coSearchColumn));
}

TEST_F(ColumnsTest, AHeaderGlyphIsTransparentInItsBottomLeftColour) {
  TBitmap glyph(8, 8);
  glyph.Canvas().Brush().Color = clFuchsia;
  glyph.Canvas().FillRect({0, 0, 8, 8});
  columns[0]->Header().SetGlyph(glyph);
  EXPECT_TRUE(columns[0]->Header().Glyph().Transparent());
  EXPECT_EQ(columns[0]->Header().Glyph().TransparentColor(), clFuchsia);
  columns[0]->Header().SetDisplayMode(TDisplayMode::dmTextAndImage);
  EXPECT_EQ(columns[0]->Header().WidthNeeded(30, 14), 8 + 30 + 2);
}

TEST_F(ColumnsTest, DestroyingAColumnTakesItsCellsOut) {
  grid->AddRow(2);
  grid->SetCells(2, 1, u"third");
  delete columns[1];
  columns.erase(columns.begin() + 1);
  EXPECT_EQ(grid->Columns().Count(), 4);
  EXPECT_EQ(grid->Cells(1, 1), u"third");
  EXPECT_EQ(columns[1]->Index(), 1);
}

}  // namespace
}  // namespace kx
