#pragma once

#include "skin/controls/skin_control.h"

namespace kx {

enum class TksSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

// Draws the plain one-pixel frame of a border style around a rectangle.
void DrawPlainBorder(TCanvas& canvas, const TRect& r, TksSkinBorderStyle style);

// A self-drawn label on a skin frame (the match counter, the percent box).
class TksSkinLabel : public TksSkinCustomControl {
 public:
  explicit TksSkinLabel(TComponent* owner);
  TAlignment Alignment = TAlignment::taLeftJustify;
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  TksSkinBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TksSkinBorderStyle value);
  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  void SetCaption(const std::string& caption) override;

 protected:
  void ReadSkinRecord() override;
  void CalcSkinSize(int& width, int& height) override;
  void UpdateRegion() override;
  void DrawSkinned(TBitmap& bitmap) override;
  void DrawPlain(TBitmap& bitmap) override;

 private:
  void DrawCaption(TCanvas& canvas, const TRect& box, const TFont& font);
  int ExtraWidth();
  void GrowByExtraWidth();
  bool m_autoSize = false;
  TksSkinBorderStyle m_borderStyle = TksSkinBorderStyle::bvFrame;
  TFont m_skinFont;
};

}  // namespace kx
