#pragma once

#include "platform/forms/controls.h"
#include "platform/gfx/alignment.h"

namespace kx {

// Text on its parent: transparent unless told otherwise, sized to its text
// with AutoSize (measured with DT_CALCRECT), "&" marking an accelerator.
class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* owner);

  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return m_layout; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return m_showAccelChar; }
  void SetShowAccelChar(bool value);
  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool value);
  TWinControl* FocusControl = nullptr;

  void SetCaption(const std::string& caption) override;
  // The DrawText flags of the label's current settings.
  UINT DrawTextFlags() const;
  // Sizes the label to its text (AutoSize), keeping its right edge when right-justified.
  void AdjustBounds();

 protected:
  void Paint() override;
  void FontChanged() override;
  void Loaded() override;
  // Draws (or with DT_CALCRECT measures) the caption into rect.
  virtual void DoDrawText(TCanvas& canvas, TRect& rect, UINT flags);

 private:
  bool m_autoSize = true;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  TTextLayout m_layout = TTextLayout::tlTop;
  bool m_wordWrap = false;
  bool m_showAccelChar = true;
  bool m_transparent = true;
};

}  // namespace kx
