#pragma once

#include "platform/forms/image_list.h"
#include "skin/controls/skin_control.h"

namespace kx {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// The skinned check or radio box, flat: a mark cut from the skin and the
// caption on the parent's background; it toggles when the left button is
// released over it.
class TksSkinCheckRadioBox : public TksSkinCustomControl {
 public:
  explicit TksSkinCheckRadioBox(TComponent* owner);

  bool Checked() const { return m_checked; }
  void SetChecked(bool value);
  TCheckBoxState State() const { return m_state; }
  void SetState(TCheckBoxState value);
  bool AllowGrayed = false;
  // A radio box: a click only checks it, and its plain mark is a square.
  bool Radio() const { return m_radio; }
  void SetRadio(bool value);
  int GroupIndex = 0;
  bool Flat = true;
  bool CanFocused() const { return m_canFocused; }
  void SetCanFocused(bool value);
  // An image drawn before the caption; the list is let go when it is destroyed.
  TCustomImageList* Images() const { return m_images; }
  void SetImages(TCustomImageList* value);
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value);
  bool MouseIn() const { return m_mouseIn; }

  void SetEnabled(bool enabled) override;

 protected:
  void ReadSkinRecord() override;
  void CalcSkinSize(int&, int&) override {}  // a flat box keeps its size
  void UpdateRegion() override;
  void DrawSkinned(TBitmap& bitmap) override;
  void DrawPlain(TBitmap& bitmap) override;
  void Click() override {}
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyUp(std::uint16_t& key, TShiftState shift) override;
  // The focus rectangle comes and goes with the focus.
  void DoEnter() override;
  void DoExit() override;
  void BoundsChanged(const TRect& old) override;
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& m) override;

 private:
  void Toggle();
  void RaiseClick();
  // Checked and State as Checked sets them, the other boxes of the group
  // unchecked; no click.
  void StoreChecked(bool value);
  // The caption (and image) from x, in the font and colour given; returns what
  // the focus rectangle surrounds: the caption, or the image without a caption.
  TRect DrawCaption(TCanvas& canvas, int x, const TFont& font, TColor color);
  void DrawFocus(TCanvas& canvas, const TRect& around, TColor brush);

  bool m_checked = false;
  bool m_radio = false;
  TCustomImageList* m_images = nullptr;
  int m_imageIndex = 0;
  TCheckBoxState m_state = TCheckBoxState::cbUnchecked;
  bool m_canFocused = true;
  bool m_mouseIn = false;
  TFont m_skinFont;
  TColor m_frameFontColor = 0, m_unEnabledFontColor = 0;
  TRect m_check, m_uncheck, m_activeCheck, m_activeUncheck, m_disabledCheck, m_disabledUncheck;
};

}  // namespace kx
