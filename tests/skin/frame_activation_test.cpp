#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/dialogs.h"
#include "tests/skin/skinned_form.h"

namespace kx {
namespace {

// The caption bar's colours at a point of the bar without text: the red bar of the
// active picture and the dark bar of the frame picture.
constexpr TColor kActiveBar = 0x3B26CD;
constexpr TColor kInactiveBar = 0x2F2929;

class FrameActivationTest : public SkinnedFormTest {
 protected:
  FrameActivationTest() {
    frame->OnActivate = [this](TObject*) { Record('A'); };
    frame->OnDeActivate = [this](TObject*) { Record('D'); };
    frame->OnMouseEnterEvent = [this](TObject*, const std::string& name) {
      objectEvents.push_back("enter " + name);
    };
    frame->OnMouseLeaveEvent = [this](TObject*, const std::string& name) {
      objectEvents.push_back("leave " + name);
    };
  }
  // The window goes with the fixture's base, after this part of it.
  ~FrameActivationTest() override {
    frame->OnActivate = nullptr;
    frame->OnDeActivate = nullptr;
    frame->OnMouseEnterEvent = nullptr;
    frame->OnMouseLeaveEvent = nullptr;
  }
  // A point of the caption bar left of its text.
  TPoint BarPoint() {
    const TRect& r = Object("caption").ObjectRect;
    return {r.Left + 30, r.Top + 4};
  }
  TColor Bar() { return Pixel(BarPoint()); }
  // Each event with the bar the window shows when it fires.
  void Record(char event) {
    events += event;
    barsAtEvents.push_back(Bar());
  }
  TForm* OtherForm() {
    TForm* other = nullptr;
    app.CreateForm(other);
    other->SetCaption("Other");
    other->SetBounds(1000, 700, 200, 100);
    return other;
  }

  std::string events;
  std::vector<TColor> barsAtEvents;
  std::vector<std::string> objectEvents;
};

TEST_F(FrameActivationTest, TheShownWindowIsActiveWithTheRedCaption) {
  EXPECT_TRUE(frame->WindowActive());
  EXPECT_TRUE(Object("caption").Active);
  EXPECT_EQ(Bar(), kActiveBar);
}

TEST_F(FrameActivationTest, BehindAMessageDialogTheCaptionIsInactiveAndComesBackAfterwards) {
  events.clear();
  TColor behind = 0;
  bool activeBehind = true;
  bool captionActiveBehind = true;
  std::string eventsBehind;
  session.driver.WhenModal([&](TestDriver& d) {
    behind = Bar();
    activeBehind = frame->WindowActive();
    captionActiveBehind = Object("caption").Active;
    eventsBehind = events;
    d.PressKey(VK_RETURN);
  });
  ShowMessage("Please update the program");
  Settle();
  EXPECT_EQ(behind, kInactiveBar);
  EXPECT_FALSE(activeBehind);
  EXPECT_FALSE(captionActiveBehind);
  // The non-client message comes while the window is still the active one; the
  // activate message lets it go. Back in front, both find it active.
  EXPECT_EQ(eventsBehind, "AD");
  EXPECT_EQ(events, "ADAA");
  // The bar already shows what the non-client message reported.
  EXPECT_EQ(barsAtEvents,
            (std::vector<TColor>{kInactiveBar, kInactiveBar, kActiveBar, kActiveBar}));
  EXPECT_TRUE(frame->WindowActive());
  EXPECT_EQ(Bar(), kActiveBar);
}

TEST_F(FrameActivationTest, AnotherFormTakesTheActivationAndAClickBringsItBack) {
  TForm* other = OtherForm();
  events.clear();
  other->Show();
  Settle();
  EXPECT_EQ(events, "AD");
  EXPECT_FALSE(frame->WindowActive());
  EXPECT_FALSE(Object("caption").Active);
  EXPECT_EQ(Bar(), kInactiveBar);
  session.driver.Click(At({400, 300}));
  Settle();
  EXPECT_EQ(events, "ADAA");
  EXPECT_EQ(barsAtEvents,
            (std::vector<TColor>{kInactiveBar, kInactiveBar, kActiveBar, kActiveBar}));
  EXPECT_TRUE(frame->WindowActive());
  EXPECT_EQ(Bar(), kActiveBar);
}

TEST_F(FrameActivationTest,
       AnotherProgramTakingTheKeyboardShowsTheInactiveCaptionUntilItComesBack) {
  events.clear();
  session.driver.OtherProgramTakesFocus();
  EXPECT_EQ(events, "AD");
  EXPECT_FALSE(frame->WindowActive());
  EXPECT_FALSE(Object("caption").Active);
  EXPECT_EQ(Bar(), kInactiveBar);
  // No hover while another program has the keyboard.
  session.driver.MoveTo(Middle(Object("minanimate")));
  session.driver.Advance(300);
  EXPECT_EQ(frame->HoverIndex(), -1);
  session.driver.MoveTo(At({400, 300}));
  session.driver.DesktopFocuses(Window());
  EXPECT_EQ(events, "ADAA");
  EXPECT_EQ(barsAtEvents,
            (std::vector<TColor>{kInactiveBar, kInactiveBar, kActiveBar, kActiveBar}));
  EXPECT_TRUE(frame->WindowActive());
  EXPECT_EQ(Bar(), kActiveBar);
}

TEST_F(FrameActivationTest, AnotherProgramTakingTheKeyboardClosesTheSystemMenu) {
  session.driver.PressKey(VK_SPACE, TestDriver::Alt);
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  session.driver.OtherProgramTakesFocus();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_EQ(Bar(), kInactiveBar);
}

TEST_F(FrameActivationTest, HoveringTheCaptionKeepsItActive) {
  session.driver.MoveTo(At(BarPoint()));
  session.driver.Advance(200);
  EXPECT_EQ(frame->HoverIndex(), 0);
  session.driver.MoveTo(At({400, 300}));
  session.driver.Advance(200);
  Settle();
  EXPECT_EQ(frame->HoverIndex(), -1);
  EXPECT_TRUE(Object("caption").Active);
  EXPECT_EQ(Bar(), kActiveBar);
  EXPECT_EQ(objectEvents, (std::vector<std::string>{"enter caption", "leave caption"}));
}

TEST_F(FrameActivationTest, HoverEntersAndLeavesEachWorkingObjectAndSkipsTheDisabledOnes) {
  for (const char* name :
       {"caption", "closeanimate", "maxanimate", "minanimate", "rollupanimate", "sysmenuanimate"}) {
    objectEvents.clear();
    session.driver.MoveTo(Middle(Object(name)));
    session.driver.Advance(100);
    session.driver.MoveTo(At({400, 300}));
    session.driver.Advance(400);
    Settle();
    const bool works = Object(name).Enabled;
    std::vector<std::string> expected;
    if (works) expected = {std::string("enter ") + name, std::string("leave ") + name};
    EXPECT_EQ(objectEvents, expected) << name;
    EXPECT_EQ(frame->HoverIndex(), -1) << name;
  }
}

TEST_F(FrameActivationTest, AnInactiveWindowHasNoHover) {
  TForm* other = OtherForm();
  other->Show();
  Settle();
  session.driver.MoveTo(Middle(Object("minanimate")));
  session.driver.Advance(300);
  EXPECT_EQ(frame->HoverIndex(), -1);
  EXPECT_TRUE(objectEvents.empty());
}

}  // namespace
}  // namespace kx
