#include "platform/forms/page_control.h"

#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/forms/image_list.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

// Moves the page area as a skinned page control does: 2 pixels in from the sides.
class AdjustedPageControl : public TPageControl {
 public:
  using TPageControl::TPageControl;

 protected:
  void WndProc(TMessage& m) override {
    TPageControl::WndProc(m);
    if (m.Msg == TCM_ADJUSTRECT) {
      auto* r = reinterpret_cast<TRect*>(m.LParam);
      *r = {2, r->Top, Width() - 2, Height() - 2};
    }
  }
};

class PageControlTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  TForm* form = new TForm(nullptr);
  AdjustedPageControl* pages = new AdjustedPageControl(form);
  std::vector<TTabSheet*> sheets;
  ~PageControlTest() override { delete form; }

  void SetUp() override {
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->SetBounds(0, 0, 400, 300);
    pages->SetParent(form);
    pages->SetAlign(TAlign::alClient);
    for (const char* caption : {"About", "Football", "Extra"}) {
      auto* sheet = new TTabSheet(form);
      sheet->SetCaption(caption);
      sheet->SetPageControl(pages);
      sheets.push_back(sheet);
    }
  }
  std::vector<std::string> Tabs() const {
    std::vector<std::string> out;
    for (int i = 0; i < pages->TabCount(); ++i) out.push_back(pages->PageForTab(i)->Caption());
    return out;
  }
};

TEST_F(PageControlTest, TabsFollowPageOrderAndCountOnlyVisibleOnes) {
  EXPECT_EQ(Tabs(), (std::vector<std::string>{"About", "Football", "Extra"}));
  EXPECT_EQ(pages->TabIndex(), 0);  // the first tab of the empty row was selected
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  sheets[1]->SetTabVisible(false);
  EXPECT_EQ(Tabs(), (std::vector<std::string>{"About", "Extra"}));
  EXPECT_EQ(sheets[2]->TabIndex(), 1);
  EXPECT_EQ(sheets[1]->TabIndex(), -1);
  sheets[1]->SetTabVisible(true);
  EXPECT_EQ(Tabs(), (std::vector<std::string>{"About", "Football", "Extra"}));
}

TEST_F(PageControlTest, MakingAPageActiveShowsItAndHidesThePreviousOne) {
  pages->SetActivePageIndex(2);
  EXPECT_TRUE(sheets[2]->Visible());
  EXPECT_FALSE(sheets[0]->Visible());
  EXPECT_EQ(pages->TabIndex(), 2);
  sheets[1]->SetTabVisible(false);
  EXPECT_EQ(pages->TabIndex(), 1);  // the same tab, one place further left
  pages->SetActivePage(sheets[1]);  // a page whose tab is hidden
  EXPECT_EQ(pages->TabIndex(), -1);
  EXPECT_TRUE(sheets[1]->Visible());
  pages->SetActivePageIndex(7);
  EXPECT_EQ(pages->ActivePage(), nullptr);
  EXPECT_FALSE(sheets[1]->Visible());
}

TEST_F(PageControlTest, HidingTheActiveTabSelectsTheTabAtItsPlaceOrTheNewLastOne) {
  pages->SetActivePageIndex(1);
  sheets[1]->SetTabVisible(false);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_EQ(pages->TabIndex(), 1);
  sheets[2]->SetTabVisible(false);
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  sheets[0]->SetTabVisible(false);
  EXPECT_EQ(pages->TabIndex(), -1);
  EXPECT_EQ(pages->ActivePage(), nullptr);
}

TEST_F(PageControlTest, TheLoginSwapLeavesOnlyTheFootballTabSelectedAndShown) {
  delete sheets[2];
  sheets.pop_back();
  EXPECT_EQ(pages->PageCount(), 2);
  pages->SetActivePageIndex(0);
  sheets[1]->SetTabVisible(false);
  EXPECT_EQ(Tabs(), (std::vector<std::string>{"About"}));

  pages->SetActivePageIndex(1);
  sheets[0]->SetTabVisible(false);
  sheets[1]->SetTabVisible(true);
  EXPECT_EQ(Tabs(), (std::vector<std::string>{"Football"}));
  EXPECT_EQ(pages->TabIndex(), 0);
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  EXPECT_TRUE(sheets[1]->Visible());
  EXPECT_FALSE(sheets[0]->Visible());
}

TEST_F(PageControlTest, TabRectanglesAndThePageAreaAnswerThroughTheControlsMessages) {
  form->Show();
  session.driver.RunUntilIdle();
  pages->SetItemSize(0, 20);
  TRect first = pages->ItemRect(0);
  TRect second = pages->ItemRect(1);
  EXPECT_EQ(first.Top, 2);
  EXPECT_EQ(first.Height(), 20);
  EXPECT_EQ(second.Left, first.Right);
  EXPECT_TRUE(pages->ItemRect(3).IsEmpty());
  TRect area = pages->DisplayRect();
  EXPECT_EQ(area, (TRect{2, 26, 398, 298}));
  EXPECT_EQ(sheets[0]->BoundsRect(), area);  // the sheet fills the adjusted page area
  pages->SetTabWidth(50);
  EXPECT_EQ(pages->ItemRect(1).Width(), 50);
  EXPECT_EQ(pages->IndexOfTabAt(75, 10), 1);
}

TEST_F(PageControlTest, ClickingATabChangesThePageAndRaisesOnChange) {
  int changes = 0;
  pages->OnChange = [&](TObject*) { ++changes; };
  sheets[0]->SetColor(clRed);
  sheets[1]->SetColor(clLime);
  form->Show();
  session.driver.RunUntilIdle();
  TPoint inPage = pages->DisplayRect().TopLeft() + TPoint{20, 20};
  EXPECT_EQ(session.driver.ClientPixel(form->Handle(), inPage), clRed);

  TRect tab = pages->ItemRect(1);
  session.driver.ClickAt(pages->Handle(), tab.TopLeft() + TPoint{5, 5});
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(session.driver.ClientPixel(form->Handle(), inPage), clLime);

  sheets[2]->SetEnabled(false);
  session.driver.ClickAt(pages->Handle(), pages->ItemRect(2).TopLeft() + TPoint{5, 5});
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  EXPECT_EQ(changes, 1);
}

TEST_F(PageControlTest, TabImagesComeFromTheImageListUntilItIsDestroyed) {
  auto* icons = new TImageList(form);
  TBitmap blue(16, 16);
  blue.Canvas().Brush().Color = clBlue;
  blue.Canvas().FillRect({0, 0, 16, 16});
  EXPECT_EQ(icons->Add(blue, nullptr), 0);
  pages->SetImages(icons);
  sheets[1]->SetImageIndex(0);
  form->Show();
  session.driver.RunUntilIdle();
  TRect tab = pages->ItemRect(1);
  TBitmap image = session.driver.WindowImage(form->Handle());
  int blueInTab = 0;
  for (int y = tab.Top; y < tab.Bottom; ++y) {
    for (int x = tab.Left; x < tab.Right; ++x) blueInTab += image.ColorAt(x, y) == clBlue;
  }
  EXPECT_EQ(blueInTab, 256);
  delete icons;
  EXPECT_EQ(pages->Images(), nullptr);
  session.driver.RunUntilIdle();  // paints without the list
}

}  // namespace
}  // namespace kx
