#include "platform/forms/menus.h"

#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

TEST(ShortCutText, NamesModifiersAndKeys) {
  EXPECT_EQ(ShortCutToText(ShortCut('C', ssCtrl)), "Ctrl+C");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F4, ssAlt)), "Alt+F4");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, ssShift | ssCtrl)), "Shift+Ctrl+Del");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F12, 0)), "F12");
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(TextToShortCut("Ctrl+C"), ShortCut('C', ssCtrl));
  EXPECT_EQ(TextToShortCut("Alt+F4"), ShortCut(VK_F4, ssAlt));
  EXPECT_EQ(TextToShortCut("Hyper+Q"), scNone);
}

TEST(Accelerators, TheCharacterAfterASingleAmpersand) {
  EXPECT_EQ(GetHotkey("&Copy"), 'C');
  EXPECT_EQ(GetHotkey("Select &All"), 'A');
  EXPECT_EQ(GetHotkey("Fish && Chips"), 0);
  EXPECT_EQ(GetHotkey("A && &B"), 'B');
  EXPECT_EQ(GetHotkey("trailing&"), 0);
  EXPECT_TRUE(IsAccel('a', "Select &All"));
  EXPECT_FALSE(IsAccel('S', "Select &All"));
  EXPECT_EQ(StripHotkey("Fish && &Chips"), "Fish & Chips");
}

class MenuTest : public ::testing::Test {
 protected:
  TForm* form = new TForm(nullptr);
  TPopupMenu* menu = new TPopupMenu(form);
  ~MenuTest() override { delete form; }

  TMenuItem* Add(const std::string& caption, TMenuItem* parent = nullptr) {
    auto* item = new TMenuItem(form);
    item->Caption = caption;
    (parent ? *parent : menu->Items()).Add(item);
    return item;
  }
  std::vector<std::string> Shown(const TMenuItem& parent) {
    std::vector<std::string> out;
    for (TMenuItem* i : parent.ShownItems()) out.push_back(i->Caption);
    return out;
  }
};

TEST_F(MenuTest, AutomaticLineReductionDropsRedundantSeparators) {
  Add("-");
  Add("Undo");
  Add("-");
  TMenuItem* hidden = Add("Hidden");
  hidden->Visible = false;
  Add("-");
  Add("Cut");
  Add("-");
  EXPECT_EQ(Shown(menu->Items()), (std::vector<std::string>{"Undo", "-", "Cut"}));
  menu->AutoLineReduction = TMenuAutoFlag::maManual;
  EXPECT_EQ(Shown(menu->Items()), (std::vector<std::string>{"-", "Undo", "-", "-", "Cut", "-"}));
}

TEST_F(MenuTest, CommandsDispatchTheirItemsAndTheTreeCleansUp) {
  int clicks = 0;
  TMenuItem* file = Add("&File");
  TMenuItem* open = Add("&Open", file);
  open->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, open);
    ++clicks;
  };
  open->ShortCut = ShortCut('O', ssCtrl);
  EXPECT_NE(open->Command(), 0u);
  EXPECT_NE(open->Command(), file->Command());
  EXPECT_EQ(open->GetParentMenu(), menu);
  EXPECT_TRUE(menu->DispatchCommand(open->Command()));
  EXPECT_FALSE(menu->DispatchCommand(9999));
  EXPECT_TRUE(menu->IsShortCut(ShortCut('O', ssCtrl)));
  open->Enabled = false;
  EXPECT_FALSE(menu->IsShortCut(ShortCut('O', ssCtrl)));
  EXPECT_EQ(clicks, 2);

  delete file;  // takes its child along and leaves the root
  EXPECT_EQ(menu->Items().Count(), 0);
  EXPECT_EQ(form->ComponentCount(), 1);
}

// Menus pop up from a focused form, which keeps the focus while the popup tracks the keys.
class PopupTest : public MenuTest {
 protected:
  HeadlessSession session;
  void SetUp() override {
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->SetBounds(0, 0, 400, 300);
    form->Show();
    form->SetFocus();
    session.driver.RunUntilIdle();
  }
  HWND PopupWindow() {
    for (const auto& w : session.driver.TopLevelWindows()) {
      if (w.ClassName == "TPopupMenuWindow" && w.Visible) return w.hwnd;
    }
    return nullptr;
  }
};

TEST_F(PopupTest, KeysSkipSeparatorsAndDisabledItemsAndEnterChooses) {
  std::string chosen;
  for (const char* c : {"One", "-", "Two", "Three"}) {
    Add(c)->OnClick = [&chosen](TObject* s) { chosen = static_cast<TMenuItem*>(s)->Caption; };
  }
  menu->Items().Items(2)->Enabled = false;
  bool popped = false;
  menu->OnPopup = [&](TObject*) { popped = true; };
  session.driver.WhenModal([&](TestDriver& d) {
    d.PressKey(VK_DOWN);  // from One, past the line and the disabled Two
    d.PressKey(VK_RETURN);
  });
  menu->Popup(300, 200);
  EXPECT_TRUE(popped);
  EXPECT_EQ(chosen, "Three");
  EXPECT_EQ(PopupWindow(), nullptr);
}

TEST_F(PopupTest, ClickingAnItemRunsItAfterTheMenuClosedAndAPressElsewhereDismisses) {
  bool popupGoneWhenRun = false;
  TMenuItem* item = Add("Run");
  item->OnClick = [&](TObject*) { popupGoneWhenRun = PopupWindow() == nullptr; };
  TRect popupRect;
  session.driver.WhenModal([&](TestDriver& d) {
    HWND popup = PopupWindow();
    ASSERT_NE(popup, nullptr);
    popupRect = session.system.GetWindowRect(popup);
    d.Click(popupRect.TopLeft() + TPoint{10, 8});
  });
  menu->Popup(300, 200);
  EXPECT_EQ(popupRect.TopLeft(), (TPoint{300, 200}));
  EXPECT_TRUE(popupGoneWhenRun);

  popupGoneWhenRun = false;
  session.driver.WhenModal([](TestDriver& d) { d.Click({10, 10}); });
  menu->Popup(300, 200);
  EXPECT_FALSE(popupGoneWhenRun);
  EXPECT_EQ(PopupWindow(), nullptr);
}

TEST_F(PopupTest, APopupNearTheScreenEdgeOpensInsideIt) {
  Add("Entry");
  TRect popupRect;
  session.driver.WhenModal([&](TestDriver& d) {
    popupRect = session.system.GetWindowRect(PopupWindow());
    d.PressKey(VK_ESCAPE);
  });
  menu->Popup(1915, 1075);
  EXPECT_LE(popupRect.Right, 1920);
  EXPECT_LE(popupRect.Bottom, session.backend.WorkArea({0, 0}).Bottom);
}

TEST_F(PopupTest, ASubmenuOpensWithRightAndEscClosesOnlyIt) {
  std::string chosen;
  TMenuItem* more = Add("More");
  Add("Inner", more)->OnClick = [&](TObject*) { chosen = "Inner"; };
  Add("Outer")->OnClick = [&](TObject*) { chosen = "Outer"; };
  auto countPopups = [this] {
    int n = 0;
    for (const auto& w : session.driver.TopLevelWindows())
      n += w.ClassName == "TPopupMenuWindow" && w.Visible;
    return n;
  };
  int duringSubmenu = 0;
  int afterEsc = 0;
  session.driver.WhenModal([](TestDriver& d) { d.PressKey(VK_RIGHT); });
  session.driver.WhenModal([&](TestDriver& d) {  // the submenu's loop
    duringSubmenu = countPopups();
    d.PressKey(VK_ESCAPE);
  });
  session.driver.WhenModal([&](TestDriver& d) {  // back in the root popup
    afterEsc = countPopups();
    d.PressKey(VK_DOWN);
    d.PressKey(VK_RETURN);
  });
  menu->Popup(100, 100);
  EXPECT_EQ(duringSubmenu, 2);
  EXPECT_EQ(afterEsc, 1);
  EXPECT_EQ(chosen, "Outer");
}

}  // namespace
}  // namespace kx
