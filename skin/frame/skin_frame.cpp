#include "skin/frame/skin_frame.h"

#include <algorithm>
#include <utility>

#include "platform/base/assert.h"
#include "platform/forms/application.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/skin_graphics.h"
#include "skin/frame/skinned_control.h"
#include "skin/menu/skin_popup_menu.h"

namespace kx {

namespace {

constexpr std::uint32_t kAnimationTick = 25;
constexpr std::uint32_t kWatchdogTick = 50;
constexpr int kPlainBorder = 3;
constexpr int kPlainCaption = 19;
constexpr int kPlainToolCaption = 15;
constexpr UINT kPaintFrameInto = 48203;
constexpr LPARAM kPaintFrameIntoTag = 16802;

// Style bits of the platform's own frame, which the skinned frame replaces.
constexpr std::uint32_t kFrameStyles = WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_BORDER;

TMouseButton ButtonOf(UINT msg) {
  return msg == WM_NCRBUTTONDOWN || msg == WM_NCRBUTTONUP || msg == WM_NCRBUTTONDBLCLK ||
                 msg == WM_RBUTTONUP
             ? TMouseButton::mbRight
             : TMouseButton::mbLeft;
}

}  // namespace

TksSkinFrame::TksSkinFrame(TComponent* owner) : TComponent(owner) {
  m_form = dynamic_cast<TCustomForm*>(owner);
  KX_ASSERT(m_form && "a skinned window frame belongs to a form");
  m_form->BorderIcons = 0;
  m_form->OnShortCut = [this](TMsg& msg, bool& handled) { ShortCut(msg, handled); };
  m_previousProc = m_form->WindowProc;
  m_form->WindowProc = [this](TMessage& m) { FrameWndProc(m); };
  m_systemMenu = new TksSkinPopupMenu(this);  // owned by the frame
  m_systemMenu->PopupForm = m_form;
  m_systemMenu->OnMenuClose = [this](TObject*) {
    if (TksActiveSkinObject* opener = std::exchange(m_menuOpener, nullptr)) opener->MenuClosed();
  };
  if (m_form->HandleAllocated()) {
    HWND h = m_form->Handle();
    WindowSystem().SetStyle(h, WindowSystem().GetStyle(h) & ~kFrameStyles);
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

TksSkinFrame::~TksSkinFrame() {
  m_menuOpener = nullptr;
  if (m_menuMode) LeaveMenuMode();
  m_menu.CloseSilently();
  StopWatchdog();
  if (m_animationTimer && WindowSystemExists()) KillTimer(nullptr, m_animationTimer);
  m_objects.clear();
  if (m_form && !m_form->Destroying()) {
    m_form->WindowProc = m_previousProc;
    m_form->OnShortCut = nullptr;
  }
}

void TksSkinFrame::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == m_skinData) {
    m_skinData = nullptr;
    if (!Destroying()) Rebuild();
  }
  if (component == m_menusSkinData) m_menusSkinData = nullptr;
  if (component == m_systemMenu) m_systemMenu = nullptr;
  m_menu.ForgetControl(component);
}

HWND TksSkinFrame::Handle() const {
  return m_form->HandleAllocated() ? m_form->Handle() : nullptr;
}

HWND TksSkinFrame::MenuWindow() {
  return Handle();
}

void TksSkinFrame::WatchPopupControl(TControl& control) {
  FreeNotification(&control);
}

void TksSkinFrame::SetSkinData(TksSkinData* skinData) {
  if (m_skinData) RemoveFreeNotification(m_skinData);
  m_skinData = skinData;
  if (m_skinData) FreeNotification(m_skinData);
  Rebuild();
}

void TksSkinFrame::SetMenusSkinData(TksSkinData* skinData) {
  if (m_menusSkinData) RemoveFreeNotification(m_menusSkinData);
  m_menusSkinData = skinData;
  if (m_menusSkinData) FreeNotification(m_menusSkinData);
}

TksSkinData* TksSkinFrame::MenuSkinData() const {
  return m_menusSkinData ? m_menusSkinData : m_skinData;
}

void TksSkinFrame::SetBorderIcons(TBorderIcons icons) {
  m_borderIcons = icons;
  if (m_skinUsable) ApplyButtonRules();
  PaintNonClient();
}

TksActiveSkinObject* TksSkinFrame::FindObject(const std::string& idName) const {
  for (const auto& o : m_objects) {
    if (o->IDName == idName) return o.get();
  }
  return nullptr;
}

bool TksSkinFrame::WindowActive() const {
  HWND h = Handle();
  if (!h) return false;
  // The platform reports an activation change before it makes it, so the last
  // report is the truth; until the first one the platform's answer is.
  if (m_reportedActive) return *m_reportedActive;
  return GetActiveWindow() == h;
}

std::string TksSkinFrame::CaptionText() const {
  return m_form->Caption();
}

bool TksSkinFrame::PaintsSkin() const {
  return m_skinUsable && !m_skinData->FormInfo.ClRect.IsEmpty();
}

// ---- rebuilding

void TksSkinFrame::Rebuild() {
  m_hover = m_previousHover = m_pressed = -1;
  m_skinUsable = m_skinData && !m_skinData->Empty();
  m_objects.clear();
  if (m_skinUsable) {
    CreateObjects();
    ApplyButtonRules();
  } else if (HWND h = Handle()) {
    WindowSystem().SetWindowRgn(h, nullptr, true);
    // The plain frame's borders replace the skin's.
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  FitToMinimum();
  if (HWND h = Handle()) {
    TRect r = GetWindowRect(h);
    m_width = r.Width();
    m_height = r.Height();
  } else {
    m_width = m_form->Width();
    m_height = m_form->Height();
  }
  if (m_skinUsable) {
    m_geometry = ComputeFrameGeometry(*m_skinData, m_width, m_height);
    for (auto& o : m_objects) o->ObjectRect = m_geometry.Place(o->SkinRect);
    UpdateRegion();
    PaintNonClient();
  }
  m_form->Invalidate();
  Activation();
  if (m_skinUsable) StartWatchdog();
  if (OnChangeSkinData) OnChangeSkinData(this);
  if (!m_rolledUp) {
    if (ClientWidth > 0) m_form->SetClientWidth(ClientWidth);
    if (ClientHeight > 0) m_form->SetClientHeight(ClientHeight);
  }
}

void TksSkinFrame::CreateObjects() {
  for (const auto& record : m_skinData->SkinObjects) {
    if (auto object = CreateActiveObject(*this, *record)) m_objects.push_back(std::move(object));
  }
}

void TksSkinFrame::ApplyButtonRules() {
  bool anyDefault = false;
  for (auto& o : m_objects) {
    if (auto* caption = dynamic_cast<TksSkinCaptionObject*>(o.get())) {
      anyDefault = anyDefault || caption->DefaultCaption;
      continue;
    }
    TksStdCommand c = o->Command();
    bool disabled = HideCaptionButtons;
    if (!disabled) {
      disabled = (c == TksStdCommand::cmMaximize && !(m_borderIcons & biMaximize)) ||
                 (c == TksStdCommand::cmMinimize && !(m_borderIcons & biMinimize)) ||
                 (c == TksStdCommand::cmRollUp && !(m_borderIcons & biRollUp)) ||
                 (c == TksStdCommand::cmMinimizeToTray && !(m_borderIcons & biMinimizeToTray)) ||
                 (c == TksStdCommand::cmSysMenu && !(m_borderIcons & biSystemMenu));
    }
    o->Enabled = !disabled;
    o->Visible = disabled ? !o->SkinRectInAPicture : true;
    if (!disabled && c == TksStdCommand::cmDefault &&
        dynamic_cast<TksSkinStdButtonObject*>(o.get())) {
      bool visible = false;
      if (OnActivateCustomObject) OnActivateCustomObject(this, o->IDName, visible);
      o->Visible = visible;
    }
  }
  if (!anyDefault) {
    for (auto& o : m_objects) {
      if (auto* caption = dynamic_cast<TksSkinCaptionObject*>(o.get())) {
        caption->DefaultCaption = true;
        break;
      }
    }
  }
  if (UseDefaultObjectHint) ApplyDefaultHints();
}

void TksSkinFrame::ApplyDefaultHints() {
  const TksResourceStrData* strings = m_skinData ? m_skinData->ResourceStrData() : nullptr;
  auto text = [strings](const char* key, const char* fallback) {
    return SkinString(strings, key, fallback);
  };
  for (auto& o : m_objects) {
    switch (o->Command()) {
      case TksStdCommand::cmClose:
        o->Hint = text("CLOSEBUTTON_HINT", "Close");
        break;
      case TksStdCommand::cmMaximize:
        o->Hint = text("MAXBUTTON_HINT", "Maximize");
        break;
      case TksStdCommand::cmMinimize:
        o->Hint = text("MINBUTTON_HINT", "Minimize");
        break;
      case TksStdCommand::cmSysMenu:
        o->Hint = text("MENUBUTTON_HINT", "System menu");
        break;
      case TksStdCommand::cmRollUp:
        o->Hint = text("ROLLUPBUTTON_HINT", "Roll Up");
        break;
      case TksStdCommand::cmMinimizeToTray:
        o->Hint = text("TRAYBUTTON_HINT", "Minimize to Tray");
        break;
      case TksStdCommand::cmDefault:
        break;
    }
  }
}

TSize TksSkinFrame::MinimumSize() const {
  if (!m_skinUsable) return {0, 0};
  const int pw = m_skinData->Picture.Width(), ph = m_skinData->Picture.Height();
  const bool minimized = m_windowState == TksWindowState::wsMinimized;
  int width = pw;
  if (MinWidth > pw && !minimized) {
    width = MinWidth;
  } else if (m_skinData->FormInfo.FormMinWidth > 0) {
    width = m_skinData->FormInfo.FormMinWidth;
  }
  int height = ph - m_skinData->FormInfo.ClRect.Height();
  if (MinHeight > height && !m_rolledUp && !minimized) height = MinHeight;
  return {width, height};
}

void TksSkinFrame::FitToMinimum() {
  if (!m_skinUsable) return;
  TSize min = MinimumSize();
  int w = m_form->Width(), h = m_form->Height();
  if (w < min.cx && h < min.cy) {
    m_form->SetBounds(m_form->Left(), m_form->Top(), min.cx, min.cy);
  } else if (h < min.cy) {
    m_form->SetHeight(min.cy);
  } else if (w < min.cx) {
    m_form->SetWidth(min.cx);
  } else if (HWND hwnd = Handle()) {
    // The platform asks for the non-client size again.
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  if (m_rolledUp || m_windowState == TksWindowState::wsMinimized) m_form->SetHeight(min.cy);
}

void TksSkinFrame::SizeChanged() {
  HWND h = Handle();
  if (!h) return;
  TRect r = GetWindowRect(h);
  m_width = r.Width();
  m_height = r.Height();
  TSize min = MinimumSize();
  if (!m_skinUsable || m_width < min.cx || m_height < min.cy) return;
  m_geometry = ComputeFrameGeometry(*m_skinData, m_width, m_height);
  for (auto& o : m_objects) o->ObjectRect = m_geometry.Place(o->SkinRect);
  UpdateRegion();
  PaintNonClient();
}

void TksSkinFrame::UpdateRegion() {
  HWND h = Handle();
  if (!h || !m_skinUsable || !HasBorder()) return;
  std::optional<TRegion> region = FrameRegion(*m_skinData, m_geometry);
  WindowSystem().SetWindowRgn(h, region ? &*region : nullptr, true);
  if (OnChangeClientRect) OnChangeClientRect(this, m_geometry.Client());
  if (!region) PaintNonClient();
}

// ---- painting

void TksSkinFrame::PaintNonClient() {
  if (HWND h = Handle()) RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TksSkinFrame::PaintNonClientInto(TCanvas& canvas) {
  if (!PaintsSkin()) {
    PaintPlainFrame(canvas);
    return;
  }
  TSize min = MinimumSize();
  if (m_width < min.cx || m_height < min.cy) return;
  m_geometry = ComputeFrameGeometry(*m_skinData, m_width, m_height);
  for (auto& o : m_objects) o->ObjectRect = m_geometry.Place(o->SkinRect);
  const bool active = WindowActive();
  const TBitmap& source = !active && !m_skinData->InActivePicture.Empty()
                              ? m_skinData->InActivePicture
                              : m_skinData->Picture;
  const TksSkinFrameValues& f = m_skinData->FormInfo;
  TksStretchFlags edges{false, f.LeftStretch, f.TopStretch, f.RightStretch, f.BottomStretch};
  TksBorderStrips strips =
      BuildBorderStrips(source, {0, 0, source.Width(), source.Height()}, m_geometry.Skin,
                        m_geometry.Resized, m_width, m_height, edges);
  const TRect& c = m_geometry.Client();
  for (auto& o : m_objects) {
    if (!o->Shown() || !o->Visible) continue;
    if (o->ObjectRect.Bottom <= c.Top) {
      if (!strips.Top.Empty()) o->Draw(strips.Top.Canvas(), false);
    } else if (!strips.Bottom.Empty()) {
      TCanvas& bottom = strips.Bottom.Canvas();
      bottom.SetOrigin({0, -c.Bottom});
      o->Draw(bottom, false);
      bottom.SetOrigin({0, 0});
    }
  }
  if (!active && f.AutoRenderingInActiveImage) {
    for (TBitmap* strip : {&strips.Top, &strips.Bottom, &strips.Left, &strips.Right}) {
      if (strip->Empty()) continue;
      TksEffectBmp effect(*strip);
      ApplyInActiveEffect(effect, f.InActiveEffect);
      *strip = effect.ToBitmap();
    }
  }
  TCanvasSaver saver(canvas);
  canvas.ExcludeClipRect(c);
  const int topHeight = strips.Top.Height();
  if (!strips.Top.Empty()) canvas.Draw(0, 0, strips.Top);
  if (!strips.Left.Empty()) canvas.Draw(0, topHeight, strips.Left);
  if (!strips.Right.Empty()) canvas.Draw(m_width - strips.Right.Width(), topHeight, strips.Right);
  if (!strips.Bottom.Empty()) canvas.Draw(0, m_height - strips.Bottom.Height(), strips.Bottom);
}

void TksSkinFrame::PaintPlainFrame(TCanvas& canvas) {
  if (!HasBorder()) return;
  const bool active = WindowActive();
  const bool tool = Form().BorderStyle == TFormBorderStyle::bsToolWindow ||
                    Form().BorderStyle == TFormBorderStyle::bsSizeToolWin;
  const int caption = tool ? kPlainToolCaption : kPlainCaption;
  TCanvasSaver saver(canvas);
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = clBtnFace;
  canvas.FillRect({0, 0, m_width, m_height});
  canvas.Brush().Color = clBtnShadow;
  canvas.FrameRect({0, 0, m_width, m_height});
  canvas.Brush().Color = active ? clActiveCaption : clInactiveCaption;
  TRect bar{kPlainBorder, kPlainBorder, m_width - kPlainBorder, kPlainBorder + caption};
  canvas.FillRect(bar);
  canvas.Font() = active ? DefCaptionFont : DefInActiveCaptionFont;
  canvas.Font().SetColor(active ? clCaptionText : clInactiveCaptionText);
  canvas.Brush().Style = TBrushStyle::bsClear;
  std::string text = CaptionText();
  TRect textRect{bar.Left + 4, bar.Top, bar.Right - 3 * (caption + 2), bar.Bottom};
  FitTextWithEllipsis(canvas, text, textRect.Width());
  DrawTextAuto(canvas, text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  int x = bar.Right - caption;
  for (TksCaptionGlyph glyph :
       {TksCaptionGlyph::Close, TksCaptionGlyph::Maximize, TksCaptionGlyph::Minimize}) {
    DrawCaptionGlyph(canvas, x + caption / 2 - 4, bar.Top + caption / 2 - 4,
                     active ? clCaptionText : clInactiveCaptionText, glyph);
    x -= caption + 2;
  }
}

void TksSkinFrame::PaintClientBackground(TCanvas& canvas) {
  TRect client = m_form->ClientRect();
  const TksSkinFrameValues& f = m_skinData->FormInfo;
  const TBitmap* tile = nullptr;
  TRect piece;
  if (f.BGPictureIndex == -1 && !f.ClRect.IsEmpty()) {
    tile = &m_skinData->Picture;
    piece = f.ClRect;
  } else if (f.BGPictureIndex != -1) {
    tile = m_skinData->ActivePicture(f.BGPictureIndex);
    if (tile) piece = {0, 0, tile->Width(), tile->Height()};
  }
  if (!tile || tile->Empty() || piece.IsEmpty()) {
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect(client);
    return;
  }
  TBitmap image(std::max(1, client.Width()), std::max(1, client.Height()));
  TilePiece(image, {0, 0, client.Width(), client.Height()}, *tile, piece);
  canvas.Draw(client.Left, client.Top, image);
}

void TksSkinFrame::RedrawObject(TksActiveSkinObject& object) {
  HWND h = Handle();
  if (!h || !PaintsSkin() || !object.Shown() || !object.Visible) return;
  HDC dc = WindowSystem().GetWindowDC(h);
  if (dc) object.Draw(dc->Canvas(), true);
}

// ---- hit testing

TPoint TksSkinFrame::CursorInWindow() const {
  HWND h = Handle();
  return h ? GetCursorPos() - GetWindowRect(h).TopLeft() : TPoint{};
}

int TksSkinFrame::PlainHitTest(TPoint p) const {
  const int caption = kPlainBorder + kPlainCaption;
  if (p.Y >= kPlainBorder && p.Y < caption && p.X >= kPlainBorder && p.X < m_width - kPlainBorder) {
    int fromRight = m_width - kPlainBorder - p.X;
    if (fromRight < kPlainCaption) return HTCLOSE;
    if (fromRight < 2 * (kPlainCaption + 2) && (m_borderIcons & biMaximize)) return HTMAXBUTTON;
    if (fromRight < 3 * (kPlainCaption + 2) && (m_borderIcons & biMinimize)) return HTMINBUTTON;
    return HTCAPTION;
  }
  TRect client{kPlainBorder, caption, m_width - kPlainBorder, m_height - kPlainBorder};
  return client.Contains(p) ? HTCLIENT : HTBORDER;
}

int TksSkinFrame::HitTest(TPoint p) const {
  const TksFrameGeometry& g = m_geometry;
  const TRect& c = g.Client();
  auto inCaption = [this, p] {
    for (const auto& o : m_objects) {
      if (o->IsCaption() && o->Shown() && o->ObjectRect.Contains(p)) return true;
    }
    return false;
  };
  const bool folded = m_rolledUp || m_windowState == TksWindowState::wsMinimized;
  if (!folded) {
    if (m_hover >= 0 && !inCaption() && !c.Contains(p) && !m_movingOrSizing) return HTOBJECT;
    if (m_windowState != TksWindowState::wsMaximized && Sizeable) {
      const int b = m_skinData->FormInfo.BorderWidth;
      const TPoint around[] = {{p.X - b, p.Y}, {p.X, p.Y - b}, {p.X + b, p.Y}, {p.X, p.Y + b}};
      bool onBorder = false;
      const TRect window{0, 0, m_width, m_height};
      if (m_skinData->Mask.Empty()) {
        for (TPoint q : around) onBorder = onBorder || !window.Contains(q);
      } else if (!g.MaskRect.Contains(p)) {
        std::optional<TRegion> region = FrameRegion(*m_skinData, g);
        for (TPoint q : around) onBorder = onBorder || !region || !region->Contains(q.X, q.Y);
      }
      if (onBorder) {
        if (p.X <= g.HitLT.X && p.Y <= g.HitLT.Y) return HTTOPLEFT;
        if (p.X >= g.HitRT.X && p.Y <= g.HitRT.Y) return HTTOPRIGHT;
        if (p.X <= g.HitLB.X && p.Y >= g.HitLB.Y) return HTBOTTOMLEFT;
        if (p.X >= g.HitRB.X && p.Y >= g.HitRB.Y) return HTBOTTOMRIGHT;
        if (TRect{g.HitLT.X, 0, g.HitRT.X, c.Top}.Contains(p)) return HTTOP;
        if (TRect{g.HitLB.X, c.Bottom, g.HitRB.X, m_height}.Contains(p)) return HTBOTTOM;
        if (TRect{0, g.HitLT.Y, c.Left, g.HitLB.Y}.Contains(p)) return HTLEFT;
        if (TRect{c.Right, g.HitRT.Y, m_width, g.HitRB.Y}.Contains(p)) return HTRIGHT;
      } else {
        if (c.Contains(p)) return HTCLIENT;
        return inCaption() ? HTCAPTION : HTOBJECT;
      }
    }
    if (c.Contains(p)) return HTCLIENT;
  }
  return inCaption() ? HTCAPTION : HTOBJECT;
}

// ---- hover and the mouse

int TksSkinFrame::ObjectAt(TPoint p) const {
  for (int i = 0; i < static_cast<int>(m_objects.size()); ++i) {
    const TksActiveSkinObject& o = *m_objects[static_cast<std::size_t>(i)];
    if (o.Shown() && o.Enabled && o.Visible && o.ObjectRect.Contains(p)) return i;
  }
  return -1;
}

void TksSkinFrame::DetectHover(TPoint p) {
  int hover = WindowActive() && m_pressed < 0 ? ObjectAt(p) : -1;
  if (hover == m_hover) return;
  m_previousHover = m_hover;
  m_hover = hover;
  if (m_previousHover >= 0 && m_previousHover < static_cast<int>(m_objects.size())) {
    TksActiveSkinObject& old = *m_objects[static_cast<std::size_t>(m_previousHover)];
    if (old.Enabled && old.Visible) old.MouseLeave();
  }
  if (m_hover >= 0) {
    TksActiveSkinObject& now = *m_objects[static_cast<std::size_t>(m_hover)];
    if (now.Enabled && now.Visible) now.MouseEnter();
  }
}

void TksSkinFrame::ClearHover() {
  if (m_hover < 0) return;
  int old = std::exchange(m_hover, -1);
  m_previousHover = old;
  if (old < static_cast<int>(m_objects.size())) {
    TksActiveSkinObject& o = *m_objects[static_cast<std::size_t>(old)];
    if (o.Enabled && o.Visible) o.MouseLeave();
  }
}

void TksSkinFrame::StartWatchdog() {
  if (m_watchdogTimer || !WindowSystemExists()) return;
  m_watchdogTimer = WindowSystem().SetTimer(nullptr, 0, kWatchdogTick, [this] { Watchdog(); });
}

void TksSkinFrame::StopWatchdog() {
  if (m_watchdogTimer && WindowSystemExists()) KillTimer(nullptr, m_watchdogTimer);
  m_watchdogTimer = 0;
}

void TksSkinFrame::Watchdog() {
  if (m_movingOrSizing || !m_skinUsable || !Handle()) return;
  TPoint p = CursorInWindow();
  if (!m_geometry.Client().Contains(p)) {
    DetectHover(p);
  } else if (m_hover >= 0) {
    ClearHover();
  }
}

void TksSkinFrame::StartAnimation() {
  if (m_animationTimer || !WindowSystemExists()) return;
  m_animationTimer =
      WindowSystem().SetTimer(nullptr, 0, kAnimationTick, [this] { AnimationTick(); });
}

void TksSkinFrame::AnimationTick() {
  bool any = false;
  for (auto& o : m_objects) {
    if (!o->Animating()) continue;
    o->AnimationTick();
    any = any || o->Animating();
  }
  if (!any && m_animationTimer) KillTimer(nullptr, std::exchange(m_animationTimer, 0));
}

bool TksSkinFrame::MouseOver(const TksActiveSkinObject& object) const {
  return Handle() && object.ObjectRect.Contains(CursorInWindow());
}

void TksSkinFrame::ObjectEvent(TksObjectEvent event, const std::string& idName) {
  const TksObjectNameEvent* handler = nullptr;
  switch (event) {
    case TksObjectEvent::MouseDown:
      handler = &OnMouseDownEvent;
      break;
    case TksObjectEvent::MouseUp:
      handler = &OnMouseUpEvent;
      break;
    case TksObjectEvent::MouseMove:
      handler = &OnMouseMoveEvent;
      break;
    case TksObjectEvent::MouseEnter:
      handler = &OnMouseEnterEvent;
      break;
    case TksObjectEvent::MouseLeave:
      handler = &OnMouseLeaveEvent;
      break;
  }
  if (handler && *handler) (*handler)(this, idName);
}

void TksSkinFrame::PressObject(TPoint p, TMouseButton button) {
  if (m_moveSizeEnded) {
    m_moveSizeEnded = false;
    return;
  }
  DetectHover(p);
  if (m_hover < 0) return;
  TksActiveSkinObject& o = *m_objects[static_cast<std::size_t>(m_hover)];
  if (!o.IsCaption()) SetCapture(Handle());
  m_pressed = m_hover;
  o.MouseDown(p.X, p.Y, button);
}

void TksSkinFrame::ReleaseObject(TPoint p, TMouseButton button) {
  if (m_pressed < 0 || m_pressed >= static_cast<int>(m_objects.size())) {
    m_pressed = -1;
    return;
  }
  TksActiveSkinObject& o = *m_objects[static_cast<std::size_t>(m_pressed)];
  m_pressed = -1;
  if (!o.IsCaption() && GetCapture() == Handle()) ReleaseCapture();
  o.MouseUp(p.X, p.Y, button);
}

bool TksSkinFrame::HandleNonClientMouse(TMessage& m) {
  if (!m_skinUsable) return false;
  const TPoint screen = PointFromLParam(m.LParam);
  const TPoint p = Handle() ? screen - GetWindowRect(Handle()).TopLeft() : screen;
  switch (m.Msg) {
    case WM_NCMOUSEMOVE: {
      int index = m_pressed >= 0 ? m_pressed : m_hover;
      if (index >= 0) m_objects[static_cast<std::size_t>(index)]->MouseMove(p.X, p.Y);
      return true;
    }
    case WM_NCLBUTTONDOWN:
      PressObject(p, TMouseButton::mbLeft);
      return true;
    case WM_NCRBUTTONDOWN:
      PressObject(p, TMouseButton::mbRight);
      if (m_pressed >= 0 && m_objects[static_cast<std::size_t>(m_pressed)]->IsCaption()) {
        m_pressed = -1;
        OpenSystemMenu({screen.X, screen.Y, screen.X, screen.Y}, nullptr);
      }
      return true;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
      ReleaseObject(p, ButtonOf(m.Msg));
      return true;
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK: {
      PressObject(p, ButtonOf(m.Msg));
      if (m_hover < 0) return true;
      TksActiveSkinObject& o = *m_objects[static_cast<std::size_t>(m_hover)];
      if (m.Msg == WM_NCLBUTTONDBLCLK) {
        o.DblClick();
        if (o.IsCaption()) {
          if (Sizeable) {
            if (m_windowState == TksWindowState::wsMinimized ||
                m_windowState == TksWindowState::wsMaximized) {
              Restore();
            } else if (m_borderIcons & biMaximize) {
              Maximize();
            }
          } else {
            ToggleRollUp();
          }
        }
      }
      return true;
    }
    default:
      return false;
  }
}

// ---- activation, size limits, commands

void TksSkinFrame::Activation() {
  for (auto& o : m_objects) {
    if (!o->IsCaption() || !o->Shown()) continue;
    o->ActivationChanged();
    RedrawObject(*o);
  }
  if (WindowActive()) {
    if (OnActivate) OnActivate(this);
  } else if (OnDeActivate) {
    OnDeActivate(this);
  }
}

void TksSkinFrame::SetSizeLimits(MINMAXINFO& info) const {
  HWND h = Handle();
  TRect area = h ? GetWorkArea(h, !MaximizeOnFullScreen) : TRect{};
  if (m_skinUsable) {
    TSize min = MinimumSize();
    info.ptMinTrackSize = {min.cx, min.cy};
  }
  if (!area.IsEmpty()) info.ptMaxTrackSize = {area.Width(), area.Height()};
  if (MaxWidth > 0) info.ptMaxTrackSize.X = std::min(info.ptMaxTrackSize.X, MaxWidth);
  if (MaxHeight > 0) info.ptMaxTrackSize.Y = std::min(info.ptMaxTrackSize.Y, MaxHeight);
}

void TksSkinFrame::RunCommand(TksStdCommand command) {
  HWND h = Handle();
  if (!h) return;
  switch (command) {
    case TksStdCommand::cmClose:
      // After the pressing object has finished: closing frees the frame and its objects.
      PostMessage(h, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case TksStdCommand::cmMaximize:
      if (m_windowState == TksWindowState::wsMaximized) {
        Restore();
      } else {
        Maximize();
      }
      break;
    case TksStdCommand::cmMinimize:
      if (m_windowState == TksWindowState::wsMinimized) {
        Restore();
      } else {
        Minimize();
      }
      break;
    case TksStdCommand::cmSysMenu:
      if (TksActiveSkinObject* button = [this]() -> TksActiveSkinObject* {
            for (auto& o : m_objects)
              if (o->Command() == TksStdCommand::cmSysMenu && o->Enabled) return o.get();
            return nullptr;
          }()) {
        OpenSystemMenu(button->ObjectRect, nullptr);
      }
      break;
    case TksStdCommand::cmRollUp:
      ToggleRollUp();
      break;
    case TksStdCommand::cmMinimizeToTray:
      Minimize();
      break;
    case TksStdCommand::cmDefault:
      break;
  }
}

void TksSkinFrame::Maximize() {
  HWND h = Handle();
  if (!h) return;
  if (!m_savedBounds) m_savedBounds = GetWindowRect(h);
  m_windowState = TksWindowState::wsMaximized;
  TRect area = GetWorkArea(h, !MaximizeOnFullScreen);
  m_form->SetBounds(area.Left, area.Top, area.Width(), area.Height());
  if (OnMaximize) OnMaximize(this);
  PaintNonClient();
}

void TksSkinFrame::Restore() {
  HWND h = Handle();
  if (!h) return;
  if (m_windowState == TksWindowState::wsMinimized) ShowWindow(h, SW_RESTORE);
  m_windowState = TksWindowState::wsNormal;
  if (std::optional<TRect> saved = std::exchange(m_savedBounds, std::nullopt)) {
    m_form->SetBounds(saved->Left, saved->Top, saved->Width(), saved->Height());
  }
  if (OnRestore) OnRestore(this);
  PaintNonClient();
}

void TksSkinFrame::Minimize() {
  HWND h = Handle();
  if (!h) return;
  bool mainForm = HasApplication() && Application().MainForm() == m_form;
  if (!mainForm) m_windowState = TksWindowState::wsMinimized;
  // The main window stands for the application: it goes and comes back in its normal state.
  ShowWindow(h, SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TksSkinFrame::ToggleRollUp() {
  if (!(m_borderIcons & biRollUp)) return;
  m_rolledUp = !m_rolledUp;
  HWND h = Handle();
  if (!h) return;
  if (m_rolledUp) {
    if (!m_savedBounds) m_savedBounds = GetWindowRect(h);
    m_form->SetHeight(MinimumSize().cy);
  } else if (std::optional<TRect> saved = std::exchange(m_savedBounds, std::nullopt)) {
    m_form->SetHeight(saved->Height());
  }
  PaintNonClient();
}

// ---- the system menu and menu mode

void TksSkinFrame::RebuildSystemMenu() {
  if (!m_systemMenu || !UseDefaultSysMenu) return;
  TMenuItem& root = m_systemMenu->Items();
  root.Clear();
  const TksResourceStrData* strings = m_skinData ? m_skinData->ResourceStrData() : nullptr;
  auto caption = [strings](const char* key, const char* fallback) {
    return SkinString(strings, key, fallback);
  };
  auto add = [&](const char* name, const std::string& text, TksStdCommand command) {
    auto* item = new TMenuItem(m_systemMenu);  // owned by the menu's root item below
    item->SetName(name);
    item->Caption = text;
    item->OnClick = [this, command](TObject*) { RunCommand(command); };
    root.Add(item);
    return item;
  };
  const bool minimized = m_windowState == TksWindowState::wsMinimized;
  const bool maximized = m_windowState == TksWindowState::wsMaximized;
  int count = 0;
  if ((m_borderIcons & biMinimize) && !minimized) {
    add("KSF_MINITEM", caption("MI_MINCAPTION", "Mi&nimize"), TksStdCommand::cmMinimize);
    ++count;
  }
  if ((m_borderIcons & biMaximize) && !maximized) {
    add("KSF_MAXITEM", caption("MI_MAXCAPTION", "Ma&ximize"), TksStdCommand::cmMaximize);
    ++count;
  }
  if (minimized || maximized || m_rolledUp) {
    auto* item =
        add("KSF_RESTORE", caption("MI_RESTORECAPTION", "&Restore"), TksStdCommand::cmDefault);
    item->OnClick = [this](TObject*) {
      if (m_rolledUp) {
        ToggleRollUp();
      } else {
        Restore();
      }
    };
    ++count;
  }
  if ((m_borderIcons & biRollUp) && !m_rolledUp && !minimized) {
    add("KSF_ROLLUP", caption("MI_ROLLUPCAPTION", "Ro&llUp"), TksStdCommand::cmRollUp);
    ++count;
  }
  if (m_borderIcons & biMinimizeToTray) {
    add("KSF_MINTOTRAY", caption("MI_MINTOTRAYCAPTION", "Minimize to &Tray"),
        TksStdCommand::cmMinimizeToTray);
    ++count;
  }
  if (count > 0) {
    auto* line = new TMenuItem(m_systemMenu);
    line->Caption = cLineCaption;
    root.Add(line);
  }
  auto* close = add("KSF_CLOSE", caption("MI_CLOSECAPTION", "&Close"), TksStdCommand::cmClose);
  close->ShortCut = TextToShortCut("Alt+F4");
}

void TksSkinFrame::OpenSystemMenu(const TRect& below, TksActiveSkinObject* opener) {
  HWND h = Handle();
  if (!h || !m_systemMenu) return;
  RebuildSystemMenu();
  m_menuOpener = opener;
  TPoint origin = GetWindowRect(h).TopLeft();
  // A rectangle of the window (a button) opens the menu below it; a screen point at it.
  bool point = below.Width() == 0 && below.Height() == 0 && !opener;
  TPoint at = point ? below.TopLeft() : origin + TPoint{below.Left, below.Bottom};
  m_systemMenu->Popup(at.X, at.Y);
  if (!m_menu.Visible() && opener) {
    m_menuOpener = nullptr;
    opener->MenuClosed();
  }
}

void TksSkinFrame::OpenSystemMenuFromKeyboard() {
  for (auto& o : m_objects) {
    if (o->Command() == TksStdCommand::cmSysMenu && o->Enabled) {
      OpenSystemMenu(o->ObjectRect, nullptr);
      return;
    }
  }
  if (HWND h = Handle()) {
    TRect r = GetWindowRect(h);
    OpenSystemMenu({r.Left, r.Top + 20, r.Left, r.Top + 20}, nullptr);
  }
}

void TksSkinFrame::ShortCut(TMsg& msg, bool& handled) {
  const bool alt = msg.message == WM_SYSKEYDOWN && (GetKeyState(VK_MENU) & 0x8000);
  if (alt && msg.wParam == VK_SPACE && (m_borderIcons & biSystemMenu)) {
    OpenSystemMenuFromKeyboard();
    handled = true;
  }
}

void TksSkinFrame::EnterMenuMode() {
  if (m_menuMode) return;
  m_menuMode = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
  if (HasApplication())
    m_menuHook = Application().HookMessages([this](TMsg& msg) { return MenuModeHook(msg); });
}

void TksSkinFrame::LeaveMenuMode() {
  if (!m_menuMode) return;
  m_menuMode = false;
  if (m_menuHook && HasApplication()) Application().UnhookMessages(std::exchange(m_menuHook, 0));
  if (TksActiveSkinObject* opener = std::exchange(m_menuOpener, nullptr)) opener->MenuClosed();
  if (OnSkinMenuClose) OnSkinMenuClose(this);
}

bool TksSkinFrame::MenuModeHook(TMsg& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      m_menu.MenuKeyDown(static_cast<std::uint16_t>(msg.wParam));
      if (!m_menu.Visible()) LeaveMenuMode();
      return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
      return true;
    case WM_MOUSEWHEEL:
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN: {
      // A press on one of the menu's popups is the menu's own; any other closes it.
      for (const auto& popup : m_menu.Popups()) {
        if (popup->Handle() == msg.hwnd) return false;
      }
      if (m_menu.Visible()) m_menu.CloseMenus();
      return false;
    }
    default:
      return false;
  }
}

// ---- the walks

namespace {
template <typename Fn>
void WalkControls(TControl& control, Fn&& fn) {
  fn(control);
  if (auto* parent = dynamic_cast<TWinControl*>(&control)) {
    std::vector<TControl*> children = parent->Controls();
    for (TControl* child : children) WalkControls(*child, fn);
  }
}
}  // namespace

void TksSkinFrame::ForgetSkinOfControls(TksSkinData* skinData) {
  WalkControls(*m_form, [skinData](TControl& c) {
    auto* skinned = dynamic_cast<TksSkinnedControl*>(&c);
    if (skinned && (!skinData || skinned->SkinData() == skinData)) skinned->ForgetSkin();
  });
}

void TksSkinFrame::ApplySkinToControls(TksSkinData* skinData) {
  WalkControls(*m_form, [skinData](TControl& c) {
    auto* skinned = dynamic_cast<TksSkinnedControl*>(&c);
    if (skinned && (!skinData || skinned->SkinData() == skinData)) skinned->ApplySkin();
  });
}

// ---- the window's messages

bool TksSkinFrame::HandleSkinMessage(TMessage& m) {
  auto* data = reinterpret_cast<TksSkinData*>(m.WParam);
  switch (m.Msg) {
    case SkinMsgBeforeChange:
      if (data == m_skinData && m_skinData) {
        m_skinUsable = false;
        StopWatchdog();
        if (m_animationTimer) KillTimer(nullptr, std::exchange(m_animationTimer, 0));
        m_hover = m_previousHover = m_pressed = -1;
        m_objects.clear();
      }
      ForgetSkinOfControls(data);
      return true;
    case SkinMsgChange:
      if (data == m_skinData && m_skinData) Rebuild();
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

void TksSkinFrame::FrameWndProc(TMessage& m) {
  if (HandleSkinMessage(m)) {
    m.Result = 0;
    return;
  }
  auto previous = [this, &m] { m_previousProc(m); };
  switch (m.Msg) {
    case WM_CREATE: {
      m_reportedActive.reset();
      previous();
      HWND h = Handle();
      if (h) WindowSystem().SetStyle(h, WindowSystem().GetStyle(h) & ~kFrameStyles);
      return;
    }
    case WM_NCCALCSIZE: {
      if (!HasBorder()) {
        previous();
        return;
      }
      auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
      TRect& r = params->rgrc[0];
      if (PaintsSkin()) {
        TksFrameBorders b = FrameBorders(*m_skinData);
        r = {r.Left + b.Left, r.Top + b.Top, r.Right - b.Right, r.Bottom - b.Bottom};
      } else {
        bool tool = Form().BorderStyle == TFormBorderStyle::bsToolWindow ||
                    Form().BorderStyle == TFormBorderStyle::bsSizeToolWin;
        r = {r.Left + kPlainBorder,
             r.Top + kPlainBorder + (tool ? kPlainToolCaption : kPlainCaption),
             r.Right - kPlainBorder, r.Bottom - kPlainBorder};
      }
      r.Right = std::max(r.Right, r.Left);
      r.Bottom = std::max(r.Bottom, r.Top);
      m.Result = 0;
      return;
    }
    case WM_NCPAINT: {
      HWND h = Handle();
      if (!h || !HasBorder()) return;
      TRect r = GetWindowRect(h);
      m_width = r.Width();
      m_height = r.Height();
      HDC dc = WindowSystem().GetWindowDC(h);
      if (dc) PaintNonClientInto(dc->Canvas());
      return;
    }
    case kPaintFrameInto:
      if (m.LParam == kPaintFrameIntoTag && m.WParam) {
        PaintNonClientInto(*reinterpret_cast<TCanvas*>(m.WParam));
        m.Result = kPaintFrameIntoTag;
        return;
      }
      break;
    case WM_NCACTIVATE:
      if (m_menu.Visible()) m_menu.CloseMenus();
      m_reportedActive = m.WParam != 0;
      m.Result = 1;
      PaintNonClient();
      Activation();
      return;
    case WM_ACTIVATE:
      m_reportedActive = LOWORD(m.WParam) != WA_INACTIVE;
      previous();
      PaintNonClient();
      ClearHover();
      Activation();
      return;
    case WM_NCHITTEST: {
      if (!m_skinUsable || !SupportNCArea) {
        HWND h = Handle();
        m.Result =
            h ? PlainHitTest(PointFromLParam(m.LParam) - GetWindowRect(h).TopLeft()) : HTNOWHERE;
        if (!m_skinUsable || m.Result != HTBORDER) return;
      }
      HWND h = Handle();
      TPoint p = PointFromLParam(m.LParam) - (h ? GetWindowRect(h).TopLeft() : TPoint{});
      m.Result = HitTest(p);
      if (m.Result == HTOBJECT && !m_watchdogTimer) {
        DetectHover(p);
        StartWatchdog();
      }
      return;
    }
    case WM_ERASEBKGND:
      if (m_skinUsable && m.WParam) {
        PaintClientBackground(*reinterpret_cast<TCanvas*>(m.WParam));
        m.Result = 1;
        return;
      }
      break;
    case WM_SIZE:
      previous();
      SizeChanged();
      return;
    case WM_ENTERSIZEMOVE:
      if (m_menu.Visible()) m_menu.CloseMenus();
      m_movingOrSizing = true;
      ClearHover();
      StopWatchdog();
      previous();
      return;
    case WM_EXITSIZEMOVE:
      m_movingOrSizing = false;
      m_moveSizeEnded = true;
      StopWatchdog();
      m_hover = m_previousHover = m_pressed = -1;
      PaintNonClient();
      if (m_skinUsable) StartWatchdog();
      previous();
      return;
    case WM_GETMINMAXINFO:
      previous();
      if (m.LParam) SetSizeLimits(*reinterpret_cast<MINMAXINFO*>(m.LParam));
      return;
    case WM_SETTEXT:
      previous();
      PaintNonClient();
      return;
    case WM_SHOWWINDOW:
      if (m.WParam && !m_shownOnce) {
        m_shownOnce = true;
        if (PositionInMonitor != TksPositionInMonitor::kspDefault) {
          TRect area = Screen().WorkAreaRect();
          m_form->SetBounds(area.Left + (area.Width() - m_form->Width()) / 2,
                            area.Top + (area.Height() - m_form->Height()) / 2, m_form->Width(),
                            m_form->Height());
        }
      }
      previous();
      PaintNonClient();
      return;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) == SC_RESTORE && OnRestore) OnRestore(this);
      break;
    case WM_DESTROY:
      StopWatchdog();
      if (m_animationTimer) KillTimer(nullptr, std::exchange(m_animationTimer, 0));
      if (m_menu.Visible()) m_menu.CloseFromLevel(0);
      break;
    case WM_MOVE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_PARENTNOTIFY:
      if (m_menu.Visible()) m_menu.CloseMenus();
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      if (m_pressed >= 0) {
        HWND h = Handle();
        TPoint p = CursorInWindow();
        (void)h;
        ReleaseObject(p, ButtonOf(m.Msg));
        return;
      }
      break;
    case WM_MOUSEMOVE:
      if (m_pressed >= 0) {
        TPoint p = CursorInWindow();
        TksActiveSkinObject& o = *m_objects[static_cast<std::size_t>(m_pressed)];
        o.MouseMove(p.X, p.Y);
        RedrawObject(o);  // its down image follows the mouse
        return;
      }
      break;
    default:
      if (m.Msg >= WM_NCMOUSEMOVE && m.Msg <= WM_NCMBUTTONDBLCLK) {
        previous();
        HandleNonClientMouse(m);
        return;
      }
      break;
  }
  previous();
}

}  // namespace kx
