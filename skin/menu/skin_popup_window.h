#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/window/window.h"
#include "skin/draw/skin_drawing.h"
#include "skin/menu/skin_menu_item.h"

namespace kx {

class TksSkinMenu;

// One open level of a skinned menu: a top-level popup window that lays out,
// draws and tracks the shown children of one menu item. It never takes the focus.
class TksSkinPopupWindow {
 public:
  // Which way the popup is scrolling while the mouse rests on an arrow zone.
  enum class Scrolling { None, Up, Down };

  // The children of parent from firstIndex on, for the menu's level.
  TksSkinPopupWindow(TksSkinMenu& menu, TMenuItem& parent, int firstIndex);
  ~TksSkinPopupWindow();
  TksSkinPopupWindow(const TksSkinPopupWindow&) = delete;
  TksSkinPopupWindow& operator=(const TksSkinPopupWindow&) = delete;

  // Places the popup by the anchor rectangle (screen coordinates) and shows it.
  void Show(const TRect& anchor, bool submenu);
  HWND Handle() const { return m_handle; }
  TSize Size() const { return {m_width, m_height}; }
  bool Skinned() const { return m_windowPicture != nullptr; }
  bool Scrolls() const { return m_scrolls; }
  TRect ItemsRect() const { return m_geometry.C; }
  const std::vector<std::unique_ptr<TksSkinMenuItem>>& Items() const { return m_items; }
  int ActiveItem() const { return m_active; }
  int FirstShown() const { return m_firstShown; }

  // A key for the last popup of the chain.
  void KeyDown(std::uint16_t key);
  // The submenu of the active item closed: the item is no longer held down.
  void SubmenuClosed();
  // Chooses an item: its command runs, or its submenu opens.
  void Choose(int index);
  void ActivateItem(int index, bool byMouse);
  void DeactivateItem(int index);
  // The mouse at a point of the popup's client area.
  void HoverAt(TPoint client);
  void ReleaseAt(TPoint client);
  // Draws one item again on the window.
  void RedrawItem(int index);
  void Repaint();

 private:
  void MakeItems(TMenuItem& parent, int firstIndex);
  void ComputeSize();
  void Layout();
  TPoint Place(const TRect& anchor, bool submenu, bool& shifted) const;
  void CreateHandle(const TRect& bounds);
  void Paint(TCanvas& canvas);
  TBitmap Frame() const;
  int ItemAt(TPoint client) const;
  void MouseTimer();
  void ScrollTimer();
  void StartScroll(Scrolling direction);
  void StopScroll();
  bool ScrollBy(int step);
  void StepKey(int direction);
  // Shows the items from the end of the list upwards (keyboard wrap to the last item).
  void ShowLastItems();

  TksSkinMenu& m_menu;
  TksMenuLook m_look;
  const TBitmap* m_windowPicture = nullptr;
  const TBitmap* m_maskPicture = nullptr;
  TksPieceGeometry m_skinGeometry;
  TksPieceGeometry m_geometry;  // stretched to the window
  std::vector<std::unique_ptr<TksSkinMenuItem>> m_items;
  int m_active = -1;
  int m_firstShown = 0;
  int m_shownCount = 0;
  bool m_scrolls = false;
  bool m_itemLimit = false;
  Scrolling m_scrolling = Scrolling::None;
  int m_width = 0, m_height = 0;
  HWND m_handle = nullptr;
  std::uintptr_t m_mouseTimer = 0;
  std::uintptr_t m_scrollTimer = 0;
  TPoint m_lastCursor{-100000, -100000};
};

}  // namespace kx
