#pragma once

#include "platform/forms/edit_buffer.h"
#include "skin/controls/skin_control.h"

namespace kx {

enum class TksPasswordKind { pkRoundRect, pkRect, pkTriangle };

// A self-drawn password field: one mark per character on the skin's edit
// image, a caret, selection by keys and mouse, paste but no copy or cut. The
// text, caret and selection live in an EditBuffer, so every position is a
// whole character.
class TksSkinPasswordEdit : public TksSkinCustomControl {
 public:
  explicit TksSkinPasswordEdit(TComponent* owner);

  const std::string& Text() const { return m_buffer.Text(); }
  void SetText(const std::string& text);
  TksPasswordKind PasswordKind() const { return m_passwordKind; }
  void SetPasswordKind(TksPasswordKind value);
  // Where the marks lie when they all fit; the caret follows at once.
  TAlignment TextAlignment() const { return m_textAlignment; }
  void SetTextAlignment(TAlignment value);
  // Upper- or lower-cases the ASCII letters of the text as it is set, typed or
  // pasted; setting it converts the text already there.
  TEditCharCase CharCase() const { return m_buffer.CharCase; }
  void SetCharCase(TEditCharCase value);
  bool AutoSelect = true;
  // Whether the selection shows only while the field has the focus.
  bool HideSelection() const { return m_hideSelection; }
  void SetHideSelection(bool value);
  bool ReadOnly = false;
  int MaxLength = 0;  // in characters; 0: no limit
  // The background of the unskinned field.
  TColor DefaultColor() const { return m_defaultColor; }
  void SetDefaultColor(TColor value);
  TNotifyEvent OnChange;

  // Character positions.
  int SelStart() const { return m_buffer.SelStart(); }
  int SelLength() const { return m_buffer.SelLength(); }
  int CaretPosition() const { return m_buffer.Caret(); }
  int FirstVisible() const { return m_first; }
  // The text area and the width of one character cell.
  TRect TextArea() const;
  int CellWidth() const;

 protected:
  void ReadSkinRecord() override;
  void CalcSkinSize(int& width, int& height) override;
  void DrawSkinned(TBitmap& bitmap) override;
  void DrawPlain(TBitmap& bitmap) override;
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& m) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  int Length() const { return m_buffer.Length(); }
  int OriginX() const;
  int XOf(int position) const;
  int IndexAt(int x) const;
  // Moves the caret (extend: the selection grows from its anchor), then PlaceCaret.
  void MoveCaret(int position, bool extend);
  // Scrolls the caret into view, moves the platform caret to it when focused
  // and repaints.
  void PlaceCaret();
  void Scroll();
  // Replaces the selection with s when the result fits MaxLength; else only
  // the selection goes away.
  void Insert(const std::string& s);
  // Stores an edit of the buffer (nothing when unchanged) and reports it.
  void Changed(bool changed);
  void DrawMarks(TCanvas& canvas, TColor normal, TColor selected);
  void DrawMark(TCanvas& canvas, const TRect& cell, TColor color);

  EditBuffer m_buffer;
  TksPasswordKind m_passwordKind = TksPasswordKind::pkRoundRect;
  bool m_hideSelection = true;
  TColor m_defaultColor = clWindow;
  TAlignment m_textAlignment = TAlignment::taLeftJustify;
  int m_first = 1;  // the first visible character, counted from 1
  bool m_dragging = false;
  bool m_mouseIn = false;
  TRect m_activeSkinRect;
  TColor m_fontColor = 0, m_activeFontColor = 0, m_disabledFontColor = 0;
};

}  // namespace kx
