#include "platform/window/painter.h"

#include <algorithm>
#include <vector>

#include "platform/window/window_system.h"

namespace kx {

TDeviceContext::TDeviceContext(HWND owner, TBitmap& target, TRect dirtyBounds)
    : m_owner(owner), m_canvas(target), m_dirty(dirtyBounds) {}

TDeviceContext::~TDeviceContext() {
  if (m_owner && TWindowSystem::Exists()) {
    TWindowSystem& system = TWindowSystem::Current();
    if (system.IsWindow(m_owner)) system.MarkDirty(m_owner, m_dirty);
  }
}

TPoint Painter::OffsetInTopLevel(HWND hwnd) const {
  HWND top = m_system.GetAncestorTopLevel(hwnd);
  return m_system.WindowOrigin(hwnd) - m_system.WindowOrigin(top);
}

TRegion Painter::ShapeInTopLevel(HWND hwnd) const {
  TPoint off = OffsetInTopLevel(hwnd);
  TRegion shape(hwnd->WindowBounds().Offset(off));
  if (hwnd->Region) {
    TRegion r = *hwnd->Region;
    r.Offset(off.X, off.Y);
    shape &= r;
  }
  return shape;
}

TRegion Painter::VisibleRegion(HWND hwnd, bool clientOnly, bool clipChildren) const {
  if (!m_system.IsWindowVisible(hwnd)) return {};
  TPoint off = OffsetInTopLevel(hwnd);
  TRegion vis = ShapeInTopLevel(hwnd);
  if (clientOnly) vis &= TRegion(hwnd->ClientInWindow.Offset(off));
  for (HWND c = hwnd; c->Parent && !vis.IsEmpty(); c = c->Parent) {
    HWND p = c->Parent;
    TPoint parentOff = OffsetInTopLevel(p);
    vis &= TRegion(p->ClientInWindow.Offset(parentOff));
    if (p->Region) {
      TRegion r = *p->Region;
      r.Offset(parentOff.X, parentOff.Y);
      vis &= r;
    }
    for (HWND sibling : p->Children) {
      if (sibling == c) break;
      if (sibling->Visible()) vis -= ShapeInTopLevel(sibling);
    }
  }
  if (clipChildren) {
    for (HWND child : hwnd->Children) {
      if (child->Visible()) vis -= ShapeInTopLevel(child);
    }
  }
  return vis;
}

void Painter::InvalidateTree(HWND hwnd, TRegion clientRegion, UINT flags) {
  TRect client = m_system.GetClientRect(hwnd);
  TRegion inClient = clientRegion;
  inClient &= TRegion(client);
  if (flags & RDW_INVALIDATE) {
    hwnd->Update |= inClient;
    if (flags & RDW_ERASE) hwnd->UpdateErase = true;
    if (flags & RDW_FRAME) hwnd->FrameInvalid = true;
  }
  if (flags & RDW_VALIDATE) {
    hwnd->Update -= inClient;
    if (hwnd->Update.IsEmpty()) hwnd->UpdateErase = false;
    if (flags & RDW_NOFRAME) hwnd->FrameInvalid = false;
  }
  if (flags & RDW_INTERNALPAINT) hwnd->InternalPaint = true;
  if (flags & RDW_NOINTERNALPAINT) hwnd->InternalPaint = false;

  bool recurse =
      (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(hwnd->Style & WS_CLIPCHILDREN));
  if (!recurse) return;
  for (HWND child : hwnd->Children) {
    if (!child->Visible()) continue;
    TRegion part = clientRegion;
    part &= TRegion(child->Rect);
    if (part.IsEmpty()) continue;
    part.Offset(-child->Rect.Left, -child->Rect.Top);
    UINT childFlags = flags & ~RDW_FRAME;
    if ((flags & RDW_INVALIDATE) &&
        !TRegion::Combine(part, TRegion(child->ClientInWindow), RegionOp::Diff).IsEmpty()) {
      childFlags |= RDW_FRAME;
    }
    part.Offset(-child->ClientInWindow.Left, -child->ClientInWindow.Top);
    InvalidateTree(child, part, childFlags);
  }
}

bool Painter::RedrawWindow(HWND hwnd, const TRect* rect, const TRegion* region, UINT flags) {
  if (!hwnd) {
    for (HWND t : m_system.TopLevelWindows()) RedrawWindow(t, rect, region, flags);
    return true;
  }
  if (!m_system.IsWindow(hwnd)) return false;
  TRegion area;
  if (region) {
    area = *region;
  } else if (rect) {
    area = TRegion(*rect);
  } else {
    // The whole window, the frame included, in client coordinates.
    area =
        TRegion(hwnd->WindowBounds().Offset(-hwnd->ClientInWindow.Left, -hwnd->ClientInWindow.Top));
  }
  InvalidateTree(hwnd, area, flags);
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) PaintNow(hwnd, (flags & RDW_ALLCHILDREN) != 0);
  return true;
}

bool Painter::InvalidateRect(HWND hwnd, const TRect* rect, bool erase) {
  if (!m_system.IsWindow(hwnd)) return false;
  TRegion area(rect ? *rect : m_system.GetClientRect(hwnd));
  InvalidateTree(hwnd, area, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
  return true;
}

bool Painter::InvalidateRgn(HWND hwnd, const TRegion& region, bool erase) {
  if (!m_system.IsWindow(hwnd)) return false;
  InvalidateTree(hwnd, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
  return true;
}

bool Painter::ValidateRect(HWND hwnd, const TRect* rect) {
  if (!m_system.IsWindow(hwnd)) return false;
  if (hwnd == m_paintingHwnd) m_paintedDuringDispatch = true;
  TRegion area(rect ? *rect : m_system.GetClientRect(hwnd));
  InvalidateTree(hwnd, area, RDW_VALIDATE | RDW_NOCHILDREN);
  if (!rect) hwnd->InternalPaint = false;
  return true;
}

void Painter::PaintNow(HWND hwnd, bool withChildren) {
  if (!m_system.IsWindowVisible(hwnd)) return;
  if (hwnd->FrameInvalid) {
    hwnd->FrameInvalid = false;
    m_system.SendMessage(hwnd, WM_NCPAINT, 1, 0);
  }
  if (m_system.IsWindow(hwnd) && (!hwnd->Update.IsEmpty() || hwnd->InternalPaint)) {
    m_system.DispatchMessage(
        TMsg{hwnd, WM_PAINT, 0, 0, m_system.Clock().Now(), m_system.Input().CursorPosition()});
  }
  if (!withChildren || !m_system.IsWindow(hwnd)) return;
  std::vector<HWND> children = hwnd->Children;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if (m_system.IsWindow(*it)) PaintNow(*it, true);
  }
}

bool Painter::UpdateWindow(HWND hwnd) {
  if (!m_system.IsWindow(hwnd)) return false;
  PaintNow(hwnd, false);
  return true;
}

bool Painter::GetUpdateRect(HWND hwnd, TRect& rect) const {
  rect = m_system.IsWindow(hwnd) ? hwnd->Update.BoundingBox() : TRect{};
  return !rect.IsEmpty();
}

const TRegion& Painter::GetUpdateRegion(HWND hwnd) const {
  static const TRegion kEmpty;
  return m_system.IsWindow(hwnd) ? hwnd->Update : kEmpty;
}

HDC Painter::MakeDC(HWND hwnd, bool client, const TRegion* clipClient) {
  HWND top = m_system.GetAncestorTopLevel(hwnd);
  if (!top || !top->BackBuffer) {
    auto dc = std::make_unique<TDeviceContext>(nullptr, m_nullTarget, TRect{});
    dc->Canvas().SelectClipRegion(TRegion());
    return dc;
  }
  TRegion vis = VisibleRegion(hwnd, client, client && (hwnd->Style & WS_CLIPCHILDREN));
  TPoint off = OffsetInTopLevel(hwnd);
  if (client) off = off + hwnd->ClientInWindow.TopLeft();
  if (clipClient) {
    TRegion limit = *clipClient;
    limit.Offset(off.X, off.Y);
    vis &= limit;
  }
  auto dc = std::make_unique<TDeviceContext>(top, *top->BackBuffer, vis.BoundingBox());
  dc->Canvas().SetOrigin(off);
  dc->Canvas().SelectClipRegion(vis);
  return dc;
}

TCanvas& Painter::BeginPaint(HWND hwnd, TPaintStruct& ps) {
  if (!m_system.IsWindow(hwnd)) {
    ps.hdc = MakeDC(nullptr, true, nullptr);
    return ps.hdc->Canvas();
  }
  m_paintedDuringDispatch = true;
  if (hwnd->FrameInvalid) {
    hwnd->FrameInvalid = false;
    m_system.SendMessage(hwnd, WM_NCPAINT, 1, 0);
  }
  TRegion update = hwnd->Update;
  bool erase = hwnd->UpdateErase;
  hwnd->Update = TRegion();
  hwnd->UpdateErase = false;
  hwnd->InternalPaint = false;
  ps.rcPaint = update.BoundingBox();
  ps.hdc = MakeDC(hwnd, true, &update);
  ps.fErase = false;
  if (erase) {
    LRESULT erased =
        m_system.SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&ps.hdc->Canvas()), 0);
    ps.fErase = erased == 0;
  }
  return ps.hdc->Canvas();
}

void Painter::EndPaint(HWND, TPaintStruct& ps) {
  ps.hdc.reset();
}

HDC Painter::GetDC(HWND hwnd) {
  if (!m_system.IsWindow(hwnd)) return MakeDC(nullptr, true, nullptr);
  return MakeDC(hwnd, true, nullptr);
}

HDC Painter::GetWindowDC(HWND hwnd) {
  if (!m_system.IsWindow(hwnd)) return MakeDC(nullptr, true, nullptr);
  return MakeDC(hwnd, false, nullptr);
}

HWND Painter::FindWindowNeedingPaint(HWND hwnd) const {
  if (!hwnd->Visible() || hwnd->Minimized || hwnd->RedrawOff) return nullptr;
  if (!hwnd->Update.IsEmpty() || hwnd->FrameInvalid || hwnd->InternalPaint) return hwnd;
  for (HWND c : hwnd->Children) {
    if (HWND found = FindWindowNeedingPaint(c)) return found;
  }
  return nullptr;
}

bool Painter::TakePaintMessage(TMsg& msg) {
  for (;;) {
    HWND target = nullptr;
    for (HWND t : m_system.Tree().TopLevels()) {
      if ((target = FindWindowNeedingPaint(t))) break;
    }
    if (!target) return false;
    if (target->FrameInvalid) {
      target->FrameInvalid = false;
      m_system.SendMessage(target, WM_NCPAINT, 1, 0);
      if (!m_system.IsWindow(target) || (target->Update.IsEmpty() && !target->InternalPaint))
        continue;
    }
    msg = TMsg{target, WM_PAINT, 0, 0, m_system.Clock().Now(), m_system.Input().CursorPosition()};
    return true;
  }
}

LRESULT Painter::DispatchPaint(const TMsg& msg) {
  HWND saved = m_paintingHwnd;
  bool savedPainted = m_paintedDuringDispatch;
  m_paintingHwnd = msg.hwnd;
  m_paintedDuringDispatch = false;
  LRESULT r = m_system.SendMessage(msg.hwnd, WM_PAINT, msg.wParam, msg.lParam);
  // A procedure that neither painted nor validated would be asked again forever.
  if (m_system.IsWindow(msg.hwnd) && !m_paintedDuringDispatch) {
    msg.hwnd->Update = TRegion();
    msg.hwnd->UpdateErase = false;
    msg.hwnd->InternalPaint = false;
  }
  m_paintingHwnd = saved;
  m_paintedDuringDispatch = savedPainted;
  return r;
}

void Painter::ForgetWindow(HWND hwnd) {
  if (m_paintingHwnd == hwnd) m_paintingHwnd = nullptr;
}

void Painter::MarkDirty(HWND topLevel, const TRect& windowRect) {
  if (!m_system.IsWindow(topLevel) || !topLevel->IsTopLevel()) return;
  TRect r = windowRect.Intersected(topLevel->WindowBounds());
  topLevel->Dirty = topLevel->Dirty.United(r);
}

void Painter::PresentAll() {
  for (HWND t : m_system.Tree().TopLevels()) {
    if (t->Dirty.IsEmpty()) continue;
    TRect dirty = t->Dirty;
    t->Dirty = TRect{};
    if (t->Visible() && !t->Minimized && t->BackBuffer)
      m_system.Backend().Present(t, *t->BackBuffer, dirty);
  }
}

void Painter::ExposeInParent(HWND hwnd, const TRect& rectInParent) {
  if (!hwnd->Parent || !m_system.IsWindow(hwnd->Parent)) return;
  RedrawWindow(hwnd->Parent, &rectInParent, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

int Painter::ScrollWindowEx(HWND hwnd, int dx, int dy, const TRect* scroll, const TRect* clip,
                            TRegion* updateRegion, TRect* updateRect, UINT flags) {
  if (!m_system.IsWindow(hwnd)) return 0;
  TRect area = m_system.GetClientRect(hwnd);
  if (scroll) area = area.Intersected(*scroll);
  if (clip) area = area.Intersected(*clip);
  HWND top = m_system.GetAncestorTopLevel(hwnd);
  TPoint off = OffsetInTopLevel(hwnd) + hwnd->ClientInWindow.TopLeft();

  TRegion movable = VisibleRegion(hwnd, true, false);
  movable.Offset(-off.X, -off.Y);
  movable &= TRegion(area);
  TRegion landed = movable;
  landed.Offset(dx, dy);
  landed &= movable;  // pixels whose source and destination are both visible

  if (top && top->BackBuffer && !landed.IsEmpty()) {
    TBitmap& buffer = *top->BackBuffer;
    TRect box = movable.BoundingBox().Offset(off);
    std::vector<Pixel32> snapshot(static_cast<std::size_t>(box.Width()) * box.Height());
    for (int y = box.Top; y < box.Bottom; ++y) {
      std::copy_n(buffer.ScanLine(y) + box.Left, box.Width(),
                  snapshot.begin() + static_cast<std::ptrdiff_t>(y - box.Top) * box.Width());
    }
    for (const TRect& r : landed.Rects()) {
      TRect dest = r.Offset(off);
      for (int y = dest.Top; y < dest.Bottom; ++y) {
        int srcY = y - dy - box.Top;
        int srcX = dest.Left - dx - box.Left;
        auto src = snapshot.begin() + static_cast<std::ptrdiff_t>(srcY) * box.Width() + srcX;
        std::copy_n(src, dest.Width(), buffer.ScanLine(y) + dest.Left);
      }
    }
    MarkDirty(top, box);
  }

  TRegion uncovered = TRegion::Combine(movable, landed, RegionOp::Diff);
  // The pending update region moves with the pixels.
  TRegion inside = hwnd->Update;
  inside &= TRegion(area);
  if (!inside.IsEmpty()) {
    hwnd->Update -= TRegion(area);
    inside.Offset(dx, dy);
    inside &= TRegion(area);
    hwnd->Update |= inside;
  }
  if (flags & SW_SCROLLCHILDREN) {
    std::vector<HWND> children = hwnd->Children;
    for (HWND child : children) {
      if (!m_system.IsWindow(child) || (scroll && !child->Rect.Intersects(*scroll))) continue;
      m_system.SetWindowPos(child, nullptr, child->Rect.Left + dx, child->Rect.Top + dy, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if ((flags & SW_INVALIDATE) && !uncovered.IsEmpty()) {
    InvalidateTree(hwnd, uncovered, RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0));
  }
  if (updateRegion) *updateRegion = uncovered;
  if (updateRect) *updateRect = uncovered.BoundingBox();
  return uncovered.IsEmpty() ? 1 : 2;
}

}  // namespace kx
