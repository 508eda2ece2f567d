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
  // Whether the skin section's font is drawn; changing it takes the skin up again.
  bool UseSkinFont() const { return m_useSkinFont; }
  void SetUseSkinFont(bool value);
  // The font when unskinned or without UseSkinFont; there a change becomes the
  // edit's font at once.
  const TFont& DefaultFont() const { return m_defaultFont; }
  void SetDefaultFont(const TFont& font);
  // The background of the unskinned field.
  TColor DefaultColor() const { return m_defaultColor; }
  void SetDefaultColor(TColor value);
  // The size an unskinned edit takes when above 0; set, it applies at once.
  int DefaultWidth() const { return m_defaultWidth; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return m_defaultHeight; }
  void SetDefaultHeight(int value);
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
  // The text keeps 2 pixels from the frame at the left and none at the right;
  // without UseSkinFont the height follows the font.
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
  TFont m_defaultFont;
  bool m_useSkinFont = true;
  TColor m_defaultColor = clWindow;
  int m_defaultWidth = 0, m_defaultHeight = 0;
  std::shared_ptr<Look> m_look;
  bool m_mouseIn = false;
  bool m_sizing = false;
  TksSkinPopupMenu* m_menu = nullptr;  // owned by this edit
};

}  // namespace kx
