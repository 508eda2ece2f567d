#include "grid/grid_control.h"

#include <algorithm>
#include <cstdlib>

#include "grid/grid_cursors.h"
#include "platform/forms/application.h"
#include "platform/forms/forms.h"
#include "platform/forms/hint_window.h"
#include "platform/window/api.h"

namespace kx {

namespace {
constexpr std::uintptr_t kRollTimer = 0x524C;
constexpr int kRollDeadZone = 5;
}  // namespace

TDgCustomGridControl::TDgCustomGridControl(TComponent* owner) : TDgCustomScrollControl(owner) {
  RegisterGridCursors();
}

TDgCustomGridControl::~TDgCustomGridControl() {
  HideGridHint();
  if (m_roll && HandleAllocated() && WindowSystemExists()) KillTimer(Handle(), kRollTimer);
}

const THintWindow* TDgCustomGridControl::GridHint() const {
  return m_hint && m_hint->Showing() ? m_hint.get() : nullptr;
}

bool TDgCustomGridControl::FormActive() const {
  const TControl* top = this;
  while (top->Parent()) top = top->Parent();
  auto* form = dynamic_cast<const TCustomForm*>(top);
  return form && Screen().ActiveForm() == form;
}

void TDgCustomGridControl::ShowGridHint(TGridHintKind kind, const std::string& text, TPoint client,
                                        int maxWidth) {
  if (!FormActive() || !HandleAllocated()) return;
  bool showHint = !HasApplication() || Application().ShowHint;
  if (kind != TGridHintKind::FitHint && !showHint) return;
  if (!m_hint) m_hint = std::make_unique<THintWindow>();
  m_hint->Color = HasApplication() ? Application().HintColor : clInfoBk;
  TRect rect = m_hint->CalcHintRect(std::max(1, maxWidth), text);
  TPoint at = ClientToScreen(client);
  m_hint->ActivateHint(rect.Offset(at), text);
  m_hintKind = kind;
}

void TDgCustomGridControl::HideGridHint() {
  m_hintKind = TGridHintKind::None;
  if (m_hint) m_hint->ReleaseHandle();
}

void TDgCustomGridControl::ShowCursor(int cursor) {
  if (WindowSystemExists()) WindowSystem().SetCursor(Screen().Cursor(cursor));
}

void TDgCustomGridControl::WndProc(TMessage& m) {
  if (m.Msg == WM_TIMER && m.WParam == kRollTimer) {
    RollTick();
    return;
  }
  if (m.Msg == WM_DESTROY) {
    HideGridHint();
    StopRoll();
  }
  TDgCustomScrollControl::WndProc(m);
}

void TDgCustomGridControl::MouseLeave() {
  HideGridHint();
  TDgCustomScrollControl::MouseLeave();
}

void TDgCustomGridControl::DoExit() {
  HideGridHint();
  TDgCustomScrollControl::DoExit();
}

// ---- middle-button roll scrolling

void TDgCustomGridControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TDgCustomScrollControl::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbMiddle && !(shift & ssDouble)) StartRoll(x, y);
}

void TDgCustomGridControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  StopRoll();  // any button ends it
  TDgCustomScrollControl::MouseUp(button, shift, x, y);
}

void TDgCustomGridControl::MouseMove(TShiftState shift, int x, int y) {
  if (m_roll) {
    int dy = y - m_roll->origin.Y;
    m_roll->direction = dy < -kRollDeadZone ? -1 : dy > kRollDeadZone ? 1 : 0;
    ShowCursor(m_roll->direction < 0 ? crRollUp : m_roll->direction > 0 ? crRollDown : crRoll);
  }
  TDgCustomScrollControl::MouseMove(shift, x, y);
}

void TDgCustomGridControl::StartRoll(int x, int y) {
  if (!HandleAllocated()) return;
  m_roll = RollGesture{{x, y}, 0};
  SetCapture(Handle());
  TPoint screen = ClientToScreen({x, y});
  m_rollShadow.ShowAt({screen.X - 7, screen.Y - 11, screen.X - 7 + TRollShadow::kSize,
                       screen.Y - 11 + TRollShadow::kSize});
  ShowCursor(crRoll);
  SetTimer(Handle(), kRollTimer, 100);
}

void TDgCustomGridControl::RollTick() {
  if (!m_roll) return;
  TPoint mouse = ScreenToClient(GetCursorPos());
  int interval = std::max(1, 100 - std::abs(mouse.Y - m_roll->origin.Y));
  SetTimer(Handle(), kRollTimer, static_cast<std::uint32_t>(interval));
  if (m_roll->direction != 0) {
    Perform(WM_VSCROLL, m_roll->direction < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
  }
}

void TDgCustomGridControl::StopRoll() {
  if (!m_roll) return;
  m_roll.reset();
  if (HandleAllocated() && WindowSystemExists()) {
    KillTimer(Handle(), kRollTimer);
    m_rollShadow.Hide();
    ShowCursor(Cursor);
    if (GetCapture() == Handle()) ReleaseCapture();
  }
}

}  // namespace kx
