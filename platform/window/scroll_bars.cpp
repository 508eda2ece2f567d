#include "platform/window/scroll_bars.h"

#include <algorithm>

#include "platform/window/frame_drawing.h"
#include "platform/window/window_system.h"

namespace kx {

namespace {
enum ScrollPart { kNone = 0, kArrowLess, kPageLess, kThumb, kPageMore, kArrowMore };

constexpr std::uint32_t kFirstRepeatDelay = 400;
constexpr std::uint32_t kRepeatInterval = 50;
constexpr int kMinThumb = 8;

// The layout of one scroll bar along its axis, in pixels from its start.
struct ScrollGeometry {
  int length = 0;
  int arrow = 0;
  int thumbStart = 0;
  int thumbLength = 0;
  bool hasThumb = false;
  int maxPos = 0;
};

int MaxScrollPos(const SCROLLINFO& si) {
  int page = si.nPage > 0 ? static_cast<int>(si.nPage) - 1 : 0;
  return std::max(si.nMin, si.nMax - page);
}

ScrollGeometry Layout(const ScrollBarState& bar, int length, int thickness, int pos) {
  ScrollGeometry g;
  g.length = length;
  g.arrow = length < 2 * thickness ? length / 2 : thickness;
  int track = length - 2 * g.arrow;
  const SCROLLINFO& si = bar.Info;
  g.maxPos = MaxScrollPos(si);
  int range = si.nMax - si.nMin;
  if (bar.Disabled || range <= 0 || track <= 0) return g;
  int thumb = si.nPage > 0
                  ? static_cast<int>(static_cast<long long>(track) * si.nPage / (range + 1))
                  : thickness;
  thumb = std::max(thumb, kMinThumb);
  if (thumb >= track) return g;
  g.hasThumb = true;
  g.thumbLength = thumb;
  int span = g.maxPos - si.nMin;
  int offset = span > 0 ? static_cast<int>(static_cast<long long>(track - thumb) *
                                           (std::clamp(pos, si.nMin, g.maxPos) - si.nMin) / span)
                        : 0;
  g.thumbStart = g.arrow + offset;
  return g;
}

int PartAt(const ScrollGeometry& g, int at) {
  if (at < 0 || at >= g.length) return kNone;
  if (at < g.arrow) return kArrowLess;
  if (at >= g.length - g.arrow) return kArrowMore;
  if (!g.hasThumb) return kNone;
  if (at < g.thumbStart) return kPageLess;
  if (at >= g.thumbStart + g.thumbLength) return kPageMore;
  return kThumb;
}

int CommandOf(int part) {
  switch (part) {
    case kArrowLess:
      return SB_LINEUP;
    case kArrowMore:
      return SB_LINEDOWN;
    case kPageLess:
      return SB_PAGEUP;
    case kPageMore:
      return SB_PAGEDOWN;
    default:
      return SB_ENDSCROLL;
  }
}

void DrawArrow(TCanvas& c, const TRect& r, bool vertical, bool less, bool enabled, bool pressed) {
  DrawRaisedButton(c, r, pressed);
  c.Pen().Color = enabled ? clBtnText : clGrayText;
  int cx = r.Left + r.Width() / 2 + (pressed ? 1 : 0);
  int cy = r.Top + r.Height() / 2 + (pressed ? 1 : 0);
  for (int i = 0; i < 4; ++i) {
    int tip = less ? -2 + i : 1 - i;
    if (vertical) {
      c.MoveTo(cx - i, cy + tip);
      c.LineTo(cx + i + 1, cy + tip);
    } else {
      c.MoveTo(cx + tip, cy - i);
      c.LineTo(cx + tip, cy + i + 1);
    }
  }
}
}  // namespace

TRect ScrollBars::ScrollBarRect(HWND hwnd, int bar) const {
  if (!m_system.IsWindow(hwnd)) return {};
  const TRect& c = hwnd->ClientInWindow;
  if (bar == SB_VERT && (hwnd->Style & WS_VSCROLL)) {
    return {c.Right, c.Top, c.Right + m_system.GetSystemMetrics(SM_CXVSCROLL), c.Bottom};
  }
  if (bar == SB_HORZ && (hwnd->Style & WS_HSCROLL)) {
    return {c.Left, c.Bottom, c.Right, c.Bottom + m_system.GetSystemMetrics(SM_CYHSCROLL)};
  }
  return {};
}

void ScrollBars::UpdateScrollBarVisibility(HWND hwnd, int bar, bool wanted) {
  std::uint32_t bit = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
  bool shown = (hwnd->Style & bit) != 0;
  if (shown == wanted) return;
  if (wanted) {
    hwnd->Style |= bit;
  } else {
    hwnd->Style &= ~bit;
  }
  m_system.SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int ScrollBars::SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw) {
  if (!m_system.IsWindow(hwnd) || (bar != SB_HORZ && bar != SB_VERT)) return 0;
  ScrollBarState& state = hwnd->Bar(bar);
  SCROLLINFO& si = state.Info;
  if (info.fMask & SIF_RANGE) {
    si.nMin = info.nMin;
    si.nMax = std::max(info.nMin, info.nMax);
  }
  if (info.fMask & SIF_PAGE) si.nPage = info.nPage;
  long long span = static_cast<long long>(si.nMax) - si.nMin + 1;
  if (si.nPage > span) si.nPage = static_cast<UINT>(span);
  if (info.fMask & SIF_POS) si.nPos = info.nPos;
  si.nPos = std::clamp(si.nPos, si.nMin, MaxScrollPos(si));
  if (info.fMask & (SIF_RANGE | SIF_PAGE)) {
    bool needed = si.nMax > si.nMin && static_cast<long long>(si.nPage) <= si.nMax - si.nMin;
    bool keep = (info.fMask & SIF_DISABLENOSCROLL) != 0;
    state.Disabled = !needed && keep;
    UpdateScrollBarVisibility(hwnd, bar, needed || keep);
  }
  if (redraw && m_system.IsWindow(hwnd)) hwnd->FrameInvalid = true;
  return m_system.IsWindow(hwnd) ? hwnd->Bar(bar).Info.nPos : 0;
}

bool ScrollBars::GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info) const {
  if (!m_system.IsWindow(hwnd) || (bar != SB_HORZ && bar != SB_VERT)) return false;
  const SCROLLINFO& si = hwnd->Bar(bar).Info;
  if (info.fMask & SIF_RANGE) {
    info.nMin = si.nMin;
    info.nMax = si.nMax;
  }
  if (info.fMask & SIF_PAGE) info.nPage = si.nPage;
  if (info.fMask & SIF_POS) info.nPos = si.nPos;
  if (info.fMask & SIF_TRACKPOS) {
    bool tracking = m_scrollTrack.active && m_scrollTrack.hwnd == hwnd && m_scrollTrack.bar == bar;
    info.nTrackPos = tracking ? m_scrollTrack.trackPos : si.nPos;
  }
  return true;
}

int ScrollBars::SetScrollPos(HWND hwnd, int bar, int pos, bool redraw) {
  int old = GetScrollPos(hwnd, bar);
  SCROLLINFO si{SIF_POS, 0, 0, 0, pos, 0};
  SetScrollInfo(hwnd, bar, si, redraw);
  return old;
}

int ScrollBars::GetScrollPos(HWND hwnd, int bar) const {
  SCROLLINFO si{SIF_POS, 0, 0, 0, 0, 0};
  return GetScrollInfo(hwnd, bar, si) ? si.nPos : 0;
}

bool ScrollBars::SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw) {
  SCROLLINFO si{SIF_RANGE, minPos, maxPos, 0, 0, 0};
  SetScrollInfo(hwnd, bar, si, redraw);
  return m_system.IsWindow(hwnd);
}

bool ScrollBars::ShowScrollBar(HWND hwnd, int bar, bool show) {
  if (!m_system.IsWindow(hwnd)) return false;
  if (bar == SB_HORZ || bar == SB_BOTH) UpdateScrollBarVisibility(hwnd, SB_HORZ, show);
  if (m_system.IsWindow(hwnd) && (bar == SB_VERT || bar == SB_BOTH))
    UpdateScrollBarVisibility(hwnd, SB_VERT, show);
  return m_system.IsWindow(hwnd);
}

bool ScrollBars::EnableScrollBar(HWND hwnd, int bar, UINT arrows) {
  if (!m_system.IsWindow(hwnd)) return false;
  for (int b : {SB_HORZ, SB_VERT}) {
    if (bar == b || bar == SB_BOTH) hwnd->Bar(b).Disabled = arrows == ESB_DISABLE_BOTH;
  }
  hwnd->FrameInvalid = true;
  return true;
}

void ScrollBars::DrawScrollBars(HWND hwnd, TCanvas& c) {
  int thickness = m_system.GetSystemMetrics(SM_CXVSCROLL);
  for (int bar : {SB_HORZ, SB_VERT}) {
    TRect r = ScrollBarRect(hwnd, bar);
    if (r.IsEmpty()) continue;
    const ScrollBarState& state = hwnd->Bar(bar);
    bool vertical = bar == SB_VERT;
    bool tracking = m_scrollTrack.active && m_scrollTrack.hwnd == hwnd && m_scrollTrack.bar == bar;
    int pos = tracking ? m_scrollTrack.trackPos : state.Info.nPos;
    ScrollGeometry g = Layout(state, vertical ? r.Height() : r.Width(), thickness, pos);
    auto span = [&](int from, int to) {
      return vertical ? TRect{r.Left, r.Top + from, r.Right, r.Top + to}
                      : TRect{r.Left + from, r.Top, r.Left + to, r.Bottom};
    };
    c.Brush().Color = clScrollBar;
    c.Brush().Style = TBrushStyle::bsSolid;
    c.FillRect(r);
    int pressedPart = tracking ? m_scrollTrack.part : kNone;
    if (tracking && (pressedPart == kPageLess || pressedPart == kPageMore)) {
      c.Brush().Color = cl3DDkShadow;
      c.FillRect(pressedPart == kPageLess ? span(g.arrow, g.thumbStart)
                                          : span(g.thumbStart + g.thumbLength, g.length - g.arrow));
    }
    DrawArrow(c, span(0, g.arrow), vertical, true, !state.Disabled, pressedPart == kArrowLess);
    DrawArrow(c, span(g.length - g.arrow, g.length), vertical, false, !state.Disabled,
              pressedPart == kArrowMore);
    if (g.hasThumb) DrawRaisedButton(c, span(g.thumbStart, g.thumbStart + g.thumbLength), false);
  }
  TRect v = ScrollBarRect(hwnd, SB_VERT);
  TRect h = ScrollBarRect(hwnd, SB_HORZ);
  if (!v.IsEmpty() && !h.IsEmpty()) {
    c.Brush().Color = clBtnFace;
    c.FillRect({v.Left, h.Top, v.Right, h.Bottom});
  }
}

void ScrollBars::BeginScrollTrack(HWND hwnd, int bar, TPoint screen) {
  if (!m_system.IsWindow(hwnd) || m_scrollTrack.active) return;
  TRect r = ScrollBarRect(hwnd, bar);
  const ScrollBarState& state = hwnd->Bar(bar);
  if (r.IsEmpty() || state.Disabled) return;
  bool vertical = bar == SB_VERT;
  TPoint p = screen - m_system.WindowOrigin(hwnd);
  int at = vertical ? p.Y - r.Top : p.X - r.Left;
  ScrollGeometry g = Layout(state, vertical ? r.Height() : r.Width(),
                            m_system.GetSystemMetrics(SM_CXVSCROLL), state.Info.nPos);
  int part = PartAt(g, at);
  if (part == kNone) return;
  m_scrollTrack =
      ScrollTracking{true, hwnd, bar, part, at - g.thumbStart, state.Info.nPos, 0, screen};
  m_system.Backend().CaptureMouse(true);
  hwnd->FrameInvalid = true;
  if (part != kThumb) {
    m_scrollTrack.nextRepeat = m_system.Clock().Now() + kFirstRepeatDelay;
    m_system.SendMessage(hwnd, vertical ? WM_VSCROLL : WM_HSCROLL, CommandOf(part), 0);
  }
}

std::optional<std::uint32_t> ScrollBars::NextRepeat() const {
  if (!m_scrollTrack.active || !m_scrollTrack.nextRepeat) return std::nullopt;
  return m_scrollTrack.nextRepeat;
}

void ScrollBars::RepeatIfDue(std::uint32_t now) {
  if (m_scrollTrack.active && m_scrollTrack.nextRepeat &&
      static_cast<std::int32_t>(now - m_scrollTrack.nextRepeat) >= 0) {
    RepeatScrollTrack();
  }
}

void ScrollBars::CancelTracking(HWND hwnd) {
  if (!m_scrollTrack.active || m_scrollTrack.hwnd != hwnd) return;
  m_scrollTrack = ScrollTracking{};
  m_system.Backend().CaptureMouse(false);
}

void ScrollBars::ForgetWindow(HWND hwnd) {
  if (m_scrollTrack.hwnd == hwnd) m_scrollTrack = ScrollTracking{};
}

void ScrollBars::RepeatScrollTrack() {
  ScrollTracking& t = m_scrollTrack;
  HWND hwnd = t.hwnd;
  if (!m_system.IsWindow(hwnd)) {
    t = ScrollTracking{};
    return;
  }
  t.nextRepeat = m_system.Clock().Now() + kRepeatInterval;
  TRect r = ScrollBarRect(hwnd, t.bar);
  bool vertical = t.bar == SB_VERT;
  TPoint p = t.cursor - m_system.WindowOrigin(hwnd);
  int at = vertical ? p.Y - r.Top : p.X - r.Left;
  ScrollGeometry g = Layout(hwnd->Bar(t.bar), vertical ? r.Height() : r.Width(),
                            m_system.GetSystemMetrics(SM_CXVSCROLL), hwnd->Bar(t.bar).Info.nPos);
  // Repeat only while the pointer stays over the pressed part.
  bool across = vertical ? (p.X >= r.Left && p.X < r.Right) : (p.Y >= r.Top && p.Y < r.Bottom);
  if (!across || PartAt(g, at) != t.part) return;
  m_system.SendMessage(hwnd, vertical ? WM_VSCROLL : WM_HSCROLL, CommandOf(t.part), 0);
  if (m_system.IsWindow(hwnd)) hwnd->FrameInvalid = true;
}

bool ScrollBars::HandleScrollTrackInput(const RawInput& input) {
  if (!m_scrollTrack.active) return false;
  ScrollTracking& t = m_scrollTrack;
  HWND hwnd = t.hwnd;
  if (!m_system.IsWindow(hwnd)) {
    t = ScrollTracking{};
    return false;
  }
  using Kind = RawInput::Kind;
  bool vertical = t.bar == SB_VERT;
  UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
  if (input.kind == Kind::MouseMove) {
    t.cursor = input.screen;
    if (t.part != kThumb) return true;
    TRect r = ScrollBarRect(hwnd, t.bar);
    const SCROLLINFO& si = hwnd->Bar(t.bar).Info;
    ScrollGeometry g = Layout(hwnd->Bar(t.bar), vertical ? r.Height() : r.Width(),
                              m_system.GetSystemMetrics(SM_CXVSCROLL), si.nPos);
    TPoint p = input.screen - m_system.WindowOrigin(hwnd);
    int at = (vertical ? p.Y - r.Top : p.X - r.Left) - t.thumbOffset - g.arrow;
    int track = g.length - 2 * g.arrow - g.thumbLength;
    int pos = si.nMin;
    if (track > 0) {
      pos = si.nMin + static_cast<int>(
                          (static_cast<long long>(std::clamp(at, 0, track)) * (g.maxPos - si.nMin) +
                           track / 2) /
                          track);
    }
    if (pos != t.trackPos) {
      t.trackPos = pos;
      hwnd->FrameInvalid = true;
      m_system.SendMessage(hwnd, msg, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
    }
    return true;
  }
  if (input.kind == Kind::ButtonUp && input.button == 0) {
    ScrollTracking ended = t;
    t = ScrollTracking{};
    m_system.Backend().CaptureMouse(false);
    hwnd->FrameInvalid = true;
    if (ended.part == kThumb)
      m_system.SendMessage(hwnd, msg, MAKEWPARAM(SB_THUMBPOSITION, ended.trackPos), 0);
    if (m_system.IsWindow(hwnd)) m_system.SendMessage(hwnd, msg, SB_ENDSCROLL, 0);
  }
  return true;
}

}  // namespace kx
