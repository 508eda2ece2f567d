// The skinned frame and the mouse: hit testing, the hovered and the pressed
// object, the hover watchdog and the animation timer.
#include <utility>

#include "platform/window/api.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_frame.h"

namespace kx {

namespace {
constexpr std::uint32_t kAnimationTick = 25;
constexpr std::uint32_t kWatchdogTick = 50;
}  // namespace

// ---- hit testing

bool TksSkinFrame::InCaptionObject(TPoint p) const {
  for (const auto& o : m_objects) {
    if (o->IsCaption() && o->Shown() && o->ObjectRect.Contains(p)) return true;
  }
  return false;
}

// Whether one of the four points a border width away lies outside the window
// (outside its region with a mask, for points outside M').
bool TksSkinFrame::OnSizingBorder(TPoint p) const {
  const int b = m_skinData->FormInfo.BorderWidth;
  const TPoint around[] = {{p.X - b, p.Y}, {p.X, p.Y - b}, {p.X + b, p.Y}, {p.X, p.Y + b}};
  if (m_skinData->Mask.Empty()) {
    const TRect window{0, 0, m_width, m_height};
    for (TPoint q : around) {
      if (!window.Contains(q)) return true;
    }
    return false;
  }
  if (m_geometry.MaskRect.Contains(p)) return false;
  const std::optional<TRegion> region = FrameRegion(*m_skinData, m_geometry);
  for (TPoint q : around) {
    if (!region || !region->Contains(q.X, q.Y)) return true;
  }
  return false;
}

// The sizing code of a border point, HTNOWHERE outside the eight zones.
int TksSkinFrame::SizingZone(TPoint p) const {
  const TksFrameGeometry& g = m_geometry;
  const TRect& c = g.Client();
  if (p.X <= g.HitLT.X && p.Y <= g.HitLT.Y) return HTTOPLEFT;
  if (p.X >= g.HitRT.X && p.Y <= g.HitRT.Y) return HTTOPRIGHT;
  if (p.X <= g.HitLB.X && p.Y >= g.HitLB.Y) return HTBOTTOMLEFT;
  if (p.X >= g.HitRB.X && p.Y >= g.HitRB.Y) return HTBOTTOMRIGHT;
  if (TRect{g.HitLT.X, 0, g.HitRT.X, c.Top}.Contains(p)) return HTTOP;
  if (TRect{g.HitLB.X, c.Bottom, g.HitRB.X, m_height}.Contains(p)) return HTBOTTOM;
  if (TRect{0, g.HitLT.Y, c.Left, g.HitLB.Y}.Contains(p)) return HTLEFT;
  if (TRect{c.Right, g.HitRT.Y, m_width, g.HitRB.Y}.Contains(p)) return HTRIGHT;
  return HTNOWHERE;
}

int TksSkinFrame::HitTest(TPoint p) const {
  const TRect& c = m_geometry.Client();
  const int elsewhere = InCaptionObject(p) ? HTCAPTION : HTOBJECT;
  if (Folded()) return elsewhere;
  if (m_hover >= 0 && !InCaptionObject(p) && !c.Contains(p) && !m_movingOrSizing) return HTOBJECT;
  if (m_windowState != TksWindowState::wsMaximized && Sizeable) {
    if (!OnSizingBorder(p)) return c.Contains(p) ? HTCLIENT : elsewhere;
    if (int zone = SizingZone(p); zone != HTNOWHERE) return zone;
  }
  return c.Contains(p) ? HTCLIENT : elsewhere;
}

// ---- hover

TksActiveSkinObject* TksSkinFrame::ObjectOf(int index) const {
  if (index < 0 || index >= static_cast<int>(m_objects.size())) return nullptr;
  return m_objects[static_cast<std::size_t>(index)].get();
}

int TksSkinFrame::ObjectAt(TPoint p) const {
  for (int i = 0; i < static_cast<int>(m_objects.size()); ++i) {
    const TksActiveSkinObject& o = *m_objects[static_cast<std::size_t>(i)];
    if (o.Shown() && o.Enabled && o.Visible && o.ObjectRect.Contains(p)) return i;
  }
  return -1;
}

// While an object is pressed only that object can be hovered.
void TksSkinFrame::DetectHover(TPoint p) {
  const int at = ObjectAt(p);
  const int hover = WindowActive() && (m_pressed < 0 || at == m_pressed) ? at : -1;
  if (hover == m_hover) return;
  m_previousHover = std::exchange(m_hover, hover);
  if (TksActiveSkinObject* old = ObjectOf(m_previousHover); old && old->Enabled && old->Visible)
    old->MouseLeave();
  if (TksActiveSkinObject* now = ObjectOf(m_hover); now && now->Enabled && now->Visible)
    now->MouseEnter();
}

void TksSkinFrame::ClearHover() {
  if (m_hover < 0) return;
  m_previousHover = std::exchange(m_hover, -1);
  if (TksActiveSkinObject* o = ObjectOf(m_previousHover); o && o->Enabled && o->Visible)
    o->MouseLeave();
}

bool TksSkinFrame::MouseOver(const TksActiveSkinObject& object) const {
  return Handle() && object.ObjectRect.Contains(CursorInWindow());
}

// ---- timers

void TksSkinFrame::StartWatchdog() {
  if (m_watchdogTimer || !WindowSystemExists()) return;
  m_watchdogTimer = WindowSystem().SetTimer(nullptr, 0, kWatchdogTick, [this] { Watchdog(); });
}

void TksSkinFrame::StopWatchdog() {
  if (m_watchdogTimer && WindowSystemExists()) KillTimer(nullptr, m_watchdogTimer);
  m_watchdogTimer = 0;
}

void TksSkinFrame::Watchdog() {
  if (m_movingOrSizing || !m_skinUsable || !Handle()) return;
  const TPoint p = CursorInWindow();
  if (!m_geometry.Client().Contains(p)) {
    DetectHover(p);
  } else if (m_hover >= 0) {
    ClearHover();
  }
}

void TksSkinFrame::StartAnimation() {
  if (m_animationTimer || !WindowSystemExists()) return;
  m_animationTimer =
      WindowSystem().SetTimer(nullptr, 0, kAnimationTick, [this] { AnimationTick(); });
}

void TksSkinFrame::AnimationTick() {
  bool any = false;
  for (auto& o : m_objects) {
    if (!o->Animating()) continue;
    o->AnimationTick();
    any = any || o->Animating();
  }
  if (!any && m_animationTimer) KillTimer(nullptr, std::exchange(m_animationTimer, 0));
}

void TksSkinFrame::StopTimers() {
  StopWatchdog();
  if (m_animationTimer && WindowSystemExists()) KillTimer(nullptr, m_animationTimer);
  m_animationTimer = 0;
}

// ---- presses

void TksSkinFrame::PressObject(TPoint p, TMouseButton button) {
  if (m_moveSizeEnded) {
    m_moveSizeEnded = false;
    return;
  }
  DetectHover(p);
  TksActiveSkinObject* o = ObjectOf(m_hover);
  if (!o) return;
  if (!o->IsCaption()) SetCapture(Handle());
  m_pressed = m_hover;
  o->MouseDown(p.X, p.Y, button);
}

void TksSkinFrame::ReleaseObject(TPoint p, TMouseButton button) {
  TksActiveSkinObject* o = ObjectOf(std::exchange(m_pressed, -1));
  if (!o) return;
  if (!o->IsCaption() && GetCapture() == Handle()) ReleaseCapture();
  o->MouseUp(p.X, p.Y, button);
}

void TksSkinFrame::DoubleClickObject(TPoint p, TMouseButton button) {
  PressObject(p, button);
  TksActiveSkinObject* o = ObjectOf(m_hover);
  if (!o || button != TMouseButton::mbLeft) return;
  o->DblClick();
  if (o->IsCaption()) CaptionDoubleClicked();
}

void TksSkinFrame::CaptionDoubleClicked() {
  if (!Sizeable) {
    ToggleRollUp();
  } else if (m_windowState != TksWindowState::wsNormal) {
    Restore();
  } else if (m_borderIcons & biMaximize) {
    Maximize();
  }
}

}  // namespace kx
