#include "skin/frame/frame_objects.h"

#include <algorithm>

#include "platform/gfx/draw_text.h"
#include "skin/data/skin_data.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/skin_drawing.h"
#include "skin/draw/skin_graphics.h"
#include "skin/frame/frame_geometry.h"

namespace kx {

namespace {
constexpr int kTick = 25;  // the animation timer's step in milliseconds

bool Set(const TRect& r) {
  return !r.IsEmpty();
}
}  // namespace

// ---- base object

TksActiveSkinObject::TksActiveSkinObject(TksFrameObjectHost& frame, const TksDataSkinObject& record)
    : IDName(record.IDName),
      Hint(record.Hint),
      SkinRect(record.SkinRect),
      ActiveSkinRect(record.ActiveSkinRect),
      InActiveSkinRect(record.InActiveSkinRect),
      SkinRectInAPicture(record.SkinRectInAPicture),
      RollUpObject(record.RollUp),
      ObjectRect(record.SkinRect),
      m_frame(frame) {
  const TksSkinData& skin = frame.Skin();
  m_activePicture = skin.ActivePicture(record.ActivePictureIndex);
  if (!m_activePicture) ActiveSkinRect = {};  // no active image; the record stays as it is
  m_picture = record.RollUp ? &skin.RollUpPicture : &skin.Picture;
}

TksActiveSkinObject::TksActiveSkinObject(TksFrameObjectHost& frame, std::string idName)
    : IDName(std::move(idName)), m_frame(frame) {}

void TksActiveSkinObject::CopyImage(TCanvas& canvas, const TBitmap* picture,
                                    const TRect& source) const {
  if (!picture || picture->Empty() || source.IsEmpty()) return;
  TBitmap piece(source.Width(), source.Height());
  CopyPiece(piece, {0, 0}, *picture, source);
  canvas.Draw(ObjectRect.Left, ObjectRect.Top, piece);
}

void TksActiveSkinObject::Draw(TCanvas& canvas, bool update) {
  if (!m_frame.ShowsActive() && Enabled && Set(InActiveSkinRect)) {
    CopyImage(canvas, m_activePicture, InActiveSkinRect);
  } else if (Active && Set(ActiveSkinRect)) {
    CopyImage(canvas, m_activePicture, ActiveSkinRect);
  } else if (update || SkinRectInAPicture) {
    CopyImage(canvas, SkinRectInAPicture ? m_activePicture : m_picture, SkinRect);
  }
}

void TksActiveSkinObject::MouseDown(int, int, TMouseButton) {
  m_frame.ObjectEvent(TksObjectEvent::MouseDown, IDName);
}

void TksActiveSkinObject::MouseUp(int, int, TMouseButton) {
  if (MouseIn) m_frame.ObjectEvent(TksObjectEvent::MouseUp, IDName);
}

void TksActiveSkinObject::MouseMove(int, int) {
  m_frame.ObjectEvent(TksObjectEvent::MouseMove, IDName);
}

void TksActiveSkinObject::MouseEnter() {
  MouseIn = true;
  Active = true;
  if (Set(ActiveSkinRect)) m_frame.RedrawObject(*this);
  m_frame.ObjectEvent(TksObjectEvent::MouseEnter, IDName);
}

void TksActiveSkinObject::MouseLeave() {
  MouseIn = false;
  Active = false;
  if (Set(ActiveSkinRect)) m_frame.RedrawObject(*this);
  m_frame.ObjectEvent(TksObjectEvent::MouseLeave, IDName);
}

// ---- caption

TksSkinCaptionObject::TksSkinCaptionObject(TksFrameObjectHost& frame,
                                           const TksDataSkinCaption& record)
    : TksActiveSkinObject(frame, record), DefaultCaption(record.DefaultCaption), m_record(record) {
  Active = frame.ShowsActive();
}

void TksSkinCaptionObject::MouseEnter() {
  MouseIn = true;
  Frame().ObjectEvent(TksObjectEvent::MouseEnter, IDName);
}

void TksSkinCaptionObject::MouseLeave() {
  MouseIn = false;
  Frame().ObjectEvent(TksObjectEvent::MouseLeave, IDName);
}

void TksSkinCaptionObject::ActivationChanged() {
  Active = Frame().ShowsActive();
}

TBitmap TksSkinCaptionObject::FittedImage(const TBitmap& picture, const TRect& source) const {
  const TksSkinFrameValues& f = Frame().Skin().FormInfo;
  const int w = ObjectRect.Width(), h = ObjectRect.Height();
  if (w != SkinRect.Width()) {
    bool bottom = SkinRect.Top >= f.LBPoint.Y;
    int left = std::max(0, (bottom ? f.LBPoint.X : f.LTPoint.X) - SkinRect.Left);
    int right = std::max(0, SkinRect.Right - (bottom ? f.RBPoint.X : f.RTPoint.X));
    return BuildHStripImage(picture, source, left, right, m_record.StretchEffect, w);
  }
  if (h != SkinRect.Height()) {
    bool rightEdge = SkinRect.Left >= f.RTPoint.X;
    int top = std::max(0, (rightEdge ? f.RTPoint.Y : f.LTPoint.Y) - SkinRect.Top);
    int bottom = std::max(0, SkinRect.Bottom - (rightEdge ? f.RBPoint.Y : f.LBPoint.Y));
    return BuildVStripImage(picture, source, top, bottom, m_record.StretchEffect, h);
  }
  TBitmap image(w, h);
  CopyPiece(image, {0, 0}, picture, source);
  return image;
}

void TksSkinCaptionObject::DrawText(TCanvas& canvas, bool active) const {
  if (!DefaultCaption) return;  // another caption object carries the window's caption
  std::string text = Frame().CaptionText();
  TRect r = m_record.TextRect;
  r.Right += ObjectRect.Width() - SkinRect.Width();
  if (text.empty() || r.IsEmpty()) return;
  const TksSkinFont& font = m_record.Font;
  canvas.Font() = TFont(font.Name, font.Height, font.Style, font.Color);
  canvas.Brush().Style = TBrushStyle::bsClear;
  FitTextWithEllipsis(canvas, text, r.Width());
  int width = TextPixelWidth(canvas, text);
  int height = canvas.TextHeight(text);
  int y = r.Top + r.Height() / 2 - height / 2;
  int x = r.Left;
  if (m_record.Alignment == TAlignment::taRightJustify) x = r.Right - width;
  if (m_record.Alignment == TAlignment::taCenter) x = r.Left + r.Width() / 2 - width / 2;
  auto out = [&](int dx, int dy, TColor color) {
    canvas.Font().SetColor(color);
    TRect box{x + dx, y + dy, x + dx + width + 2, y + dy + height};
    DrawTextAuto(canvas, text, box, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  };
  if (m_record.Light) out(-1, -1, active ? m_record.ActiveLightColor : m_record.LightColor);
  if (m_record.Shadow) out(1, 1, active ? m_record.ActiveShadowColor : m_record.ShadowColor);
  out(0, 0, active ? m_record.ActiveFontColor : font.Color);
}

void TksSkinCaptionObject::Draw(TCanvas& canvas, bool update) {
  if (ObjectRect.IsEmpty()) return;
  if (Active && Set(ActiveSkinRect) && ActivePicture()) {
    TBitmap image = FittedImage(*ActivePicture(), ActiveSkinRect);
    DrawText(image.Canvas(), true);
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
    return;
  }
  if (update && Picture()) {
    TBitmap image = FittedImage(*Picture(), SkinRect);
    DrawText(image.Canvas(), false);
    const TksSkinFrameValues& f = Frame().Skin().FormInfo;
    if (!Frame().ShowsActive() && f.AutoRenderingInActiveImage) {
      TksEffectBmp effect(image);
      ApplyInActiveEffect(effect, f.InActiveEffect);
      image = effect.ToBitmap();
    }
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
    return;
  }
  TPoint origin = canvas.Origin();
  canvas.SetOrigin(origin + ObjectRect.TopLeft());
  DrawText(canvas, Active);
  canvas.SetOrigin(origin);
}

// ---- button

TksSkinButtonObject::TksSkinButtonObject(TksFrameObjectHost& frame, const TksDataSkinButton& record)
    : TksActiveSkinObject(frame, record),
      DownRect(record.DownRect),
      DisableSkinRect(record.DisableSkinRect),
      GroupIndex(record.GroupIndex) {}

bool TksSkinButtonObject::DrawButtonState(TCanvas& canvas) {
  if (!Enabled && Set(DisableSkinRect)) {
    CopyImage(canvas, ActivePicture(), DisableSkinRect);
    return true;
  }
  if (Down && Set(DownRect) && (GroupIndex != -1 || MouseIn)) {
    CopyImage(canvas, ActivePicture(), DownRect);
    return true;
  }
  return false;
}

void TksSkinButtonObject::Draw(TCanvas& canvas, bool update) {
  if (!DrawButtonState(canvas)) TksActiveSkinObject::Draw(canvas, update);
}

void TksSkinButtonObject::MouseDown(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft && Enabled && !Down) {
    Down = true;
    Frame().RedrawObject(*this);
    if (GroupIndex != -1) Frame().ReleaseGroup(GroupIndex, *this);
  }
  TksActiveSkinObject::MouseDown(x, y, button);
}

void TksSkinButtonObject::MouseUp(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft && Down && GroupIndex == -1) {
    Down = false;
    Frame().RedrawObject(*this);
  }
  TksActiveSkinObject::MouseUp(x, y, button);
}

void TksSkinButtonObject::ReleaseInGroup(int groupIndex) {
  if (groupIndex != GroupIndex || !Down) return;
  Down = false;
  Frame().RedrawObject(*this);
}

void TksSkinButtonObject::MouseEnter() {
  MouseIn = true;
  Active = true;
  if (Set(ActiveSkinRect) || Set(DownRect)) Frame().RedrawObject(*this);
  Frame().ObjectEvent(TksObjectEvent::MouseEnter, IDName);
}

void TksSkinButtonObject::MouseLeave() {
  MouseIn = false;
  Active = false;
  if (Set(ActiveSkinRect) || Set(DownRect)) Frame().RedrawObject(*this);
  Frame().ObjectEvent(TksObjectEvent::MouseLeave, IDName);
}

// ---- standard button

TksSkinStdButtonObject::TksSkinStdButtonObject(TksFrameObjectHost& frame,
                                               const TksDataSkinStdButton& record)
    : TksSkinButtonObject(frame, record), m_command(record.Command), m_restore(record.Restore) {}

TRect TksSkinStdButtonObject::RestoreImage() const {
  TksWindowState state = Frame().WindowState();
  bool restoring =
      (m_command == TksStdCommand::cmMaximize && state == TksWindowState::wsMaximized) ||
      (m_command == TksStdCommand::cmMinimize && state == TksWindowState::wsMinimized) ||
      (m_command == TksStdCommand::cmRollUp && Frame().RolledUp());
  if (!restoring || !Set(m_restore.RestoreRect)) return {};
  if (!Frame().ShowsActive() && Set(m_restore.RestoreInActiveRect))
    return m_restore.RestoreInActiveRect;
  if (Down && MouseIn && Set(m_restore.RestoreDownRect)) return m_restore.RestoreDownRect;
  if (Active && Set(m_restore.RestoreActiveRect)) return m_restore.RestoreActiveRect;
  return m_restore.RestoreRect;
}

bool TksSkinStdButtonObject::ShowsIcon() const {
  const TBitmap* icon = Frame().WindowIcon();
  return m_command == TksStdCommand::cmSysMenu && SkinRectInAPicture && Frame().ShowsWindowIcon() &&
         icon && !icon->Empty();
}

void TksSkinStdButtonObject::Draw(TCanvas& canvas, bool update) {
  if (ShowsIcon()) {
    // The icon stands centred on the button's own image.
    TksSkinButtonObject::Draw(canvas, true);
    const TBitmap& icon = *Frame().WindowIcon();
    const TRect& r = ObjectRect;
    const int w = std::min(icon.Width(), r.Width()), h = std::min(icon.Height(), r.Height());
    canvas.StretchDraw(Bounds(r.Left + (r.Width() - w) / 2, r.Top + (r.Height() - h) / 2, w, h),
                       icon);
    return;
  }
  TRect restore = RestoreImage();
  if (Set(restore)) {
    CopyImage(canvas, ActivePicture(), restore);
    return;
  }
  TksSkinButtonObject::Draw(canvas, update);
}

void TksSkinStdButtonObject::MouseDown(int x, int y, TMouseButton button) {
  TksSkinButtonObject::MouseDown(x, y, button);
  if (button == TMouseButton::mbLeft && m_command == TksStdCommand::cmSysMenu)
    Frame().OpenSystemMenu(ObjectRect, this);
}

void TksSkinStdButtonObject::MouseUp(int x, int y, TMouseButton button) {
  bool run = button == TMouseButton::mbLeft && Down && Frame().MouseOver(*this) &&
             m_command != TksStdCommand::cmSysMenu;
  if (run && m_command == TksStdCommand::cmClose) {
    TksSkinButtonObject::MouseUp(x, y, button);  // up first, then the window closes
    Frame().RunCommand(m_command);
    return;
  }
  if (run) Frame().RunCommand(m_command);
  TksSkinButtonObject::MouseUp(x, y, button);
}

void TksSkinStdButtonObject::DblClick() {
  if (m_command == TksStdCommand::cmSysMenu) Frame().RunCommand(TksStdCommand::cmClose);
}

void TksSkinStdButtonObject::MenuClosed() {
  if (!Down) return;
  Down = false;
  Frame().RedrawObject(*this);
}

// ---- animated button

TksSkinAnimateObject::TksSkinAnimateObject(TksFrameObjectHost& frame,
                                           const TksDataSkinAnimate& record)
    : TksActiveSkinObject(frame, record), m_record(record) {}

TRect TksSkinAnimateObject::FrameRect(const TRect& strip, int n) const {
  const int w0 = SkinRect.Width(), h0 = SkinRect.Height();
  return {strip.Left + w0 * (n - 1), strip.Top, strip.Left + w0 * n, strip.Top + h0};
}

bool TksSkinAnimateObject::IsRestoreState() const {
  TksStdCommand c = m_record.Command;
  TksWindowState state = Frame().WindowState();
  return Set(m_record.Restore.RestoreRect) &&
         ((c == TksStdCommand::cmMaximize && state == TksWindowState::wsMaximized) ||
          (c == TksStdCommand::cmMinimize && state == TksWindowState::wsMinimized) ||
          (c == TksStdCommand::cmRollUp && Frame().RolledUp()));
}

void TksSkinAnimateObject::Draw(TCanvas& canvas, bool) {
  const bool restore = IsRestoreState();
  const TksSkinRestoreRects& r = m_record.Restore;
  const TRect strip = restore ? r.RestoreActiveRect : ActiveSkinRect;
  const TRect down = restore ? r.RestoreDownRect : m_record.DownSkinRect;
  const TRect inactive = restore ? r.RestoreInActiveRect : InActiveSkinRect;
  const int last = std::max(1, m_record.CountFrames);
  if (!Frame().ShowsActive() && Set(inactive)) {
    CopyImage(canvas, ActivePicture(), inactive);
  } else if (m_down && Set(down) && Frame().MouseOver(*this)) {
    CopyImage(canvas, ActivePicture(), down);
  } else if (m_menuOpen) {
    CopyImage(canvas, ActivePicture(), Set(down) ? down : FrameRect(strip, last));
  } else if (Set(strip)) {
    CopyImage(canvas, ActivePicture(), FrameRect(strip, std::clamp(m_frameIndex, 1, last)));
  } else if (restore) {
    CopyImage(canvas, ActivePicture(), r.RestoreRect);
  } else {
    CopyImage(canvas, SkinRectInAPicture ? ActivePicture() : Picture(), SkinRect);
  }
}

void TksSkinAnimateObject::StartAnimation() {
  // A highlight that already shows its end frame stays there: replaying it from
  // frame 1 (after a menu closes or a release over the button) would flicker.
  const int last = std::max(1, m_record.CountFrames);
  const bool atEnd = m_forwards ? !m_record.Cycle && m_frameIndex >= last : m_frameIndex <= 1;
  if (atEnd) {
    m_animating = false;
    Active = false;
    return;
  }
  m_animating = true;
  Frame().StartAnimation();
}

void TksSkinAnimateObject::MouseEnter() {
  MouseIn = true;
  if (m_record.ButtonStyle) {
    Active = true;
    m_forwards = true;
    if (m_down && Set(m_record.DownSkinRect)) {
      Frame().RedrawObject(*this);
    } else {
      StartAnimation();
    }
  }
  Frame().ObjectEvent(TksObjectEvent::MouseEnter, IDName);
}

void TksSkinAnimateObject::MouseLeave() {
  if (!MouseIn) return;
  MouseIn = false;
  if (m_record.ButtonStyle) {
    Active = true;
    m_forwards = false;
    if (m_down && Set(m_record.DownSkinRect)) {
      Frame().RedrawObject(*this);
    } else {
      StartAnimation();
    }
  }
  Frame().ObjectEvent(TksObjectEvent::MouseLeave, IDName);
}

void TksSkinAnimateObject::AnimationTick() {
  if (!m_animating) return;
  const int interval = std::max(kTick, m_record.TimerInterval);
  if (m_waited < interval) {
    m_waited += kTick;
    return;
  }
  const int last = std::max(1, m_record.CountFrames);
  if (m_forwards) {
    m_frameIndex = m_frameIndex >= last ? 1 : m_frameIndex + 1;
  } else {
    m_frameIndex = m_frameIndex <= 1 ? last : m_frameIndex - 1;
  }
  m_waited = kTick;
  Frame().RedrawObject(*this);
  if ((m_forwards && !m_record.Cycle && m_frameIndex == last) ||
      (!m_forwards && m_frameIndex == 1)) {
    m_animating = false;
    Active = false;
  }
}

void TksSkinAnimateObject::MouseDown(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft) {
    if (Set(m_record.DownSkinRect)) {
      m_down = true;
      m_frameIndex = std::max(1, m_record.CountFrames);
      Frame().RedrawObject(*this);
    }
    if (m_record.Command == TksStdCommand::cmSysMenu && m_record.ButtonStyle &&
        Frame().MouseOver(*this)) {
      m_menuOpen = true;
      Frame().OpenSystemMenu(ObjectRect, this);
    }
  }
  TksActiveSkinObject::MouseDown(x, y, button);
}

void TksSkinAnimateObject::MouseUp(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft && !m_menuOpen) {
    if (Set(m_record.DownSkinRect)) {
      m_down = false;
      Frame().RedrawObject(*this);
      StartAnimation();
    }
    TksActiveSkinObject::MouseUp(x, y, button);
    if (Frame().MouseOver(*this) && m_record.ButtonStyle &&
        m_record.Command != TksStdCommand::cmSysMenu) {
      Frame().RunCommand(m_record.Command);
    }
    return;
  }
  TksActiveSkinObject::MouseUp(x, y, button);
}

void TksSkinAnimateObject::DblClick() {
  if (m_record.Command == TksStdCommand::cmSysMenu) Frame().RunCommand(TksStdCommand::cmClose);
}

void TksSkinAnimateObject::MenuClosed() {
  if (!m_menuOpen && !m_down) return;
  m_menuOpen = false;
  m_down = false;
  Frame().RedrawObject(*this);
  StartAnimation();
}

// ---- factory

std::unique_ptr<TksActiveSkinObject> CreateActiveObject(TksFrameObjectHost& frame,
                                                        const TksDataSkinObject& record) {
  if (auto* caption = dynamic_cast<const TksDataSkinCaption*>(&record))
    return std::make_unique<TksSkinCaptionObject>(frame, *caption);
  if (auto* animate = dynamic_cast<const TksDataSkinAnimate*>(&record))
    return std::make_unique<TksSkinAnimateObject>(frame, *animate);
  if (dynamic_cast<const TksDataSkinMainMenuBarButton*>(&record)) return nullptr;
  if (auto* std = dynamic_cast<const TksDataSkinStdButton*>(&record))
    return std::make_unique<TksSkinStdButtonObject>(frame, *std);
  if (dynamic_cast<const TksDataSkinMenuItem*>(&record) ||
      dynamic_cast<const TksDataSkinMainMenuItem*>(&record))
    return nullptr;
  if (auto* button = dynamic_cast<const TksDataSkinButton*>(&record))
    return std::make_unique<TksSkinButtonObject>(frame, *button);
  return nullptr;  // gauges, labels, switches and the like are not frame objects here
}

}  // namespace kx
