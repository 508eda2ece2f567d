#include "platform/window/window_system.h"

namespace kx {

bool TWindowSystem::CreateCaret(HWND hwnd, int width, int height) {
  if (!IsWindow(hwnd)) return false;
  DestroyCaret();
  m_caret =
      CaretState{hwnd, Bounds(0, 0, width > 0 ? width : 1, height > 0 ? height : 1), 1, false, 0};
  return true;
}

bool TWindowSystem::DestroyCaret() {
  if (!m_caret.hwnd) return false;
  if (IsWindow(m_caret.hwnd)) {
    MarkDirty(GetAncestorTopLevel(m_caret.hwnd),
              m_caret.rect.Offset(OffsetInTopLevel(m_caret.hwnd) +
                                  m_caret.hwnd->ClientInWindow.TopLeft()));
  }
  m_caret = CaretState{};
  return true;
}

bool TWindowSystem::SetCaretPos(int x, int y) {
  if (!m_caret.hwnd) return false;
  HWND top = GetAncestorTopLevel(m_caret.hwnd);
  TPoint off = OffsetInTopLevel(m_caret.hwnd) + m_caret.hwnd->ClientInWindow.TopLeft();
  MarkDirty(top, m_caret.rect.Offset(off));
  m_caret.rect = Bounds(x, y, m_caret.rect.Width(), m_caret.rect.Height());
  MarkDirty(top, m_caret.rect.Offset(off));
  // A moved caret shows at once and starts a new blink period.
  m_caret.blinkOn = true;
  m_caret.nextToggle = m_clock.Now() + CaretBlinkTime();
  return true;
}

TPoint TWindowSystem::GetCaretPos() const {
  return m_caret.rect.TopLeft();
}

bool TWindowSystem::ShowCaret(HWND hwnd) {
  if (!m_caret.hwnd || (hwnd && hwnd != m_caret.hwnd)) return false;
  if (m_caret.hideCount == 0) return true;
  if (--m_caret.hideCount == 0) {
    m_caret.blinkOn = true;
    m_caret.nextToggle = m_clock.Now() + CaretBlinkTime();
    MarkDirty(GetAncestorTopLevel(m_caret.hwnd),
              m_caret.rect.Offset(OffsetInTopLevel(m_caret.hwnd) +
                                  m_caret.hwnd->ClientInWindow.TopLeft()));
  }
  return true;
}

bool TWindowSystem::HideCaret(HWND hwnd) {
  if (!m_caret.hwnd || (hwnd && hwnd != m_caret.hwnd)) return false;
  ++m_caret.hideCount;
  MarkDirty(
      GetAncestorTopLevel(m_caret.hwnd),
      m_caret.rect.Offset(OffsetInTopLevel(m_caret.hwnd) + m_caret.hwnd->ClientInWindow.TopLeft()));
  return true;
}

bool TWindowSystem::CaretOn() const {
  return m_caret.hwnd && m_caret.hideCount == 0 && m_caret.blinkOn && IsWindowVisible(m_caret.hwnd);
}

TRegion TWindowSystem::CaretOverlay(HWND topLevel) const {
  if (!CaretOn() || GetAncestorTopLevel(m_caret.hwnd) != topLevel) return {};
  TPoint off = OffsetInTopLevel(m_caret.hwnd) + m_caret.hwnd->ClientInWindow.TopLeft();
  TRegion r(m_caret.rect.Offset(off));
  r &= VisibleRegion(m_caret.hwnd, true, (m_caret.hwnd->Style & WS_CLIPCHILDREN) != 0);
  return r;
}

}  // namespace kx
