#include "skin/controls/skin_labels.h"

#include "platform/forms/forms.h"
#include "platform/gfx/draw_text.h"
#include "platform/sys/shell.h"
#include "skin/data/skin_data.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/skin_graphics.h"

namespace kx {

// ---- std label

TksSkinStdLabel::TksSkinStdLabel(TComponent* owner) : TCustomLabel(owner) {
  SetTransparent(true);
}

void TksSkinStdLabel::SetSkinData(TksSkinData* skinData) {
  m_skin.Attach(skinData);
}

void TksSkinStdLabel::Notification(TComponent* component, TOperation operation) {
  TCustomLabel::Notification(component, operation);
  m_skin.Notification(component, operation);
}

void TksSkinStdLabel::SetUseSkinFont(bool value) {
  if (m_useSkinFont == value) return;
  m_useSkinFont = value;
  TextLookChanged();
}

void TksSkinStdLabel::SetDefaultFont(const TFont& font) {
  m_defaultFont = font;
  TextLookChanged();
}

void TksSkinStdLabel::SetUseSkinColor(bool value) {
  m_useSkinColor = value;
  Invalidate();
}

void TksSkinStdLabel::TextLookChanged() {
  if (Loading()) return;
  if (AutoSize()) AdjustBounds();
  Invalidate();
}

void TksSkinStdLabel::ApplySkin() {
  m_skin.Read<TksDataSkinStdLabelControl>();
  if (AutoSize()) AdjustBounds();
  Invalidate();
}

TFont TksSkinStdLabel::TextFont() {
  auto* record = m_skin.Read<TksDataSkinStdLabelControl>();
  if (!record) return UseSkinFont() ? DefaultFont() : Font();
  m_skinFont = SkinFont(record->Font);
  m_activeFontColor = record->ActiveFontColor;
  TFont font = UseSkinFont() ? m_skinFont : Font();
  font.SetColor(m_useSkinColor ? record->Font.Color : Font().Color());
  return font;
}

void TksSkinStdLabel::DoDrawText(TCanvas& canvas, TRect& rect, UINT flags) {
  std::string text = Caption();
  if ((flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == "&"))) text += " ";
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  canvas.Font() = TextFont();
  canvas.Brush().Style = TBrushStyle::bsClear;
  if (Enabled() || (flags & DT_CALCRECT)) {
    DrawTextAuto(canvas, text, rect, flags);
    return;
  }
  const TksSkinColors colors = m_skin.Colors();
  TRect shifted = rect.Offset(1, 1);
  canvas.Font().SetColor(colors.cBtnHighLight);
  DrawTextAuto(canvas, text, shifted, flags);
  canvas.Font().SetColor(colors.cBtnShadow);
  DrawTextAuto(canvas, text, rect, flags);
}

// ---- link label

TksSkinLinkLabel::TksSkinLinkLabel(TComponent* owner) : TksSkinStdLabel(owner) {
  m_defaultFont = TFont("Arial", 14, {TFontStyle::fsUnderline}, clWindowText);
  SetFont(DefaultFont());
  Cursor = crHandPoint;
  OpenUrl = [](const std::string& url) { return ShellOpen(url); };
}

void TksSkinLinkLabel::SetUseUnderLine(bool value) {
  m_useUnderLine = value;
  Invalidate();
}

void TksSkinLinkLabel::SetDefaultActiveFontColor(TColor value) {
  m_defaultActiveFontColor = value;
  Invalidate();
}

TFont TksSkinLinkLabel::TextFont() {
  auto* record = m_skin.Read<TksDataSkinStdLabelControl>();
  TFont font;
  if (!record) {
    font = UseSkinFont() ? DefaultFont() : Font();
    if (m_mouseIn) font.SetColor(m_defaultActiveFontColor);
  } else {
    font = UseSkinFont() ? SkinFont(record->Font) : Font();
    font.SetColor(m_mouseIn ? record->ActiveFontColor : record->Font.Color);
  }
  TFontStyles style = font.Style();
  if (m_useUnderLine) {
    style += TFontStyle::fsUnderline;
  } else {
    style -= TFontStyle::fsUnderline;
  }
  font.SetStyle(style);
  return font;
}

void TksSkinLinkLabel::MouseEnter() {
  TksSkinStdLabel::MouseEnter();
  m_mouseIn = true;
  Invalidate();
}

void TksSkinLinkLabel::MouseLeave() {
  TksSkinStdLabel::MouseLeave();
  m_mouseIn = false;
  Invalidate();
}

void TksSkinLinkLabel::Click() {
  TksSkinStdLabel::Click();                   // OnClick first
  if (!URL.empty() && OpenUrl) OpenUrl(URL);  // what the opener says is not checked
}

// ---- shadow label

TksSkinShadowLabel::TksSkinShadowLabel(TComponent* owner)
    : TksGraphicSkinControl(owner, "stdlabel") {
  SetBounds(Left(), Top(), 65, 17);
  SetFont(TFont("Arial", 16, {TFontStyle::fsBold}, clWindowText));
}

void TksSkinShadowLabel::SetAlignment(TAlignment value) {
  m_alignment = value;
  Invalidate();
}

void TksSkinShadowLabel::SetLayout(TTextLayout value) {
  m_layout = value;
  Invalidate();
}

void TksSkinShadowLabel::SetWordWrap(bool value) {
  m_wordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TksSkinShadowLabel::SetShowAccelChar(bool value) {
  m_showAccelChar = value;
  Invalidate();
}

void TksSkinShadowLabel::SetUseSkinColor(bool value) {
  m_useSkinColor = value;
  Invalidate();
}

UINT TksSkinShadowLabel::Format() const {
  UINT flags = (m_wordWrap ? DT_WORDBREAK : 0) | DT_EXPANDTABS;
  if (m_alignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
  if (m_alignment == TAlignment::taCenter) flags |= DT_CENTER;
  if (!m_showAccelChar) flags |= DT_NOPREFIX;
  return flags;
}

void TksSkinShadowLabel::SetFocusControl(TWinControl* control) {
  if (m_focusControl) RemoveFreeNotification(m_focusControl);
  m_focusControl = control;
  if (control) FreeNotification(control);
}

void TksSkinShadowLabel::Notification(TComponent* component, TOperation operation) {
  TksGraphicSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_focusControl) m_focusControl = nullptr;
}

void TksSkinShadowLabel::SetAutoSize(bool value) {
  m_autoSize = value;
  AdjustBounds();
}

void TksSkinShadowLabel::SetCaption(const std::string& caption) {
  TksGraphicSkinControl::SetCaption(caption);
  AdjustBounds();
  Invalidate();
}

void TksSkinShadowLabel::FontChanged() {
  TksGraphicSkinControl::FontChanged();
  AdjustBounds();
}

void TksSkinShadowLabel::Loaded() {
  TksGraphicSkinControl::Loaded();
  AdjustBounds();
}

void TksSkinShadowLabel::BoundsChanged(const TRect& old) {
  TksGraphicSkinControl::BoundsChanged(old);
  Invalidate();  // the background behind it changed
}

void TksSkinShadowLabel::AdjustBounds() {
  if (!m_autoSize || Loading()) return;
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = Font();
  TRect r{0, 0, std::max(1, Width()), 0};
  DrawTextAuto(scratch.Canvas(), Caption(), r,
               (m_wordWrap ? DT_WORDBREAK : 0) | DT_EXPANDTABS | DT_CALCRECT);
  int w = r.Width() + 3, h = r.Height() + 3;
  int left = m_alignment == TAlignment::taRightJustify ? Left() + Width() - w : Left();
  if (w != Width() || h != Height() || left != Left()) SetBounds(left, Top(), w, h);
}

void TksSkinShadowLabel::Paint() {
  const int w = Width(), h = Height();
  if (w < 1 || h < 1) return;
  ReadSkinRecord();
  const UINT format = Format();
  TRect text{0, 0, w - 3, h - 3};
  if (m_layout != TTextLayout::tlTop) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font() = Font();
    TRect measured = text;
    DrawTextAuto(scratch.Canvas(), Caption(), measured, format | DT_CALCRECT);
    int shift = m_layout == TTextLayout::tlCenter ? (h - measured.Height()) / 2 - 2
                                                  : h - measured.Height() - 2;
    text = text.Offset(0, shift);
  }
  // The shadow's mask: the caption in black, one and two pixels down and right.
  TBitmap mask(w, h);
  mask.Canvas().Brush().Color = clWhite;
  mask.Canvas().FillRect({0, 0, w, h});
  mask.Canvas().Font() = Font();
  mask.Canvas().Font().SetColor(clBlack);
  mask.Canvas().Brush().Style = TBrushStyle::bsClear;
  for (int d : {1, 2}) {
    TRect r = text.Offset(d, d);
    DrawTextAuto(mask.Canvas(), Caption(), r, format);
  }
  TBitmap background(w, h);
  PaintParentBackground(*this, background.Canvas());
  // Darken what lies under the shadow and soften its edge.
  const TksEffectBmp shadow(mask);
  TksEffectBmp shaded(background);
  shaded.Tint(shadow, clBlack, 0.3);
  shaded.SoftenEdge(shadow, 1);
  background = shaded.ToBitmap();
  TCanvas& c = background.Canvas();
  c.Font() = Font();
  auto* record = m_skin.Record<TksDataSkinStdLabelControl>();
  if (m_useSkinColor && record) c.Font().SetColor(record->Font.Color);
  c.Brush().Style = TBrushStyle::bsClear;
  DrawTextAuto(c, Caption(), text, format);
  Canvas().Draw(0, 0, background);
}

}  // namespace kx
