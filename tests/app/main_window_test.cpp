#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/unit1.h"
#include "platform/base/color.h"
#include "platform/forms/application.h"
#include "platform/forms/dialogs.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_label.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_page_control.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/frame/skin_frame.h"
#include "skin/menu/skin_menu.h"

namespace kx {
namespace {

// The main window's controls as the window definition places them, in a
// directory without a credentials file.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    session.driver.SetMessageHandler([this](TMsg& m) { app.DispatchOne(m); });
    app.CreateForm(form);
    form->Show();
    Settle();
  }
  void Settle() { session.driver.RunUntilIdle(); }
  // A point of a control of the About page, in screen coordinates.
  TPoint On(TControl& control, TPoint p) {
    return form->ksSkinTabSheet1->ClientToScreen(control.BoundsRect().TopLeft() + p);
  }
  TColor SheetPixel(TPoint p) {
    return session.driver.ClientPixel(form->ksSkinTabSheet1->Handle(), p);
  }

  ~MainWindowTest() override {
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
  }

  std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kx-window-" + std::to_string(::getpid()));
  HeadlessSession session{{1200, 800}};
  TApplication app{session.system, "/usr/bin/kestrix"};
  TForm1* form = nullptr;
};

TEST_F(MainWindowTest, TheLoginButtonKeepsItsSizeAndCentresItsCaption) {
  EXPECT_EQ(form->logb->BoundsRect(), (TRect{496, 416, 609, 441}));
  EXPECT_EQ(form->logb->StretchedClient(), (TRect{4, 5, 108, 20}));
  EXPECT_FALSE(form->logb->TabStop);
}

TEST_F(MainWindowTest, CheckingRememberFiresOneClickAndDrawsTheMark) {
  int clicks = 0;
  form->zap->OnClick = [&](TObject*) { ++clicks; };
  auto mark = [this] {
    std::vector<TColor> pixels;
    for (int y = 384 + 5; y < 384 + 20; ++y)
      for (int x = 424 + 3; x < 424 + 18; ++x) pixels.push_back(SheetPixel({x, y}));
    return pixels;
  };
  std::vector<TColor> before = mark();
  form->zap->SetChecked(true);
  Settle();
  EXPECT_EQ(clicks, 1);
  EXPECT_NE(mark(), before);
  form->zap->SetChecked(false);
  EXPECT_EQ(clicks, 2);
  // The box toggles only on a release over it.
  session.driver.MoveTo(On(*form->zap, {8, 12}));
  session.driver.Press();
  session.driver.MoveTo(On(*form->zap, {8, 80}));
  session.driver.Release();
  Settle();
  EXPECT_FALSE(form->zap->Checked());
  session.driver.Advance(1000);
  session.driver.Click(On(*form->zap, {8, 12}));
  Settle();
  EXPECT_TRUE(form->zap->Checked());
  EXPECT_FALSE(form->zap->Focused());  // it never takes the focus
}

TEST_F(MainWindowTest, AtStartOnlyTheAboutTabShowsAboveItsPage) {
  EXPECT_EQ(form->Page->TabCount(), 1);
  EXPECT_EQ(form->Page->PageForTab(0), form->ksSkinTabSheet1);
  EXPECT_EQ(form->Page->ActivePage(), form->ksSkinTabSheet1);
  EXPECT_EQ(form->Page->DisplayRect().TopLeft(), (TPoint{2, 20}));
}

TEST_F(MainWindowTest, TheSelectedTabOverlapsTheFrameWithItsTallerImage) {
  TRect tab = form->Page->ItemRect(0);
  EXPECT_EQ(tab.Top, 0);
  EXPECT_EQ(tab.Height(), 18);
  // The frame starts at 18; the selected tab's 19-pixel image covers its first row.
  TColor frameBeside = session.driver.ClientPixel(form->Page->Handle(), {tab.Right + 20, 18});
  TColor underTab = session.driver.ClientPixel(form->Page->Handle(), {tab.Left + 20, 18});
  EXPECT_NE(underTab, frameBeside);
}

TEST_F(MainWindowTest, TabbingOntoThePageControlShowsItsFocusedTabAndTabbingAwayTheActiveOne) {
  const TRect tab = form->Page->ItemRect(0);
  auto band = [&] {
    return ColorToRGB(session.driver.ClientPixel(form->Page->Handle(), {tab.Left + 30, 1}));
  };
  form->passedit->SetFocus();
  Settle();
  EXPECT_EQ(band(), TColor{0x3A1EC4});  // "activetabrect"
  session.driver.PressKey(VK_TAB);      // the password field, then the page control
  Settle();
  ASSERT_TRUE(form->Page->Focused());
  EXPECT_EQ(band(), TColor{0x4830E0});  // "focustabrect"
  session.driver.PressKey(VK_TAB);      // round to the login field
  Settle();
  ASSERT_TRUE(form->loginedit->Focused());
  EXPECT_EQ(band(), TColor{0x3A1EC4});
}

TEST_F(MainWindowTest, TheShadowLabelSizesItselfToItsText) {
  // The text's size + 3 each way: 19 high for Arial 16 bold; the width follows
  // this platform's glyph advances (83 on the original platform's hinted ones).
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = form->ksSkinShadowLabel1->Font();
  EXPECT_EQ(form->ksSkinShadowLabel1->Width(), scratch.Canvas().TextWidth("Version 3.6.1") + 3);
  EXPECT_EQ(form->ksSkinShadowLabel1->Height(), 19);
}

TEST_F(MainWindowTest, TheCountLabelKeepsTheSkinsHeightAndItsWidth) {
  EXPECT_EQ(form->fcount->Height(), 15);
  EXPECT_EQ(form->fcount->Width(), 104);
  form->fcount->SetCaption("Count: 123456789 and more than fits");
  EXPECT_EQ(form->fcount->Width(), 104);
  EXPECT_EQ(form->fcount->Height(), 15);
}

TEST_F(MainWindowTest, TheLinkLabelOpensItsAddressAndNothingWithoutOne) {
  std::vector<std::string> opened;
  form->ksSkinLinkLabel2->OpenUrl = [&](const std::string& url) {
    opened.push_back(url);
    return true;
  };
  session.driver.Click(On(*form->ksSkinLinkLabel2, {10, 6}));
  Settle();
  EXPECT_EQ(opened, std::vector<std::string>{"http://www.kestrix.example/"});
  form->ksSkinLinkLabel2->URL.clear();
  session.driver.Advance(1000);
  session.driver.Click(On(*form->ksSkinLinkLabel2, {10, 6}));
  Settle();
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(MainWindowTest, ThePasswordFieldHolds26MarksAndScrollsForMore) {
  TksSkinPasswordEdit& field = *form->passedit;
  EXPECT_EQ(field.Height(), 19);
  EXPECT_EQ(field.TextArea(), (TRect{2, 2, 271, 17}));
  EXPECT_EQ(field.CellWidth(), 10);
  session.driver.Click(On(field, {30, 8}));
  Settle();
  session.driver.TypeText(std::string(26, 'a'));
  EXPECT_EQ(field.Text(), std::string(26, 'a'));
  EXPECT_EQ(field.FirstVisible(), 1);
  session.driver.TypeText("bb");
  EXPECT_EQ(field.Text().size(), 28u);
  EXPECT_GT(field.FirstVisible(), 1);
}

TEST_F(MainWindowTest, EnterInTheLoginFieldReachesOnKeyPress) {
  std::vector<int> keys;
  form->loginedit->OnKeyPress = [&](TObject*, char32_t& key) { keys.push_back(key); };
  std::vector<WPARAM> dialogKeys;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_DIALOGKEY) dialogKeys.push_back(m.WParam);
    previous(m);
  };
  session.driver.Click(On(*form->loginedit, {30, 8}));
  Settle();
  session.driver.TypeText("demo");
  session.driver.PressKey(VK_RETURN);
  EXPECT_EQ(form->loginedit->Caption(), "demo");
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys.back(), 13);
  EXPECT_EQ(dialogKeys, std::vector<WPARAM>{VK_RETURN});  // then the form hears of it
  EXPECT_EQ(form->loginedit->Height(), 19);
  form->WindowProc = previous;
}

TEST_F(MainWindowTest, ARightClickInTheLoginFieldOpensTheSkinnedMenu) {
  session.driver.Click(On(*form->loginedit, {30, 8}), 1);
  Settle();
  TksSkinMenu& menu = form->ksSkinFrame1->SkinMenu();
  ASSERT_TRUE(menu.Visible());
  EXPECT_EQ(menu.Popups().front()->Size().cy, 141);
  EXPECT_EQ(menu.Popups().front()->Items().size(), 8u);
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  EXPECT_FALSE(menu.Visible());
}

TEST_F(MainWindowTest, AnotherProgramTakingTheKeyboardAndGivingItBackKeepsTheLoginFieldFocused) {
  session.driver.Click(On(*form->loginedit, {30, 8}));
  session.driver.TypeText("de");
  session.driver.Click(On(*form->loginedit, {30, 8}), 1);  // the field's menu is open
  Settle();
  ASSERT_TRUE(form->ksSkinFrame1->SkinMenu().Visible());
  ASSERT_EQ(GetFocus(), form->loginedit->Handle());
  session.driver.OtherProgramTakesFocus();
  EXPECT_FALSE(form->ksSkinFrame1->WindowActive());
  EXPECT_FALSE(form->ksSkinFrame1->SkinMenu().Visible());
  EXPECT_EQ(GetFocus(), nullptr);
  session.driver.DesktopFocuses(form->Handle());
  EXPECT_TRUE(form->ksSkinFrame1->WindowActive());
  EXPECT_EQ(GetFocus(), form->loginedit->Handle());
  session.driver.TypeText("mo");
  // The text is as it was left: coming back selects nothing.
  EXPECT_EQ(form->loginedit->Caption(), "demo");
}

TEST_F(MainWindowTest, AfterAMessageTheFieldsGoOnWhereTheyWereLeft) {
  session.driver.Click(On(*form->loginedit, {30, 8}));
  session.driver.TypeText("de");
  session.driver.PressKey(VK_TAB);
  ASSERT_EQ(GetFocus(), form->passedit->Handle());
  session.driver.TypeText("pw");
  session.driver.WhenModal([](TestDriver& d) { d.PressKey(VK_RETURN); });
  ShowMessage("Wrong login or password");
  Settle();
  ASSERT_EQ(GetFocus(), form->passedit->Handle());
  EXPECT_EQ(form->passedit->SelLength(), 0);
  session.driver.TypeText("x");
  EXPECT_EQ(form->passedit->Text(), "pwx");
  // Moving within the window still enters afresh: Shift+Tab selects the login.
  session.driver.PressKey(VK_TAB, TestDriver::Shift);
  session.driver.TypeText("mo");
  EXPECT_EQ(form->loginedit->Caption(), "mo");
}

}  // namespace
}  // namespace kx
