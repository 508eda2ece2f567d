#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/draw/skin_graphics.h"
#include "skin/menu/skin_popup_menu.h"
#include "tests/skin/skinned_form.h"

namespace kx {
namespace {

class FrameWindowStateTest : public SkinnedFormTest {
 protected:
  // The frame rebuilt with other border icons (a rebuild brings the skin's objects back).
  void UseIcons(TBorderIcons icons) {
    frame->SetBorderIcons(icons);
    frame->SetSkinData(data);
    Settle();
  }
  std::vector<std::string> SystemMenuItems(TksSkinFrame* of = nullptr) {
    TksSkinFrame& f = of ? *of : *frame;
    f.OpenSystemMenuFromKeyboard();
    Settle();
    std::vector<std::string> names;
    if (f.SkinMenu().Visible()) {
      for (const auto& item : f.SkinMenu().Popups().front()->Items()) {
        const TMenuItem& m = item->Item();
        names.push_back(m.Caption == "-" ? "-" : m.Name());
      }
    }
    session.driver.PressKey(VK_ESCAPE);
    Settle();
    return names;
  }
  int HitAt(TPoint window) {
    return static_cast<int>(SendMessage(Window(), WM_NCHITTEST, 0, LParamFromPoint(At(window))));
  }
};

TEST_F(FrameWindowStateTest, TheSystemMenuListsTheItemsWhoseConditionsHold) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(SystemMenuItems(), (Names{"KSF_MINITEM", "-", "KSF_CLOSE"}));
  UseIcons(biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray);
  EXPECT_EQ(SystemMenuItems(),
            (Names{"KSF_MINITEM", "KSF_MAXITEM", "KSF_ROLLUP", "KSF_MINTOTRAY", "-", "KSF_CLOSE"}));
  frame->RunCommand(TksStdCommand::cmMaximize);
  Settle();
  EXPECT_EQ(SystemMenuItems(),
            (Names{"KSF_MINITEM", "KSF_RESTORE", "KSF_ROLLUP", "KSF_MINTOTRAY", "-", "KSF_CLOSE"}));
  frame->RunCommand(TksStdCommand::cmMaximize);  // restores
  frame->RunCommand(TksStdCommand::cmRollUp);
  Settle();
  EXPECT_EQ(SystemMenuItems(), (Names{"KSF_MINITEM", "KSF_MAXITEM", "KSF_RESTORE", "KSF_MINTOTRAY",
                                      "-", "KSF_CLOSE"}));
  frame->RunCommand(TksStdCommand::cmRollUp);
  UseIcons(biSystemMenu);
  EXPECT_EQ(SystemMenuItems(), (Names{"KSF_CLOSE"}));
}

TEST_F(FrameWindowStateTest, TheCloseItemCarriesAltF4) {
  frame->OpenSystemMenuFromKeyboard();
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  const TMenuItem& close = frame->SkinMenu().Popups().front()->Items().back()->Item();
  EXPECT_EQ(close.Caption, "&Close");
  EXPECT_EQ(close.ShortCut, TextToShortCut("Alt+F4"));
}

TEST_F(FrameWindowStateTest, MaximizeFillsTheWorkAreaAndRestoreBringsTheBoundsBack) {
  UseIcons(biSystemMenu | biMinimize | biMaximize);
  std::string events;
  frame->OnMaximize = [&](TObject*) { events += 'M'; };
  frame->OnRestore = [&](TObject*) { events += 'R'; };
  TksActiveSkinObject& max = Object("maxanimate");
  ASSERT_TRUE(max.Enabled);
  session.driver.MoveTo(Middle(max));
  session.driver.Advance(100);
  session.driver.Click(Middle(max));
  Settle();
  EXPECT_EQ(frame->WindowState(), TksWindowState::wsMaximized);
  EXPECT_EQ(WindowRect(), GetWorkArea(Window(), true));
  // A maximized window has no sizing zones even when sizeable.
  frame->Sizeable = true;
  EXPECT_NE(HitAt({WindowRect().Width() - 2, WindowRect().Height() - 2}), HTBOTTOMRIGHT);
  // Its caption double-click restores it.
  session.driver.Advance(1000);
  session.driver.DoubleClick(At({300, 12}));
  Settle();
  EXPECT_EQ(frame->WindowState(), TksWindowState::wsNormal);
  EXPECT_EQ(WindowRect(), (TRect{100, 50, 913, 684}));
  EXPECT_EQ(events, "MR");
}

TEST_F(FrameWindowStateTest, MaximizeOnFullScreenTakesTheWholeMonitor) {
  UseIcons(biSystemMenu | biMaximize);
  frame->MaximizeOnFullScreen = true;
  frame->RunCommand(TksStdCommand::cmMaximize);
  Settle();
  EXPECT_EQ(WindowRect(), GetWorkArea(Window(), false));
  MINMAXINFO info{};
  SendMessage(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize, (TPoint{1400, 900}));
}

TEST_F(FrameWindowStateTest, MaxWidthAndMaxHeightLowerTheTrackingLimit) {
  frame->MaxWidth = 900;
  frame->MaxHeight = 700;
  MINMAXINFO info{};
  SendMessage(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize, (TPoint{900, 700}));
  EXPECT_EQ(info.ptMinTrackSize, (TPoint{217, 35}));
}

TEST_F(FrameWindowStateTest, ASizeableFrameAnswersItsEightSizingZones) {
  frame->Sizeable = true;
  const int w = 813, h = 634;
  const TksFrameGeometry& g = frame->Geometry();
  EXPECT_EQ(HitAt({1, h / 2}), HTLEFT);
  EXPECT_EQ(HitAt({w - 2, h / 2}), HTRIGHT);
  EXPECT_EQ(HitAt({w / 2, h - 2}), HTBOTTOM);
  EXPECT_EQ(HitAt({g.HitLT.X - 1, 2}), HTTOPLEFT);
  EXPECT_EQ(HitAt({g.HitRT.X + 1, 2}), HTTOPRIGHT);
  EXPECT_EQ(HitAt({2, h - 2}), HTBOTTOMLEFT);
  EXPECT_EQ(HitAt({w - 3, h - 2}), HTBOTTOMRIGHT);
  EXPECT_EQ(HitAt({w / 2, h / 2}), HTCLIENT);
  // Without Sizeable the same border points belong to no zone.
  frame->Sizeable = false;
  EXPECT_EQ(HitAt({1, h / 2}), HTOBJECT);
  EXPECT_EQ(HitAt({w - 3, h - 2}), HTOBJECT);
}

TEST_F(FrameWindowStateTest, DraggingTheBottomRightZoneSizesTheWindowDownToTheMinimum) {
  frame->Sizeable = true;
  // The platform sizes only a window with a sizing border.
  session.system.SetStyle(Window(), session.system.GetStyle(Window()) | WS_THICKFRAME);
  ASSERT_EQ(HitAt({811, 632}), HTBOTTOMRIGHT);
  session.driver.Drag(At({811, 632}), At({861, 662}));
  Settle();
  EXPECT_EQ(WindowRect(), (TRect{100, 50, 963, 714}));
  EXPECT_EQ(frame->Geometry().Client(), (TRect{5, 30, 858, 659}));
  session.driver.Advance(1000);
  session.driver.Drag(At({861, 662}), At({-500, -500}));
  Settle();
  EXPECT_EQ(WindowRect().Width(), 217);
  EXPECT_EQ(WindowRect().Height(), 35);
}

TEST_F(FrameWindowStateTest, AMinimizedWindowTakesTheMinimumSizeOnRebuild) {
  TForm* second = nullptr;
  app.CreateForm(second);
  second->BorderStyle = TFormBorderStyle::bsSingle;
  second->SetBounds(200, 100, 600, 400);
  auto* secondFrame = new TksSkinFrame(second);
  secondFrame->SetSkinData(data);
  second->Show();
  Settle();
  secondFrame->RunCommand(TksStdCommand::cmMinimize);
  Settle();
  ASSERT_EQ(secondFrame->WindowState(), TksWindowState::wsMinimized);
  secondFrame->SetSkinData(data);
  Settle();
  EXPECT_EQ(second->Width(), secondFrame->MinimumSize().cx);
  EXPECT_EQ(second->Height(), secondFrame->MinimumSize().cy);
  // Restoring brings the window back.
  secondFrame->RunCommand(TksStdCommand::cmMinimize);
  Settle();
  EXPECT_EQ(secondFrame->WindowState(), TksWindowState::wsNormal);
}

TEST_F(FrameWindowStateTest, APlatformRestoreMakesAMinimizedWindowNormalForTheFrame) {
  TForm* second = nullptr;
  app.CreateForm(second);
  second->BorderStyle = TFormBorderStyle::bsSingle;
  second->SetBounds(200, 100, 600, 400);
  auto* secondFrame = new TksSkinFrame(second);
  secondFrame->SetBorderIcons(biSystemMenu | biMinimize);
  secondFrame->SetSkinData(data);
  second->Show();
  Settle();
  int restored = 0;
  secondFrame->OnRestore = [&](TObject*) { ++restored; };
  // The platform's restore command.
  secondFrame->RunCommand(TksStdCommand::cmMinimize);
  Settle();
  ASSERT_EQ(secondFrame->WindowState(), TksWindowState::wsMinimized);
  SendMessage(second->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Settle();
  EXPECT_FALSE(WindowSystem().IsIconic(second->Handle()));
  EXPECT_EQ(secondFrame->WindowState(), TksWindowState::wsNormal);
  EXPECT_EQ(restored, 1);
  EXPECT_EQ(SystemMenuItems(secondFrame),
            (std::vector<std::string>{"KSF_MINITEM", "-", "KSF_CLOSE"}));
  secondFrame->RunCommand(TksStdCommand::cmMinimize);
  Settle();
  EXPECT_TRUE(WindowSystem().IsIconic(second->Handle())) << "the minimize after a platform restore";
  // A restore the frame only sees as a new size (the task bar's).
  ShowWindow(second->Handle(), SW_RESTORE);
  Settle();
  EXPECT_EQ(secondFrame->WindowState(), TksWindowState::wsNormal);
  EXPECT_EQ(restored, 2);
  // The frame's own restore fires the event once.
  secondFrame->RunCommand(TksStdCommand::cmMinimize);
  secondFrame->RunCommand(TksStdCommand::cmMinimize);
  Settle();
  EXPECT_FALSE(WindowSystem().IsIconic(second->Handle()));
  EXPECT_EQ(secondFrame->WindowState(), TksWindowState::wsNormal);
  EXPECT_EQ(restored, 3);
}

TEST_F(FrameWindowStateTest, TheMainWindowsMinimizeLeavesItsStateNormal) {
  int minimized = 0;
  frame->OnMinimize = [&](TObject*) { ++minimized; };
  frame->RunCommand(TksStdCommand::cmMinimize);
  Settle();
  EXPECT_EQ(minimized, 1);
  EXPECT_EQ(frame->WindowState(), TksWindowState::wsNormal);
}

TEST_F(FrameWindowStateTest, MovingOrSizingTheWindowClosesAnOpenMenu) {
  frame->OpenSystemMenuFromKeyboard();
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  form->SetBounds(100, 50, 700, 600);
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
  EXPECT_FALSE(frame->InMenuMode());
  frame->OpenSystemMenuFromKeyboard();
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  form->SetBounds(150, 80, 700, 600);
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
}

TEST_F(FrameWindowStateTest, AnotherWindowTakingTheActivationClosesAnOpenMenu) {
  frame->OpenSystemMenuFromKeyboard();
  Settle();
  ASSERT_TRUE(frame->SkinMenu().Visible());
  TForm* other = nullptr;
  app.CreateForm(other);
  other->SetBounds(1000, 700, 200, 100);
  other->Show();
  Settle();
  EXPECT_FALSE(frame->SkinMenu().Visible());
}

}  // namespace
}  // namespace kx
