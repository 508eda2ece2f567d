#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/forms/menus.h"
#include "platform/gfx/font.h"
#include "platform/window/window.h"
#include "skin/menu/skin_popup_window.h"

namespace kx {

class TksSkinData;
class TksSkinMenu;

// Messages of the skinned menus (no parameters): the menu closed; an item's command ran.
inline constexpr UINT SkinMsgMenuClosed = WM_USER + 204;
inline constexpr UINT SkinMsgMenuCommand = WM_USER + 205;

// What a skinned window frame does for the menus it shows.
class TksSkinMenuHost {
 public:
  virtual ~TksSkinMenuHost() = default;
  virtual TksSkinMenu& SkinMenu() = 0;
  // The skin data for menus: the frame's MenusSkinData, else its SkinData.
  virtual TksSkinData* MenuSkinData() const = 0;
  virtual void EnterMenuMode() = 0;
  virtual void LeaveMenuMode() = 0;
  virtual bool InMenuMode() const = 0;
  // The frame's window (its monitor gives the work area; it hears SkinMsgMenuClosed).
  virtual HWND MenuWindow() = 0;
  // Asks to hear (through ForgetControl) when a control that opened a menu goes.
  virtual void WatchPopupControl(TControl& control) = 0;
};

// The menu manager of a skinned window frame: the chain of open popups, the
// submenu wait timer and the close notifications.
class TksSkinMenu {
 public:
  explicit TksSkinMenu(TksSkinMenuHost& host);
  ~TksSkinMenu();
  TksSkinMenu(const TksSkinMenu&) = delete;
  TksSkinMenu& operator=(const TksSkinMenu&) = delete;

  int MaxMenuItemsInWindow = 0;
  bool UseSkinFontInMenu = true;
  int DefMenuItemHeight = 20;
  TFont DefMenuItemFont{"Arial", 14, {}, clWindowText};

  // Opens the root item's children as a popup at the anchor (screen coordinates).
  void OpenMenu(TControl* popupControl, TksSkinData* skinData, TMenuItem& root, const TRect& anchor,
                int firstIndex);
  void CloseMenus();
  // Frees the popups from level n on; level 0 ends the menu.
  void CloseFromLevel(int level);
  // A key for the last popup.
  void MenuKeyDown(std::uint16_t key);
  bool Visible() const { return m_visible; }
  // Runs once, at the close that follows the opening it was given with.
  std::function<void()> CloseEvent;

  // For the popups.
  int Level(const TksSkinPopupWindow& popup) const;
  TksSkinPopupWindow* LastPopup() const;
  const std::vector<std::unique_ptr<TksSkinPopupWindow>>& Popups() const { return m_popups; }
  TksSkinData* SkinData() const { return m_skinData; }
  const TRect& WorkArea() const { return m_workArea; }
  TCustomImageList* Images() const { return m_images; }
  TksSkinMenuHost& Host() { return m_host; }
  // Opens the children of an item of a popup as the next level.
  void OpenSubmenu(TksSkinPopupWindow& parent, TksSkinMenuItem& item);
  // The 500 ms wait before a hovered item's submenu opens.
  void StartWait(TksSkinPopupWindow& popup, TksSkinMenuItem& item);
  void StopWait();
  bool Waiting(const TksSkinMenuItem& item) const { return m_waitingItem == &item; }
  // After an item's command ran.
  void CommandRan();
  // A control that opened a menu is being destroyed: it hears nothing more.
  void ForgetControl(const TComponent* control);
  // Closes without telling anyone (the frame is going).
  void CloseSilently();

 private:
  void WaitElapsed();

  TksSkinMenuHost& m_host;
  std::vector<std::unique_ptr<TksSkinPopupWindow>> m_popups;
  bool m_visible = false;
  TksSkinData* m_skinData = nullptr;
  TRect m_workArea;
  TCustomImageList* m_images = nullptr;
  TControl* m_popupControl = nullptr;
  TControl* m_lastPopupControl = nullptr;
  TksSkinPopupWindow* m_waitingPopup = nullptr;
  TksSkinMenuItem* m_waitingItem = nullptr;
  std::uintptr_t m_waitTimer = 0;
};

}  // namespace kx
