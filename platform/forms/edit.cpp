#include "platform/forms/edit.h"

#include <algorithm>
#include <vector>

#include "platform/base/strings.h"
#include "platform/forms/forms.h"
#include "platform/forms/menus.h"
#include "platform/window/api.h"

namespace kx {

namespace {

// Widths of the text's prefixes: entry i is the width of the first i
// characters, each measured whole.
std::vector<int> PrefixWidths(const TFont& font, const std::string& text) {
  TBitmap scratch(1, 1);
  TCanvas& c = scratch.Canvas();
  c.Font() = font;
  std::vector<std::size_t> starts = Utf8CharStarts(text);
  std::vector<int> widths(starts.size(), 0);
  for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
    std::string_view character(text.data() + starts[i], starts[i + 1] - starts[i]);
    widths[i + 1] = widths[i] + c.TextWidth(character);
  }
  return widths;
}

int FontHeight(const TFont& font) {
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = font;
  return scratch.Canvas().TextHeight("Wg");
}

}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
  Cursor = crIBeam;
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = "EDIT";
  params.Style |= ES_AUTOHSCROLL;
  if (m_alignment == TAlignment::taRightJustify) params.Style |= ES_RIGHT;
  if (m_alignment == TAlignment::taCenter) params.Style |= ES_CENTER;
  if (m_passwordChar) params.Style |= ES_PASSWORD;
  if (m_readOnly) params.Style |= ES_READONLY;
  if (!HideSelection) params.Style |= ES_NOHIDESEL;
  if (m_borderStyle == TEditBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  params.Text = m_buffer.Text();
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  ScrollToCaret();
}

void TCustomEdit::SetCaption(const std::string& text) {
  std::string cased = ApplyCharCase(text, m_buffer.CharCase);
  if (cased == m_buffer.Text() && cased == Caption()) return;
  bool changed = cased != m_buffer.Text();
  m_buffer.SetText(cased);
  m_scrollX = 0;
  TWinControl::SetCaption(cased);
  if (changed) Change();
  Invalidate();
}

void TCustomEdit::SetMaxLength(int value) {
  m_buffer.MaxLength = std::max(0, value);
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  m_buffer.CharCase = value;
  SetCaption(m_buffer.Text());
}

void TCustomEdit::SetReadOnly(bool value) {
  m_readOnly = value;
  if (HandleAllocated()) {
    std::uint32_t style = WindowSystem().GetStyle(Handle());
    WindowSystem().SetStyle(Handle(), value ? (style | ES_READONLY) : (style & ~ES_READONLY));
  }
}

void TCustomEdit::SetPasswordChar(char value) {
  if (value == m_passwordChar) return;
  m_passwordChar = value;
  RecreateWnd();
  Invalidate();
}

void TCustomEdit::SetAlignment(TAlignment value) {
  if (value == m_alignment) return;
  m_alignment = value;
  RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TEditBorderStyle value) {
  if (value == m_borderStyle) return;
  m_borderStyle = value;
  RecreateWnd();
}

void TCustomEdit::FontChanged() {
  TWinControl::FontChanged();
  ScrollToCaret();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::SetSel(int start, int end) {
  m_buffer.SetSel(start, end);
  SelectionChanged();
}

void TCustomEdit::SelectAll() {
  SetSel(0, -1);
}

std::string TCustomEdit::DisplayText() const {
  if (m_passwordChar)
    return std::string(static_cast<std::size_t>(m_buffer.Length()), m_passwordChar);
  return m_buffer.Text();
}

TRect TCustomEdit::FormatRect() const {
  TRect r = ClientRect();
  r.Left += m_leftMargin;
  r.Right -= m_rightMargin;
  r.Right = std::max(r.Right, r.Left);
  return r;
}

std::vector<int> TCustomEdit::DisplayWidths() const {
  return PrefixWidths(Font(), DisplayText());
}

int TCustomEdit::TextX(const std::vector<int>& widths, int position) const {
  TRect f = FormatRect();
  int total = widths.back();
  int offset = 0;
  if (total < f.Width()) {
    if (m_alignment == TAlignment::taRightJustify) offset = f.Width() - total - 1;
    if (m_alignment == TAlignment::taCenter) offset = (f.Width() - total) / 2;
  }
  return f.Left + offset +
         widths[static_cast<std::size_t>(std::clamp(position, 0, m_buffer.Length()))] - m_scrollX;
}

int TCustomEdit::PositionAt(int x) {
  std::vector<int> widths = DisplayWidths();
  int origin = TextX(widths, 0);
  int best = 0;
  for (std::size_t i = 1; i < widths.size(); ++i) {
    int mid = origin + (widths[i - 1] + widths[i]) / 2;
    if (x >= mid) best = static_cast<int>(i);
  }
  return best;
}

void TCustomEdit::ScrollToCaret() {
  std::vector<int> widths = DisplayWidths();
  int width = FormatRect().Width();
  int caretX = widths[static_cast<std::size_t>(m_buffer.Caret())];
  int total = widths.back();
  if (total < width) {
    m_scrollX = 0;
  } else {
    if (caretX < m_scrollX) m_scrollX = std::max(0, caretX - width / 4);
    if (caretX - m_scrollX > width - 1) m_scrollX = caretX - width + 1;
    m_scrollX = std::clamp(m_scrollX, 0, std::max(0, total - width + 1));
  }
  PlaceCaret(widths);
}

void TCustomEdit::PlaceCaret(const std::vector<int>& widths) {
  if (!Focused()) return;
  TRect f = FormatRect();
  int height = std::min(FontHeight(Font()), f.Height());
  WindowSystem().SetCaretPos(TextX(widths, m_buffer.Caret()),
                             f.Top + std::max(0, (f.Height() - height) / 2));
}

void TCustomEdit::SelectionChanged() {
  ScrollToCaret();
  Invalidate();
}

bool TCustomEdit::Modify(bool changed) {
  if (!changed) return false;
  TWinControl::SetCaption(m_buffer.Text());
  SelectionChanged();
  Change();
  return true;
}

void TCustomEdit::TypeChar(char32_t c) {
  if (m_readOnly) return;
  Modify(m_buffer.ReplaceSelection(CodePointToUtf8(c)));
}

void TCustomEdit::EditKey(int vk, TShiftState shift) {
  bool extend = shift & ssShift;
  bool ctrl = shift & ssCtrl;
  int caret = m_buffer.Caret();
  switch (vk) {
    case VK_LEFT:
      if (!extend && m_buffer.SelLength() > 0 && !ctrl) {
        m_buffer.MoveCaret(m_buffer.SelStart(), false);
      } else {
        m_buffer.MoveCaret(ctrl ? m_buffer.WordLeft(caret) : caret - 1, extend);
      }
      break;
    case VK_RIGHT:
      if (!extend && m_buffer.SelLength() > 0 && !ctrl) {
        m_buffer.MoveCaret(m_buffer.SelEnd(), false);
      } else {
        m_buffer.MoveCaret(ctrl ? m_buffer.WordRight(caret) : caret + 1, extend);
      }
      break;
    case VK_HOME:
      m_buffer.MoveCaret(0, extend);
      break;
    case VK_END:
      m_buffer.MoveCaret(m_buffer.Length(), extend);
      break;
    case VK_DELETE:
      if (extend) {
        Perform(WM_CUT);
      } else if (!m_readOnly) {
        Modify(m_buffer.DeleteForward());
      }
      return;
    case VK_INSERT:
      if (ctrl) Perform(WM_COPY);
      if (extend) Perform(WM_PASTE);
      return;
    default:
      return;
  }
  SelectionChanged();
}

bool TCustomEdit::HandleEditMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_CUT:
      if (!m_readOnly && m_buffer.SelLength() > 0 && !m_passwordChar) {
        WindowSystem().SetClipboardUtf8(m_buffer.SelText());
        Modify(m_buffer.DeleteSelection());
      }
      return true;
    case WM_COPY:
      if (m_buffer.SelLength() > 0 && !m_passwordChar)
        WindowSystem().SetClipboardUtf8(m_buffer.SelText());
      return true;
    case WM_PASTE:
      if (!m_readOnly && WindowSystem().HasClipboardText()) {
        std::string text = WindowSystem().GetClipboardUtf8();
        text = text.substr(0, text.find_first_of("\r\n"));
        Modify(m_buffer.ReplaceSelection(text));
      }
      return true;
    case WM_CLEAR:
      if (!m_readOnly) Modify(m_buffer.DeleteSelection());
      return true;
    case WM_UNDO:
    case EM_UNDO:
      m.Result = !m_readOnly && Modify(m_buffer.Undo());
      return true;
    case EM_CANUNDO:
      m.Result = m_buffer.CanUndo();
      return true;
    case EM_EMPTYUNDOBUFFER:
      m_buffer.EmptyUndo();
      return true;
    case EM_GETSEL:
      m.Result = MAKELPARAM(m_buffer.SelStart(), m_buffer.SelEnd());
      return true;
    case EM_SETSEL:
      SetSel(static_cast<int>(m.WParam), static_cast<int>(m.LParam));
      return true;
    case EM_REPLACESEL:
      if (m.LParam) Modify(m_buffer.ReplaceSelection(reinterpret_cast<const char*>(m.LParam)));
      return true;
    case EM_LIMITTEXT:
      SetMaxLength(static_cast<int>(m.WParam));
      return true;
    case EM_SETREADONLY:
      SetReadOnly(m.WParam != 0);
      m.Result = 1;
      return true;
    case EM_SETPASSWORDCHAR:
      SetPasswordChar(static_cast<char>(m.WParam));
      return true;
    case EM_SETMARGINS:
      if (m.WParam & EC_LEFTMARGIN) m_leftMargin = LOWORD(m.LParam);
      if (m.WParam & EC_RIGHTMARGIN) m_rightMargin = HIWORD(m.LParam);
      SelectionChanged();
      return true;
    case EM_GETMARGINS:
      m.Result = MAKELPARAM(m_leftMargin, m_rightMargin);
      return true;
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
      return true;
    default:
      return false;
  }
}

void TCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TWinControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  if (shift & ssDouble) {
    int at = PositionAt(x);
    int start = m_buffer.WordLeft(std::min(at + 1, m_buffer.Length()));
    m_buffer.SetSel(start, m_buffer.WordRight(start));
    SelectionChanged();
    return;
  }
  bool hadFocus = Focused();
  m_focusedByMouse = !hadFocus;
  if (!hadFocus) SetFocus();
  m_focusedByMouse = false;
  m_buffer.MoveCaret(PositionAt(x), (shift & ssShift) != 0);
  m_selecting = true;
  WindowSystem().SetCapture(Handle());
  SelectionChanged();
}

void TCustomEdit::MouseMove(TShiftState shift, int x, int y) {
  TWinControl::MouseMove(shift, x, y);
  if (!m_selecting) return;
  m_buffer.MoveCaret(PositionAt(x), true);
  SelectionChanged();
}

void TCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TWinControl::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !m_selecting) return;
  m_selecting = false;
  if (WindowSystem().GetCapture() == Handle()) WindowSystem().ReleaseCapture();
}

void TCustomEdit::ContextPopup(int x, int y, bool& handled) {
  TWinControl::ContextPopup(x, y, handled);
  if (handled) return;
  ShowContextMenu(x, y);
  handled = true;
}

void TCustomEdit::ShowContextMenu(int x, int y) {
  // A request from the keyboard (-1, -1) opens the menu at the middle of the edit.
  TPoint at =
      x == -1 && y == -1 ? ClientToScreen({Width() / 2, Height() / 2}) : ClientToScreen({x, y});
  if (auto* menu = dynamic_cast<TPopupMenu*>(PopupMenu)) {
    menu->PopupComponent = this;
    menu->Popup(at.X, at.Y);
    return;
  }
  delete m_contextMenu;
  m_contextMenu = new TPopupMenu(this);  // owned by this edit
  bool selected = m_buffer.SelLength() > 0;
  struct MenuEntry {
    const char* caption;
    bool enabled;
    UINT message;
  };
  const MenuEntry entries[] = {
      {"&Undo", m_buffer.CanUndo() && !m_readOnly, WM_UNDO},
      {"-", true, 0},
      {"Cu&t", selected && !m_readOnly && !m_passwordChar, WM_CUT},
      {"&Copy", selected && !m_passwordChar, WM_COPY},
      {"&Paste", WindowSystem().HasClipboardText() && !m_readOnly, WM_PASTE},
      {"&Delete", selected && !m_readOnly, WM_CLEAR},
      {"-", true, 0},
      {"Select &All", !m_buffer.AllSelected(), EM_SETSEL},
  };
  for (const MenuEntry& e : entries) {
    auto* item = new TMenuItem(m_contextMenu);  // owned by the menu
    item->Caption = e.caption;
    item->Enabled = e.enabled;
    UINT message = e.message;
    if (message) {
      item->OnClick = [this, message](TObject*) {
        if (message == EM_SETSEL) {
          SelectAll();
        } else {
          Perform(message);
        }
      };
    }
    m_contextMenu->Items().Add(item);
  }
  m_contextMenu->PopupComponent = this;
  m_contextMenu->Popup(at.X, at.Y);
}

void TCustomEdit::PaintText() {
  TPaintStruct ps;
  TCanvas& c = WindowSystem().BeginPaint(Handle(), ps);
  CtlColorRequest colors;
  colors.TextColor = Font().Color();
  colors.BackColor = Color();
  if (Parent() && Parent()->HandleAllocated()) {
    WindowSystem().SendMessage(Parent()->Handle(), WM_CTLCOLOREDIT,
                               reinterpret_cast<WPARAM>(&colors),
                               reinterpret_cast<LPARAM>(Handle()));
  } else {
    Perform(CN_CTLCOLOREDIT, reinterpret_cast<WPARAM>(&colors), reinterpret_cast<LPARAM>(Handle()));
  }
  TRect client = ClientRect();
  if (!colors.Transparent) {
    c.Brush().Style = TBrushStyle::bsSolid;
    c.Brush().Color = colors.BackColor;
    c.FillRect(client);
  }
  TRect f = FormatRect();
  c.IntersectClipRect(f);
  c.Font() = Font();
  c.Font().SetColor(Enabled() ? colors.TextColor : clGrayText);
  c.Brush().Style = TBrushStyle::bsClear;
  std::string text = DisplayText();
  int height = c.TextHeight("Wg");
  int y = f.Top + std::max(0, (f.Height() - height) / 2);
  std::vector<int> widths = DisplayWidths();
  int x0 = TextX(widths, 0);
  c.TextOut(x0, y, text);
  bool showSelection = m_buffer.SelLength() > 0 && (Focused() || !HideSelection);
  if (showSelection) {
    int left = TextX(widths, m_buffer.SelStart());
    int right = TextX(widths, m_buffer.SelEnd());
    c.Brush().Style = TBrushStyle::bsSolid;
    c.Brush().Color = colors.HighlightColor;
    c.FillRect({left, y, right, y + height});
    c.Font().SetColor(colors.HighlightTextColor);
    c.Brush().Style = TBrushStyle::bsClear;
    std::vector<std::size_t> starts = Utf8CharStarts(text);
    std::size_t from = starts[static_cast<std::size_t>(m_buffer.SelStart())];
    std::size_t to = starts[static_cast<std::size_t>(m_buffer.SelEnd())];
    c.TextOut(left, y, std::string_view(text).substr(from, to - from));
  }
  WindowSystem().EndPaint(Handle(), ps);
}

void TCustomEdit::DoEnter() {
  TWinControl::DoEnter();
  TRect f = FormatRect();
  WindowSystem().CreateCaret(Handle(), 1, std::min(FontHeight(Font()), f.Height()));
  if (AutoSelect && !m_focusedByMouse && !FocusReturned()) m_buffer.SelectAll();
  ScrollToCaret();
  WindowSystem().ShowCaret(Handle());
  Invalidate();
}

void TCustomEdit::DoExit() {
  TWinControl::DoExit();
  WindowSystem().DestroyCaret();
  m_selecting = false;
  Invalidate();
}

void TCustomEdit::Resize() {
  TWinControl::Resize();
  if (HandleAllocated()) ScrollToCaret();
}

void TCustomEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);  // a handler of OnKeyDown can consume the key
  // The edit moves and deletes on plain keys only; Alt belongs to the menus.
  if (key != 0 && !(shift & ssAlt)) EditKey(key, shift);
}

void TCustomEdit::KeyPress(char32_t& key) {
  TWinControl::KeyPress(key);
  char32_t c = key;
  if (c == 0) return;
  if (c == 8) {
    if (!m_readOnly) Modify(m_buffer.DeleteBackward());
  } else if (c == 1) {
    SelectAll();
  } else if (c == 3) {
    Perform(WM_COPY);
  } else if (c == 0x16) {
    Perform(WM_PASTE);
  } else if (c == 0x18) {
    Perform(WM_CUT);
  } else if (c == 0x1A) {
    Perform(WM_UNDO);
  } else if (c >= 32 && c != 127) {
    TypeChar(c);
  }
}

void TCustomEdit::WndProc(TMessage& m) {
  if (HandleEditMessage(m)) return;
  switch (m.Msg) {
    case WM_PAINT:
      PaintText();
      return;
    case CN_CTLCOLOREDIT: {
      auto* colors = reinterpret_cast<CtlColorRequest*>(m.WParam);
      colors->TextColor = Font().Color();
      colors->BackColor = Color();
      m.Result = 1;
      return;
    }
    default:
      TWinControl::WndProc(m);
  }
}

}  // namespace kx
