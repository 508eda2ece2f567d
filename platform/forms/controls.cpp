#include "platform/forms/controls.h"

#include <algorithm>

#include "platform/base/assert.h"
#include "platform/forms/forms.h"
#include "platform/window/api.h"

namespace kx {

TShiftState KeyboardShiftState() {
  if (!WindowSystemExists()) return 0;
  TShiftState s = 0;
  if (WindowSystem().GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (WindowSystem().GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (WindowSystem().GetKeyState(VK_MENU) < 0) s |= ssAlt;
  if (WindowSystem().GetKeyState(VK_LBUTTON) < 0) s |= ssLeft;
  if (WindowSystem().GetKeyState(VK_RBUTTON) < 0) s |= ssRight;
  if (WindowSystem().GetKeyState(VK_MBUTTON) < 0) s |= ssMiddle;
  return s;
}

// ---- TControl

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
}

TControl::~TControl() {
  if (m_parent) m_parent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == m_parent) return;
  if (m_parent) m_parent->RemoveControl(this);
  m_parent = parent;
  if (m_parent) {
    m_parent->InsertControl(this);
    if (m_parentFont) m_font = m_parent->Font();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  TRect old = m_bounds;
  TRect now = Bounds(left, top, std::max(0, width), std::max(0, height));
  if (now == old) return;
  m_bounds = now;
  BoundsChanged(old);
  if (old.Size() != now.Size()) Resize();
  RequestAlign();
}

void TControl::BoundsChanged(const TRect& old) {
  if (m_parent && m_visible) {
    m_parent->InvalidateRect(old);
    m_parent->InvalidateRect(m_bounds);
  }
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::RequestAlign() {
  if (m_parent && m_align != TAlign::alNone) m_parent->Realign();
}

void TControl::SetAlign(TAlign align) {
  if (align == m_align) return;
  m_align = align;
  if (m_parent) m_parent->Realign();
}

void TControl::SetVisible(bool visible) {
  if (visible == m_visible) return;
  m_visible = visible;
  if (m_parent) {
    m_parent->InvalidateRect(m_bounds);
    if (m_align != TAlign::alNone) m_parent->Realign();
  }
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == m_enabled) return;
  m_enabled = enabled;
  Invalidate();
}

void TControl::SetColor(TColor color) {
  if (color == m_color) return;
  m_color = color;
  Invalidate();
}

void TControl::SetFont(const TFont& font) {
  m_font = font;
  m_parentFont = false;
  FontChanged();
}

void TControl::SetParentFont(bool value) {
  m_parentFont = value;
  if (value && m_parent) {
    m_font = m_parent->Font();
    FontChanged();
  }
}

void TControl::FontChanged() {
  Invalidate();
  if (auto* win = dynamic_cast<TWinControl*>(this)) {
    for (TControl* c : win->Controls()) {
      if (c->m_parentFont) {
        c->m_font = m_font;
        c->FontChanged();
      }
    }
  }
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == m_caption) return;
  m_caption = caption;
  Invalidate();
}

TPoint TControl::ClientToScreen(TPoint p) const {
  if (!m_parent) return p + m_bounds.TopLeft();
  return m_parent->ClientToScreen(p + m_bounds.TopLeft());
}

TPoint TControl::ScreenToClient(TPoint p) const {
  return p - ClientToScreen({0, 0});
}

void TControl::Invalidate() {
  if (m_parent) m_parent->InvalidateRect(m_bounds);
}

void TControl::Repaint() {
  Invalidate();
  if (m_parent && m_parent->HandleAllocated()) WindowSystem().UpdateWindow(m_parent->Handle());
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

bool TControl::MouseWheel(TShiftState shift, int delta, int x, int y) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, shift, delta, TPoint{x, y}, handled);
  return handled;
}

void TControl::ContextPopup(int x, int y, bool& handled) {
  if (OnContextPopup) OnContextPopup(this, TPoint{x, y}, handled);
}

namespace {

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return TMouseButton::mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return TMouseButton::mbMiddle;
    default:
      return TMouseButton::mbLeft;
  }
}

}  // namespace

void TControl::DecodeMouse(TMessage& m) {
  TPoint p = PointFromLParam(m.LParam);
  TShiftState shift = KeyboardShiftState();
  TMouseButton button = ButtonOf(m.Msg);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (m.Msg == WM_LBUTTONDOWN) m_clicked = true;
      MouseDown(button, shift, p.X, p.Y);
      break;
    case WM_LBUTTONDBLCLK:
      MouseDown(button, shift | ssDouble, p.X, p.Y);
      DblClick();
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      // A release over the control is a click, which comes before MouseUp.
      bool click = m.Msg == WM_LBUTTONUP && m_clicked && ClientRect().Contains(p);
      if (m.Msg == WM_LBUTTONUP) m_clicked = false;
      if (click) Click();
      MouseUp(button, shift, p.X, p.Y);
      break;
    }
    case WM_MOUSEMOVE:
      MouseMove(shift, p.X, p.Y);
      break;
    default:
      break;
  }
}

bool TControl::DecodeWheel(TMessage& m) {
  auto delta = static_cast<std::int16_t>(HIWORD(m.WParam));
  TPoint p = ScreenToClient(PointFromLParam(m.LParam));
  if (!MouseWheel(KeyboardShiftState(), delta, p.X, p.Y)) return false;
  m.Result = 1;
  return true;
}

bool TControl::DecodeContextMenu(TMessage& m) {
  // A request from the keyboard carries no position.
  TPoint p{-1, -1};
  if (m.LParam != static_cast<LPARAM>(-1)) p = ScreenToClient(PointFromLParam(m.LParam));
  bool handled = false;
  ContextPopup(p.X, p.Y, handled);
  return handled;
}

void TControl::WndProc(TMessage& m) {
  if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK) {
    DecodeMouse(m);
  } else if (m.Msg == WM_MOUSEWHEEL) {
    if (DecodeWheel(m)) return;
  } else if (m.Msg == WM_CONTEXTMENU) {
    if (DecodeContextMenu(m)) return;
  } else if (m.Msg == CM_MOUSEENTER) {
    m_mouseInControl = true;
    MouseEnter();
  } else if (m.Msg == CM_MOUSELEAVE) {
    m_mouseInControl = false;
    MouseLeave();
  }
  DefaultHandler(m);
}

TWinControl* FindControl(HWND hwnd) {
  if (!hwnd || !WindowSystemExists()) return nullptr;
  auto* control = reinterpret_cast<TWinControl*>(WindowSystem().GetWindowUserData(hwnd));
  if (!control) return nullptr;
  return control->m_handle == hwnd ? control : nullptr;
}

TControl* TWinControl::ControlAtPos(TPoint client) const {
  TGraphicControl* g = GraphicControlAt(client);
  if (g) return g;
  return const_cast<TWinControl*>(this);
}

// ---- TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  std::vector<TControl*> children = m_controls;
  for (TControl* c : children) c->m_parent = nullptr;
  m_controls.clear();
  DestroyWnd();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.ClassName = "TWinControl";
  params.Text = Caption();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | (TabStop ? WS_TABSTOP : 0) |
                 (Visible() ? WS_VISIBLE : 0) | (Enabled() ? 0 : WS_DISABLED);
  params.ExStyle = 0;
  params.ClassStyle = CS_DBLCLKS;
  params.Bounds = m_bounds;
  params.Background = Color();
}

HWND TWinControl::Handle() {
  if (!m_handle) CreateWnd();
  return m_handle;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (Parent()) {
    params.Parent = Parent()->Handle();
  } else {
    params.Style &= ~WS_CHILD;
  }
  bool show = (params.Style & WS_VISIBLE) != 0;
  params.Style &= ~WS_VISIBLE;
  params.Proc = [this](HWND hwnd, TMessage& m) {
    if (!m_handle) m_handle = hwnd;  // messages of the creation itself
    WindowProc(m);
  };
  HWND handle = WindowSystem().CreateWindowEx(params);
  m_handle = handle;
  if (!m_handle) return;
  WindowSystem().SetWindowUserData(m_handle, reinterpret_cast<std::uintptr_t>(this));
  for (TControl* c : m_controls) {
    if (auto* win = dynamic_cast<TWinControl*>(c)) win->HandleNeeded();
  }
  Realign();
  if (show && Parent()) WindowSystem().ShowWindow(m_handle, SW_SHOWNA);
}

void TWinControl::DestroyWnd() {
  if (!m_handle) return;
  HWND handle = m_handle;
  for (TControl* c : m_controls) {
    if (auto* win = dynamic_cast<TWinControl*>(c)) win->m_handle = nullptr;
  }
  m_handle = nullptr;
  if (WindowSystemExists() && WindowSystem().IsWindow(handle)) {
    WindowSystem().SetWindowProc(handle, {});
    WindowSystem().DestroyWindow(handle);
  }
}

void TWinControl::RecreateWnd() {
  if (!m_handle) return;
  DestroyWnd();
  CreateWnd();
}

void TWinControl::InsertControl(TControl* control) {
  m_controls.push_back(control);
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    m_tabOrder.push_back(win);
    if (m_handle) win->HandleNeeded();
  }
  if (control->Align() != TAlign::alNone) Realign();
  InvalidateRect(control->BoundsRect());
}

void TWinControl::RemoveControl(TControl* control) {
  std::erase(m_controls, control);
  if (auto* win = dynamic_cast<TWinControl*>(control)) std::erase(m_tabOrder, win);
  if (m_mouseCapture == control) m_mouseCapture = nullptr;
  if (m_mouseOver == control) m_mouseOver = nullptr;
  InvalidateRect(control->BoundsRect());
  if (control->Align() != TAlign::alNone) Realign();
}

TPoint TWinControl::ClientToScreen(TPoint p) const {
  if (m_handle && WindowSystemExists()) return WindowSystem().ClientToScreen(m_handle, p);
  return TControl::ClientToScreen(p);
}

TRect TWinControl::ClientRect() const {
  if (m_handle && WindowSystemExists()) return WindowSystem().GetClientRect(m_handle);
  return TControl::ClientRect();
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->m_tabOrder;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& list = Parent()->m_tabOrder;
  std::erase(list, this);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

std::vector<TWinControl*> TWinControl::TabList() const {
  std::vector<TWinControl*> out;
  for (TWinControl* c : m_tabOrder) {
    if (c->TabStop && c->CanFocus()) out.push_back(c);
    std::vector<TWinControl*> inner = c->TabList();
    out.insert(out.end(), inner.begin(), inner.end());
  }
  return out;
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const {
  return m_handle && WindowSystem().GetFocus() == m_handle;
}

void TWinControl::SetFocus() {
  if (CanFocus()) WindowSystem().SetFocus(Handle());
}

void TWinControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  if (m_handle)
    WindowSystem().ShowWindow(m_handle, visible ? (Parent() ? SW_SHOWNA : SW_SHOW) : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (m_handle) WindowSystem().EnableWindow(m_handle, enabled);
}

void TWinControl::SetColor(TColor color) {
  if (m_handle) WindowSystem().SetClassBackground(m_handle, color);
  TControl::SetColor(color);
}

void TWinControl::SetCaption(const std::string& caption) {
  TControl::SetCaption(caption);
  if (m_handle) WindowSystem().SetWindowText(m_handle, caption);
}

void TWinControl::Invalidate() {
  if (m_handle) WindowSystem().InvalidateRect(m_handle, nullptr, true);
}

void TWinControl::InvalidateRect(const TRect& rect) {
  if (m_handle) WindowSystem().InvalidateRect(m_handle, &rect, true);
}

void TWinControl::BoundsChanged(const TRect& old) {
  (void)old;
  if (m_handle) WindowSystem().MoveWindow(m_handle, m_bounds);
}

void TWinControl::Realign() {
  if (m_aligning) return;
  m_aligning = true;
  TRect rect = ClientRect();
  AdjustClientRect(rect);
  AlignControls(rect);
  m_aligning = false;
}

void TWinControl::AlignControls(TRect& rect) {
  for (TAlign kind :
       {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (TControl* c : m_controls) {
      if (c->Align() != kind || !c->Visible()) continue;
      int w = c->Width();
      int h = c->Height();
      switch (kind) {
        case TAlign::alTop:
          c->SetBounds(rect.Left, rect.Top, rect.Width(), h);
          rect.Top += h;
          break;
        case TAlign::alBottom:
          c->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
          rect.Bottom -= h;
          break;
        case TAlign::alLeft:
          c->SetBounds(rect.Left, rect.Top, w, rect.Height());
          rect.Left += w;
          break;
        case TAlign::alRight:
          c->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
          rect.Right -= w;
          break;
        default:
          c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
          break;
      }
      rect.Right = std::max(rect.Right, rect.Left);
      rect.Bottom = std::max(rect.Bottom, rect.Top);
    }
  }
}

TGraphicControl* TWinControl::GraphicControlAt(TPoint client) const {
  for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
    auto* g = dynamic_cast<TGraphicControl*>(*it);
    if (g && g->Visible() && g->Enabled() && g->BoundsRect().Contains(client)) return g;
  }
  return nullptr;
}

void TWinControl::UpdateMouseEnterLeave(TControl* under) {
  if (under == m_mouseOver) return;
  TControl* old = m_mouseOver;
  m_mouseOver = under;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (under) under->Perform(CM_MOUSEENTER);
}

bool TWinControl::RouteToGraphicChild(TMessage& m) {
  TPoint p = PointFromLParam(m.LParam);
  TGraphicControl* target = m_mouseCapture ? m_mouseCapture : GraphicControlAt(p);
  if (m.Msg == WM_MOUSEMOVE) UpdateMouseEnterLeave(target);
  if (!target) return false;
  bool down = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN ||
              m.Msg == WM_LBUTTONDBLCLK;
  bool up = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP;
  if (down) {
    m_mouseCapture = target;
    WindowSystem().SetCapture(m_handle);
  }
  TPoint local = p - target->BoundsRect().TopLeft();
  m.Result = target->Perform(m.Msg, m.WParam, LParamFromPoint(local));
  if (up && !(KeyboardShiftState() & (ssLeft | ssRight | ssMiddle))) {
    m_mouseCapture = nullptr;
    if (WindowSystem().GetCapture() == m_handle) WindowSystem().ReleaseCapture();
  }
  return true;
}

TCanvas& TGraphicControl::Canvas() {
  KX_ASSERT(m_canvas != nullptr);  // only inside Paint
  return *m_canvas;
}

void TGraphicControl::PaintInto(TCanvas& canvas) {
  TCanvas* previous = m_canvas;
  m_canvas = &canvas;
  Paint();
  m_canvas = previous;
}

TCanvas& TCustomControl::Canvas() {
  KX_ASSERT(m_canvas != nullptr);  // only inside Paint
  return *m_canvas;
}

void TCustomControl::PaintInto(TCanvas& canvas) {
  TCanvasSaver saver(canvas);
  canvas.Font() = Font();
  TCanvas* previous = m_canvas;
  m_canvas = &canvas;
  Paint();
  m_canvas = previous;
}

void TWinControl::PaintControls(TCanvas& canvas) {
  for (TControl* c : m_controls) {
    auto* g = dynamic_cast<TGraphicControl*>(c);
    if (!g || !g->Visible() || g->Width() == 0 || g->Height() == 0) continue;
    TCanvasSaver saver(canvas);
    canvas.MoveOrigin(g->Left(), g->Top());
    canvas.IntersectClipRect({0, 0, g->Width(), g->Height()});
    g->m_canvas = &canvas;
    g->Paint();
    g->m_canvas = nullptr;
  }
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

bool TWinControl::DecodeKey(TMessage& m) {
  auto key = static_cast<std::uint16_t>(m.WParam);
  if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN) {
    KeyDown(key, KeyboardShiftState());
  } else {
    KeyUp(key, KeyboardShiftState());
  }
  m.WParam = key;
  return key == 0;
}

bool TWinControl::DecodeChar(TMessage& m) {
  // WM_CHAR carries a whole code point; anything past Unicode is no character.
  if (m.WParam > 0x10FFFF) return false;
  auto key = static_cast<char32_t>(m.WParam);
  KeyPress(key);
  m.WParam = key;
  return key == 0;
}

void TWinControl::DecodeSize() {
  if (m_aligning) return;
  TRect r = WindowSystem().GetWindowRect(m_handle);
  if (Parent()) {
    TPoint origin = Parent()->ClientToScreen({0, 0});
    r = r.Offset(-origin.X, -origin.Y);
  }
  bool resized = r.Size() != m_bounds.Size();
  if (resized || !Parent()) {
    m_bounds = r;
    Resize();
  }
  Realign();
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      DecodeSize();
      break;
    case WM_MOUSEMOVE:
      if (!MouseInControl()) {
        WindowSystem().TrackMouseEvent(m_handle, TME_LEAVE);
        Perform(CM_MOUSEENTER);
      }
      if (RouteToGraphicChild(m)) return;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      if (RouteToGraphicChild(m)) return;
      break;
    case WM_MOUSELEAVE:
      UpdateMouseEnterLeave(nullptr);
      Perform(CM_MOUSELEAVE);
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (DecodeKey(m)) return;  // consumed: m.WParam is 0
      break;
    case WM_CHAR:
      if (DecodeChar(m)) return;
      break;
    case WM_SETFOCUS: {
      TControl* top = this;
      while (top->Parent()) top = top->Parent();
      m_focusReturned = false;
      if (auto* form = dynamic_cast<TCustomForm*>(top); form && form != this) {
        form->m_activeControl = this;
        m_focusReturned = form->m_focusedControl == this;
        form->m_focusedControl = this;
      }
      DoEnter();
      m_focusReturned = false;
      break;
    }
    case WM_KILLFOCUS:
      DoExit();
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(m.WParam) == m_handle && LOWORD(m.LParam) == HTCLIENT) {
        TControl* under =
            ControlAtPos(WindowSystem().ScreenToClient(m_handle, WindowSystem().GetCursorPos()));
        if (under->Cursor != crDefault) {
          WindowSystem().SetCursor(Screen().Cursor(under->Cursor));
          m.Result = 1;
          return;
        }
      }
      break;
    case WM_CTLCOLOREDIT:
      // Reflected to the asking child, which answers for itself.
      if (TWinControl* child = FindControl(reinterpret_cast<HWND>(m.LParam));
          child && child != this) {
        m.Result = child->Perform(m.Msg + CN_BASE, m.WParam, m.LParam);
        return;
      }
      break;
    case WM_PAINT: {
      bool hasGraphic = std::any_of(m_controls.begin(), m_controls.end(), [](TControl* c) {
        return dynamic_cast<TGraphicControl*>(c) != nullptr;
      });
      if (hasGraphic) {
        TPaintStruct ps;
        TCanvas& canvas = WindowSystem().BeginPaint(m_handle, ps);
        PaintControls(canvas);
        WindowSystem().EndPaint(m_handle, ps);
        return;
      }
      break;
    }
    default:
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (m_handle && WindowSystemExists()) WindowSystem().DefWindowProc(m_handle, m);
}

// ---- TCustomControl

void TCustomControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && HandleAllocated()) {
    TPaintStruct ps;
    TCanvas& canvas = WindowSystem().BeginPaint(Handle(), ps);
    canvas.Font() = Font();
    m_canvas = &canvas;
    Paint();
    PaintControls(canvas);
    m_canvas = nullptr;
    WindowSystem().EndPaint(Handle(), ps);
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace kx
