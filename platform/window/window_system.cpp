#include "platform/window/window_system.h"

#include <algorithm>
#include <stdexcept>

namespace kx {

namespace {
TWindowSystem* g_current = nullptr;
}  // namespace

TWindowSystem::TWindowSystem(WindowBackend& backend, LoopClock& clock)
    : m_backend(backend), m_clock(clock), m_previous(g_current) {
  g_current = this;
  m_cursor = LoadCursor(TStandardCursor::Arrow);
  m_backend.Attach(*this);
}

TWindowSystem::~TWindowSystem() {
  while (!m_topLevels.empty()) DestroyWindow(m_topLevels.back());
  m_backend.Detach();
  g_current = m_previous;
}

TWindowSystem& TWindowSystem::Current() {
  if (!g_current) throw std::logic_error("no window system exists");
  return *g_current;
}

bool TWindowSystem::Exists() {
  return g_current != nullptr;
}

HWND TWindowSystem::CreateWindowEx(const TCreateParams& params) {
  if (params.Parent && !IsWindow(params.Parent)) return nullptr;
  auto owned = std::make_unique<TWindow>();
  HWND w = owned.get();
  w->ClassName = params.ClassName;
  w->Text = params.Text;
  w->Style = params.Style & ~WS_VISIBLE;
  w->ExStyle = params.ExStyle;
  w->ClassStyle = params.ClassStyle;
  w->Id = params.Id;
  w->Parent = params.Parent;
  w->Owner = params.Parent ? nullptr : (IsWindow(params.Owner) ? params.Owner : nullptr);
  w->Rect = params.Bounds;
  w->Rect.Right = std::max(w->Rect.Right, w->Rect.Left);
  w->Rect.Bottom = std::max(w->Rect.Bottom, w->Rect.Top);
  w->ClientInWindow = w->WindowBounds();
  if (params.Proc) w->Proc = std::make_shared<TWndProc>(params.Proc);
  w->ClassCursor = params.Cursor ? params.Cursor : LoadCursor(TStandardCursor::Arrow);
  w->ClassBackground = params.Background;
  m_windows.emplace(w, std::move(owned));

  if (w->Parent) {
    w->Parent->Children.insert(w->Parent->Children.begin(), w);
  } else {
    PlaceInZOrder(w, (w->ExStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_TOP);
    w->BackBuffer = std::make_unique<TBitmap>(std::max(1, w->Width()), std::max(1, w->Height()),
                                              TPixelFormat::pf32bit);
    m_backend.CreateNative(w);
    m_backend.SetNativeBounds(w, w->Rect);
  }

  SendMessage(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&params));
  if (!IsWindow(w)) return nullptr;
  RecalcNonClient(w);
  if (SendMessage(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&params)) == -1) {
    DestroyWindow(w);
    return nullptr;
  }
  if (!IsWindow(w)) return nullptr;
  if (w->Parent)
    SendMessage(w->Parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, w->Id),
                reinterpret_cast<LPARAM>(w));
  SendMessage(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->ClientSize().cx, w->ClientSize().cy));
  TPoint clientInParent = w->Rect.TopLeft() + w->ClientInWindow.TopLeft();
  SendMessage(w, WM_MOVE, 0, LParamFromPoint(clientInParent));
  if (IsWindow(w) && (params.Style & WS_VISIBLE)) {
    ShowWindow(w, (params.ExStyle & WS_EX_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  }
  return IsWindow(w) ? w : nullptr;
}

bool TWindowSystem::IsWindow(HWND hwnd) const {
  return hwnd && m_windows.find(hwnd) != m_windows.end();
}

bool TWindowSystem::DestroyWindow(HWND hwnd) {
  if (!IsWindow(hwnd) || hwnd->Destroying) return false;
  std::vector<HWND> ownedWindows;
  for (HWND t : m_topLevels) {
    if (t->Owner == hwnd) ownedWindows.push_back(t);
  }
  for (HWND t : ownedWindows) DestroyWindow(t);
  if (!IsWindow(hwnd)) return true;

  if (hwnd->Visible()) {
    if (hwnd->IsTopLevel()) {
      m_backend.ShowNative(hwnd, false);
    } else {
      ExposeInParent(hwnd, hwnd->Rect);
    }
  }
  if (hwnd->Parent && IsWindow(hwnd->Parent)) {
    SendMessage(hwnd->Parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, hwnd->Id),
                reinterpret_cast<LPARAM>(hwnd));
  }
  DestroyTree(hwnd);
  return true;
}

void TWindowSystem::DestroyTree(HWND hwnd) {
  hwnd->Destroying = true;
  if (m_capture == hwnd) m_capture = nullptr;
  SendMessage(hwnd, WM_DESTROY);
  std::vector<HWND> children = hwnd->Children;
  for (HWND c : children) {
    if (IsWindow(c) && !c->Destroying) DestroyTree(c);
  }
  SendMessage(hwnd, WM_NCDESTROY);
  ForgetWindow(hwnd);
}

void TWindowSystem::ForgetWindow(HWND hwnd) {
  std::erase_if(m_timers, [&](const TimerEntry& t) { return t.hwnd == hwnd; });
  std::erase_if(m_posted, [&](const TMsg& m) { return m.hwnd == hwnd; });
  if (m_caret.hwnd == hwnd) m_caret = CaretState{};
  if (m_capture == hwnd) {
    m_capture = nullptr;
    m_backend.CaptureMouse(false);
  }
  if (m_focus == hwnd) m_focus = nullptr;
  if (m_tracking.hwnd == hwnd) m_tracking = MouseTracking{};
  if (m_moveSize.hwnd == hwnd) m_moveSize = MoveSizeTracking{};
  if (m_scrollTrack.hwnd == hwnd) m_scrollTrack = ScrollTracking{};
  if (m_lastClick.hwnd == hwnd) m_lastClick = ClickMemory{};
  if (m_pressedCaptionButton == hwnd) m_pressedCaptionButton = nullptr;
  if (m_paintingHwnd == hwnd) m_paintingHwnd = nullptr;
  bool wasActive = m_active == hwnd;
  if (wasActive) m_active = nullptr;

  if (hwnd->Parent && IsWindow(hwnd->Parent)) {
    std::erase(hwnd->Parent->Children, hwnd);
  } else if (hwnd->IsTopLevel()) {
    std::erase(m_topLevels, hwnd);
    m_backend.DestroyNative(hwnd);
  }
  auto it = m_windows.find(hwnd);
  // A window may be destroyed inside one of its own messages; its object lives
  // on until no message is being delivered, so no caller touches freed memory.
  if (m_deliverDepth > 0) {
    m_graveyard.push_back(std::move(it->second));
  }
  m_windows.erase(it);

  if (wasActive) {
    for (HWND t : m_topLevels) {
      if (t->Visible() && !t->Minimized && t->Enabled() && !(t->ExStyle & WS_EX_NOACTIVATE)) {
        ActivateTopLevel(t, WA_ACTIVE);
        break;
      }
    }
  }
}

std::vector<HWND> TWindowSystem::TopLevelWindows() const {
  return m_topLevels;
}

HWND TWindowSystem::GetParent(HWND hwnd) const {
  if (!IsWindow(hwnd)) return nullptr;
  return hwnd->Parent ? hwnd->Parent : hwnd->Owner;
}

HWND TWindowSystem::GetAncestorTopLevel(HWND hwnd) const {
  if (!IsWindow(hwnd)) return nullptr;
  while (hwnd->Parent) hwnd = hwnd->Parent;
  return hwnd;
}

bool TWindowSystem::IsChildOf(HWND parent, HWND hwnd) const {
  if (!IsWindow(parent) || !IsWindow(hwnd)) return false;
  for (HWND w = hwnd; w; w = w->Parent) {
    if (w == parent) return true;
  }
  return false;
}

TWndProc TWindowSystem::SetWindowProc(HWND hwnd, TWndProc proc) {
  if (!IsWindow(hwnd)) return {};
  TWndProc previous = hwnd->Proc ? *hwnd->Proc : TWndProc{};
  hwnd->Proc = proc ? std::make_shared<TWndProc>(std::move(proc)) : nullptr;
  return previous;
}

std::vector<HWND>& TWindowSystem::SiblingList(HWND hwnd) {
  return hwnd->Parent ? hwnd->Parent->Children : m_topLevels;
}

void TWindowSystem::PlaceInZOrder(HWND hwnd, HWND insertAfter) {
  auto& list = SiblingList(hwnd);
  std::erase(list, hwnd);
  bool topLevel = hwnd->IsTopLevel();
  if (insertAfter == HWND_TOPMOST && topLevel) hwnd->ExStyle |= WS_EX_TOPMOST;
  if (insertAfter == HWND_NOTOPMOST && topLevel) hwnd->ExStyle &= ~WS_EX_TOPMOST;
  auto firstOrdinary = [&] {
    return std::find_if(list.begin(), list.end(),
                        [](HWND w) { return !(w->ExStyle & WS_EX_TOPMOST); });
  };
  if (insertAfter == HWND_BOTTOM) {
    list.push_back(hwnd);
  } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST ||
             insertAfter == HWND_NOTOPMOST) {
    if (!topLevel || (hwnd->ExStyle & WS_EX_TOPMOST)) {
      list.insert(list.begin(), hwnd);
    } else {
      list.insert(firstOrdinary(), hwnd);
    }
  } else {
    auto it = std::find(list.begin(), list.end(), insertAfter);
    list.insert(it == list.end() ? list.end() : it + 1, hwnd);
  }
  if (!topLevel) return;
  // Owned windows stay above their owner.
  std::vector<HWND> owned;
  for (HWND t : list) {
    if (t->Owner == hwnd) owned.push_back(t);
  }
  for (HWND t : owned) {
    std::erase(list, t);
    auto at = std::find(list.begin(), list.end(), hwnd);
    list.insert(at, t);
  }
  if (list.front() == hwnd || !owned.empty()) m_backend.RaiseNative(hwnd);
  for (HWND t : owned) m_backend.RaiseNative(t);
}

void TWindowSystem::RecalcNonClient(HWND hwnd) {
  NCCALCSIZE_PARAMS params;
  params.rgrc[0] = hwnd->Rect;
  params.rgrc[1] = hwnd->Rect;
  params.rgrc[2] = hwnd->Rect.Offset(hwnd->ClientInWindow.TopLeft());
  SendMessage(hwnd, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params));
  if (!IsWindow(hwnd)) return;
  TRect client = params.rgrc[0].Offset(-hwnd->Rect.Left, -hwnd->Rect.Top);
  client.Right = std::max(client.Right, client.Left);
  client.Bottom = std::max(client.Bottom, client.Top);
  hwnd->ClientInWindow = client;
  hwnd->Update &= TRegion(TRect{0, 0, client.Width(), client.Height()});
}

void TWindowSystem::ResizeBackBuffer(HWND hwnd) {
  if (!hwnd->BackBuffer) return;
  hwnd->BackBuffer->SetSize(std::max(1, hwnd->Width()), std::max(1, hwnd->Height()));
}

void TWindowSystem::ApplyBounds(HWND hwnd, const TRect& rect, bool redraw) {
  TRect old = hwnd->Rect;
  bool sized = old.Size() != rect.Size();
  bool visible = IsWindowVisible(hwnd);
  if (!hwnd->IsTopLevel() && visible && redraw) ExposeInParent(hwnd, old);
  hwnd->Rect = rect;
  RecalcNonClient(hwnd);
  if (!IsWindow(hwnd)) return;
  if (hwnd->IsTopLevel()) {
    if (sized) ResizeBackBuffer(hwnd);
    m_backend.SetNativeBounds(hwnd, rect);
    if (sized) {
      RedrawWindow(hwnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
  } else if (visible && redraw) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

bool TWindowSystem::SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy,
                                 UINT flags) {
  if (!IsWindow(hwnd)) return false;
  WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    pos.x = hwnd->Rect.Left;
    pos.y = hwnd->Rect.Top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = hwnd->Width();
    pos.cy = hwnd->Height();
  }
  if (!(flags & SWP_NOSENDCHANGING)) {
    SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!IsWindow(hwnd)) return false;
  }
  TRect rect = Bounds(pos.x, pos.y, std::max(0, pos.cx), std::max(0, pos.cy));
  bool moved = rect.TopLeft() != hwnd->Rect.TopLeft();
  bool sized = rect.Size() != hwnd->Rect.Size();
  pos.flags = flags;
  if (!moved) pos.flags |= SWP_NOMOVE;
  if (!sized) pos.flags |= SWP_NOSIZE;

  if (!(flags & SWP_NOZORDER)) {
    PlaceInZOrder(hwnd, pos.hwndInsertAfter);
    if (!hwnd->IsTopLevel() && IsWindowVisible(hwnd)) {
      RedrawWindow(hwnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
  }
  if (moved || sized || (flags & SWP_FRAMECHANGED)) {
    ApplyBounds(hwnd, rect, !(flags & SWP_NOREDRAW));
    if (!IsWindow(hwnd)) return false;
  }
  if ((flags & SWP_SHOWWINDOW) && !hwnd->Visible()) {
    hwnd->Style |= WS_VISIBLE;
    if (hwnd->IsTopLevel()) {
      hwnd->ShownOnce = true;
      if (!hwnd->Minimized) m_backend.ShowNative(hwnd, true);
      MarkDirty(hwnd, hwnd->WindowBounds());
    }
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    bool activate = hwnd->IsTopLevel() && !(flags & SWP_NOACTIVATE) &&
                    !(hwnd->ExStyle & WS_EX_NOACTIVATE) && hwnd->Enabled();
    if (activate) ActivateTopLevel(hwnd, WA_ACTIVE);
  } else if ((flags & SWP_HIDEWINDOW) && hwnd->Visible()) {
    bool wasVisible = IsWindowVisible(hwnd);
    hwnd->Style &= ~WS_VISIBLE;
    if (hwnd->IsTopLevel()) {
      m_backend.ShowNative(hwnd, false);
    } else if (wasVisible) {
      ExposeInParent(hwnd, hwnd->Rect);
    }
    if (m_focus && IsChildOf(hwnd, m_focus)) SetFocus(nullptr);
    if (m_capture && IsChildOf(hwnd, m_capture)) ReleaseCapture();
    if (m_active == hwnd) {
      HWND next = nullptr;
      for (HWND t : m_topLevels) {
        if (t != hwnd && t->Visible() && !t->Minimized && t->Enabled() &&
            !(t->ExStyle & WS_EX_NOACTIVATE)) {
          next = t;
          break;
        }
      }
      ActivateTopLevel(next, WA_ACTIVE);
    }
  }
  if (IsWindow(hwnd)) SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return true;
}

bool TWindowSystem::MoveWindow(HWND hwnd, const TRect& rect, bool repaint) {
  return SetWindowPos(hwnd, nullptr, rect.Left, rect.Top, rect.Width(), rect.Height(),
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool TWindowSystem::ShowWindow(HWND hwnd, int cmd) {
  if (!IsWindow(hwnd)) return false;
  bool wasVisible = hwnd->Visible();
  constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
  switch (cmd) {
    case SW_HIDE:
      if (wasVisible) {
        SendMessage(hwnd, WM_SHOWWINDOW, 0, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kKeep | SWP_NOACTIVATE | SWP_HIDEWINDOW);
      }
      break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
      if (!hwnd->Minimized && hwnd->IsTopLevel()) {
        if (!wasVisible)
          SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kKeep | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        hwnd->Minimized = true;
        hwnd->Style |= WS_MINIMIZE;
        m_backend.ShowNative(hwnd, false);
        if (m_active == hwnd) {
          SendMessage(hwnd, WM_NCACTIVATE, 0, 0);
          SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
          m_active = nullptr;
          if (m_focus && IsChildOf(hwnd, m_focus)) SetFocus(nullptr);
        }
        SendMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
      }
      break;
    case SW_MAXIMIZE:
      if (hwnd->Minimized) ShowWindow(hwnd, SW_RESTORE);
      if (!hwnd->Maximized && hwnd->IsTopLevel()) {
        hwnd->RestoreRect = hwnd->Rect;
        hwnd->Maximized = true;
        hwnd->Style |= WS_MAXIMIZE;
        TRect area = MonitorWorkArea(hwnd);
        SetWindowPos(hwnd, nullptr, area.Left, area.Top, area.Width(), area.Height(),
                     SWP_NOZORDER | SWP_FRAMECHANGED);
      }
      if (!hwnd->Visible()) SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kKeep | SWP_SHOWWINDOW);
      break;
    case SW_RESTORE:
      if (hwnd->Minimized) {
        hwnd->Minimized = false;
        hwnd->Style &= ~WS_MINIMIZE;
        m_backend.ShowNative(hwnd, hwnd->Visible());
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        SendMessage(hwnd, WM_SIZE, hwnd->Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                    MAKELPARAM(hwnd->ClientSize().cx, hwnd->ClientSize().cy));
        ActivateTopLevel(hwnd, WA_ACTIVE);
      } else if (hwnd->Maximized) {
        hwnd->Maximized = false;
        hwnd->Style &= ~WS_MAXIMIZE;
        TRect r = hwnd->RestoreRect;
        SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                     SWP_NOZORDER | SWP_FRAMECHANGED);
      }
      if (!hwnd->Visible()) SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kKeep | SWP_SHOWWINDOW);
      break;
    default: {
      bool noActivate = cmd == SW_SHOWNA || cmd == SW_SHOWNOACTIVATE;
      if (cmd == SW_SHOWNORMAL && (hwnd->Minimized || hwnd->Maximized)) {
        ShowWindow(hwnd, SW_RESTORE);
        if (hwnd->Maximized) ShowWindow(hwnd, SW_RESTORE);
      }
      if (!hwnd->Visible()) {
        SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
        if (!IsWindow(hwnd)) return wasVisible;
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     kKeep | SWP_SHOWWINDOW | (noActivate ? SWP_NOACTIVATE : 0));
      } else if (!noActivate && hwnd->IsTopLevel() && m_active != hwnd &&
                 !(hwnd->ExStyle & WS_EX_NOACTIVATE)) {
        ActivateTopLevel(hwnd, WA_ACTIVE);
      }
      break;
    }
  }
  return wasVisible;
}

bool TWindowSystem::IsWindowVisible(HWND hwnd) const {
  if (!IsWindow(hwnd)) return false;
  for (HWND w = hwnd; w; w = w->Parent) {
    if (!w->Visible() || w->Minimized) return false;
  }
  return true;
}

bool TWindowSystem::EnableWindow(HWND hwnd, bool enable) {
  if (!IsWindow(hwnd)) return false;
  bool wasDisabled = !hwnd->Enabled();
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    hwnd->Style &= ~WS_DISABLED;
  } else {
    hwnd->Style |= WS_DISABLED;
    if (m_focus && IsChildOf(hwnd, m_focus)) SetFocus(nullptr);
    if (m_capture && IsChildOf(hwnd, m_capture)) ReleaseCapture();
  }
  SendMessage(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
  return wasDisabled;
}

bool TWindowSystem::IsWindowEnabled(HWND hwnd) const {
  return IsWindow(hwnd) && hwnd->Enabled();
}

void TWindowSystem::SetWindowText(HWND hwnd, const std::string& text) {
  if (!IsWindow(hwnd)) return;
  SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string TWindowSystem::GetWindowText(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->Text : std::string();
}

std::uint32_t TWindowSystem::GetStyle(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->Style : 0;
}
std::uint32_t TWindowSystem::GetExStyle(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->ExStyle : 0;
}

void TWindowSystem::SetStyle(HWND hwnd, std::uint32_t style) {
  if (!IsWindow(hwnd)) return;
  hwnd->Style = (style & ~WS_VISIBLE) | (hwnd->Style & WS_VISIBLE);
}

void TWindowSystem::SetExStyle(HWND hwnd, std::uint32_t exStyle) {
  if (!IsWindow(hwnd)) return;
  hwnd->ExStyle = exStyle;
}

TPoint TWindowSystem::WindowOrigin(HWND hwnd) const {
  if (!IsWindow(hwnd)) return {};
  if (hwnd->IsTopLevel()) return hwnd->Rect.TopLeft();
  return ClientOrigin(hwnd->Parent) + hwnd->Rect.TopLeft();
}

TPoint TWindowSystem::ClientOrigin(HWND hwnd) const {
  if (!IsWindow(hwnd)) return {};
  return WindowOrigin(hwnd) + hwnd->ClientInWindow.TopLeft();
}

TRect TWindowSystem::GetWindowRect(HWND hwnd) const {
  if (!IsWindow(hwnd)) return {};
  return Bounds(WindowOrigin(hwnd).X, WindowOrigin(hwnd).Y, hwnd->Width(), hwnd->Height());
}

TRect TWindowSystem::GetClientRect(HWND hwnd) const {
  if (!IsWindow(hwnd)) return {};
  return {0, 0, hwnd->ClientInWindow.Width(), hwnd->ClientInWindow.Height()};
}

TPoint TWindowSystem::ClientToScreen(HWND hwnd, TPoint p) const {
  return p + ClientOrigin(hwnd);
}
TPoint TWindowSystem::ScreenToClient(HWND hwnd, TPoint p) const {
  return p - ClientOrigin(hwnd);
}

bool TWindowSystem::ContainsScreenPoint(HWND hwnd, TPoint screen) const {
  TPoint local = screen - WindowOrigin(hwnd);
  if (!hwnd->WindowBounds().Contains(local)) return false;
  return !hwnd->Region || hwnd->Region->Contains(local);
}

HWND TWindowSystem::FindChildAt(HWND parent, TPoint clientPoint, bool enabledOnly) const {
  for (HWND c : parent->Children) {
    if (!c->Visible() || (enabledOnly && !c->Enabled())) continue;
    if (!c->Rect.Contains(clientPoint)) continue;
    TPoint local = clientPoint - c->Rect.TopLeft();
    if (c->Region && !c->Region->Contains(local)) continue;
    if (c->ClientInWindow.Contains(local)) {
      return FindChildAt(c, local - c->ClientInWindow.TopLeft(), enabledOnly);
    }
    return c;
  }
  return parent;
}

HWND TWindowSystem::WindowFromPoint(TPoint screen) const {
  for (HWND t : m_topLevels) {
    if (!t->Visible() || t->Minimized || !ContainsScreenPoint(t, screen)) continue;
    TPoint local = screen - t->Rect.TopLeft();
    if (!t->ClientInWindow.Contains(local)) return t;
    return FindChildAt(t, local - t->ClientInWindow.TopLeft(), true);
  }
  return nullptr;
}

HWND TWindowSystem::ChildWindowFromPoint(HWND parent, TPoint client) const {
  if (!IsWindow(parent)) return nullptr;
  for (HWND c : parent->Children) {
    if (c->Visible() && c->Rect.Contains(client)) return c;
  }
  return GetClientRect(parent).Contains(client) ? parent : nullptr;
}

void TWindowSystem::SetWindowRgn(HWND hwnd, const TRegion* region, bool redraw) {
  if (!IsWindow(hwnd)) return;
  bool visible = IsWindowVisible(hwnd);
  if (!hwnd->IsTopLevel() && visible && redraw) ExposeInParent(hwnd, hwnd->Rect);
  if (region) {
    hwnd->Region = *region;
  } else {
    hwnd->Region.reset();
  }
  if (hwnd->IsTopLevel()) {
    m_backend.SetNativeShape(hwnd, hwnd->Region ? &*hwnd->Region : nullptr);
    MarkDirty(hwnd, hwnd->WindowBounds());
  }
  if (visible && redraw) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

const TRegion* TWindowSystem::GetWindowRgn(HWND hwnd) const {
  if (!IsWindow(hwnd) || !hwnd->Region) return nullptr;
  return &*hwnd->Region;
}

bool TWindowSystem::SetLayeredWindowAttributes(HWND hwnd, std::uint8_t alpha, UINT flags) {
  if (!IsWindow(hwnd) || !hwnd->IsTopLevel()) return false;
  if (flags & LWA_ALPHA) {
    hwnd->Alpha = alpha;
    m_backend.SetNativeAlpha(hwnd, alpha);
    MarkDirty(hwnd, hwnd->WindowBounds());
  }
  return true;
}

std::uint8_t TWindowSystem::GetLayeredWindowAlpha(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->Alpha : std::uint8_t{255};
}

void TWindowSystem::SetWindowUserData(HWND hwnd, std::uintptr_t data) {
  if (IsWindow(hwnd)) hwnd->UserData = data;
}

std::uintptr_t TWindowSystem::GetWindowUserData(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->UserData : 0;
}

void TWindowSystem::SetClassBackground(HWND hwnd, TColor color) {
  if (IsWindow(hwnd)) hwnd->ClassBackground = color;
}

bool TWindowSystem::IsIconic(HWND hwnd) const {
  return IsWindow(hwnd) && hwnd->Minimized;
}
bool TWindowSystem::IsZoomed(HWND hwnd) const {
  return IsWindow(hwnd) && hwnd->Maximized;
}

TRect TWindowSystem::MonitorWorkArea(HWND hwnd) const {
  TRect r = GetWindowRect(hwnd);
  return m_backend.WorkArea({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
}

TRect TWindowSystem::MonitorRect(HWND) const {
  return m_backend.ScreenRect();
}

}  // namespace kx
