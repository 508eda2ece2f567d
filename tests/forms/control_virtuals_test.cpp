#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/window/api.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

// A control that records each virtual as it runs, after calling the base (so
// after the public event), as every control of the framework does.
class Recorder : public TCustomControl {
 public:
  Recorder(TComponent* owner, std::vector<std::string>& log) : TCustomControl(owner), m_log(log) {
    TabStop = true;
  }
  bool useWheel = false;
  bool handleContextMenu = false;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    TCustomControl::MouseDown(button, shift, x, y);
    SetCapture(Handle());  // as the button and the edit do, to see the release
    m_log.push_back(Describe("MouseDown", shift, x, y) + ButtonName(button));
  }
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
    TCustomControl::MouseUp(button, shift, x, y);
    m_log.push_back(Describe("MouseUp", shift, x, y) + ButtonName(button));
  }
  void MouseMove(TShiftState shift, int x, int y) override {
    TCustomControl::MouseMove(shift, x, y);
    m_log.push_back(Describe("MouseMove", shift, x, y));
  }
  void Click() override {
    TCustomControl::Click();
    m_log.push_back("Click");
  }
  void DblClick() override {
    TCustomControl::DblClick();
    m_log.push_back("DblClick");
  }
  void MouseEnter() override {
    TCustomControl::MouseEnter();
    m_log.push_back(MouseInControl() ? "MouseEnter in" : "MouseEnter out");
  }
  void MouseLeave() override {
    TCustomControl::MouseLeave();
    m_log.push_back(MouseInControl() ? "MouseLeave in" : "MouseLeave out");
  }
  bool MouseWheel(TShiftState shift, int delta, int x, int y) override {
    bool handled = TCustomControl::MouseWheel(shift, delta, x, y);
    m_log.push_back("MouseWheel " + std::to_string(delta) + " at " + std::to_string(x) + "," +
                    std::to_string(y));
    return handled || useWheel;
  }
  void KeyDown(std::uint16_t& key, TShiftState shift) override {
    TCustomControl::KeyDown(key, shift);
    m_log.push_back("KeyDown " + std::to_string(key) + ((shift & ssShift) ? " shift" : ""));
  }
  void KeyUp(std::uint16_t& key, TShiftState shift) override {
    TCustomControl::KeyUp(key, shift);
    m_log.push_back("KeyUp " + std::to_string(key));
  }
  void KeyPress(char32_t& key) override {
    TCustomControl::KeyPress(key);
    m_log.push_back(std::string("KeyPress ") + (key ? std::string(1, key) : std::string("0")));
  }
  void DoEnter() override {
    TCustomControl::DoEnter();
    m_log.push_back("DoEnter");
  }
  void DoExit() override {
    TCustomControl::DoExit();
    m_log.push_back("DoExit");
  }
  void Resize() override {
    TCustomControl::Resize();
    m_log.push_back("Resize " + std::to_string(Width()) + "x" + std::to_string(Height()));
  }
  void ContextPopup(int x, int y, bool& handled) override {
    TCustomControl::ContextPopup(x, y, handled);
    m_log.push_back("ContextPopup " + std::to_string(x) + "," + std::to_string(y) +
                    (handled ? " handled" : ""));
    if (handleContextMenu) handled = true;
  }

 private:
  static std::string Describe(const char* what, TShiftState shift, int x, int y) {
    return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y) +
           ((shift & ssDouble) ? " double" : "");
  }
  static std::string ButtonName(TMouseButton b) {
    return b == TMouseButton::mbLeft ? " left" : b == TMouseButton::mbRight ? " right" : " middle";
  }
  std::vector<std::string>& m_log;
};

class ControlVirtualsTest : public ::testing::Test {
 protected:
  ControlVirtualsTest() {
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->SetBounds(0, 0, 300, 200);
    control->SetBounds(100, 50, 80, 40);
    control->SetParent(form);
    form->Show();
    session.driver.RunUntilIdle();
    log.clear();
  }
  ~ControlVirtualsTest() override { delete form; }

  HeadlessSession session;
  std::vector<std::string> log;
  TForm* form = new TForm(nullptr);
  Recorder* control = new Recorder(form, log);
};

TEST_F(ControlVirtualsTest, MouseInputReachesTheVirtualsAfterTheirPublicEvents) {
  control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    log.push_back("OnMouseDown " + std::to_string(x) + "," + std::to_string(y));
  };
  control->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
    log.push_back("OnMouseUp");
  };
  control->OnClick = [&](TObject*) { log.push_back("OnClick"); };
  control->OnMouseEnter = [&](TObject*) { log.push_back("OnMouseEnter"); };
  session.driver.Click({110, 60});
  EXPECT_EQ(log, (std::vector<std::string>{"OnMouseEnter", "MouseEnter in", "MouseMove 10,10",
                                           "OnMouseDown 10,10", "MouseDown 10,10 left", "OnClick",
                                           "Click", "OnMouseUp", "MouseUp 10,10 left"}));
}

TEST_F(ControlVirtualsTest, ADoubleClickIsASecondDownWithDoubleThenDblClick) {
  control->OnDblClick = [&](TObject*) { log.push_back("OnDblClick"); };
  session.driver.DoubleClick({120, 70});
  std::erase(log, "MouseMove 20,20");
  EXPECT_EQ(log, (std::vector<std::string>{"MouseEnter in", "MouseDown 20,20 left", "Click",
                                           "MouseUp 20,20 left", "MouseDown 20,20 double left",
                                           "OnDblClick", "DblClick", "MouseUp 20,20 left"}));
}

TEST_F(ControlVirtualsTest, AReleaseOutsideTheControlIsNoClick) {
  session.driver.MoveTo({110, 60});
  session.driver.Press();
  session.driver.MoveTo({250, 150});
  session.driver.Release();
  // The release reaches the control that was pressed, in its coordinates.
  EXPECT_NE(std::find(log.begin(), log.end(), "MouseUp 150,100 left"), log.end());
  EXPECT_EQ(std::count(log.begin(), log.end(), "Click"), 0);
  session.driver.Click({110, 60}, 1);  // the right button never clicks
  EXPECT_EQ(std::count(log.begin(), log.end(), "Click"), 0);
  EXPECT_NE(std::find(log.begin(), log.end(), "MouseDown 10,10 right"), log.end());
}

TEST_F(ControlVirtualsTest, KeysAndFocusReachTheVirtualsAndAConsumedKeyStops) {
  control->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) {
    if (key == 'Q') key = 0;  // consumed before the control sees it
  };
  auto* other = new TWinControl(form);
  other->SetBounds(0, 0, 20, 20);
  other->TabStop = true;
  other->SetParent(form);
  control->SetFocus();
  session.driver.PressKey('A', TestDriver::Shift);
  session.driver.PressKey('Q');
  session.driver.TypeText("z");
  control->OnKeyPress = [&](TObject*, char32_t& key) { key = 0; };
  session.driver.TypeText("y");
  other->SetFocus();
  // A consumed key still types its character, as on the platform: the
  // character comes from the key's translation in the queue.
  const std::vector<std::string> expected{
      "DoEnter",    "KeyDown 16 shift", "KeyDown 65 shift", "KeyPress A", "KeyUp 65",   "KeyUp 16",
      "KeyDown 0",  "KeyPress q",       "KeyUp 81",         "KeyDown 90", "KeyPress z", "KeyUp 90",
      "KeyDown 89", "KeyPress 0",       "KeyUp 89",         "DoExit"};
  EXPECT_EQ(log, expected);
}

TEST_F(ControlVirtualsTest, TheWheelBubblesToTheParentUnlessUsed) {
  int formWheels = 0;
  form->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { ++formWheels; };
  control->SetFocus();
  log.clear();
  session.driver.Wheel(-120, {130, 80});
  EXPECT_EQ(log, (std::vector<std::string>{"MouseWheel -120 at 30,30"}));
  EXPECT_EQ(formWheels, 1);
  control->useWheel = true;
  session.driver.Wheel(120, {130, 80});
  EXPECT_EQ(formWheels, 1);
  control->useWheel = false;
  control->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& handled) {
    handled = true;
  };
  session.driver.Wheel(120, {130, 80});
  EXPECT_EQ(formWheels, 1);
}

TEST_F(ControlVirtualsTest, AContextMenuRequestBubblesUnlessHandled) {
  int formRequests = 0;
  form->OnContextPopup = [&](TObject*, TPoint at, bool&) {
    ++formRequests;
    EXPECT_EQ(at, (TPoint{115, 65}));  // in the form's own coordinates
  };
  session.driver.Click({115, 65}, 1);
  EXPECT_EQ(log.back(), "ContextPopup 15,15");
  EXPECT_EQ(formRequests, 1);
  control->handleContextMenu = true;
  session.driver.Click({115, 65}, 1);
  EXPECT_EQ(formRequests, 1);
  control->OnContextPopup = [&](TObject*, TPoint, bool& handled) { handled = true; };
  control->handleContextMenu = false;
  session.driver.Click({115, 65}, 1);
  EXPECT_EQ(log.back(), "ContextPopup 15,15 handled");
  EXPECT_EQ(formRequests, 1);
  control->SetFocus();
  SendMessage(control->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control->Handle()), -1);
  EXPECT_EQ(log.back(), "ContextPopup -1,-1 handled");  // from the keyboard: no position
}

TEST_F(ControlVirtualsTest, ResizeFollowsTheSizeNotTheMove) {
  control->SetBounds(10, 10, 80, 40);
  EXPECT_TRUE(log.empty());
  control->SetBounds(10, 10, 90, 45);
  EXPECT_EQ(log, (std::vector<std::string>{"Resize 90x45"}));
}

}  // namespace
}  // namespace kx
