#include "skin/controls/skin_panel.h"

#include "platform/gfx/draw_text.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_graphics.h"

namespace kx {

TksSkinPanel::TksSkinPanel(TComponent* owner) : TksSkinCustomControl(owner, "panel") {
  SetBounds(Left(), Top(), 150, 150);
  m_clientArea = {1, 1, 149, 149};
}

void TksSkinPanel::SetBorderStyle(TksSkinBorderStyle value) {
  m_borderStyle = value;
  Realign();
  Invalidate();
}

void TksSkinPanel::SetCaptionMode(bool value) {
  m_captionMode = value;
  Realign();
  Invalidate();
}

void TksSkinPanel::SetDefaultCaptionHeight(int value) {
  m_defaultCaptionHeight = value;
  Realign();
  Invalidate();
}

void TksSkinPanel::ReadSkinRecord() {
  TksSkinCustomControl::ReadSkinRecord();
  m_background = nullptr;
  m_captionRect = {};
  auto* r = m_skin.Record<TksDataSkinPanelControl>();
  if (r) {
    m_background = m_skin.Data->ActivePicture(r->BGPictureIndex);
    m_captionRect = r->CaptionRect;
    m_skinFont = SkinFont(r->Font);
    m_captionAlignment = r->Alignment;
  }
  TRect whole{0, 0, Width(), Height()};
  if (!m_skin.Skinned()) {
    m_clientArea = m_borderStyle == TksSkinBorderStyle::bvNone ? whole : whole.Inflated(-1, -1);
    if (m_captionMode) m_clientArea.Top += m_defaultCaptionHeight;
  } else if (m_background || (m_borderStyle == TksSkinBorderStyle::bvNone && !m_captionMode &&
                              PieceKind() == TksPieceKind::pkFramed)) {
    m_clientArea = whole;
  } else {
    m_clientArea = StretchedClient();
  }
}

void TksSkinPanel::AdjustClientRect(TRect& rect) const {
  // The layout asks before any paint has read the skin for the present size.
  const_cast<TksSkinPanel*>(this)->ReadSkinRecord();
  rect = m_clientArea;
}

void TksSkinPanel::ApplySkin() {
  TksSkinCustomControl::ApplySkin();
  ReadSkinRecord();
  Realign();
}

void TksSkinPanel::BoundsChanged(const TRect& old) {
  TksSkinCustomControl::BoundsChanged(old);
  Invalidate();
}

void TksSkinPanel::Paint() {
  TRect before = m_clientArea;
  TksSkinCustomControl::Paint();
  if (m_clientArea != before) Realign();  // the skin came or went since the last layout
}

void TksSkinPanel::DrawSkinned(TBitmap& bitmap) {
  const TRect whole{0, 0, Width(), Height()};
  const TRect tile = m_geometry.C.Offset(m_skinRect.TopLeft());
  if (m_borderStyle == TksSkinBorderStyle::bvNone && PieceKind() == TksPieceKind::pkFramed &&
      !m_captionMode && !AlphaBlend && m_picture) {
    TilePiece(bitmap, whole, *m_picture, tile);
    return;
  }
  if (m_background) {
    TilePiece(bitmap, whole, *m_background, {0, 0, m_background->Width(), m_background->Height()});
    return;
  }
  if (PieceKind() == TksPieceKind::pkFramed && !AlphaBlend && m_picture) {
    TilePiece(bitmap, StretchedClient(), *m_picture, tile);
    TksBorderStrips strips = BuildBorderStrips(*m_picture, m_skinRect, m_geometry, m_resized,
                                               Width(), Height(), m_stretch);
    TCanvas& c = bitmap.Canvas();
    const int top = strips.Top.Height();
    if (!strips.Top.Empty()) c.Draw(0, 0, strips.Top);
    if (!strips.Left.Empty()) c.Draw(0, top, strips.Left);
    if (!strips.Right.Empty()) c.Draw(Width() - strips.Right.Width(), top, strips.Right);
    if (!strips.Bottom.Empty()) c.Draw(0, Height() - strips.Bottom.Height(), strips.Bottom);
    if (!m_captionRect.IsEmpty() && !Caption().empty()) {
      TRect box{m_captionRect.Left, m_captionRect.Top,
                m_captionRect.Right + Width() - m_skinRect.Width(), m_captionRect.Bottom};
      c.Font() = UseSkinFont() ? m_skinFont : DefaultFont();
      c.Brush().Style = TBrushStyle::bsClear;
      UINT align = m_captionAlignment == TAlignment::taCenter         ? DT_CENTER
                   : m_captionAlignment == TAlignment::taRightJustify ? DT_RIGHT
                                                                      : DT_LEFT;
      DrawTextAuto(c, Caption(), box, align | DT_VCENTER | DT_SINGLELINE);
    }
    return;
  }
  bitmap = SkinImage(m_skinRect);
}

void TksSkinPanel::DrawPlain(TBitmap& bitmap) {
  TCanvas& c = bitmap.Canvas();
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clBtnFace;
  c.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
  DrawPlainBorder(c, {0, 0, bitmap.Width(), bitmap.Height()}, m_borderStyle);
}

}  // namespace kx
