#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/skin_object_records.h"
#include "skin/draw/skin_graphics.h"
#include "skin/menu/skin_menu_item.h"
#include "skin/menu/skin_popup_menu.h"
#include "tests/skin/skinned_form.h"

namespace kx {
namespace {

// A control that records the skinned menu's messages.
class Listener : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<UINT> heard;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == SkinMsgMenuClosed || m.Msg == SkinMsgMenuCommand) heard.push_back(m.Msg);
    TCustomControl::WndProc(m);
  }
};

// The edit's eight entries: six items and two separators; "Undo" is disabled.
class SkinMenuTest : public SkinnedFormTest {
 protected:
  SkinMenuTest() {
    menu = new TksSkinPopupMenu(form);
    for (const char* caption :
         {"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All"}) {
      auto* item = new TMenuItem(menu);
      item->Caption = caption;
      item->OnClick = [this, caption](TObject*) { ran.push_back(caption); };
      menu->Items().Add(item);
    }
    menu->Items().Items(0)->Enabled = false;
    listener->SetParent(form);
    listener->SetBounds(10, 10, 100, 20);
    Settle();
  }
  TksSkinPopupWindow& Root() { return *frame->SkinMenu().Popups().front(); }
  TRect RootRect() { return GetWindowRect(Root().Handle()); }
  std::string ActiveCaption() {
    int active = Root().ActiveItem();
    return active < 0 ? "" : Root().Items()[static_cast<std::size_t>(active)]->Item().Caption;
  }
  TPoint ItemMiddle(int index) {
    const TRect& r = Root().Items()[static_cast<std::size_t>(index)]->Rect;
    return RootRect().TopLeft() + TPoint{r.Left + r.Width() / 2, r.Top + r.Height() / 2};
  }

  TksSkinPopupMenu* menu = nullptr;
  Listener* listener = new Listener(form);
  std::vector<std::string> ran;
};

TEST_F(SkinMenuTest, TheEightEntryMenuIs141PixelsHighAndOpensBelowRightOfThePoint) {
  menu->PopupAsContext(*listener, 400, 300);
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  EXPECT_TRUE(Root().Skinned());
  EXPECT_EQ(Root().Size().cy, 141);
  EXPECT_EQ(RootRect().TopLeft(), (TPoint{400, 300}));
  EXPECT_EQ(ActiveCaption(), "Cu&t");  // the first enabled entry
  EXPECT_TRUE(frame->InMenuMode());
}

TEST_F(SkinMenuTest, PlacementKeepsThePopupInTheWorkArea) {
  TRect wa = GetWorkArea(Window(), true);
  // Lower half, no room below: above the point.
  menu->Popup(400, wa.Bottom - 20);
  Settle();
  EXPECT_EQ(RootRect().Bottom, wa.Bottom - 20);
  EXPECT_EQ(RootRect().Left, 400);
  // Room below, but not to the right: pulled in from the right edge.
  menu->Popup(wa.Right - 10, 100);
  Settle();
  EXPECT_EQ(RootRect().Right, wa.Right);
  EXPECT_EQ(RootRect().Top, 100);
  // Left of the work area: pulled in.
  menu->Popup(wa.Left - 50, 100);
  Settle();
  EXPECT_EQ(RootRect().Left, wa.Left);
}

TEST_F(SkinMenuTest, InTheUpperHalfWithoutRoomBelowTheMenuEndsAtTheBottomBesideThePoint) {
  for (int i = 0; i < 32; ++i) {
    auto* item = new TMenuItem(menu);
    item->Caption = "Entry " + std::to_string(i);
    menu->Items().Add(item);
  }
  const TRect wa = GetWorkArea(Window(), true);
  const int height = 6 * 19 + 2 * 6 + 32 * 19 + 15;
  ASSERT_LT(height, wa.Height());
  const int y = wa.Top + wa.Height() / 2 - 50;  // upper half, and the menu does not fit below
  ASSERT_GT(y + height, wa.Bottom);
  menu->Popup(400, y);
  Settle();
  ASSERT_FALSE(Root().Scrolls());
  EXPECT_EQ(RootRect().Bottom, wa.Bottom);
  EXPECT_EQ(RootRect().Left, 401);  // shifted: beside the point, to its right
  // No room on the right: to the left of the point.
  menu->Popup(wa.Right - 20, y);
  Settle();
  EXPECT_EQ(RootRect().Bottom, wa.Bottom);
  EXPECT_EQ(RootRect().Right, wa.Right - 20 - 1);
}

TEST_F(SkinMenuTest, AMenuTallerThanTheWorkAreaScrollsFromItsTop) {
  for (int i = 0; i < 60; ++i) {
    auto* item = new TMenuItem(menu);
    item->Caption = "Entry " + std::to_string(i);
    menu->Items().Add(item);
  }
  const TRect wa = GetWorkArea(Window(), true);
  menu->Popup(400, 300);
  Settle();
  EXPECT_TRUE(Root().Scrolls());
  EXPECT_EQ(RootRect().Top, wa.Top);
  EXPECT_EQ(RootRect().Height(), wa.Height());
  EXPECT_EQ(RootRect().Left, 401);
}

TEST_F(SkinMenuTest, EscapeClosesTheMenuAndTheOpenerHearsIt) {
  menu->PopupAsContext(*listener, 400, 300);
  Settle();
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_EQ(listener->heard, std::vector<UINT>{SkinMsgMenuClosed});
  EXPECT_TRUE(ran.empty());
  EXPECT_FALSE(frame->InMenuMode());
}

TEST_F(SkinMenuTest, DownSkipsSeparatorsAndDisabledEntriesAndWraps) {
  menu->PopupAsContext(*listener, 400, 300);
  Settle();
  std::vector<std::string> seen{ActiveCaption()};
  for (int i = 0; i < 5; ++i) {
    session.driver.PressKey(VK_DOWN);
    seen.push_back(ActiveCaption());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"Cu&t", "&Copy", "&Paste", "&Delete", "Select &All",
                                            "Cu&t"}));
  // Up from the first enabled entry finds nothing before it (Undo is disabled): it stays.
  session.driver.PressKey(VK_UP);
  EXPECT_EQ(ActiveCaption(), "Cu&t");
  session.driver.PressKey(VK_UP);
  session.driver.PressKey(VK_DOWN);
  EXPECT_EQ(ActiveCaption(), "&Copy");
  for (int i = 0; i < 3; ++i) session.driver.PressKey(VK_DOWN);
  EXPECT_EQ(ActiveCaption(), "Select &All");
  session.driver.PressKey(VK_RETURN);
  Settle();
  EXPECT_EQ(ran, std::vector<std::string>{"Select &All"});
  EXPECT_EQ(listener->heard, (std::vector<UINT>{SkinMsgMenuClosed, SkinMsgMenuCommand}));
}

TEST_F(SkinMenuTest, ReleasingOnADisabledEntryOrASeparatorDoesNothing) {
  menu->PopupAsContext(*listener, 400, 300);
  Settle();
  session.driver.Click(ItemMiddle(0));  // "&Undo", disabled
  session.driver.Click(ItemMiddle(1));  // a separator
  Settle();
  EXPECT_TRUE(frame->SkinMenu().Visible());
  EXPECT_TRUE(ran.empty());
  session.driver.Click(ItemMiddle(3));  // "&Copy"
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_EQ(ran, std::vector<std::string>{"&Copy"});
}

TEST_F(SkinMenuTest, AClickInTheWindowClosesTheMenuWithoutRunningAnEntry) {
  menu->PopupAsContext(*listener, 400, 300);
  Settle();
  session.driver.Click(At({700, 500}));
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_TRUE(ran.empty());
  EXPECT_FALSE(frame->InMenuMode());
}

TEST_F(SkinMenuTest, AnEntryIsHighlightedWhileActiveOrOpenDisabledOtherwiseAndASeparatorNever) {
  TksSkinMenuItem undo(*menu->Items().Items(0));
  TksSkinMenuItem separator(*menu->Items().Items(1));
  TksSkinMenuItem cut(*menu->Items().Items(2));
  EXPECT_EQ(undo.State(), TksMenuItemState::Disabled);
  EXPECT_EQ(separator.State(), TksMenuItemState::Normal);
  EXPECT_EQ(cut.State(), TksMenuItemState::Normal);
  undo.ActiveFlag = separator.ActiveFlag = true;
  cut.DownFlag = true;
  EXPECT_EQ(undo.State(), TksMenuItemState::Highlighted);
  EXPECT_EQ(separator.State(), TksMenuItemState::Normal);
  EXPECT_EQ(cut.State(), TksMenuItemState::Highlighted);
}

TEST_F(SkinMenuTest, APlainEntrysCheckMarkStandsOnePixelRightOfItsGlyphPlace) {
  TMenuItem* cut = menu->Items().Items(2);
  cut->Checked = true;
  TksSkinMenuItem entry(*cut);
  entry.Rect = {0, 0, 120, 20};
  // Inner box (2, 2)-(118, 18): the mark's first stroke starts at (2 + 2 + 1, 6 + 5).
  TksDataSkinMenuItem record("menuitem");
  for (const TksDataSkinMenuItem* itemRecord :
       {static_cast<TksDataSkinMenuItem*>(nullptr), &record}) {
    TksMenuLook look;
    look.itemRecord = itemRecord;  // a record without its picture draws plain all the same
    TBitmap image = entry.Render(look);
    EXPECT_EQ(image.ColorAt(5, 11), ColorToRGB(clWindowText));
    EXPECT_EQ(image.ColorAt(4, 11), ColorToRGB(clBtnFace));
    EXPECT_EQ(image.ColorAt(11, 9), ColorToRGB(clWindowText));
  }
}

TEST_F(SkinMenuTest, WithoutASkinTheMenuIsDrawnPlain) {
  frame->SetSkinData(nullptr);
  menu->SetSkinData(nullptr);
  menu->Popup(400, 300);
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  EXPECT_FALSE(Root().Skinned());
  EXPECT_EQ(Root().Size().cy, 6 * 20 + 2 * 4 + 6);
}

}  // namespace
}  // namespace kx

namespace kx {
namespace {

TEST_F(SkinMenuTest, HoveringAnEntryWithChildrenOpensItsSubmenuAfterTheWait) {
  TMenuItem* more = menu->Items().Items(7);
  for (const char* caption : {"&First", "&Second"}) {
    auto* child = new TMenuItem(menu);
    child->Caption = caption;
    child->OnClick = [this, caption](TObject*) { ran.push_back(caption); };
    more->Add(child);
  }
  menu->PopupAsContext(*listener, 400, 300);
  Settle();
  session.driver.MoveTo(ItemMiddle(7));
  session.driver.Advance(100);
  EXPECT_EQ(frame->SkinMenu().Popups().size(), 1u);
  session.driver.Advance(600);
  ASSERT_EQ(frame->SkinMenu().Popups().size(), 2u);
  TksSkinPopupWindow& sub = *frame->SkinMenu().Popups().back();
  // It stands right of the parent entry, its first entry on the parent entry's line.
  const TRect& parent = Root().Items()[7]->Rect;
  EXPECT_EQ(GetWindowRect(sub.Handle()).Left, RootRect().Left + parent.Right + 1);
  EXPECT_EQ(GetWindowRect(sub.Handle()).Top + sub.ItemsRect().Top, RootRect().Top + parent.Top);
  session.driver.PressKey(VK_DOWN);
  session.driver.PressKey(VK_RETURN);
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  // Opening a submenu runs its entry's own command first.
  EXPECT_EQ(ran, (std::vector<std::string>{"Select &All", "&Second"}));
}

TEST_F(SkinMenuTest, EscapeOnASubmenuClosesItAndItsEntryComesUp) {
  TMenuItem* more = menu->Items().Items(7);
  auto* child = new TMenuItem(menu);
  child->Caption = "&Inner";
  more->Add(child);
  menu->PopupAsContext(*listener, 400, 300);
  Settle();
  session.driver.MoveTo(ItemMiddle(7));
  session.driver.Advance(700);
  ASSERT_EQ(frame->SkinMenu().Popups().size(), 2u);
  EXPECT_TRUE(Root().Items()[7]->DownFlag);
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  ASSERT_EQ(frame->SkinMenu().Popups().size(), 1u);
  EXPECT_FALSE(Root().Items()[7]->DownFlag);
  EXPECT_TRUE(frame->SkinMenu().Visible());
  // Left on the root popup alone does nothing; Right opens the submenu again, Left closes it.
  session.driver.PressKey(VK_LEFT);
  EXPECT_EQ(frame->SkinMenu().Popups().size(), 1u);
  session.driver.PressKey(VK_RIGHT);
  Settle();
  ASSERT_EQ(frame->SkinMenu().Popups().size(), 2u);
  session.driver.PressKey(VK_LEFT);
  Settle();
  EXPECT_EQ(frame->SkinMenu().Popups().size(), 1u);
  EXPECT_FALSE(Root().Items()[7]->DownFlag);
}

TEST_F(SkinMenuTest, ALimitedPopupScrollsWithTheKeysAndTheArrowZones) {
  frame->SkinMenu().MaxMenuItemsInWindow = 3;
  menu->PopupAsContext(*listener, 400, 300);
  Settle();
  ASSERT_TRUE(Root().Scrolls());
  EXPECT_EQ(Root().Size().cy, 3 * 19 + 15 + 20);
  EXPECT_EQ(Root().FirstShown(), 0);
  for (int i = 0; i < 3; ++i) session.driver.PressKey(VK_DOWN);
  EXPECT_EQ(ActiveCaption(), "&Delete");
  EXPECT_GT(Root().FirstShown(), 0);
  EXPECT_TRUE(Root().Items()[5]->Shown);
  session.driver.PressKey(VK_DOWN);
  session.driver.PressKey(VK_DOWN);  // past the end: back to the top
  EXPECT_EQ(ActiveCaption(), "Cu&t");
  EXPECT_TRUE(Root().Items()[2]->Shown);
  // The bottom arrow zone scrolls while the mouse rests on it.
  TRect items = Root().ItemsRect();
  int first = Root().FirstShown();
  session.driver.MoveTo(RootRect().TopLeft() + TPoint{items.Left + 10, items.Bottom - 4});
  session.driver.Advance(350);
  EXPECT_GT(Root().FirstShown(), first);
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
}

}  // namespace
}  // namespace kx
