#pragma once

#include "platform/forms/edit.h"
#include "skin/controls/skin_control.h"

namespace kx {

class TksSkinPopupMenu;

// The skinned edit field: the framework's edit with the skin's frame in its
// non-client area, the skin behind its text, state colours and a skinned
// context menu built anew on each request.
class TksSkinEdit : public TCustomMaskEdit, public TksSkinnedControl {
 public:
  explicit TksSkinEdit(TComponent* owner);

  TksSkinData* SkinData() const override { return m_skin.Data; }
  void SetSkinData(TksSkinData* skinData);
  bool UseSkinFont = true;
  TFont DefaultFont{"Arial", 14, {}, clWindowText};
  TColor DefaultColor = clWindow;
  int DefaultWidth = 0, DefaultHeight = 0;
  bool MouseIn() const { return m_mouseIn; }
  TksSkinPopupMenu* ContextMenu() const { return m_menu; }

  void ForgetSkin() override { m_skin.Forget(); }
  void ApplySkin() override;

  void SetEnabled(bool enabled) override;

 protected:
  void WndProc(TMessage& m) override;
  void KeyPress(char32_t& key) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;
  void ContextPopup(int x, int y, bool& handled) override;
  void BoundsChanged(const TRect& old) override;
  // The text keeps 2 pixels from the frame at the left and none at the right.
  void FontChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  struct Look;
  void ReadSkinRecord();
  TRect Insets() const;
  void PaintFrame();
  TBitmap FrameImage() const;
  void PaintBackground(TCanvas& canvas);
  void PaintDisabledText(TCanvas& canvas);
  void UpdateFontColor();
  int WantedHeight() const;

  TksSkinLink m_skin{*this, *this, "edit"};
  std::shared_ptr<Look> m_look;
  bool m_mouseIn = false;
  bool m_sizing = false;
  TksSkinPopupMenu* m_menu = nullptr;  // owned by this edit
};

}  // namespace kx
