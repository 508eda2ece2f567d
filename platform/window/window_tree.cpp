#include "platform/window/window_tree.h"

#include <algorithm>

#include "platform/window/window_system.h"

namespace kx {

HWND WindowTree::CreateWindowEx(const TCreateParams& params) {
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
    m_system.Backend().CreateNative(w);
    m_system.Backend().SetNativeBounds(w, w->Rect);
  }

  m_system.SendMessage(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&params));
  if (!IsWindow(w)) return nullptr;
  RecalcNonClient(w);
  if (m_system.SendMessage(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&params)) == -1) {
    DestroyWindow(w);
    return nullptr;
  }
  if (!IsWindow(w)) return nullptr;
  if (w->Parent)
    m_system.SendMessage(w->Parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, w->Id),
                         reinterpret_cast<LPARAM>(w));
  m_system.SendMessage(w, WM_SIZE, SIZE_RESTORED,
                       MAKELPARAM(w->ClientSize().cx, w->ClientSize().cy));
  TPoint clientInParent = w->Rect.TopLeft() + w->ClientInWindow.TopLeft();
  m_system.SendMessage(w, WM_MOVE, 0, LParamFromPoint(clientInParent));
  if (IsWindow(w) && (params.Style & WS_VISIBLE)) {
    ShowWindow(w, (params.ExStyle & WS_EX_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  }
  return IsWindow(w) ? w : nullptr;
}

bool WindowTree::IsWindow(HWND hwnd) const {
  return hwnd && m_windows.find(hwnd) != m_windows.end();
}

bool WindowTree::DestroyWindow(HWND hwnd) {
  if (!IsWindow(hwnd) || hwnd->Destroying) return false;
  std::vector<HWND> ownedWindows;
  for (HWND t : m_topLevels) {
    if (t->Owner == hwnd) ownedWindows.push_back(t);
  }
  for (HWND t : ownedWindows) DestroyWindow(t);
  if (!IsWindow(hwnd)) return true;

  if (hwnd->Visible()) {
    if (hwnd->IsTopLevel()) {
      m_system.Backend().ShowNative(hwnd, false);
    } else {
      m_system.Painting().ExposeInParent(hwnd, hwnd->Rect);
    }
  }
  if (hwnd->Parent && IsWindow(hwnd->Parent)) {
    m_system.SendMessage(hwnd->Parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, hwnd->Id),
                         reinterpret_cast<LPARAM>(hwnd));
  }
  DestroyTree(hwnd);
  return true;
}

void WindowTree::DestroyTree(HWND hwnd) {
  hwnd->Destroying = true;
  m_system.Input().DropCapture(hwnd);
  m_system.SendMessage(hwnd, WM_DESTROY);
  std::vector<HWND> children = hwnd->Children;
  for (HWND c : children) {
    if (IsWindow(c) && !c->Destroying) DestroyTree(c);
  }
  m_system.SendMessage(hwnd, WM_NCDESTROY);
  m_system.ForgetWindow(hwnd);
}

void WindowTree::Remove(HWND hwnd) {
  if (hwnd->Parent && IsWindow(hwnd->Parent)) {
    std::erase(hwnd->Parent->Children, hwnd);
  } else if (hwnd->IsTopLevel()) {
    std::erase(m_topLevels, hwnd);
    m_system.Backend().DestroyNative(hwnd);
  }
  auto it = m_windows.find(hwnd);
  // A window may be destroyed inside one of its own messages; its object lives
  // on until no message is being delivered, so no caller touches freed memory.
  if (m_deliverDepth > 0) m_graveyard.push_back(std::move(it->second));
  m_windows.erase(it);
}

void WindowTree::DestroyAll() {
  while (!m_topLevels.empty()) DestroyWindow(m_topLevels.back());
}

WindowTree::Delivery::Delivery(WindowTree& tree) : m_tree(tree) {
  ++m_tree.m_deliverDepth;
}

WindowTree::Delivery::~Delivery() {
  if (--m_tree.m_deliverDepth == 0) m_tree.m_graveyard.clear();
}

HWND WindowTree::NextActivationCandidate(HWND except) const {
  for (HWND t : m_topLevels) {
    if (t != except && t->Visible() && !t->Minimized && t->Enabled() &&
        !(t->ExStyle & WS_EX_NOACTIVATE)) {
      return t;
    }
  }
  return nullptr;
}

HWND WindowTree::GetParent(HWND hwnd) const {
  if (!IsWindow(hwnd)) return nullptr;
  return hwnd->Parent ? hwnd->Parent : hwnd->Owner;
}

HWND WindowTree::GetAncestorTopLevel(HWND hwnd) const {
  if (!IsWindow(hwnd)) return nullptr;
  while (hwnd->Parent) hwnd = hwnd->Parent;
  return hwnd;
}

bool WindowTree::IsChildOf(HWND parent, HWND hwnd) const {
  if (!IsWindow(parent) || !IsWindow(hwnd)) return false;
  for (HWND w = hwnd; w; w = w->Parent) {
    if (w == parent) return true;
  }
  return false;
}

TWndProc WindowTree::SetWindowProc(HWND hwnd, TWndProc proc) {
  if (!IsWindow(hwnd)) return {};
  TWndProc previous = hwnd->Proc ? *hwnd->Proc : TWndProc{};
  hwnd->Proc = proc ? std::make_shared<TWndProc>(std::move(proc)) : nullptr;
  return previous;
}

std::vector<HWND>& WindowTree::SiblingList(HWND hwnd) {
  return hwnd->Parent ? hwnd->Parent->Children : m_topLevels;
}

void WindowTree::PlaceInZOrder(HWND hwnd, HWND insertAfter) {
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
  if (list.front() == hwnd || !owned.empty()) m_system.Backend().RaiseNative(hwnd);
  for (HWND t : owned) m_system.Backend().RaiseNative(t);
}

void WindowTree::RecalcNonClient(HWND hwnd) {
  NCCALCSIZE_PARAMS params;
  params.rgrc[0] = hwnd->Rect;
  params.rgrc[1] = hwnd->Rect;
  params.rgrc[2] = hwnd->Rect.Offset(hwnd->ClientInWindow.TopLeft());
  m_system.SendMessage(hwnd, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params));
  if (!IsWindow(hwnd)) return;
  TRect client = params.rgrc[0].Offset(-hwnd->Rect.Left, -hwnd->Rect.Top);
  client.Right = std::max(client.Right, client.Left);
  client.Bottom = std::max(client.Bottom, client.Top);
  hwnd->ClientInWindow = client;
  hwnd->Update &= TRegion(TRect{0, 0, client.Width(), client.Height()});
}

void WindowTree::ResizeBackBuffer(HWND hwnd) {
  if (!hwnd->BackBuffer) return;
  hwnd->BackBuffer->SetSize(std::max(1, hwnd->Width()), std::max(1, hwnd->Height()));
}

void WindowTree::ApplyBounds(HWND hwnd, const TRect& rect, bool redraw) {
  TRect old = hwnd->Rect;
  bool sized = old.Size() != rect.Size();
  bool visible = IsWindowVisible(hwnd);
  if (!hwnd->IsTopLevel() && visible && redraw) m_system.Painting().ExposeInParent(hwnd, old);
  hwnd->Rect = rect;
  RecalcNonClient(hwnd);
  if (!IsWindow(hwnd)) return;
  if (hwnd->IsTopLevel()) {
    if (sized) ResizeBackBuffer(hwnd);
    m_system.Backend().SetNativeBounds(hwnd, rect);
    if (sized) {
      m_system.RedrawWindow(hwnd, nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
  } else if (visible && redraw) {
    m_system.RedrawWindow(hwnd, nullptr, nullptr,
                          RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

bool WindowTree::SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy,
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
    m_system.SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
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
      m_system.RedrawWindow(hwnd, nullptr, nullptr,
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
      if (!hwnd->Minimized) m_system.Backend().ShowNative(hwnd, true);
      m_system.MarkDirty(hwnd, hwnd->WindowBounds());
    }
    m_system.RedrawWindow(hwnd, nullptr, nullptr,
                          RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    bool activate = hwnd->IsTopLevel() && !(flags & SWP_NOACTIVATE) &&
                    !(hwnd->ExStyle & WS_EX_NOACTIVATE) && hwnd->Enabled();
    if (activate) m_system.Input().ActivateTopLevel(hwnd, WA_ACTIVE);
  } else if ((flags & SWP_HIDEWINDOW) && hwnd->Visible()) {
    bool wasVisible = IsWindowVisible(hwnd);
    hwnd->Style &= ~WS_VISIBLE;
    if (hwnd->IsTopLevel()) {
      m_system.Backend().ShowNative(hwnd, false);
    } else if (wasVisible) {
      m_system.Painting().ExposeInParent(hwnd, hwnd->Rect);
    }
    m_system.Input().LoseFocusAndCaptureWithin(hwnd);
    if (m_system.GetActiveWindow() == hwnd) {
      m_system.Input().ActivateTopLevel(NextActivationCandidate(hwnd), WA_ACTIVE);
    }
  }
  if (IsWindow(hwnd))
    m_system.SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return true;
}

bool WindowTree::MoveWindow(HWND hwnd, const TRect& rect, bool repaint) {
  return SetWindowPos(hwnd, nullptr, rect.Left, rect.Top, rect.Width(), rect.Height(),
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool WindowTree::ShowWindow(HWND hwnd, int cmd) {
  if (!IsWindow(hwnd)) return false;
  bool wasVisible = hwnd->Visible();
  constexpr UINT kKeep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
  switch (cmd) {
    case SW_HIDE:
      if (wasVisible) {
        m_system.SendMessage(hwnd, WM_SHOWWINDOW, 0, 0);
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
        m_system.Backend().MinimizeNative(hwnd);
        m_system.Input().DeactivateMinimized(hwnd);
        m_system.SendMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
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
        m_system.Backend().ShowNative(hwnd, hwnd->Visible());
        m_system.RedrawWindow(hwnd, nullptr, nullptr,
                              RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        m_system.SendMessage(hwnd, WM_SIZE, hwnd->Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                             MAKELPARAM(hwnd->ClientSize().cx, hwnd->ClientSize().cy));
        m_system.Input().ActivateTopLevel(hwnd, WA_ACTIVE);
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
        m_system.SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
        if (!IsWindow(hwnd)) return wasVisible;
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     kKeep | SWP_SHOWWINDOW | (noActivate ? SWP_NOACTIVATE : 0));
      } else if (!noActivate && hwnd->IsTopLevel() && m_system.GetActiveWindow() != hwnd &&
                 !(hwnd->ExStyle & WS_EX_NOACTIVATE)) {
        m_system.Input().ActivateTopLevel(hwnd, WA_ACTIVE);
      }
      break;
    }
  }
  return wasVisible;
}

bool WindowTree::IsWindowVisible(HWND hwnd) const {
  if (!IsWindow(hwnd)) return false;
  for (HWND w = hwnd; w; w = w->Parent) {
    if (!w->Visible() || w->Minimized) return false;
  }
  return true;
}

bool WindowTree::EnableWindow(HWND hwnd, bool enable) {
  if (!IsWindow(hwnd)) return false;
  bool wasDisabled = !hwnd->Enabled();
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    hwnd->Style &= ~WS_DISABLED;
  } else {
    hwnd->Style |= WS_DISABLED;
    m_system.Input().LoseFocusAndCaptureWithin(hwnd);
  }
  m_system.SendMessage(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
  return wasDisabled;
}

bool WindowTree::IsWindowEnabled(HWND hwnd) const {
  return IsWindow(hwnd) && hwnd->Enabled();
}

void WindowTree::SetWindowText(HWND hwnd, const std::string& text) {
  if (!IsWindow(hwnd)) return;
  m_system.SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string WindowTree::GetWindowText(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->Text : std::string();
}

std::string WindowTree::GetClassName(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->ClassName : std::string();
}

std::uint32_t WindowTree::GetStyle(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->Style : 0;
}
std::uint32_t WindowTree::GetExStyle(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->ExStyle : 0;
}

void WindowTree::SetStyle(HWND hwnd, std::uint32_t style) {
  if (!IsWindow(hwnd)) return;
  hwnd->Style = (style & ~WS_VISIBLE) | (hwnd->Style & WS_VISIBLE);
}

void WindowTree::SetExStyle(HWND hwnd, std::uint32_t exStyle) {
  if (!IsWindow(hwnd)) return;
  hwnd->ExStyle = exStyle;
}

TPoint WindowTree::WindowOrigin(HWND hwnd) const {
  if (!IsWindow(hwnd)) return {};
  if (hwnd->IsTopLevel()) return hwnd->Rect.TopLeft();
  return ClientOrigin(hwnd->Parent) + hwnd->Rect.TopLeft();
}

TPoint WindowTree::ClientOrigin(HWND hwnd) const {
  if (!IsWindow(hwnd)) return {};
  return WindowOrigin(hwnd) + hwnd->ClientInWindow.TopLeft();
}

TRect WindowTree::GetWindowRect(HWND hwnd) const {
  if (!IsWindow(hwnd)) return {};
  return Bounds(WindowOrigin(hwnd).X, WindowOrigin(hwnd).Y, hwnd->Width(), hwnd->Height());
}

TRect WindowTree::GetClientRect(HWND hwnd) const {
  if (!IsWindow(hwnd)) return {};
  return {0, 0, hwnd->ClientInWindow.Width(), hwnd->ClientInWindow.Height()};
}

TPoint WindowTree::ClientToScreen(HWND hwnd, TPoint p) const {
  return p + ClientOrigin(hwnd);
}
TPoint WindowTree::ScreenToClient(HWND hwnd, TPoint p) const {
  return p - ClientOrigin(hwnd);
}

bool WindowTree::ContainsScreenPoint(HWND hwnd, TPoint screen) const {
  TPoint local = screen - WindowOrigin(hwnd);
  if (!hwnd->WindowBounds().Contains(local)) return false;
  return !hwnd->Region || hwnd->Region->Contains(local);
}

HWND WindowTree::FindChildAt(HWND parent, TPoint clientPoint, bool enabledOnly) const {
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

HWND WindowTree::WindowFromPoint(TPoint screen) const {
  for (HWND t : m_topLevels) {
    if (!t->Visible() || t->Minimized || !ContainsScreenPoint(t, screen)) continue;
    TPoint local = screen - t->Rect.TopLeft();
    if (!t->ClientInWindow.Contains(local)) return t;
    return FindChildAt(t, local - t->ClientInWindow.TopLeft(), true);
  }
  return nullptr;
}

HWND WindowTree::ChildWindowFromPoint(HWND parent, TPoint client) const {
  if (!IsWindow(parent)) return nullptr;
  for (HWND c : parent->Children) {
    if (c->Visible() && c->Rect.Contains(client)) return c;
  }
  return GetClientRect(parent).Contains(client) ? parent : nullptr;
}

void WindowTree::SetWindowRgn(HWND hwnd, const TRegion* region, bool redraw) {
  if (!IsWindow(hwnd)) return;
  bool visible = IsWindowVisible(hwnd);
  if (!hwnd->IsTopLevel() && visible && redraw)
    m_system.Painting().ExposeInParent(hwnd, hwnd->Rect);
  if (region) {
    hwnd->Region = *region;
  } else {
    hwnd->Region.reset();
  }
  if (hwnd->IsTopLevel()) {
    m_system.Backend().SetNativeShape(hwnd, hwnd->Region ? &*hwnd->Region : nullptr);
    m_system.MarkDirty(hwnd, hwnd->WindowBounds());
  }
  if (visible && redraw) {
    m_system.RedrawWindow(hwnd, nullptr, nullptr,
                          RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

const TRegion* WindowTree::GetWindowRgn(HWND hwnd) const {
  if (!IsWindow(hwnd) || !hwnd->Region) return nullptr;
  return &*hwnd->Region;
}

bool WindowTree::SetLayeredWindowAttributes(HWND hwnd, std::uint8_t alpha, UINT flags) {
  if (!IsWindow(hwnd) || !hwnd->IsTopLevel()) return false;
  if (flags & LWA_ALPHA) {
    hwnd->Alpha = alpha;
    m_system.Backend().SetNativeAlpha(hwnd, alpha);
    m_system.MarkDirty(hwnd, hwnd->WindowBounds());
  }
  return true;
}

std::uint8_t WindowTree::GetLayeredWindowAlpha(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->Alpha : std::uint8_t{255};
}

void WindowTree::SetWindowUserData(HWND hwnd, std::uintptr_t data) {
  if (IsWindow(hwnd)) hwnd->UserData = data;
}

std::uintptr_t WindowTree::GetWindowUserData(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->UserData : 0;
}

void WindowTree::SetClassBackground(HWND hwnd, TColor color) {
  if (IsWindow(hwnd)) hwnd->ClassBackground = color;
}

bool WindowTree::IsIconic(HWND hwnd) const {
  return IsWindow(hwnd) && hwnd->Minimized;
}
bool WindowTree::IsZoomed(HWND hwnd) const {
  return IsWindow(hwnd) && hwnd->Maximized;
}

TRect WindowTree::MonitorWorkArea(HWND hwnd) const {
  TRect r = GetWindowRect(hwnd);
  return m_system.Backend().WorkArea({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
}

TRect WindowTree::MonitorRect(HWND) const {
  return m_system.Backend().ScreenRect();
}

}  // namespace kx
