#include "platform/forms/edit_buffer.h"

#include <algorithm>
#include <utility>

#include "platform/base/strings.h"

namespace kx {

std::string ApplyCharCase(const std::string& text, TEditCharCase charCase) {
  if (charCase == TEditCharCase::ecNormal) return text;
  return charCase == TEditCharCase::ecUpperCase ? UpperCaseAscii(text) : LowerCaseAscii(text);
}

void EditBuffer::Store(std::string text) {
  m_text = std::move(text);
  m_starts = Utf8CharStarts(m_text);
}

void EditBuffer::SetText(const std::string& text) {
  Store(ApplyCharCase(text, CharCase));
  m_anchor = m_caret = 0;
  m_hasUndo = false;
  m_typing = false;
}

int EditBuffer::Clamp(int position) const {
  return std::clamp(position, 0, Length());
}

std::size_t EditBuffer::ByteOffset(int position) const {
  return m_starts[static_cast<std::size_t>(Clamp(position))];
}

std::string EditBuffer::Slice(int start, int end) const {
  std::size_t from = ByteOffset(start);
  std::size_t to = ByteOffset(end);
  return to > from ? m_text.substr(from, to - from) : std::string();
}

void EditBuffer::SetSel(int start, int end) {
  m_anchor = start < 0 ? 0 : Clamp(start);
  m_caret = end < 0 ? Length() : Clamp(end);
  m_typing = false;
}

void EditBuffer::MoveCaret(int position, bool extend) {
  m_caret = Clamp(position);
  if (!extend) m_anchor = m_caret;
  m_typing = false;
}

bool EditBuffer::IsBlankAt(int position) const {
  char c = m_text[ByteOffset(position)];
  return c == ' ' || c == '\t';
}

int EditBuffer::WordLeft(int position) const {
  int p = Clamp(position);
  while (p > 0 && IsBlankAt(p - 1)) --p;
  while (p > 0 && !IsBlankAt(p - 1)) --p;
  return p;
}

int EditBuffer::WordRight(int position) const {
  int p = Clamp(position);
  int n = Length();
  while (p < n && !IsBlankAt(p)) ++p;
  while (p < n && IsBlankAt(p)) ++p;
  return p;
}

int EditBuffer::WordStart(int position) const {
  int p = Clamp(position);
  while (p > 0 && !IsBlankAt(p - 1)) --p;
  return p;
}

void EditBuffer::SelectWord(int position) {
  int start = WordStart(position);
  SetSel(start, WordRight(start));
}

void EditBuffer::Remember(bool typing) {
  if (!(typing && m_typing && m_hasUndo)) {
    m_undo = {m_text, m_anchor, m_caret};
    m_hasUndo = true;
  }
  m_typing = typing;
}

bool EditBuffer::Fits(std::string_view text) const {
  if (MaxLength <= 0) return true;
  return Length() - SelLength() + Utf8CharCount(text) <= MaxLength;
}

bool EditBuffer::ReplaceSelection(std::string_view text) {
  std::string insert = ApplyCharCase(std::string(text), CharCase);
  int start = SelStart();
  int removed = SelLength();
  if (MaxLength > 0) {
    int room = std::max(0, MaxLength - (Length() - removed));
    std::vector<std::size_t> starts = Utf8CharStarts(insert);
    if (static_cast<int>(starts.size()) - 1 > room)
      insert.resize(starts[static_cast<std::size_t>(room)]);
  }
  if (removed == 0 && insert.empty()) return false;
  int inserted = Utf8CharCount(insert);
  bool typing = removed == 0 && inserted == 1;
  Remember(typing);
  std::string next = m_text;
  std::size_t from = ByteOffset(start);
  next.replace(from, ByteOffset(start + removed) - from, insert);
  Store(std::move(next));
  m_anchor = m_caret = Clamp(start + inserted);
  return true;
}

bool EditBuffer::DeleteForward() {
  if (SelLength() > 0) return DeleteSelection();
  if (m_caret >= Length()) return false;
  m_anchor = m_caret + 1;
  return ReplaceSelection({});
}

bool EditBuffer::DeleteBackward() {
  if (SelLength() > 0) return DeleteSelection();
  if (m_caret <= 0) return false;
  m_anchor = m_caret - 1;
  return ReplaceSelection({});
}

bool EditBuffer::Undo() {
  if (!m_hasUndo) return false;
  Snapshot current{m_text, m_anchor, m_caret};
  Store(std::move(m_undo.text));
  m_anchor = Clamp(m_undo.anchor);
  m_caret = Clamp(m_undo.caret);
  m_undo = std::move(current);
  m_typing = false;
  return true;
}

}  // namespace kx
