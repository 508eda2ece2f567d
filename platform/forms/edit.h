#pragma once

#include <memory>
#include <vector>

#include "platform/forms/edit_buffer.h"
#include "platform/forms/forward.h"
#include "platform/forms/label.h"

namespace kx {

// The colour request an edit sends to its parent (WM_CTLCOLOREDIT, wParam points
// here, lParam is the edit's window) before it paints its text. Transparent: the
// text is drawn without a background, over what the erase left.
struct CtlColorRequest {
  TColor TextColor = clWindowText;
  TColor BackColor = clWindow;
  bool Transparent = false;
  // The selection's background and text.
  TColor HighlightColor = clHighlight;
  TColor HighlightTextColor = clHighlightText;
};

enum class TEditBorderStyle { bsNone, bsSingle };

// The framework's single-line edit control: text entry, caret, selection by
// mouse and keys, clipboard, one level of undo and a default context menu.
class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  void SetCaption(const std::string& text) override;

  bool AutoSelect = true;
  bool HideSelection = true;
  int MaxLength() const { return m_buffer.MaxLength; }
  void SetMaxLength(int value);
  TEditCharCase CharCase() const { return m_buffer.CharCase; }
  void SetCharCase(TEditCharCase value);
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool value);
  char PasswordChar() const { return m_passwordChar; }
  void SetPasswordChar(char value);
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  TEditBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TEditBorderStyle value);
  TNotifyEvent OnChange;

  int SelStart() const { return m_buffer.SelStart(); }
  int SelLength() const { return m_buffer.SelLength(); }
  std::string SelText() const { return m_buffer.SelText(); }
  void SetSel(int start, int end);
  void SelectAll();
  void ClearSelection() { Perform(WM_CLEAR); }
  void CutToClipboard() { Perform(WM_CUT); }
  void CopyToClipboard() { Perform(WM_COPY); }
  void PasteFromClipboard() { Perform(WM_PASTE); }
  void Undo() { Perform(WM_UNDO); }
  bool CanUndo() const { return m_buffer.CanUndo(); }
  int LeftMargin() const { return m_leftMargin; }
  int RightMargin() const { return m_rightMargin; }
  // The context menu shown when no PopupMenu is set (the last one built), or nullptr.
  TPopupMenu* DefaultContextMenu() const { return m_contextMenu; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void ContextPopup(int x, int y, bool& handled) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void DoEnter() override;
  void DoExit() override;
  void Resize() override;
  void FontChanged() override;
  // The text changed (typing, clipboard, undo or Text); the base raises OnChange.
  virtual void Change();
  // The rectangle the text is laid out in, client coordinates.
  TRect FormatRect() const;
  // The text as shown: the password character per character when one is set.
  std::string DisplayText() const;
  // The caret position under a client x.
  int PositionAt(int x);
  const EditBuffer& Buffer() const { return m_buffer; }

 private:
  void PaintText();
  // The edit's own reaction to a key: caret moves, selection, deletion, clipboard.
  void EditKey(int vk, TShiftState shift);
  void TypeChar(char32_t c);
  bool Modify(bool changed);
  void SelectionChanged();
  void ScrollToCaret();
  // Widths of the display text's prefixes, measured once per use.
  std::vector<int> DisplayWidths() const;
  int TextX(const std::vector<int>& widths, int position) const;
  void PlaceCaret(const std::vector<int>& widths);
  // Shows PopupMenu, or the default context menu, at a client point (-1, -1: keyboard).
  void ShowContextMenu(int x, int y);
  bool HandleEditMessage(TMessage& m);

  EditBuffer m_buffer;
  bool m_readOnly = false;
  char m_passwordChar = 0;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  TEditBorderStyle m_borderStyle = TEditBorderStyle::bsSingle;
  int m_leftMargin = 1;
  int m_rightMargin = 1;
  int m_scrollX = 0;  // pixels of the text scrolled off to the left
  bool m_selecting = false;
  bool m_focusedByMouse = false;
  TPopupMenu* m_contextMenu = nullptr;  // owned by this edit
};

// The base of masked edits. The program's edits carry no mask, so no mask
// rules are built in yet and it behaves as the plain edit.
class TCustomMaskEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

class TEdit : public TCustomMaskEdit {
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
};

}  // namespace kx
