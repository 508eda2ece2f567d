#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "grid/grid_cursors.h"
#include "platform/forms/hint_window.h"
#include "tests/grid/two_column_grid.h"

namespace kx {
namespace {

class GridColumnMouseTest : public TwoColumnGridTest {
 protected:
  GridColumnMouseTest() {
    AddRows(5);
    first->SetOptions(first->Options() + TColumnOption::coCanClick);
    second->SetOptions(second->Options() + TColumnOption::coCanClick);
  }
  // A point of the header row, in screen coordinates.
  TPoint Header(int x) { return grid->ClientToScreen({x, 8}); }
  TRect HintRect() {
    const THintWindow* hint = grid->GridHint();
    return hint ? GetWindowRect(hint->Handle()) : TRect{};
  }
};

TEST_F(GridColumnMouseTest, DraggingABorderResizesAndStopsAtMinWidth) {
  std::vector<int> resized;
  grid->OnColumnResize = [&](TObject*, int col) { resized.push_back(col); };
  // The column's right edge follows the mouse: it ends where the mouse is.
  session.driver.Drag(Header(119), Header(159));
  Settle();
  EXPECT_EQ(first->Width(), 159);
  EXPECT_EQ(resized, std::vector<int>{0});
  first->SetMinWidth(50);
  session.driver.Advance(1000);
  session.driver.Drag(Header(158), Header(2));
  Settle();
  EXPECT_EQ(first->Width(), 50);
  EXPECT_EQ(Layout().ColumnLeft(*second), 50);
}

TEST_F(GridColumnMouseTest, TheResizeLinesLeaveNoTraceAndTheCursorShowsTheZone) {
  TColor before = session.driver.ClientPixel(grid->Handle(), {60, 100});
  session.driver.MoveTo(Header(119));
  session.driver.Press();
  session.driver.MoveTo(Header(60));
  Settle();
  EXPECT_EQ(grid->Cursor, crHorzSplit);
  // The inverted line runs across the body while the mouse is held.
  EXPECT_NE(session.driver.ClientPixel(grid->Handle(), {59, 100}), before);
  session.driver.Release();
  Settle();
  EXPECT_EQ(first->Width(), 60);
  session.driver.MoveTo(Header(30));
  Settle();
  EXPECT_EQ(grid->Cursor, crDefault);
}

TEST_F(GridColumnMouseTest, TheSplitCursorStaysOnTheHeaderBorders) {
  session.driver.MoveTo(Header(119));
  Settle();
  ASSERT_EQ(grid->Cursor, crHorzSplit);
  // Straight down along the border into the empty area below the five rows.
  session.driver.MoveTo(grid->ClientToScreen({119, 150}));
  Settle();
  EXPECT_EQ(grid->Cursor, crDefault);
  session.driver.MoveTo(Header(239));
  session.driver.MoveTo(grid->ClientToScreen({280, 60}));  // right of the last column
  Settle();
  EXPECT_EQ(grid->Cursor, crDefault);
}

TEST_F(GridColumnMouseTest, ADoubleClickOnABorderFitsTheColumn) {
  grid->SetCells(0, 2, u"a long text that needs more room than the column");
  session.driver.DoubleClick(Header(119));
  Settle();
  EXPECT_GT(first->Width(), 200);
}

TEST_F(GridColumnMouseTest, ATwoPixelDragIsAHeaderClick) {
  std::vector<int> clicks;
  grid->OnHeaderClick = [&](TObject*, int col) { clicks.push_back(col); };
  session.driver.Drag(Header(40), Header(42));
  Settle();
  EXPECT_EQ(clicks, std::vector<int>{0});
  EXPECT_EQ(first->Position(), 0);
}

TEST_F(GridColumnMouseTest, DraggingAHeaderMovesTheColumnWithoutAClick) {
  std::vector<int> clicks;
  std::vector<int> moves;
  grid->OnHeaderClick = [&](TObject*, int col) { clicks.push_back(col); };
  grid->OnColumnMove = [&](TObject*, int col, int from, int to) {
    moves.insert(moves.end(), {col, from, to});
  };
  form->SetBounds(100, 100, 320, 200);
  first->Header().SetCaption(u"First");
  second->Header().SetCaption(u"Second");
  Settle();
  session.driver.MoveTo(Header(40));
  session.driver.Press();
  session.driver.MoveTo(Header(120));
  session.driver.MoveTo(Header(200));  // the right half of the second column
  Settle();
  // Under way: the drag box follows the mouse, the arrows mark the second column's right edge.
  std::vector<TRect> floating;
  for (const TestDriver::WindowInfo& w : session.driver.TopLevelWindows()) {
    if (w.Visible && w.hwnd != form->Handle()) floating.push_back(w.Rect);
  }
  TPoint mouse = Header(200);
  TPoint edge = grid->ClientToScreen({240, 0});
  const TRect box{mouse.X - 60, mouse.Y + 4 - 18, mouse.X + 60, mouse.Y + 4};
  const TRect down{edge.X - 4, edge.Y - 12, edge.X + 5, edge.Y - 3};
  const TRect up{edge.X - 4, edge.Y + 17, edge.X + 5, edge.Y + 26};
  std::sort(floating.begin(), floating.end(),
            [](const TRect& a, const TRect& b) { return a.Top < b.Top; });
  EXPECT_EQ(floating, (std::vector<TRect>{down, box, up}));
  session.driver.Release();
  Settle();
  EXPECT_TRUE(clicks.empty());
  EXPECT_EQ(first->Position(), 1);
  EXPECT_EQ(second->Position(), 0);
  EXPECT_EQ(moves, (std::vector<int>{0, 0, 1}));
}

TEST_F(GridColumnMouseTest, ADragReleasedOffTheHeaderHidesOnlyWithCanHideColumn) {
  session.driver.Drag(Header(40), grid->ClientToScreen({40, 120}));
  Settle();
  EXPECT_TRUE(first->Visible());
  session.driver.Advance(1000);  // not a double click
  grid->SetOptions(grid->Options() + TGridOption::goCanHideColumn);
  session.driver.Drag(Header(40), grid->ClientToScreen({40, 120}));
  Settle();
  EXPECT_FALSE(first->Visible());
}

TEST_F(GridColumnMouseTest, AnOverlongTextShowsItsFitHintAtTheCell) {
  grid->SetCells(0, 2, u"a long text that needs more room than the column");
  TRect cell = Layout().CellRect(*first, 2);
  session.driver.MoveTo(grid->Handle(), {cell.Left + 10, cell.Top + 4});
  Settle();
  ASSERT_EQ(grid->HintKind(), TGridHintKind::FitHint);
  EXPECT_EQ(HintRect().TopLeft(), grid->ClientToScreen(cell.TopLeft()));
  EXPECT_EQ(grid->GridHint()->Text(), "a long text that needs more room than the column");
  // A short text hides it.
  session.driver.MoveTo(grid->Handle(), {cell.Left + 10, Layout().RowTop(0) + 4});
  Settle();
  EXPECT_EQ(grid->HintKind(), TGridHintKind::None);
  EXPECT_EQ(grid->GridHint(), nullptr);
}

TEST_F(GridColumnMouseTest, AColumnWithoutTheFitOptionShowsNoFitHint) {
  first->SetOptions(first->Options() - TColumnOption::coShowTextFitHint);
  grid->SetCells(0, 2, u"a long text that needs more room than the column");
  TRect cell = Layout().CellRect(*first, 2);
  session.driver.MoveTo(grid->Handle(), {cell.Left + 10, cell.Top + 4});
  Settle();
  EXPECT_EQ(grid->GridHint(), nullptr);
}

TEST_F(GridColumnMouseTest, ACellHintStandsTwentyPixelsAboveAtTheCellsRight) {
  grid->Cell(1, 3).SetHint(u"from the cell");
  std::vector<int> asked;
  grid->OnCellHint = [&](TObject*, int col, int row, WideString& hint) {
    asked.insert(asked.end(), {col, row});
    hint += u"!";
  };
  TRect cell = Layout().CellRect(*second, 3);
  session.driver.MoveTo(grid->Handle(), {cell.Left + 10, cell.Top + 4});
  Settle();
  ASSERT_EQ(grid->HintKind(), TGridHintKind::CellHint);
  EXPECT_EQ(grid->GridHint()->Text(), "from the cell!");
  EXPECT_EQ(HintRect().TopLeft(),
            grid->ClientToScreen({cell.Left + second->Width(), cell.Top - 20}));
  EXPECT_EQ(asked, (std::vector<int>{1, 3}));
  // Leaving the grid hides it.
  session.driver.MoveTo({600, 600});
  Settle();
  EXPECT_EQ(grid->GridHint(), nullptr);
}

TEST_F(GridColumnMouseTest, HeaderHintsShowBelowTheHeader) {
  second->Header().Hint = u"the second column";
  session.driver.MoveTo(Header(130));
  Settle();
  ASSERT_EQ(grid->HintKind(), TGridHintKind::Header);
  EXPECT_EQ(HintRect().TopLeft(), grid->ClientToScreen({120, 18 + 2}));
  session.driver.MoveTo(Header(30));
  Settle();
  EXPECT_EQ(grid->GridHint(), nullptr);
}

TEST_F(GridColumnMouseTest, HintsComeBackWhenTheMouseReturnsToTheSameCellOrHeader) {
  grid->SetCells(0, 2, u"a long text that needs more room than the column");
  second->Header().Hint = u"the second column";
  TRect cell = Layout().CellRect(*first, 2);
  for (TPoint at : {grid->ClientToScreen({cell.Left + 10, cell.Top + 4}), Header(130)}) {
    session.driver.MoveTo(at);
    Settle();
    ASSERT_NE(grid->GridHint(), nullptr);
    session.driver.MoveTo({600, 600});
    Settle();
    ASSERT_EQ(grid->GridHint(), nullptr);
    session.driver.MoveTo(at);
    Settle();
    EXPECT_NE(grid->GridHint(), nullptr) << at.X << "," << at.Y;
  }
}

TEST_F(GridColumnMouseTest, HintsWaitForTheFormToBeActive) {
  TForm* other = new TForm(nullptr);
  other->SetBounds(400, 400, 100, 100);
  other->Show();
  Settle();
  ASSERT_NE(Screen().ActiveForm(), form);
  grid->SetCells(0, 2, u"a long text that needs more room than the column");
  TRect cell = Layout().CellRect(*first, 2);
  session.driver.MoveTo(grid->Handle(), {cell.Left + 10, cell.Top + 4});
  Settle();
  EXPECT_EQ(grid->GridHint(), nullptr);
  delete other;
}

}  // namespace
}  // namespace kx

namespace kx {
namespace {

TEST_F(GridColumnMouseTest, APressedHeaderLooksSunkenWhileTheMouseIsOnIt) {
  first->SetOptions(first->Options() + TColumnOption::coDisableMoving);  // no drag starts
  HWND h = grid->Handle();
  TColor raised = session.driver.ClientPixel(h, {40, 0});
  EXPECT_EQ(raised, ColorToRGB(clBtnHighlight));
  session.driver.MoveTo(Header(40));
  session.driver.Press();
  Settle();
  EXPECT_EQ(session.driver.ClientPixel(h, {40, 0}), ColorToRGB(clBtnShadow));
  session.driver.MoveTo(grid->ClientToScreen({40, 100}));  // off the header: raised again
  Settle();
  EXPECT_EQ(session.driver.ClientPixel(h, {40, 0}), ColorToRGB(clBtnHighlight));
  session.driver.Release();
}

TEST_F(GridColumnMouseTest, SelectingARowRepaintsThatRowAndTheOldOneOnly) {
  AddRows(7);  // 12 rows, 10 of them on screen
  grid->SetFocus();
  grid->SelectCell(0, 8);
  Settle();
  GridLayout layout = Layout();
  LPARAM at = MAKELPARAM(30, layout.RowTop(3) + 5);
  SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  // What the press left to paint: rows 3 and 8 (their shared lines aside), no row between.
  const TRegion& update = WindowSystem().GetUpdateRegion(grid->Handle());
  for (int row = 0; row < 10; ++row) {
    TRect middle{10, layout.RowTop(row) + 3, 200, layout.RowTop(row) + 12};
    EXPECT_EQ(update.Intersects(middle), row == 3 || row == 8) << row;
  }
  SendMessage(grid->Handle(), WM_LBUTTONUP, 0, at);
  Settle();
  EXPECT_EQ(grid->SelectedRow(), 3);
}

TEST_F(GridColumnMouseTest, TheGridCursorsAreRegisteredWithPictures) {
  for (int id : {crHorzSplit, crColumnNoDrag, crRoll, crRollUp, crRollDown}) {
    HCURSOR cursor = Screen().Cursor(id);
    ASSERT_TRUE(cursor) << id;
    EXPECT_TRUE(cursor->HasImage) << id;
  }
}

}  // namespace
}  // namespace kx
