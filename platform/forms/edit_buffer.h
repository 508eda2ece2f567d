#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// Upper- or lower-cases the ASCII letters of UTF-8 text; other bytes stay.
std::string ApplyCharCase(const std::string& text, TEditCharCase charCase);

// The one model of editable single-line text: UTF-8 storage with a caret, a
// selection and one level of undo. Every position is a character index
// 0 … Length(), a character being one code point; a byte that begins no
// well-formed UTF-8 sequence counts as one character of its own and is kept
// as it is. The selection runs from the anchor to the caret.
class EditBuffer {
 public:
  const std::string& Text() const { return m_text; }
  // The length in characters.
  int Length() const { return static_cast<int>(m_starts.size()) - 1; }
  // Replaces the whole text: caret at 0, nothing selected, undo emptied.
  void SetText(const std::string& text);
  // The bytes of the characters from start to end (clamped).
  std::string Slice(int start, int end) const;
  // The byte offset of a character position (clamped).
  std::size_t ByteOffset(int position) const;

  int Caret() const { return m_caret; }
  int Anchor() const { return m_anchor; }
  int SelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
  int SelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
  int SelLength() const { return SelEnd() - SelStart(); }
  std::string SelText() const { return Slice(SelStart(), SelEnd()); }
  bool AllSelected() const { return SelStart() == 0 && SelEnd() == Length(); }
  // Selects from start to end (end −1: to the end of the text), caret at end.
  void SetSel(int start, int end);
  void SelectAll() { SetSel(0, -1); }
  // Moves the caret; with extend the anchor stays, so the selection grows or shrinks.
  void MoveCaret(int position, bool extend);

  // Words are runs of characters other than blanks (space and tab).
  // The start of the word before position, and the start of the word after it.
  int WordLeft(int position) const;
  int WordRight(int position) const;
  // The start of the word position lies in (position itself after a blank).
  int WordStart(int position) const;
  // Selects from the start of the word at position to the start of the next
  // word, the caret at the end.
  void SelectWord(int position);

  // Whether text can replace the selection whole within MaxLength.
  bool Fits(std::string_view text) const;
  // Replaces the selection with text, cut at a character boundary to what
  // MaxLength leaves room for. False when nothing changed.
  bool ReplaceSelection(std::string_view text);
  // Deletes the selection, else the character after (forward) or before the caret.
  bool DeleteForward();
  bool DeleteBackward();
  bool DeleteSelection() { return SelLength() > 0 && ReplaceSelection({}); }

  bool CanUndo() const { return m_hasUndo; }
  // Restores the text before the last change; undoing again restores the change.
  bool Undo();
  void EmptyUndo() { m_hasUndo = false; }

  int MaxLength = 0;  // in characters; 0: no limit
  TEditCharCase CharCase = TEditCharCase::ecNormal;

 private:
  struct Snapshot {
    std::string text;
    int anchor = 0;
    int caret = 0;
  };
  void Store(std::string text);
  void Remember(bool typing);
  int Clamp(int position) const;
  bool IsBlankAt(int position) const;

  std::string m_text;
  std::vector<std::size_t> m_starts{0};  // byte offset of every character, then the end
  int m_anchor = 0;
  int m_caret = 0;
  Snapshot m_undo;
  bool m_hasUndo = false;
  bool m_typing = false;  // the last change was typing at the caret, grouped for undo
};

}  // namespace kx
