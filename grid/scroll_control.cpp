#include "grid/scroll_control.h"

#include <algorithm>
#include <cstdlib>

#include "platform/window/api.h"

namespace kx {

TDgCustomScrollControl::TDgCustomScrollControl(TComponent* owner) : TCustomControl(owner) {}

TDgCustomScrollControl::~TDgCustomScrollControl() = default;

void TDgCustomScrollControl::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN;
  if (m_borderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_STATICEDGE;
}

void TDgCustomScrollControl::SetBorderStyle(TBorderStyle style) {
  if (style == m_borderStyle) return;
  m_borderStyle = style;
  if (!HandleAllocated()) return;
  // The frame changes in place, so the window keeps its bars and its scroll state.
  std::uint32_t exStyle = WindowSystem().GetExStyle(Handle());
  if (style == TBorderStyle::bsSingle) {
    exStyle |= WS_EX_STATICEDGE;
  } else {
    exStyle &= ~WS_EX_STATICEDGE;
  }
  WindowSystem().SetExStyle(Handle(), exStyle);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TDgCustomScrollControl::CreateWnd() {
  TCustomControl::CreateWnd();
  if (!HandleAllocated()) return;
  m_horzScrollBar.SmallChange = 5;
  m_horzScrollBar.LargeChange = 10;
  m_vertScrollBar.LargeChange = 10;
  m_horzScrollBar.Push();
  m_vertScrollBar.Push();
}

void TDgCustomScrollControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;  // the content covers every pixel
      return;
    case WM_VSCROLL:
      HandleScroll(TScrollBarKind::sbVertical, LOWORD(m.WParam));
      m.Result = 0;
      return;
    case WM_HSCROLL:
      HandleScroll(TScrollBarKind::sbHorizontal, LOWORD(m.WParam));
      m.Result = 0;
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

void TDgCustomScrollControl::HandleScroll(TScrollBarKind kind, int code) {
  bool vertical = kind == TScrollBarKind::sbVertical;
  TDgScrollBar& bar = vertical ? m_vertScrollBar : m_horzScrollBar;
  BeforeScroll(kind);
  int position = bar.Position();
  bool move = true;
  switch (code) {
    case SB_LINEUP:
      position -= bar.SmallChange;
      break;
    case SB_LINEDOWN:
      position += bar.SmallChange;
      break;
    case SB_PAGEUP:
      position -= bar.LargeChange;
      break;
    case SB_PAGEDOWN:
      position += bar.LargeChange;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      position = bar.TrackPosition();
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = bar.Max();
      break;
    default:
      move = false;
      break;
  }
  if (move) {
    position = std::min(position, bar.Max() - std::max(1, bar.PageSize()) + 1);
    bar.SetPosition(std::max(0, position));
  }
  AfterScroll(kind);
  TDgScrollEvent& event = vertical ? OnVerticalScroll : OnHorizontalScroll;
  if (event) event(this, bar.Position());
}

bool TDgCustomScrollControl::MouseWheel(TShiftState shift, int delta, int x, int y) {
  if (!MouseWheelEnabled) return TCustomControl::MouseWheel(shift, delta, x, y);
  if (TCustomControl::MouseWheel(shift, delta, x, y)) return true;  // OnMouseWheel handled it
  if (!CanWheelScroll() || delta == 0) return true;
  bool ctrl = (shift & ssCtrl) != 0;
  int steps = std::max(1, std::abs(delta) / WHEEL_DELTA);
  for (int i = 0; i < steps; ++i) {
    if (delta < 0) {
      if (m_vertScrollBar.Max() > 0 && m_vertScrollBar.Position() < m_vertScrollBar.Max()) {
        Perform(WM_VSCROLL, ctrl ? SB_PAGEDOWN : SB_LINEDOWN, 0);
      } else if (!m_vertScrollBar.Visible() && m_horzScrollBar.Max() > 0) {
        Perform(WM_HSCROLL, ctrl ? SB_PAGERIGHT : SB_LINERIGHT, 0);
      }
    } else if (m_vertScrollBar.Max() > 0) {
      if (ctrl) {
        Perform(WM_VSCROLL, SB_PAGEUP, 0);
      } else if (m_vertScrollBar.Position() > 0) {
        Perform(WM_VSCROLL, SB_LINEUP, 0);
      }
    } else if (m_horzScrollBar.Max() > 0) {
      Perform(WM_HSCROLL, ctrl ? SB_PAGELEFT : SB_LINELEFT, 0);
    }
  }
  return true;
}

}  // namespace kx
