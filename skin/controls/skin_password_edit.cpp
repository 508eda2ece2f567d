#include "skin/controls/skin_password_edit.h"

#include "platform/base/strings.h"
#include "platform/forms/forms.h"
#include "platform/window/api.h"
#include "skin/data/skin_data.h"

namespace kx {

TksSkinPasswordEdit::TksSkinPasswordEdit(TComponent* owner) : TksSkinCustomControl(owner, "edit") {
  TabStop = true;
  Cursor = crIBeam;
  SetBounds(Left(), Top(), 121, 21);
}

void TksSkinPasswordEdit::SetText(const std::string& text) {
  bool changed = text != m_text;
  m_text = text;
  m_caret = std::min(m_caret, static_cast<int>(m_text.size()));
  m_selStart = std::min(m_selStart, static_cast<int>(m_text.size()));
  m_selLength = 0;
  Scroll();
  Invalidate();
  if (changed && OnChange) OnChange(this);
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
  if (!UseSkinFont) height = h;
}

TRect TksSkinPasswordEdit::TextArea() const {
  if (!m_skin.Skinned()) return {2, 2, Width() - 2, Height() - 2};
  TRect r = StretchedClient();
  if (!UseSkinFont) r.Bottom += Height() - m_skinRect.Height();
  return r;
}

int TksSkinPasswordEdit::CellWidth() const {
  return TextArea().Height() / 2 + 3;
}

int TksSkinPasswordEdit::OriginX() const {
  TRect area = TextArea();
  int length = static_cast<int>(m_text.size());
  int cw = CellWidth();
  int x0 = area.Left;
  if (length * cw < area.Width()) {
    int free = area.Width() - length * cw;
    if (Alignment == TAlignment::taRightJustify) x0 += free;
    if (Alignment == TAlignment::taCenter) x0 += free / 2;
  }
  return x0;
}

int TksSkinPasswordEdit::XOf(int position) const {
  if (position == 0) return OriginX();
  int p = std::min(position, static_cast<int>(m_text.size()));
  return OriginX() + (p - m_first + 1) * CellWidth();
}

int TksSkinPasswordEdit::IndexAt(int x) const {
  int index = m_first - 1 + (x - OriginX()) / std::max(1, CellWidth());
  if (m_text.empty()) return m_first - 1;
  return std::clamp(index, 0, static_cast<int>(m_text.size()));
}

void TksSkinPasswordEdit::Scroll() {
  const int length = static_cast<int>(m_text.size());
  const int width = TextArea().Width();
  const int cw = CellWidth();
  if (m_first <= m_caret) {
    while (width < cw * (m_caret - m_first + 1) && m_first < length) ++m_first;
  } else {
    m_first = m_caret == 0 ? 1 : m_caret;
  }
}

void TksSkinPasswordEdit::SetCaret(int position) {
  m_caret = std::clamp(position, 0, static_cast<int>(m_text.size()));
  Scroll();
  if (m_selLength == 0) m_selStart = m_caret;
  if (Focused() && HandleAllocated()) WindowSystem().SetCaretPos(XOf(m_caret), TextArea().Top);
  Invalidate();
}

void TksSkinPasswordEdit::DeleteSelection() {
  std::string text = m_text;
  text.erase(static_cast<std::size_t>(m_selStart), static_cast<std::size_t>(m_selLength));
  int start = m_selStart;
  m_selLength = 0;
  SetText(text);
  SetCaret(start);
}

void TksSkinPasswordEdit::Insert(const std::string& s) {
  if (ReadOnly) return;
  std::string text = m_text;
  text.erase(static_cast<std::size_t>(m_selStart), static_cast<std::size_t>(m_selLength));
  text.insert(static_cast<std::size_t>(m_selStart), s);
  if (MaxLength > 0 && static_cast<int>(text.size()) > MaxLength) {
    m_selLength = 0;  // too long: only the selection goes
    Invalidate();
    return;
  }
  int caret = m_selStart + static_cast<int>(s.size());
  m_selLength = 0;
  SetText(text);
  m_selStart = caret;
  SetCaret(caret);
}

// ---- painting

void TksSkinPasswordEdit::DrawMark(TCanvas& c, const TRect& cell, TColor color) {
  const int inset = 2 - (cell.Width() - cell.Height()) / 2;
  TRect m{cell.Left + 2, cell.Top + inset, cell.Right - 2, cell.Bottom - inset};
  if (m.IsEmpty()) return;
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = color;
  c.Pen().Color = color;
  switch (PasswordKind) {
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
  const int length = static_cast<int>(m_text.size());
  const bool showSelection = Focused() || !HideSelection;
  TRect selection;
  if (showSelection && m_selLength > 0) {
    selection = {XOf(m_selStart), area.Top, XOf(m_selStart) + m_selLength * cw, area.Bottom};
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
  if (!showSelection || m_selLength <= 0) return;
  int firstSelected = std::max(m_selStart, m_first - 1);
  for (int i = firstSelected, k = 0; i < m_selStart + m_selLength; ++i, ++k) {
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
    if (!UseSkinFont) {
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
  c.Brush().Color = DefaultColor;
  c.FillRect(r);
  c.Brush().Color = clBtnShadow;
  c.FrameRect(r);
  c.Brush().Color = clBtnFace;
  c.FrameRect(r.Inflated(-1, -1));
  DrawMarks(c, Enabled() ? DefaultFont.Color() : clGrayText,
            Enabled() ? clHighlightText : clGrayText);
}

// ---- input

void TksSkinPasswordEdit::WndProc(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  }
  TksSkinCustomControl::WndProc(m);
}

namespace {
bool IsSpace(char c) {
  return c == ' ';
}
}  // namespace

void TksSkinPasswordEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  TksSkinCustomControl::KeyDown(key, shift);
  const int old = m_caret;
  const int length = static_cast<int>(m_text.size());
  const bool ctrl = (shift & ssCtrl) != 0, shifted = (shift & ssShift) != 0,
             alt = (shift & ssAlt) != 0;
  int moved = -1;
  switch (key) {
    case VK_BACK:
    case VK_DELETE:
      if (ReadOnly) return;
      if (m_selLength > 0) {
        DeleteSelection();
      } else if (key == VK_DELETE && m_caret < length) {
        m_selStart = m_caret;
        m_selLength = 1;
        DeleteSelection();
      } else if (key == VK_BACK && m_caret > 0) {
        m_selStart = m_caret - 1;
        m_selLength = 1;
        DeleteSelection();
      }
      key = 0;
      return;
    case VK_HOME:
      moved = 0;
      break;
    case VK_END:
      moved = length;
      break;
    case VK_LEFT:
      moved = m_caret - 1;
      if (ctrl) {
        int p = m_caret;
        while (p > 0 && IsSpace(m_text[static_cast<std::size_t>(p - 1)])) --p;
        while (p > 0 && !IsSpace(m_text[static_cast<std::size_t>(p - 1)])) --p;
        moved = p;
      }
      break;
    case VK_RIGHT:
      moved = m_caret + 1;
      if (ctrl) {
        int p = m_caret;
        while (p < length && !IsSpace(m_text[static_cast<std::size_t>(p)])) ++p;
        while (p < length && IsSpace(m_text[static_cast<std::size_t>(p)])) ++p;
        moved = p;
      }
      break;
    case 'V':
      if (ctrl && !shifted && !alt) {
        Insert(Utf16ToUtf8(WindowSystem().GetClipboardText()));
        key = 0;
      }
      return;
    case VK_INSERT:
      if (shifted && !ctrl && !alt) {
        Insert(Utf16ToUtf8(WindowSystem().GetClipboardText()));
        key = 0;
      }
      return;
    default:
      return;
  }
  moved = std::clamp(moved, 0, length);
  if (shifted) {
    // The selection grows from the old position.
    int anchor =
        m_selLength > 0 ? (m_selStart == old ? m_selStart + m_selLength : m_selStart) : old;
    m_selStart = std::min(anchor, moved);
    m_selLength = std::abs(anchor - moved);
  } else {
    m_selLength = 0;
  }
  SetCaret(moved);
  key = 0;
}

void TksSkinPasswordEdit::KeyPress(char& key) {
  TksSkinCustomControl::KeyPress(key);  // OnKeyPress first
  if (static_cast<unsigned char>(key) < 32 || ReadOnly) return;
  Insert(std::string(1, key));
}

void TksSkinPasswordEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || (shift & ssDouble)) return;
  m_dragging = true;
  if (CanFocus()) SetFocus();
  m_selLength = 0;
  SetCaret(IndexAt(x));
  m_selStart = m_caret;
}

void TksSkinPasswordEdit::MouseMove(TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseMove(shift, x, y);
  if (!m_dragging) return;
  int anchor = m_selLength > 0 && m_selStart == m_caret ? m_selStart + m_selLength : m_selStart;
  if (m_selLength == 0) anchor = m_caret;
  int index = IndexAt(x) + (x > TextArea().Right ? 1 : 0);
  index = std::clamp(index, 0, static_cast<int>(m_text.size()));
  m_selStart = std::min(anchor, index);
  m_selLength = std::abs(anchor - index);
  SetCaret(index);
}

void TksSkinPasswordEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TksSkinCustomControl::MouseUp(button, shift, x, y);
  m_dragging = false;
}

void TksSkinPasswordEdit::DblClick() {
  TksSkinCustomControl::DblClick();
  m_dragging = false;
  const int length = static_cast<int>(m_text.size());
  int start = m_caret, end = m_caret;
  while (start > 0 && !IsSpace(m_text[static_cast<std::size_t>(start - 1)])) --start;
  while (end < length && !IsSpace(m_text[static_cast<std::size_t>(end)])) ++end;
  while (end < length && IsSpace(m_text[static_cast<std::size_t>(end)])) ++end;
  m_selStart = start;
  m_selLength = end - start;
  SetCaret(end);
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
  m_caret = 0;
  m_selLength = 0;
  if (AutoSelect) {
    m_selStart = 0;
    m_selLength = static_cast<int>(m_text.size());
  }
  SetCaret(0);
  WindowSystem().ShowCaret(Handle());
}

void TksSkinPasswordEdit::DoExit() {
  TksSkinCustomControl::DoExit();
  WindowSystem().DestroyCaret();
  Invalidate();
}

}  // namespace kx
