#pragma once

#include <deque>
#include <functional>
#include <stdexcept>

#include "platform/window/backend.h"

namespace kx {

// Raised when a loop waits for input that nobody will ever give (a headless
// run with nothing scripted): failing beats hanging.
class ELoopStalled : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A virtual screen: the top-level windows are composed from their back buffers
// on demand, input comes from the test driver.
class HeadlessBackend final : public WindowBackend {
 public:
  explicit HeadlessBackend(TSize screen = {1920, 1080});
  const char* Name() const override { return "headless"; }
  void Attach(TWindowSystem& system) override { m_system = &system; }
  void Detach() override { m_system = nullptr; }

  TRect ScreenRect() const override { return {0, 0, m_screen.cx, m_screen.cy}; }
  TRect WorkArea(TPoint) const override { return ScreenRect(); }

  void CreateNative(HWND) override {}
  void DestroyNative(HWND) override {}
  void SetNativeBounds(HWND, const TRect&) override {}
  void ShowNative(HWND, bool) override {}
  void MinimizeNative(HWND) override {}
  void SetNativeShape(HWND, const TRegion*) override {}
  void SetNativeAlpha(HWND, std::uint8_t) override {}
  void RaiseNative(HWND) override {}
  void FocusNative(HWND) override {}
  void Present(HWND, const TBitmap&, const TRect&) override { ++m_presents; }

  void SetCursor(const HCURSOR& cursor) override { m_cursor = cursor; }
  void SetClipboardText(const std::string& utf8) override {
    m_clipboard = utf8;
    m_hasClipboard = true;
  }
  std::string ClipboardText() const override { return m_clipboard; }
  bool HasClipboardText() const override { return m_hasClipboard; }
  TPoint CursorPos(TPoint lastSeen) const override { return lastSeen; }
  void SetCursorPos(TPoint) override {}
  void CaptureMouse(bool) override {}

  void Pump() override {}
  // Runs the next scripted action; with a running clock it sleeps instead; with
  // neither it raises ELoopStalled.
  void Wait(int timeoutMs) override;

  void AddIdleAction(std::function<void()> action) { m_idleActions.push_back(std::move(action)); }
  bool HasIdleActions() const { return !m_idleActions.empty(); }
  const HCURSOR& Cursor() const { return m_cursor; }
  int PresentCount() const { return m_presents; }

  // The screen as the user would see it: desktop, then every visible top-level
  // window from the bottom up, cut by its region, blended by its alpha, with the caret.
  TBitmap ComposeScreen() const;
  // One top-level window's back buffer with the caret.
  TBitmap CaptureWindow(HWND topLevel) const;

 private:
  TSize m_screen;
  TWindowSystem* m_system = nullptr;
  std::deque<std::function<void()>> m_idleActions;
  HCURSOR m_cursor;
  std::string m_clipboard;
  bool m_hasClipboard = false;
  int m_presents = 0;
};

}  // namespace kx
