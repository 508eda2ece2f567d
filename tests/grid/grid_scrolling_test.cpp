#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/grid/two_column_grid.h"

namespace kx {
namespace {

using GridScrollingTest = TwoColumnGridTest;

TEST_F(GridScrollingTest, ABarAppearsOnlyWhenRowsDoNotFitAndItsPageIsTheVisibleRowsPlusOne) {
  AddRows(3);
  EXPECT_FALSE(grid->VertScrollBar().Visible());
  EXPECT_EQ(grid->VertScrollBar().Max(), 0);
  AddRows(27);
  ASSERT_TRUE(grid->VertScrollBar().Visible());
  EXPECT_EQ(grid->VertScrollBar().Max(), 30);
  // The horizontal bar of 240 pixels of columns is not needed; 200 - 18 = 182 = 10 rows of 17 + 12.
  int fitting = (grid->ClientRect().Height() - 18) / 17;
  EXPECT_EQ(grid->VertScrollBar().PageSize(), fitting + 1);
  EXPECT_LT(grid->ClientRect().Width(), 320);  // the bar takes its place
}

TEST_F(GridScrollingTest, ThumbAtTheBottomShowsTheLastRowsWithoutAGap) {
  AddRows(30);
  SendMessage(grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  Settle();
  GridLayout layout = Layout();
  int fitting = (grid->ClientRect().Height() - 18) / 17;
  EXPECT_EQ(grid->TopRow(), 30 - fitting);
  // The last row is wholly inside the body.
  EXPECT_LE(layout.RowTop(29) + 17, layout.Body().Bottom);
  EXPECT_GT(layout.RowTop(29) + 17 + 17, layout.Body().Bottom);
}

TEST_F(GridScrollingTest, ClearRowsHidesTheBarAndResetsTheTopRow) {
  AddRows(40);
  SendMessage(grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  ASSERT_GT(grid->TopRow(), 0);
  grid->ClearRows();
  Settle();
  EXPECT_EQ(grid->TopRow(), 0);
  EXPECT_FALSE(grid->VertScrollBar().Visible());
  // The first and the last shown row are reset to 0, not "none".
  EXPECT_EQ(grid->FirstShownRow(), 0);
  EXPECT_EQ(grid->LastShownRow(), 0);
}

TEST_F(GridScrollingTest, OneWheelStepIsOneRowAndCtrlMakesItAPage) {
  AddRows(40);
  grid->SetFocus();  // the wheel goes to the focused window
  session.driver.Wheel(-WHEEL_DELTA, InBody());
  Settle();
  EXPECT_EQ(grid->TopRow(), 1);
  session.driver.Wheel(-WHEEL_DELTA, InBody(), TestDriver::Ctrl);
  Settle();
  EXPECT_EQ(grid->TopRow(), 1 + grid->VertScrollBar().PageSize());
  session.driver.Wheel(WHEEL_DELTA, InBody());
  Settle();
  EXPECT_EQ(grid->TopRow(), grid->VertScrollBar().PageSize());
}

}  // namespace
}  // namespace kx

namespace kx {
namespace {

TEST_F(GridScrollingTest, ScrollMessagesClampAndRaiseTheScrollEvent) {
  AddRows(30);
  std::vector<int> positions;
  grid->OnVerticalScroll = [&](TObject*, int position) { positions.push_back(position); };
  HWND h = grid->Handle();
  SendMessage(h, WM_VSCROLL, SB_LINEUP, 0);  // already at the top
  SendMessage(h, WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessage(h, WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessage(h, WM_VSCROLL, SB_PAGEDOWN, 0);  // past the end: pulled back
  SendMessage(h, WM_VSCROLL, SB_ENDSCROLL, 0);
  int page = grid->VertScrollBar().PageSize();
  int last = 30 - page + 1;
  EXPECT_EQ(positions, (std::vector<int>{0, 1, 1 + page, last, last}));
  EXPECT_EQ(grid->TopRow(), last);
  SendMessage(h, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(grid->TopRow(), 0);
}

TEST_F(GridScrollingTest, ScrollingOneRowRepaintsOnlyTheUncoveredStrip) {
  AddRows(30);
  int painted = 0;
  grid->OnCellColoring = [&](TObject*, int, int, TColor&, TColor&, TCellState) { ++painted; };
  SendMessage(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  Settle();
  // One new row of two cells at the bottom, and the partly shown row below it.
  EXPECT_GT(painted, 0);
  EXPECT_LE(painted, 2 * 3);
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(GridScrollingTest, KeysScrollTheSelectionIntoView) {
  AddRows(30);
  grid->SetFocus();
  grid->SelectCell(0, 0);
  int fitting = (grid->ClientRect().Height() - 18) / 17;
  for (int i = 0; i < fitting; ++i) session.driver.PressKey(VK_DOWN);
  Settle();
  EXPECT_EQ(grid->SelectedRow(), fitting);
  EXPECT_EQ(grid->TopRow(), 1);  // the selected row is the last wholly visible one
  session.driver.PressKey(VK_END);
  EXPECT_EQ(grid->SelectedRow(), 29);
  EXPECT_EQ(grid->TopRow(), 30 - fitting);
  session.driver.PressKey(VK_HOME);
  EXPECT_EQ(grid->TopRow(), 0);
}

TEST_F(GridScrollingTest, DeletingRowsKeepsTheTopRowOnAnExistingRow) {
  AddRows(30);
  SendMessage(grid->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  while (grid->RowCount() > 2) grid->DeleteRow(grid->RowCount() - 1);
  EXPECT_LT(grid->TopRow(), grid->RowCount());
  grid->DeleteRow(1);
  grid->DeleteRow(0);
  EXPECT_EQ(grid->TopRow(), 0);
  EXPECT_EQ(grid->RowCount(), 0);
}

TEST_F(GridScrollingTest, HidingRowsCountsShownRowsAndMovesTheBar) {
  AddRows(12);
  ASSERT_TRUE(grid->VertScrollBar().Visible());
  EXPECT_EQ(grid->FirstShownRow(), 0);
  grid->SetRowShown(0, false);
  grid->SetRowShown(11, false);
  EXPECT_EQ(grid->Store().ShownRowCount(), 10);
  EXPECT_EQ(grid->FirstShownRow(), 1);
  EXPECT_EQ(grid->LastShownRow(), 10);
  EXPECT_EQ(grid->TopRow(), 1);  // the hidden top row gave way
  EXPECT_FALSE(grid->VertScrollBar().Visible());
}

TEST_F(GridScrollingTest, RowSizeAndOptionsTakeEffectWhenSet) {
  AddRows(12);
  ASSERT_TRUE(grid->VertScrollBar().Visible());
  grid->SetRowSize(8);  // the existing rows too
  EXPECT_EQ(grid->Store().Row(11).Height, 8);
  EXPECT_EQ(Layout().RowTop(3), 18 + 3 * 9);
  EXPECT_FALSE(grid->VertScrollBar().Visible());  // 12 rows of 9 pixels fit
  grid->AddRow();
  EXPECT_EQ(grid->Store().Row(12).Height, 8);
  grid->SetOptions({TGridOption::goGrid});
  Settle();
  EXPECT_EQ(Layout().HeaderHeight(), 0);
}

TEST_F(GridScrollingTest, ColumnsWiderThanTheGridScrollHorizontally) {
  AddRows(3);
  first->SetWidth(300);
  Settle();
  ASSERT_TRUE(grid->HorzScrollBar().Visible());
  EXPECT_EQ(grid->HorzScrollBar().Max(), 420);
  EXPECT_EQ(grid->HorzScrollBar().PageSize(), grid->ClientRect().Width() + 1);
  SendMessage(grid->Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(grid->HorzScrollPosition(), 5);
  SendMessage(grid->Handle(), WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_EQ(grid->HorzScrollPosition(), 420 - grid->ClientRect().Width());
  EXPECT_EQ(Layout().ColumnLeft(*second), 300 - grid->HorzScrollPosition());
  // Left and Right scroll by the small step in a full-row grid.
  grid->SetFocus();
  session.driver.PressKey(VK_LEFT);
  EXPECT_EQ(grid->HorzScrollPosition(), 420 - grid->ClientRect().Width() - 5);
}

TEST_F(GridScrollingTest, SortingScrollsTheSelectedRowIntoView) {
  for (int i = 0; i < 30; ++i) {
    int r = grid->AddRow();
    grid->SetCells(0, r, Utf8ToUtf16(std::string(i < 10 ? "0" : "") + std::to_string(i)));
  }
  grid->SelectCell(0, 0);
  first->SetSortKind(TSortKind::skDescending);
  first->SetSorted(true);
  ASSERT_EQ(grid->SelectedRow(), 29);
  EXPECT_EQ(grid->Cells(0, 29), u"00");
  // The row is the last wholly visible one.
  int fitting = grid->VertScrollBar().PageSize() - 1;
  EXPECT_EQ(grid->TopRow(), 30 - fitting);
  EXPECT_LE(Layout().RowTop(29) + 17, Layout().Body().Bottom);
}

TEST_F(GridScrollingTest, UpAndDownScrollOneRowOnlyWhenTheRowCrossesAnEdge) {
  AddRows(30);
  grid->SetFocus();
  grid->SelectCell(0, 0);
  SendMessage(grid->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  int top = grid->TopRow();
  ASSERT_GT(top, 2);
  session.driver.PressKey(VK_DOWN);  // row 1 is off screen above: the view stays
  EXPECT_EQ(grid->SelectedRow(), 1);
  EXPECT_EQ(grid->TopRow(), top);
  session.driver.PressKey(VK_UP);  // row 0 is above the top row: one row up
  EXPECT_EQ(grid->SelectedRow(), 0);
  EXPECT_EQ(grid->TopRow(), top - 1);
  int fitting = grid->VertScrollBar().PageSize() - 1;
  grid->SelectCell(0, top - 1 + fitting - 1);  // the last wholly visible row
  session.driver.PressKey(VK_DOWN);
  EXPECT_EQ(grid->TopRow(), top);
}

TEST_F(GridScrollingTest, PageDownThatWouldPassTheLastRowSelectsTheLastRow) {
  AddRows(20);
  int fitting = grid->VertScrollBar().PageSize() - 1;
  ASSERT_LT(fitting, 20);
  std::vector<int> asked;
  grid->OnBeforeSelect = [&](TObject*, int, int row, bool&) { asked.push_back(row); };
  grid->SetFocus();
  grid->SelectCell(0, 20 - fitting);  // selected + page = RowCount
  asked.clear();
  session.driver.PressKey(VK_NEXT);
  EXPECT_EQ(grid->SelectedRow(), 19);
  for (int row : asked) EXPECT_LT(row, 20);
  EXPECT_LE(Layout().RowTop(19) + 17, Layout().Body().Bottom);
}

TEST_F(GridScrollingTest, SetTopRowStopsAtTheLastPageAndAtZeroWhenAllRowsFit) {
  AddRows(5);
  grid->SetTopRow(3);
  EXPECT_EQ(grid->TopRow(), 0);
  AddRows(25);
  grid->SetTopRow(29);
  int fitting = grid->VertScrollBar().PageSize() - 1;
  EXPECT_EQ(grid->TopRow(), 30 - fitting);
  EXPECT_EQ(grid->VertScrollBar().Position(), 30 - fitting);
  grid->SetTopRow(4);
  EXPECT_EQ(grid->TopRow(), 4);
}

TEST_F(GridScrollingTest, AddingAndRemovingAColumnUpdatesTheHorizontalBar) {
  AddRows(3);
  ASSERT_FALSE(grid->HorzScrollBar().Visible());
  auto* third = new TDgTextColumn(form);
  third->SetWidth(120);
  third->SetCollection(&grid->Columns());  // 360 pixels of columns
  EXPECT_TRUE(grid->HorzScrollBar().Visible());
  EXPECT_EQ(grid->HorzScrollBar().Max(), 360);
  delete third;
  EXPECT_FALSE(grid->HorzScrollBar().Visible());
  EXPECT_EQ(grid->HorzScrollBar().Max(), 240);
}

TEST_F(GridScrollingTest, GridLinesStyleReMeasuresTheRowsWhenSet) {
  // The bar shows when the page (the wholly visible rows + 1) is below the rows:
  // 12 rows ask for it 17 pixels apart, not 16 pixels apart.
  int body = Layout().Body().Height();
  ASSERT_EQ(body / 16 + 1, 12);
  AddRows(12);
  ASSERT_TRUE(grid->VertScrollBar().Visible());
  grid->SetGridLinesStyle(TGridLinesStyle::lsVerticalOnly);
  EXPECT_FALSE(grid->VertScrollBar().Visible());
  EXPECT_EQ(Layout().RowTop(2), 18 + 2 * 16);
}

TEST_F(GridScrollingTest, TheMiddleButtonRollsWhileHeldAwayFromThePressPoint) {
  AddRows(60);
  TPoint press = grid->ClientToScreen({100, 50});
  session.driver.MoveTo(press);
  session.driver.Press(2);
  Settle();
  ASSERT_TRUE(grid->Rolling());
  session.driver.Advance(300);  // at rest: no scrolling
  EXPECT_EQ(grid->TopRow(), 0);
  session.driver.MoveTo(press + TPoint{0, 60});  // 60 below: a tick every 40 ms
  session.driver.Advance(400);
  Settle();
  EXPECT_GE(grid->TopRow(), 5);
  session.driver.Release(2);
  Settle();
  EXPECT_FALSE(grid->Rolling());
  int top = grid->TopRow();
  session.driver.Advance(400);
  EXPECT_EQ(grid->TopRow(), top);
}

}  // namespace
}  // namespace kx
