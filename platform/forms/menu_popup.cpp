// The plain popup of a menu that no skin draws: one top-level popup window per
// open level, tracked in a loop of its own like the platform's popup menus.
#include <algorithm>
#include <memory>

#include "platform/forms/image_list.h"
#include "platform/forms/menus.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"

namespace kx {

namespace {

constexpr int kFrame = 3;
constexpr int kItemHeight = 19;
constexpr int kLineHeight = 8;
constexpr int kGlyphColumn = 20;
constexpr int kArrowColumn = 16;

TFont MenuFont() {
  return TFont("MS Sans Serif", -11, {}, clMenuText);
}

class PlainPopup {
 public:
  PlainPopup(TMenu& menu, const TMenuItem& parent, TPoint at, bool submenu)
      : m_sys(WindowSystem()), m_menu(menu), m_items(parent.ShownItems()), m_submenu(submenu) {
    Layout();
    Create(Place(at, submenu));
  }
  ~PlainPopup() {
    if (m_sys.IsWindow(m_hwnd)) m_sys.DestroyWindow(m_hwnd);
  }
  PlainPopup(const PlainPopup&) = delete;
  PlainPopup& operator=(const PlainPopup&) = delete;

  // Tracks the menu until an item is chosen (returned) or it is dismissed (nullptr).
  TMenuItem* Track();
  bool Empty() const { return m_items.empty() || !m_hwnd; }

 private:
  void Layout();
  TRect Place(TPoint at, bool submenu) const;
  void Create(const TRect& bounds);
  void Paint();
  void PaintItem(TCanvas& c, int index);
  int ItemAt(TPoint client) const;
  bool Selectable(int index) const;
  void SetActive(int index);
  void Step(int direction);
  // Chooses the item: its submenu opens, or it ends the tracking.
  void Choose(int index);
  bool FilterMessage(TMsg& msg);

  TWindowSystem& m_sys;
  TMenu& m_menu;
  std::vector<TMenuItem*> m_items;
  std::vector<TRect> m_rects;
  TSize m_size;
  HWND m_hwnd = nullptr;
  int m_active = -1;
  bool m_submenu;
  bool m_done = false;
  bool m_closedByKey = false;  // Esc or Left: only this level closes
  bool m_childOpen = false;    // a submenu is tracking the input
  TMenuItem* m_chosen = nullptr;
};

void PlainPopup::Layout() {
  TBitmap scratch(1, 1);
  TCanvas& c = scratch.Canvas();
  c.Font() = MenuFont();
  int textWidth = 0;
  int shortCutWidth = 0;
  int y = kFrame;
  for (TMenuItem* item : m_items) {
    int h = item->IsLine() ? kLineHeight : kItemHeight;
    m_rects.push_back({kFrame, y, 0, y + h});
    y += h;
    if (item->IsLine()) continue;
    TRect r{0, 0, 0, 0};
    DrawText(c, item->Caption, r, DT_SINGLELINE | DT_CALCRECT);
    textWidth = std::max(textWidth, r.Width());
    if (item->ShortCut != scNone)
      shortCutWidth = std::max(shortCutWidth, c.TextWidth(ShortCutToText(item->ShortCut)));
  }
  int glyph = m_menu.Images() ? std::max(kGlyphColumn, m_menu.Images()->Width() + 4) : kGlyphColumn;
  int width =
      glyph + textWidth + (shortCutWidth ? shortCutWidth + 16 : 0) + kArrowColumn + 2 * kFrame;
  for (TRect& r : m_rects) r.Right = width - kFrame;
  m_size = {std::max(width, 60), y + kFrame};
}

TRect PlainPopup::Place(TPoint at, bool submenu) const {
  TRect work = m_sys.Backend().WorkArea(at);
  int x = at.X;
  int y = at.Y;
  if (x + m_size.cx > work.Right) x = submenu ? x - m_size.cx : work.Right - m_size.cx;
  if (y + m_size.cy > work.Bottom) y = std::max(work.Top, y - m_size.cy);
  return Bounds(std::max(x, work.Left), y, m_size.cx, m_size.cy);
}

void PlainPopup::Create(const TRect& bounds) {
  if (m_items.empty()) return;
  TCreateParams p;
  p.ClassName = "TPopupMenuWindow";
  p.Style = WS_POPUP;
  p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  p.ClassStyle = CS_SAVEBITS | CS_DROPSHADOW;
  p.Bounds = bounds;
  p.Background = clMenu;
  p.Proc = [this](HWND h, TMessage& m) {
    switch (m.Msg) {
      case WM_PAINT:
        Paint();
        return;
      case WM_MOUSEACTIVATE:
        m.Result = MA_NOACTIVATE;
        return;
      case WM_MOUSEMOVE: {
        int index = ItemAt(PointFromLParam(m.LParam));
        if (index >= 0) SetActive(Selectable(index) ? index : -1);
        return;
      }
      case WM_LBUTTONUP: {
        int index = ItemAt(PointFromLParam(m.LParam));
        if (index >= 0 && Selectable(index)) Choose(index);
        return;
      }
      default:
        m_sys.DefWindowProc(h, m);
    }
  };
  m_hwnd = m_sys.CreateWindowEx(p);
  if (m_hwnd)
    m_sys.SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

bool PlainPopup::Selectable(int index) const {
  const TMenuItem* item = m_items[static_cast<std::size_t>(index)];
  return !item->IsLine() && item->Enabled;
}

int PlainPopup::ItemAt(TPoint client) const {
  for (std::size_t i = 0; i < m_rects.size(); ++i) {
    if (m_rects[i].Contains(client)) return static_cast<int>(i);
  }
  return -1;
}

void PlainPopup::SetActive(int index) {
  if (index == m_active) return;
  if (m_active >= 0)
    m_sys.InvalidateRect(m_hwnd, &m_rects[static_cast<std::size_t>(m_active)], false);
  m_active = index;
  if (m_active >= 0)
    m_sys.InvalidateRect(m_hwnd, &m_rects[static_cast<std::size_t>(m_active)], false);
}

void PlainPopup::Step(int direction) {
  int count = static_cast<int>(m_items.size());
  int start = m_active < 0 ? (direction > 0 ? -1 : count) : m_active;
  for (int n = 1; n <= count; ++n) {
    int index = ((start + direction * n) % count + count) % count;
    if (Selectable(index)) {
      SetActive(index);
      return;
    }
  }
}

void PlainPopup::Choose(int index) {
  TMenuItem* item = m_items[static_cast<std::size_t>(index)];
  SetActive(index);
  if (item->Count() == 0) {
    m_chosen = item;
    m_done = true;
    return;
  }
  TRect r = m_rects[static_cast<std::size_t>(index)];
  TPoint at = m_sys.ClientToScreen(m_hwnd, {r.Right, r.Top - kFrame});
  PlainPopup sub(m_menu, *item, at, true);
  if (sub.Empty()) return;
  m_childOpen = true;
  TMenuItem* chosen = sub.Track();
  m_childOpen = false;
  m_chosen = chosen;
  m_done = chosen != nullptr || !sub.m_closedByKey;
}

bool PlainPopup::FilterMessage(TMsg& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      switch (msg.wParam) {
        case VK_ESCAPE:
          m_done = true;
          m_closedByKey = true;
          break;
        case VK_LEFT:
          if (m_submenu) {
            m_done = true;
            m_closedByKey = true;
          }
          break;
        case VK_DOWN:
          Step(1);
          break;
        case VK_UP:
          Step(-1);
          break;
        case VK_RETURN:
        case VK_RIGHT:
          if (m_active >= 0 && (msg.wParam == VK_RETURN ||
                                m_items[static_cast<std::size_t>(m_active)]->Count() > 0)) {
            Choose(m_active);
          }
          break;
        default: {
          char key = static_cast<char>(msg.wParam);
          for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (Selectable(static_cast<int>(i)) && IsAccel(key, m_items[i]->Caption)) {
              Choose(static_cast<int>(i));
              break;
            }
          }
        }
      }
      return true;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_MOUSEWHEEL:
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      if (msg.hwnd == m_hwnd) return false;
      m_done = true;  // a press elsewhere dismisses the whole menu
      return true;
    default:
      return false;
  }
}

TMenuItem* PlainPopup::Track() {
  if (Empty()) return nullptr;
  Step(1);
  int filter = m_sys.AddMessageFilter(
      [this](TMsg& msg) { return !m_done && !m_childOpen && FilterMessage(msg); });
  struct FilterGuard {
    TWindowSystem& sys;
    int id;
    ~FilterGuard() { sys.RemoveMessageFilter(id); }
  } guard{m_sys, filter};
  m_sys.ModalLoop([this] { return m_done || !m_sys.IsWindow(m_hwnd); });
  return m_chosen;
}

void PlainPopup::Paint() {
  TPaintStruct ps;
  TCanvas& c = m_sys.BeginPaint(m_hwnd, ps);
  TRect all{0, 0, m_size.cx, m_size.cy};
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clMenu;
  c.FillRect(all);
  c.Brush().Color = clBtnShadow;
  c.FrameRect(all);
  for (std::size_t i = 0; i < m_items.size(); ++i) PaintItem(c, static_cast<int>(i));
  m_sys.EndPaint(m_hwnd, ps);
}

void PlainPopup::PaintItem(TCanvas& c, int index) {
  const TMenuItem& item = *m_items[static_cast<std::size_t>(index)];
  TRect r = m_rects[static_cast<std::size_t>(index)];
  c.Brush().Style = TBrushStyle::bsSolid;
  if (item.IsLine()) {
    int y = r.Top + r.Height() / 2 - 1;
    c.Brush().Color = clBtnShadow;
    c.FillRect({r.Left + 1, y, r.Right - 1, y + 1});
    c.Brush().Color = clBtnHighlight;
    c.FillRect({r.Left + 1, y + 1, r.Right - 1, y + 2});
    return;
  }
  bool active = index == m_active;
  c.Brush().Color = active ? clHighlight : clMenu;
  c.FillRect(r);
  TColor text = !item.Enabled ? clGrayText : active ? clHighlightText : clMenuText;
  int glyphWidth =
      m_menu.Images() ? std::max(kGlyphColumn, m_menu.Images()->Width() + 4) : kGlyphColumn;
  int midY = r.Top + r.Height() / 2;
  if (!item.Bitmap.Empty()) {
    c.Draw(r.Left + 2, midY - item.Bitmap.Height() / 2, item.Bitmap);
  } else if (m_menu.Images() && item.ImageIndex >= 0 &&
             item.ImageIndex < m_menu.Images()->Count()) {
    m_menu.Images()->Draw(c, r.Left + 2, midY - m_menu.Images()->Height() / 2, item.ImageIndex,
                          item.Enabled);
  } else if (item.Checked) {
    c.Pen().Color = text;
    c.Brush().Color = text;
    int x0 = r.Left + 6;
    int y0 = midY - 4;
    if (item.RadioItem) {
      c.Ellipse({x0 + 1, y0 + 1, x0 + 7, y0 + 7});
    } else {
      for (int i = 0; i < 3; ++i) {
        c.MoveTo(x0, y0 - i + 5);
        c.LineTo(x0 + 2, y0 - i + 7);
        c.LineTo(x0 + 7, y0 - i + 2);
      }
    }
  }
  c.Font() = MenuFont();
  c.Font().SetColor(text);
  c.Brush().Style = TBrushStyle::bsClear;
  TRect caption{r.Left + glyphWidth, r.Top, r.Right - kArrowColumn, r.Bottom};
  DrawText(c, item.Caption, caption, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (item.ShortCut != scNone)
    DrawText(c, ShortCutToText(item.ShortCut), caption, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  if (item.Count() > 0) {
    c.Pen().Color = text;
    for (int i = 0; i < 4; ++i) {
      c.MoveTo(r.Right - 10 + i, midY - 3 + i);
      c.LineTo(r.Right - 10 + i, midY + 4 - i);
    }
  }
}

}  // namespace

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  TMenuItem* chosen = nullptr;
  {
    PlainPopup popup(*this, Items(), {x, y}, false);
    chosen = popup.Track();
  }
  if (chosen) DispatchCommand(chosen->Command());
}

}  // namespace kx
