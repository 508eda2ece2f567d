#include "platform/window/default_frame.h"

#include <algorithm>

#include "platform/gfx/draw_text.h"
#include "platform/window/frame_drawing.h"
#include "platform/window/window_system.h"

namespace kx {

namespace {
constexpr int kFrame = 3;
constexpr int kCaption = 19;
constexpr int kToolCaption = 15;

bool HasCaption(HWND hwnd) {
  return (hwnd->Style & WS_CAPTION) == WS_CAPTION;
}

bool IsFramed(HWND hwnd) {
  return HasCaption(hwnd) || (hwnd->Style & (WS_THICKFRAME | WS_DLGFRAME)) ||
         (hwnd->ExStyle & WS_EX_DLGMODALFRAME);
}

int CaptionHeight(HWND hwnd) {
  if (!HasCaption(hwnd)) return 0;
  return (hwnd->ExStyle & WS_EX_TOOLWINDOW) ? kToolCaption : kCaption;
}

void Edge(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
  c.Pen().Color = topLeft;
  c.MoveTo(r.Left, r.Bottom - 1);
  c.LineTo(r.Left, r.Top);
  c.LineTo(r.Right - 1, r.Top);
  c.Pen().Color = bottomRight;
  c.LineTo(r.Right - 1, r.Bottom - 1);
  c.LineTo(r.Left - 1, r.Bottom - 1);
}
}  // namespace

void DrawRaisedButton(TCanvas& c, const TRect& r, bool pressed) {
  c.Brush().Color = clBtnFace;
  c.Brush().Style = TBrushStyle::bsSolid;
  c.FillRect(r);
  if (pressed) {
    Edge(c, r, clBtnShadow, clBtnHighlight);
  } else {
    Edge(c, r, clBtnHighlight, cl3DDkShadow);
    Edge(c, r.Inflated(-1, -1), clBtnFace, clBtnShadow);
  }
}

FrameInsets DefaultFrame::DefaultFrameInsets(HWND hwnd) const {
  int border = 0;
  if (IsFramed(hwnd)) {
    border = kFrame;
  } else if (hwnd->Style & WS_BORDER) {
    border = 1;
  }
  if (hwnd->ExStyle & WS_EX_STATICEDGE) border += 1;
  if (hwnd->ExStyle & WS_EX_CLIENTEDGE) border += 2;
  return {border, border + CaptionHeight(hwnd), border, border};
}

PlainFrameGeometry DefaultFrame::Geometry(HWND hwnd) const {
  const int caption = CaptionHeight(hwnd);
  CaptionButtons buttons;
  if (caption > 0 && (hwnd->Style & WS_SYSMENU) && hwnd->IsTopLevel()) {
    buttons.close = true;
    // Both boxes show when the window has either, as the platform draws them.
    const bool boxes =
        (hwnd->Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) && !(hwnd->ExStyle & WS_EX_TOOLWINDOW);
    buttons.maximize = buttons.minimize = boxes;
  }
  const CaptionButtonLayout layout{{caption - 2, caption - 4}, {2, 2}, 2, 0};
  const bool sizeable = (hwnd->Style & WS_THICKFRAME) && !hwnd->Maximized;
  return PlainFrameGeometry({hwnd->Width(), hwnd->Height()}, DefaultFrameInsets(hwnd), caption,
                            buttons, layout, sizeable);
}

TRect DefaultFrame::CaptionButtonRect(HWND hwnd, int hit) const {
  return Geometry(hwnd).Button(hit);
}

int DefaultFrame::DefaultHitTest(HWND hwnd, TPoint screen) const {
  TPoint p = screen - m_system.WindowOrigin(hwnd);
  if (!hwnd->WindowBounds().Contains(p)) return HTNOWHERE;
  if (hwnd->Region && !hwnd->Region->Contains(p)) return HTNOWHERE;
  if (hwnd->ClientInWindow.Contains(p)) return HTCLIENT;
  if (m_system.ScrollBarRect(hwnd, SB_VERT).Contains(p)) return HTVSCROLL;
  if (m_system.ScrollBarRect(hwnd, SB_HORZ).Contains(p)) return HTHSCROLL;
  return Geometry(hwnd).NonClientHitTest(p);
}

void DefaultFrame::DefaultNcPaint(HWND hwnd) {
  if (hwnd->ClientInWindow == hwnd->WindowBounds()) return;
  HDC dc = m_system.GetWindowDC(hwnd);
  TCanvas& c = dc->Canvas();
  c.ExcludeClipRect(hwnd->ClientInWindow);
  TRect r = hwnd->WindowBounds();
  FrameInsets in = DefaultFrameInsets(hwnd);
  if (IsFramed(hwnd)) {
    c.Brush().Color = clBtnFace;
    c.Brush().Style = TBrushStyle::bsSolid;
    c.FillRect(r);
    Edge(c, r, clBtnFace, cl3DDkShadow);
    Edge(c, r.Inflated(-1, -1), clBtnHighlight, clBtnShadow);
  } else if (hwnd->Style & WS_BORDER) {
    c.Brush().Color = clWindowFrame;
    c.FrameRect(r);
    r = r.Inflated(-1, -1);
  }
  if (hwnd->ExStyle & WS_EX_STATICEDGE) {
    TRect e = IsFramed(hwnd) ? r.Inflated(-kFrame, -kFrame) : r;
    Edge(c, e, clBtnShadow, clBtnHighlight);
  }
  if (hwnd->ExStyle & WS_EX_CLIENTEDGE) {
    TRect e = hwnd->ClientInWindow.Inflated(2, 2);
    Edge(c, e, clBtnShadow, clBtnHighlight);
    Edge(c, e.Inflated(-1, -1), cl3DDkShadow, cl3DLight);
  }
  if (HasCaption(hwnd)) {
    bool active = m_system.GetAncestorTopLevel(hwnd) == m_system.GetActiveWindow();
    TRect caption{in.left, in.top - CaptionHeight(hwnd), hwnd->Width() - in.right, in.top};
    c.Brush().Color = active ? clActiveCaption : clInactiveCaption;
    c.FillRect(caption);
    c.Font() =
        TFont("Arial", -11, TFontStyle::fsBold, active ? clCaptionText : clInactiveCaptionText);
    c.Brush().Style = TBrushStyle::bsClear;
    TRect textRect = caption;
    textRect.Left += 4;
    TRect firstButton = CaptionButtonRect(hwnd, HTMINBUTTON);
    if (firstButton.IsEmpty()) firstButton = CaptionButtonRect(hwnd, HTCLOSE);
    if (!firstButton.IsEmpty()) textRect.Right = firstButton.Left - 2;
    DrawText(c, hwnd->Text, textRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    for (int hit : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
      TRect b = CaptionButtonRect(hwnd, hit);
      if (b.IsEmpty()) continue;
      bool pressed = m_pressedCaptionButton == hwnd && m_pressedCaptionHit == hit;
      DrawRaisedButton(c, b, pressed);
      c.Pen().Color = clBtnText;
      int cx = b.Left + b.Width() / 2 + (pressed ? 1 : 0);
      int cy = b.Top + b.Height() / 2 + (pressed ? 1 : 0);
      if (hit == HTCLOSE) {
        for (int d = 0; d < 2; ++d) {
          c.MoveTo(cx - 4 + d, cy - 3);
          c.LineTo(cx + 3 + d, cy + 4);
          c.MoveTo(cx + 2 + d, cy - 3);
          c.LineTo(cx - 5 + d, cy + 4);
        }
      } else if (hit == HTMINBUTTON) {
        c.Brush().Color = clBtnText;
        c.Brush().Style = TBrushStyle::bsSolid;
        c.FillRect({cx - 4, cy + 2, cx + 2, cy + 4});
      } else {
        c.Brush().Color = clBtnText;
        c.FrameRect({cx - 4, cy - 4, cx + 5, cy + 4});
        c.FillRect({cx - 4, cy - 3, cx + 5, cy - 2});
      }
    }
  }
  m_system.Bars().DrawScrollBars(hwnd, c);
}

void DefaultFrame::BeginMoveSize(HWND hwnd, int hit) {
  if (!m_system.IsWindow(hwnd) || m_moveSize.active) return;
  m_moveSize = MoveSizeTracking{true, hwnd, hit, m_system.Input().CursorPosition(), hwnd->Rect};
  m_system.Backend().CaptureMouse(true);
  m_system.SendMessage(hwnd, WM_ENTERSIZEMOVE);
}

void DefaultFrame::CancelMoveSize(HWND hwnd) {
  if (m_moveSize.active && m_moveSize.hwnd == hwnd) EndMoveSize();
}

void DefaultFrame::PressCaptionButton(HWND hwnd, int hit) {
  m_pressedCaptionButton = hwnd;
  m_pressedCaptionHit = hit;
  hwnd->FrameInvalid = true;
}

std::optional<int> DefaultFrame::ReleaseCaptionButton(HWND hwnd) {
  HWND pressed = m_pressedCaptionButton;
  m_pressedCaptionButton = nullptr;
  if (pressed != hwnd) return std::nullopt;
  return m_pressedCaptionHit;
}

void DefaultFrame::ForgetWindow(HWND hwnd) {
  if (m_moveSize.hwnd == hwnd) m_moveSize = MoveSizeTracking{};
  if (m_pressedCaptionButton == hwnd) m_pressedCaptionButton = nullptr;
}

void DefaultFrame::EndMoveSize() {
  HWND hwnd = m_moveSize.hwnd;
  m_moveSize = MoveSizeTracking{};
  m_system.Backend().CaptureMouse(false);
  if (m_system.IsWindow(hwnd)) m_system.SendMessage(hwnd, WM_EXITSIZEMOVE);
}

MINMAXINFO DefaultFrame::QueryMinMaxInfo(HWND hwnd) {
  MINMAXINFO info;
  TRect work = m_system.MonitorWorkArea(hwnd);
  TRect screen = m_system.Backend().ScreenRect();
  info.ptMaxSize = {work.Width(), work.Height()};
  info.ptMaxPosition = work.TopLeft();
  info.ptMinTrackSize = {m_system.GetSystemMetrics(SM_CXMIN), m_system.GetSystemMetrics(SM_CYMIN)};
  info.ptMaxTrackSize = {screen.Width() + 12, screen.Height() + 12};
  m_system.SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

bool DefaultFrame::HandleMoveSizeInput(const RawInput& input) {
  if (!m_moveSize.active) return false;
  HWND hwnd = m_moveSize.hwnd;
  if (!m_system.IsWindow(hwnd)) {
    m_moveSize = MoveSizeTracking{};
    return false;
  }
  using Kind = RawInput::Kind;
  if (input.kind == Kind::ButtonUp) {
    if (input.button == 0) EndMoveSize();
    return true;
  }
  if (input.kind != Kind::MouseMove) return true;
  TPoint d = input.screen - m_moveSize.start;
  TRect r = m_moveSize.startRect;
  int hit = m_moveSize.hit;
  if (hit == HTCAPTION) {
    r = r.Offset(d);
    m_system.SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
    m_system.SetWindowPos(hwnd, nullptr, r.Left, r.Top, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
  }
  bool left = hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
  bool right = hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT;
  bool top = hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
  bool bottom = hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT;
  if (left) r.Left += d.X;
  if (right) r.Right += d.X;
  if (top) r.Top += d.Y;
  if (bottom) r.Bottom += d.Y;
  MINMAXINFO info = QueryMinMaxInfo(hwnd);
  int width = std::clamp(r.Width(), info.ptMinTrackSize.X,
                         std::max(info.ptMinTrackSize.X, info.ptMaxTrackSize.X));
  int height = std::clamp(r.Height(), info.ptMinTrackSize.Y,
                          std::max(info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y));
  if (left)
    r.Left = r.Right - width;
  else
    r.Right = r.Left + width;
  if (top)
    r.Top = r.Bottom - height;
  else
    r.Bottom = r.Top + height;
  m_system.SendMessage(hwnd, WM_SIZING, static_cast<WPARAM>(hit - HTLEFT + 1),
                       reinterpret_cast<LPARAM>(&r));
  m_system.SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void DefaultFrame::OnNativeMoved(HWND hwnd, TPoint screen) {
  if (!m_system.IsWindow(hwnd) || !hwnd->IsTopLevel() || hwnd->Rect.TopLeft() == screen) return;
  hwnd->Rect = hwnd->Rect.Offset(screen - hwnd->Rect.TopLeft());
  m_system.SendMessage(hwnd, WM_MOVE, 0,
                       LParamFromPoint(hwnd->Rect.TopLeft() + hwnd->ClientInWindow.TopLeft()));
}

}  // namespace kx
