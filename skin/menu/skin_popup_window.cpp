#include "skin/menu/skin_popup_window.h"

#include <algorithm>

#include "platform/forms/image_list.h"
#include "platform/window/api.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_graphics.h"
#include "skin/menu/skin_menu.h"

namespace kx {

namespace {
constexpr std::uint32_t kMousePoll = 50;
constexpr std::uint32_t kScrollStep = 100;
constexpr int kScrollZone = 10;
constexpr int kPlainFrame = 3;

const TksDataSkinMenuItem* MenuItemRecord(const TksSkinData& skin) {
  int index = skin.GetObjectIndex("MENUITEM");
  if (index < 0) index = skin.GetObjectIndex("menuitem");
  if (index < 0) return nullptr;
  return dynamic_cast<const TksDataSkinMenuItem*>(
      skin.SkinObjects[static_cast<std::size_t>(index)].get());
}
}  // namespace

TksSkinPopupWindow::TksSkinPopupWindow(TksSkinMenu& menu, TMenuItem& parent, int firstIndex)
    : m_menu(menu) {
  const TksSkinData* skin = menu.SkinData();
  if (skin && !skin->Empty() && skin->PopupWindow.WindowPictureIndex != -1) {
    m_windowPicture = skin->ActivePicture(skin->PopupWindow.WindowPictureIndex);
  }
  if (m_windowPicture) {
    const TksDataSkinPopupWindow& p = skin->PopupWindow;
    m_maskPicture = skin->ActivePicture(p.MaskPictureIndex);
    const TksSkinWindowCorners& c = p.Corners;
    m_skinGeometry = {c.LeftTopPoint, c.RightTopPoint, c.LeftBottomPoint, c.RightBottomPoint,
                      p.ItemsRect};
    m_look.itemRecord = MenuItemRecord(*skin);
    if (m_look.itemRecord)
      m_look.itemPicture = skin->ActivePicture(m_look.itemRecord->ActivePictureIndex);
    if (!m_look.itemPicture) m_look.itemRecord = nullptr;
  }
  if (m_look.itemRecord && menu.UseSkinFontInMenu) {
    const TksSkinFont& f = m_look.itemRecord->Font;
    m_look.font = TFont(f.Name, f.Height, f.Style, f.Color);
  } else {
    m_look.font = menu.DefMenuItemFont;
  }
  m_look.images = menu.Images();
  m_look.glyphColumn = m_look.images ? m_look.images->Width() + 5 : 16;
  m_look.itemHeight = menu.DefMenuItemHeight > 0 ? menu.DefMenuItemHeight : 20;
  MakeItems(parent, firstIndex);
  ComputeSize();
}

TksSkinPopupWindow::~TksSkinPopupWindow() {
  if (!WindowSystemExists()) return;
  if (m_mouseTimer) KillTimer(nullptr, m_mouseTimer);
  if (m_scrollTimer) KillTimer(nullptr, m_scrollTimer);
  if (IsWindow(m_handle)) DestroyWindow(m_handle);
}

void TksSkinPopupWindow::MakeItems(TMenuItem& parent, int firstIndex) {
  std::vector<TMenuItem*> shown = parent.ShownItems();
  for (std::size_t i = static_cast<std::size_t>(std::max(0, firstIndex)); i < shown.size(); ++i)
    m_items.push_back(std::make_unique<TksSkinMenuItem>(*shown[i]));
}

void TksSkinPopupWindow::ComputeSize() {
  int widest = 0;
  int normalHeight = m_look.itemRecord ? m_look.itemRecord->SkinRect.Height() : m_look.itemHeight;
  int sum = 0;
  for (const auto& item : m_items) {
    widest = std::max(widest, item->TextWidth(m_look));
    sum += item->Height(m_look);
  }
  const int c = widest + m_look.glyphColumn + 16;
  int frame = kPlainFrame * 2;
  if (m_windowPicture) {
    const TRect& items = m_skinGeometry.C;
    m_width = c + (m_windowPicture->Width() - items.Width());
    if (m_look.itemRecord) {
      const TksDataSkinMenuItem& r = *m_look.itemRecord;
      m_width += r.TextRect.Left + r.SkinRect.Width() - r.TextRect.Right;
    }
    frame = m_windowPicture->Height() - items.Height();
  } else {
    m_width = c + 10;
  }
  const int limit = m_menu.MaxMenuItemsInWindow;
  if (limit > 0 && limit < static_cast<int>(m_items.size())) {
    m_height = limit * normalHeight + frame + 20;
    m_scrolls = m_itemLimit = true;
  } else {
    m_height = sum + frame;
  }
  const int room = m_menu.WorkArea().Height();
  if (room > 0 && m_height > room) {
    m_height = room;
    m_scrolls = true;
  }
  if (m_windowPicture) {
    m_geometry = ResizedGeometry(m_skinGeometry, m_windowPicture->Width(),
                                 m_windowPicture->Height(), m_width, m_height);
  } else {
    m_geometry.C = {kPlainFrame, kPlainFrame, m_width - kPlainFrame, m_height - kPlainFrame};
  }
  Layout();
}

void TksSkinPopupWindow::Layout() {
  const TRect& area = m_geometry.C;
  int top = area.Top + (m_scrolls ? kScrollZone : 0);
  int bottom = area.Bottom - (m_scrolls ? kScrollZone : 0);
  m_shownCount = 0;
  bool ended = false;
  for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
    TksSkinMenuItem& item = *m_items[static_cast<std::size_t>(i)];
    item.Shown = false;
    if (i < m_firstShown || ended) continue;
    int h = item.Height(m_look);
    if (top + h > bottom) {
      ended = true;
      continue;
    }
    item.Rect = {area.Left, top, area.Right, top + h};
    item.Shown = true;
    ++m_shownCount;
    top += h;
  }
}

TPoint TksSkinPopupWindow::Place(const TRect& r, bool submenu, bool& shifted) const {
  const TRect& wa = m_menu.WorkArea();
  const int W = m_width, H = m_height;
  const int middle = wa.Top + wa.Height() / 2;
  const bool areaScroll = m_scrolls && !m_itemLimit;
  int y = 0;
  shifted = false;
  if (areaScroll) {
    y = wa.Top;
  } else if (!submenu) {
    if (r.Bottom + H <= wa.Bottom) {
      y = r.Bottom;
    } else if (r.Top < middle) {
      y = wa.Bottom - H;
      shifted = true;
    } else if (r.Top - H >= wa.Top) {
      y = r.Top - H;
    } else {
      y = wa.Top;
      shifted = true;
    }
  } else {
    const int itemsTop = m_geometry.C.Top;
    if (r.Top - itemsTop + H <= wa.Bottom) {
      y = r.Top - itemsTop;
    } else if (r.Top < middle) {
      y = wa.Bottom - H;
    } else {
      y = std::max(wa.Top, r.Bottom - H + itemsTop);
    }
  }
  int x = r.Left;
  if (!submenu && !shifted && !areaScroll) {
    if (x + W > wa.Right) x = wa.Right - W;
    if (r.Left < wa.Left) x = wa.Left;
  } else {
    x = r.Right + W + 1 <= wa.Right ? r.Right + 1 : r.Left - W - 1;
  }
  return {x, y};
}

void TksSkinPopupWindow::Show(const TRect& anchor, bool submenu) {
  bool shifted = false;
  TPoint at = Place(anchor, submenu, shifted);
  CreateHandle({at.X, at.Y, at.X + m_width, at.Y + m_height});
  if (!m_handle) return;
  if (m_maskPicture) {
    std::optional<TRegion> region =
        BuildFramedRegion(*m_maskPicture, m_skinGeometry, m_geometry, m_width, m_height);
    if (region) WindowSystem().SetWindowRgn(m_handle, &*region, false);
  }
  SetWindowPos(m_handle, HWND_TOPMOST, at.X, at.Y, 0, 0,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  m_mouseTimer = WindowSystem().SetTimer(nullptr, 0, kMousePoll, [this] { MouseTimer(); });
  for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
    if (m_items[static_cast<std::size_t>(i)]->Selectable()) {
      m_active = i;
      ActivateItem(i, false);
      break;
    }
  }
}

void TksSkinPopupWindow::CreateHandle(const TRect& bounds) {
  TCreateParams params;
  params.ClassName = "TksSkinPopupWindow";
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.ClassStyle = CS_SAVEBITS | CS_DROPSHADOW;
  params.Bounds = bounds;
  params.Owner = m_menu.Host().MenuWindow();
  params.Proc = [this](HWND hwnd, TMessage& m) {
    switch (m.Msg) {
      case WM_MOUSEACTIVATE:
        m.Result = MA_NOACTIVATE;
        return;
      case WM_ERASEBKGND:
        if (auto* canvas = reinterpret_cast<TCanvas*>(m.WParam)) Paint(*canvas);
        m.Result = 1;
        return;
      case WM_LBUTTONUP:
        ReleaseAt(PointFromLParam(m.LParam));  // may close this popup
        return;
      case WM_MOUSEMOVE:
        HoverAt(PointFromLParam(m.LParam));
        return;
      default:
        WindowSystem().DefWindowProc(hwnd, m);
    }
  };
  m_handle = WindowSystem().CreateWindowEx(params);
}

// ---- painting

TBitmap TksSkinPopupWindow::Frame() const {
  if (m_windowPicture) {
    const TksDataSkinPopupWindow& p = m_menu.SkinData()->PopupWindow;
    TksStretchFlags edges{false, p.LeftStretch, p.TopStretch, p.RightStretch, p.BottomStretch};
    return BuildWindowFramedImage(*m_windowPicture,
                                  {0, 0, m_windowPicture->Width(), m_windowPicture->Height()},
                                  m_skinGeometry, m_geometry, m_width, m_height, edges, m_scrolls);
  }
  TBitmap image(std::max(1, m_width), std::max(1, m_height));
  TCanvas& c = image.Canvas();
  int column = m_look.images ? m_look.glyphColumn + 3 : 22;
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clBtnFace;
  c.FillRect({0, 0, column, m_height});
  c.Brush().Color = clWindow;
  c.FillRect({column, 0, m_width, m_height});
  c.Brush().Style = TBrushStyle::bsClear;
  c.Pen().Color = clBtnShadow;
  c.Rectangle({0, 0, m_width, m_height});
  c.Pen().Color = clWindow;
  c.Rectangle({1, 1, m_width - 1, m_height - 1});
  return image;
}

void TksSkinPopupWindow::Paint(TCanvas& canvas) {
  TBitmap image = Frame();
  for (const auto& item : m_items) {
    if (!item->Shown) continue;
    image.Canvas().Draw(item->Rect.Left, item->Rect.Top, item->Render(m_look));
  }
  if (m_scrolls) {
    const TRect& a = m_geometry.C;
    TRect up = m_windowPicture ? TRect{a.Left, a.Top, a.Right, a.Top + kScrollZone}
                               : TRect{3, 3, m_width - 3, 13};
    TRect down = m_windowPicture ? TRect{a.Left, a.Bottom - kScrollZone, a.Right, a.Bottom}
                                 : TRect{3, m_height - 10, m_width - 3, m_height - 3};
    TColor idle = m_windowPicture ? m_menu.SkinData()->PopupWindow.ScrollMarkerColor : clBtnShadow;
    TColor busy =
        m_windowPicture ? m_menu.SkinData()->PopupWindow.ScrollMarkerActiveColor : clBtnText;
    DrawArrowGlyph(image.Canvas(), up, m_scrolling == Scrolling::Up ? busy : idle,
                   TksArrowDirection::Up);
    DrawArrowGlyph(image.Canvas(), down, m_scrolling == Scrolling::Down ? busy : idle,
                   TksArrowDirection::Down);
  }
  canvas.Draw(0, 0, image);
}

void TksSkinPopupWindow::RedrawItem(int index) {
  if (index < 0 || index >= static_cast<int>(m_items.size()) || !IsWindow(m_handle)) return;
  const TksSkinMenuItem& item = *m_items[static_cast<std::size_t>(index)];
  if (!item.Shown) return;
  HDC dc = WindowSystem().GetDC(m_handle);
  if (dc) dc->Canvas().Draw(item.Rect.Left, item.Rect.Top, item.Render(m_look));
}

void TksSkinPopupWindow::Repaint() {
  if (!IsWindow(m_handle)) return;
  InvalidateRect(m_handle, nullptr, true);
}

// ---- activation and choosing

void TksSkinPopupWindow::ActivateItem(int index, bool byMouse) {
  if (index < 0 || index >= static_cast<int>(m_items.size())) return;
  TksSkinMenuItem& item = *m_items[static_cast<std::size_t>(index)];
  item.ActiveFlag = true;
  bool submenuOpen = item.DownFlag;
  for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
    TksSkinMenuItem& other = *m_items[static_cast<std::size_t>(i)];
    if (i != index && other.DownFlag) {
      other.DownFlag = false;
      RedrawItem(i);
    }
  }
  RedrawItem(index);
  TksSkinMenu& menu = m_menu;
  const int level = menu.Level(*this);
  if (!byMouse) {
    item.KeyboardActivated = true;
    return;
  }
  if (submenuOpen) {
    menu.CloseFromLevel(level + 2);
    return;
  }
  menu.CloseFromLevel(level + 1);
  if (item.HasChildren()) menu.StartWait(*this, item);
}

void TksSkinPopupWindow::DeactivateItem(int index) {
  if (index < 0 || index >= static_cast<int>(m_items.size())) return;
  TksSkinMenuItem& item = *m_items[static_cast<std::size_t>(index)];
  item.ActiveFlag = false;
  item.KeyboardActivated = false;
  if (!item.DownFlag) RedrawItem(index);
  if (m_menu.Waiting(item)) m_menu.StopWait();
}

void TksSkinPopupWindow::Choose(int index) {
  if (index < 0 || index >= static_cast<int>(m_items.size())) return;
  TksSkinMenuItem& item = *m_items[static_cast<std::size_t>(index)];
  if (!item.Selectable() || item.DownFlag) return;
  TMenuItem& menuItem = item.Item();
  TMenu* owner = menuItem.GetParentMenu();
  TksSkinMenu& menu = m_menu;
  if (!item.HasChildren()) {
    menu.CloseMenus();  // this popup is gone from here on
    if (owner) owner->DispatchCommand(menuItem.Command());
    menu.CommandRan();
    return;
  }
  if (owner) owner->DispatchCommand(menuItem.Command());
  menu.StopWait();
  item.DownFlag = true;
  menu.OpenSubmenu(*this, item);
}

// ---- the mouse

int TksSkinPopupWindow::ItemAt(TPoint client) const {
  for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
    const TksSkinMenuItem& item = *m_items[static_cast<std::size_t>(i)];
    if (item.Shown && item.Rect.Contains(client)) return i;
  }
  return -1;
}

void TksSkinPopupWindow::MouseTimer() {
  TPoint cursor = GetCursorPos();
  if (cursor == m_lastCursor) return;
  m_lastCursor = cursor;
  if (WindowSystem().WindowFromPoint(cursor) == m_handle) {
    HoverAt(cursor - GetWindowRect(m_handle).TopLeft());
  } else {
    StopScroll();
  }
}

void TksSkinPopupWindow::HoverAt(TPoint client) {
  if (m_scrolls) {
    const TRect& a = m_geometry.C;
    bool inUp = client.Y >= a.Top && client.Y < a.Top + kScrollZone;
    bool inDown = client.Y >= a.Bottom - kScrollZone && client.Y < a.Bottom;
    if (inUp && m_scrolling == Scrolling::None && m_firstShown > 0) {
      StartScroll(Scrolling::Up);
    } else if (inDown && m_scrolling == Scrolling::None &&
               m_firstShown + m_shownCount < static_cast<int>(m_items.size())) {
      StartScroll(Scrolling::Down);
    } else if (!inUp && !inDown) {
      StopScroll();
    }
  }
  int index = ItemAt(client);
  if (index < 0) return;
  TksSkinMenuItem& item = *m_items[static_cast<std::size_t>(index)];
  if (index == m_active) {
    if (item.KeyboardActivated) {
      item.KeyboardActivated = false;
      if (item.HasChildren()) ActivateItem(index, true);
    }
    return;
  }
  int previous = m_active;
  m_active = index;
  if (previous >= 0 && m_items[static_cast<std::size_t>(previous)]->Selectable())
    DeactivateItem(previous);
  if (item.Selectable()) ActivateItem(index, true);
}

void TksSkinPopupWindow::ReleaseAt(TPoint client) {
  HoverAt(client);
  if (ItemAt(client) >= 0 && m_active >= 0) Choose(m_active);
}

// ---- scrolling

void TksSkinPopupWindow::StartScroll(Scrolling direction) {
  m_scrolling = direction;
  m_menu.CloseFromLevel(m_menu.Level(*this) + 1);
  Repaint();
  if (m_scrollTimer) KillTimer(nullptr, m_scrollTimer);
  m_scrollTimer = WindowSystem().SetTimer(nullptr, 0, kScrollStep, [this] { ScrollTimer(); });
}

void TksSkinPopupWindow::StopScroll() {
  if (m_scrolling == Scrolling::None) return;
  m_scrolling = Scrolling::None;
  if (m_scrollTimer) KillTimer(nullptr, std::exchange(m_scrollTimer, 0));
  Repaint();
}

bool TksSkinPopupWindow::ScrollBy(int step) {
  int first = m_firstShown + step;
  if (first < 0) return false;
  if (step > 0 && m_firstShown + m_shownCount >= static_cast<int>(m_items.size())) return false;
  m_firstShown = first;
  Layout();
  Repaint();
  return true;
}

void TksSkinPopupWindow::ScrollTimer() {
  if (!ScrollBy(m_scrolling == Scrolling::Up ? -1 : 1)) StopScroll();
}

void TksSkinPopupWindow::ShowLastItems() {
  const TRect& a = m_geometry.C;
  int top = a.Bottom - kScrollZone;
  int first = static_cast<int>(m_items.size());
  while (first > 0) {
    int h = m_items[static_cast<std::size_t>(first - 1)]->Height(m_look);
    if (top - h < kScrollZone + a.Top) break;
    top -= h;
    --first;
  }
  m_firstShown = std::min(first, std::max(0, static_cast<int>(m_items.size()) - 1));
  Layout();
  Repaint();
}

// ---- keys

void TksSkinPopupWindow::SubmenuClosed() {
  if (m_active < 0 || m_active >= static_cast<int>(m_items.size())) return;
  m_items[static_cast<std::size_t>(m_active)]->DownFlag = false;
  RedrawItem(m_active);
}

void TksSkinPopupWindow::StepKey(int direction) {
  const int count = static_cast<int>(m_items.size());
  int start;
  if (direction > 0) {
    start = m_active < 0 || m_active >= count - 1 ? 0 : m_active + 1;
  } else {
    start = m_active <= 0 ? count - 1 : m_active - 1;
  }
  int found = -1;
  for (int i = start; i >= 0 && i < count; i += direction) {
    if (m_items[static_cast<std::size_t>(i)]->Selectable()) {
      found = i;
      break;
    }
  }
  if (found < 0 || found == m_active) return;
  int previous = m_active;
  m_active = found;
  if (previous >= 0) DeactivateItem(previous);
  if (m_scrolls) {
    if (found >= m_firstShown + m_shownCount) {
      if (direction > 0 && found < previous) {
        m_firstShown = 0;
        Layout();
      }
      while (found >= m_firstShown + m_shownCount && ScrollBy(1)) {
      }
    } else if (found < m_firstShown) {
      if (direction < 0 && found > previous) {
        ShowLastItems();
      } else {
        while (found < m_firstShown && ScrollBy(-1)) {
        }
      }
    }
    Repaint();
  }
  ActivateItem(found, false);
}

void TksSkinPopupWindow::KeyDown(std::uint16_t key) {
  const bool character = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
  for (int i = 0; character && i < static_cast<int>(m_items.size()); ++i) {
    TksSkinMenuItem& item = *m_items[static_cast<std::size_t>(i)];
    if (item.IsSeparator() || !IsAccel(static_cast<char>(key), item.Item().Caption)) continue;
    if (m_active >= 0 && m_active != i) DeactivateItem(m_active);
    m_active = i;
    ActivateItem(i, false);
    Choose(i);  // may close this popup
    return;
  }
  TksSkinMenu& menu = m_menu;
  switch (key) {
    case VK_RETURN:
      Choose(m_active);
      return;
    case VK_LEFT:
      if (menu.Popups().size() < 2) return;
      [[fallthrough]];
    case VK_ESCAPE: {
      menu.CloseFromLevel(menu.Level(*this));  // this popup is gone from here on
      if (TksSkinPopupWindow* last = menu.LastPopup()) last->SubmenuClosed();
      return;
    }
    case VK_RIGHT:
      if (m_active >= 0 && m_items[static_cast<std::size_t>(m_active)]->HasChildren())
        Choose(m_active);
      return;
    case VK_DOWN:
      StepKey(1);
      return;
    case VK_UP:
      StepKey(-1);
      return;
    default:
      return;
  }
}

}  // namespace kx
