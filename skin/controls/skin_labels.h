#pragma once

#include <functional>
#include <string>

#include "platform/forms/label.h"
#include "skin/controls/skin_control.h"

namespace kx {

// A transparent text label whose font and colour may come from a skin section.
class TksSkinStdLabel : public TCustomLabel, public TksSkinnedControl {
 public:
  explicit TksSkinStdLabel(TComponent* owner);
  TksSkinData* SkinData() const override { return m_skin.Data; }
  void SetSkinData(TksSkinData* skinData);
  // Skinned: draw in the section's font; unskinned: draw in DefaultFont. A
  // change re-sizes an auto-sized label and repaints.
  bool UseSkinFont() const { return m_useSkinFont; }
  void SetUseSkinFont(bool value);
  // Whether a skinned label takes the section's colour; else Font's.
  bool UseSkinColor() const { return m_useSkinColor; }
  void SetUseSkinColor(bool value);
  const TFont& DefaultFont() const { return m_defaultFont; }
  void SetDefaultFont(const TFont& font);
  void ForgetSkin() override { m_skin.Forget(); }
  void ApplySkin() override;

 protected:
  void DoDrawText(TCanvas& canvas, TRect& rect, UINT flags) override;
  void Notification(TComponent* component, TOperation operation) override;
  // The font and colour the text is drawn in now.
  virtual TFont TextFont();
  // Re-sizes an auto-sized label to its text and repaints.
  void TextLookChanged();
  TksSkinLink m_skin{*this, *this, "stdlabel"};
  TFont m_skinFont;
  TFont m_defaultFont{"MS Sans Serif", -11, {}, clWindowText};
  bool m_useSkinFont = true;
  bool m_useSkinColor = true;
  TColor m_activeFontColor = 0xFF0000;
};

// An underlined label that changes colour under the mouse and opens its URL when clicked.
class TksSkinLinkLabel : public TksSkinStdLabel {
 public:
  explicit TksSkinLinkLabel(TComponent* owner);
  bool UseUnderLine() const { return m_useUnderLine; }
  void SetUseUnderLine(bool value);
  // The colour under the mouse while unskinned.
  TColor DefaultActiveFontColor() const { return m_defaultActiveFontColor; }
  void SetDefaultActiveFontColor(TColor value);
  std::string URL;
  // How the URL is opened: the shell's opener by default.
  std::function<bool(const std::string&)> OpenUrl;

 protected:
  TFont TextFont() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Click() override;

 private:
  bool m_mouseIn = false;
  bool m_useUnderLine = true;
  TColor m_defaultActiveFontColor = 0xFF0000;
};

// A windowless label drawn with a soft shadow over what lies behind it.
class TksSkinShadowLabel : public TksGraphicSkinControl {
 public:
  explicit TksSkinShadowLabel(TComponent* owner);
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return m_layout; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool value);
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  bool ShowAccelChar() const { return m_showAccelChar; }
  void SetShowAccelChar(bool value);
  // Whether the caption takes the skin's colour; else Font's.
  bool UseSkinColor() const { return m_useSkinColor; }
  void SetUseSkinColor(bool value);
  // The control the caption's accelerator focuses; forgotten when it is destroyed.
  TWinControl* FocusControl() const { return m_focusControl; }
  void SetFocusControl(TWinControl* control);
  void SetCaption(const std::string& caption) override;
  // Width and height of the caption + 3; a right-aligned label keeps its right edge.
  void AdjustBounds();

 protected:
  void Paint() override;
  void FontChanged() override;
  void Loaded() override;
  void BoundsChanged(const TRect& old) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  UINT Format() const;
  bool m_autoSize = true;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  TTextLayout m_layout = TTextLayout::tlTop;
  bool m_wordWrap = false;
  bool m_showAccelChar = true;
  bool m_useSkinColor = true;
  TWinControl* m_focusControl = nullptr;
};

}  // namespace kx
