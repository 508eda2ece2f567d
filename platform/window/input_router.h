#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "platform/window/device_context.h"
#include "platform/window/window.h"

namespace kx {

class TWindowSystem;

// Input routing: the raw input queue, the keyboard state, the pointer and its
// cursor, capture, focus and activation, double clicks and mouse-leave tracking.
class InputRouter {
 public:
  explicit InputRouter(TWindowSystem& system);
  InputRouter(const InputRouter&) = delete;
  InputRouter& operator=(const InputRouter&) = delete;

  void QueueInput(const RawInput& input);
  bool InputPending() const { return !m_input.empty(); }
  HWND SetCapture(HWND hwnd);
  bool ReleaseCapture();
  HWND GetCapture() const { return m_capture; }
  HWND SetFocus(HWND hwnd);
  HWND GetFocus() const { return m_focus; }
  HWND SetActiveWindow(HWND hwnd);
  HWND GetActiveWindow() const { return m_active; }
  bool SetForegroundWindow(HWND hwnd);
  HWND GetForegroundWindow() const { return m_active; }
  std::int16_t GetKeyState(int vk) const;
  TPoint GetCursorPos() const;
  void SetCursorPos(TPoint screen);
  HCURSOR SetCursor(HCURSOR cursor);
  HCURSOR GetCursor() const { return m_cursor; }
  bool TrackMouseEvent(HWND hwnd, UINT flags);
  void SetClipboardText(const std::string& utf8);
  std::string GetClipboardText() const;
  bool HasClipboardText() const;
  WPARAM MouseKeyState() const;

  // Where the pointer was at the last input (messages carry it).
  TPoint CursorPosition() const { return m_cursorPos; }
  // Routes the oldest raw input into out; false when it makes no message.
  bool RouteNextInput(TMsg& out);
  // Makes top (or nothing) the active top-level window, with the activation messages.
  void ActivateTopLevel(HWND top, WPARAM state);
  // The window that SetFocus is activating the top level for, while it does.
  HWND FocusAfterActivation() const { return m_focusAfterActivation; }
  // A window being destroyed loses the capture without a message.
  void DropCapture(HWND hwnd);
  // A window hidden or disabled takes the focus and the capture of its tree with it.
  void LoseFocusAndCaptureWithin(HWND hwnd);
  // A minimized active window is deactivated.
  void DeactivateMinimized(HWND hwnd);
  // The desktop gave the keyboard to one of our top-level windows, or (nullptr)
  // to a window of another program: the active window follows it.
  void NativeFocusChanged(HWND topLevel);
  // Forgets a destroyed window; when it was active, the next top-level window is activated.
  void ForgetWindow(HWND hwnd);

 private:
  struct ClickMemory {
    HWND hwnd = nullptr;
    int button = -1;
    bool client = true;
    std::uint32_t time = 0;
    TPoint screen;
  };
  struct MouseTracking {
    HWND hwnd = nullptr;
    bool client = false;
    bool nonClient = false;
  };

  bool RouteInput(const RawInput& input, TMsg& out);
  bool RouteMouse(const RawInput& input, TMsg& out);
  bool RouteKey(const RawInput& input, TMsg& out);
  HWND HitWindow(TPoint screen, int& hit);
  void UpdateMouseTracking(HWND hwnd, bool client);
  bool MouseActivate(HWND hwnd, int hit, UINT mouseMsg);
  bool IsDoubleClick(HWND hwnd, int button, bool client, TPoint screen);

  TWindowSystem& m_system;
  std::deque<RawInput> m_input;
  HWND m_focus = nullptr;
  HWND m_active = nullptr;
  HWND m_capture = nullptr;
  HWND m_focusAfterActivation = nullptr;  // SetFocus is activating the window's top level
  // The active window and the focus when another program took the keyboard.
  HWND m_takenByOtherProgram = nullptr;
  HWND m_focusTakenByOtherProgram = nullptr;
  ClickMemory m_lastClick;
  MouseTracking m_tracking;
  std::array<bool, 256> m_keyDown{};
  TPoint m_cursorPos;
  HCURSOR m_cursor;
};

}  // namespace kx
