// The skinned frame sees the owner window's messages before the window's own
// handling: a table routes each message it takes part in to one short handler.
#include <iterator>

#include "platform/window/api.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_frame.h"

namespace kx {

namespace {

constexpr UINT kPaintFrameInto = 48203;
constexpr LPARAM kPaintFrameIntoTag = 16802;

TMouseButton ButtonOf(UINT msg) {
  return msg == WM_NCRBUTTONDOWN || msg == WM_NCRBUTTONUP || msg == WM_NCRBUTTONDBLCLK ||
                 msg == WM_RBUTTONUP
             ? TMouseButton::mbRight
             : TMouseButton::mbLeft;
}

}  // namespace

const TksSkinFrame::MessageRoute TksSkinFrame::kMessageRoutes[] = {
    {WM_CREATE, &TksSkinFrame::WmCreate},
    {WM_NCCALCSIZE, &TksSkinFrame::WmNCCalcSize},
    {WM_NCPAINT, &TksSkinFrame::WmNCPaint},
    {kPaintFrameInto, &TksSkinFrame::WmPaintFrameInto},
    {WM_NCACTIVATE, &TksSkinFrame::WmNCActivate},
    {WM_ACTIVATE, &TksSkinFrame::WmActivate},
    {WM_NCHITTEST, &TksSkinFrame::WmNCHitTest},
    {WM_ERASEBKGND, &TksSkinFrame::WmEraseBackground},
    {WM_SIZE, &TksSkinFrame::WmSize},
    {WM_ENTERSIZEMOVE, &TksSkinFrame::WmEnterSizeMove},
    {WM_EXITSIZEMOVE, &TksSkinFrame::WmExitSizeMove},
    {WM_GETMINMAXINFO, &TksSkinFrame::WmGetMinMaxInfo},
    {WM_SETTEXT, &TksSkinFrame::WmSetText},
    {WM_SHOWWINDOW, &TksSkinFrame::WmShowWindow},
    {WM_SYSCOMMAND, &TksSkinFrame::WmSysCommand},
    {WM_DESTROY, &TksSkinFrame::WmDestroy},
    {WM_MOVE, &TksSkinFrame::WmMenuClosingMessage},
    {WM_KILLFOCUS, &TksSkinFrame::WmMenuClosingMessage},
    {WM_CANCELMODE, &TksSkinFrame::WmMenuClosingMessage},
    {WM_MOUSEACTIVATE, &TksSkinFrame::WmMenuClosingMessage},
    {WM_PARENTNOTIFY, &TksSkinFrame::WmMenuClosingMessage},
    {WM_LBUTTONUP, &TksSkinFrame::WmClientButtonUp},
    {WM_RBUTTONUP, &TksSkinFrame::WmClientButtonUp},
    {WM_MOUSEMOVE, &TksSkinFrame::WmClientMouseMove},
};

void TksSkinFrame::FrameWndProc(TMessage& m) {
  if (HandleSkinMessage(m)) {
    m.Result = 0;
    return;
  }
  for (const MessageRoute& route : kMessageRoutes) {
    if (route.msg == m.Msg) {
      (this->*route.handler)(m);
      return;
    }
  }
  if (m.Msg >= WM_NCMOUSEMOVE && m.Msg <= WM_NCMBUTTONDBLCLK) {
    WmNonClientMouse(m);
    return;
  }
  Previous(m);
}

bool TksSkinFrame::HandleSkinMessage(TMessage& m) {
  auto* data = reinterpret_cast<TksSkinData*>(m.WParam);
  const bool own = data == m_skinData && m_skinData;
  switch (m.Msg) {
    case SkinMsgBeforeChange:
      if (own) {
        m_skinUsable = false;
        StopTimers();
        ClearObjects();
      }
      ForgetSkinOfControls(data);
      return true;
    case SkinMsgChange:
      if (own) Rebuild();
      ApplySkinToControls(data);
      return true;
    case SkinMsgAfterChange:
      return true;
    case SkinMsgStringsChanged:
      if (UseDefaultObjectHint) ApplyDefaultHints();
      return true;
    case SkinMsgMenuClosed:
      LeaveMenuMode();
      return true;
    default:
      return false;
  }
}

void TksSkinFrame::WmCreate(TMessage& m) {
  m_reportedActive.reset();
  m_letGo = false;
  Previous(m);
  if (HWND h = Handle()) RemoveFrameStyles(h);
}

void TksSkinFrame::WmNCCalcSize(TMessage& m) {
  if (!HasBorder()) {
    Previous(m);
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
  params->rgrc[0] = ClientInWindow(params->rgrc[0]);
  m.Result = 0;
}

void TksSkinFrame::WmNCPaint(TMessage&) {
  HWND h = Handle();
  if (!h || !HasBorder()) return;
  RecordWindowSize();
  if (HDC dc = WindowSystem().GetWindowDC(h)) PaintNonClientInto(dc->Canvas());
}

void TksSkinFrame::WmPaintFrameInto(TMessage& m) {
  if (m.LParam != kPaintFrameIntoTag || !m.WParam) {
    Previous(m);
    return;
  }
  PaintNonClientInto(*reinterpret_cast<TCanvas*>(m.WParam));
  m.Result = kPaintFrameIntoTag;
}

void TksSkinFrame::WmNCActivate(TMessage& m) {
  CloseOpenMenus();
  m_reportedActive = m.WParam != 0;
  if (*m_reportedActive) m_letGo = false;
  m.Result = 1;
  PaintNonClient();
  Activation();
}

void TksSkinFrame::WmActivate(TMessage& m) {
  m_reportedActive = LOWORD(m.WParam) != WA_INACTIVE;
  m_letGo = !*m_reportedActive;
  CloseOpenMenus();
  Previous(m);
  PaintNonClient();
  ClearHover();
  Activation();
}

void TksSkinFrame::WmNCHitTest(TMessage& m) {
  HWND h = Handle();
  if (!h) {
    m.Result = HTNOWHERE;
    return;
  }
  const TPoint p = ToWindow(PointFromLParam(m.LParam));
  if (!PaintsSkin() || !SupportNCArea) {
    const TRect r = GetWindowRect(h);
    m.Result = PlainGeometry({r.Width(), r.Height()}).HitTest(p);
    if (!PaintsSkin() || m.Result != HTBORDER) return;
  }
  m.Result = HitTest(p);
  if (m.Result == HTOBJECT && !m_watchdogTimer) {
    DetectHover(p);
    StartWatchdog();
  }
}

void TksSkinFrame::WmEraseBackground(TMessage& m) {
  if (!m_skinUsable || !m.WParam) {
    Previous(m);
    return;
  }
  PaintClientBackground(*reinterpret_cast<TCanvas*>(m.WParam));
  m.Result = 1;
}

void TksSkinFrame::WmSize(TMessage& m) {
  CloseOpenMenus();
  Previous(m);
  if (m.WParam != SIZE_MINIMIZED) PlatformRestored();
  SizeChanged();
}

void TksSkinFrame::WmEnterSizeMove(TMessage& m) {
  CloseOpenMenus();
  m_movingOrSizing = true;
  ClearHover();
  StopWatchdog();
  Previous(m);
}

void TksSkinFrame::WmExitSizeMove(TMessage& m) {
  m_movingOrSizing = false;
  m_moveSizeEnded = m_handlingButtonDown;
  StopWatchdog();
  m_hover = m_previousHover = m_pressed = -1;
  PaintNonClient();
  if (m_skinUsable) StartWatchdog();
  Previous(m);
}

void TksSkinFrame::WmGetMinMaxInfo(TMessage& m) {
  Previous(m);
  if (m.LParam) SetSizeLimits(*reinterpret_cast<MINMAXINFO*>(m.LParam));
}

void TksSkinFrame::WmSetText(TMessage& m) {
  Previous(m);
  PaintNonClient();
}

void TksSkinFrame::WmShowWindow(TMessage& m) {
  if (m.WParam) PositionOnFirstShow();
  Previous(m);
  PaintNonClient();
}

void TksSkinFrame::WmSysCommand(TMessage& m) {
  if ((m.WParam & 0xFFF0) == SC_RESTORE) {
    // Normal before the platform restores, so the restore's new size fires nothing more.
    if (m_windowState == TksWindowState::wsMinimized) m_windowState = TksWindowState::wsNormal;
    if (OnRestore) OnRestore(this);
  }
  Previous(m);
}

void TksSkinFrame::WmDestroy(TMessage& m) {
  StopTimers();
  if (m_menu.Visible()) m_menu.CloseFromLevel(0);
  Previous(m);
}

void TksSkinFrame::WmMenuClosingMessage(TMessage& m) {
  CloseOpenMenus();
  Previous(m);
}

// Button releases that the capture sends to the client area release the pressed object.
void TksSkinFrame::WmClientButtonUp(TMessage& m) {
  if (m_pressed < 0) {
    Previous(m);
    return;
  }
  ReleaseObject(CursorInWindow(), ButtonOf(m.Msg));
}

void TksSkinFrame::WmClientMouseMove(TMessage& m) {
  TksActiveSkinObject* pressed = ObjectOf(m_pressed);
  if (!pressed) {
    Previous(m);
    return;
  }
  const TPoint p = CursorInWindow();
  pressed->MouseMove(p.X, p.Y);
  RedrawObject(*pressed);  // its down image follows the mouse
}

void TksSkinFrame::WmNonClientMouse(TMessage& m) {
  const bool buttonDown = m.Msg == WM_NCLBUTTONDOWN || m.Msg == WM_NCRBUTTONDOWN ||
                          m.Msg == WM_NCLBUTTONDBLCLK || m.Msg == WM_NCRBUTTONDBLCLK;
  m_moveSizeEnded = false;
  m_handlingButtonDown = buttonDown;
  Previous(m);
  m_handlingButtonDown = false;
  if (!m_skinUsable) return;
  const TPoint screen = PointFromLParam(m.LParam);
  const TPoint p = ToWindow(screen);
  switch (m.Msg) {
    case WM_NCMOUSEMOVE:
      if (TksActiveSkinObject* o = ObjectOf(m_pressed >= 0 ? m_pressed : m_hover))
        o->MouseMove(p.X, p.Y);
      break;
    case WM_NCLBUTTONDOWN:
      PressObject(p, TMouseButton::mbLeft);
      break;
    case WM_NCRBUTTONDOWN:
      PressObject(p, TMouseButton::mbRight);
      if (TksActiveSkinObject* o = ObjectOf(m_pressed); o && o->IsCaption()) {
        m_pressed = -1;
        OpenSystemMenu({screen.X, screen.Y, screen.X, screen.Y}, nullptr);
      }
      break;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
      ReleaseObject(p, ButtonOf(m.Msg));
      break;
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK:
      DoubleClickObject(p, ButtonOf(m.Msg));
      break;
    default:
      break;
  }
}

}  // namespace kx
