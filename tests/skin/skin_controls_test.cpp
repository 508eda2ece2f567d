#include <gtest/gtest.h>

#include "skin/controls/skin_page_control.h"
#include "tests/skin/skinned_form.h"

namespace kx {
namespace {

class SkinControlsTest : public SkinnedFormTest {
 protected:
  TksSkinPageControl* Pages(int width, int tabs, TksSkinData* skin) {
    auto* pages = new TksSkinPageControl(form);
    pages->SetParent(form);
    pages->SetBounds(10, 10, width, 120);
    for (int i = 0; i < tabs; ++i) {
      auto* sheet = new TksSkinTabSheet(form);
      sheet->SetPageControl(pages);
      sheet->SetCaption("Sheet number " + std::to_string(i + 1));
    }
    pages->SetSkinData(skin);
    pages->SetActivePageIndex(0);
    Settle();
    return pages;
  }
};

TEST_F(SkinControlsTest, UnskinnedTabsAreTwentyPixelsHigh) {
  TksSkinPageControl* pages = Pages(400, 2, nullptr);
  EXPECT_EQ(pages->ItemRect(0).Height(), 20);
  EXPECT_EQ(pages->SkinIndex(), -1);
}

TEST_F(SkinControlsTest, OneVisibleTabNeedsNoScroller) {
  TksSkinPageControl* pages = Pages(200, 1, data);
  EXPECT_EQ(pages->TabCount(), 1);
  EXPECT_EQ(pages->Scroller(), nullptr);
}

TEST_F(SkinControlsTest, OverflowingTabsGetAScrollerThatScrollsTheRow) {
  TksSkinPageControl* pages = Pages(200, 5, data);
  ASSERT_NE(pages->Scroller(), nullptr);
  TksSkinUpDown& scroller = *pages->Scroller();
  EXPECT_EQ(scroller.BoundsRect(), (TRect{200 - 40, 0, 200, 20}));
  EXPECT_GT(scroller.Max, 0);
  int before = pages->ItemRect(1).Left;
  session.driver.ClickAt(scroller.Handle(), {30, 10});  // the right arrow
  Settle();
  EXPECT_EQ(scroller.Position(), 1);
  EXPECT_LT(pages->ItemRect(1).Left, before);
  // Scrolled back, and wide enough for every tab: the scroller goes.
  session.driver.Advance(1000);
  session.driver.ClickAt(scroller.Handle(), {10, 10});
  Settle();
  EXPECT_EQ(pages->ItemRect(1).Left, before);
  pages->SetBounds(10, 10, 800, 120);
  Settle();
  EXPECT_EQ(pages->Scroller(), nullptr);
}

}  // namespace
}  // namespace kx
