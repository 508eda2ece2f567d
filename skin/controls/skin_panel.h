#pragma once

#include "skin/controls/skin_label.h"

namespace kx {

// A container drawn from a skin frame; its children are aligned inside the
// frame's stretched client rectangle.
class TksSkinPanel : public TksSkinCustomControl {
 public:
  explicit TksSkinPanel(TComponent* owner);
  // The plain frame; without one the children may use the whole panel.
  TksSkinBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TksSkinBorderStyle value);
  // A caption bar at the top of the unskinned panel, DefaultCaptionHeight high.
  bool CaptionMode() const { return m_captionMode; }
  void SetCaptionMode(bool value);
  int DefaultCaptionHeight() const { return m_defaultCaptionHeight; }
  void SetDefaultCaptionHeight(int value);
  TAlignment DefaultAlignment = TAlignment::taLeftJustify;
  bool CheckedMode = false;
  bool Checked = false;
  TBitmap Glyph;
  int NumGlyphs = 1;
  int Spacing = 2;
  bool RollUpMode = false;
  bool RollUpState = false;
  int RealHeight = -1;
  bool AutoEnabledControls = true;
  void ApplySkin() override;

 protected:
  void ReadSkinRecord() override;
  void AdjustClientRect(TRect& rect) const override;
  void Paint() override;
  void DrawSkinned(TBitmap& bitmap) override;
  void DrawPlain(TBitmap& bitmap) override;
  void BoundsChanged(const TRect& old) override;

 private:
  const TBitmap* m_background = nullptr;
  TksSkinBorderStyle m_borderStyle = TksSkinBorderStyle::bvFrame;
  bool m_captionMode = false;
  int m_defaultCaptionHeight = 22;
  TRect m_captionRect;
  TFont m_skinFont;
  TAlignment m_captionAlignment = TAlignment::taCenter;
  TRect m_clientArea;  // where the children go, for the present size
};

}  // namespace kx
