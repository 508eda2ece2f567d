#include "skin/menu/skin_menu.h"

#include <utility>

#include "platform/forms/controls.h"
#include "platform/window/api.h"
#include "skin/draw/skin_graphics.h"

namespace kx {

namespace {
constexpr std::uint32_t kSubmenuWait = 500;
}  // namespace

TksSkinMenu::TksSkinMenu(TksSkinMenuHost& host) : m_host(host) {}

TksSkinMenu::~TksSkinMenu() {
  CloseSilently();
}

void TksSkinMenu::OpenMenu(TControl* popupControl, TksSkinData* skinData, TMenuItem& root,
                           const TRect& anchor, int firstIndex) {
  CloseFromLevel(0);
  m_popupControl = popupControl;
  if (popupControl) m_host.WatchPopupControl(*popupControl);
  HWND window = m_host.MenuWindow();
  m_workArea = window ? GetWorkArea(window, true) : WindowSystem().Backend().WorkArea({0, 0});
  m_skinData = skinData;
  TMenu* menu = root.GetParentMenu();
  m_images = menu ? menu->Images() : nullptr;
  if (root.Count() == 0 || firstIndex >= root.Count()) return;
  m_visible = true;
  m_popups.push_back(std::make_unique<TksSkinPopupWindow>(*this, root, firstIndex));
  m_popups.back()->Show(anchor, false);
}

void TksSkinMenu::OpenSubmenu(TksSkinPopupWindow& parent, TksSkinMenuItem& item) {
  int level = Level(parent);
  if (level < 0) return;
  CloseFromLevel(level + 1);
  TRect anchor = item.Rect.Offset(GetWindowRect(parent.Handle()).TopLeft());
  m_popups.push_back(std::make_unique<TksSkinPopupWindow>(*this, item.Item(), 0));
  m_popups.back()->Show(anchor, true);
}

void TksSkinMenu::CloseMenus() {
  CloseFromLevel(0);
  StopWait();
  HWND window = m_host.MenuWindow();
  if (window && IsWindow(window)) SendMessage(window, SkinMsgMenuClosed);
}

void TksSkinMenu::CloseFromLevel(int level) {
  level = std::max(0, level);
  while (static_cast<int>(m_popups.size()) > level) {
    std::unique_ptr<TksSkinPopupWindow> popup = std::move(m_popups.back());
    m_popups.pop_back();
    if (m_waitingPopup == popup.get()) StopWait();
  }
  if (level > 0) return;
  StopWait();
  bool wasVisible = std::exchange(m_visible, false);
  m_lastPopupControl = m_popupControl;
  if (TControl* control = std::exchange(m_popupControl, nullptr)) {
    control->Perform(SkinMsgMenuClosed);
  }
  if (!wasVisible) return;
  if (std::function<void()> closed = std::exchange(CloseEvent, nullptr)) closed();
}

void TksSkinMenu::MenuKeyDown(std::uint16_t key) {
  TksSkinPopupWindow* last = LastPopup();
  if (last && IsWindow(last->Handle()) && WindowSystem().IsWindowVisible(last->Handle()))
    last->KeyDown(key);
}

int TksSkinMenu::Level(const TksSkinPopupWindow& popup) const {
  for (std::size_t i = 0; i < m_popups.size(); ++i) {
    if (m_popups[i].get() == &popup) return static_cast<int>(i);
  }
  return -1;
}

TksSkinPopupWindow* TksSkinMenu::LastPopup() const {
  return m_popups.empty() ? nullptr : m_popups.back().get();
}

void TksSkinMenu::StartWait(TksSkinPopupWindow& popup, TksSkinMenuItem& item) {
  StopWait();
  m_waitingPopup = &popup;
  m_waitingItem = &item;
  m_waitTimer = WindowSystem().SetTimer(nullptr, 0, kSubmenuWait, [this] { WaitElapsed(); });
}

void TksSkinMenu::StopWait() {
  if (m_waitTimer && WindowSystemExists()) KillTimer(nullptr, m_waitTimer);
  m_waitTimer = 0;
  m_waitingPopup = nullptr;
  m_waitingItem = nullptr;
}

void TksSkinMenu::WaitElapsed() {
  TksSkinPopupWindow* popup = m_waitingPopup;
  TksSkinMenuItem* item = m_waitingItem;
  StopWait();
  if (!popup || !item || Level(*popup) < 0) return;
  const auto& items = popup->Items();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    if (items[static_cast<std::size_t>(i)].get() == item) {
      popup->Choose(i);
      return;
    }
  }
}

void TksSkinMenu::ForgetControl(const TComponent* control) {
  if (m_popupControl == control) m_popupControl = nullptr;
  if (m_lastPopupControl == control) m_lastPopupControl = nullptr;
}

void TksSkinMenu::CloseSilently() {
  CloseEvent = nullptr;
  m_popupControl = m_lastPopupControl = nullptr;
  CloseFromLevel(0);
}

void TksSkinMenu::CommandRan() {
  if (m_lastPopupControl) m_lastPopupControl->Perform(SkinMsgMenuCommand);
}

}  // namespace kx
