#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/match_table.h"
#include "app/unit1.h"
#include "grid/data_grid.h"
#include "grid/grid_layout.h"
#include "platform/forms/application.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_page_control.h"
#include "skin/frame/skin_frame.h"
#include "skin/menu/skin_menu.h"
#include "skin/menu/skin_popup_window.h"

namespace kx {
namespace {

// The sizes that follow from texts in the main window, at the whole-pixel em
// sizes that positive font heights get.
class TextSizesTest : public ::testing::Test {
 protected:
  TextSizesTest() {
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    session.driver.SetMessageHandler([this](TMsg& m) { app.DispatchOne(m); });
    app.CreateForm(form);
    form->Show();
    session.driver.RunUntilIdle();
  }
  ~TextSizesTest() override {
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
  }
  static TSize Extent(const TFont& font, const char* text) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font() = font;
    return {scratch.Canvas().TextWidth(text), scratch.Canvas().TextHeight(text)};
  }
  TksSkinMenu& Menu() { return form->ksSkinFrame1->SkinMenu(); }

  std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kx-sizes-" + std::to_string(::getpid()));
  HeadlessSession session{{1200, 800}};
  TApplication app{session.system, "/usr/bin/kestrix"};
  TForm1* form = nullptr;
};

TEST_F(TextSizesTest, TheLoginLabelsTakeTheSizeOfTheirTextInTheSkinFont) {
  // Arial 14 is drawn at a 12-pixel em: 14 high.
  EXPECT_EQ(form->ksSkinStdLabel4->BoundsRect(), (TRect{424, 264, 424 + 37, 264 + 14}));
  EXPECT_EQ(form->ksSkinStdLabel5->BoundsRect(), (TRect{424, 328, 424 + 70, 328 + 14}));
  // Their default font, an 11-pixel em, gives 12-pixel lines.
  EXPECT_EQ(Extent(TFont("MS Sans Serif", -11), "LOGIN"), (TSize{35, 12}));
  EXPECT_EQ(Extent(TFont("MS Sans Serif", -11), "PASSWORD"), (TSize{63, 12}));
}

TEST_F(TextSizesTest, TheVersionAndLinkLabelsFitTheirTexts) {
  // Arial 16 bold at a 14-pixel em: 88 by 16, plus 3 each way for the shadow.
  EXPECT_EQ(Extent(form->ksSkinShadowLabel1->Font(), "Version 3.6.1"), (TSize{88, 16}));
  EXPECT_EQ(form->ksSkinShadowLabel1->BoundsRect(), (TRect{707, 6, 707 + 91, 6 + 19}));
  EXPECT_LE(form->ksSkinShadowLabel1->BoundsRect().Right, form->ksSkinTabSheet1->Width());
  EXPECT_EQ(form->ksSkinLinkLabel2->Height(), 14);
  EXPECT_EQ(form->ksSkinLinkLabel2->Width(),
            Extent(TFont("Arial", 14), form->ksSkinLinkLabel2->Caption().c_str()).cx);
}

TEST_F(TextSizesTest, TheCountFitsItsPill) {
  EXPECT_EQ(form->fcount->Width(), 104);
  EXPECT_EQ(form->fcount->Height(), 15);
  // The caption box (2, 2, 102, 13) is 100 wide.
  EXPECT_EQ(Extent(TFont("Arial", 14), "Count: 300"), (TSize{60, 14}));
  EXPECT_LE(Extent(TFont("Arial", 14), "Count: 99999").cx, 100);
}

TEST_F(TextSizesTest, TheCaptionAndTheMenusMeasureInTheirFonts) {
  EXPECT_EQ(Extent(TFont("Arial", 16, TFontStyle::fsBold), "Kestrix"), (TSize{48, 16}));
  // The edit's menu: "Select All" (51) + 2, the glyph column 16, 16 of spacing
  // and 16 of frame.
  session.driver.Click(form->loginedit->ClientToScreen({20, 8}), 1);
  session.driver.RunUntilIdle();
  ASSERT_EQ(Menu().Popups().size(), 1u);
  EXPECT_EQ(Extent(TFont("Arial", 14), "Select All").cx, 51);
  EXPECT_EQ(Menu().Popups().front()->Size(), (TSize{51 + 2 + 16 + 16 + 16, 141}));
}

TEST_F(TextSizesTest, EveryKickOffTimeShowsWholeInItsCell) {
  for (const char* time : {"11:00", "20:45", "00:00", "18:30"}) {
    MatchRecord r;
    for (std::string* counter :
         {&r.p1, &r.x, &r.p2, &r.t05, &r.t15, &r.t25, &r.oz, &r.count, &r.p1v, &r.xv, &r.p2v,
          &r.t05v, &r.t15v, &r.t25v, &r.ozv, &r.countv}) {
      *counter = "0";
    }
    r.time = time;
    AddMatchRow(*form->NG, r);
  }
  form->ksSkinTabSheet2->SetTabVisible(true);
  form->Page->SetActivePageIndex(1);
  session.driver.RunUntilIdle();
  const TDgCustomColumn& timeColumn = *form->NG->Columns().Items(2);
  GridLayout layout(*form->NG, form->NG->ClientRect());
  TBitmap screen = session.driver.Screen();
  for (int row = 0; row < 4; ++row) {
    // The cell as painted against the whole text drawn in its text area (the
    // cell less its vertical line and 2 pixels on each side).
    TRect cell = layout.CellRect(timeColumn, row);
    TRect text{2, 0, cell.Width() - 1 - 2, cell.Height()};
    EXPECT_EQ(text.Width(), 31);
    TBitmap expected(cell.Width() - 1, cell.Height());
    TCanvas& c = expected.Canvas();
    c.Brush().Color = clWindow;
    c.FillRect({0, 0, expected.Width(), expected.Height()});
    c.Brush().Style = TBrushStyle::bsClear;
    c.Font() = timeColumn.Font();
    std::string whole = WideToAnsi(form->NG->Cells(2, row));
    DrawText(c, whole, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    int differing = 0;
    for (int y = 0; y < expected.Height(); ++y) {
      for (int x = 0; x < expected.Width(); ++x) {
        TPoint at = form->NG->ClientToScreen({cell.Left + x, cell.Top + y});
        TColor shown = screen.ColorAt(at.X, at.Y);
        differing += shown != expected.ColorAt(x, y) ? 1 : 0;
      }
    }
    EXPECT_EQ(differing, 0) << whole;
  }
}

}  // namespace
}  // namespace kx
