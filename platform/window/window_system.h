#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/strings.h"
#include "platform/gfx/canvas.h"
#include "platform/window/backend.h"
#include "platform/window/caret.h"
#include "platform/window/clock.h"
#include "platform/window/default_frame.h"
#include "platform/window/device_context.h"
#include "platform/window/input_router.h"
#include "platform/window/message_queue.h"
#include "platform/window/painter.h"
#include "platform/window/scroll_bars.h"
#include "platform/window/window.h"
#include "platform/window/window_tree.h"

namespace kx {

// The window system: every window, the message queue, timers, painting, input
// routing and the backend. One exists at a time; the layers above reach it
// through api.h. It is a facade over parts with one job each (the window tree,
// the queue and timers, painting, input routing, the default frame, the scroll
// bars, the caret); each part keeps its own state and forgets a destroyed
// window itself.
class TWindowSystem {
 public:
  TWindowSystem(WindowBackend& backend, LoopClock& clock);
  ~TWindowSystem();
  TWindowSystem(const TWindowSystem&) = delete;
  TWindowSystem& operator=(const TWindowSystem&) = delete;

  static TWindowSystem& Current();
  static bool Exists();

  WindowBackend& Backend() { return m_backend; }
  const WindowBackend& Backend() const { return m_backend; }
  LoopClock& Clock() { return m_clock; }
  const LoopClock& Clock() const { return m_clock; }

  // --- windows
  HWND CreateWindowEx(const TCreateParams& params) { return m_tree.CreateWindowEx(params); }
  bool DestroyWindow(HWND hwnd) { return m_tree.DestroyWindow(hwnd); }
  bool IsWindow(HWND hwnd) const { return m_tree.IsWindow(hwnd); }
  std::vector<HWND> TopLevelWindows() const {
    return m_tree.TopLevelWindows();
  }  // front = top of the z-order
  HWND GetParent(HWND hwnd) const { return m_tree.GetParent(hwnd); }
  HWND GetAncestorTopLevel(HWND hwnd) const { return m_tree.GetAncestorTopLevel(hwnd); }
  bool IsChildOf(HWND parent, HWND hwnd) const {
    return m_tree.IsChildOf(parent, hwnd);
  }  // hwnd is parent or below it
  TWndProc SetWindowProc(HWND hwnd, TWndProc proc) {
    return m_tree.SetWindowProc(hwnd, std::move(proc));
  }
  bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return m_tree.SetWindowPos(hwnd, insertAfter, x, y, cx, cy, flags);
  }
  bool MoveWindow(HWND hwnd, const TRect& rect, bool repaint = true) {
    return m_tree.MoveWindow(hwnd, rect, repaint);
  }
  bool ShowWindow(HWND hwnd, int cmd) { return m_tree.ShowWindow(hwnd, cmd); }
  bool IsWindowVisible(HWND hwnd) const {
    return m_tree.IsWindowVisible(hwnd);
  }  // visible with all its ancestors
  bool EnableWindow(HWND hwnd, bool enable) { return m_tree.EnableWindow(hwnd, enable); }
  bool IsWindowEnabled(HWND hwnd) const { return m_tree.IsWindowEnabled(hwnd); }
  void SetWindowText(HWND hwnd, const std::string& text) { m_tree.SetWindowText(hwnd, text); }
  std::string GetWindowText(HWND hwnd) const { return m_tree.GetWindowText(hwnd); }
  std::string GetClassName(HWND hwnd) const { return m_tree.GetClassName(hwnd); }
  std::uint32_t GetStyle(HWND hwnd) const { return m_tree.GetStyle(hwnd); }
  std::uint32_t GetExStyle(HWND hwnd) const { return m_tree.GetExStyle(hwnd); }
  void SetStyle(HWND hwnd, std::uint32_t style) { m_tree.SetStyle(hwnd, style); }
  void SetExStyle(HWND hwnd, std::uint32_t exStyle) { m_tree.SetExStyle(hwnd, exStyle); }
  TRect GetWindowRect(HWND hwnd) const { return m_tree.GetWindowRect(hwnd); }  // screen coordinates
  TRect GetClientRect(HWND hwnd) const {
    return m_tree.GetClientRect(hwnd);
  }  // (0, 0, width, height)
  TPoint ClientToScreen(HWND hwnd, TPoint p) const { return m_tree.ClientToScreen(hwnd, p); }
  TPoint ScreenToClient(HWND hwnd, TPoint p) const { return m_tree.ScreenToClient(hwnd, p); }
  TPoint WindowOrigin(HWND hwnd) const {
    return m_tree.WindowOrigin(hwnd);
  }  // window's top-left in screen coordinates
  TPoint ClientOrigin(HWND hwnd) const {
    return m_tree.ClientOrigin(hwnd);
  }  // client's top-left in screen coordinates
  HWND WindowFromPoint(TPoint screen) const { return m_tree.WindowFromPoint(screen); }
  HWND ChildWindowFromPoint(HWND parent, TPoint client) const {
    return m_tree.ChildWindowFromPoint(parent, client);
  }
  // nullptr removes the region. Redraws the window when redraw is set.
  void SetWindowRgn(HWND hwnd, const TRegion* region, bool redraw) {
    m_tree.SetWindowRgn(hwnd, region, redraw);
  }
  const TRegion* GetWindowRgn(HWND hwnd) const { return m_tree.GetWindowRgn(hwnd); }
  bool SetLayeredWindowAttributes(HWND hwnd, std::uint8_t alpha, UINT flags) {
    return m_tree.SetLayeredWindowAttributes(hwnd, alpha, flags);
  }
  std::uint8_t GetLayeredWindowAlpha(HWND hwnd) const {
    return m_tree.GetLayeredWindowAlpha(hwnd);
  }  // 255 for an unknown window
  // A value the window's owner keeps with the window (the framework: its control).
  void SetWindowUserData(HWND hwnd, std::uintptr_t data) { m_tree.SetWindowUserData(hwnd, data); }
  std::uintptr_t GetWindowUserData(HWND hwnd) const {
    return m_tree.GetWindowUserData(hwnd);
  }  // 0 for an unknown window
  // The erase colour of the default WM_ERASEBKGND; clNone erases nothing.
  void SetClassBackground(HWND hwnd, TColor color) { m_tree.SetClassBackground(hwnd, color); }
  bool IsIconic(HWND hwnd) const { return m_tree.IsIconic(hwnd); }
  bool IsZoomed(HWND hwnd) const { return m_tree.IsZoomed(hwnd); }
  TRect MonitorWorkArea(HWND hwnd) const { return m_tree.MonitorWorkArea(hwnd); }
  TRect MonitorRect(HWND hwnd) const { return m_tree.MonitorRect(hwnd); }

  // --- messages and the loop
  LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return m_queue.SendMessage(hwnd, msg, wParam, lParam);
  }
  void Deliver(HWND hwnd, TMessage& message) {
    m_queue.Deliver(hwnd, message);
  }  // calls the window procedure
  bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return m_queue.PostMessage(hwnd, msg, wParam, lParam);
  }
  void PostQuitMessage(int exitCode) { m_queue.PostQuitMessage(exitCode); }
  bool QuitPosted() const { return m_queue.QuitPosted(); }
  int QuitCode() const { return m_queue.QuitCode(); }
  // False on WM_QUIT.
  bool GetMessage(TMsg& msg) { return m_queue.GetMessage(msg); }
  bool PeekMessage(TMsg& msg, UINT removeFlags) { return m_queue.PeekMessage(msg, removeFlags); }
  LRESULT DispatchMessage(const TMsg& msg) { return m_queue.DispatchMessage(msg); }
  bool TranslateMessage(const TMsg& msg) { return m_queue.TranslateMessage(msg); }
  // Runs the loop until done() is true; false when WM_QUIT arrived (it is posted again).
  bool ModalLoop(const std::function<bool()>& done) { return m_queue.ModalLoop(done); }
  int ModalDepth() const { return m_queue.ModalDepth(); }
  // Handles every message that is waiting, without blocking; true if any was handled.
  bool ProcessPending() { return m_queue.ProcessPending(); }

  // A filter sees each message before it is returned by GetMessage or
  // PeekMessage(PM_REMOVE); returning true swallows it.
  using MessageFilter = MessageQueue::MessageFilter;
  int AddMessageFilter(MessageFilter filter) { return m_queue.AddMessageFilter(std::move(filter)); }
  void RemoveMessageFilter(int id) { m_queue.RemoveMessageFilter(id); }

  std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, std::uint32_t elapseMs,
                          std::function<void()> callback = {}) {
    return m_queue.SetTimer(hwnd, id, elapseMs, std::move(callback));
  }
  bool KillTimer(HWND hwnd, std::uintptr_t id) { return m_queue.KillTimer(hwnd, id); }

  // --- painting
  bool RedrawWindow(HWND hwnd, const TRect* rect, const TRegion* region, UINT flags) {
    return m_painter.RedrawWindow(hwnd, rect, region, flags);
  }
  bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase) {
    return m_painter.InvalidateRect(hwnd, rect, erase);
  }
  bool InvalidateRgn(HWND hwnd, const TRegion& region, bool erase) {
    return m_painter.InvalidateRgn(hwnd, region, erase);
  }
  bool ValidateRect(HWND hwnd, const TRect* rect) { return m_painter.ValidateRect(hwnd, rect); }
  bool UpdateWindow(HWND hwnd) { return m_painter.UpdateWindow(hwnd); }
  bool GetUpdateRect(HWND hwnd, TRect& rect) const { return m_painter.GetUpdateRect(hwnd, rect); }
  const TRegion& GetUpdateRegion(HWND hwnd) const { return m_painter.GetUpdateRegion(hwnd); }
  // The canvas lives in ps.hdc until EndPaint.
  TCanvas& BeginPaint(HWND hwnd, TPaintStruct& ps) { return m_painter.BeginPaint(hwnd, ps); }
  void EndPaint(HWND hwnd, TPaintStruct& ps) { m_painter.EndPaint(hwnd, ps); }
  HDC GetDC(HWND hwnd) { return m_painter.GetDC(hwnd); }  // client area
  HDC GetWindowDC(HWND hwnd) {
    return m_painter.GetWindowDC(hwnd);
  }  // whole window, client excluded by nothing
  // Where the window can be seen inside its top-level window (top-level window coordinates).
  TRegion VisibleRegion(HWND hwnd, bool clientOnly, bool clipChildren) const {
    return m_painter.VisibleRegion(hwnd, clientOnly, clipChildren);
  }
  int ScrollWindowEx(HWND hwnd, int dx, int dy, const TRect* scroll, const TRect* clip,
                     TRegion* updateRegion, TRect* updateRect, UINT flags) {
    return m_painter.ScrollWindowEx(hwnd, dx, dy, scroll, clip, updateRegion, updateRect, flags);
  }
  void MarkDirty(HWND topLevel, const TRect& windowRect) {
    m_painter.MarkDirty(topLevel, windowRect);
  }
  void PresentAll() { m_painter.PresentAll(); }

  // --- input
  void QueueInput(const RawInput& input) { m_input.QueueInput(input); }
  bool InputPending() const { return m_input.InputPending(); }
  HWND SetCapture(HWND hwnd) { return m_input.SetCapture(hwnd); }
  bool ReleaseCapture() { return m_input.ReleaseCapture(); }
  HWND GetCapture() const { return m_input.GetCapture(); }
  HWND SetFocus(HWND hwnd) { return m_input.SetFocus(hwnd); }
  HWND GetFocus() const { return m_input.GetFocus(); }
  HWND SetActiveWindow(HWND hwnd) { return m_input.SetActiveWindow(hwnd); }
  HWND GetActiveWindow() const { return m_input.GetActiveWindow(); }
  // The desktop gave the keyboard to one of our top-level windows, or (nullptr)
  // to a window of another program.
  void NativeFocusChanged(HWND topLevel) { m_input.NativeFocusChanged(topLevel); }
  bool SetForegroundWindow(HWND hwnd) { return m_input.SetForegroundWindow(hwnd); }
  HWND GetForegroundWindow() const { return m_input.GetForegroundWindow(); }
  std::int16_t GetKeyState(int vk) const { return m_input.GetKeyState(vk); }
  TPoint GetCursorPos() const { return m_input.GetCursorPos(); }
  void SetCursorPos(TPoint screen) { m_input.SetCursorPos(screen); }
  HCURSOR SetCursor(HCURSOR cursor) { return m_input.SetCursor(std::move(cursor)); }
  HCURSOR GetCursor() const { return m_input.GetCursor(); }
  bool TrackMouseEvent(HWND hwnd, UINT flags) { return m_input.TrackMouseEvent(hwnd, flags); }
  // The clipboard in UTF-8, byte for byte, and as UTF-16 text.
  void SetClipboardUtf8(const std::string& utf8) { m_input.SetClipboardText(utf8); }
  std::string GetClipboardUtf8() const { return m_input.GetClipboardText(); }
  void SetClipboardText(const std::u16string& text) { SetClipboardUtf8(Utf16ToUtf8(text)); }
  std::u16string GetClipboardText() const { return Utf8ToUtf16(GetClipboardUtf8()); }
  bool HasClipboardText() const { return m_input.HasClipboardText(); }
  WPARAM MouseKeyState() const { return m_input.MouseKeyState(); }

  // --- caret
  bool CreateCaret(HWND hwnd, int width, int height) {
    return m_caret.CreateCaret(hwnd, width, height);
  }
  bool DestroyCaret() { return m_caret.DestroyCaret(); }
  bool SetCaretPos(int x, int y) { return m_caret.SetCaretPos(x, y); }
  TPoint GetCaretPos() const { return m_caret.GetCaretPos(); }
  bool ShowCaret(HWND hwnd) { return m_caret.ShowCaret(hwnd); }
  bool HideCaret(HWND hwnd) { return m_caret.HideCaret(hwnd); }
  // The caret as it is on screen now: the pixels to invert, top-level coordinates.
  TRegion CaretOverlay(HWND topLevel) const { return m_caret.CaretOverlay(topLevel); }
  bool CaretOn() const { return m_caret.CaretOn(); }

  // --- scroll bars
  int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw) {
    return m_scrollBars.SetScrollInfo(hwnd, bar, info, redraw);
  }
  bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info) const {
    return m_scrollBars.GetScrollInfo(hwnd, bar, info);
  }
  int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw) {
    return m_scrollBars.SetScrollPos(hwnd, bar, pos, redraw);
  }
  int GetScrollPos(HWND hwnd, int bar) const { return m_scrollBars.GetScrollPos(hwnd, bar); }
  bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw) {
    return m_scrollBars.SetScrollRange(hwnd, bar, minPos, maxPos, redraw);
  }
  bool ShowScrollBar(HWND hwnd, int bar, bool show) {
    return m_scrollBars.ShowScrollBar(hwnd, bar, show);
  }
  bool EnableScrollBar(HWND hwnd, int bar, UINT arrows) {
    return m_scrollBars.EnableScrollBar(hwnd, bar, arrows);
  }
  // The scroll bar's rectangle in window coordinates; empty when it is not shown.
  TRect ScrollBarRect(HWND hwnd, int bar) const { return m_scrollBars.ScrollBarRect(hwnd, bar); }

  // --- default processing
  void DefWindowProc(HWND hwnd, TMessage& message);
  int GetSystemMetrics(int index) const;
  std::uint32_t DoubleClickTime() const { return 500; }
  std::uint32_t CaretBlinkTime() const { return 530; }
  bool InSizeMove() const { return m_frame.InSizeMove(); }

  // --- the default frame
  using FrameInsets = kx::FrameInsets;
  FrameInsets DefaultFrameInsets(HWND hwnd) const { return m_frame.DefaultFrameInsets(hwnd); }
  int DefaultHitTest(HWND hwnd, TPoint screen) const {
    return m_frame.DefaultHitTest(hwnd, screen);
  }
  void DefaultNcPaint(HWND hwnd) { m_frame.DefaultNcPaint(hwnd); }
  TRect CaptionButtonRect(HWND hwnd, int hit) const { return m_frame.CaptionButtonRect(hwnd, hit); }
  void BeginMoveSize(HWND hwnd, int hit) { m_frame.BeginMoveSize(hwnd, hit); }
  // Asks the window for its size limits (WM_GETMINMAXINFO) after filling in the defaults.
  MINMAXINFO QueryMinMaxInfo(HWND hwnd) { return m_frame.QueryMinMaxInfo(hwnd); }
  // The OS moved a top-level window by itself (a window manager drag).
  void OnNativeMoved(HWND hwnd, TPoint screen) { m_frame.OnNativeMoved(hwnd, screen); }
  void BeginScrollTrack(HWND hwnd, int bar, TPoint screen) {
    m_scrollBars.BeginScrollTrack(hwnd, bar, screen);
  }
  std::optional<std::uint32_t> NextTimerDeadline() const { return m_queue.NextTimerDeadline(); }

 private:
  // The parts reach each other through the facade and, for what is not the
  // platform's API, through these.
  friend class WindowTree;
  friend class MessageQueue;
  friend class Painter;
  friend class InputRouter;
  friend class DefaultFrame;
  friend class ScrollBars;
  friend class Caret;
  friend class TDeviceContext;
  WindowTree& Tree() { return m_tree; }
  MessageQueue& Queue() { return m_queue; }
  Painter& Painting() { return m_painter; }
  const Painter& Painting() const { return m_painter; }
  InputRouter& Input() { return m_input; }
  const InputRouter& Input() const { return m_input; }
  DefaultFrame& Frame() { return m_frame; }
  ScrollBars& Bars() { return m_scrollBars; }
  Caret& CaretPart() { return m_caret; }
  // Every part forgets a window that is being destroyed; the tree lets it go last.
  void ForgetWindow(HWND hwnd);

  WindowBackend& m_backend;
  LoopClock& m_clock;
  TWindowSystem* m_previous = nullptr;
  WindowTree m_tree{*this};
  MessageQueue m_queue{*this};
  Painter m_painter{*this};
  InputRouter m_input{*this};
  DefaultFrame m_frame{*this};
  ScrollBars m_scrollBars{*this};
  Caret m_caret{*this};
};

}  // namespace kx
