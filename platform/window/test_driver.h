#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/backend/headless/headless_backend.h"
#include "platform/window/clock.h"
#include "platform/window/window_system.h"

namespace kx {

// Drives the headless window system the way a user would: pointer, keys and
// time, then runs the loop until nothing is left to do. Used by every GUI test.
class TestDriver {
 public:
  enum Modifier : unsigned { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };
  struct WindowInfo {
    HWND hwnd = nullptr;
    std::string ClassName;
    std::string Text;
    TRect Rect;
    bool Visible = false;
  };

  TestDriver(TWindowSystem& system, HeadlessBackend& backend, VirtualClock& clock);

  // Pointer, in screen coordinates or in a window's client coordinates.
  void MoveTo(TPoint screen);
  void MoveTo(HWND hwnd, TPoint client);
  void Press(int button = 0);
  void Release(int button = 0);
  void Click(TPoint screen, int button = 0);
  void ClickAt(HWND hwnd, TPoint client, int button = 0);
  void DoubleClick(TPoint screen, int button = 0);
  void DoubleClickAt(HWND hwnd, TPoint client, int button = 0);
  void Drag(TPoint from, TPoint to, int steps = 4);
  void Wheel(int delta, TPoint screen, unsigned modifiers = None);
  TPoint PointerPos() const { return m_pointer; }

  // Keys: a press is down and up, with the modifiers held around it.
  void KeyDown(int vk);
  void KeyUp(int vk);
  void PressKey(int vk, unsigned modifiers = None);
  // UTF-8 text; characters with a US key are typed as keys, others as characters.
  void TypeText(std::string_view utf8);

  // The desktop's keyboard focus: a window of another program takes it, or the
  // desktop gives it to one of our top-level windows (as a window manager does
  // when the user clicks its frame or switches windows).
  void OtherProgramTakesFocus();
  void DesktopFocuses(HWND topLevel);

  // Time: advances the virtual clock step by step to every timer on the way.
  void Advance(std::uint32_t ms);
  // Handles messages until none is waiting. Does nothing inside a scripted
  // action, where the waiting loop itself handles them.
  void RunUntilIdle();
  // How RunUntilIdle handles each message (the default translates and dispatches);
  // an application installs its own so that its error handling is exercised.
  void SetMessageHandler(std::function<void(TMsg&)> handler) { m_handler = std::move(handler); }

  // Runs action the next time a loop waits for input (a modal dialog's loop).
  void WhenModal(std::function<void(TestDriver&)> action);
  bool InsideModalAction() const { return m_actionDepth > 0; }

  std::vector<WindowInfo> TopLevelWindows() const;
  // The topmost visible top-level window with this text, or nullptr.
  HWND FindTopLevel(std::string_view text) const;

  TBitmap Screen() const { return m_backend.ComposeScreen(); }
  TBitmap WindowImage(HWND topLevel) const { return m_backend.CaptureWindow(topLevel); }
  TColor ScreenPixel(TPoint screen) const;
  // A pixel of a window (any window) at a point of its window rectangle.
  TColor WindowPixel(HWND hwnd, TPoint windowPoint) const;
  TColor ClientPixel(HWND hwnd, TPoint client) const;
  void SaveScreenPng(const std::string& path) const;
  void SaveWindowPng(HWND topLevel, const std::string& path) const;

  TWindowSystem& System() { return m_system; }
  HeadlessBackend& Backend() { return m_backend; }
  VirtualClock& Clock() { return m_clock; }

 private:
  void Input(const RawInput& input);

  TWindowSystem& m_system;
  HeadlessBackend& m_backend;
  VirtualClock& m_clock;
  TPoint m_pointer{-1, -1};
  int m_actionDepth = 0;
  std::function<void(TMsg&)> m_handler;
};

// A complete headless set-up for tests and tools: clock, backend, window system, driver.
struct HeadlessSession {
  explicit HeadlessSession(TSize screen = {1920, 1080})
      : backend(screen), system(backend, clock), driver(system, backend, clock) {}
  VirtualClock clock;
  HeadlessBackend backend;
  TWindowSystem system;
  TestDriver driver;
};

}  // namespace kx
