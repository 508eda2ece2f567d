#include "skin/controls/skin_label.h"

#include "platform/gfx/draw_text.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_graphics.h"

namespace kx {

void DrawPlainBorder(TCanvas& c, const TRect& r, TksSkinBorderStyle style) {
  if (style == TksSkinBorderStyle::bvNone) return;
  TColor topLeft = style == TksSkinBorderStyle::bvRaised    ? clBtnHighlight
                   : style == TksSkinBorderStyle::bvLowered ? clBtnShadow
                                                            : clBtnShadow;
  TColor bottomRight = style == TksSkinBorderStyle::bvRaised    ? clBtnShadow
                       : style == TksSkinBorderStyle::bvLowered ? clBtnHighlight
                                                                : clBtnShadow;
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = topLeft;
  c.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
  c.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
  c.Brush().Color = bottomRight;
  c.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
  c.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
}

TksSkinLabel::TksSkinLabel(TComponent* owner) : TksSkinCustomControl(owner, "label") {
  SetBounds(Left(), Top(), 75, 21);
}

void TksSkinLabel::SetAutoSize(bool value) {
  m_autoSize = value;
  if (value) FitWidthToCaption();
}

void TksSkinLabel::SetBorderStyle(TksSkinBorderStyle value) {
  m_borderStyle = value;
  Invalidate();
  Realign();
}

void TksSkinLabel::SetUseSkinSize(bool value) {
  if (m_useSkinSize == value) return;
  m_useSkinSize = value;
  ApplySkin();
}

void TksSkinLabel::SetAlignment(TAlignment value) {
  m_alignment = value;
  Invalidate();
}

void TksSkinLabel::SetUseSkinFontColor(bool value) {
  m_useSkinFontColor = value;
  Invalidate();
}

bool TksSkinLabel::SkinSized() const {
  return m_useSkinSize || PieceKind() == TksPieceKind::pkFramed;
}

void TksSkinLabel::AdjustClientRect(TRect& rect) const {
  if (m_borderStyle != TksSkinBorderStyle::bvNone) rect = rect.Inflated(-1, -1);
}

void TksSkinLabel::DefaultFontChanged() {
  if (m_autoSize) FitWidthToCaption();
  Invalidate();
}

void TksSkinLabel::SetCaption(const std::string& caption) {
  TksSkinCustomControl::SetCaption(caption);
  if (m_autoSize) FitWidthToCaption();
  Invalidate();
}

void TksSkinLabel::ReadSkinRecord() {
  TksSkinCustomControl::ReadSkinRecord();
  auto* r = m_skin.Record<TksDataSkinLabelControl>();
  if (r) m_skinFont = SkinFont(r->Font);
  if (PieceKind() == TksPieceKind::pkFixed) m_autoSize = false;
  if (!SkinSized() && m_skin.Skinned()) {
    // The size stays as asked; the skin's right edge follows the width.
    m_resized = m_geometry;
    m_resized.RT.X += Width() - m_skinRect.Width();
    m_resized.C.Right += Width() - m_skinRect.Width();
  }
}

void TksSkinLabel::CalcSkinSize(int& width, int& height) {
  if (SkinSized()) TksSkinCustomControl::CalcSkinSize(width, height);
  if (!m_autoSize || !WidthIsFree()) return;
  const int extra = ExtraWidth(width);
  if (extra > 0) width += extra;
}

bool TksSkinLabel::WidthIsFree() const {
  return Align() != TAlign::alTop && Align() != TAlign::alBottom && Align() != TAlign::alClient;
}

void TksSkinLabel::UpdateRegion() {
  if (m_useSkinSize) TksSkinCustomControl::UpdateRegion();
}

int TksSkinLabel::ExtraWidth(int width) const {
  TBitmap scratch(1, 1);
  TCanvas& c = scratch.Canvas();
  if (!m_skin.Skinned()) {
    c.Font() = DefaultFont();
    return TextPixelWidth(c, Caption()) + 4 - width;
  }
  if (PieceKind() == TksPieceKind::pkFixed) return 0;
  c.Font() = UseSkinFont() ? m_skinFont : DefaultFont();
  // The stretched client rectangle's width at that width: only the vertical
  // kind keeps the skin's width.
  int client = m_geometry.C.Width();
  if (PieceKind() != TksPieceKind::pkVertical) client += width - m_skinRect.Width();
  return TextPixelWidth(c, Caption()) - client;
}

void TksSkinLabel::FitWidthToCaption() {
  if (!WidthIsFree()) return;
  ReadSkinRecord();
  const int width = std::max(1, Width() + ExtraWidth(Width()));
  if (width != Width()) SetBounds(Left(), Top(), width, Height());
}

void TksSkinLabel::DrawCaption(TCanvas& c, const TRect& box, const TFont& font) {
  TCanvasSaver saver(c);
  c.IntersectClipRect(box);
  c.Font() = font;
  c.Brush().Style = TBrushStyle::bsClear;
  TRect measured{0, 0, 0, 0};
  DrawTextAuto(c, Caption(), measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  int y = box.Top + box.Height() / 2 - measured.Height() / 2;
  int x = box.Left;
  if (m_alignment == TAlignment::taRightJustify) x = box.Right - measured.Width();
  if (m_alignment == TAlignment::taCenter) x = box.Left + box.Width() / 2 - measured.Width() / 2;
  TRect r{x, y, x + measured.Width() + 1, y + measured.Height()};
  DrawTextAuto(c, Caption(), r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void TksSkinLabel::DrawSkinned(TBitmap& bitmap) {
  TRect box = StretchedClient();
  if (SkinSized()) {
    bitmap = SkinImage(m_skinRect);
  } else if (m_picture) {
    // The skin image stretched over the label, its borders kept.
    const TRect& c = m_geometry.C;
    TksPieceGeometry g{
        {c.Left, c.Top}, {c.Right, c.Top}, {c.Left, c.Bottom}, {c.Right, c.Bottom}, c};
    TksPieceGeometry r =
        ResizedGeometry(g, m_skinRect.Width(), m_skinRect.Height(), Width(), Height());
    bitmap = BuildFramedImage(*m_picture, m_skinRect, g, r, Width(), Height(),
                              {true, true, true, true, true}, true);
    box.Bottom += Height() - m_skinRect.Height();
  }
  TFont font = UseSkinFont() ? m_skinFont : DefaultFont();
  if (!UseSkinFont()) font.SetColor(m_skinFont.Color());
  if (!m_useSkinFontColor) font.SetColor(DefaultFont().Color());
  DrawCaption(bitmap.Canvas(), box, font);
}

void TksSkinLabel::DrawPlain(TBitmap& bitmap) {
  TCanvas& c = bitmap.Canvas();
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clBtnFace;
  c.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
  DrawPlainBorder(c, {0, 0, bitmap.Width(), bitmap.Height()}, m_borderStyle);
  DrawCaption(c, {2, 2, bitmap.Width() - 2, bitmap.Height() - 2}, DefaultFont());
}

}  // namespace kx
