#pragma once

// The way the layers above the window core reach it: WindowSystem() for the
// current window system (one exists while a session or the application runs),
// and the platform's window functions under their own names for code written
// against them (controls, the skin engine). Each reaches the current window system.
#include "platform/window/window_system.h"

namespace kx {

inline TWindowSystem& WindowSystem() {
  return TWindowSystem::Current();
}
// False before the window system starts and after it ends (for destructors that
// may run then).
inline bool WindowSystemExists() {
  return TWindowSystem::Exists();
}

inline LRESULT SendMessage(HWND h, UINT m, WPARAM w = 0, LPARAM l = 0) {
  return WindowSystem().SendMessage(h, m, w, l);
}
inline bool PostMessage(HWND h, UINT m, WPARAM w = 0, LPARAM l = 0) {
  return WindowSystem().PostMessage(h, m, w, l);
}
inline void DefWindowProc(HWND h, TMessage& m) {
  WindowSystem().DefWindowProc(h, m);
}
inline void CallWindowProc(const TWndProc& proc, HWND h, TMessage& m) {
  if (proc) {
    proc(h, m);
  } else {
    WindowSystem().DefWindowProc(h, m);
  }
}
inline bool IsWindow(HWND h) {
  return TWindowSystem::Exists() && WindowSystem().IsWindow(h);
}
inline bool DestroyWindow(HWND h) {
  return WindowSystem().DestroyWindow(h);
}
inline bool ShowWindow(HWND h, int cmd) {
  return WindowSystem().ShowWindow(h, cmd);
}
inline bool SetWindowPos(HWND h, HWND after, int x, int y, int cx, int cy, UINT flags) {
  return WindowSystem().SetWindowPos(h, after, x, y, cx, cy, flags);
}
inline bool InvalidateRect(HWND h, const TRect* r, bool erase) {
  return WindowSystem().InvalidateRect(h, r, erase);
}
inline bool RedrawWindow(HWND h, const TRect* r, const TRegion* rgn, UINT flags) {
  return WindowSystem().RedrawWindow(h, r, rgn, flags);
}
inline int ScrollWindowEx(HWND h, int dx, int dy, const TRect* scroll, const TRect* clip,
                          TRegion* updateRegion, TRect* updateRect, UINT flags) {
  return WindowSystem().ScrollWindowEx(h, dx, dy, scroll, clip, updateRegion, updateRect, flags);
}
inline bool UpdateWindow(HWND h) {
  return WindowSystem().UpdateWindow(h);
}
inline TRect GetWindowRect(HWND h) {
  return WindowSystem().GetWindowRect(h);
}
inline TRect GetClientRect(HWND h) {
  return WindowSystem().GetClientRect(h);
}
inline TPoint ClientToScreen(HWND h, TPoint p) {
  return WindowSystem().ClientToScreen(h, p);
}
inline TPoint ScreenToClient(HWND h, TPoint p) {
  return WindowSystem().ScreenToClient(h, p);
}
inline HWND SetCapture(HWND h) {
  return WindowSystem().SetCapture(h);
}
inline bool ReleaseCapture() {
  return WindowSystem().ReleaseCapture();
}
inline HWND GetCapture() {
  return WindowSystem().GetCapture();
}
inline HWND SetFocus(HWND h) {
  return WindowSystem().SetFocus(h);
}
inline HWND GetFocus() {
  return WindowSystem().GetFocus();
}
inline HWND GetActiveWindow() {
  return WindowSystem().GetActiveWindow();
}
inline std::uintptr_t SetTimer(HWND h, std::uintptr_t id, std::uint32_t ms) {
  return WindowSystem().SetTimer(h, id, ms);
}
inline bool KillTimer(HWND h, std::uintptr_t id) {
  return WindowSystem().KillTimer(h, id);
}
inline std::int16_t GetKeyState(int vk) {
  return WindowSystem().GetKeyState(vk);
}
inline TPoint GetCursorPos() {
  return WindowSystem().GetCursorPos();
}
inline HCURSOR SetCursor(HCURSOR c) {
  return WindowSystem().SetCursor(std::move(c));
}
inline int GetSystemMetrics(int index) {
  return WindowSystem().GetSystemMetrics(index);
}
inline std::uint32_t GetTickCount() {
  return WindowSystem().Clock().Now();
}

}  // namespace kx
