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
    frame->OnActivate = [this](TObject*) { events += 'A'; };
    frame->OnDeActivate = [this](TObject*) { events += 'D'; };
    frame->OnMouseEnterEvent = [this](TObject*, const std::string& name) {
      objectEvents.push_back("enter " + name);
    };
    frame->OnMouseLeaveEvent = [this](TObject*, const std::string& name) {
      objectEvents.push_back("leave " + name);
    };
  }
  // A point of the caption bar left of its text.
  TPoint BarPoint() {
    const TRect& r = Object("caption").ObjectRect;
    return {r.Left + 30, r.Top + 4};
  }
  TColor Bar() { return Pixel(BarPoint()); }
  TForm* OtherForm() {
    TForm* other = nullptr;
    app.CreateForm(other);
    other->SetCaption("Other");
    other->SetBounds(1000, 700, 200, 100);
    return other;
  }

  std::string events;
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
  // Both activation messages report the change; the deactivation comes first.
  EXPECT_EQ(eventsBehind, "DD");
  EXPECT_EQ(events, "DDAA");
  EXPECT_TRUE(frame->WindowActive());
  EXPECT_EQ(Bar(), kActiveBar);
}

TEST_F(FrameActivationTest, AnotherFormTakesTheActivationAndAClickBringsItBack) {
  TForm* other = OtherForm();
  events.clear();
  other->Show();
  Settle();
  EXPECT_EQ(events, "DD");
  EXPECT_FALSE(frame->WindowActive());
  EXPECT_FALSE(Object("caption").Active);
  EXPECT_EQ(Bar(), kInactiveBar);
  session.driver.Click(At({400, 300}));
  Settle();
  EXPECT_EQ(events, "DDAA");
  EXPECT_TRUE(frame->WindowActive());
  EXPECT_EQ(Bar(), kActiveBar);
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
