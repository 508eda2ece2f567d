#include "platform/forms/label.h"

#include "platform/gfx/draw_text.h"

namespace kx {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAutoSize(bool value) {
  m_autoSize = value;
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment value) {
  m_alignment = value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  m_layout = value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  m_wordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  m_showAccelChar = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  m_transparent = value;
  Invalidate();
}

void TCustomLabel::SetCaption(const std::string& caption) {
  TControl::SetCaption(caption);
  AdjustBounds();
}

void TCustomLabel::FontChanged() {
  TControl::FontChanged();
  AdjustBounds();
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

UINT TCustomLabel::DrawTextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (m_wordWrap) flags |= DT_WORDBREAK;
  if (!m_showAccelChar) flags |= DT_NOPREFIX;
  if (m_alignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
  if (m_alignment == TAlignment::taCenter) flags |= DT_CENTER;
  return flags;
}

void TCustomLabel::DoDrawText(TCanvas& canvas, TRect& rect, UINT flags) {
  std::string text = Caption();
  if ((flags & DT_CALCRECT) && (text.empty() || (m_showAccelChar && text == "&"))) text += " ";
  canvas.Font() = Font();
  canvas.Brush().Style = TBrushStyle::bsClear;
  if (!Enabled() && !(flags & DT_CALCRECT)) {
    TRect shifted = rect.Offset(1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    DrawText(canvas, text, shifted, flags);
    canvas.Font().SetColor(clBtnShadow);
  }
  DrawText(canvas, text, rect, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!m_autoSize || Loading()) return;
  TBitmap scratch(1, 1);
  TRect rect{0, 0, m_wordWrap ? Width() : 0, 0};
  DoDrawText(scratch.Canvas(), rect, DrawTextFlags() | DT_CALCRECT);
  int left = Left();
  if (!m_wordWrap && m_alignment == TAlignment::taRightJustify) left += Width() - rect.Width();
  SetBounds(left, Top(), m_wordWrap ? Width() : rect.Width(), rect.Height());
}

void TCustomLabel::Paint() {
  TCanvas& c = Canvas();
  TRect client = ClientRect();
  if (!m_transparent) {
    c.Brush().Color = Color();
    c.Brush().Style = TBrushStyle::bsSolid;
    c.FillRect(client);
  }
  TRect rect = client;
  UINT flags = DrawTextFlags();
  if (m_layout != TTextLayout::tlTop) {
    TRect measured = client;
    DoDrawText(c, measured, flags | DT_CALCRECT);
    int offset = client.Height() - measured.Height();
    rect.Top += m_layout == TTextLayout::tlCenter ? offset / 2 : offset;
  }
  DoDrawText(c, rect, flags);
}

}  // namespace kx
