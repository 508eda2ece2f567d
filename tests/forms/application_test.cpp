#include "platform/forms/application.h"

#include <gtest/gtest.h>

#include "platform/forms/dialogs.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

TEST(ApplicationTitle, FollowsTheExecutableName) {
  EXPECT_EQ(ApplicationTitleFromPath("/opt/x/KESTRIX.EXE"), "Kestrix");
  EXPECT_EQ(ApplicationTitleFromPath("my.app.bin"), "My");
  EXPECT_EQ(ApplicationTitleFromPath("C:\\Apps\\Tool"), "Tool");
  EXPECT_EQ(ApplicationTitleFromPath(""), "");
}

TEST(ErrorBox, AppendsAPeriodOnlyAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(ErrorBoxText("Cannot open file"), "Cannot open file.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("What!"), "What!");
  EXPECT_EQ(ErrorBoxText("Value 7"), "Value 7.");
  EXPECT_EQ(ErrorBoxText(""), "");
}

class ApplicationTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  TApplication app{session.system, "/opt/x/KESTRIX.EXE"};

  // The open message box: its caption and whether it has the stop icon's red.
  HWND MessageForm() {
    for (HWND w : session.system.TopLevelWindows()) {
      if (session.system.GetClassName(w) == kMessageFormClass &&
          session.system.IsWindowVisible(w)) {
        return w;
      }
    }
    return nullptr;
  }
};

TEST_F(ApplicationTest, ShowMessageIsAModalBoxAnsweredThroughTheDriver) {
  std::string caption;
  bool centred = false;
  session.driver.WhenModal([&](TestDriver& d) {
    HWND box = MessageForm();
    ASSERT_NE(box, nullptr);
    caption = box->Text;
    TRect r = session.system.GetWindowRect(box);
    centred =
        std::abs((r.Left + r.Right) / 2 - 960) <= 1 && std::abs((r.Top + r.Bottom) / 2 - 540) <= 1;
    d.PressKey(VK_RETURN);
  });
  ShowMessage("Please update the program");
  EXPECT_EQ(caption, "Kestrix");
  EXPECT_TRUE(centred);
  EXPECT_EQ(MessageForm(), nullptr);
}

TEST_F(ApplicationTest, AnExceptionFromAnEventHandlerShowsTheErrorBoxAndTheLoopGoesOn) {
  TForm* form = nullptr;
  app.CreateForm(form);
  form->BorderStyle = TFormBorderStyle::bsNone;
  form->SetBounds(0, 0, 200, 200);
  auto* button = new TWinControl(form);
  button->SetBounds(10, 10, 50, 20);
  button->SetParent(form);
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    ++clicks;
    throw EConvertError("'x' is not a valid integer value");
  };
  form->Show();
  session.driver.SetMessageHandler([&](TMsg& m) { app.DispatchOne(m); });
  bool stopIcon = false;
  std::string caption;
  session.driver.WhenModal([&](TestDriver& d) {
    HWND box = MessageForm();
    ASSERT_NE(box, nullptr);
    caption = box->Text;
    stopIcon = d.ClientPixel(box, {28, 16}) == clRed;
    HWND ok = box->Children.front();
    d.ClickAt(ok, {10, 10});
  });
  session.driver.Click({20, 20});
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(caption, "Kestrix");
  EXPECT_TRUE(stopIcon);
  EXPECT_EQ(MessageForm(), nullptr);
  EXPECT_TRUE(session.system.IsWindowEnabled(form->Handle()));
  session.driver.WhenModal([](TestDriver& d) { d.PressKey(VK_ESCAPE); });
  session.driver.Click({20, 20});  // the program goes on
  EXPECT_EQ(clicks, 2);
}

TEST_F(ApplicationTest, TabMovesTheFocusAmongTabStopsAndClosingTheMainFormEndsTheProgram) {
  TForm* form = nullptr;
  app.CreateForm(form);
  EXPECT_EQ(app.MainForm(), form);
  form->SetBounds(0, 0, 300, 200);
  auto* first = new TWinControl(form);
  first->TabStop = true;
  first->SetBounds(10, 10, 50, 20);
  first->SetParent(form);
  auto* second = new TWinControl(form);
  second->TabStop = true;
  second->SetBounds(10, 40, 50, 20);
  second->SetParent(form);
  form->Show();
  session.driver.SetMessageHandler([&](TMsg& m) { app.DispatchOne(m); });
  first->SetFocus();
  session.driver.PressKey(VK_TAB);
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(form->ActiveControl(), second);
  second->SetTabOrder(0);
  session.driver.PressKey(VK_TAB);
  EXPECT_TRUE(first->Focused());
  form->Close();
  EXPECT_TRUE(app.Terminated());
}

}  // namespace
}  // namespace kx

namespace kx {
namespace {

TEST_F(ApplicationTest, HintsShowAfterThePauseAndHideOnAClick) {
  TForm* form = nullptr;
  app.CreateForm(form);
  form->BorderStyle = TFormBorderStyle::bsNone;
  form->SetBounds(0, 0, 300, 300);
  auto* panel = new TWinControl(form);
  panel->SetBounds(10, 10, 100, 50);
  panel->Hint = "Log in to the service";
  panel->ShowHint = true;
  panel->SetParent(form);
  form->Show();
  session.driver.SetMessageHandler([&](TMsg& m) { app.DispatchOne(m); });
  session.driver.MoveTo({20, 20});
  session.driver.Advance(499);
  EXPECT_FALSE(app.HintWindow().Showing());
  session.driver.Advance(1);
  ASSERT_TRUE(app.HintWindow().Showing());
  EXPECT_EQ(app.HintWindow().Text(), "Log in to the service");
  TRect r = session.system.GetWindowRect(app.HintWindow().Handle());
  EXPECT_EQ(r.TopLeft(), (TPoint{20, 40}));
  EXPECT_EQ(session.driver.ScreenPixel({r.Left + 1, r.Bottom - 2}), ColorToRGB(clInfoBk));
  EXPECT_EQ(session.system.GetActiveWindow(), form->Handle());  // the hint takes no focus
  session.driver.Press();
  EXPECT_FALSE(app.HintWindow().Showing());
  session.driver.Release();
  session.driver.MoveTo({200, 200});
  session.driver.MoveTo({30, 30});
  session.driver.Advance(500);
  EXPECT_TRUE(app.HintWindow().Showing());
  session.driver.Advance(2500);
  EXPECT_FALSE(app.HintWindow().Showing());
}

}  // namespace
}  // namespace kx
