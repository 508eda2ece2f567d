#include <algorithm>
#include <cstring>

#include "platform/window/window_system.h"

namespace kx {

namespace {
HCURSOR CursorForHit(int hit, const HCURSOR& classCursor) {
  switch (hit) {
    case HTCLIENT:
      return classCursor;
    case HTLEFT:
    case HTRIGHT:
      return LoadCursor(TStandardCursor::SizeWE);
    case HTTOP:
    case HTBOTTOM:
      return LoadCursor(TStandardCursor::SizeNS);
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      return LoadCursor(TStandardCursor::SizeNWSE);
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      return LoadCursor(TStandardCursor::SizeNESW);
    default:
      return LoadCursor(TStandardCursor::Arrow);
  }
}

bool IsSizingHit(int hit) {
  return hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
}
}  // namespace

int TWindowSystem::GetSystemMetrics(int index) const {
  switch (index) {
    case SM_CXSCREEN:
      return m_backend.ScreenRect().Width();
    case SM_CYSCREEN:
      return m_backend.ScreenRect().Height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
      return 17;
    case SM_CYCAPTION:
      return 19;
    case SM_CYSMCAPTION:
      return 15;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
    case SM_CXFRAME:
    case SM_CYFRAME:
      return 3;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
      return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    case SM_CXSIZE:
    case SM_CYSIZE:
      return 18;
    case SM_CXMIN:
      return 112;
    case SM_CYMIN:
      return 27;
    default:
      return 0;
  }
}

void TWindowSystem::DefWindowProc(HWND hwnd, TMessage& m) {
  m.Result = 0;
  if (!IsWindow(hwnd)) return;
  switch (m.Msg) {
    case WM_NCCREATE:
      m.Result = 1;
      break;
    case WM_NCCALCSIZE: {
      auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
      FrameInsets in = DefaultFrameInsets(hwnd);
      TRect& r = params->rgrc[0];
      r = {r.Left + in.left, r.Top + in.top, r.Right - in.right, r.Bottom - in.bottom};
      if (hwnd->Style & WS_VSCROLL)
        r.Right -= std::min(GetSystemMetrics(SM_CXVSCROLL), std::max(0, r.Width()));
      if (hwnd->Style & WS_HSCROLL)
        r.Bottom -= std::min(GetSystemMetrics(SM_CYHSCROLL), std::max(0, r.Height()));
      r.Right = std::max(r.Right, r.Left);
      r.Bottom = std::max(r.Bottom, r.Top);
      break;
    }
    case WM_NCHITTEST:
      m.Result = DefaultHitTest(hwnd, PointFromLParam(m.LParam));
      break;
    case WM_NCPAINT:
      DefaultNcPaint(hwnd);
      break;
    case WM_NCACTIVATE:
      if (hwnd->ClientInWindow != hwnd->WindowBounds()) hwnd->FrameInvalid = true;
      m.Result = 1;
      break;
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) != WA_INACTIVE && !HIWORD(m.WParam) && !m_input.FocusAfterActivation() &&
          (!GetFocus() || GetAncestorTopLevel(GetFocus()) != hwnd)) {
        SetFocus(hwnd);
      }
      break;
    case WM_MOUSEACTIVATE:
      if (hwnd->Parent) {
        LRESULT r = SendMessage(hwnd->Parent, WM_MOUSEACTIVATE, m.WParam, m.LParam);
        if (r) {
          m.Result = r;
          break;
        }
      }
      m.Result = (hwnd->ExStyle & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
      break;
    case WM_SETCURSOR: {
      if (hwnd->Parent && SendMessage(hwnd->Parent, WM_SETCURSOR, m.WParam, m.LParam)) {
        m.Result = 1;
        break;
      }
      int hit = static_cast<std::int16_t>(LOWORD(static_cast<WPARAM>(m.LParam)));
      // A child's client area: the child sets its own cursor.
      if (hit == HTCLIENT && reinterpret_cast<HWND>(m.WParam) != hwnd) break;
      SetCursor(CursorForHit(hit, hwnd->ClassCursor));
      break;
    }
    case WM_ERASEBKGND: {
      auto* canvas = reinterpret_cast<TCanvas*>(m.WParam);
      if (canvas && hwnd->ClassBackground != clNone) {
        canvas->Brush().Color = hwnd->ClassBackground;
        canvas->Brush().Style = TBrushStyle::bsSolid;
        canvas->FillRect(GetClientRect(hwnd));
        m.Result = 1;
      }
      break;
    }
    case WM_PAINT: {
      TPaintStruct ps;
      BeginPaint(hwnd, ps);
      EndPaint(hwnd, ps);
      break;
    }
    case WM_SETTEXT:
      hwnd->Text = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
      if ((hwnd->Style & WS_CAPTION) == WS_CAPTION) hwnd->FrameInvalid = true;
      m.Result = 1;
      break;
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<char*>(m.LParam);
      if (!buffer || m.WParam == 0) break;
      std::size_t n = std::min<std::size_t>(hwnd->Text.size(), m.WParam - 1);
      std::memcpy(buffer, hwnd->Text.data(), n);
      buffer[n] = '\0';
      m.Result = static_cast<LRESULT>(n);
      break;
    }
    case WM_GETTEXTLENGTH:
      m.Result = static_cast<LRESULT>(hwnd->Text.size());
      break;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      break;
    case WM_SETREDRAW:
      hwnd->RedrawOff = m.WParam == 0;
      break;
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      m_frame.CancelMoveSize(hwnd);
      m_scrollBars.CancelTracking(hwnd);
      break;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
      if (!(pos->flags & SWP_NOMOVE)) {
        SendMessage(hwnd, WM_MOVE, 0,
                    LParamFromPoint(hwnd->Rect.TopLeft() + hwnd->ClientInWindow.TopLeft()));
      }
      if (IsWindow(hwnd) && (!(pos->flags & SWP_NOSIZE) || (pos->flags & SWP_FRAMECHANGED))) {
        WPARAM kind = hwnd->Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
        SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(hwnd->ClientSize().cx, hwnd->ClientSize().cy));
      }
      break;
    }
    case WM_SYSCOMMAND:
      switch (m.WParam & 0xFFF0) {
        case SC_CLOSE:
          SendMessage(hwnd, WM_CLOSE);
          break;
        case SC_MINIMIZE:
          ShowWindow(hwnd, SW_MINIMIZE);
          break;
        case SC_MAXIMIZE:
          ShowWindow(hwnd, SW_MAXIMIZE);
          break;
        case SC_RESTORE:
          ShowWindow(hwnd, SW_RESTORE);
          break;
        case SC_MOVE:
          BeginMoveSize(hwnd, HTCAPTION);
          break;
        case SC_SIZE:
          if (m.WParam & 0xF) BeginMoveSize(hwnd, static_cast<int>(m.WParam & 0xF) + HTLEFT - 1);
          break;
        default:
          break;
      }
      break;
    case WM_NCLBUTTONDOWN: {
      int hit = static_cast<int>(m.WParam);
      if (hit == HTCAPTION) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, m.LParam);
      } else if (IsSizingHit(hit) && (hwnd->Style & WS_THICKFRAME)) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE + static_cast<WPARAM>(hit - HTLEFT + 1), m.LParam);
      } else if (hit == HTVSCROLL || hit == HTHSCROLL) {
        BeginScrollTrack(hwnd, hit == HTVSCROLL ? SB_VERT : SB_HORZ, PointFromLParam(m.LParam));
      } else if (hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON) {
        m_frame.PressCaptionButton(hwnd, hit);
      }
      break;
    }
    case WM_NCLBUTTONUP: {
      int hit = static_cast<int>(m.WParam);
      std::optional<int> pressedHit = m_frame.ReleaseCaptionButton(hwnd);
      if (!pressedHit) break;
      hwnd->FrameInvalid = true;
      if (hit != *pressedHit) break;
      WPARAM command = hit == HTCLOSE       ? SC_CLOSE
                       : hit == HTMINBUTTON ? SC_MINIMIZE
                       : hwnd->Maximized    ? SC_RESTORE
                                            : SC_MAXIMIZE;
      SendMessage(hwnd, WM_SYSCOMMAND, command, m.LParam);
      break;
    }
    case WM_NCLBUTTONDBLCLK:
      if (m.WParam == HTCAPTION && (hwnd->Style & WS_MAXIMIZEBOX) &&
          (hwnd->Style & WS_THICKFRAME) && hwnd->IsTopLevel()) {
        SendMessage(hwnd, WM_SYSCOMMAND, hwnd->Maximized ? SC_RESTORE : SC_MAXIMIZE, m.LParam);
      }
      break;
    case WM_RBUTTONUP:
      SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                  LParamFromPoint(ClientToScreen(hwnd, PointFromLParam(m.LParam))));
      break;
    case WM_NCRBUTTONUP:
      SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), m.LParam);
      break;
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
      if (hwnd->Parent) m.Result = SendMessage(hwnd->Parent, m.Msg, m.WParam, m.LParam);
      break;
    case WM_SYSKEYDOWN:
      if (m.WParam == VK_F4 && (m.LParam & KF_ALTDOWN_BIT)) {
        SendMessage(GetAncestorTopLevel(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case WM_SYSCHAR:
      if (m.LParam & KF_ALTDOWN_BIT) {
        SendMessage(GetAncestorTopLevel(hwnd), WM_SYSCOMMAND, SC_KEYMENU,
                    static_cast<LPARAM>(m.WParam));
      }
      break;
    default:
      break;
  }
}

}  // namespace kx
