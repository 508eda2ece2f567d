#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"

namespace kx::test {
namespace {

TEST_F(WindowTest, TimersFireOnTheVirtualClock) {
  HWND w = MakeTop(Bounds(0, 0, 100, 100));
  sys.SetTimer(w, 7, 50);
  driver.Advance(49);
  EXPECT_TRUE(Logged(WM_TIMER).empty());
  driver.Advance(1);
  ASSERT_EQ(Logged(WM_TIMER).size(), 1u);
  EXPECT_EQ(Logged(WM_TIMER)[0].wParam, 7u);
  driver.Advance(200);
  EXPECT_EQ(Logged(WM_TIMER).size(), 5u);
  sys.KillTimer(w, 7);
  driver.Advance(200);
  EXPECT_EQ(Logged(WM_TIMER).size(), 5u);

  int calls = 0;
  sys.SetTimer(nullptr, 0, 25, [&] { ++calls; });
  driver.Advance(100);
  EXPECT_EQ(calls, 4);
}

TEST_F(WindowTest, TimeStillPassesAfterTheQuitIsPosted) {
  HWND w = MakeTop(Bounds(0, 0, 100, 100));
  sys.SetTimer(w, 7, 10);
  sys.PostQuitMessage(3);
  const std::uint32_t before = driver.Clock().Now();
  driver.Advance(100);
  EXPECT_EQ(driver.Clock().Now() - before, 100u);
  EXPECT_TRUE(Logged(WM_TIMER).empty());
  EXPECT_TRUE(sys.QuitPosted());
  EXPECT_EQ(sys.QuitCode(), 3);
}

TEST_F(WindowTest, SentMessagesRunAtOncePostedOnesInOrderBeforePaint) {
  HWND w = MakeTop(Bounds(0, 0, 100, 100));
  driver.RunUntilIdle();
  log.clear();
  sys.InvalidateRect(w, nullptr, false);
  sys.PostMessage(w, WM_USER + 1);
  sys.PostMessage(w, WM_USER + 2);
  EXPECT_EQ(sys.SendMessage(w, WM_USER + 3), 0);
  EXPECT_EQ(MessagesOf(w), (std::vector<UINT>{WM_USER + 3}));
  driver.RunUntilIdle();
  EXPECT_EQ(MessagesOf(w, {WM_USER + 1, WM_USER + 2, WM_PAINT}),
            (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_PAINT}));
}

TEST_F(WindowTest, NestedModalLoopRunsUntilItsDialogEnds) {
  bool dialogDone = false;
  bool modalReturned = false;
  HWND dialog = nullptr;
  HWND w = MakeTop(Bounds(0, 0, 100, 100), WS_POPUP | WS_VISIBLE, [&](HWND h, TMessage& m) {
    if (m.Msg != WM_USER) return false;
    TCreateParams p;
    p.Style = WS_POPUP | WS_VISIBLE;
    p.Text = "Question";
    p.Owner = h;
    p.Bounds = Bounds(500, 500, 100, 50);
    p.Proc = [&](HWND d, TMessage& dm) {
      if (dm.Msg == WM_LBUTTONUP) dialogDone = true;
      sys.DefWindowProc(d, dm);
    };
    dialog = sys.CreateWindowEx(p);
    sys.ModalLoop([&] { return dialogDone; });
    modalReturned = true;
    sys.DestroyWindow(dialog);
    return true;
  });
  driver.WhenModal([](TestDriver& d) {
    HWND found = d.FindTopLevel("Question");
    ASSERT_NE(found, nullptr);
    d.ClickAt(found, {10, 10});
  });
  sys.PostMessage(w, WM_USER);
  driver.RunUntilIdle();
  EXPECT_TRUE(dialogDone);
  EXPECT_TRUE(modalReturned);
  EXPECT_EQ(driver.FindTopLevel("Question"), nullptr);
  EXPECT_EQ(sys.ModalDepth(), 0);
}

TEST_F(WindowTest, ALoopWithNothingToWaitForFailsInsteadOfHanging) {
  MakeTop(Bounds(0, 0, 100, 100));
  EXPECT_THROW(sys.ModalLoop([] { return false; }), ELoopStalled);
}

TEST_F(WindowTest, MessageFilterSeesMessagesBeforeDispatch) {
  HWND w = MakeTop(Bounds(0, 0, 100, 100));
  std::vector<UINT> filtered;
  int id = sys.AddMessageFilter([&](TMsg& m) {
    if (m.message != WM_KEYDOWN) return false;
    filtered.push_back(static_cast<UINT>(m.wParam));
    return true;
  });
  driver.PressKey(VK_DOWN);
  EXPECT_EQ(filtered, (std::vector<UINT>{VK_DOWN}));
  EXPECT_TRUE(MessagesOf(w, {WM_KEYDOWN}).empty());
  EXPECT_EQ(MessagesOf(w, {WM_KEYUP}).size(), 1u);
  sys.RemoveMessageFilter(id);
  driver.PressKey(VK_DOWN);
  EXPECT_EQ(MessagesOf(w, {WM_KEYDOWN}).size(), 1u);
}

TEST_F(WindowTest, CaretBlinksOnTheClock) {
  HWND w = MakeTopWithBackground(Bounds(0, 0, 100, 100), clWhite);
  driver.RunUntilIdle();
  sys.CreateCaret(w, 2, 10);
  sys.SetCaretPos(5, 5);
  EXPECT_EQ(driver.ClientPixel(w, {5, 5}), clWhite);  // created hidden
  sys.ShowCaret(w);
  EXPECT_EQ(driver.ClientPixel(w, {5, 5}), clBlack);
  EXPECT_EQ(driver.ClientPixel(w, {7, 5}), clWhite);
  driver.Advance(530);
  EXPECT_EQ(driver.ClientPixel(w, {5, 5}), clWhite);
  driver.Advance(530);
  EXPECT_EQ(driver.ClientPixel(w, {6, 14}), clBlack);
  sys.HideCaret(w);
  EXPECT_EQ(driver.ClientPixel(w, {5, 5}), clWhite);
  sys.DestroyCaret();
}

TEST_F(WindowTest, QuitEndsGetMessage) {
  MakeTop(Bounds(0, 0, 100, 100));
  sys.PostMessage(nullptr, WM_USER);
  sys.PostQuitMessage(3);
  TMsg msg;
  EXPECT_TRUE(sys.GetMessage(msg));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_FALSE(sys.GetMessage(msg));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(WindowTest, AWindowMayDestroyItselfInsideItsOwnMessage) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100));
  HWND child =
      MakeChild(top, Bounds(0, 0, 50, 50), WS_CHILD | WS_VISIBLE, [&](HWND h, TMessage& m) {
        if (m.Msg == WM_LBUTTONDOWN) sys.DestroyWindow(h);
        return false;  // default processing runs on the destroyed window
      });
  sys.PostMessage(child, WM_USER);
  driver.Click({10, 10});
  EXPECT_FALSE(sys.IsWindow(child));
  EXPECT_TRUE(sys.IsWindow(top));
  EXPECT_TRUE(MessagesOf(child, {WM_USER}).empty() || !sys.IsWindow(child));
}

TEST_F(WindowTest, MinimizeAndMaximizeUseTheWorkArea) {
  HWND w = MakeTop(Bounds(10, 10, 300, 200), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  sys.ShowWindow(w, SW_MAXIMIZE);
  EXPECT_EQ(sys.GetWindowRect(w), Rect(0, 0, 1920, 1080));
  EXPECT_EQ(Logged(WM_SIZE).back().wParam, SIZE_MAXIMIZED);
  sys.ShowWindow(w, SW_RESTORE);
  EXPECT_EQ(sys.GetWindowRect(w), Bounds(10, 10, 300, 200));
  sys.SendMessage(w, WM_SYSCOMMAND, SC_MINIMIZE);
  EXPECT_TRUE(sys.IsIconic(w));
  EXPECT_EQ(sys.GetActiveWindow(), nullptr);
  EXPECT_EQ(driver.ScreenPixel({100, 100}), static_cast<TColor>(0xA56E3A));
  sys.ShowWindow(w, SW_RESTORE);
  EXPECT_FALSE(sys.IsIconic(w));
  EXPECT_EQ(sys.GetActiveWindow(), w);
}

}  // namespace
}  // namespace kx::test

namespace kx::test {
namespace {

TEST_F(WindowTest, SizingKeepsTheSizeLimitsTheWindowAnswers) {
  HWND w =
      MakeTop(Bounds(100, 100, 400, 300), WS_OVERLAPPEDWINDOW | WS_VISIBLE, [](HWND, TMessage& m) {
        if (m.Msg != WM_GETMINMAXINFO) return false;
        reinterpret_cast<MINMAXINFO*>(m.LParam)->ptMinTrackSize = {217, 35};
        return true;
      });
  driver.Drag({498, 398}, {100, 100});  // the bottom-right corner, far past the minimum
  EXPECT_EQ(sys.GetWindowRect(w), Bounds(100, 100, 217, 35));
  EXPECT_FALSE(Logged(WM_SIZING).empty());
  driver.Drag({101, 120}, {51, 120});  // the left edge moves the left side only
  EXPECT_EQ(sys.GetWindowRect(w), Rect(50, 100, 317, 135));
}

TEST_F(WindowTest, ClipboardAndPictureCursorsReachTheBackend) {
  sys.SetClipboardText(u"Fixture \u00FC");
  EXPECT_TRUE(sys.HasClipboardText());
  EXPECT_EQ(sys.GetClipboardText(), u"Fixture \u00FC");

  TBitmap picture(4, 4, TPixelFormat::pf24bit);
  TBitmap mask(4, 4, TPixelFormat::pf1bit);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      picture.SetPixelAt(x, y, ColorToPixel(clRed));
      mask.SetPixelAt(x, y, x < 2 ? 0xFF000000u : 0xFFFFFFFFu);
    }
  }
  HCURSOR cursor = CreateCursorFromBitmaps(picture, mask, {1, 2});
  EXPECT_EQ(cursor->Image.PixelAt(0, 0), 0xFFFF0000u);
  EXPECT_EQ(cursor->Image.PixelAt(3, 0), 0u);  // white mask: transparent
  sys.SetCursor(cursor);
  EXPECT_EQ(session.backend.Cursor(), cursor);
  EXPECT_EQ(session.backend.Cursor()->HotSpot, (TPoint{1, 2}));
}

}  // namespace
}  // namespace kx::test
