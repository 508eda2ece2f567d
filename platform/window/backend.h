#pragma once

#include <cstdint>
#include <string>

#include "platform/base/geometry.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "platform/window/cursor.h"
#include "platform/window/messages.h"

namespace kx {

class TWindowSystem;

// What the window system needs of the screen it runs on. A backend shows the
// top-level windows (their back buffers), reports input to the system and
// offers the clipboard and cursors. Child windows never reach the backend.
class WindowBackend {
 public:
  virtual ~WindowBackend() = default;
  virtual const char* Name() const = 0;
  virtual void Attach(TWindowSystem& system) = 0;
  virtual void Detach() = 0;

  virtual TRect ScreenRect() const = 0;
  virtual TRect WorkArea(TPoint nearPoint) const = 0;

  virtual void CreateNative(HWND topLevel) = 0;
  virtual void DestroyNative(HWND topLevel) = 0;
  virtual void SetNativeBounds(HWND topLevel, const TRect& screenRect) = 0;
  virtual void ShowNative(HWND topLevel, bool visible) = 0;
  // Iconifies the window through the window manager (ShowNative(true) brings it back).
  virtual void MinimizeNative(HWND topLevel) = 0;
  // The window region in window coordinates, or nullptr for a rectangular window.
  virtual void SetNativeShape(HWND topLevel, const TRegion* region) = 0;
  virtual void SetNativeAlpha(HWND topLevel, std::uint8_t alpha) = 0;
  virtual void RaiseNative(HWND topLevel) = 0;
  virtual void FocusNative(HWND topLevel) = 0;
  // The back buffer changed inside dirty (window coordinates).
  virtual void Present(HWND topLevel, const TBitmap& buffer, const TRect& dirty) = 0;

  virtual void SetCursor(const HCURSOR& cursor) = 0;
  // The clipboard's text as the desktop holds it: UTF-8 bytes, passed on as
  // they are even when they are not well-formed.
  virtual void SetClipboardText(const std::string& utf8) = 0;
  virtual std::string ClipboardText() const = 0;
  virtual bool HasClipboardText() const = 0;
  // Where the pointer is; backends that do not know report the last position
  // the window system saw.
  virtual TPoint CursorPos(TPoint lastSeen) const = 0;
  virtual void SetCursorPos(TPoint screenPoint) = 0;
  virtual void CaptureMouse(bool on) = 0;

  // Delivers pending OS events to the system without waiting.
  virtual void Pump() = 0;
  // Waits for OS events up to timeoutMs (-1: no limit) and delivers them.
  virtual void Wait(int timeoutMs) = 0;
};

}  // namespace kx
