#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/window/dialog_keys.h"
#include "platform/window/key_translation.h"
#include "tests/window/window_fixture.h"

namespace kx::test {
namespace {

// A frame like a skinned one: 5/30/5/5 borders, caption above y = 30.
WindowTest::Handler CustomFrame(TWindowSystem& sys) {
  return [&sys](HWND h, TMessage& m) {
    switch (m.Msg) {
      case WM_NCCALCSIZE: {
        auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
        p->rgrc[0] = {p->rgrc[0].Left + 5, p->rgrc[0].Top + 30, p->rgrc[0].Right - 5,
                      p->rgrc[0].Bottom - 5};
        return true;
      }
      case WM_NCHITTEST: {
        TPoint p = PointFromLParam(m.LParam) - sys.WindowOrigin(h);
        m.Result = p.Y < 30
                       ? HTCAPTION
                       : (sys.GetClientRect(h).Contains(p - TPoint{5, 30}) ? HTCLIENT : HTBORDER);
        return true;
      }
      case WM_NCPAINT: {
        HDC dc = sys.GetWindowDC(h);
        dc->Canvas().ExcludeClipRect(h->ClientInWindow);
        dc->Canvas().Brush().Color = clRed;
        dc->Canvas().FillRect(h->WindowBounds());
        return true;
      }
      default:
        return false;
    }
  };
}

TEST_F(WindowTest, CustomNonClientSizeHitTestAndPaint) {
  HWND w = MakeTop(Bounds(100, 100, 813, 634), WS_POPUP | WS_VISIBLE, CustomFrame(sys));
  driver.RunUntilIdle();
  EXPECT_EQ(sys.GetClientRect(w), Rect(0, 0, 803, 599));
  EXPECT_EQ(sys.ClientToScreen(w, {0, 0}), (TPoint{105, 130}));
  EXPECT_EQ(driver.WindowPixel(w, {2, 2}), clRed);
  EXPECT_EQ(driver.WindowPixel(w, {810, 600}), clRed);
  EXPECT_EQ(driver.ClientPixel(w, {0, 0}), ColorToRGB(clBtnFace));
  EXPECT_EQ(sys.SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(150, 110)), HTCAPTION);
  EXPECT_EQ(sys.SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(300, 300)), HTCLIENT);
  // The platform order: non-client paint, then the paint message, whose
  // BeginPaint asks for the erase before the window draws.
  EXPECT_EQ(MessagesOf(w, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
            (std::vector<UINT>{WM_NCPAINT, WM_PAINT, WM_ERASEBKGND}));
}

TEST_F(WindowTest, CaptionAnswerMovesTheWindowOnDrag) {
  HWND w = MakeTop(Bounds(100, 100, 400, 300), WS_POPUP | WS_VISIBLE, CustomFrame(sys));
  driver.Drag({150, 110}, {250, 160});
  EXPECT_EQ(sys.GetWindowRect(w), Bounds(200, 150, 400, 300));
  EXPECT_EQ(MessagesOf(w, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}),
            (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
  driver.Drag({300, 300}, {350, 350});  // the client area does not drag
  EXPECT_EQ(sys.GetWindowRect(w), Bounds(200, 150, 400, 300));
}

TEST_F(WindowTest, CaptureKeepsMouseMessagesOutsideTheWindow) {
  HWND top = MakeTop(Bounds(0, 0, 400, 400));
  HWND child =
      MakeChild(top, Bounds(10, 10, 50, 50), WS_CHILD | WS_VISIBLE, [&](HWND h, TMessage& m) {
        if (m.Msg == WM_LBUTTONDOWN) sys.SetCapture(h);
        if (m.Msg == WM_LBUTTONUP) sys.ReleaseCapture();
        return false;
      });
  driver.MoveTo({20, 20});
  driver.Press();
  log.clear();
  driver.MoveTo({300, 250});
  driver.Release();
  auto moves = Logged(WM_MOUSEMOVE);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].hwnd, child);
  EXPECT_EQ(PointFromLParam(moves[0].lParam), (TPoint{290, 240}));
  ASSERT_EQ(Logged(WM_LBUTTONUP).size(), 1u);
  EXPECT_EQ(Logged(WM_LBUTTONUP)[0].hwnd, child);
  EXPECT_EQ(MessagesOf(child, {WM_CAPTURECHANGED}).size(), 1u);
  EXPECT_EQ(sys.GetCapture(), nullptr);
}

TEST_F(WindowTest, ActivationAndFocusMessagesComeInOrder) {
  HWND a = MakeTop(Bounds(0, 0, 100, 100));
  EXPECT_EQ(sys.GetActiveWindow(), a);
  EXPECT_EQ(sys.GetFocus(), a);
  log.clear();
  HWND b = MakeTop(Bounds(200, 0, 100, 100));
  std::vector<std::pair<HWND, UINT>> seen;
  for (const LoggedMessage& l : log) {
    if (l.msg == WM_NCACTIVATE || l.msg == WM_ACTIVATE || l.msg == WM_SETFOCUS ||
        l.msg == WM_KILLFOCUS) {
      seen.emplace_back(l.hwnd, l.msg);
    }
  }
  std::vector<std::pair<HWND, UINT>> expected{{a, WM_NCACTIVATE}, {a, WM_ACTIVATE},
                                              {b, WM_NCACTIVATE}, {b, WM_ACTIVATE},
                                              {a, WM_KILLFOCUS},  {b, WM_SETFOCUS}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(sys.GetActiveWindow(), b);
  EXPECT_EQ(sys.TopLevelWindows().front(), b);
  // A click on the other window activates it again.
  driver.Click({50, 50});
  EXPECT_EQ(sys.GetActiveWindow(), a);
  EXPECT_EQ(Logged(WM_ACTIVATE).back().wParam & 0xFFFF, WA_CLICKACTIVE);
}

// The activation and focus messages of the log, with their first parameter.
std::vector<std::tuple<HWND, UINT, WPARAM>> ActivationLog(const std::vector<LoggedMessage>& log) {
  std::vector<std::tuple<HWND, UINT, WPARAM>> out;
  for (const LoggedMessage& l : log) {
    if (l.msg == WM_NCACTIVATE || l.msg == WM_ACTIVATE) out.emplace_back(l.hwnd, l.msg, l.wParam);
    if (l.msg == WM_SETFOCUS || l.msg == WM_KILLFOCUS) out.emplace_back(l.hwnd, l.msg, 0);
  }
  return out;
}

TEST_F(WindowTest, AnotherProgramTakingTheKeyboardDeactivatesAndItsReturnRestoresTheFocus) {
  HWND a = MakeTop(Bounds(0, 0, 200, 200));
  HWND edit = MakeChild(a, Bounds(10, 10, 80, 20));
  sys.SetFocus(edit);
  log.clear();
  driver.OtherProgramTakesFocus();
  using Seen = std::vector<std::tuple<HWND, UINT, WPARAM>>;
  EXPECT_EQ(ActivationLog(log), (Seen{{a, WM_NCACTIVATE, 0},
                                      {a, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0)},
                                      {edit, WM_KILLFOCUS, 0}}));
  EXPECT_EQ(sys.GetActiveWindow(), nullptr);
  EXPECT_EQ(sys.GetFocus(), nullptr);
  // Again: nothing is active any more, nothing hears of it.
  log.clear();
  driver.OtherProgramTakesFocus();
  EXPECT_TRUE(ActivationLog(log).empty());

  driver.DesktopFocuses(a);
  EXPECT_EQ(ActivationLog(log), (Seen{{a, WM_NCACTIVATE, 1},
                                      {a, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0)},
                                      {edit, WM_SETFOCUS, 0}}));
  EXPECT_EQ(sys.GetActiveWindow(), a);
  EXPECT_EQ(sys.GetFocus(), edit);
}

TEST_F(WindowTest, TheDesktopFocusingOurWindowsActivatesOnlyWhatCanBeActive) {
  HWND a = MakeTop(Bounds(0, 0, 200, 200));
  HWND b = MakeTop(Bounds(300, 0, 200, 200));
  HWND menu = MakeTopWithBackground(Bounds(600, 0, 100, 100), clWindow, WS_EX_NOACTIVATE);
  ASSERT_EQ(sys.GetActiveWindow(), b);
  log.clear();
  // The active window itself, and a popup that never takes the activation: nothing changes.
  driver.DesktopFocuses(b);
  driver.DesktopFocuses(menu);
  EXPECT_TRUE(ActivationLog(log).empty());
  EXPECT_EQ(sys.GetActiveWindow(), b);
  // Another window of ours (the window manager switched to it): it becomes active.
  driver.DesktopFocuses(a);
  EXPECT_EQ(sys.GetActiveWindow(), a);
  EXPECT_EQ(sys.GetFocus(), a);
}

TEST_F(WindowTest, BehindAModalDialogTheDesktopsFocusGoesBackToTheDialog) {
  HWND main = MakeTop(Bounds(0, 0, 400, 300));
  TCreateParams p;
  p.Style = WS_POPUP | WS_VISIBLE;
  p.Bounds = Bounds(100, 100, 200, 100);
  p.Owner = main;
  HWND dialog = Make(p);
  HWND button = MakeChild(dialog, Bounds(10, 10, 80, 24));
  sys.EnableWindow(main, false);
  sys.SetFocus(button);
  ASSERT_EQ(sys.GetActiveWindow(), dialog);
  // The keyboard is on the main window's desktop window all along: while our
  // dialog is active, the desktop focusing the disabled main window changes nothing.
  driver.DesktopFocuses(main);
  EXPECT_EQ(sys.GetActiveWindow(), dialog);
  driver.OtherProgramTakesFocus();
  EXPECT_EQ(sys.GetActiveWindow(), nullptr);
  driver.DesktopFocuses(main);
  EXPECT_EQ(sys.GetActiveWindow(), dialog);
  EXPECT_EQ(sys.GetFocus(), button);
}

TEST_F(WindowTest, MouseActivateNoActivateKeepsTheActiveWindow) {
  HWND a = MakeTop(Bounds(0, 0, 100, 100));
  HWND popup = MakeTop(Bounds(300, 0, 100, 100), WS_POPUP | WS_VISIBLE);
  HWND item =
      MakeChild(popup, Bounds(0, 0, 100, 100), WS_CHILD | WS_VISIBLE, [](HWND, TMessage& m) {
        if (m.Msg != WM_MOUSEACTIVATE) return false;
        m.Result = MA_NOACTIVATE;
        return true;
      });
  sys.SetActiveWindow(a);
  driver.Click({350, 50});
  EXPECT_EQ(sys.GetActiveWindow(), a);
  EXPECT_EQ(MessagesOf(item, {WM_LBUTTONDOWN, WM_LBUTTONUP}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(WindowTest, DoubleClicksNeedTimeDistanceAndTheClassStyle) {
  HWND w = MakeTop(Bounds(0, 0, 200, 200));
  auto downs = [&] { return MessagesOf(w, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}); };
  driver.Click({50, 50});
  session.clock.Advance(400);
  driver.Click({52, 52});
  EXPECT_EQ(downs(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));
  log.clear();
  driver.Click({50, 50});
  session.clock.Advance(501);
  driver.Click({50, 50});
  EXPECT_EQ(downs(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
  log.clear();
  session.clock.Advance(1000);
  driver.Click({50, 50});
  driver.Click({53, 50});
  EXPECT_EQ(downs(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));

  TCreateParams p;
  p.Style = WS_POPUP | WS_VISIBLE;
  p.ClassStyle = 0;
  p.Bounds = Bounds(300, 0, 100, 100);
  HWND plain = Make(p);
  driver.DoubleClick({350, 50});
  EXPECT_EQ(MessagesOf(plain, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

TEST_F(WindowTest, MouseLeaveIsPostedOnceWhenThePointerLeaves) {
  HWND top = MakeTop(Bounds(0, 0, 300, 300));
  HWND child =
      MakeChild(top, Bounds(10, 10, 100, 100), WS_CHILD | WS_VISIBLE, [&](HWND h, TMessage& m) {
        if (m.Msg == WM_MOUSEMOVE) sys.TrackMouseEvent(h, TME_LEAVE);
        return false;
      });
  driver.MoveTo({50, 50});
  driver.MoveTo({60, 60});
  EXPECT_TRUE(MessagesOf(child, {WM_MOUSELEAVE}).empty());
  driver.MoveTo({200, 200});
  driver.MoveTo({250, 250});
  EXPECT_EQ(MessagesOf(child, {WM_MOUSELEAVE}).size(), 1u);
}

TEST_F(WindowTest, CursorRequestsReachChildThenParent) {
  HWND top = MakeTop(Bounds(0, 0, 300, 300));
  TCreateParams p;
  p.Style = WS_CHILD | WS_VISIBLE;
  p.Parent = top;
  p.Bounds = Bounds(10, 10, 100, 100);
  p.Cursor = LoadCursor(TStandardCursor::IBeam);
  HWND edit = Make(p);
  driver.MoveTo({50, 50});
  ASSERT_TRUE(session.backend.Cursor());
  EXPECT_EQ(session.backend.Cursor()->Standard, TStandardCursor::IBeam);
  auto requests = Logged(WM_SETCURSOR);
  ASSERT_GE(requests.size(), 2u);
  EXPECT_EQ(requests[0].hwnd, edit);
  EXPECT_EQ(requests[1].hwnd, top);  // default processing asks the parent
  EXPECT_EQ(LOWORD(static_cast<WPARAM>(requests[0].lParam)), HTCLIENT);
  EXPECT_EQ(HIWORD(static_cast<WPARAM>(requests[0].lParam)), WM_MOUSEMOVE);
  driver.MoveTo({200, 200});
  EXPECT_EQ(session.backend.Cursor()->Standard, TStandardCursor::Arrow);
}

TEST_F(WindowTest, DialogCodeIsAskedBeforeTabMovesTheFocus) {
  HWND dlg = MakeTop(Bounds(0, 0, 300, 300));
  bool wantsTab = false;
  HWND first = MakeChild(dlg, Bounds(10, 10, 50, 20), WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                         [&](HWND, TMessage& m) {
                           if (m.Msg != WM_GETDLGCODE) return false;
                           m.Result = wantsTab ? DLGC_WANTTAB : DLGC_WANTCHARS;
                           return true;
                         });
  HWND second = MakeChild(dlg, Bounds(10, 40, 50, 20), WS_CHILD | WS_VISIBLE | WS_TABSTOP);
  sys.AddMessageFilter([&](TMsg& m) { return IsDialogMessage(sys, dlg, m); });
  sys.SetFocus(first);
  log.clear();
  driver.PressKey(VK_TAB);
  EXPECT_EQ(sys.GetFocus(), second);
  EXPECT_EQ(MessagesOf(first, {WM_GETDLGCODE, WM_KILLFOCUS}),
            (std::vector<UINT>{WM_GETDLGCODE, WM_KILLFOCUS}));
  driver.PressKey(VK_TAB, TestDriver::Shift);
  EXPECT_EQ(sys.GetFocus(), first);
  wantsTab = true;
  log.clear();
  driver.PressKey(VK_TAB);
  EXPECT_EQ(sys.GetFocus(), first);
  EXPECT_EQ(MessagesOf(first, {WM_KEYDOWN}).size(), 1u);
}

TEST_F(WindowTest, KeysBecomeCharactersAndAltSpaceOpensTheSystemMenu) {
  HWND top = MakeTop(Bounds(0, 0, 300, 300));
  HWND edit = MakeChild(top, Bounds(0, 0, 100, 20));
  sys.SetFocus(edit);
  driver.TypeText("aB1 \xC3\xA9\xF0\x9F\x98\x80");
  std::u32string typed;
  for (const LoggedMessage& l : Logged(WM_CHAR)) {
    EXPECT_EQ(l.hwnd, edit);
    typed += static_cast<char32_t>(l.wParam);
  }
  // Every character arrives whole, a four-byte one as one message.
  EXPECT_EQ(typed, U"aB1 \u00E9\U0001F600");
  driver.PressKey(VK_SPACE, TestDriver::Alt);
  auto commands = Logged(WM_SYSCOMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].hwnd, top);
  EXPECT_EQ(commands[0].wParam, SC_KEYMENU);
  EXPECT_EQ(commands[0].lParam, ' ');
}

TEST_F(WindowTest, TextEventsArriveAsOneCharacterMessageEach) {
  HWND top = MakeTop(Bounds(0, 0, 300, 300));
  HWND edit = MakeChild(top, Bounds(0, 0, 100, 20));
  sys.SetFocus(edit);
  // Committed text as a backend reports it: composed and dead-key characters,
  // a four-byte one, a control character the keys make themselves, and a byte
  // that is not UTF-8.
  std::vector<RawInput> inputs = CharInputsFromText("\xC3\xA0\xE2\x82\xAC\xF0\x9F\x98\x80\t\xFF");
  ASSERT_EQ(inputs.size(), 4u);
  for (const RawInput& in : inputs) sys.QueueInput(in);
  driver.RunUntilIdle();
  std::u32string typed;
  for (const LoggedMessage& l : Logged(WM_CHAR)) typed += static_cast<char32_t>(l.wParam);
  EXPECT_EQ(typed, U"\u00E0\u20AC\U0001F600\uFFFD");
}

TEST_F(WindowTest, WheelGoesToTheFocusAndBubblesToItsParent) {
  HWND top = MakeTop(Bounds(0, 0, 300, 300));
  HWND child = MakeChild(top, Bounds(0, 0, 100, 100));
  sys.SetFocus(child);
  driver.Wheel(-WHEEL_DELTA, {50, 50}, TestDriver::Ctrl);
  auto wheels = Logged(WM_MOUSEWHEEL);
  ASSERT_EQ(wheels.size(), 2u);
  EXPECT_EQ(wheels[0].hwnd, child);
  EXPECT_EQ(wheels[1].hwnd, top);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[0].wParam), -WHEEL_DELTA);
  EXPECT_TRUE(LOWORD(wheels[0].wParam) & MK_CONTROL);
}

TEST_F(WindowTest, TransparentHitPassesTheClickToTheWindowBeneath) {
  HWND top = MakeTop(Bounds(0, 0, 300, 300));
  HWND below = MakeChild(top, Bounds(0, 0, 100, 100));
  HWND glass = MakeChild(top, Bounds(0, 0, 100, 100), WS_CHILD | WS_VISIBLE, [](HWND, TMessage& m) {
    if (m.Msg != WM_NCHITTEST) return false;
    m.Result = HTTRANSPARENT;
    return true;
  });
  driver.Click({50, 50});
  EXPECT_TRUE(MessagesOf(glass, {WM_LBUTTONDOWN}).empty());
  EXPECT_EQ(MessagesOf(below, {WM_LBUTTONDOWN}).size(), 1u);
}

TEST_F(WindowTest, PlainFrameHasThreePixelBordersAndCaptionButtons) {
  HWND w = MakeTop(Bounds(100, 100, 300, 200), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  driver.RunUntilIdle();
  EXPECT_EQ(sys.ClientToScreen(w, {0, 0}), (TPoint{103, 122}));
  EXPECT_EQ(sys.GetClientRect(w), Rect(0, 0, 294, 175));
  EXPECT_EQ(sys.SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(200, 110)), HTCAPTION);
  TRect close = sys.CaptionButtonRect(w, HTCLOSE);
  TPoint closeCentre =
      TPoint{100 + close.Left + close.Width() / 2, 100 + close.Top + close.Height() / 2};
  EXPECT_EQ(sys.SendMessage(w, WM_NCHITTEST, 0, LParamFromPoint(closeCentre)), HTCLOSE);
  EXPECT_EQ(sys.SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(101, 200)), HTLEFT);
  EXPECT_EQ(driver.WindowPixel(w, {150, 10}), ColorToRGB(clActiveCaption));
  driver.Click(closeCentre);
  EXPECT_FALSE(sys.IsWindow(w));
}

}  // namespace
}  // namespace kx::test
