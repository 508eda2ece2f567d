#include "skin/controls/skin_check_box.h"

#include "platform/forms/menus.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "skin/data/skin_data.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/skin_graphics.h"

namespace kx {

namespace {
constexpr TColor kPlainHotFrame = 0x800000;
}  // namespace

TksSkinCheckRadioBox::TksSkinCheckRadioBox(TComponent* owner)
    : TksSkinCustomControl(owner, "checkbox") {
  TabStop = false;
  SetBounds(Left(), Top(), 150, 25);
}

void TksSkinCheckRadioBox::SetCanFocused(bool value) {
  m_canFocused = value;
  TabStop = value;
}

void TksSkinCheckRadioBox::RaiseClick() {
  if (OnClick) OnClick(this);
}

void TksSkinCheckRadioBox::SetChecked(bool value) {
  StoreChecked(value);
  if (!(m_radio && !value)) RaiseClick();
}

void TksSkinCheckRadioBox::SetState(TCheckBoxState value) {
  m_state = value;
  StoreChecked(value == TCheckBoxState::cbChecked);
  RaiseClick();
}

void TksSkinCheckRadioBox::StoreChecked(bool value) {
  m_checked = value;
  if (value || m_state == TCheckBoxState::cbChecked)
    m_state = value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked;
  Invalidate();
  if (value && GroupIndex != 0 && Parent()) {
    for (TControl* sibling : Parent()->Controls()) {
      auto* box = dynamic_cast<TksSkinCheckRadioBox*>(sibling);
      if (box && box != this && box->GroupIndex == GroupIndex && box->Checked())
        box->SetChecked(false);
    }
  }
}

void TksSkinCheckRadioBox::SetRadio(bool value) {
  m_radio = value;
  Invalidate();
}

void TksSkinCheckRadioBox::SetImages(TCustomImageList* value) {
  if (m_images) RemoveFreeNotification(m_images);
  m_images = value;
  if (value) FreeNotification(value);
  Invalidate();
}

void TksSkinCheckRadioBox::Notification(TComponent* component, TOperation operation) {
  TksSkinCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_images) m_images = nullptr;
}

void TksSkinCheckRadioBox::SetImageIndex(int value) {
  m_imageIndex = value;
  Invalidate();
}

void TksSkinCheckRadioBox::WndProc(TMessage& m) {
  // A focusable box answers the accelerator of its caption: it takes the focus and toggles.
  if (m.Msg == CM_DIALOGCHAR) {
    const bool ascii = m.WParam > 0 && m.WParam < 0x80;
    if (m_canFocused && ascii && IsAccel(static_cast<char>(m.WParam), Caption())) {
      if (CanFocus()) SetFocus();
      Toggle();
      m.Result = 1;
    }
    return;
  }
  TksSkinCustomControl::WndProc(m);
}

void TksSkinCheckRadioBox::Toggle() {
  if (!m_radio) {
    SetChecked(!m_checked);
  } else if (!m_checked) {
    SetChecked(true);
  }
}

void TksSkinCheckRadioBox::ReadSkinRecord() {
  TksSkinCustomControl::ReadSkinRecord();
  auto* r = m_skin.Record<TksDataSkinCheckRadioControl>();
  if (!r) return;
  m_skinFont = SkinFont(r->Font);
  m_frameFontColor = r->FrameFontColor;
  m_unEnabledFontColor = r->UnEnabledFontColor;
  m_check = r->CheckImageRect;
  m_uncheck = r->UnCheckImageRect;
  m_activeCheck = r->ActiveCheckImageRect.IsEmpty() ? m_check : r->ActiveCheckImageRect;
  m_activeUncheck = r->ActiveUnCheckImageRect.IsEmpty() ? m_uncheck : r->ActiveUnCheckImageRect;
  m_disabledCheck = r->UnEnabledCheckImageRect.IsEmpty() ? m_check : r->UnEnabledCheckImageRect;
  m_disabledUncheck =
      r->UnEnabledUnCheckImageRect.IsEmpty() ? m_uncheck : r->UnEnabledUnCheckImageRect;
}

TRect TksSkinCheckRadioBox::DrawCaption(TCanvas& canvas, int x, const TFont& font, TColor color) {
  const int h = Height();
  bool hasImage = m_images && m_imageIndex >= 0 && m_imageIndex < m_images->Count();
  TRect image;
  if (hasImage) {
    image = {x, h / 2 - m_images->Height() / 2, x + m_images->Width(),
             h / 2 - m_images->Height() / 2 + m_images->Height()};
    m_images->Draw(canvas, image.Left, image.Top, m_imageIndex, Enabled());
    x += m_images->Width() + 5;
  }
  canvas.Font() = font;
  canvas.Font().SetColor(color);
  canvas.Brush().Style = TBrushStyle::bsClear;
  TRect r{0, 0, 0, 0};
  DrawTextAuto(canvas, Caption(), r, DT_CALCRECT | DT_SINGLELINE);
  TRect box{x, h / 2 - r.Height() / 2, std::min(x + r.Width(), Width() - 2),
            h / 2 - r.Height() / 2 + r.Height()};
  DrawTextAuto(canvas, Caption(), box, DT_SINGLELINE | DT_VCENTER);
  return Caption().empty() && hasImage ? image : box;
}

void TksSkinCheckRadioBox::DrawFocus(TCanvas& canvas, const TRect& around, TColor brush) {
  if (!Focused() || !m_canFocused) return;
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = brush;
  canvas.DrawFocusRect({around.Left - 2, around.Top - 1, around.Right + 3, around.Bottom + 1});
}

void TksSkinCheckRadioBox::UpdateRegion() {
  if (!Flat) {
    TksSkinCustomControl::UpdateRegion();
  } else if (HandleAllocated()) {
    WindowSystem().SetWindowRgn(Handle(), nullptr, true);  // a flat box ignores the mask
  }
}

void TksSkinCheckRadioBox::DrawSkinned(TBitmap& bitmap) {
  TCanvas& c = bitmap.Canvas();
  PaintParentBackground(*this, c);
  bool checked = m_state != TCheckBoxState::cbUnchecked;
  TRect mark = !Enabled()  ? (checked ? m_disabledCheck : m_disabledUncheck)
               : m_mouseIn ? (checked ? m_activeCheck : m_activeUncheck)
                           : (checked ? m_check : m_uncheck);
  int markWidth = mark.Width();
  if (m_picture && !mark.IsEmpty()) {
    TBitmap piece(mark.Width(), mark.Height());
    CopyPiece(piece, {0, 0}, *m_picture, mark);
    if (m_state == TCheckBoxState::cbGrayed) {
      TksEffectBmp effect(piece);
      effect.Brightness(0.5);
      piece = effect.ToBitmap();
    }
    piece.SetTransparentColor(piece.ColorAt(0, piece.Height() - 1));
    piece.SetTransparent(true);
    c.Draw(3, Height() / 2 - piece.Height() / 2, piece);
  }
  TFont font = UseSkinFont() ? m_skinFont : DefaultFont();
  TRect box =
      DrawCaption(c, markWidth + 7, font, Enabled() ? m_frameFontColor : m_unEnabledFontColor);
  DrawFocus(c, box, m_skin.Colors().cBtnFace);
}

void TksSkinCheckRadioBox::DrawPlain(TBitmap& bitmap) {
  TCanvas& c = bitmap.Canvas();
  PaintParentBackground(*this, c);
  const int h = Height();
  c.Brush().Style = TBrushStyle::bsClear;
  c.Pen().Color = m_mouseIn ? kPlainHotFrame : clBtnShadow;
  c.Rectangle({3, h / 2 - 7, 17, h / 2 + 7});
  TColor markColor = !Enabled() ? clBtnShadow : clBlack;
  if (m_state == TCheckBoxState::cbGrayed) markColor = clGrayText;
  if (m_state != TCheckBoxState::cbUnchecked) {
    if (m_radio) {
      c.Brush().Style = TBrushStyle::bsSolid;
      c.Brush().Color = markColor;
      c.FillRect({7, h / 2 - 3, 13, h / 2 + 3});
    } else {
      int y0 = h / 2 - 4;
      c.Pen().Color = markColor;
      for (int i = 0; i < 3; ++i) {
        c.MoveTo(7, y0 - i + 5);
        c.LineTo(9, y0 - i + 7);
        c.LineTo(14, y0 - i + 2);
      }
    }
  }
  TRect box = DrawCaption(c, 22, DefaultFont(), Enabled() ? DefaultFont().Color() : clBtnShadow);
  DrawFocus(c, box, clBtnFace);
}

void TksSkinCheckRadioBox::MouseEnter() {
  TksSkinCustomControl::MouseEnter();
  m_mouseIn = true;
  Invalidate();
}

void TksSkinCheckRadioBox::MouseLeave() {
  TksSkinCustomControl::MouseLeave();
  m_mouseIn = false;
  Invalidate();
}

void TksSkinCheckRadioBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  if (m_canFocused && CanFocus()) SetFocus();
  if (HandleAllocated()) SetCapture(Handle());
  if (!m_mouseIn) {
    m_mouseIn = true;
    Invalidate();
  }
}

void TksSkinCheckRadioBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseUp(button, shift, x, y);  // OnMouseUp first
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  m_mouseIn = ClientRect().Contains(TPoint{x, y});
  if (button != TMouseButton::mbLeft || !m_mouseIn) return;
  if (AllowGrayed && !m_radio && m_state == TCheckBoxState::cbUnchecked) {
    SetState(TCheckBoxState::cbGrayed);
  } else {
    Toggle();
  }
}

void TksSkinCheckRadioBox::KeyUp(std::uint16_t& key, TShiftState shift) {
  TksSkinCustomControl::KeyUp(key, shift);
  if (key == VK_SPACE && m_canFocused && Focused()) Toggle();
}

void TksSkinCheckRadioBox::DoEnter() {
  TksSkinCustomControl::DoEnter();
  Invalidate();
}

void TksSkinCheckRadioBox::DoExit() {
  TksSkinCustomControl::DoExit();
  Invalidate();
}

void TksSkinCheckRadioBox::SetEnabled(bool enabled) {
  TksSkinCustomControl::SetEnabled(enabled);
  m_mouseIn = false;
  Invalidate();
}

void TksSkinCheckRadioBox::BoundsChanged(const TRect& old) {
  TksSkinCustomControl::BoundsChanged(old);
  Invalidate();  // the background behind it changed
}

}  // namespace kx
