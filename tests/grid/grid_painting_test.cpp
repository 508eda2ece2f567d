#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/data_grid.h"
#include "platform/forms/forms.h"
#include "platform/forms/image_list.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

constexpr TColor kLines = 0x00404040;
constexpr TColor kCells = 0x00F0E0D0;
constexpr TColor kHeader = 0x00408080;

// A grid of a text, a number and an image column on a borderless form, with
// flat headers, lines in the active-rows style and full-row selection.
class GridPaintingTest : public ::testing::Test {
 protected:
  GridPaintingTest() {
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->SetBounds(0, 0, 300, 200);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 300, 200);
    grid->SetOptions({TGridOption::goGrid, TGridOption::goHeader, TGridOption::goSelectFullRow});
    grid->GridLinesColor = kLines;
    grid->SetGridLinesStyle(TGridLinesStyle::lsActiveRows);
    grid->HeaderStyle = THeaderStyle::hsFlatBorders;
    grid->SelectionColor = clRed;
    for (TDgCustomColumn* c :
         {static_cast<TDgCustomColumn*>(text), static_cast<TDgCustomColumn*>(number),
          static_cast<TDgCustomColumn*>(image)}) {
      c->SetCollection(&grid->Columns());
      c->SetWidth(60);
      c->SetColor(kCells);
      c->Header().SetColor(kHeader);
    }
    image->SetWidth(30);
    TBitmap picture(16, 16);
    picture.Canvas().Brush().Color = clBlue;
    picture.Canvas().FillRect({0, 0, 16, 16});
    images->AddMasked(picture, clFuchsia);
    image->SetImages(images);
    image->SetAlignment(TAlignment::taCenter);
    other->SetParent(form);
    other->SetBounds(0, 190, 10, 10);
    other->TabStop = true;
    for (int i = 0; i < 3; ++i) {
      int r = grid->AddRow();
      grid->SetCells(0, r, u"row");
      grid->SetCells(1, r, u"5");
      grid->Cell(2, r).SetAsInteger(0);
    }
    form->Show();
    Settle();
  }
  ~GridPaintingTest() override { delete form; }
  void Settle() { session.driver.RunUntilIdle(); }
  TColor At(int x, int y) { return session.driver.ClientPixel(grid->Handle(), {x, y}); }

  HeadlessSession session;
  TForm* form = new TForm(nullptr);
  TDataGrid* grid = new TDataGrid(form);
  TDgTextColumn* text = new TDgTextColumn(form);
  TDgNumberColumn* number = new TDgNumberColumn(form);
  TDgImageColumn* image = new TDgImageColumn(form);
  TImageList* images = new TImageList(form);
  TWinControl* other = new TWinControl(form);
};

TEST_F(GridPaintingTest, RowsAreSeventeenPixelsApartBelowAnEighteenPixelHeader) {
  const TRect client = grid->ClientRect();
  EXPECT_EQ(At(1, 1), kHeader);
  // Flat header lines at R - 1 and B - 1.
  EXPECT_EQ(At(59, 5), ColorToRGB(clGrayText));
  EXPECT_EQ(At(20, 17), ColorToRGB(clGrayText));
  EXPECT_EQ(At(58, 16), kHeader);
  // Row 0 is y 18 to 33, its line at 34; row 1 starts at 35.
  EXPECT_EQ(At(58, 20), kCells);
  EXPECT_EQ(At(58, 18 + 16), kLines);
  EXPECT_EQ(At(58, 35), kCells);
  EXPECT_EQ(At(59, 20), kLines);  // the column's last pixel is its vertical line
  EXPECT_EQ(At(58, 18 + 3 * 17 - 1), kLines);
  // Below the last row the active-rows style shows plain Color, no lines.
  EXPECT_EQ(At(58, 18 + 3 * 17 + 5), ColorToRGB(clWindow));
  EXPECT_EQ(At(59, 18 + 3 * 17 + 5), ColorToRGB(clWindow));
  EXPECT_EQ(At(58, 18 + 4 * 17 - 1), ColorToRGB(clWindow));
  // Right of the columns the grid's Color.
  EXPECT_EQ(At(200, 40), ColorToRGB(clWindow));
  EXPECT_EQ(At(200, 5), ColorToRGB(clWindow));
  EXPECT_LT(200, client.Right);
}

TEST_F(GridPaintingTest, TheSelectedRowShowsOnlyWhileTheGridHasTheFocus) {
  grid->SetFocus();
  grid->SelectCell(0, 1);
  Settle();
  EXPECT_EQ(At(30, 38), clRed);
  EXPECT_EQ(At(30, 20), kCells);
  other->SetFocus();
  Settle();
  EXPECT_EQ(At(30, 38), kCells);  // aoHideSelection: an unfocused grid shows no selection
  grid->SetFocus();
  grid->Cell(1, 1).SetColor(clAqua);
  Settle();
  EXPECT_EQ(At(100, 38), clRed);  // the cell's own colour gives way to the selection
  grid->SelectCell(0, 2);
  Settle();
  EXPECT_EQ(At(100, 38), clAqua);
}

TEST_F(GridPaintingTest, ImagesSitAtTheHalvedCentreAndUnknownIndexesDrawNothing) {
  // Column 2 spans x 120 to 149 (its line at 149); the content rectangle is 120..148.
  // Centre: 120 + 29 / 2 - 16 / 2 = 126; y: 18 + 16 / 2 - 8 = 18.
  EXPECT_EQ(At(126, 18), clBlue);
  EXPECT_EQ(At(125, 18), kCells);
  EXPECT_EQ(At(141, 33), clBlue);
  EXPECT_EQ(At(142, 33), kCells);
  grid->Cell(2, 0).SetAsInteger(1);  // the list holds one image
  Settle();
  EXPECT_EQ(At(126, 18), kCells);
}

TEST_F(GridPaintingTest, AnImageOnlyHeaderCentresItsGlyph) {
  TBitmap glyph(16, 16);
  glyph.Canvas().Brush().Color = clWhite;
  glyph.Canvas().FillRect({0, 0, 16, 16});
  glyph.Canvas().Brush().Color = clRed;
  glyph.Canvas().FillRect({0, 0, 16, 8});
  image->Header().SetGlyph(glyph);
  image->Header().SetDisplayMode(TDisplayMode::dmImageOnly);
  image->Header().SetAlignment(TAlignment::taCenter);
  Settle();
  // Width 30, header 18: glyph at column left + 7, y 1; its white is transparent.
  EXPECT_EQ(At(120 + 7, 1), clRed);
  EXPECT_EQ(At(120 + 6, 1), kHeader);
  EXPECT_EQ(At(120 + 7 + 15, 8), clRed);
  EXPECT_EQ(At(120 + 10, 12), kHeader);
}

TEST_F(GridPaintingTest, WithoutGridLinesRowsAreRowSizeApart) {
  grid->SetOptions({TGridOption::goHeader});
  grid->Invalidate();
  Settle();
  EXPECT_EQ(At(59, 20), kCells);
  EXPECT_EQ(At(30, 18 + 16), kCells);  // row 1 begins at once
  EXPECT_EQ(At(30, 18 + 3 * 16 + 2), ColorToRGB(clWindow));
}

TEST_F(GridPaintingTest, TheSingleBorderIsAOnePixelStaticEdgeOutsideTheClient) {
  HWND h = grid->Handle();
  EXPECT_EQ(grid->BorderStyle(), TBorderStyle::bsSingle);
  EXPECT_EQ(grid->ClientRect(), (TRect{0, 0, 298, 198}));
  EXPECT_EQ(grid->ClientToScreen({0, 0}), (TPoint{1, 1}));
  // Shaded at the top and left, lit at the right and bottom.
  EXPECT_EQ(session.driver.WindowPixel(h, {0, 100}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(session.driver.WindowPixel(h, {150, 0}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(session.driver.WindowPixel(h, {299, 100}), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(session.driver.WindowPixel(h, {150, 199}), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(session.driver.WindowPixel(h, {250, 100}), ColorToRGB(clWindow));
  grid->SetBorderStyle(TBorderStyle::bsNone);
  Settle();
  EXPECT_EQ(grid->ClientRect(), (TRect{0, 0, 300, 200}));
  EXPECT_EQ(session.driver.WindowPixel(h, {299, 100}), ColorToRGB(clWindow));
  EXPECT_EQ(At(1, 1), kHeader);
}

TEST_F(GridPaintingTest, ABlendedSelectionShowsASolidHighlightFrameAsItsFocus) {
  grid->SetFocus();
  grid->SelectCell(0, 1);
  Settle();
  // The dotted focus rectangle along row 1's top (y 35), over the columns' 150 pixels.
  auto topLine = [this] {
    int highlight = 0;
    for (int x = 0; x < 149; ++x) highlight += At(x, 35) == ColorToRGB(clHighlight) ? 1 : 0;
    return highlight;
  };
  EXPECT_LT(topLine(), 149);
  grid->SetAppearanceOptions(grid->AppearanceOptions() +
                             TAppearanceOption::aoAlphaBlendedSelection);
  Settle();
  EXPECT_EQ(topLine(), 149);
  EXPECT_EQ(At(0, 40), ColorToRGB(clHighlight));
  EXPECT_NE(At(30, 40), ColorToRGB(clHighlight));  // inside, the blend
}

// Screen points of the grid (the form sits at 0, 0 without a frame; the grid's edge is 1 pixel).
TPoint CellPoint(int col, int row) {
  const int lefts[] = {0, 60, 120};
  return {1 + lefts[col] + 10, 1 + 18 + row * 17 + 8};
}

class GridInteractionTest : public GridPaintingTest {
 protected:
  GridInteractionTest() {
    for (int i = 0; i < 3; ++i) {
      int r = grid->AddRow();
      grid->SetCells(0, r, u"more");
    }
    grid->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
      log.push_back("down");
    };
    grid->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) {
      log.push_back("up");
    };
    grid->OnClick = [this](TObject*) { log.push_back("click"); };
    grid->OnBeforeSelect = [this](TObject*, int, int r, bool&) {
      log.push_back("before " + std::to_string(r));
    };
    grid->OnDeselectCell = [this](TObject*, int, int r) {
      log.push_back("deselect " + std::to_string(r));
    };
    grid->OnSelectCell = [this](TObject*, int, int r) {
      log.push_back("select " + std::to_string(r));
    };
    grid->OnCellClick = [this](TObject*, int c, int r) {
      log.push_back("cell " + std::to_string(c) + "," + std::to_string(r));
    };
    grid->OnCellDblClick = [this](TObject*, int c, int r) {
      log.push_back("dbl " + std::to_string(c) + "," + std::to_string(r));
    };
    grid->OnHeaderClick = [this](TObject*, int c) { log.push_back("header " + std::to_string(c)); };
    Settle();
  }
  std::vector<std::string> log;
};

TEST_F(GridInteractionTest, AClickOnARowRaisesItsEventsInOrderAndPaintsTheRow) {
  session.driver.Click(CellPoint(1, 3));
  EXPECT_EQ(log,
            (std::vector<std::string>{"down", "before 3", "select 3", "click", "up", "cell 1,3"}));
  EXPECT_EQ(grid->SelectedRow(), 3);
  Settle();
  EXPECT_EQ(At(30, 18 + 3 * 17 + 4), clRed);
  log.clear();
  session.driver.Click(CellPoint(0, 1));
  EXPECT_EQ(log, (std::vector<std::string>{"down", "before 1", "deselect 3", "select 1", "click",
                                           "up", "cell 0,1"}));
}

TEST_F(GridInteractionTest, PressAndReleaseOnDifferentRowsOrTheRightButtonGiveNoCellClick) {
  session.driver.MoveTo(CellPoint(0, 3));
  session.driver.Press();
  session.driver.MoveTo(CellPoint(0, 4));
  session.driver.Release();
  EXPECT_EQ(grid->SelectedRow(), 3);
  EXPECT_EQ(std::count(log.begin(), log.end(), "cell 0,4") +
                std::count(log.begin(), log.end(), "cell 0,3"),
            0);
  log.clear();
  session.driver.Click(CellPoint(0, 5), 1);
  EXPECT_EQ(grid->SelectedRow(), 5);
  for (const std::string& entry : log)
    EXPECT_EQ(entry.rfind("cell", 0), std::string::npos) << entry;
  log.clear();
  session.driver.Click({30, 18 + 6 * 17 + 8});  // below the last row: nothing
  EXPECT_EQ(grid->SelectedRow(), 5);
  EXPECT_EQ(std::count(log.begin(), log.end(), "select 6"), 0);
}

TEST_F(GridInteractionTest, ADoubleClickGivesClickDoubleClickClickWithoutSelectingTwice) {
  session.driver.DoubleClick(CellPoint(1, 2));
  std::vector<std::string> cells;
  for (const std::string& entry : log) {
    if (entry.rfind("cell", 0) == 0 || entry.rfind("dbl", 0) == 0 ||
        entry.rfind("select", 0) == 0) {
      cells.push_back(entry);
    }
  }
  EXPECT_EQ(cells, (std::vector<std::string>{"select 2", "cell 1,2", "dbl 1,2", "cell 1,2"}));
}

TEST_F(GridInteractionTest, HeaderClicksSortThenReverse) {
  text->SetOptions(text->Options() + TColumnOption::coCanClick + TColumnOption::coCanSort);
  grid->SetCells(0, 0, u"b");
  grid->SetCells(0, 1, u"c");
  grid->SetCells(0, 2, u"a");
  session.driver.Click({20, 8});
  EXPECT_EQ(std::count(log.begin(), log.end(), "header 0"), 1);
  EXPECT_EQ(grid->Cells(0, 0), u"a");
  std::vector<std::u16string> ascending;
  for (int r = 0; r < grid->RowCount(); ++r) ascending.push_back(grid->Cells(0, r));
  session.driver.Advance(600);  // not a double click
  session.driver.Click({20, 8});
  for (int r = 0; r < grid->RowCount(); ++r) {
    EXPECT_EQ(grid->Cells(0, r), ascending[ascending.size() - 1 - static_cast<std::size_t>(r)]);
  }
}

TEST_F(GridInteractionTest, APressRightOfTheLastColumnSelectsNothing) {
  // The columns end at x 150; the grid's client is 298 wide.
  session.driver.ClickAt(grid->Handle(), {200, 18 + 2 * 17 + 8});
  EXPECT_EQ(grid->SelectedRow(), -1);
  EXPECT_EQ(log, (std::vector<std::string>{"down", "click", "up"}));
  session.driver.Advance(1000);
  session.driver.ClickAt(grid->Handle(), {150, 18 + 2 * 17 + 8});  // the last column's end counts
  EXPECT_EQ(grid->SelectedRow(), 2);
}

TEST_F(GridInteractionTest, KeysMoveTheSelectionAndDoNothingWithoutOne) {
  grid->SetFocus();
  session.driver.PressKey(VK_DOWN);
  EXPECT_EQ(grid->SelectedRow(), -1);
  session.driver.PressKey(VK_HOME);
  EXPECT_EQ(grid->SelectedRow(), 0);
  session.driver.PressKey(VK_DOWN);
  session.driver.PressKey(VK_DOWN);
  EXPECT_EQ(grid->SelectedRow(), 2);
  session.driver.PressKey(VK_UP);
  EXPECT_EQ(grid->SelectedRow(), 1);
  session.driver.PressKey(VK_END);
  EXPECT_EQ(grid->SelectedRow(), 5);
  grid->SetOptions(grid->Options() + TGridOption::goDisableKeys);
  session.driver.PressKey(VK_HOME);
  EXPECT_EQ(grid->SelectedRow(), 5);
}

}  // namespace
}  // namespace kx
