#include "skin/controls/skin_password_edit.h"

#include "platform/base/strings.h"
#include "platform/forms/forms.h"
#include "platform/window/api.h"
#include "skin/data/skin_data.h"

namespace kx {

TksSkinPasswordEdit::TksSkinPasswordEdit(TComponent* owner) : TksSkinCustomControl(owner, "edit") {
  TabStop = true;
  SetColor(clWindow);
  Cursor = crIBeam;
  SetBounds(Left(), Top(), 121, 21);
}

void TksSkinPasswordEdit::SetText(const std::string& text) {
  const std::string cased = ApplyCharCase(text, m_buffer.CharCase);
  if (cased == m_buffer.Text()) {
    Invalidate();
    return;
  }
  // The caret keeps its place as far as the new text reaches; a selection of
  // the old text means nothing in the new one.
  const int caret = m_buffer.Caret();
  m_buffer.SetText(cased);
  MoveCaret(caret, false);
  if (OnChange) OnChange(this);
}

void TksSkinPasswordEdit::SetCharCase(TEditCharCase value) {
  m_buffer.CharCase = value;
  SetText(m_buffer.Text());
}

void TksSkinPasswordEdit::SetTextAlignment(TAlignment value) {
  m_textAlignment = value;
  PlaceCaret();
}

void TksSkinPasswordEdit::SetPasswordKind(TksPasswordKind value) {
  m_passwordKind = value;
  Invalidate();
}

void TksSkinPasswordEdit::SetHideSelection(bool value) {
  m_hideSelection = value;
  Invalidate();
}

void TksSkinPasswordEdit::SetDefaultColor(TColor value) {
  m_defaultColor = value;
  Invalidate();
}

void TksSkinPasswordEdit::ReadSkinRecord() {
  TksSkinCustomControl::ReadSkinRecord();
  auto* r = m_skin.Record<TksDataSkinEditControl>();
  if (!r) return;
  m_activeSkinRect = r->ActiveSkinRect.IsEmpty() ? r->SkinRect : r->ActiveSkinRect;
  m_fontColor = r->Font.Color;
  m_activeFontColor = r->ActiveFontColor;
  m_disabledFontColor = r->DisabledFontColor;
}

void TksSkinPasswordEdit::CalcSkinSize(int& width, int& height) {
  int h = height;
  TksSkinCustomControl::CalcSkinSize(width, height);
  if (!UseSkinFont()) height = h;
}

TRect TksSkinPasswordEdit::TextArea() const {
  if (!m_skin.Skinned()) return {2, 2, Width() - 2, Height() - 2};
  TRect r = StretchedClient();
  if (!UseSkinFont()) r.Bottom += Height() - m_skinRect.Height();
  return r;
}

int TksSkinPasswordEdit::CellWidth() const {
  return TextArea().Height() / 2 + 3;
}

int TksSkinPasswordEdit::OriginX() const {
  TRect area = TextArea();
  int length = Length();
  int cw = CellWidth();
  int x0 = area.Left;
  if (length * cw < area.Width()) {
    int free = area.Width() - length * cw;
    if (m_textAlignment == TAlignment::taRightJustify) x0 += free;
    if (m_textAlignment == TAlignment::taCenter) x0 += free / 2;
  }
  return x0;
}

int TksSkinPasswordEdit::XOf(int position) const {
  if (position == 0) return OriginX();
  int p = std::min(position, Length());
  return OriginX() + (p - m_first + 1) * CellWidth();
}

int TksSkinPasswordEdit::IndexAt(int x) const {
  int index = m_first - 1 + (x - OriginX()) / std::max(1, CellWidth());
  if (Length() == 0) return m_first - 1;
  return std::clamp(index, 0, Length());
}

void TksSkinPasswordEdit::Scroll() {
  const int caret = m_buffer.Caret();
  const int width = TextArea().Width();
  const int cw = CellWidth();
  if (m_first <= caret) {
    while (width < cw * (caret - m_first + 1) && m_first < Length()) ++m_first;
  } else {
    m_first = caret == 0 ? 1 : caret;
  }
}

void TksSkinPasswordEdit::MoveCaret(int position, bool extend) {
  m_buffer.MoveCaret(position, extend);
  PlaceCaret();
}

void TksSkinPasswordEdit::PlaceCaret() {
  Scroll();
  if (Focused() && HandleAllocated()) {
    WindowSystem().SetCaretPos(XOf(m_buffer.Caret()), TextArea().Top);
  }
  Invalidate();
}

void TksSkinPasswordEdit::Changed(bool changed) {
  if (!changed) return;
  MoveCaret(m_buffer.Caret(), false);
  if (OnChange) OnChange(this);
}

void TksSkinPasswordEdit::Insert(const std::string& s) {
  if (ReadOnly) return;
  m_buffer.MaxLength = MaxLength;
  if (!m_buffer.Fits(s)) {
    MoveCaret(m_buffer.Caret(), false);  // too long: only the selection goes
    return;
  }
  Changed(m_buffer.ReplaceSelection(s));
}

// ---- painting

void TksSkinPasswordEdit::DrawMark(TCanvas& c, const TRect& cell, TColor color) {
  const int inset = 2 - (cell.Width() - cell.Height()) / 2;
  TRect m{cell.Left + 2, cell.Top + inset, cell.Right - 2, cell.Bottom - inset};
  if (m.IsEmpty()) return;
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = color;
  c.Pen().Color = color;
  switch (m_passwordKind) {
    case TksPasswordKind::pkRoundRect:
      // A corner ellipse as high as the mark rounds it visibly even at 6 x 7.
      c.RoundRect(m, m.Width() / 2, m.Height());
      break;
    case TksPasswordKind::pkRect:
      c.FillRect(m);
      break;
    case TksPasswordKind::pkTriangle: {
      int side = m.Width() % 2 == 0 ? m.Width() + 1 : m.Width();
      int left = cell.Left + (cell.Width() - side) / 2;
      int top = cell.Top + (cell.Height() - side) / 2;
      c.Polygon({{left + side / 2 + 1, top}, {left + side, top + side}, {left, top + side}});
      break;
    }
  }
}

void TksSkinPasswordEdit::DrawMarks(TCanvas& c, TColor normal, TColor selectedColor) {
  const TRect area = TextArea();
  const int cw = CellWidth();
  const int x0 = OriginX();
  const int length = Length();
  const int selStart = m_buffer.SelStart();
  const int selLength = m_buffer.SelLength();
  const bool showSelection = Focused() || !m_hideSelection;
  TRect selection;
  if (showSelection && selLength > 0) {
    selection = {XOf(selStart), area.Top, XOf(selStart) + selLength * cw, area.Bottom};
    selection = selection.Intersected(area);
    c.Brush().Style = TBrushStyle::bsSolid;
    c.Brush().Color = m_skin.Colors().cHighLight;
    c.FillRect(selection);
  }
  for (int k = 0; k <= length - m_first; ++k) {
    TRect cell{x0 + k * cw, area.Top, x0 + (k + 1) * cw, area.Bottom};
    if (cell.Right > area.Right) break;
    DrawMark(c, cell, normal);
  }
  if (!showSelection || selLength <= 0) return;
  int firstSelected = std::max(selStart, m_first - 1);
  for (int i = firstSelected, k = 0; i < selStart + selLength; ++i, ++k) {
    TRect cell{selection.Left + k * cw, area.Top, selection.Left + (k + 1) * cw, area.Bottom};
    if (cell.Right > selection.Right) break;
    DrawMark(c, cell, selectedColor);
  }
}

void TksSkinPasswordEdit::DrawSkinned(TBitmap& bitmap) {
  const TRect& state = m_mouseIn || Focused() ? m_activeSkinRect : m_skinRect;
  if (m_picture) {
    TBitmap strip =
        BuildHStripImage(*m_picture, state, m_geometry.LT.X, m_skinRect.Width() - m_geometry.RT.X,
                         m_stretch.Centre, Width());
    if (!UseSkinFont()) {
      bitmap.Canvas().StretchDraw({0, 0, Width(), Height()}, strip);
    } else {
      bitmap.Canvas().Draw(0, 0, strip);
    }
  }
  TColor color = !Enabled()               ? m_disabledFontColor
                 : m_mouseIn || Focused() ? m_activeFontColor
                                          : m_fontColor;
  // Selected marks of a disabled field are as grey as the others.
  DrawMarks(bitmap.Canvas(), color, Enabled() ? m_skin.Colors().cHighLightText : color);
}

void TksSkinPasswordEdit::DrawPlain(TBitmap& bitmap) {
  TCanvas& c = bitmap.Canvas();
  TRect r{0, 0, bitmap.Width(), bitmap.Height()};
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = m_defaultColor;
  c.FillRect(r);
  c.Brush().Color = clBtnShadow;
  c.FrameRect(r);
  c.Brush().Color = clBtnFace;
  c.FrameRect(r.Inflated(-1, -1));
  DrawMarks(c, Enabled() ? DefaultFont().Color() : clGrayText,
            Enabled() ? clHighlightText : clGrayText);
}

// ---- input

void TksSkinPasswordEdit::CreateParams(TCreateParams& params) {
  TksSkinCustomControl::CreateParams(params);
  // A field is typed into: a Cursor left at 0 shows the I-beam of its window class.
  params.Cursor = LoadCursor(TStandardCursor::IBeam);
}

void TksSkinPasswordEdit::WndProc(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  }
  TksSkinCustomControl::WndProc(m);
}

void TksSkinPasswordEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  TksSkinCustomControl::KeyDown(key, shift);
  const int caret = m_buffer.Caret();
  const bool ctrl = (shift & ssCtrl) != 0, shifted = (shift & ssShift) != 0,
             alt = (shift & ssAlt) != 0;
  int moved = 0;
  switch (key) {
    case VK_BACK:
    case VK_DELETE:
      if (ReadOnly) return;
      Changed(key == VK_DELETE ? m_buffer.DeleteForward() : m_buffer.DeleteBackward());
      key = 0;
      return;
    case VK_HOME:
      moved = 0;
      break;
    case VK_END:
      moved = Length();
      break;
    case VK_LEFT:
      moved = ctrl ? m_buffer.WordLeft(caret) : caret - 1;
      break;
    case VK_RIGHT:
      moved = ctrl ? m_buffer.WordRight(caret) : caret + 1;
      break;
    case 'V':
    case VK_INSERT:
      // Paste: Ctrl+V or Shift+Insert, each alone.
      if (key == 'V' ? (ctrl && !shifted && !alt) : (shifted && !ctrl && !alt)) {
        // Only the first line: a password copied with its line break is the password.
        std::string clipboard = WindowSystem().GetClipboardUtf8();
        clipboard = clipboard.substr(0, clipboard.find_first_of("\r\n"));
        if (!clipboard.empty()) Insert(clipboard);  // an empty clipboard pastes nothing
        key = 0;
      }
      return;
    default:
      return;
  }
  // With Shift the selection grows from where it was anchored.
  MoveCaret(moved, shifted);
  key = 0;
}

void TksSkinPasswordEdit::KeyPress(char32_t& key) {
  TksSkinCustomControl::KeyPress(key);  // OnKeyPress first
  if (key < 32 || ReadOnly) return;
  Insert(CodePointToUtf8(key));
}

void TksSkinPasswordEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || (shift & ssDouble)) return;
  m_dragging = true;
  if (CanFocus()) SetFocus();
  MoveCaret(IndexAt(x), false);
}

void TksSkinPasswordEdit::MouseMove(TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseMove(shift, x, y);
  if (!m_dragging) return;
  MoveCaret(IndexAt(x) + (x > TextArea().Right ? 1 : 0), true);
}

void TksSkinPasswordEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseUp(button, shift, x, y);
  m_dragging = false;
}

void TksSkinPasswordEdit::DblClick() {
  TksSkinCustomControl::DblClick();
  m_dragging = false;
  m_buffer.SelectWord(m_buffer.Caret());
  MoveCaret(m_buffer.Caret(), true);
}

void TksSkinPasswordEdit::MouseEnter() {
  TksSkinCustomControl::MouseEnter();
  m_mouseIn = true;
  if (!Focused()) Invalidate();
}

void TksSkinPasswordEdit::MouseLeave() {
  TksSkinCustomControl::MouseLeave();
  m_mouseIn = false;
  if (!Focused()) Invalidate();
}

void TksSkinPasswordEdit::DoEnter() {
  TksSkinCustomControl::DoEnter();
  if (!HandleAllocated()) return;
  WindowSystem().CreateCaret(Handle(), 0, TextArea().Height());
  if (FocusReturned()) {
    // Back from another window: the text stays as it was left.
    PlaceCaret();
  } else {
    // AutoSelect selects everything with the caret at the start.
    m_buffer.SetSel(AutoSelect ? Length() : 0, 0);
    MoveCaret(0, true);
  }
  WindowSystem().ShowCaret(Handle());
}

void TksSkinPasswordEdit::DoExit() {
  TksSkinCustomControl::DoExit();
  WindowSystem().DestroyCaret();
  Invalidate();
}

}  // namespace kx
