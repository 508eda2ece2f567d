#pragma once

#include <memory>

#include "platform/forms/forms.h"
#include "platform/forms/menus.h"

namespace kx {

class TksSkinData;
class TksSkinMenuHost;

// A popup menu that shows itself through the skinned window frame of its form,
// drawn by the frame's menu manager.
class TksSkinPopupMenu : public TPopupMenu {
 public:
  explicit TksSkinPopupMenu(TComponent* owner);

  TksSkinData* SkinData() const { return m_skinData; }
  void SetSkinData(TksSkinData* skinData);
  // The form whose frame shows the menu (a control's context menu sets its own form).
  TCustomForm* PopupForm = nullptr;
  TNotifyEvent OnMenuClose;
  TPoint LastPopupPoint() const { return m_popupPoint; }

  // Shows the menu at a screen point; nothing without a skinned frame to show it.
  void Popup(int x, int y) override;
  // The same for a control's context menu: the control hears when it closes.
  void PopupAsContext(TControl& control, int x, int y);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // The frame that shows the menu: on PopupForm, else on the owner or its owner when a form.
  TksSkinMenuHost* FindHost() const;
  void Show(TControl* control, int x, int y);

  TksSkinData* m_skinData = nullptr;
  TPoint m_popupPoint{-1, -1};
  std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

}  // namespace kx
