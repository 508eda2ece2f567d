#include "grid/scroll_bar.h"

#include <algorithm>

#include "grid/scroll_control.h"
#include "platform/window/api.h"

namespace kx {

TDgCustomScrollBar::TDgCustomScrollBar(TDgCustomScrollControl& control, TScrollBarKind kind)
    : m_control(control), m_kind(kind) {}

int TDgCustomScrollBar::WindowBar() const {
  return m_kind == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT;
}

void TDgCustomScrollBar::SetAutoHide(bool value) {
  if (m_autoHide == value) return;
  m_autoHide = value;
  UpdateVisibility();
  Push();
}

void TDgCustomScrollBar::SetEnabled(bool value) {
  if (m_enabled == value) return;
  m_enabled = value;
  Push();
}

void TDgCustomScrollBar::SetMin(int value) {
  m_min = value;
  Push();
}

void TDgCustomScrollBar::SetMax(int value) {
  m_max = std::max(0, value);
  UpdateVisibility();
  if (m_position > m_max) {
    SetPosition(m_max);
  } else {
    Push();
  }
}

void TDgCustomScrollBar::SetPageSize(int value) {
  m_pageSize = value <= 0 ? 1 : value;
  UpdateVisibility();
  Push();
}

void TDgCustomScrollBar::UpdateVisibility() {
  m_visible = !(m_autoHide && std::max(1, m_pageSize) >= m_max);
}

void TDgCustomScrollBar::SetPosition(int value) {
  value = std::max(0, std::clamp(value, m_min, std::max(m_min, m_max)));
  int old = m_position;
  m_position = value;
  Push();
  if (m_updateCount == 0 && old != value) m_control.ScrollContent(m_kind, old, value);
}

void TDgCustomScrollBar::EndUpdate() {
  if (m_updateCount > 0) --m_updateCount;
}

void TDgCustomScrollBar::Push() {
  if (!m_control.HandleAllocated() || !WindowSystemExists()) return;
  HWND handle = m_control.Handle();
  TWindowSystem& system = WindowSystem();
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | (m_autoHide ? 0 : SIF_DISABLENOSCROLL);
  info.nMin = m_min;
  info.nMax = m_max;
  info.nPage = static_cast<UINT>(std::max(1, m_pageSize));
  info.nPos = m_position;
  system.SetScrollInfo(handle, WindowBar(), info, true);
  if (!system.IsWindow(handle)) return;
  system.ShowScrollBar(handle, WindowBar(), m_visible || !m_autoHide);
  bool usable = m_control.Enabled() && m_enabled && m_max > 0;
  system.EnableScrollBar(handle, WindowBar(), usable ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

int TDgCustomScrollBar::TrackPosition() const {
  if (!m_control.HandleAllocated()) return m_position;
  SCROLLINFO info;
  info.fMask = SIF_TRACKPOS;
  WindowSystem().GetScrollInfo(m_control.Handle(), WindowBar(), info);
  return info.nTrackPos;
}

void TDgCustomScrollBar::ReadPosition() {
  if (!m_control.HandleAllocated()) return;
  m_position = WindowSystem().GetScrollPos(m_control.Handle(), WindowBar());
}

}  // namespace kx
