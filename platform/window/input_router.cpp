#include "platform/window/input_router.h"

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

InputRouter::InputRouter(TWindowSystem& system)
    : m_system(system), m_cursor(LoadCursor(TStandardCursor::Arrow)) {}

void InputRouter::QueueInput(const RawInput& input) {
  m_input.push_back(input);
}

bool InputRouter::RouteNextInput(TMsg& out) {
  if (m_input.empty()) return false;
  RawInput raw = m_input.front();
  m_input.pop_front();
  return RouteInput(raw, out);
}

void InputRouter::DropCapture(HWND hwnd) {
  if (m_capture == hwnd) m_capture = nullptr;
}

void InputRouter::LoseFocusAndCaptureWithin(HWND hwnd) {
  if (m_focus && m_system.IsChildOf(hwnd, m_focus)) SetFocus(nullptr);
  if (m_capture && m_system.IsChildOf(hwnd, m_capture)) ReleaseCapture();
}

void InputRouter::DeactivateMinimized(HWND hwnd) {
  if (m_active != hwnd) return;
  m_system.SendMessage(hwnd, WM_NCACTIVATE, 0, 0);
  m_system.SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
  m_active = nullptr;
  if (m_focus && m_system.IsChildOf(hwnd, m_focus)) SetFocus(nullptr);
}

void InputRouter::NativeFocusChanged(HWND top) {
  if (!top) {
    if (!m_active) return;
    m_takenByOtherProgram = m_active;
    m_focusTakenByOtherProgram = m_focus;
    ActivateTopLevel(nullptr, WA_INACTIVE);
    return;
  }
  // Popups, menus and hints never take the activation, also when the desktop
  // gives them the keyboard.
  if (!m_system.IsWindow(top) || (top->ExStyle & WS_EX_NOACTIVATE) || top == m_active) return;
  if (!m_system.IsWindowEnabled(top)) {
    // A window that a modal dialog disables cannot be active: the window that
    // had the activation when the other program took it gets it back.
    if (m_active) return;
    top = m_takenByOtherProgram;
    if (!m_system.IsWindow(top) || !m_system.IsWindowVisible(top) ||
        !m_system.IsWindowEnabled(top)) {
      return;
    }
  }
  HWND focus = m_focusTakenByOtherProgram;
  m_takenByOtherProgram = m_focusTakenByOtherProgram = nullptr;
  // The window that had the keyboard gets it back with the activation.
  if (m_system.IsWindow(focus) && m_system.GetAncestorTopLevel(focus) == top &&
      m_system.IsWindowVisible(focus) && m_system.IsWindowEnabled(focus)) {
    SetFocus(focus);
  } else {
    ActivateTopLevel(top, WA_ACTIVE);
  }
}

void InputRouter::ForgetWindow(HWND hwnd) {
  if (m_takenByOtherProgram == hwnd) m_takenByOtherProgram = nullptr;
  if (m_focusTakenByOtherProgram == hwnd) m_focusTakenByOtherProgram = nullptr;
  if (m_capture == hwnd) {
    m_capture = nullptr;
    m_system.Backend().CaptureMouse(false);
  }
  if (m_focus == hwnd) m_focus = nullptr;
  if (m_tracking.hwnd == hwnd) m_tracking = MouseTracking{};
  if (m_lastClick.hwnd == hwnd) m_lastClick = ClickMemory{};
  if (m_active != hwnd) return;
  m_active = nullptr;
  // The window is out of the tree already: the next candidate is another window.
  if (HWND next = m_system.Tree().NextActivationCandidate(nullptr))
    ActivateTopLevel(next, WA_ACTIVE);
}

bool InputRouter::RouteInput(const RawInput& input, TMsg& out) {
  switch (input.kind) {
    case RawInput::Kind::KeyDown:
    case RawInput::Kind::KeyUp:
    case RawInput::Kind::Char:
      return RouteKey(input, out);
    default:
      return RouteMouse(input, out);
  }
}

WPARAM InputRouter::MouseKeyState() const {
  WPARAM state = 0;
  if (m_keyDown[VK_LBUTTON]) state |= MK_LBUTTON;
  if (m_keyDown[VK_RBUTTON]) state |= MK_RBUTTON;
  if (m_keyDown[VK_MBUTTON]) state |= MK_MBUTTON;
  if (m_keyDown[VK_SHIFT]) state |= MK_SHIFT;
  if (m_keyDown[VK_CONTROL]) state |= MK_CONTROL;
  return state;
}

std::int16_t InputRouter::GetKeyState(int vk) const {
  return m_keyDown[static_cast<std::size_t>(vk & 0xFF)] ? static_cast<std::int16_t>(-32768) : 0;
}

HWND InputRouter::HitWindow(TPoint screen, int& hit) {
  HWND w = m_system.WindowFromPoint(screen);
  while (w) {
    if (!m_system.IsWindowEnabled(m_system.GetAncestorTopLevel(w)) || !w->Enabled()) return nullptr;
    hit = static_cast<int>(m_system.SendMessage(w, WM_NCHITTEST, 0, LParamFromPoint(screen)));
    if (!m_system.IsWindow(w)) return nullptr;
    if (hit != HTTRANSPARENT) return w;
    // Transparent to the mouse: the window beneath it gets the input.
    const std::vector<HWND>& siblings =
        w->Parent ? w->Parent->Children : m_system.Tree().TopLevels();
    HWND beneath = nullptr;
    bool below = false;
    for (HWND s : siblings) {
      if (s == w) {
        below = true;
        continue;
      }
      if (below && s->Visible() && !s->Minimized &&
          m_system.Tree().ContainsScreenPoint(s, screen)) {
        beneath = s;
        break;
      }
    }
    if (beneath) {
      TPoint local = screen - m_system.ClientOrigin(beneath);
      w = m_system.GetClientRect(beneath).Contains(local)
              ? m_system.Tree().FindChildAt(beneath, local, true)
              : beneath;
    } else {
      w = w->Parent;
    }
  }
  return nullptr;
}

void InputRouter::UpdateMouseTracking(HWND hwnd, bool client) {
  HWND tracked = m_tracking.hwnd;
  if (!tracked) return;
  if (m_tracking.client && (hwnd != tracked || !client)) {
    m_tracking.client = false;
    m_system.PostMessage(tracked, WM_MOUSELEAVE);
  }
  if (m_tracking.nonClient && (hwnd != tracked || client)) {
    m_tracking.nonClient = false;
    m_system.PostMessage(tracked, WM_NCMOUSELEAVE);
  }
  if (!m_tracking.client && !m_tracking.nonClient) m_tracking.hwnd = nullptr;
}

bool InputRouter::TrackMouseEvent(HWND hwnd, UINT flags) {
  if (!m_system.IsWindow(hwnd)) return false;
  bool nonClient = (flags & TME_NONCLIENT) != 0;
  if (flags & TME_CANCEL) {
    if (m_tracking.hwnd == hwnd) {
      (nonClient ? m_tracking.nonClient : m_tracking.client) = false;
      if (!m_tracking.client && !m_tracking.nonClient) m_tracking.hwnd = nullptr;
    }
    return true;
  }
  if (!(flags & TME_LEAVE)) return true;
  HWND under = m_system.WindowFromPoint(m_cursorPos);
  bool inClient = under == hwnd &&
                  m_system.GetClientRect(hwnd).Contains(m_system.ScreenToClient(hwnd, m_cursorPos));
  bool over = under == hwnd && (nonClient ? !inClient : inClient);
  if (!over) {
    m_system.PostMessage(hwnd, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE);
    return true;
  }
  if (m_tracking.hwnd != hwnd) {
    UpdateMouseTracking(hwnd, inClient);
    m_tracking = MouseTracking{hwnd, false, false};
  }
  (nonClient ? m_tracking.nonClient : m_tracking.client) = true;
  return true;
}

bool InputRouter::IsDoubleClick(HWND hwnd, int button, bool client, TPoint screen) {
  std::uint32_t now = m_system.Clock().Now();
  bool dbl =
      m_lastClick.hwnd == hwnd && m_lastClick.button == button && m_lastClick.client == client &&
      now - m_lastClick.time <= m_system.DoubleClickTime() &&
      std::abs(screen.X - m_lastClick.screen.X) <= m_system.GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
      std::abs(screen.Y - m_lastClick.screen.Y) <= m_system.GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  if (dbl) {
    m_lastClick = ClickMemory{};
  } else {
    m_lastClick = ClickMemory{hwnd, button, client, now, screen};
  }
  return dbl;
}

bool InputRouter::MouseActivate(HWND hwnd, int hit, UINT mouseMsg) {
  HWND top = m_system.GetAncestorTopLevel(hwnd);
  LRESULT answer = m_system.SendMessage(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                        MAKELPARAM(hit, static_cast<int>(mouseMsg)));
  if (!m_system.IsWindow(hwnd)) return false;
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && m_system.IsWindow(top) &&
      !(top->ExStyle & WS_EX_NOACTIVATE)) {
    ActivateTopLevel(top, WA_CLICKACTIVE);
  }
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

bool InputRouter::RouteMouse(const RawInput& input, TMsg& out) {
  using Kind = RawInput::Kind;
  if (input.kind != Kind::MouseLeft) m_cursorPos = input.screen;
  int button = ClampButton(input.button);
  if (input.kind == Kind::ButtonDown) m_keyDown[kButtonKey[button]] = true;
  if (input.kind == Kind::ButtonUp) m_keyDown[kButtonKey[button]] = false;
  if (input.kind == Kind::MouseLeft) {
    if (!m_capture) UpdateMouseTracking(nullptr, false);
    return false;
  }
  if (m_system.Frame().HandleMoveSizeInput(input) || m_system.Bars().HandleScrollTrackInput(input))
    return false;

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
    out = TMsg{target,
               msg,
               MouseKeyState(),
               LParamFromPoint(m_system.ScreenToClient(target, input.screen)),
               0,
               {}};
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
  if (input.kind == Kind::ButtonDown && m_system.GetAncestorTopLevel(target) != m_active) {
    if (!MouseActivate(target, hit, clientMsg)) return false;
    if (!m_system.IsWindow(target)) return false;
  }
  if (input.kind != Kind::ButtonUp) {
    m_system.SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                         MAKELPARAM(hit, static_cast<int>(clientMsg)));
    if (!m_system.IsWindow(target)) return false;
  }
  bool dbl = input.kind == Kind::ButtonDown && IsDoubleClick(target, button, client, input.screen);
  if (client) {
    UINT msg = clientMsg;
    if (dbl && (target->ClassStyle & CS_DBLCLKS)) msg = clientMsg + 2;
    out = TMsg{target,
               msg,
               MouseKeyState(),
               LParamFromPoint(m_system.ScreenToClient(target, input.screen)),
               0,
               {}};
  } else {
    UINT msg = WM_NCMOUSEMOVE;
    if (input.kind == Kind::ButtonDown) msg = kNcDown[button] + (dbl ? 2 : 0);
    if (input.kind == Kind::ButtonUp) msg = kNcDown[button] + 1;
    out = TMsg{target, msg, static_cast<WPARAM>(hit), LParamFromPoint(input.screen), 0, {}};
  }
  return true;
}

bool InputRouter::RouteKey(const RawInput& input, TMsg& out) {
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

HWND InputRouter::SetCapture(HWND hwnd) {
  HWND old = m_capture;
  if (!m_system.IsWindow(hwnd) || old == hwnd) return old;
  m_capture = hwnd;
  m_system.Backend().CaptureMouse(true);
  if (m_system.IsWindow(old))
    m_system.SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

bool InputRouter::ReleaseCapture() {
  HWND old = m_capture;
  if (!old) return true;
  m_capture = nullptr;
  m_system.Backend().CaptureMouse(false);
  if (m_system.IsWindow(old)) m_system.SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

HWND InputRouter::SetFocus(HWND hwnd) {
  HWND old = m_focus;
  if (hwnd == old) return old;
  if (hwnd && !m_system.IsWindow(hwnd)) return nullptr;
  if (hwnd) {
    HWND top = m_system.GetAncestorTopLevel(hwnd);
    if (top != m_active && !(top->ExStyle & WS_EX_NOACTIVATE)) {
      m_focusAfterActivation = hwnd;
      ActivateTopLevel(top, WA_ACTIVE);
      m_focusAfterActivation = nullptr;
      old = m_focus;
      if (hwnd == old) return old;
    }
  }
  m_focus = hwnd;
  if (m_system.IsWindow(old))
    m_system.SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (m_system.IsWindow(hwnd) && m_focus == hwnd) {
    m_system.SendMessage(hwnd, WM_SETFOCUS,
                         reinterpret_cast<WPARAM>(m_system.IsWindow(old) ? old : nullptr), 0);
  }
  return old;
}

void InputRouter::ActivateTopLevel(HWND top, WPARAM state) {
  if (top == m_active) return;
  if (top && !m_system.IsWindow(top)) return;
  HWND old = m_active;
  if (m_system.IsWindow(old)) {
    m_system.SendMessage(old, WM_NCACTIVATE, 0, reinterpret_cast<LPARAM>(top));
    if (m_system.IsWindow(old)) {
      m_system.SendMessage(old, WM_ACTIVATE,
                           MAKEWPARAM(static_cast<int>(WA_INACTIVE), old->Minimized),
                           reinterpret_cast<LPARAM>(top));
    }
  }
  m_active = top;
  if (!top) {
    SetFocus(nullptr);
    return;
  }
  m_system.Tree().PlaceInZOrder(top, HWND_TOP);
  m_system.Backend().FocusNative(top);
  m_system.SendMessage(top, WM_NCACTIVATE, 1,
                       reinterpret_cast<LPARAM>(m_system.IsWindow(old) ? old : nullptr));
  if (!m_system.IsWindow(top) || m_active != top) return;
  m_system.SendMessage(top, WM_ACTIVATE, MAKEWPARAM(static_cast<int>(state), top->Minimized),
                       reinterpret_cast<LPARAM>(m_system.IsWindow(old) ? old : nullptr));
  if (m_focus && m_system.IsWindow(top) && m_system.GetAncestorTopLevel(m_focus) != top &&
      !m_focusAfterActivation) {
    SetFocus(nullptr);
  }
}

HWND InputRouter::SetActiveWindow(HWND hwnd) {
  HWND old = m_active;
  if (hwnd && !m_system.IsWindow(hwnd)) return old;
  ActivateTopLevel(hwnd ? m_system.GetAncestorTopLevel(hwnd) : nullptr, WA_ACTIVE);
  return old;
}

bool InputRouter::SetForegroundWindow(HWND hwnd) {
  if (!m_system.IsWindow(hwnd)) return false;
  SetActiveWindow(hwnd);
  return true;
}

TPoint InputRouter::GetCursorPos() const {
  return m_system.Backend().CursorPos(m_cursorPos);
}

void InputRouter::SetCursorPos(TPoint screen) {
  m_cursorPos = screen;
  m_system.Backend().SetCursorPos(screen);
}

HCURSOR InputRouter::SetCursor(HCURSOR cursor) {
  HCURSOR old = m_cursor;
  if (cursor != m_cursor) {
    m_cursor = cursor;
    m_system.Backend().SetCursor(cursor);
  }
  return old;
}

void InputRouter::SetClipboardText(const std::string& utf8) {
  m_system.Backend().SetClipboardText(utf8);
}
std::string InputRouter::GetClipboardText() const {
  return m_system.Backend().ClipboardText();
}
bool InputRouter::HasClipboardText() const {
  return m_system.Backend().HasClipboardText();
}

}  // namespace kx
