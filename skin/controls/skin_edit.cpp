#include "skin/controls/skin_edit.h"

#include "platform/forms/forms.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_graphics.h"
#include "skin/menu/skin_menu.h"
#include "skin/menu/skin_popup_menu.h"

namespace kx {

struct TksSkinEdit::Look {
  const TBitmap* picture = nullptr;
  TRect skinRect, activeSkinRect, clientRect;
  int left = 0, right = 0;  // the fixed parts of the strip
  TFont font;
  TColor fontColor = 0, activeFontColor = 0, disabledFontColor = 0;
  bool stretch = false;
};

TksSkinEdit::TksSkinEdit(TComponent* owner)
    : TCustomMaskEdit(owner), m_look(std::make_shared<Look>()) {
  // The skin's frame is drawn in the non-client area instead of a border.
  SetBorderStyle(TEditBorderStyle::bsNone);
  SetFont(TFont("Arial", 14, {}, clBlack));
  m_defaultFont = Font();
  SetBounds(Left(), Top(), Width(), 20);
  Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 0));
}

void TksSkinEdit::FontChanged() {
  TCustomMaskEdit::FontChanged();
  Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 0));
  // Without the skin's font the height follows the font.
  if (m_useSkinFont || m_sizing || Loading()) return;
  ReadSkinRecord();
  const int h = WantedHeight();
  if (h == Height()) return;
  m_sizing = true;
  SetBounds(Left(), Top(), Width(), h);
  m_sizing = false;
  PaintFrame();
}

void TksSkinEdit::SetUseSkinFont(bool value) {
  if (m_useSkinFont == value) return;
  m_useSkinFont = value;
  if (!Loading()) ApplySkin();
}

void TksSkinEdit::SetDefaultFont(const TFont& font) {
  m_defaultFont = font;
  if (Loading()) return;
  ReadSkinRecord();
  if (!m_skin.Skinned() || !m_useSkinFont) ApplySkin();
}

void TksSkinEdit::SetDefaultWidth(int value) {
  m_defaultWidth = value;
  if (Loading()) return;
  ReadSkinRecord();
  if (!m_skin.Skinned() && value > 0) SetBounds(Left(), Top(), value, Height());
}

void TksSkinEdit::SetDefaultHeight(int value) {
  m_defaultHeight = value;
  if (Loading()) return;
  ReadSkinRecord();
  if (!m_skin.Skinned() && value > 0) SetBounds(Left(), Top(), Width(), value);
}

void TksSkinEdit::SetDefaultColor(TColor value) {
  m_defaultColor = value;
  Invalidate();
}

void TksSkinEdit::SetSkinData(TksSkinData* skinData) {
  m_skin.Attach(skinData);
}

void TksSkinEdit::Notification(TComponent* component, TOperation operation) {
  TCustomMaskEdit::Notification(component, operation);
  m_skin.Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_menu) m_menu = nullptr;
}

void TksSkinEdit::ReadSkinRecord() {
  auto* r = m_skin.Read<TksDataSkinEditControl>();
  if (!r) return;
  Look& l = *m_look;
  l.picture = m_skin.Data->ActivePicture(r->PictureIndex);
  l.skinRect = r->SkinRect;
  l.activeSkinRect = r->ActiveSkinRect.IsEmpty() ? r->SkinRect : r->ActiveSkinRect;
  l.left = r->LeftTopPoint.X;
  l.right = r->SkinRect.Width() - r->RightTopPoint.X;
  l.clientRect = r->ClientRect;
  l.font = SkinFont(r->Font);
  l.fontColor = r->Font.Color;
  l.activeFontColor = r->ActiveFontColor;
  l.disabledFontColor = r->DisabledFontColor;
  l.stretch = r->StretchEffect;
}

int TksSkinEdit::WantedHeight() const {
  if (UseSkinFont() && m_skin.Skinned()) return m_look->skinRect.Height();
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = Font();
  int text = scratch.Canvas().TextHeight("Wg");
  return m_skin.Skinned() ? text + m_look->skinRect.Height() - m_look->clientRect.Height()
                          : text + 4;
}

void TksSkinEdit::ApplySkin() {
  ReadSkinRecord();
  if (!m_skin.Skinned()) {
    SetFont(DefaultFont());
    int w = m_defaultWidth > 0 ? m_defaultWidth : Width();
    int h = m_defaultHeight > 0 ? m_defaultHeight : Height();
    SetBounds(Left(), Top(), w, h);
  } else if (UseSkinFont()) {
    TFont font = m_look->font;
    SetFont(font);
    SetBounds(Left(), Top(), Width(), m_look->skinRect.Height());
  } else {
    SetFont(DefaultFont());
  }
  UpdateFontColor();
  if (!UseSkinFont()) SetBounds(Left(), Top(), Width(), WantedHeight());
  if (HandleAllocated()) {
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  Invalidate();
}

void TksSkinEdit::UpdateFontColor() {
  TColor color;
  if (Enabled()) {
    color = !m_skin.Skinned()        ? DefaultFont().Color()
            : Focused() || m_mouseIn ? m_look->activeFontColor
                                     : m_look->fontColor;
  } else {
    color = m_skin.Skinned() ? m_look->disabledFontColor : clGrayText;
  }
  if (Font().Color() != color) {
    TFont font = Font();
    font.SetColor(color);
    SetFont(font);
  }
}

void TksSkinEdit::BoundsChanged(const TRect& old) {
  TCustomMaskEdit::BoundsChanged(old);
  if (m_sizing || (old.Width() == Width() && old.Height() == Height())) return;
  ReadSkinRecord();
  if (!m_skin.Skinned() && UseSkinFont()) return;
  int h = WantedHeight();
  if (h != Height()) {
    m_sizing = true;
    SetBounds(Left(), Top(), Width(), h);
    m_sizing = false;
  }
  PaintFrame();
}

TRect TksSkinEdit::Insets() const {
  if (!m_skin.Skinned()) return {2, 2, 2, 2};
  const Look& l = *m_look;
  return {l.clientRect.Left, l.clientRect.Top, l.skinRect.Width() - l.clientRect.Right,
          l.skinRect.Height() - l.clientRect.Bottom};
}

TBitmap TksSkinEdit::FrameImage() const {
  const Look& l = *m_look;
  const TRect& state = m_mouseIn || Focused() ? l.activeSkinRect : l.skinRect;
  if (!l.picture) return TBitmap(std::max(1, Width()), std::max(1, Height()));
  if (UseSkinFont())
    return BuildHStripImage(*l.picture, state, l.left, l.right, l.stretch, Width());
  const TRect& c = l.clientRect;
  TksPieceGeometry g{{c.Left, c.Top}, {c.Right, c.Top}, {c.Left, c.Bottom}, {c.Right, c.Bottom}, c};
  TksPieceGeometry r =
      ResizedGeometry(g, l.skinRect.Width(), l.skinRect.Height(), Width(), Height());
  return BuildFramedImage(*l.picture, state, g, r, Width(), Height(),
                          {true, true, true, true, true}, false);
}

void TksSkinEdit::PaintFrame() {
  if (!HandleAllocated() || Width() < 1 || Height() < 1) return;
  ReadSkinRecord();
  HDC dc = WindowSystem().GetWindowDC(Handle());
  if (!dc) return;
  TCanvas& canvas = dc->Canvas();
  TRect in = Insets();
  TRect client{in.Left, in.Top, Width() - in.Right, Height() - in.Bottom};
  canvas.ExcludeClipRect(client);
  if (m_skin.Skinned()) {
    canvas.Draw(0, 0, FrameImage());
  } else {
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = clBtnShadow;
    canvas.FrameRect({0, 0, Width(), Height()});
    canvas.Brush().Color = clBtnFace;
    canvas.FrameRect({1, 1, Width() - 1, Height() - 1});
  }
}

void TksSkinEdit::PaintBackground(TCanvas& canvas) {
  TRect client = ClientRect();
  if (client.IsEmpty()) return;
  ReadSkinRecord();
  if (!m_skin.Skinned() || !m_look->picture) {
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = m_defaultColor;
    canvas.FillRect(client);
    return;
  }
  const Look& l = *m_look;
  TRect state = m_mouseIn || Focused() ? l.activeSkinRect : l.skinRect;
  TRect part{state.Left + l.clientRect.Left, state.Top + l.clientRect.Top,
             state.Left + l.clientRect.Right, state.Top + l.clientRect.Bottom};
  int left = std::max(0, l.left - l.clientRect.Left);
  int right = std::max(0, l.clientRect.Right + l.right - l.skinRect.Width());
  TBitmap image = BuildHStripImage(*l.picture, part, left, right, l.stretch, client.Width());
  if (!UseSkinFont()) {
    canvas.StretchDraw(client, image);
  } else {
    canvas.Draw(0, 0, image);
  }
}

void TksSkinEdit::PaintDisabledText(TCanvas& canvas) {
  TRect box = ClientRect();
  canvas.Font() = m_skin.Skinned() && UseSkinFont() ? m_look->font : DefaultFont();
  canvas.Font().SetColor(m_skin.Skinned() ? m_look->disabledFontColor : clGrayText);
  canvas.Brush().Style = TBrushStyle::bsClear;
  std::string text = DisplayText();
  int width = TextPixelWidth(canvas, text);
  int x = box.Left + 2;
  if (Alignment() == TAlignment::taRightJustify) x = box.Right - width - 1;
  if (Alignment() == TAlignment::taCenter) x = box.Left + 2 + box.Width() / 2 - width / 2 - 2;
  TCanvasSaver saver(canvas);
  canvas.IntersectClipRect(box);
  TRect r{x, 0, x + width + 1, box.Bottom};
  DrawTextAuto(canvas, text, r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

void TksSkinEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCCALCSIZE: {
      ReadSkinRecord();
      auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
      TRect in = Insets();
      TRect& r = params->rgrc[0];
      r = {r.Left + in.Left, r.Top + in.Top, r.Right - in.Right, r.Bottom - in.Bottom};
      r.Right = std::max(r.Right, r.Left);
      r.Bottom = std::max(r.Bottom, r.Top);
      m.Result = 0;
      return;
    }
    case WM_NCPAINT:
      PaintFrame();
      return;
    case WM_ERASEBKGND:
      if (m.WParam) PaintBackground(*reinterpret_cast<TCanvas*>(m.WParam));
      m.Result = 1;
      return;
    case CN_CTLCOLOREDIT: {
      auto* colors = reinterpret_cast<CtlColorRequest*>(m.WParam);
      colors->TextColor = Font().Color();
      colors->Transparent = true;  // the skin shows behind the text
      const TksSkinColors skin = m_skin.Colors();
      colors->HighlightColor = skin.cHighLight;
      colors->HighlightTextColor = skin.cHighLightText;
      m.Result = 1;
      return;
    }
    case WM_PAINT:
      if (!Enabled()) {
        TPaintStruct ps;
        TCanvas& c = WindowSystem().BeginPaint(Handle(), ps);
        PaintBackground(c);
        PaintDisabledText(c);
        WindowSystem().EndPaint(Handle(), ps);
        return;
      }
      break;
    case SkinMsgMenuCommand:
      if (m_menu) {
        // Freed after the command that it ran has returned.
        delete std::exchange(m_menu, nullptr);
      }
      return;
    default:
      break;
  }
  TCustomMaskEdit::WndProc(m);
}

void TksSkinEdit::KeyPress(char32_t& key) {
  if (key == '\r' || key == 27) {
    const WPARAM vk = key == '\r' ? VK_RETURN : VK_ESCAPE;
    TWinControl::KeyPress(key);  // OnKeyPress; the edit itself takes neither
    key = 0;
    for (TControl* p = Parent(); p; p = p->Parent()) {
      if (dynamic_cast<TCustomForm*>(p)) {
        p->Perform(CM_DIALOGKEY, vk);
        break;
      }
    }
    return;
  }
  TCustomMaskEdit::KeyPress(key);
}

void TksSkinEdit::MouseEnter() {
  TCustomMaskEdit::MouseEnter();
  m_mouseIn = true;
  UpdateFontColor();
  PaintFrame();
  Invalidate();
}

void TksSkinEdit::MouseLeave() {
  TCustomMaskEdit::MouseLeave();
  m_mouseIn = false;
  UpdateFontColor();
  PaintFrame();
  Invalidate();
}

void TksSkinEdit::DoEnter() {
  TCustomMaskEdit::DoEnter();
  UpdateFontColor();
  PaintFrame();
}

void TksSkinEdit::DoExit() {
  TCustomMaskEdit::DoExit();
  UpdateFontColor();
  PaintFrame();
}

void TksSkinEdit::SetEnabled(bool enabled) {
  TCustomMaskEdit::SetEnabled(enabled);
  UpdateFontColor();
  PaintFrame();
  Invalidate();
}

void TksSkinEdit::ContextPopup(int x, int y, bool& handled) {
  TWinControl::ContextPopup(x, y, handled);  // OnContextPopup
  if (handled || PopupMenu) return;
  handled = true;
  delete std::exchange(m_menu, nullptr);
  m_menu = new TksSkinPopupMenu(this);  // owned by the edit, freed after its command
  for (TControl* p = Parent(); p; p = p->Parent()) {
    if (auto* form = dynamic_cast<TCustomForm*>(p)) m_menu->PopupForm = form;
  }
  const TksResourceStrData* strings = m_skin.Data ? m_skin.Data->ResourceStrData() : nullptr;
  auto caption = [strings](const char* key, const char* fallback) {
    return SkinString(strings, key, fallback);
  };
  const bool selected = SelLength() > 0;
  const bool all = Buffer().AllSelected();
  struct Entry {
    const char* key;
    const char* caption;
    bool enabled;
    std::function<void()> run;
  };
  const Entry entries[] = {
      {"EDIT_UNDO", "Undo", CanUndo(), [this] { Undo(); }},
      {nullptr, "-", true, nullptr},
      {"EDIT_CUT", "Cut", selected && !ReadOnly(), [this] { Perform(WM_CUT); }},
      {"EDIT_COPY", "Copy", selected, [this] { CopyToClipboard(); }},
      {"EDIT_PASTE", "Paste", WindowSystem().HasClipboardText() && !ReadOnly(),
       [this] { PasteFromClipboard(); }},
      {"EDIT_DELETE", "Delete", selected && !ReadOnly(), [this] { ClearSelection(); }},
      {nullptr, "-", true, nullptr},
      {"EDIT_SELECTALL", "Select All", !all, [this] { SelectAll(); }},
  };
  for (const Entry& e : entries) {
    auto* item = new TMenuItem(m_menu);
    item->Caption = e.key ? caption(e.key, e.caption) : e.caption;
    item->Enabled = e.enabled;
    if (e.run) item->OnClick = [run = e.run](TObject*) { run(); };
    m_menu->Items().Add(item);
  }
  TPoint at =
      x == -1 && y == -1 ? ClientToScreen({Width() / 2, Height() / 2}) : ClientToScreen({x, y});
  m_menu->PopupAsContext(*this, at.X, at.Y);
}

}  // namespace kx
