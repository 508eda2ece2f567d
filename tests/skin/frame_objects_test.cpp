#include "skin/frame/frame_objects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/window/test_driver.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_geometry.h"

namespace kx {
namespace {

constexpr TColor kNormal = 0x808080;   // the frame picture
constexpr TColor kFirst = 0x0000FF;    // active picture, columns 0-19
constexpr TColor kSecond = 0x00FF00;   // columns 20-39
constexpr TColor kThird = 0xFF0000;    // columns 40-59
constexpr TColor kFourth = 0x00FFFF;   // columns 60-79
constexpr TColor kFifth = 0xFF00FF;    // columns 80-99
constexpr TColor kRestore = 0xFFFF00;  // columns 100-119
constexpr TColor kIcon = 0x123456;

TBitmap Filled(int w, int h, TColor color) {
  TBitmap b(w, h);
  b.Canvas().Brush().Color = color;
  b.Canvas().FillRect({0, 0, w, h});
  return b;
}

// A frame for objects alone: it answers their questions from plain fields and
// writes down what they ask of it.
class FakeFrame : public TksFrameObjectHost {
 public:
  FakeFrame() {
    skin.Picture = Filled(120, 40, kNormal);
    auto strip = std::make_unique<TBitmap>(120, 20);
    const TColor colors[] = {kFirst, kSecond, kThird, kFourth, kFifth, kRestore};
    for (int i = 0; i < 6; ++i) {
      strip->Canvas().Brush().Color = colors[i];
      strip->Canvas().FillRect({i * 20, 0, i * 20 + 20, 20});
    }
    skin.ActivePictures.push_back(std::move(strip));
    icon = Filled(8, 8, kIcon);
  }
  const TksSkinData& Skin() const override { return skin; }
  const TksFrameGeometry& Geometry() const override { return geometry; }
  bool ShowsActive() const override { return active; }
  TksWindowState WindowState() const override { return state; }
  bool RolledUp() const override { return false; }
  std::string CaptionText() const override { return "Caption"; }
  bool ShowsWindowIcon() const override { return showIcon; }
  const TBitmap* WindowIcon() const override { return &icon; }
  const TFont& CaptionFont() const override { return font; }
  void RedrawObject(TksActiveSkinObject&) override { ++redraws; }
  void StartAnimation() override { animationStarted = true; }
  void RunCommand(TksStdCommand command) override { commands.push_back(command); }
  void OpenSystemMenu(const TRect&, TksActiveSkinObject*) override { ++menus; }
  bool MouseOver(const TksActiveSkinObject&) const override { return mouseOver; }
  void ObjectEvent(TksObjectEvent, const std::string&) override {}
  void ReleaseGroup(int groupIndex, const TksActiveSkinObject& except) override {
    for (TksActiveSkinObject* o : objects) {
      if (o != &except) o->ReleaseInGroup(groupIndex);
    }
  }

  TksSkinData skin{nullptr};
  TksFrameGeometry geometry;
  TFont font;
  TBitmap icon;
  bool active = true;
  bool showIcon = false;
  bool mouseOver = true;
  TksWindowState state = TksWindowState::wsNormal;
  int redraws = 0;
  int menus = 0;
  bool animationStarted = false;
  std::vector<TksStdCommand> commands;
  std::vector<TksActiveSkinObject*> objects;
};

// The colour the object draws at its middle (with the update flag on).
TColor Drawn(TksActiveSkinObject& o) {
  TBitmap target = Filled(120, 40, 0);
  o.Draw(target.Canvas(), true);
  return target.ColorAt(o.ObjectRect.Left + o.ObjectRect.Width() / 2,
                        o.ObjectRect.Top + o.ObjectRect.Height() / 2);
}

class FrameObjectsTest : public ::testing::Test {
 protected:
  std::unique_ptr<TksDataSkinStdButton> StdRecord(TksStdCommand command) {
    auto r = std::make_unique<TksDataSkinStdButton>("button");
    r->Command = command;
    r->ActivePictureIndex = 0;
    r->SkinRect = {0, 0, 20, 20};
    return r;
  }
  std::unique_ptr<TksDataSkinAnimate> AnimateRecord(TksStdCommand command) {
    auto r = std::make_unique<TksDataSkinAnimate>("animate");
    r->Command = command;
    r->ActivePictureIndex = 0;
    r->SkinRect = {0, 0, 20, 20};
    r->ActiveSkinRect = {0, 0, 100, 20};  // five frames of 20 pixels
    r->DownSkinRect = {80, 0, 100, 20};
    r->CountFrames = 5;
    r->ButtonStyle = true;
    r->TimerInterval = 50;
    return r;
  }
  // Ticks of 25 ms; the frames seen after each.
  std::vector<int> Ticks(TksSkinAnimateObject& o, int count) {
    std::vector<int> frames;
    for (int i = 0; i < count; ++i) {
      if (o.Animating()) o.AnimationTick();
      frames.push_back(o.CurrentFrame());
    }
    return frames;
  }

  HeadlessSession session{{400, 300}};
  FakeFrame host;
};

TEST_F(FrameObjectsTest, ASystemMenuButtonShowsTheWindowIconWhenItsImageIsInAPicture) {
  auto record = StdRecord(TksStdCommand::cmSysMenu);
  record->SkinRectInAPicture = true;
  TksSkinStdButtonObject button(host, *record);
  EXPECT_EQ(Drawn(button), kFirst);
  host.showIcon = true;
  EXPECT_EQ(Drawn(button), kIcon);
  // Only the system-menu button, and only when its image is in a picture.
  auto close = StdRecord(TksStdCommand::cmClose);
  close->SkinRectInAPicture = true;
  TksSkinStdButtonObject closeButton(host, *close);
  EXPECT_EQ(Drawn(closeButton), kFirst);
  record->SkinRectInAPicture = false;
  TksSkinStdButtonObject onFrame(host, *record);
  EXPECT_EQ(Drawn(onFrame), kNormal);
}

TEST_F(FrameObjectsTest, ButtonsSharingAGroupAreDownOneAtATime) {
  auto first = StdRecord(TksStdCommand::cmDefault);
  first->GroupIndex = 3;
  first->DownRect = {20, 0, 40, 20};
  auto second = StdRecord(TksStdCommand::cmDefault);
  second->GroupIndex = 3;
  second->DownRect = {20, 0, 40, 20};
  second->SkinRect = {40, 0, 60, 20};
  auto other = StdRecord(TksStdCommand::cmDefault);
  other->GroupIndex = 4;
  other->DownRect = {20, 0, 40, 20};
  TksSkinStdButtonObject a(host, *first), b(host, *second), c(host, *other);
  host.objects = {&a, &b, &c};
  a.MouseDown(1, 1, TMouseButton::mbLeft);
  a.MouseUp(1, 1, TMouseButton::mbLeft);
  c.MouseDown(1, 1, TMouseButton::mbLeft);
  EXPECT_TRUE(a.Down);  // a grouped button stays down after its release
  EXPECT_TRUE(c.Down);
  EXPECT_EQ(Drawn(a), kSecond);
  b.MouseDown(41, 1, TMouseButton::mbLeft);
  EXPECT_TRUE(b.Down);
  EXPECT_FALSE(a.Down);
  EXPECT_TRUE(c.Down);  // another group keeps its button
  EXPECT_EQ(Drawn(a), kNormal);
}

TEST_F(FrameObjectsTest, AnAnimatedButtonWithoutAStripShowsItsRestoreImageWhenRestoring) {
  auto record = AnimateRecord(TksStdCommand::cmMaximize);
  record->ActiveSkinRect = {};
  record->DownSkinRect = {};
  record->Restore.RestoreRect = {100, 0, 120, 20};
  TksSkinAnimateObject button(host, *record);
  EXPECT_EQ(Drawn(button), kNormal);
  host.state = TksWindowState::wsMaximized;
  EXPECT_EQ(Drawn(button), kRestore);
}

TEST_F(FrameObjectsTest, AnAnimatedButtonWithAStripPlaysItsRestoreStripWhenRestoring) {
  auto record = AnimateRecord(TksStdCommand::cmMaximize);
  record->Restore.RestoreRect = {100, 0, 120, 20};
  record->Restore.RestoreActiveRect = {20, 0, 120, 20};  // frames start one further on
  TksSkinAnimateObject button(host, *record);
  host.state = TksWindowState::wsMaximized;
  EXPECT_EQ(Drawn(button), kSecond);
}

TEST_F(FrameObjectsTest, TheSystemMenuButtonKeepsItsLastFrameAfterItsMenuCloses) {
  auto record = AnimateRecord(TksStdCommand::cmSysMenu);
  TksSkinAnimateObject button(host, *record);
  button.MouseEnter();
  EXPECT_EQ(Ticks(button, 16).back(), 5);
  button.MouseDown(5, 5, TMouseButton::mbLeft);
  EXPECT_EQ(host.menus, 1);
  button.MouseUp(5, 5, TMouseButton::mbLeft);
  button.MenuClosed();  // Esc, with the mouse still over the button
  EXPECT_EQ(Ticks(button, 16), std::vector<int>(16, 5));
  EXPECT_FALSE(button.Animating());
  EXPECT_EQ(Drawn(button), kFifth);
  // Leaving afterwards plays the highlight back.
  button.MouseLeave();
  EXPECT_EQ(Ticks(button, 16).back(), 1);
}

TEST_F(FrameObjectsTest, AButtonReleasedOverItselfKeepsItsLastFrame) {
  auto record = AnimateRecord(TksStdCommand::cmMinimize);
  TksSkinAnimateObject button(host, *record);
  button.MouseEnter();
  Ticks(button, 16);
  button.MouseDown(5, 5, TMouseButton::mbLeft);
  button.MouseUp(5, 5, TMouseButton::mbLeft);
  EXPECT_EQ(host.commands, std::vector<TksStdCommand>{TksStdCommand::cmMinimize});
  EXPECT_EQ(Ticks(button, 16), std::vector<int>(16, 5));
}

TEST_F(FrameObjectsTest, ACyclingButtonKeepsRunningWhileTheMouseIsOverIt) {
  auto record = AnimateRecord(TksStdCommand::cmDefault);
  record->Cycle = true;
  TksSkinAnimateObject button(host, *record);
  button.MouseEnter();
  std::vector<int> frames = Ticks(button, 24);
  // Every second tick moves on: 2, 3, 4, 5, 1, 2, ...
  std::vector<int> changes;
  for (std::size_t i = 0; i < frames.size(); ++i) {
    if (i == 0 || frames[i] != frames[i - 1]) changes.push_back(frames[i]);
  }
  EXPECT_EQ(changes, (std::vector<int>{1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2, 3}));
  EXPECT_TRUE(button.Animating());
}

TEST_F(FrameObjectsTest, AnInactiveWindowShowsTheInactiveImage) {
  auto record = AnimateRecord(TksStdCommand::cmClose);
  record->InActiveSkinRect = {60, 0, 80, 20};
  TksSkinAnimateObject button(host, *record);
  EXPECT_EQ(Drawn(button), kFirst);
  host.active = false;
  EXPECT_EQ(Drawn(button), kFourth);
}

TEST_F(FrameObjectsTest, AnObjectWhosePictureIndexIsMissingHasNoActiveImage) {
  auto record = StdRecord(TksStdCommand::cmClose);
  record->ActivePictureIndex = 7;
  record->ActiveSkinRect = {20, 0, 40, 20};
  TksSkinStdButtonObject button(host, *record);
  EXPECT_TRUE(button.ActiveSkinRect.IsEmpty());
  EXPECT_FALSE(record->ActiveSkinRect.IsEmpty());
  button.MouseEnter();
  EXPECT_EQ(Drawn(button), kNormal);
}

TEST_F(FrameObjectsTest, AStandardCloseButtonComesUpBeforeTheWindowCloses) {
  auto record = StdRecord(TksStdCommand::cmClose);
  record->DownRect = {20, 0, 40, 20};
  TksSkinStdButtonObject button(host, *record);
  button.MouseEnter();
  button.MouseDown(5, 5, TMouseButton::mbLeft);
  EXPECT_EQ(Drawn(button), kSecond);
  button.MouseUp(5, 5, TMouseButton::mbLeft);
  EXPECT_FALSE(button.Down);
  EXPECT_EQ(host.commands, std::vector<TksStdCommand>{TksStdCommand::cmClose});
  // Released away from it, nothing runs.
  host.mouseOver = false;
  button.MouseDown(5, 5, TMouseButton::mbLeft);
  button.MouseUp(5, 5, TMouseButton::mbLeft);
  EXPECT_EQ(host.commands.size(), 1u);
}

}  // namespace
}  // namespace kx
