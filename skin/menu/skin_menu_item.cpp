#include "skin/menu/skin_menu_item.h"

#include <algorithm>
#include <string>

#include "platform/forms/image_list.h"
#include "platform/gfx/draw_text.h"
#include "skin/data/skin_object_records.h"
#include "skin/draw/skin_drawing.h"
#include "skin/draw/skin_graphics.h"

namespace kx {

namespace {

constexpr TColor kPlainHighlightFrame = 0x800000;
constexpr TColor kPlainHighlightFill = 0xD2BDB6;

void Fill(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = color;
  canvas.FillRect(r);
}

TSize Measure(TCanvas& canvas, const std::string& text, std::uint32_t flags) {
  TRect r{0, 0, 0, 0};
  DrawTextAuto(canvas, text, r, flags | DT_CALCRECT | DT_SINGLELINE);
  return {r.Width(), r.Height()};
}

// The caption glyph of a system-menu item name, if it has one.
bool NamedGlyph(const std::string& name, TksCaptionGlyph& glyph) {
  if (name == "KSF_CLOSE" || name == "TRAY_KSF_CLOSE") {
    glyph = TksCaptionGlyph::Close;
  } else if (name == "KSF_MINITEM" || name == "KSF_MINTOTRAY") {
    glyph = TksCaptionGlyph::Minimize;
  } else if (name == "KSF_MAXITEM") {
    glyph = TksCaptionGlyph::Maximize;
  } else if (name == "KSF_RESTORE" || name == "TRAY_KSF_RESTORE") {
    glyph = TksCaptionGlyph::Restore;
  } else if (name == "KSF_ROLLUP") {
    glyph = TksCaptionGlyph::RollUp;
  } else {
    return false;
  }
  return true;
}

}  // namespace

int TksSkinMenuItem::Height(const TksMenuLook& look) const {
  if (look.itemRecord)
    return IsSeparator() ? look.itemRecord->DividerRect.Height()
                         : look.itemRecord->SkinRect.Height();
  return IsSeparator() ? 4 : look.itemHeight;  // the line of a plain menu is thin
}

int TksSkinMenuItem::TextWidth(const TksMenuLook& look) const {
  if (IsSeparator()) return 0;
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = look.font;
  std::string text = m_item.Caption;
  if (m_item.ShortCut != scNone) text += "  " + ShortCutToText(m_item.ShortCut);
  return Measure(scratch.Canvas(), text, 0).cx + 2;
}

TBitmap TksSkinMenuItem::Render(const TksMenuLook& look) const {
  return look.itemRecord && look.itemPicture ? RenderSkinned(look) : RenderPlain(look);
}

TksMenuItemState TksSkinMenuItem::State() const {
  if (Highlighted() && !IsSeparator()) return TksMenuItemState::Highlighted;
  return Enabled() ? TksMenuItemState::Normal : TksMenuItemState::Disabled;
}

void TksSkinMenuItem::DrawContent(TCanvas& canvas, const TksMenuLook& look,
                                  const TksMenuItemContent& content) const {
  const TRect& t = content.textArea;
  canvas.Font() = look.font;
  canvas.Font().SetColor(content.color);
  canvas.Brush().Style = TBrushStyle::bsClear;
  TSize text = Measure(canvas, m_item.Caption, 0);
  int top = t.Top + t.Height() / 2 - text.cy / 2;
  int left = t.Left + content.glyphOffset;
  TRect box{left, top, left + text.cx + 2, top + text.cy};
  DrawTextAuto(canvas, m_item.Caption, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (m_item.ShortCut != scNone) {
    std::string shortCut = ShortCutToText(m_item.ShortCut);
    TSize size = Measure(canvas, shortCut, DT_NOPREFIX);
    int right = t.Right - content.shortCutInset;
    TRect r{right - size.cx, top, right, top + text.cy};
    DrawTextAuto(canvas, shortCut, r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (HasChildren()) {
    canvas.Pen().Color = content.color;
    int y0 = t.Top + t.Height() / 2 - 4;
    for (int i = 0; i <= 3; ++i) {
      canvas.MoveTo(t.Right - 7 + i, y0 + i);
      canvas.LineTo(t.Right - 7 + i, y0 - i + 7);
    }
  }
  DrawGlyph(canvas, look, content);
}

void TksSkinMenuItem::DrawGlyph(TCanvas& canvas, const TksMenuLook& look,
                                const TksMenuItemContent& content) const {
  const TRect& t = content.textArea;
  const TRect& imageRect = content.imageArea;
  const TBitmap* bitmap = m_item.Bitmap.Empty() ? nullptr : &m_item.Bitmap;
  bool hasImage = look.images && m_item.ImageIndex >= 0 && m_item.ImageIndex < look.images->Count();
  if (bitmap || hasImage) {
    int gw = bitmap ? bitmap->Width() : look.images->Width();
    int gh = bitmap ? bitmap->Height() : look.images->Height();
    int gx = t.Left + 2, gy = t.Top + t.Height() / 2 - gh / 2;
    if (!imageRect.IsEmpty()) {
      gx = imageRect.Left + imageRect.Width() / 2 - gw / 2;
      gy = imageRect.Top + imageRect.Height() / 2 - gh / 2;
    }
    if (bitmap) {
      canvas.Draw(gx, gy, *bitmap);
    } else {
      look.images->Draw(canvas, gx, gy, m_item.ImageIndex, m_item.Enabled);
    }
    if (m_item.Checked) {
      canvas.Brush().Style = TBrushStyle::bsClear;
      canvas.Pen().Color = content.imageColor;
      canvas.Rectangle({gx - 1, gy - 1, gx + gw + 1, gy + gh + 1});
    }
    return;
  }
  int x0 = t.Left + 2, y0 = t.Top + t.Height() / 2 - 4;
  if (!imageRect.IsEmpty()) {
    x0 = imageRect.Left + imageRect.Width() / 2 - 4;
    y0 = imageRect.Top + imageRect.Height() / 2 - 4;
  }
  TksCaptionGlyph glyph{};
  if (NamedGlyph(m_item.Name(), glyph)) {
    DrawCaptionGlyph(canvas, x0, y0, content.imageColor, glyph);
    return;
  }
  if (!m_item.Checked) return;
  int markX = x0 + content.markOffset;
  canvas.Pen().Color = content.imageColor;
  if (m_item.RadioItem) {
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = content.imageColor;
    canvas.Ellipse({markX, y0 + 1, markX + 6, y0 + 7});
    return;
  }
  for (int i = 0; i < 3; ++i) {
    canvas.MoveTo(markX, y0 - i + 5);
    canvas.LineTo(markX + 2, y0 - i + 7);
    canvas.LineTo(markX + 7, y0 - i + 2);
  }
}

TBitmap TksSkinMenuItem::RenderSkinned(const TksMenuLook& look) const {
  const TksDataSkinMenuItem& r = *look.itemRecord;
  const TBitmap& picture = *look.itemPicture;
  const int w = Rect.Width();
  if (IsSeparator()) {
    return BuildHStripImage(picture, r.DividerRect, r.DividerLeftOffset, r.DividerRightOffset,
                            r.DividerStretchEffect, w);
  }
  const TksMenuItemState state = State();
  const bool highlighted = state == TksMenuItemState::Highlighted;
  TBitmap image = highlighted ? BuildHStripImage(picture, r.ActiveSkinRect, r.ItemLeftOffset,
                                                 r.ItemRightOffset, r.StretchEffect, w)
                              : BuildHStripImage(picture, r.SkinRect, r.ItemLeftOffset,
                                                 r.ItemRightOffset, r.InActiveStretchEffect, w);
  TksMenuItemContent content;
  content.textArea = r.TextRect;
  content.textArea.Right += w - r.SkinRect.Width();
  content.glyphOffset = r.ImageRect.IsEmpty() ? look.glyphColumn : 0;
  content.shortCutInset = 16;
  content.imageArea = r.ImageRect;
  content.color = highlighted                           ? r.ActiveFontColor
                  : state == TksMenuItemState::Disabled ? r.UnEnabledFontColor
                                                        : r.Font.Color;
  content.imageColor =
      r.UseImageColor ? (highlighted ? r.ActiveImageColor : r.ImageColor) : content.color;
  DrawContent(image.Canvas(), look, content);
  return image;
}

TBitmap TksSkinMenuItem::RenderPlain(const TksMenuLook& look) const {
  const int w = Rect.Width(), h = Rect.Height();
  TBitmap image(std::max(1, w), std::max(1, h));
  TCanvas& c = image.Canvas();
  const int s = look.images ? look.glyphColumn : 19;
  const TksMenuItemState state = State();
  if (state == TksMenuItemState::Highlighted) {
    Fill(c, {0, 0, w, h}, kPlainHighlightFrame);
    Fill(c, {1, 1, w - 1, h - 1}, kPlainHighlightFill);
  } else {
    Fill(c, {0, 0, s, h}, clBtnFace);
    Fill(c, {s, 0, w, h}, clWindow);
  }
  if (IsSeparator()) {
    Fill(c, {s, h / 2, w, h / 2 + 1}, clBtnShadow);
    return image;
  }
  TksMenuItemContent content;
  content.textArea = {2, 2, w - 2, h - 2};
  content.glyphOffset = s;
  content.shortCutInset = 19;
  content.markOffset = 1;
  content.color = state == TksMenuItemState::Disabled ? clBtnShadow : clWindowText;
  content.imageColor = content.color;
  DrawContent(c, look, content);
  return image;
}

}  // namespace kx
