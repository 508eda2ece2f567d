#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/menu/skin_popup_menu.h"
#include "tests/skin/skinned_form.h"

namespace kx {
namespace {

using SkinFrameTest = SkinnedFormTest;

TEST_F(SkinFrameTest, TheClientAreaLiesInsideTheSkinsBorders) {
  ASSERT_TRUE(frame->SkinUsable());
  EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 803, 599}));
  EXPECT_EQ(form->ClientToScreen({0, 0}), At({5, 30}));
  EXPECT_EQ(frame->Geometry().Client(), (TRect{5, 30, 808, 629}));
}

TEST_F(SkinFrameTest, TheStoredSkinGivesSixObjectsPlacedWithTheWindow) {
  std::vector<std::string> names;
  for (const auto& o : frame->Objects()) names.push_back(o->IDName);
  EXPECT_EQ(names, (std::vector<std::string>{"caption", "closeanimate", "maxanimate", "minanimate",
                                             "rollupanimate", "sysmenuanimate"}));
  // The caption grows with the width, the right-hand buttons move with it.
  int dW = 813 - data->Picture.Width();
  EXPECT_EQ(Object("caption").ObjectRect, (TRect{58, 2, 131 + dW, 28}));
  EXPECT_EQ(Object("closeanimate").ObjectRect, Object("closeanimate").SkinRect.Offset(dW, 0));
  EXPECT_EQ(Object("sysmenuanimate").ObjectRect, Object("sysmenuanimate").SkinRect);
}

TEST_F(SkinFrameTest, TheSizeLimitsComeFromThePicture) {
  MINMAXINFO info{};
  SendMessage(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize, (TPoint{217, 35}));
  EXPECT_EQ(frame->MinimumSize(), (TSize{217, 35}));
}

TEST_F(SkinFrameTest, TheTopCornersAreRoundedByTheMaskAtEverySize) {
  TColor desktop = session.driver.ScreenPixel({5, 5});
  for (TSize size : {TSize{813, 634}, TSize{400, 300}, TSize{1000, 700}}) {
    form->SetBounds(100, 50, size.cx, size.cy);
    Settle();
    EXPECT_EQ(session.driver.ScreenPixel(At({0, 0})), desktop) << size.cx;
    EXPECT_EQ(session.driver.ScreenPixel(At({size.cx - 1, 0})), desktop) << size.cx;
    EXPECT_NE(session.driver.ScreenPixel(At({size.cx / 2, 1})), desktop) << size.cx;
    EXPECT_NE(session.driver.ScreenPixel(At({size.cx / 2, size.cy - 2})), desktop) << size.cx;
  }
}

TEST_F(SkinFrameTest, DisabledButtonsKeepTheirFirstImageAndIgnoreTheMouse) {
  for (const char* name : {"maxanimate", "rollupanimate"}) {
    TksActiveSkinObject& o = Object(name);
    EXPECT_FALSE(o.Enabled) << name;
    EXPECT_TRUE(o.Visible) << name;
    TPoint inside{o.ObjectRect.Left + 5, o.ObjectRect.Top + 5};
    TColor before = Pixel(inside);
    session.driver.MoveTo(Middle(o));
    session.driver.Advance(300);
    session.driver.Click(Middle(o));
    session.driver.Advance(300);
    Settle();
    EXPECT_EQ(Pixel(inside), before) << name;
    EXPECT_EQ(WindowRect(), (TRect{100, 50, 913, 684})) << name;
  }
}

TEST_F(SkinFrameTest, HoveringTheCloseButtonPlaysItsFramesAndLeavingPlaysThemBack) {
  auto& close = dynamic_cast<TksSkinAnimateObject&>(Object("closeanimate"));
  // The frames seen every 25 ms, and when each new one appeared.
  auto watch = [&](int ms) {
    std::vector<std::pair<int, int>> changes;
    int last = close.CurrentFrame();
    for (int t = 25; t <= ms; t += 25) {
      session.driver.Advance(25);
      if (close.CurrentFrame() != last) changes.emplace_back(last = close.CurrentFrame(), t);
    }
    return changes;
  };
  session.driver.MoveTo(Middle(close));
  auto forwards = watch(400);
  ASSERT_EQ(forwards.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(forwards[i].first, static_cast<int>(i) + 2);
    if (i > 0) {
      EXPECT_EQ(forwards[i].second - forwards[i - 1].second, 50);
    }
  }
  session.driver.MoveTo(At({400, 300}));
  auto backwards = watch(400);
  ASSERT_EQ(backwards.size(), 4u);
  EXPECT_EQ(backwards.front().first, 4);
  EXPECT_EQ(backwards.back().first, 1);
}

TEST_F(SkinFrameTest, NothingAnimatesWhileTheWindowIsInactive) {
  TForm* other = new TForm(nullptr);
  other->SetBounds(1000, 700, 200, 100);
  other->Show();
  Settle();
  ASSERT_FALSE(frame->WindowActive());
  auto& close = dynamic_cast<TksSkinAnimateObject&>(Object("closeanimate"));
  session.driver.MoveTo(Middle(close));
  session.driver.Advance(300);
  EXPECT_EQ(close.CurrentFrame(), 1);
  EXPECT_EQ(frame->HoverIndex(), -1);
  delete other;
}

TEST_F(SkinFrameTest, PressingCloseShowsTheLastFrameAndReleasingOutsideOnlyBringsItUp) {
  auto& close = dynamic_cast<TksSkinAnimateObject&>(Object("closeanimate"));
  session.driver.MoveTo(Middle(close));
  session.driver.Advance(100);
  session.driver.Press();
  Settle();
  EXPECT_TRUE(close.Down());
  EXPECT_EQ(close.CurrentFrame(), 5);
  session.driver.MoveTo(At({400, 300}));
  session.driver.Release();
  session.driver.Advance(400);
  Settle();
  EXPECT_FALSE(close.Down());
  EXPECT_TRUE(IsWindow(Window()));
  // Released over it, it closes the window.
  session.driver.MoveTo(Middle(close));
  session.driver.Advance(100);
  session.driver.Press();
  session.driver.Release();
  Settle();
  EXPECT_TRUE(app.Terminated());  // the main window's close ends the program
}

TEST_F(SkinFrameTest, TheCaptionMovesTheWindowAndTheRestOfTheFrameDoesNot) {
  session.driver.Drag(At({300, 12}), At({340, 42}));
  Settle();
  EXPECT_EQ(WindowRect().TopLeft(), (TPoint{140, 80}));
  session.driver.Advance(1000);
  session.driver.Drag(At({2, 300}), At({60, 330}));  // the left border: not sizeable
  Settle();
  EXPECT_EQ(WindowRect(), (TRect{140, 80, 953, 714}));
  EXPECT_EQ(SendMessage(Window(), WM_NCHITTEST, 0, LParamFromPoint(At({300, 12}))), HTCAPTION);
  EXPECT_EQ(SendMessage(Window(), WM_NCHITTEST, 0, LParamFromPoint(At({300, 300}))), HTCLIENT);
}

TEST_F(SkinFrameTest, DoubleClickingTheCaptionChangesNothing) {
  session.driver.DoubleClick(At({300, 12}));
  Settle();
  EXPECT_EQ(WindowRect(), (TRect{100, 50, 913, 684}));
  EXPECT_EQ(frame->WindowState(), TksWindowState::wsNormal);
  EXPECT_FALSE(frame->RolledUp());
}

TEST_F(SkinFrameTest, TheSystemMenuOpensBelowItsButtonAndWithAltSpace) {
  auto items = [this] {
    std::vector<std::string> captions;
    for (const auto& popup : frame->SkinMenu().Popups())
      for (const auto& item : popup->Items()) captions.push_back(item->Item().Caption);
    return captions;
  };
  const std::vector<std::string> expected{"Mi&nimize", "-", "&Close"};
  TksActiveSkinObject& button = Object("sysmenuanimate");
  session.driver.MoveTo(Middle(button));
  session.driver.Advance(100);
  session.driver.Press();
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  EXPECT_EQ(items(), expected);
  HWND popup = frame->SkinMenu().Popups().front()->Handle();
  EXPECT_EQ(GetWindowRect(popup).TopLeft(), At({button.ObjectRect.Left, button.ObjectRect.Bottom}));
  session.driver.Release();
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_FALSE(frame->InMenuMode());
  session.driver.PressKey(VK_SPACE, TestDriver::Alt);
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  EXPECT_EQ(items(), expected);
  // Choosing "Close" by its accelerator closes the window after the menu.
  session.driver.PressKey('C');
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_TRUE(app.Terminated());
}

TEST_F(SkinFrameTest, ARightClickOnTheCaptionOpensTheSystemMenuAtTheCursor) {
  session.driver.Click(At({300, 12}), 1);
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  EXPECT_EQ(GetWindowRect(frame->SkinMenu().Popups().front()->Handle()).TopLeft(), At({300, 12}));
}

TEST_F(SkinFrameTest, ANarrowCaptionEndsInAnEllipsis) {
  form->SetCaption("A caption far too long to fit the caption bar of this small window");
  form->SetBounds(100, 50, 300, 200);
  Settle();
  TksActiveSkinObject& caption = Object("caption");
  // The text ends before the caption's right end: the ellipsis kept it inside.
  int right = caption.ObjectRect.Right - 1;
  TColor bar = Pixel({right - 6, caption.ObjectRect.Top + 6});
  int textPixels = 0;
  for (int x = caption.ObjectRect.Left; x < right; ++x) {
    TColor c = Pixel({x, caption.ObjectRect.Top + caption.ObjectRect.Height() / 2});
    if (c == 0xFFFFFF) ++textPixels;
  }
  EXPECT_GT(textPixels, 10);
  EXPECT_NE(bar, 0xFFFFFFu);
}

TEST_F(SkinFrameTest, TheSystemMenuButtonStaysHighlightedAfterItsMenuCloses) {
  auto& button = dynamic_cast<TksSkinAnimateObject&>(Object("sysmenuanimate"));
  session.driver.MoveTo(Middle(button));
  session.driver.Advance(400);
  ASSERT_EQ(button.CurrentFrame(), 5);
  session.driver.Press();
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  session.driver.Release();
  session.driver.PressKey(VK_ESCAPE);
  Settle();
  ASSERT_FALSE(frame->SkinMenu().Visible());
  std::vector<int> frames;
  for (int t = 0; t < 16; ++t) {
    session.driver.Advance(25);
    frames.push_back(button.CurrentFrame());
  }
  EXPECT_EQ(frames, std::vector<int>(16, 5));
  // Leaving it plays the highlight back.
  session.driver.MoveTo(At({400, 300}));
  session.driver.Advance(400);
  EXPECT_EQ(button.CurrentFrame(), 1);
}

TEST_F(SkinFrameTest, SettingBorderIconsPutsTheSixDefaultButtonsUpUntilTheNextSkinChange) {
  frame->SetBorderIcons(biSystemMenu | biMaximize);
  Settle();
  std::vector<TksStdCommand> commands;
  std::vector<bool> enabled;
  for (const auto& o : frame->Objects()) {
    commands.push_back(o->Command());
    enabled.push_back(o->Enabled);
  }
  using C = TksStdCommand;
  EXPECT_EQ(commands, (std::vector<C>{C::cmClose, C::cmMaximize, C::cmMinimize, C::cmRollUp,
                                      C::cmMinimizeToTray, C::cmSysMenu}));
  EXPECT_EQ(enabled, (std::vector<bool>{true, true, false, false, false, true}));
  // The close button stands at the right end of the plain frame's caption line.
  TksActiveSkinObject* close = frame->FindObject("closebutton");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->ObjectRect, (TRect{813 - 3 - 19, 3, 813 - 3, 22}));
  frame->SetSkinData(data);
  Settle();
  EXPECT_NE(frame->FindObject("caption"), nullptr);
  EXPECT_EQ(frame->FindObject("closebutton"), nullptr);
  EXPECT_EQ(frame->Objects().size(), 6u);
}

TEST_F(SkinFrameTest, TheDefaultCloseButtonClosesTheWindow) {
  frame->SetBorderIcons(biSystemMenu);
  Settle();
  TksActiveSkinObject* close = frame->FindObject("closebutton");
  ASSERT_NE(close, nullptr);
  session.driver.MoveTo(Middle(*close));
  session.driver.Advance(100);
  session.driver.Press();
  session.driver.Release();
  Settle();
  EXPECT_TRUE(app.Terminated());
}

TEST_F(SkinFrameTest, WithoutASkinTheFrameIsPlain) {
  frame->SetSkinData(nullptr);
  Settle();
  EXPECT_FALSE(frame->SkinUsable());
  EXPECT_EQ(form->ClientToScreen({0, 0}), At({3, 3 + 19}));
  EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 813 - 6, 634 - 6 - 19}));
}

}  // namespace
}  // namespace kx
