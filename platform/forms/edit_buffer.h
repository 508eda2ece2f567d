#pragma once

#include <string>

namespace kx {

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

std::string ApplyCharCase(const std::string& text, TEditCharCase charCase);

// The text of a single-line edit with its caret, selection and one level of
// undo. Positions are character indexes 0 … length; the selection runs from
// the anchor to the caret.
class EditBuffer {
 public:
  const std::string& Text() const { return m_text; }
  int Length() const { return static_cast<int>(m_text.size()); }
  // Replaces the whole text: caret at 0, nothing selected, undo emptied.
  void SetText(const std::string& text);

  int Caret() const { return m_caret; }
  int Anchor() const { return m_anchor; }
  int SelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
  int SelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
  int SelLength() const { return SelEnd() - SelStart(); }
  std::string SelText() const;
  bool AllSelected() const { return SelStart() == 0 && SelEnd() == Length(); }
  // Selects from start to end (end −1: to the end of the text), caret at end.
  void SetSel(int start, int end);
  void SelectAll() { SetSel(0, -1); }
  // Moves the caret; with extend the anchor stays, so the selection grows or shrinks.
  void MoveCaret(int position, bool extend);

  // The start of the word before position, and the start of the word after it.
  int WordLeft(int position) const;
  int WordRight(int position) const;

  // Replaces the selection with text, cut to what MaxLength leaves room for.
  // False when nothing changed.
  bool ReplaceSelection(const std::string& text);
  // Deletes the selection, else the character after (forward) or before the caret.
  bool DeleteForward();
  bool DeleteBackward();
  bool DeleteSelection() { return SelLength() > 0 && ReplaceSelection({}); }

  bool CanUndo() const { return m_hasUndo; }
  // Restores the text before the last change; undoing again restores the change.
  bool Undo();
  void EmptyUndo() { m_hasUndo = false; }

  int MaxLength = 0;  // 0: no limit
  TEditCharCase CharCase = TEditCharCase::ecNormal;

 private:
  struct Snapshot {
    std::string text;
    int anchor = 0;
    int caret = 0;
  };
  void Remember(bool typing);
  int Clamp(int position) const;

  std::string m_text;
  int m_anchor = 0;
  int m_caret = 0;
  Snapshot m_undo;
  bool m_hasUndo = false;
  bool m_typing = false;  // the last change was typing at the caret, grouped for undo
};

}  // namespace kx
