#pragma once

#include <cstdint>
#include <optional>

#include "platform/window/device_context.h"
#include "platform/window/window.h"

namespace kx {

class TWindowSystem;

// The standard scroll bars in the non-client area: their values, layout and
// look, and tracking the mouse on them with the repeat of arrows and pages.
class ScrollBars {
 public:
  explicit ScrollBars(TWindowSystem& system) : m_system(system) {}
  ScrollBars(const ScrollBars&) = delete;
  ScrollBars& operator=(const ScrollBars&) = delete;

  int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw);
  bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info) const;
  int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw);
  int GetScrollPos(HWND hwnd, int bar) const;
  bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw);
  bool ShowScrollBar(HWND hwnd, int bar, bool show);
  bool EnableScrollBar(HWND hwnd, int bar, UINT arrows);
  TRect ScrollBarRect(HWND hwnd, int bar) const;
  void BeginScrollTrack(HWND hwnd, int bar, TPoint screen);

  // Draws the window's scroll bars on a canvas of the whole window.
  void DrawScrollBars(HWND hwnd, TCanvas& windowCanvas);
  // Follows the mouse while a bar is tracked; true when the input belonged to it.
  bool HandleScrollTrackInput(const RawInput& input);
  // When a held arrow or page repeats next, while one is held.
  std::optional<std::uint32_t> NextRepeat() const;
  void RepeatIfDue(std::uint32_t now);
  void CancelTracking(HWND hwnd);
  void ForgetWindow(HWND hwnd);

 private:
  struct ScrollTracking {
    bool active = false;
    HWND hwnd = nullptr;
    int bar = SB_VERT;
    int part = 0;  // one of the ScrollPart values of scroll_bars.cpp
    int thumbOffset = 0;
    int trackPos = 0;
    std::uint32_t nextRepeat = 0;
    TPoint cursor;
  };
  void RepeatScrollTrack();
  void UpdateScrollBarVisibility(HWND hwnd, int bar, bool wanted);

  TWindowSystem& m_system;
  ScrollTracking m_scrollTrack;
};

}  // namespace kx
