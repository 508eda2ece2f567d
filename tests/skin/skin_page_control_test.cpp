#include "skin/controls/skin_page_control.h"

#include <gtest/gtest.h>

#include "platform/base/color.h"
#include "platform/window/api.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_panel.h"
#include "skin/data/skin_data.h"
#include "tests/skin/skin_controls_fixture.h"

namespace kx {
namespace {

class PageControlTest : public SkinControlsTest {
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
  TksDataSkinTabControl& TabRecord() {
    auto index = static_cast<std::size_t>(data->GetControlIndex("tab"));
    return dynamic_cast<TksDataSkinTabControl&>(*data->SkinControls[index]);
  }
  TColor TabPixel(TksSkinPageControl& pages, TPoint p) {
    return session.driver.ClientPixel(pages.Handle(), p);
  }
  // The topmost row of near-black caption ink in a rectangle of the control, -1 for none.
  int TopInkRow(TksSkinPageControl& pages, const TRect& r) {
    const TBitmap shown = ImageOf(pages);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (Near(shown.ColorAt(x, y), clBlack)) return y;
    return -1;
  }
  // What a point shows once the whole control has been painted afresh.
  TColor RepaintedPixel(TksSkinPageControl& pages, TPoint p) {
    pages.Invalidate();
    Settle();
    return TabPixel(pages, p);
  }
};

TEST_F(PageControlTest, UnskinnedTabsAreTwentyPixelsHigh) {
  TksSkinPageControl* pages = Pages(400, 2, nullptr);
  EXPECT_EQ(pages->ItemRect(0).Height(), 20);
  EXPECT_EQ(pages->SkinIndex(), -1);
}

TEST_F(PageControlTest, OneVisibleTabNeedsNoScroller) {
  TksSkinPageControl* pages = Pages(200, 1, data);
  EXPECT_EQ(pages->TabCount(), 1);
  EXPECT_EQ(pages->Scroller(), nullptr);
}

TEST_F(PageControlTest, OverflowingTabsGetAScrollerThatScrollsTheRow) {
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

TEST_F(PageControlTest, ShowingOnlyTheSecondTabSelectsItAndShowsItsPage) {
  TksSkinPageControl* pages = Pages(400, 2, data);
  pages->SetActivePageIndex(1);
  pages->Pages(0)->SetTabVisible(false);
  pages->Pages(1)->SetTabVisible(true);
  Settle();
  EXPECT_EQ(pages->TabCount(), 1);
  EXPECT_EQ(pages->PageForTab(0), pages->Pages(1));
  EXPECT_EQ(pages->TabIndex(), 0);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
  EXPECT_TRUE(pages->Pages(1)->Visible());
  EXPECT_FALSE(pages->Pages(0)->Visible());
}

TEST_F(PageControlTest, APlainTabLightsUpUnderTheMouseAndGoesBackWhenItLeaves) {
  TksSkinPageControl* pages = Pages(400, 3, nullptr);
  const TRect second = pages->ItemRect(1);
  const TPoint inside{second.Left + 3, second.Top + 3};
  EXPECT_EQ(TabPixel(*pages, inside), ColorToRGB(clBtnFace));
  session.driver.MoveTo(pages->ClientToScreen({second.Left + 10, second.Top + 8}));
  Settle();
  EXPECT_EQ(pages->HoveredTab(), 1);
  EXPECT_EQ(TabPixel(*pages, inside), TColor{0xD2BDB6});
  // The selected tab keeps its own look under the mouse.
  const TRect first = pages->ItemRect(0);
  session.driver.MoveTo(pages->ClientToScreen({first.Left + 10, first.Top + 8}));
  Settle();
  EXPECT_EQ(pages->HoveredTab(), 0);
  EXPECT_EQ(TabPixel(*pages, inside), ColorToRGB(clBtnFace));
  EXPECT_EQ(TabPixel(*pages, {first.Left, first.Top}), TColor{0x800000});
  session.driver.MoveTo(pages->ClientToScreen({200, 100}));
  session.driver.MoveTo({5, 5});
  Settle();
  EXPECT_EQ(pages->HoveredTab(), -1);
}

TEST_F(PageControlTest, ThePlainSelectedTabDarkensWhileTheControlHasTheFocus) {
  TksSkinPageControl* pages = Pages(400, 3, nullptr);
  auto* edit = Place<TksSkinEdit>({10, 300, 200, 320}, nullptr);
  const TPoint inside{pages->ItemRect(0).Left + 5, 5};
  EXPECT_EQ(TabPixel(*pages, inside), TColor{0xD2BDB6});
  pages->SetFocus();
  Settle();
  ASSERT_TRUE(pages->Focused());
  EXPECT_EQ(TabPixel(*pages, inside), TColor{0xB59385});
  edit->SetFocus();
  Settle();
  EXPECT_EQ(TabPixel(*pages, inside), TColor{0xD2BDB6});
}

TEST_F(PageControlTest, TabbingOntoAndOffTheControlSwapsTheSelectedTabsImage) {
  TksSkinPageControl* pages = Pages(400, 2, data);
  auto* edit = Place<TksSkinEdit>({10, 300, 200, 320}, data);
  edit->SetFocus();
  Settle();
  const TRect tab = pages->ItemRect(0);
  // A row of the image's tiled middle, and the row below the tab rectangle that
  // only the selected tab's taller image covers.
  const TPoint band{tab.Left + tab.Width() / 2, 1}, below{tab.Left + tab.Width() / 2, tab.Bottom};
  const TColor unfocused = TabPixel(*pages, band), unfocusedBelow = TabPixel(*pages, below);
  session.driver.PressKey(VK_TAB);
  Settle();
  ASSERT_TRUE(pages->Focused());
  const TColor focused = TabPixel(*pages, band);
  EXPECT_NE(focused, unfocused);
  const int x = tab.Width() / 2;
  EXPECT_EQ(focused, SkinPixel({4 + 3 + (x - 3) % 53, 168 + 1}));  // "focustabrect"
  EXPECT_EQ(TabPixel(*pages, below), RepaintedPixel(*pages, below));
  EXPECT_EQ(RepaintedPixel(*pages, band), focused);
  session.driver.PressKey(VK_TAB);
  Settle();
  ASSERT_TRUE(edit->Focused());
  EXPECT_EQ(TabPixel(*pages, band), unfocused);
  EXPECT_EQ(TabPixel(*pages, below), unfocusedBelow);
}

TEST_F(PageControlTest, TheSelectedCaptionSitsOnTheLineOfItsNeighbours) {
  // The selected tab's image is a pixel taller than the tab; its caption is
  // still centred in the tab, which an odd text height shows.
  TksSkinPageControl* pages = Pages(400, 2, data);
  pages->SetUseSkinFont(false);
  for (int height : {11, 12, 13, 15, 16, 17}) {
    pages->SetDefaultFont(TFont("Arial", height, {}, clBlack));
    Settle();
    const TRect selected = pages->ItemRect(0), other = pages->ItemRect(1);
    const int top = TopInkRow(*pages, {selected.Left + 4, 0, selected.Right - 4, selected.Bottom});
    ASSERT_GE(top, 0) << height;
    EXPECT_EQ(top, TopInkRow(*pages, {other.Left + 4, 0, other.Right - 4, other.Bottom})) << height;
  }
}

TEST_F(PageControlTest, AHoveredTabTakesTheSkinsHoverImageWhenItHasOne) {
  TabRecord().MouseInTabRect = TabRecord().FocusTabRect;  // the stored skin leaves it empty
  TksSkinPageControl* pages = Pages(400, 3, data);
  const TRect second = pages->ItemRect(1);
  const TPoint middleRow{second.Left + second.Width() / 2, 1};
  const TColor before = TabPixel(*pages, middleRow);
  session.driver.MoveTo(pages->ClientToScreen({second.Left + 10, second.Top + 8}));
  Settle();
  EXPECT_EQ(pages->HoveredTab(), 1);
  const TColor hovered = TabPixel(*pages, middleRow);
  EXPECT_NE(hovered, before);
  // The middle of the 59-pixel hover image, between its 3-pixel ends, is tiled.
  const int x = second.Width() / 2;
  EXPECT_EQ(hovered, SkinPixel({4 + 3 + (x - 3) % 53, 168 + 1}));
  session.driver.MoveTo({5, 5});
  Settle();
  EXPECT_EQ(TabPixel(*pages, middleRow), before);
}

TEST_F(PageControlTest, ASheetWithAWallPaperShowsItTiled) {
  TksSkinPageControl* pages = Pages(300, 2, data);
  auto* sheet = dynamic_cast<TksSkinTabSheet*>(pages->ActivePage());
  ASSERT_NE(sheet, nullptr);
  const TColor skinTile = session.driver.ClientPixel(sheet->Handle(), {3, 3});
  EXPECT_EQ(skinTile, SkinPixel({67 + 2 + 3, 130 + 2 + 3}));  // the frame's client area
  TBitmap paper(8, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x)
      paper.Canvas().SetPixel(
          x, y, RGB(static_cast<std::uint8_t>(x * 30), static_cast<std::uint8_t>(y * 40), 7));
  sheet->WallPaper = paper;
  sheet->Invalidate();
  Settle();
  for (TPoint p : {TPoint{0, 0}, TPoint{3, 5}, TPoint{8 + 3, 5}, TPoint{16 + 7, 12 + 2}})
    EXPECT_EQ(session.driver.ClientPixel(sheet->Handle(), p), paper.ColorAt(p.X % 8, p.Y % 6))
        << p.X << "," << p.Y;
}

TEST_F(PageControlTest, TabCaptionsKeepClearOfTheTabEdges) {
  TksSkinPageControl* pages = Pages(400, 2, data);
  const TBitmap shown = ImageOf(*pages);
  for (int t = 0; t < 2; ++t) {
    const TRect tab = pages->ItemRect(t);
    int firstInk = -1, lastInk = -1;
    for (int x = tab.Left; x < tab.Right; ++x) {
      for (int y = tab.Top + 3; y < tab.Bottom - 2; ++y) {
        if (!Near(shown.ColorAt(x, y), clBlack)) continue;
        if (firstInk < 0) firstInk = x;
        lastInk = x;
      }
    }
    ASSERT_GE(firstInk, 0) << t;
    EXPECT_GE(firstInk - tab.Left, 8) << t;
    EXPECT_GE(tab.Right - 1 - lastInk, 8) << t;
  }
}

TEST_F(PageControlTest, AChangeOfTheSelectionUpdatesTheScroller) {
  TksSkinPageControl* pages = Pages(200, 5, data);
  ASSERT_NE(pages->Scroller(), nullptr);
  EXPECT_EQ(pages->Scroller()->Position(), 0);
  // The row scrolled by two tabs without the scroller's arrows, then a new selection.
  pages->Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2), 0);
  const TRect third = pages->ItemRect(2);
  ASSERT_GE(third.Left, 0);
  session.driver.ClickAt(pages->Handle(), {third.Left + 10, 8});
  Settle();
  EXPECT_EQ(pages->TabIndex(), 2);
  EXPECT_EQ(pages->Scroller()->Position(), 2);
}

TEST_F(PageControlTest, ApplyingTheSkinMakesTheScrollerAnewWithTheSkinsSection) {
  TksSkinPageControl* pages = Pages(200, 5, data);
  ASSERT_NE(pages->Scroller(), nullptr);
  EXPECT_EQ(pages->Scroller()->SkinDataName(), "hupdown");
  TabRecord().UpDown = "vupdown";
  pages->ApplySkin();
  ASSERT_NE(pages->Scroller(), nullptr);
  EXPECT_EQ(pages->Scroller()->SkinDataName(), "vupdown");
}

TEST_F(PageControlTest, TheScrollerCountsItsMaximumAgainWhenItIsUsed) {
  TksSkinPageControl* pages = Pages(200, 5, data);
  ASSERT_NE(pages->Scroller(), nullptr);
  TksSkinUpDown& scroller = *pages->Scroller();
  const int before = scroller.Max;
  // Shorter captions, no resize: fewer tabs are hidden than the scroller was told.
  for (int i = 0; i < pages->PageCount(); ++i) pages->Pages(i)->SetCaption(std::to_string(i));
  for (int i = 0; i < 4; ++i) {
    session.driver.Advance(1000);
    session.driver.ClickAt(scroller.Handle(), {30, 10});
    Settle();
  }
  EXPECT_LT(scroller.Max, before);
  EXPECT_EQ(scroller.Position(), scroller.Max);
  // The row does not scroll further than its hidden tabs.
  EXPECT_GT(pages->ItemRect(pages->TabCount() - 1).Left, 0);
}

TEST_F(PageControlTest, TheTabFontFollowsDefaultFontAndUseSkinFont) {
  TksSkinPageControl* plain = Pages(600, 2, nullptr);
  const int narrow = plain->ItemRect(0).Width();
  const TFont big("Arial", 22, {}, clBtnText);
  plain->SetDefaultFont(big);
  EXPECT_TRUE(plain->Font().SameLook(big));
  EXPECT_GT(plain->ItemRect(0).Width(), narrow + 20);
  TksSkinPageControl* skinned = Pages(600, 2, data);
  TabRecord().Font.Color = 0x102030;
  skinned->SetDefaultFont(big);  // the skin's font stays
  EXPECT_EQ(skinned->Font().Height(), 14);
  skinned->SetUseSkinFont(false);
  EXPECT_TRUE(skinned->Font().SameLook(big));
  EXPECT_EQ(skinned->Font().Color(), TColor{0x102030});  // the section's "fontcolor"
  skinned->SetUseSkinFont(true);
  EXPECT_EQ(skinned->Font().Height(), 14);
}

TEST_F(PageControlTest, ATransparentTabStripShowsWhatLiesBehindIt) {
  // On a plain panel, whose face differs from the skin's tab-strip tile.
  auto* panel = Place<TksSkinPanel>({10, 10, 430, 150}, nullptr);
  TksSkinPageControl* pages = Pages(400, 1, data);
  pages->SetParent(panel);
  pages->SetBounds(10, 10, 400, 120);
  Settle();
  const TPoint strip{390, 4};  // right of the only tab
  const TColor face = ColorToRGB(clBtnFace);
  ASSERT_NE(TabPixel(*pages, strip), face);
  pages->SetTabsBGTransparent(true);
  Settle();
  EXPECT_EQ(TabPixel(*pages, strip), face);
}

}  // namespace
}  // namespace kx
