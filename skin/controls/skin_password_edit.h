#pragma once

#include "skin/controls/skin_control.h"

namespace kx {

enum class TksPasswordKind { pkRoundRect, pkRect, pkTriangle };

// A self-drawn password field: one mark per character on the skin's edit
// image, a caret, selection by keys and mouse, paste but no copy or cut.
class TksSkinPasswordEdit : public TksSkinCustomControl {
 public:
  explicit TksSkinPasswordEdit(TComponent* owner);

  const std::string& Text() const { return m_text; }
  void SetText(const std::string& text);
  TksPasswordKind PasswordKind = TksPasswordKind::pkRoundRect;
  TAlignment Alignment = TAlignment::taLeftJustify;
  bool AutoSelect = true;
  bool HideSelection = true;
  bool ReadOnly = false;
  int MaxLength = 0;
  TColor DefaultColor = clWindow;
  TNotifyEvent OnChange;

  int SelStart() const { return m_selStart; }
  int SelLength() const { return m_selLength; }
  int CaretPosition() const { return m_caret; }
  int FirstVisible() const { return m_first; }
  // The text area and the width of one character cell.
  TRect TextArea() const;
  int CellWidth() const;

 protected:
  void ReadSkinRecord() override;
  void CalcSkinSize(int& width, int& height) override;
  void DrawSkinned(TBitmap& bitmap) override;
  void DrawPlain(TBitmap& bitmap) override;
  void WndProc(TMessage& m) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  int OriginX() const;
  int XOf(int position) const;
  int IndexAt(int x) const;
  void SetCaret(int position);
  void Scroll();
  void Insert(const std::string& s);
  void DeleteSelection();
  void DrawMarks(TCanvas& canvas, TColor normal, TColor selected);
  void DrawMark(TCanvas& canvas, const TRect& cell, TColor color);

  std::string m_text;
  int m_caret = 0;
  int m_selStart = 0;
  int m_selLength = 0;
  int m_first = 1;  // the first visible character, counted from 1
  bool m_dragging = false;
  bool m_mouseIn = false;
  TRect m_activeSkinRect;
  TColor m_fontColor = 0, m_activeFontColor = 0, m_disabledFontColor = 0;
};

}  // namespace kx
