#include "skin/controls/skin_button.h"

#include "platform/forms/forms.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_graphics.h"

namespace kx {

namespace {
constexpr TColor kPlainFrame = 0x800000;
constexpr TColor kPlainHot = 0xD2BDB6;
constexpr TColor kPlainDown = 0xB59385;

void Fill(TCanvas& c, const TRect& r, TColor color) {
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = color;
  c.FillRect(r);
}

TCustomForm* ParentForm(TControl* control) {
  for (TControl* p = control; p; p = p->Parent()) {
    if (auto* form = dynamic_cast<TCustomForm*>(p)) return form;
  }
  return nullptr;
}

// Every skinned button among a control's children, at any depth.
void CollectButtons(TWinControl& parent, std::vector<TksSkinButton*>& buttons) {
  for (TControl* child : parent.Controls()) {
    if (auto* button = dynamic_cast<TksSkinButton*>(child)) buttons.push_back(button);
    if (auto* container = dynamic_cast<TWinControl*>(child)) CollectButtons(*container, buttons);
  }
}
}  // namespace

TksGlyphLayout LayoutGlyphAndCaption(const TRect& c, TSize g, TSize t, int m, int s,
                                     TksButtonLayout layout, bool down) {
  const int cx = c.Left + c.Width() / 2, cy = c.Top + c.Height() / 2;
  TksGlyphLayout r;
  if (m == -1) {
    int half = (g.cx + t.cx + s) / 2;
    int halfV = (t.cy + g.cy + s) / 2;
    switch (layout) {
      case TksButtonLayout::blGlyphLeft:
        r = {{cx - half, cy - g.cy / 2}, {cx + half - t.cx, cy - t.cy / 2}};
        break;
      case TksButtonLayout::blGlyphRight:
        r = {{cx + half - g.cx, cy - g.cy / 2}, {cx - half, cy - t.cy / 2}};
        break;
      case TksButtonLayout::blGlyphTop:
        r = {{cx - g.cx / 2, cy - halfV}, {cx - t.cx / 2, cy + halfV - t.cy}};
        break;
      case TksButtonLayout::blGlyphBottom:
        r = {{cx - g.cx / 2, cy + halfV - g.cy}, {cx - t.cx / 2, cy - halfV}};
        break;
    }
  } else {
    switch (layout) {
      case TksButtonLayout::blGlyphLeft:
        r = {{c.Left + m, cy - g.cy / 2}, {c.Left + m + g.cx + s, cy - t.cy / 2}};
        break;
      case TksButtonLayout::blGlyphRight: {
        int gx = c.Right - g.cx - m;
        r = {{gx, cy - g.cy / 2}, {gx - s - t.cx, cy - t.cy / 2}};
        break;
      }
      case TksButtonLayout::blGlyphTop: {
        int gy = c.Top + m;
        r = {{cx - g.cx / 2, gy}, {cx - t.cx / 2, gy + g.cy + s}};
        break;
      }
      case TksButtonLayout::blGlyphBottom: {
        int gy = c.Bottom - g.cy - m;
        r = {{cx - g.cx / 2, gy}, {cx - t.cx / 2, gy - s - t.cy}};
        break;
      }
    }
  }
  if (down) {
    r.glyph = r.glyph + TPoint{1, 1};
    r.caption = r.caption + TPoint{1, 1};
  }
  return r;
}

TksSkinButton::TksSkinButton(TComponent* owner) : TksSkinCustomControl(owner, "button") {
  TabStop = true;
  SetBounds(Left(), Top(), 75, 25);
}

void TksSkinButton::SetUseSkinSize(bool value) {
  if (m_useSkinSize == value) return;
  m_useSkinSize = value;
  ApplySkin();
}

bool TksSkinButton::SkinSized() const {
  return m_useSkinSize || PieceKind() == TksPieceKind::pkFramed;
}

void TksSkinButton::SetCanFocused(bool value) {
  m_canFocused = value;
  TabStop = value;
}

void TksSkinButton::SetDown(bool value) {
  if (m_down == value) return;
  m_down = value;
  Invalidate();
}

void TksSkinButton::SetGroupIndex(int value) {
  m_groupIndex = value;
  if (value != 0) SetCanFocused(false);
}

void TksSkinButton::SetUseSkinFontColor(bool value) {
  m_useSkinFontColor = value;
  Invalidate();
}

void TksSkinButton::SetGlyph(const TBitmap& value) {
  m_glyph = value;
  Invalidate();
}

void TksSkinButton::SetNumGlyphs(int value) {
  m_numGlyphs = value;
  Invalidate();
}

void TksSkinButton::SetMargin(int value) {
  m_margin = value;
  Invalidate();
}

void TksSkinButton::SetSpacing(int value) {
  m_spacing = value;
  Invalidate();
}

void TksSkinButton::SetLayout(TksButtonLayout value) {
  m_layout = value;
  Invalidate();
}

void TksSkinButton::ReadSkinRecord() {
  TksSkinCustomControl::ReadSkinRecord();
  auto* record = m_skin.Record<TksDataSkinButtonControl>();
  if (!record) return;
  m_skinFont = SkinFont(record->Font);
  m_activeFontColor = record->ActiveFontColor;
  m_downFontColor = record->DownFontColor;
  m_disabledFontColor = record->DisabledFontColor;
  m_activeSkinRect = record->ActiveSkinRect.IsEmpty() ? m_skinRect : record->ActiveSkinRect;
  m_downSkinRect = record->DownSkinRect.IsEmpty() ? m_activeSkinRect : record->DownSkinRect;
  m_disabledSkinRect = record->DisabledSkinRect;
  m_showFocus = record->ShowFocus;
}

void TksSkinButton::CalcSkinSize(int& width, int& height) {
  if (SkinSized()) TksSkinCustomControl::CalcSkinSize(width, height);
}

void TksSkinButton::UpdateRegion() {
  if (m_useSkinSize) {
    TksSkinCustomControl::UpdateRegion();
  } else if (HandleAllocated()) {
    WindowSystem().SetWindowRgn(Handle(), nullptr,
                                true);  // a button sized by hand ignores the mask
  }
}

bool TksSkinButton::ShowsPressed() const {
  if (m_groupIndex != 0) return m_down;
  return m_down && (m_mouseIn || (Focused() && m_canFocused && !m_pressed));
}

TFont TksSkinButton::CaptionFont() const {
  return m_skin.Skinned() && UseSkinFont() ? m_skinFont : DefaultFont();
}

void TksSkinButton::DrawContent(TCanvas& canvas, const TRect& box, TksButtonState state) {
  DrawContent(canvas, box, state, DefaultFont().Color());
}

void TksSkinButton::DrawContent(TCanvas& canvas, const TRect& box, TksButtonState state,
                                TColor plainColor) {
  const bool down = state == TksButtonState::Pressed;
  const bool highlighted = state != TksButtonState::Up;
  TFont font = CaptionFont();
  TColor color = plainColor;
  if (m_skin.Skinned()) {
    if (Enabled() && !m_useSkinFontColor) {
      color = DefaultFont().Color();
    } else if (!Enabled()) {
      color = m_disabledFontColor;
    } else if (down) {
      color = m_downFontColor;
    } else if (highlighted) {
      color = m_activeFontColor;
    } else {
      color = m_skinFont.Color();
    }
  } else if (!Enabled()) {
    color = clBtnShadow;
  }
  canvas.Font() = font;
  canvas.Font().SetColor(color);
  canvas.Brush().Style = TBrushStyle::bsClear;
  TRect measured{0, 0, 0, 0};
  DrawTextAuto(canvas, Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
  TSize text{measured.Width(), measured.Height()};
  TSize glyph{m_glyph.Empty() ? 0 : m_glyph.Width() / std::max(1, m_numGlyphs),
              m_glyph.Empty() ? 0 : m_glyph.Height()};
  TksGlyphLayout at = LayoutGlyphAndCaption(box, glyph, text, m_margin, m_spacing, m_layout, down);
  if (!m_glyph.Empty()) {
    int n = down && highlighted && m_numGlyphs > 2 ? 3
            : highlighted && m_numGlyphs > 3       ? 4
            : Enabled() || m_numGlyphs < 2         ? 1
                                                   : 2;
    DrawStripFrame(canvas, at.glyph.X, at.glyph.Y, n, std::max(1, m_numGlyphs), m_glyph);
  }
  TRect r{at.caption.X, at.caption.Y, at.caption.X + text.cx + 2, at.caption.Y + text.cy};
  DrawTextAuto(canvas, Caption(), r, DT_CENTER | DT_SINGLELINE);
}

void TksSkinButton::DrawStateImage(TBitmap& bitmap, const TRect& image, TksButtonState state) {
  TRect box;
  if (SkinSized()) {
    bitmap = SkinImage(image);
    box = StretchedClient();
  } else {
    // Sized by hand: the image is fitted over the whole button and the caption
    // box grows with it.
    box = m_geometry.C;
    box.Right += Width() - image.Width();
    box.Bottom += Height() - image.Height();
    if (m_picture && PieceKind() == TksPieceKind::pkFixed) {
      TBitmap piece(image.Width(), image.Height());
      CopyPiece(piece, {0, 0}, *m_picture, image);
      bitmap.Canvas().StretchDraw({0, 0, Width(), Height()}, piece);
    } else if (m_picture) {
      const TRect& c = m_geometry.C;
      TksPieceGeometry g{
          {c.Left, c.Top}, {c.Right, c.Top}, {c.Left, c.Bottom}, {c.Right, c.Bottom}, c};
      TksPieceGeometry r = ResizedGeometry(g, image.Width(), image.Height(), Width(), Height());
      bitmap = BuildFramedImage(*m_picture, image, g, r, Width(), Height(),
                                {true, true, true, true, true}, true);
    }
  }
  if (m_showFocus && Focused()) {
    bitmap.Canvas().Brush().Color = m_skin.Colors().cBtnFace;
    bitmap.Canvas().DrawFocusRect(box);
  }
  DrawContent(bitmap.Canvas(), box, state);
}

void TksSkinButton::DrawSkinned(TBitmap& bitmap) {
  bool focused = Focused() && m_canFocused;
  if (!Enabled() && !m_disabledSkinRect.IsEmpty()) {
    DrawStateImage(bitmap, m_disabledSkinRect, TksButtonState::Up);
  } else if (ShowsPressed()) {
    DrawStateImage(bitmap, m_downSkinRect, TksButtonState::Pressed);
  } else if (focused || m_mouseIn) {
    DrawStateImage(bitmap, m_activeSkinRect, TksButtonState::Highlighted);
  } else {
    DrawStateImage(bitmap, m_skinRect, TksButtonState::Up);
  }
}

void TksSkinButton::DrawPlain(TBitmap& bitmap) {
  TCanvas& c = bitmap.Canvas();
  TRect r{0, 0, bitmap.Width(), bitmap.Height()};
  bool down = ShowsPressed();
  bool hot = m_mouseIn || (Focused() && m_canFocused);
  Fill(c, r, down || hot ? kPlainFrame : clBtnShadow);
  Fill(c, r.Inflated(-1, -1), down ? kPlainDown : hot ? kPlainHot : clBtnFace);
  DrawContent(c, r,
              down  ? TksButtonState::Pressed
              : hot ? TksButtonState::Highlighted
                    : TksButtonState::Up);
}

void TksSkinButton::ButtonClick() {
  if (m_canFocused) {
    if (TCustomForm* form = ParentForm(Parent())) form->ModalResult = ModalResult;
  }
  if (OnClick) OnClick(this);
}

void TksSkinButton::CreateWnd() {
  TksSkinCustomControl::CreateWnd();
  m_actsAsDefault = Default;
}

void TksSkinButton::FocusMoved(const TksSkinButton* focused) {
  TCustomForm* form = ParentForm(this);
  std::vector<TksSkinButton*> buttons;
  if (form) CollectButtons(*form, buttons);
  for (TksSkinButton* button : buttons) {
    const bool acts = focused ? button == focused : button->Default;
    if (button->m_actsAsDefault != acts) {
      button->m_actsAsDefault = acts;
      button->Invalidate();
    }
  }
}

void TksSkinButton::MouseEnter() {
  TksSkinCustomControl::MouseEnter();
  m_mouseIn = true;
  Invalidate();
}

void TksSkinButton::MouseLeave() {
  TksSkinCustomControl::MouseLeave();
  if (m_pressed) return;
  // The window's default button stays highlighted while another control has the focus.
  if (m_canFocused && Default && m_actsAsDefault && !Focused()) return;
  m_mouseIn = false;
  Invalidate();
}

void TksSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  if (m_canFocused && CanFocus()) SetFocus();
  if (HandleAllocated()) SetCapture(Handle());  // the release comes here wherever it is
  m_pressed = true;
  if (!m_down) {
    m_mouseIn = true;
    m_down = true;
    Invalidate();
    if (m_groupIndex != 0) ButtonClick();
  }
}

void TksSkinButton::MouseMove(TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseMove(shift, x, y);
  if (!m_pressed) return;
  bool inside = ClientRect().Contains(TPoint{x, y});
  if (inside != m_mouseIn) {
    m_mouseIn = inside;  // leaving shows the normal image, coming back the pressed one
    Invalidate();
  }
}

void TksSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft && m_pressed) {
    m_pressed = false;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
    if (m_groupIndex == 0) {
      bool wasDown = m_down;
      m_down = false;
      m_mouseIn = ClientRect().Contains(TPoint{x, y});
      Invalidate();
      if (HandleAllocated()) UpdateWindow(Handle());  // the released image shows first
      if (m_mouseIn && wasDown) ButtonClick();
    }
  }
  if (HandleAllocated() && Visible()) TksSkinCustomControl::MouseUp(button, shift, x, y);
}

void TksSkinButton::SetEnabled(bool enabled) {
  TksSkinCustomControl::SetEnabled(enabled);
  m_mouseIn = false;
  Invalidate();
}

void TksSkinButton::DoEnter() {
  TksSkinCustomControl::DoEnter();
  FocusMoved(this);
  Invalidate();  // the focused look
}

void TksSkinButton::DoExit() {
  TksSkinCustomControl::DoExit();
  if (m_groupIndex == 0 && m_down) SetDown(false);
  FocusMoved(nullptr);  // a button that takes the focus next claims it in its DoEnter
  Invalidate();
}

// ---- TksSkinXFormButton

TksSkinXFormButton::TksSkinXFormButton(TComponent* owner) : TksSkinButton(owner) {
  SetCanFocused(false);
}

void TksSkinXFormButton::ApplySkin() {
  TksSkinButton::ApplySkin();
  if (m_skin.Skinned() || DefImage.Empty()) return;
  SetBounds(Left(), Top(), DefImage.Width(), DefImage.Height());
  if (!HandleAllocated()) return;
  std::optional<TRegion> shape = DefMask.Empty() ? std::nullopt : MaskToRegion(DefMask, 0, 0);
  WindowSystem().SetWindowRgn(Handle(), shape ? &*shape : nullptr, true);
}

void TksSkinXFormButton::DrawPlain(TBitmap& bitmap) {
  if (DefImage.Empty()) {
    TksSkinButton::DrawPlain(bitmap);
    return;
  }
  bool down = ShowsPressed();
  const TBitmap& image = down && !DefDownImage.Empty()          ? DefDownImage
                         : MouseIn() && !DefActiveImage.Empty() ? DefActiveImage
                                                                : DefImage;
  bitmap.Canvas().StretchDraw({0, 0, bitmap.Width(), bitmap.Height()}, image);
  const TColor color = down        ? DefDownFontColor
                       : MouseIn() ? DefActiveFontColor
                                   : DefaultFont().Color();
  DrawContent(bitmap.Canvas(), {0, 0, bitmap.Width(), bitmap.Height()},
              down        ? TksButtonState::Pressed
              : MouseIn() ? TksButtonState::Highlighted
                          : TksButtonState::Up,
              color);
}

}  // namespace kx
