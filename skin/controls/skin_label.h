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
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  TksSkinBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TksSkinBorderStyle value);
  // Whether the skin decides the size; changing it takes the skin up again.
  bool UseSkinSize() const { return m_useSkinSize; }
  void SetUseSkinSize(bool value);
  // Whether the caption takes the skin's colour; else DefaultFont's.
  bool UseSkinFontColor() const { return m_useSkinFontColor; }
  void SetUseSkinFontColor(bool value);
  void SetCaption(const std::string& caption) override;

 protected:
  void ReadSkinRecord() override;
  void CalcSkinSize(int& width, int& height) override;
  void UpdateRegion() override;
  // Children lie inside the plain border (the whole label without one).
  void AdjustClientRect(TRect& rect) const override;
  void DrawSkinned(TBitmap& bitmap) override;
  void DrawPlain(TBitmap& bitmap) override;
  // An auto-sized label fits its caption in the new default font.
  void DefaultFontChanged() override;

 private:
  void DrawCaption(TCanvas& canvas, const TRect& box, const TFont& font);
  bool SkinSized() const;
  // Whether the label's own width counts: its alignment does not set it.
  bool WidthIsFree() const;
  // How much wider than width the caption needs the label (may be negative).
  int ExtraWidth(int width) const;
  // Makes the label as wide as its caption needs, wider or narrower.
  void FitWidthToCaption();
  bool m_useSkinSize = true;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_useSkinFontColor = true;
  bool m_autoSize = false;
  TksSkinBorderStyle m_borderStyle = TksSkinBorderStyle::bvFrame;
  TFont m_skinFont;
};

}  // namespace kx
