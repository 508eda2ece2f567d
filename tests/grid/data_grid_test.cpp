#include "grid/data_grid.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/base/exception.h"
#include "platform/forms/forms.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

// A grid of a text, a number and an image column, on a form of the headless session.
class DataGridTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  TForm* form = new TForm(nullptr);
  TDataGrid* grid = new TDataGrid(form);
  TDgTextColumn* text = Column<TDgTextColumn>();
  TDgNumberColumn* number = Column<TDgNumberColumn>();
  TDgImageColumn* image = Column<TDgImageColumn>();
  std::vector<std::pair<int, int>> changes;
  ~DataGridTest() override { delete form; }

  template <typename T>
  T* Column() {
    auto* c = new T(form);
    c->SetCollection(&grid->Columns());
    return c;
  }
  void SetUp() override {
    grid->OnChange = [this](TObject*, int c, int r) { changes.push_back({c, r}); };
  }
  // Gives the grid a window, so that column changes reach it.
  void ShowGrid() {
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->SetBounds(0, 0, 400, 300);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 400, 300);
    form->Show();
  }
  void Fill(const std::vector<std::pair<std::u16string, std::u16string>>& rows) {
    for (const auto& [t, n] : rows) {
      int r = grid->AddRow();
      grid->SetCells(0, r, t);
      grid->SetCells(1, r, n);
    }
  }
  std::vector<std::u16string> Column0() const {
    std::vector<std::u16string> out;
    for (int r = 0; r < grid->RowCount(); ++r) out.push_back(grid->Cells(0, r));
    return out;
  }
};

TEST_F(DataGridTest, AddRowReturnsTheLastRowAndRemembersItAcrossClearRows) {
  EXPECT_EQ(grid->AddRow(0), 0);  // never added: 0
  EXPECT_EQ(grid->AddRow(1), 0);
  EXPECT_EQ(grid->Cells(0, 0), u"");
  EXPECT_EQ(grid->Cells(1, 0), u"0");
  EXPECT_EQ(grid->Cells(2, 0), u"0");
  EXPECT_EQ(grid->AddRow(3), 3);
  EXPECT_EQ(grid->AddRow(0), 3);
  grid->ClearRows();
  EXPECT_EQ(grid->RowCount(), 0);
  EXPECT_EQ(grid->AddRow(0), 3);
  EXPECT_EQ(grid->AddRow(1), 0);  // the column lists stayed: every column has a cell again
  EXPECT_EQ(grid->Cells(1, 0), u"0");
}

TEST_F(DataGridTest, NewCellsTakeTheColumnsLookAsItIsWhenTheRowIsAdded) {
  grid->AddRow(1);
  // A definition that sets the look after placing the column, with no window yet.
  number->SetColor(clSilver);
  TFont bold = number->Font();
  bold.SetStyle(TFontStyles{TFontStyle::fsBold});
  number->SetFont(bold);
  int row = grid->AddRow(1);
  EXPECT_EQ(grid->Cell(1, 0).Color(), clWindow);  // made before the change
  EXPECT_EQ(grid->Cell(1, row).Color(), clSilver);
  EXPECT_TRUE(grid->Cell(1, row).FontStyle().Has(TFontStyle::fsBold));
  EXPECT_EQ(grid->Cell(0, row).Color(), clWindow);
  ShowGrid();
  number->SetColor(clAqua);
  grid->InsertRow(0);
  EXPECT_EQ(grid->Cell(1, 0).Color(), clAqua);
}

TEST_F(DataGridTest, RowCountGrowsAndShrinksAndCellsOutOfRangeAreSilent) {
  std::vector<TDataChange> kinds;
  grid->OnDataChange = [&](TObject*, TDataChange k, int) { kinds.push_back(k); };
  grid->SetRowCount(4);
  EXPECT_EQ(grid->RowCount(), 4);
  grid->SetCells(0, 0, u"keep");
  grid->SetRowCount(1);
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(grid->Cells(0, 0), u"keep");
  grid->SetRowCount(1);
  grid->SetRowCount(-3);
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(kinds, (std::vector<TDataChange>{TDataChange::dcAddRow, TDataChange::dcDeleteRow,
                                             TDataChange::dcDeleteRow, TDataChange::dcDeleteRow}));
  grid->OnDataChange = nullptr;
  EXPECT_EQ(grid->Cells(3, 0), u"");
  EXPECT_EQ(grid->Cells(0, 1), u"");
  grid->SetCells(3, 0, u"x");
  grid->SetCells(0, -1, u"x");
  EXPECT_THROW(grid->Cell(0, 5), EListError);
  try {
    grid->Cell(0, 5);
  } catch (const EListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (5)");
  }
}

TEST_F(DataGridTest, NumberCellsReadTheirTextAsNumbers) {
  grid->AddRow();
  grid->SetCells(1, 0, u"07");
  EXPECT_EQ(grid->Cells(1, 0), u"7");
  grid->SetCells(1, 0, u"1.50");
  EXPECT_EQ(grid->Cells(1, 0), u"1.5");
  grid->Cell(1, 0).SetAsFloat(2.5);
  EXPECT_EQ(grid->Cell(1, 0).AsInteger(), 2);
  grid->Cell(1, 0).SetAsFloat(3.5);
  EXPECT_EQ(grid->Cell(1, 0).AsInteger(), 4);
  EXPECT_THROW(grid->SetCells(1, 0, u"abc"), EConvertError);
  EXPECT_EQ(grid->Cells(1, 0), u"3.5");  // the cell kept its value
}

TEST_F(DataGridTest, ColourAndHintWritesNotifyOnceOutsideAnUpdate) {
  grid->AddRow(2);
  changes.clear();
  grid->Cell(0, 1).SetColor(clRed);
  grid->Cell(2, 0).SetHint(u"tip");
  EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{0, 1}, {2, 0}}));
  EXPECT_EQ(grid->Cell(2, 0).Hint(), u"tip");
  grid->BeginUpdate();
  grid->Cell(0, 0).SetColor(clBlue);
  grid->SetCells(0, 0, u"quiet");
  grid->EndUpdate();
  EXPECT_EQ(changes.size(), 2u);
  EXPECT_EQ(grid->Cell(0, 0).Color(), clBlue);
}

TEST_F(DataGridTest, AKeptCellReferenceReportsTheLaterLookup) {
  grid->AddRow(2);
  TCell& kept = grid->Cell(0, 0);
  (void)grid->Cell(2, 1);
  changes.clear();
  kept.SetAsString(u"late");
  EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{2, 1}}));
  EXPECT_EQ(grid->Cells(0, 0), u"late");
}

TEST_F(DataGridTest, TwoSortsOnOneColumnReverseExactlyAndFullResortSortsAnew) {
  Fill({{u"b", u"2"}, {u"a", u"2"}, {u"c", u"1"}, {u"d", u"2"}, {u"e", u"3"}});
  number->SetSortKind(TSortKind::skAscending);
  grid->SortByColumn(1);
  std::vector<std::u16string> ascending = Column0();
  EXPECT_EQ(ascending.front(), u"c");
  EXPECT_EQ(ascending.back(), u"e");
  number->SetSortKind(TSortKind::skDescending);
  grid->SortByColumn(1);
  std::vector<std::u16string> reversed(ascending.rbegin(), ascending.rend());
  EXPECT_EQ(Column0(), reversed);

  number->SetOptions(number->Options() + TColumnOption::coFullResort);
  number->SetSortKind(TSortKind::skAscending);
  grid->SortByColumn(1);
  EXPECT_EQ(Column0().front(), u"c");
  EXPECT_EQ(Column0().back(), u"e");
}

TEST_F(DataGridTest, SortingIsOrderedForManyRowsInEitherDirection) {
  for (int i = 0; i < 500; ++i) {
    int r = grid->AddRow();
    grid->SetCells(1, r, AnsiToWide(std::to_string((i * 7919) % 113)));
  }
  grid->SortByColumn(1);
  for (int r = 1; r < 500; ++r)
    ASSERT_LE(grid->Cell(1, r - 1).AsFloat(), grid->Cell(1, r).AsFloat());
  number->SetSortKind(TSortKind::skDescending);
  number->SetOptions(number->Options() + TColumnOption::coFullResort);
  grid->SortByColumn(1);
  for (int r = 1; r < 500; ++r)
    ASSERT_GE(grid->Cell(1, r - 1).AsFloat(), grid->Cell(1, r).AsFloat());
}

TEST_F(DataGridTest, TheSelectedRowKeepsItsRecordThroughASort) {
  Fill({{u"x", u"3"}, {u"y", u"1"}, {u"z", u"2"}});
  grid->SetOptions(grid->Options() + TGridOption::goSelectFullRow);
  grid->SetSelectedRow(0);  // "x"
  std::vector<int> afterSort;
  grid->OnAfterSort = [&](TObject*, int col) { afterSort.push_back(col); };
  grid->SortByColumn(1);
  EXPECT_EQ(grid->SelectedRow(), 2);
  EXPECT_EQ(grid->Cells(0, grid->SelectedRow()), u"x");
  EXPECT_TRUE(grid->Store().Row(2).Selected);
  EXPECT_FALSE(grid->Store().Row(0).Selected);
  EXPECT_EQ(afterSort, std::vector<int>{1});
  grid->OnAfterSort = nullptr;
}

TEST_F(DataGridTest, ANumericSortOfTextThatIsNoNumberFailsWithTheConversionError) {
  Fill({{u"10", u"0"}, {u"ten", u"0"}});
  text->SetSortType(TSortType::stNumeric);
  try {
    grid->SortByColumn(0);
    FAIL() << "no conversion error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'ten' is not a valid floating point value");
  }
  EXPECT_EQ(Column0(), (std::vector<std::u16string>{u"10", u"ten"}));
}

TEST_F(DataGridTest, SettingSortedSortsThroughTheGridAndClearsTheOtherColumn) {
  ShowGrid();
  Fill({{u"b", u"1"}, {u"a", u"2"}});
  std::vector<std::pair<int, bool>> sorts;
  grid->OnSortColumn = [&](TObject*, int col, bool ascending) {
    sorts.push_back({col, ascending});
  };
  text->SetSorted(true);
  EXPECT_EQ(Column0(), (std::vector<std::u16string>{u"a", u"b"}));
  number->SetSortKind(TSortKind::skDescending);
  number->SetSorted(true);
  EXPECT_FALSE(text->Sorted());
  EXPECT_TRUE(number->Sorted());
  EXPECT_EQ(Column0(), (std::vector<std::u16string>{u"a", u"b"}));  // 2 before 1
  number->SetSortKind(TSortKind::skAscending);                      // a sorted column sorts again
  EXPECT_EQ(Column0(), (std::vector<std::u16string>{u"b", u"a"}));
  EXPECT_EQ(sorts, (std::vector<std::pair<int, bool>>{{0, true}, {1, false}, {1, true}}));
  grid->OnSortColumn = nullptr;
}

TEST_F(DataGridTest, ClearRowsDropsTheSelectionAndInsertRowMovesIt) {
  grid->AddRow(3);
  grid->SetSelectedRow(1);
  grid->InsertRow(0);
  EXPECT_EQ(grid->SelectedRow(), 2);
  EXPECT_EQ(grid->RowCount(), 4);
  grid->ClearRows();
  EXPECT_EQ(grid->SelectedRow(), -1);
  EXPECT_EQ(grid->TopRow(), 0);
  EXPECT_EQ(grid->SelectedColumn(), 0);
  grid->AddRow(2);
  grid->SetSelectedRow(1);
  grid->DeleteRow(1);
  EXPECT_EQ(grid->SelectedRow(), 0);  // follows to the last row
}

TEST_F(DataGridTest, DeletingTheSelectedLastRowDeselectsItAndSelectsTheLastShownRow) {
  std::vector<std::pair<int, int>> deselected;
  grid->OnDeselectCell = [&](TObject*, int col, int row) { deselected.push_back({col, row}); };
  grid->AddRow(4);
  grid->SetSelectedRow(0);
  deselected.clear();
  grid->DeleteRow(3);  // the selection lies above the new last row
  EXPECT_TRUE(deselected.empty());
  grid->SetSelectedRow(2);
  deselected.clear();
  grid->DeleteRow(2);
  EXPECT_EQ(deselected, (std::vector<std::pair<int, int>>{{grid->SelectedColumn(), 2}}));
  EXPECT_EQ(grid->SelectedRow(), 1);
  // With the last row hidden, the selection goes to the last shown one.
  grid->AddRow(3);  // rows 0 to 4
  grid->SetRowShown(4, false);
  grid->SetSelectedRow(3);
  grid->DeleteRow(3);
  EXPECT_EQ(grid->SelectedRow(), 2);
}

TEST_F(DataGridTest, DeletingARowAboveTheSelectionKeepsTheSelectionOnItsRow) {
  grid->SetOptions({TGridOption::goSelectFullRow});
  Fill({{u"a", u"0"}, {u"b", u"0"}, {u"c", u"0"}, {u"d", u"0"}, {u"e", u"0"}});
  grid->SetSelectedRow(3);
  std::vector<int> deselected;
  grid->OnDeselectCell = [&](TObject*, int, int row) { deselected.push_back(row); };
  grid->DeleteRow(1);
  EXPECT_EQ(grid->SelectedRow(), 2);
  EXPECT_EQ(grid->Cells(0, 2), u"d");
  for (int r = 0; r < grid->RowCount(); ++r) EXPECT_EQ(grid->Store().Row(r).Selected, r == 2) << r;
  EXPECT_TRUE(deselected.empty());
  grid->DeleteRow(0);  // above it again
  EXPECT_EQ(grid->SelectedRow(), 1);
  EXPECT_TRUE(grid->Store().Row(1).Selected);
}

TEST_F(DataGridTest, DateTextsSortByTheirDateAndFittingUsesTheWidestText) {
  Fill({{u"2026-12-09 18:00", u"0"}, {u"2026-01-31", u"0"}, {u"", u"0"}});
  EXPECT_EQ(grid->Cell(0, 2).AsDateTime(), 0);  // empty text reads as 0
  text->SetSortType(TSortType::stDate);
  grid->SortByColumn(0);
  EXPECT_EQ(Column0(), (std::vector<std::u16string>{u"", u"2026-01-31", u"2026-12-09 18:00"}));
  grid->Cell(0, 0).SetAsString(u"not a date");
  EXPECT_THROW(grid->SortByColumn(0), EConvertError);

  text->SetPadding(3);
  grid->FitColumnWidth(0);
  // "2026-12-09 18:00" is 86 pixels wide in the column's font (Liberation Sans
  // for "MS Sans Serif", 11 pixels), the widest text; plus padding 3 on both
  // sides and the 5-pixel margin of the fit.
  EXPECT_EQ(text->Width(), 86 + 2 * 3 + 5);
  grid->FitColumnWidth(2);  // an image column without images: the smallest fit
  EXPECT_EQ(image->Width(), 8 + 5);
}

TEST_F(DataGridTest, InsertRowMovesTheSelectionOnThroughTheSetter) {
  grid->SetOptions({TGridOption::goSelectFullRow});
  Fill({{u"a", u"1"}, {u"b", u"2"}});
  std::vector<int> selected;
  grid->OnSelectCell = [&](TObject*, int, int row) { selected.push_back(row); };
  grid->InsertRow(1);  // no selection yet: row 0 becomes selected
  EXPECT_EQ(grid->SelectedRow(), 0);
  EXPECT_TRUE(grid->Store().Row(0).Selected);
  EXPECT_EQ(selected, std::vector<int>{0});
  grid->InsertRow(0);
  EXPECT_EQ(grid->SelectedRow(), 1);
  EXPECT_TRUE(grid->Store().Row(1).Selected);
  EXPECT_EQ(selected, (std::vector<int>{0, 1}));
}

TEST_F(DataGridTest, BadIndexesRaiseTheListErrorOrAreIgnored) {
  Fill({{u"a", u"1"}});
  for (auto bad : std::vector<std::function<void()>>{
           [&] { grid->DeleteRow(5); }, [&] { grid->DeleteRow(-1); }, [&] { grid->Cell(0, 1); },
           [&] { grid->Cell(7, 0); }, [&] { grid->CellInfo(0, 3); }, [&] { grid->CellInfo(9, 0); },
           [&] { grid->Columns().Items(3); }, [&] { grid->Columns().ByPosition(-1); },
           [&] { grid->Store().SwapRows(0, 5); }}) {
    try {
      bad();
      ADD_FAILURE() << "no error";
    } catch (const EListError& e) {
      EXPECT_NE(e.Message().find("List index out of bounds ("), std::string::npos) << e.Message();
    }
  }
  grid->SetOptions({TGridOption::goSelectFullRow});
  grid->SelectCell(0, 4);  // no such row: nothing happens
  EXPECT_EQ(grid->SelectedRow(), -1);
  grid->SelectCell(0, 0);
  EXPECT_EQ(grid->SelectedRow(), 0);
  EXPECT_EQ(grid->RowCount(), 1);
}

TEST_F(DataGridTest, DeletingAColumnRenumbersThePositions) {
  auto* extra = Column<TDgTextColumn>();
  std::vector<std::tuple<int, int, int>> moves;
  ShowGrid();
  grid->OnColumnMove = [&](TObject*, int col, int from, int to) {
    moves.push_back({col, from, to});
  };
  delete number;
  number = nullptr;
  EXPECT_EQ(text->Position(), 0);
  EXPECT_EQ(image->Position(), 1);
  EXPECT_EQ(extra->Position(), 2);
  extra->SetPosition(0);
  EXPECT_EQ(extra->Position(), 0);
  EXPECT_EQ(text->Position(), 1);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], std::make_tuple(2, 2, 0));
}

TEST_F(DataGridTest, SortedSetAgainSortsAgain) {
  Fill({{u"b", u"1"}, {u"a", u"2"}});
  text->SetOptions(text->Options() + TColumnOption::coCanSort);
  ShowGrid();
  text->SetSorted(true);
  EXPECT_EQ(Column0(), (std::vector<std::u16string>{u"a", u"b"}));
  grid->SetCells(0, 0, u"z");
  text->SetSorted(true);
  EXPECT_EQ(Column0(), (std::vector<std::u16string>{u"b", u"z"}));
}

TEST(DataGridDestruction, ADestroyedFormRaisesNoColumnNotices) {
  HeadlessSession session;
  int notices = 0;
  auto* form = new TForm(nullptr);
  auto* grid = new TDataGrid(form);
  for (int i = 0; i < 3; ++i) (new TDgTextColumn(form))->SetCollection(&grid->Columns());
  grid->OnDataChange = [&](TObject*, TDataChange, int) { ++notices; };
  delete form;
  EXPECT_EQ(notices, 0);
}

}  // namespace
}  // namespace kx
