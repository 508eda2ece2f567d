// The skinned frame's painting: the frame image from the border strips and the
// objects, the plain frame without a skin, and the client background.
#include <algorithm>

#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "skin/data/skin_data.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/skin_graphics.h"
#include "skin/frame/skin_frame.h"

namespace kx {

void TksSkinFrame::PaintNonClient() {
  if (HWND h = Handle()) RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TksSkinFrame::PaintNonClientInto(TCanvas& canvas) {
  if (!PaintsSkin()) {
    PaintPlainFrame(canvas);
    return;
  }
  const TSize min = MinimumSize();
  if (m_width < min.cx || m_height < min.cy) return;
  if (m_geometry.W != m_width || m_geometry.H != m_height) Relayout();
  const bool active = ShowsActive();
  const TBitmap& source = !active && !m_skinData->InActivePicture.Empty()
                              ? m_skinData->InActivePicture
                              : m_skinData->Picture;
  const TksSkinFrameValues& f = m_skinData->FormInfo;
  const TksStretchFlags edges{false, f.LeftStretch, f.TopStretch, f.RightStretch, f.BottomStretch};
  TksBorderStrips strips =
      BuildBorderStrips(source, {0, 0, source.Width(), source.Height()}, m_geometry.Skin,
                        m_geometry.Resized, m_width, m_height, edges);
  DrawObjectsOnStrips(strips);
  if (!active && f.AutoRenderingInActiveImage) {
    for (TBitmap* strip : {&strips.Top, &strips.Bottom, &strips.Left, &strips.Right}) {
      if (strip->Empty()) continue;
      TksEffectBmp effect(*strip);
      ApplyInActiveEffect(effect, f.InActiveEffect);
      *strip = effect.ToBitmap();
    }
  }
  TCanvasSaver saver(canvas);
  canvas.ExcludeClipRect(m_geometry.Client());
  const int topHeight = strips.Top.Height();
  if (!strips.Top.Empty()) canvas.Draw(0, 0, strips.Top);
  if (!strips.Left.Empty()) canvas.Draw(0, topHeight, strips.Left);
  if (!strips.Right.Empty()) canvas.Draw(m_width - strips.Right.Width(), topHeight, strips.Right);
  if (!strips.Bottom.Empty()) canvas.Draw(0, m_height - strips.Bottom.Height(), strips.Bottom);
}

// Objects above the client area go onto the top strip, the others onto the bottom one.
void TksSkinFrame::DrawObjectsOnStrips(TksBorderStrips& strips) {
  const TRect& client = m_geometry.Client();
  for (auto& o : m_objects) {
    if (!o->Shown() || !o->Visible) continue;
    if (o->ObjectRect.Bottom <= client.Top) {
      if (!strips.Top.Empty()) o->Draw(strips.Top.Canvas(), false);
    } else if (!strips.Bottom.Empty()) {
      TCanvas& bottom = strips.Bottom.Canvas();
      bottom.SetOrigin({0, -client.Bottom});
      o->Draw(bottom, false);
      bottom.SetOrigin({0, 0});
    }
  }
}

void TksSkinFrame::PaintPlainFrame(TCanvas& canvas) {
  if (!HasBorder()) return;
  const bool active = ShowsActive();
  const PlainFrameGeometry g = PlainGeometry({m_width, m_height});
  TCanvasSaver saver(canvas);
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = clBtnFace;
  canvas.FillRect(g.Window());
  canvas.Brush().Color = clBtnShadow;
  canvas.FrameRect(g.Window());
  canvas.Brush().Color = active ? clActiveCaption : clInactiveCaption;
  canvas.FillRect(g.CaptionBar());
  canvas.Font() = active ? DefCaptionFont : DefInActiveCaptionFont;
  const TColor ink = active ? clCaptionText : clInactiveCaptionText;
  canvas.Font().SetColor(ink);
  canvas.Brush().Style = TBrushStyle::bsClear;
  std::string text = CaptionText();
  TRect textArea = g.CaptionTextArea();
  FitTextWithEllipsis(canvas, text, textArea.Width());
  DrawTextAuto(canvas, text, textArea, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  const bool maximized = m_windowState == TksWindowState::wsMaximized;
  const std::pair<int, TksCaptionGlyph> glyphs[] = {
      {HTCLOSE, TksCaptionGlyph::Close},
      {HTMAXBUTTON, maximized ? TksCaptionGlyph::Restore : TksCaptionGlyph::Maximize},
      {HTMINBUTTON, TksCaptionGlyph::Minimize}};
  for (const auto& [hit, glyph] : glyphs) {
    const TRect b = g.Button(hit);
    if (b.IsEmpty()) continue;
    DrawCaptionGlyph(canvas, b.Left + b.Width() / 2 - 4, b.Top + b.Height() / 2 - 4, ink, glyph);
  }
}

void TksSkinFrame::PaintClientBackground(TCanvas& canvas) {
  const TRect client = m_form->ClientRect();
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

}  // namespace kx
