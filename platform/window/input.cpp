#include <cstdlib>

#include "platform/window/window_system.h"

namespace kx {

namespace {
constexpr UINT kClientDown[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
constexpr UINT kNcDown[3] = {WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
constexpr int kButtonKey[3] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};

int ClampButton(int button) {
  return button < 0 || button > 2 ? 0 : button;
}
}  // namespace

void TWindowSystem::QueueInput(const RawInput& input) {
  m_input.push_back(input);
}

bool TWindowSystem::RouteInput(const RawInput& input, TMsg& out) {
  switch (input.kind) {
    case RawInput::Kind::KeyDown:
    case RawInput::Kind::KeyUp:
    case RawInput::Kind::Char:
      return RouteKey(input, out);
    default:
      return RouteMouse(input, out);
  }
}

WPARAM TWindowSystem::MouseKeyState() const {
  WPARAM state = 0;
  if (m_keyDown[VK_LBUTTON]) state |= MK_LBUTTON;
  if (m_keyDown[VK_RBUTTON]) state |= MK_RBUTTON;
  if (m_keyDown[VK_MBUTTON]) state |= MK_MBUTTON;
  if (m_keyDown[VK_SHIFT]) state |= MK_SHIFT;
  if (m_keyDown[VK_CONTROL]) state |= MK_CONTROL;
  return state;
}

std::int16_t TWindowSystem::GetKeyState(int vk) const {
  return m_keyDown[static_cast<std::size_t>(vk & 0xFF)] ? static_cast<std::int16_t>(-32768) : 0;
}

HWND TWindowSystem::HitWindow(TPoint screen, int& hit) {
  HWND w = WindowFromPoint(screen);
  while (w) {
    if (!IsWindowEnabled(GetAncestorTopLevel(w)) || !w->Enabled()) return nullptr;
    hit = static_cast<int>(SendMessage(w, WM_NCHITTEST, 0, LParamFromPoint(screen)));
    if (!IsWindow(w)) return nullptr;
    if (hit != HTTRANSPARENT) return w;
    // Transparent to the mouse: the window beneath it gets the input.
    const std::vector<HWND>& siblings = w->Parent ? w->Parent->Children : m_topLevels;
    HWND beneath = nullptr;
    bool below = false;
    for (HWND s : siblings) {
      if (s == w) {
        below = true;
        continue;
      }
      if (below && s->Visible() && !s->Minimized && ContainsScreenPoint(s, screen)) {
        beneath = s;
        break;
      }
    }
    if (beneath) {
      TPoint local = screen - ClientOrigin(beneath);
      w = GetClientRect(beneath).Contains(local) ? FindChildAt(beneath, local, true) : beneath;
    } else {
      w = w->Parent;
    }
  }
  return nullptr;
}

void TWindowSystem::UpdateMouseTracking(HWND hwnd, bool client) {
  HWND tracked = m_tracking.hwnd;
  if (!tracked) return;
  if (m_tracking.client && (hwnd != tracked || !client)) {
    m_tracking.client = false;
    PostMessage(tracked, WM_MOUSELEAVE);
  }
  if (m_tracking.nonClient && (hwnd != tracked || client)) {
    m_tracking.nonClient = false;
    PostMessage(tracked, WM_NCMOUSELEAVE);
  }
  if (!m_tracking.client && !m_tracking.nonClient) m_tracking.hwnd = nullptr;
}

bool TWindowSystem::TrackMouseEvent(HWND hwnd, UINT flags) {
  if (!IsWindow(hwnd)) return false;
  bool nonClient = (flags & TME_NONCLIENT) != 0;
  if (flags & TME_CANCEL) {
    if (m_tracking.hwnd == hwnd) {
      (nonClient ? m_tracking.nonClient : m_tracking.client) = false;
      if (!m_tracking.client && !m_tracking.nonClient) m_tracking.hwnd = nullptr;
    }
    return true;
  }
  if (!(flags & TME_LEAVE)) return true;
  HWND under = WindowFromPoint(m_cursorPos);
  bool inClient = under == hwnd && GetClientRect(hwnd).Contains(ScreenToClient(hwnd, m_cursorPos));
  bool over = under == hwnd && (nonClient ? !inClient : inClient);
  if (!over) {
    PostMessage(hwnd, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE);
    return true;
  }
  if (m_tracking.hwnd != hwnd) {
    UpdateMouseTracking(hwnd, inClient);
    m_tracking = MouseTracking{hwnd, false, false};
  }
  (nonClient ? m_tracking.nonClient : m_tracking.client) = true;
  return true;
}

bool TWindowSystem::IsDoubleClick(HWND hwnd, int button, bool client, TPoint screen) {
  std::uint32_t now = m_clock.Now();
  bool dbl = m_lastClick.hwnd == hwnd && m_lastClick.button == button &&
             m_lastClick.client == client && now - m_lastClick.time <= DoubleClickTime() &&
             std::abs(screen.X - m_lastClick.screen.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
             std::abs(screen.Y - m_lastClick.screen.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  if (dbl) {
    m_lastClick = ClickMemory{};
  } else {
    m_lastClick = ClickMemory{hwnd, button, client, now, screen};
  }
  return dbl;
}

bool TWindowSystem::MouseActivate(HWND hwnd, int hit, UINT mouseMsg) {
  HWND top = GetAncestorTopLevel(hwnd);
  LRESULT answer = SendMessage(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                               MAKELPARAM(hit, static_cast<int>(mouseMsg)));
  if (!IsWindow(hwnd)) return false;
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && IsWindow(top) &&
      !(top->ExStyle & WS_EX_NOACTIVATE)) {
    ActivateTopLevel(top, WA_CLICKACTIVE);
  }
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

bool TWindowSystem::RouteMouse(const RawInput& input, TMsg& out) {
  using Kind = RawInput::Kind;
  if (input.kind != Kind::MouseLeft) m_cursorPos = input.screen;
  int button = ClampButton(input.button);
  if (input.kind == Kind::ButtonDown) m_keyDown[kButtonKey[button]] = true;
  if (input.kind == Kind::ButtonUp) m_keyDown[kButtonKey[button]] = false;
  if (input.kind == Kind::MouseLeft) {
    if (!m_capture) UpdateMouseTracking(nullptr, false);
    return false;
  }
  if (HandleMoveSizeInput(input) || HandleScrollTrackInput(input)) return false;

  if (input.kind == Kind::Wheel) {
    HWND target = m_focus ? m_focus : m_active;
    if (!target) return false;
    out = TMsg{target,
               WM_MOUSEWHEEL,
               MAKEWPARAM(static_cast<int>(MouseKeyState()), input.delta),
               LParamFromPoint(input.screen),
               0,
               {}};
    return true;
  }

  UINT clientMsg = WM_MOUSEMOVE;
  if (input.kind == Kind::ButtonDown) clientMsg = kClientDown[button];
  if (input.kind == Kind::ButtonUp) clientMsg = kClientDown[button] + 1;

  if (m_capture) {
    HWND target = m_capture;
    UINT msg = clientMsg;
    if (input.kind == Kind::ButtonDown && IsDoubleClick(target, button, true, input.screen) &&
        (target->ClassStyle & CS_DBLCLKS)) {
      msg = clientMsg + 2;
    }
    out = TMsg{target, msg, MouseKeyState(), LParamFromPoint(ScreenToClient(target, input.screen)),
               0,      {}};
    return true;
  }

  int hit = HTNOWHERE;
  HWND target = HitWindow(input.screen, hit);
  if (!target) {
    UpdateMouseTracking(nullptr, false);
    return false;
  }
  bool client = hit == HTCLIENT;
  UpdateMouseTracking(target, client);
  if (input.kind == Kind::ButtonDown && GetAncestorTopLevel(target) != m_active) {
    if (!MouseActivate(target, hit, clientMsg)) return false;
    if (!IsWindow(target)) return false;
  }
  if (input.kind != Kind::ButtonUp) {
    SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                MAKELPARAM(hit, static_cast<int>(clientMsg)));
    if (!IsWindow(target)) return false;
  }
  bool dbl = input.kind == Kind::ButtonDown && IsDoubleClick(target, button, client, input.screen);
  if (client) {
    UINT msg = clientMsg;
    if (dbl && (target->ClassStyle & CS_DBLCLKS)) msg = clientMsg + 2;
    out = TMsg{target, msg, MouseKeyState(), LParamFromPoint(ScreenToClient(target, input.screen)),
               0,      {}};
  } else {
    UINT msg = WM_NCMOUSEMOVE;
    if (input.kind == Kind::ButtonDown) msg = kNcDown[button] + (dbl ? 2 : 0);
    if (input.kind == Kind::ButtonUp) msg = kNcDown[button] + 1;
    out = TMsg{target, msg, static_cast<WPARAM>(hit), LParamFromPoint(input.screen), 0, {}};
  }
  return true;
}

bool TWindowSystem::RouteKey(const RawInput& input, TMsg& out) {
  using Kind = RawInput::Kind;
  int vk = input.vk & 0xFF;
  bool repeat = false;
  if (input.kind == Kind::KeyDown) {
    repeat = m_keyDown[vk];
    m_keyDown[vk] = true;
  } else if (input.kind == Kind::KeyUp) {
    m_keyDown[vk] = false;
  }
  HWND target = m_focus ? m_focus : m_active;
  if (!target) return false;
  if (input.kind == Kind::Char) {
    out = TMsg{target, WM_CHAR, input.ch, 1, 0, {}};
    return true;
  }
  bool alt = m_keyDown[VK_MENU];
  bool sys = (alt && !m_keyDown[VK_CONTROL]) || vk == VK_F10 || vk == VK_MENU || !m_focus;
  bool down = input.kind == Kind::KeyDown;
  UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM lParam = 1;
  if (alt) lParam |= KF_ALTDOWN_BIT;
  if (repeat || !down) lParam |= KF_REPEAT_BIT;
  if (!down) lParam |= KF_UP_BIT;
  if (input.noTranslate) lParam |= KF_NOTRANSLATE_BIT;
  out = TMsg{target, msg, static_cast<WPARAM>(vk), lParam, 0, {}};
  return true;
}

HWND TWindowSystem::SetCapture(HWND hwnd) {
  HWND old = m_capture;
  if (!IsWindow(hwnd) || old == hwnd) return old;
  m_capture = hwnd;
  m_backend.CaptureMouse(true);
  if (IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

bool TWindowSystem::ReleaseCapture() {
  HWND old = m_capture;
  if (!old) return true;
  m_capture = nullptr;
  m_backend.CaptureMouse(false);
  if (IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

HWND TWindowSystem::SetFocus(HWND hwnd) {
  HWND old = m_focus;
  if (hwnd == old) return old;
  if (hwnd && !IsWindow(hwnd)) return nullptr;
  if (hwnd) {
    HWND top = GetAncestorTopLevel(hwnd);
    if (top != m_active && !(top->ExStyle & WS_EX_NOACTIVATE)) {
      m_focusAfterActivation = hwnd;
      ActivateTopLevel(top, WA_ACTIVE);
      m_focusAfterActivation = nullptr;
      old = m_focus;
      if (hwnd == old) return old;
    }
  }
  m_focus = hwnd;
  if (IsWindow(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (IsWindow(hwnd) && m_focus == hwnd) {
    SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(IsWindow(old) ? old : nullptr), 0);
  }
  return old;
}

void TWindowSystem::ActivateTopLevel(HWND top, WPARAM state) {
  if (top == m_active) return;
  if (top && !IsWindow(top)) return;
  HWND old = m_active;
  if (IsWindow(old)) {
    SendMessage(old, WM_NCACTIVATE, 0, reinterpret_cast<LPARAM>(top));
    if (IsWindow(old)) {
      SendMessage(old, WM_ACTIVATE, MAKEWPARAM(static_cast<int>(WA_INACTIVE), old->Minimized),
                  reinterpret_cast<LPARAM>(top));
    }
  }
  m_active = top;
  if (!top) {
    SetFocus(nullptr);
    return;
  }
  PlaceInZOrder(top, HWND_TOP);
  m_backend.FocusNative(top);
  SendMessage(top, WM_NCACTIVATE, 1, reinterpret_cast<LPARAM>(IsWindow(old) ? old : nullptr));
  if (!IsWindow(top) || m_active != top) return;
  SendMessage(top, WM_ACTIVATE, MAKEWPARAM(static_cast<int>(state), top->Minimized),
              reinterpret_cast<LPARAM>(IsWindow(old) ? old : nullptr));
  if (m_focus && IsWindow(top) && GetAncestorTopLevel(m_focus) != top && !m_focusAfterActivation) {
    SetFocus(nullptr);
  }
}

HWND TWindowSystem::SetActiveWindow(HWND hwnd) {
  HWND old = m_active;
  if (hwnd && !IsWindow(hwnd)) return old;
  ActivateTopLevel(hwnd ? GetAncestorTopLevel(hwnd) : nullptr, WA_ACTIVE);
  return old;
}

bool TWindowSystem::SetForegroundWindow(HWND hwnd) {
  if (!IsWindow(hwnd)) return false;
  SetActiveWindow(hwnd);
  return true;
}

TPoint TWindowSystem::GetCursorPos() const {
  return m_backend.CursorPos(m_cursorPos);
}

void TWindowSystem::SetCursorPos(TPoint screen) {
  m_cursorPos = screen;
  m_backend.SetCursorPos(screen);
}

HCURSOR TWindowSystem::SetCursor(HCURSOR cursor) {
  HCURSOR old = m_cursor;
  if (cursor != m_cursor) {
    m_cursor = cursor;
    m_backend.SetCursor(cursor);
  }
  return old;
}

void TWindowSystem::SetClipboardText(const std::u16string& text) {
  m_backend.SetClipboardText(text);
}
std::u16string TWindowSystem::GetClipboardText() const {
  return m_backend.ClipboardText();
}
bool TWindowSystem::HasClipboardText() const {
  return m_backend.HasClipboardText();
}

}  // namespace kx
