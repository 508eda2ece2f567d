#include "grid/model/cell_store.h"

#include <gtest/gtest.h>

#include "platform/base/exception.h"

namespace kx {
namespace {

class CellStoreTest : public ::testing::Test {
 protected:
  CellStoreTest() {
    cells.AddColumn({TCellKind::String, clRed, TFontStyle::fsBold});
    cells.AddColumn({TCellKind::Float, 0x00B3FFFF, {}});
    cells.AddColumn({TCellKind::Integer, clWindow, {}});
    cells.OnCellChanged = [this](TCells&, int c, int r) { changes.push_back({c, r}); };
  }
  TCells cells;
  std::vector<std::pair<int, int>> changes;
};

TEST_F(CellStoreTest, NewRowsHoldTheEmptyValueOfTheirKindAndTheColumnLook) {
  EXPECT_EQ(cells.AppendRows(1), 0);
  EXPECT_EQ(cells.RowCount(), 1);
  EXPECT_EQ(cells.Cell(0, 0).AsString(), u"");
  EXPECT_EQ(cells.Cell(1, 0).AsString(), u"0");
  EXPECT_EQ(cells.Cell(2, 0).AsString(), u"0");
  EXPECT_EQ(cells.Cell(0, 0).Color(), clRed);
  EXPECT_TRUE(cells.Cell(0, 0).FontStyle().Has(TFontStyle::fsBold));
  EXPECT_EQ(cells.Cell(1, 0).Color(), 0x00B3FFFFu);
  EXPECT_TRUE(changes.empty());  // building cells notifies nothing
  EXPECT_EQ(cells.Row(0).Height, 16);
  EXPECT_EQ(cells.ShownRowCount(), 1);
}

TEST_F(CellStoreTest, NumberCellConversions) {
  cells.AppendRows(1);
  TCell& number = cells.Cell(1, 0);
  number.SetAsString(u"07");
  EXPECT_EQ(number.AsString(), u"7");
  number.SetAsString(u"1.50");
  EXPECT_EQ(number.AsString(), u"1.5");
  number.SetAsString(u"-5");
  EXPECT_EQ(number.AsString(), u"-5");
  number.SetAsFloat(2.5);
  EXPECT_EQ(number.AsInteger(), 2);
  number.SetAsFloat(3.5);
  EXPECT_EQ(number.AsInteger(), 4);
  try {
    number.SetAsString(u"abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
  }
  EXPECT_EQ(number.AsFloat(), 3.5);  // the previous value stays
}

TEST_F(CellStoreTest, TextAndImageCellConversions) {
  cells.AppendRows(1);
  TCell& text = cells.Cell(0, 0);
  text.SetAsInteger(-12);
  EXPECT_EQ(text.AsString(), u"-12");
  EXPECT_EQ(text.AsInteger(), -12);
  text.SetAsString(u"x1");
  EXPECT_THROW(text.AsInteger(), EConvertError);
  EXPECT_THROW(text.AsFloat(), EConvertError);
  text.SetAsFloat(0.25);
  EXPECT_EQ(text.AsString(), u"0.25");
  text.SetAsBoolean(true);
  EXPECT_EQ(text.AsString(), u"True");
  EXPECT_TRUE(text.AsBoolean());

  TCell& image = cells.Cell(2, 0);
  image.SetAsString(u"25");
  EXPECT_EQ(image.AsInteger(), 25);
  image.SetAsString(u"");
  EXPECT_EQ(image.AsInteger(), 0);
  image.SetAsFloat(2.5);
  EXPECT_EQ(image.AsInteger(), 2);
  EXPECT_THROW(image.SetAsString(u"1.5"), EConvertError);
  EXPECT_TRUE(image.AsBoolean());  // still 2: the failed write changed nothing
  image.SetAsInteger(0);
  EXPECT_FALSE(image.AsBoolean());
}

TEST_F(CellStoreTest, EveryWriteNotifiesOnceWithTheLastLookup) {
  cells.AppendRows(3);
  cells.SetSorted(true);
  cells.Cell(1, 2).SetAsInteger(4);
  EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{1, 2}}));
  EXPECT_FALSE(cells.Sorted());
  TCell& kept = cells.Cell(0, 0);
  cells.Cell(2, 1);  // a later lookup
  kept.SetColor(clLime);
  kept.SetHint(u"hint");
  EXPECT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes.back(), (std::pair<int, int>{2, 1}));
}

TEST_F(CellStoreTest, CellOutOfRangeRaisesTheListError) {
  cells.AppendRows(1);
  try {
    cells.Cell(0, 1);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (1)");
  }
  EXPECT_THROW(cells.Cell(0, -1), EListError);
}

TEST_F(CellStoreTest, InsertDeleteAndClearKeepTheColumnLists) {
  cells.AppendRows(2);
  cells.Cell(0, 0).SetAsString(u"a");
  cells.Cell(0, 1).SetAsString(u"b");
  cells.InsertRowAt(1);
  EXPECT_EQ(cells.RowCount(), 3);
  EXPECT_EQ(cells.Cell(0, 1).AsString(), u"");
  EXPECT_EQ(cells.Cell(0, 2).AsString(), u"b");
  cells.DeleteRowAt(0);
  EXPECT_EQ(cells.Cell(0, 1).AsString(), u"b");
  EXPECT_EQ(cells.ShownRowCount(), 2);
  EXPECT_THROW(cells.DeleteRowAt(5), EListError);
  cells.SetSorted(true);
  cells.ClearAllRows();
  EXPECT_EQ(cells.RowCount(), 0);
  EXPECT_FALSE(cells.Sorted());
  EXPECT_EQ(cells.ColumnCount(), 3);
  cells.AppendRows(1);
  EXPECT_EQ(cells.Cell(1, 0).AsString(), u"0");
}

TEST_F(CellStoreTest, ColumnsAddedLaterGetCellsForExistingRows) {
  cells.AppendRows(2);
  cells.InsertColumn(0, {TCellKind::Integer, clAqua, {}});
  EXPECT_EQ(cells.ColumnCount(), 4);
  EXPECT_EQ(cells.Cell(0, 1).Color(), clAqua);
  EXPECT_EQ(cells.Cell(1, 1).Color(), clRed);
  cells.MoveColumn(0, 3);
  EXPECT_EQ(cells.Cell(3, 0).Color(), clAqua);
  cells.DeleteColumn(3);
  EXPECT_EQ(cells.ColumnCount(), 3);
  TCells big;
  int added = 0;
  while (big.AddColumn({})) ++added;
  EXPECT_EQ(added, kMaxGridColumns);
}

TEST_F(CellStoreTest, SwapRowsMovesCellsAndRecords) {
  cells.AppendRows(2);
  cells.Cell(0, 0).SetAsString(u"first");
  cells.Row(0).Selected = true;
  cells.SwapRows(0, 1);
  EXPECT_EQ(cells.Cell(0, 1).AsString(), u"first");
  EXPECT_TRUE(cells.Row(1).Selected);
  EXPECT_FALSE(cells.Row(0).Selected);
}

}  // namespace
}  // namespace kx
