#pragma once

#include "skin/controls/skin_control.h"

namespace kx {

enum class TksButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// How a button is drawn: up, highlighted (mouse over or focused) or pressed.
// A disabled button is drawn up, in its disabled colours.
enum class TksButtonState { Up, Highlighted, Pressed };

// Where the glyph cell and the caption of a button go inside a box.
struct TksGlyphLayout {
  TPoint glyph;
  TPoint caption;
};
TksGlyphLayout LayoutGlyphAndCaption(const TRect& box, TSize glyph, TSize caption, int margin,
                                     int spacing, TksButtonLayout layout, bool down);

// The skinned push button: state images cut from the skin, caption and glyph,
// a click when the left button is released over it after a press on it.
class TksSkinButton : public TksSkinCustomControl {
 public:
  explicit TksSkinButton(TComponent* owner);

  // Whether the skin decides the size; changing it takes the skin up again.
  bool UseSkinSize() const { return m_useSkinSize; }
  void SetUseSkinSize(bool value);
  // Whether the caption takes the skin's colours; else DefaultFont's.
  bool UseSkinFontColor() const { return m_useSkinFontColor; }
  void SetUseSkinFontColor(bool value);
  bool CanFocused() const { return m_canFocused; }
  void SetCanFocused(bool value);
  bool Down() const { return m_down; }
  void SetDown(bool value);
  int GroupIndex() const { return m_groupIndex; }
  void SetGroupIndex(int value);
  bool AllowAllUp = false;
  // The glyph strip: NumGlyphs cells side by side (up, disabled, down, highlighted).
  const TBitmap& Glyph() const { return m_glyph; }
  void SetGlyph(const TBitmap& value);
  int NumGlyphs() const { return m_numGlyphs; }
  void SetNumGlyphs(int value);
  // From the caption box's edge to the glyph; -1 centres glyph and caption.
  int Margin() const { return m_margin; }
  void SetMargin(int value);
  int Spacing() const { return m_spacing; }
  void SetSpacing(int value);
  TksButtonLayout Layout() const { return m_layout; }
  void SetLayout(TksButtonLayout value);
  bool Default = false;
  bool Cancel = false;
  int ModalResult = 0;
  bool MouseIn() const { return m_mouseIn; }
  // Whether the button acts as the window's default button now: Default when
  // its window is made, then whichever skinned button has the focus.
  bool ActsAsDefault() const { return m_actsAsDefault; }

  void SetEnabled(bool enabled) override;

 protected:
  void ReadSkinRecord() override;
  void CalcSkinSize(int& width, int& height) override;
  void UpdateRegion() override;
  void DrawSkinned(TBitmap& bitmap) override;
  void DrawPlain(TBitmap& bitmap) override;
  void CreateWnd() override;
  virtual void DrawStateImage(TBitmap& bitmap, const TRect& image, TksButtonState state);
  // A completed click: the window's modal result, then OnClick.
  virtual void ButtonClick();
  // The framework's own click would come before the release is handled: the button clicks itself.
  void Click() override {}
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DoEnter() override;
  void DoExit() override;
  // Glyph and caption in a box of the bitmap, in the state's colour; plainColor
  // is the caption's colour in the unskinned look while enabled.
  void DrawContent(TCanvas& canvas, const TRect& box, TksButtonState state);
  void DrawContent(TCanvas& canvas, const TRect& box, TksButtonState state, TColor plainColor);
  bool ShowsPressed() const;
  bool SkinSized() const;
  TFont CaptionFont() const;

  // From the record.
  TFont m_skinFont;
  TColor m_activeFontColor = 0, m_downFontColor = 0, m_disabledFontColor = 0;
  TRect m_activeSkinRect, m_downSkinRect, m_disabledSkinRect;
  bool m_showFocus = false;

 private:
  // Tells every skinned button of the window which one acts as default now.
  void FocusMoved(const TksSkinButton* focused);
  bool m_useSkinSize = true;
  bool m_useSkinFontColor = true;
  TBitmap m_glyph;
  int m_numGlyphs = 1;
  int m_margin = -1;
  int m_spacing = 1;
  TksButtonLayout m_layout = TksButtonLayout::blGlyphLeft;
  bool m_actsAsDefault = false;
  bool m_canFocused = true;
  bool m_down = false;
  int m_groupIndex = 0;
  bool m_mouseIn = false;
  bool m_pressed = false;
};

// The button of a resizable frame; it never takes the focus, and it can carry
// its own pictures for the unskinned look.
class TksSkinXFormButton : public TksSkinButton {
 public:
  explicit TksSkinXFormButton(TComponent* owner);
  TBitmap DefImage, DefActiveImage, DefDownImage, DefMask;
  TColor DefActiveFontColor = clBlack;
  TColor DefDownFontColor = clBlack;
  // Unskinned with a DefImage: the button takes the picture's size and DefMask's shape.
  void ApplySkin() override;

 protected:
  void DrawPlain(TBitmap& bitmap) override;
};

}  // namespace kx
