#include "skin/menu/skin_popup_menu.h"

#include "skin/data/skin_data.h"
#include "skin/menu/skin_menu.h"

namespace kx {

TksSkinPopupMenu::TksSkinPopupMenu(TComponent* owner) : TPopupMenu(owner) {}

void TksSkinPopupMenu::SetSkinData(TksSkinData* skinData) {
  if (m_skinData) RemoveFreeNotification(m_skinData);
  m_skinData = skinData;
  if (m_skinData) FreeNotification(m_skinData);
}

void TksSkinPopupMenu::Notification(TComponent* component, TOperation operation) {
  TPopupMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_skinData) m_skinData = nullptr;
  if (operation == TOperation::opRemove && component == PopupForm) PopupForm = nullptr;
}

namespace {
TksSkinMenuHost* HostOn(const TComponent* form) {
  if (!form) return nullptr;
  for (TComponent* c : form->Components()) {
    if (auto* host = dynamic_cast<TksSkinMenuHost*>(c)) return host;
  }
  return nullptr;
}
}  // namespace

TksSkinMenuHost* TksSkinPopupMenu::FindHost() const {
  if (PopupForm) return HostOn(PopupForm);
  if (dynamic_cast<TCustomForm*>(Owner())) return HostOn(Owner());
  if (Owner() && dynamic_cast<TCustomForm*>(Owner()->Owner())) return HostOn(Owner()->Owner());
  return nullptr;
}

void TksSkinPopupMenu::Show(TControl* control, int x, int y) {
  TksSkinMenuHost* host = FindHost();
  if (!host) return;
  TksSkinData* skin = m_skinData ? m_skinData : host->MenuSkinData();
  if (control && !skin) return;
  if (!m_skinData && skin) SetSkinData(skin);
  TksSkinMenu& menu = host->SkinMenu();
  if (host->InMenuMode()) host->LeaveMenuMode();
  host->EnterMenuMode();
  m_popupPoint = {x, y};
  menu.OpenMenu(control, skin, Items(), {x, y, x, y}, 0);
  // The menu may be gone when the manager closes (its owner freed it): the event then does nothing.
  std::weak_ptr<int> alive = m_alive;
  menu.CloseEvent = [this, alive] {
    if (!alive.expired() && OnMenuClose) OnMenuClose(this);
  };
  if (!menu.Visible()) host->LeaveMenuMode();
}

void TksSkinPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  Show(nullptr, x, y);
}

void TksSkinPopupMenu::PopupAsContext(TControl& control, int x, int y) {
  if (OnPopup) OnPopup(this);
  Show(&control, x, y);
}

}  // namespace kx
