#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/geometry.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "platform/window/cursor.h"
#include "platform/window/messages.h"

namespace kx {

// A window procedure. Procedures that take over a window keep the previous one
// and call it (CallWindowProc) for default processing.
using TWndProc = std::function<void(HWND, TMessage&)>;

struct ScrollBarState {
  SCROLLINFO Info{SIF_ALL, 0, 100, 0, 0, 0};
  bool Disabled = false;  // shown but inactive (SIF_DISABLENOSCROLL, EnableScrollBar)
};

// The state of one window. The window system owns every window; HWND is a
// non-owning pointer that the system checks before it uses one it was given.
class TWindow {
 public:
  std::string ClassName;
  std::string Text;
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
  std::uint32_t ClassStyle = 0;
  int Id = 0;
  std::uintptr_t UserData = 0;

  HWND Parent = nullptr;
  HWND Owner = nullptr;
  std::vector<HWND> Children;  // front = top of the z-order

  TRect Rect;            // window rectangle, in parent client (top-level: screen) coordinates
  TRect ClientInWindow;  // client rectangle relative to the window's top-left corner
  std::optional<TRegion> Region;  // window region, window coordinates

  std::shared_ptr<TWndProc> Proc;  // shared so a procedure may replace itself while it runs
  HCURSOR ClassCursor;
  TColor ClassBackground = clNone;  // erase colour of the default WM_ERASEBKGND; clNone: none

  TRegion Update;  // invalid part of the client area, client coordinates
  bool UpdateErase = false;
  bool FrameInvalid = false;
  bool InternalPaint = false;

  ScrollBarState HScroll;
  ScrollBarState VScroll;

  std::uint8_t Alpha = 255;  // layered-window alpha
  bool Minimized = false;
  bool Maximized = false;
  TRect RestoreRect;
  bool RedrawOff = false;  // WM_SETREDRAW FALSE
  bool Destroying = false;
  bool ShownOnce = false;

  // Top-level windows only: the back buffer of the whole window rectangle and
  // the part of it changed since the backend last presented it.
  std::unique_ptr<TBitmap> BackBuffer;
  TRect Dirty;

  bool IsTopLevel() const { return Parent == nullptr; }
  bool IsChild() const { return (Style & WS_CHILD) != 0 && Parent != nullptr; }
  bool Visible() const { return (Style & WS_VISIBLE) != 0; }
  bool Enabled() const { return (Style & WS_DISABLED) == 0; }
  int Width() const { return Rect.Width(); }
  int Height() const { return Rect.Height(); }
  TRect WindowBounds() const { return {0, 0, Rect.Width(), Rect.Height()}; }
  TSize ClientSize() const { return ClientInWindow.Size(); }
  ScrollBarState& Bar(int bar) { return bar == SB_HORZ ? HScroll : VScroll; }
  const ScrollBarState& Bar(int bar) const { return bar == SB_HORZ ? HScroll : VScroll; }
};

// What CreateWindowEx needs.
struct TCreateParams {
  std::string ClassName = "Window";
  std::string Text;
  std::uint32_t Style = WS_OVERLAPPEDWINDOW;
  std::uint32_t ExStyle = 0;
  std::uint32_t ClassStyle = CS_DBLCLKS;
  TRect Bounds{0, 0, 100, 100};  // parent client (top-level: screen) coordinates
  HWND Parent = nullptr;
  HWND Owner = nullptr;
  int Id = 0;
  TWndProc Proc;  // empty: default processing only
  HCURSOR Cursor;
  TColor Background = clBtnFace;
};

}  // namespace kx
