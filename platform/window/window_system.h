#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/window/backend.h"
#include "platform/window/clock.h"
#include "platform/window/window.h"

namespace kx {

// A device context: a canvas over a top-level back buffer, placed and clipped
// for one window. Releasing it (destruction) marks the drawn part for presenting.
class TDeviceContext {
 public:
  TDeviceContext(HWND owner, TBitmap& target, TRect dirtyBounds);
  ~TDeviceContext();
  TDeviceContext(const TDeviceContext&) = delete;
  TDeviceContext& operator=(const TDeviceContext&) = delete;
  TCanvas& Canvas() { return m_canvas; }
  HWND Window() const { return m_owner; }

 private:
  HWND m_owner;
  TCanvas m_canvas;
  TRect m_dirty;
};
using HDC = std::unique_ptr<TDeviceContext>;

struct TPaintStruct {
  HDC hdc;
  bool fErase = false;  // the background still needs erasing
  TRect rcPaint;        // client coordinates
};

// Raw input as a backend or the test driver reports it, routed when it is read.
struct RawInput {
  enum class Kind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Char, MouseLeft };
  Kind kind = Kind::MouseMove;
  TPoint screen;
  int button = 0;  // 0 left, 1 right, 2 middle
  int delta = 0;   // wheel
  int vk = 0;
  char16_t ch = 0;
  bool noTranslate = false;
};

// The window system: every window, the message queue, timers, painting, input
// routing and the backend. One exists at a time; the platform-style functions
// of api.h reach it through Current().
class TWindowSystem {
 public:
  TWindowSystem(WindowBackend& backend, LoopClock& clock);
  ~TWindowSystem();
  TWindowSystem(const TWindowSystem&) = delete;
  TWindowSystem& operator=(const TWindowSystem&) = delete;

  static TWindowSystem& Current();
  static bool Exists();

  WindowBackend& Backend() { return m_backend; }
  LoopClock& Clock() { return m_clock; }

  // --- windows (window_system.cpp)
  HWND CreateWindowEx(const TCreateParams& params);
  bool DestroyWindow(HWND hwnd);
  bool IsWindow(HWND hwnd) const;
  std::vector<HWND> TopLevelWindows() const;  // front = top of the z-order
  HWND GetParent(HWND hwnd) const;
  HWND GetAncestorTopLevel(HWND hwnd) const;
  bool IsChildOf(HWND parent, HWND hwnd) const;  // hwnd is parent or below it
  TWndProc SetWindowProc(HWND hwnd, TWndProc proc);
  bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
  bool MoveWindow(HWND hwnd, const TRect& rect, bool repaint = true);
  bool ShowWindow(HWND hwnd, int cmd);
  bool IsWindowVisible(HWND hwnd) const;  // visible with all its ancestors
  bool EnableWindow(HWND hwnd, bool enable);
  bool IsWindowEnabled(HWND hwnd) const;
  void SetWindowText(HWND hwnd, const std::string& text);
  std::string GetWindowText(HWND hwnd) const;
  std::uint32_t GetStyle(HWND hwnd) const;
  std::uint32_t GetExStyle(HWND hwnd) const;
  void SetStyle(HWND hwnd, std::uint32_t style);
  void SetExStyle(HWND hwnd, std::uint32_t exStyle);
  TRect GetWindowRect(HWND hwnd) const;  // screen coordinates
  TRect GetClientRect(HWND hwnd) const;  // (0, 0, width, height)
  TPoint ClientToScreen(HWND hwnd, TPoint p) const;
  TPoint ScreenToClient(HWND hwnd, TPoint p) const;
  TPoint WindowOrigin(HWND hwnd) const;  // window's top-left in screen coordinates
  TPoint ClientOrigin(HWND hwnd) const;  // client's top-left in screen coordinates
  HWND WindowFromPoint(TPoint screen) const;
  HWND ChildWindowFromPoint(HWND parent, TPoint client) const;
  // nullptr removes the region. Redraws the window when redraw is set.
  void SetWindowRgn(HWND hwnd, const TRegion* region, bool redraw);
  const TRegion* GetWindowRgn(HWND hwnd) const;
  bool SetLayeredWindowAttributes(HWND hwnd, std::uint8_t alpha, UINT flags);
  std::uint8_t GetLayeredWindowAlpha(HWND hwnd) const;  // 255 for an unknown window
  // A value the window's owner keeps with the window (the framework: its control).
  void SetWindowUserData(HWND hwnd, std::uintptr_t data);
  std::uintptr_t GetWindowUserData(HWND hwnd) const;  // 0 for an unknown window
  // The erase colour of the default WM_ERASEBKGND; clNone erases nothing.
  void SetClassBackground(HWND hwnd, TColor color);
  bool IsIconic(HWND hwnd) const;
  bool IsZoomed(HWND hwnd) const;
  TRect MonitorWorkArea(HWND hwnd) const;
  TRect MonitorRect(HWND hwnd) const;

  // --- messages and the loop (message_loop.cpp)
  LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  void Deliver(HWND hwnd, TMessage& message);  // calls the window procedure
  bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  void PostQuitMessage(int exitCode);
  bool QuitPosted() const { return m_quitPosted; }
  int QuitCode() const { return m_quitCode; }
  // False on WM_QUIT.
  bool GetMessage(TMsg& msg);
  bool PeekMessage(TMsg& msg, UINT removeFlags);
  LRESULT DispatchMessage(const TMsg& msg);
  bool TranslateMessage(const TMsg& msg);
  // Runs the loop until done() is true; false when WM_QUIT arrived (it is posted again).
  bool ModalLoop(const std::function<bool()>& done);
  int ModalDepth() const { return m_modalDepth; }
  // Handles every message that is waiting, without blocking; true if any was handled.
  bool ProcessPending();

  // A filter sees each message before it is returned by GetMessage or
  // PeekMessage(PM_REMOVE); returning true swallows it.
  using MessageFilter = std::function<bool(TMsg&)>;
  int AddMessageFilter(MessageFilter filter);
  void RemoveMessageFilter(int id);

  std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, std::uint32_t elapseMs,
                          std::function<void()> callback = {});
  bool KillTimer(HWND hwnd, std::uintptr_t id);

  // --- painting (painting.cpp)
  bool RedrawWindow(HWND hwnd, const TRect* rect, const TRegion* region, UINT flags);
  bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase);
  bool InvalidateRgn(HWND hwnd, const TRegion& region, bool erase);
  bool ValidateRect(HWND hwnd, const TRect* rect);
  bool UpdateWindow(HWND hwnd);
  bool GetUpdateRect(HWND hwnd, TRect& rect) const;
  const TRegion& GetUpdateRegion(HWND hwnd) const;
  // The canvas lives in ps.hdc until EndPaint.
  TCanvas& BeginPaint(HWND hwnd, TPaintStruct& ps);
  void EndPaint(HWND hwnd, TPaintStruct& ps);
  HDC GetDC(HWND hwnd);        // client area
  HDC GetWindowDC(HWND hwnd);  // whole window, client excluded by nothing
  // Where the window can be seen inside its top-level window (top-level window coordinates).
  TRegion VisibleRegion(HWND hwnd, bool clientOnly, bool clipChildren) const;
  int ScrollWindowEx(HWND hwnd, int dx, int dy, const TRect* scroll, const TRect* clip,
                     TRegion* updateRegion, TRect* updateRect, UINT flags);
  void MarkDirty(HWND topLevel, const TRect& windowRect);
  void PresentAll();

  // --- input (input.cpp)
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
  void SetClipboardText(const std::u16string& text);
  std::u16string GetClipboardText() const;
  bool HasClipboardText() const;
  WPARAM MouseKeyState() const;

  // --- caret (caret.cpp)
  bool CreateCaret(HWND hwnd, int width, int height);
  bool DestroyCaret();
  bool SetCaretPos(int x, int y);
  TPoint GetCaretPos() const;
  bool ShowCaret(HWND hwnd);
  bool HideCaret(HWND hwnd);
  // The caret as it is on screen now: the pixels to invert, top-level coordinates.
  TRegion CaretOverlay(HWND topLevel) const;
  bool CaretOn() const;

  // --- scroll bars (scroll_bar.cpp)
  int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw);
  bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info) const;
  int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw);
  int GetScrollPos(HWND hwnd, int bar) const;
  bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw);
  bool ShowScrollBar(HWND hwnd, int bar, bool show);
  bool EnableScrollBar(HWND hwnd, int bar, UINT arrows);
  // The scroll bar's rectangle in window coordinates; empty when it is not shown.
  TRect ScrollBarRect(HWND hwnd, int bar) const;

  // --- default processing (def_window_proc.cpp, nonclient.cpp)
  void DefWindowProc(HWND hwnd, TMessage& message);
  int GetSystemMetrics(int index) const;
  std::uint32_t DoubleClickTime() const { return 500; }
  std::uint32_t CaretBlinkTime() const { return 530; }
  bool InSizeMove() const { return m_moveSize.active; }

 private:
  friend class TDeviceContext;
  struct TimerEntry {
    HWND hwnd;
    std::uintptr_t id;
    std::uint32_t interval;
    std::uint32_t due;
    std::function<void()> callback;
  };
  struct CaretState {
    HWND hwnd = nullptr;
    TRect rect;  // client coordinates
    int hideCount = 1;
    bool blinkOn = false;
    std::uint32_t nextToggle = 0;
  };
  struct ClickMemory {
    HWND hwnd = nullptr;
    int button = -1;
    bool client = true;
    std::uint32_t time = 0;
    TPoint screen;
  };
  struct MoveSizeTracking {
    bool active = false;
    HWND hwnd = nullptr;
    int hit = HTCAPTION;
    TPoint start;
    TRect startRect;
  };
  struct ScrollTracking {
    bool active = false;
    HWND hwnd = nullptr;
    int bar = SB_VERT;
    int part = 0;  // one of the ScrollPart values of scroll_bar.cpp
    int thumbOffset = 0;
    int trackPos = 0;
    std::uint32_t nextRepeat = 0;
    TPoint cursor;
  };
  struct MouseTracking {
    HWND hwnd = nullptr;
    bool client = false;
    bool nonClient = false;
  };

  // window_system.cpp
  void DestroyTree(HWND hwnd);
  void ForgetWindow(HWND hwnd);
  std::vector<HWND>& SiblingList(HWND hwnd);
  void PlaceInZOrder(HWND hwnd, HWND insertAfter);
  void RecalcNonClient(HWND hwnd);
  void ApplyBounds(HWND hwnd, const TRect& rect, bool redraw);
  void ResizeBackBuffer(HWND hwnd);
  HWND FindChildAt(HWND parent, TPoint clientPoint, bool enabledOnly) const;
  bool ContainsScreenPoint(HWND hwnd, TPoint screen) const;

  // message_loop.cpp
  bool NextMessage(TMsg& msg, bool remove, bool wait);
  bool TakePaintMessage(TMsg& msg);
  bool TakeTimerMessage(TMsg& msg);
  std::optional<std::uint32_t> NextDeadline() const;
  void RunInternalTimers();
  bool PassesFilters(TMsg& msg);
  HWND FindWindowNeedingPaint(HWND hwnd) const;

  // painting.cpp
  void InvalidateTree(HWND hwnd, TRegion clientRegion, UINT flags);
  TPoint OffsetInTopLevel(HWND hwnd) const;
  HDC MakeDC(HWND hwnd, bool client, const TRegion* clipClient);
  TRegion ShapeInTopLevel(HWND hwnd) const;
  void PaintNow(HWND hwnd, bool withChildren);
  void ExposeInParent(HWND hwnd, const TRect& rectInParent);

  // input.cpp
  bool RouteInput(const RawInput& input, TMsg& out);
  bool RouteMouse(const RawInput& input, TMsg& out);
  bool RouteKey(const RawInput& input, TMsg& out);
  HWND HitWindow(TPoint screen, int& hit);
  void UpdateMouseTracking(HWND hwnd, bool client);
  bool MouseActivate(HWND hwnd, int hit, UINT mouseMsg);
  bool IsDoubleClick(HWND hwnd, int button, bool client, TPoint screen);
  void ActivateTopLevel(HWND topLevel, WPARAM state);

  // nonclient.cpp
 public:
  struct FrameInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
  };
  FrameInsets DefaultFrameInsets(HWND hwnd) const;
  int DefaultHitTest(HWND hwnd, TPoint screen) const;
  void DefaultNcPaint(HWND hwnd);
  TRect CaptionButtonRect(HWND hwnd, int hit) const;  // window coordinates
  void BeginMoveSize(HWND hwnd, int hit);
  // Asks the window for its size limits (WM_GETMINMAXINFO) after filling in the defaults.
  MINMAXINFO QueryMinMaxInfo(HWND hwnd);
  // The OS moved a top-level window by itself (a window manager drag).
  void OnNativeMoved(HWND hwnd, TPoint screen);
  std::optional<std::uint32_t> NextTimerDeadline() const { return NextDeadline(); }

 private:
  bool HandleMoveSizeInput(const RawInput& input);
  void EndMoveSize();

  // scroll_bar.cpp
 public:
  void BeginScrollTrack(HWND hwnd, int bar, TPoint screen);

 private:
  bool HandleScrollTrackInput(const RawInput& input);
  void RepeatScrollTrack();
  void DrawScrollBars(HWND hwnd, TCanvas& windowCanvas);
  void UpdateScrollBarVisibility(HWND hwnd, int bar, bool wanted);

  WindowBackend& m_backend;
  LoopClock& m_clock;
  TWindowSystem* m_previous = nullptr;
  std::unordered_map<HWND, std::unique_ptr<TWindow>> m_windows;
  std::vector<HWND> m_topLevels;  // front = top
  std::deque<TMsg> m_posted;
  std::deque<RawInput> m_input;
  std::vector<TimerEntry> m_timers;
  std::uintptr_t m_nextTimerId = 0x8000;
  std::vector<std::pair<int, MessageFilter>> m_filters;
  int m_nextFilterId = 1;
  bool m_quitPosted = false;
  int m_quitCode = 0;
  int m_modalDepth = 0;
  HWND m_focus = nullptr;
  HWND m_active = nullptr;
  HWND m_capture = nullptr;
  HWND m_paintingHwnd = nullptr;
  HWND m_focusAfterActivation = nullptr;  // SetFocus is activating the window's top level
  bool m_paintedDuringDispatch = false;
  CaretState m_caret;
  ClickMemory m_lastClick;
  MoveSizeTracking m_moveSize;
  ScrollTracking m_scrollTrack;
  MouseTracking m_tracking;
  HWND m_pressedCaptionButton = nullptr;
  int m_pressedCaptionHit = 0;
  std::array<bool, 256> m_keyDown{};
  TPoint m_cursorPos;
  HCURSOR m_cursor;
  TBitmap m_nullTarget{1, 1};
  int m_deliverDepth = 0;
  std::vector<std::unique_ptr<TWindow>> m_graveyard;
};

}  // namespace kx
