#include "platform/window/caret.h"

#include "platform/window/window_system.h"

namespace kx {

void Caret::MarkCaretDirty() {
  if (!m_system.IsWindow(m_state.hwnd)) return;
  TPoint offset =
      m_system.Painting().OffsetInTopLevel(m_state.hwnd) + m_state.hwnd->ClientInWindow.TopLeft();
  m_system.MarkDirty(m_system.GetAncestorTopLevel(m_state.hwnd), m_state.rect.Offset(offset));
}

bool Caret::CreateCaret(HWND hwnd, int width, int height) {
  if (!m_system.IsWindow(hwnd)) return false;
  DestroyCaret();
  m_state = State{hwnd, Bounds(0, 0, width > 0 ? width : 1, height > 0 ? height : 1), 1, false, 0};
  return true;
}

bool Caret::DestroyCaret() {
  if (!m_state.hwnd) return false;
  MarkCaretDirty();
  m_state = State{};
  return true;
}

bool Caret::SetCaretPos(int x, int y) {
  if (!m_state.hwnd) return false;
  MarkCaretDirty();
  m_state.rect = Bounds(x, y, m_state.rect.Width(), m_state.rect.Height());
  MarkCaretDirty();
  // A moved caret shows at once and starts a new blink period.
  m_state.blinkOn = true;
  m_state.nextToggle = m_system.Clock().Now() + m_system.CaretBlinkTime();
  return true;
}

TPoint Caret::GetCaretPos() const {
  return m_state.rect.TopLeft();
}

bool Caret::ShowCaret(HWND hwnd) {
  if (!m_state.hwnd || (hwnd && hwnd != m_state.hwnd)) return false;
  if (m_state.hideCount == 0) return true;
  if (--m_state.hideCount == 0) {
    m_state.blinkOn = true;
    m_state.nextToggle = m_system.Clock().Now() + m_system.CaretBlinkTime();
    MarkCaretDirty();
  }
  return true;
}

bool Caret::HideCaret(HWND hwnd) {
  if (!m_state.hwnd || (hwnd && hwnd != m_state.hwnd)) return false;
  ++m_state.hideCount;
  MarkCaretDirty();
  return true;
}

bool Caret::CaretOn() const {
  return m_state.hwnd && m_state.hideCount == 0 && m_state.blinkOn &&
         m_system.IsWindowVisible(m_state.hwnd);
}

TRegion Caret::CaretOverlay(HWND topLevel) const {
  if (!CaretOn() || m_system.GetAncestorTopLevel(m_state.hwnd) != topLevel) return {};
  TPoint offset =
      m_system.Painting().OffsetInTopLevel(m_state.hwnd) + m_state.hwnd->ClientInWindow.TopLeft();
  TRegion r(m_state.rect.Offset(offset));
  r &= m_system.VisibleRegion(m_state.hwnd, true, (m_state.hwnd->Style & WS_CLIPCHILDREN) != 0);
  return r;
}

std::optional<std::uint32_t> Caret::NextBlink() const {
  if (!m_state.hwnd || m_state.hideCount != 0) return std::nullopt;
  return m_state.nextToggle;
}

void Caret::Blink(std::uint32_t now) {
  if (!m_state.hwnd || m_state.hideCount != 0 ||
      static_cast<std::int32_t>(now - m_state.nextToggle) < 0) {
    return;
  }
  m_state.blinkOn = !m_state.blinkOn;
  m_state.nextToggle = now + m_system.CaretBlinkTime();
  MarkCaretDirty();
}

void Caret::ForgetWindow(HWND hwnd) {
  if (m_state.hwnd == hwnd) m_state = State{};
}

}  // namespace kx
