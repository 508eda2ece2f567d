#include "platform/forms/edit_buffer.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace kx {

namespace {
bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}
}  // namespace

std::string ApplyCharCase(const std::string& text, TEditCharCase charCase) {
  if (charCase == TEditCharCase::ecNormal) return text;
  std::string out = text;
  for (char& c : out) {
    auto u = static_cast<unsigned char>(c);
    c = static_cast<char>(charCase == TEditCharCase::ecUpperCase ? std::toupper(u)
                                                                 : std::tolower(u));
  }
  return out;
}

void EditBuffer::SetText(const std::string& text) {
  m_text = ApplyCharCase(text, CharCase);
  m_anchor = m_caret = 0;
  m_hasUndo = false;
  m_typing = false;
}

int EditBuffer::Clamp(int position) const {
  return std::clamp(position, 0, Length());
}

std::string EditBuffer::SelText() const {
  return m_text.substr(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelLength()));
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

int EditBuffer::WordLeft(int position) const {
  int p = Clamp(position);
  while (p > 0 && IsSpace(m_text[static_cast<std::size_t>(p - 1)])) --p;
  while (p > 0 && !IsSpace(m_text[static_cast<std::size_t>(p - 1)])) --p;
  return p;
}

int EditBuffer::WordRight(int position) const {
  int p = Clamp(position);
  int n = Length();
  while (p < n && !IsSpace(m_text[static_cast<std::size_t>(p)])) ++p;
  while (p < n && IsSpace(m_text[static_cast<std::size_t>(p)])) ++p;
  return p;
}

void EditBuffer::Remember(bool typing) {
  if (!(typing && m_typing && m_hasUndo)) {
    m_undo = {m_text, m_anchor, m_caret};
    m_hasUndo = true;
  }
  m_typing = typing;
}

bool EditBuffer::ReplaceSelection(const std::string& text) {
  std::string insert = ApplyCharCase(text, CharCase);
  int start = SelStart();
  int removed = SelLength();
  if (MaxLength > 0) {
    int room = std::max(0, MaxLength - (Length() - removed));
    if (static_cast<int>(insert.size()) > room) insert.resize(static_cast<std::size_t>(room));
  }
  if (removed == 0 && insert.empty()) return false;
  bool typing = removed == 0 && insert.size() == 1;
  Remember(typing);
  m_text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(removed), insert);
  m_anchor = m_caret = start + static_cast<int>(insert.size());
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
  m_text = std::move(m_undo.text);
  m_anchor = Clamp(m_undo.anchor);
  m_caret = Clamp(m_undo.caret);
  m_undo = std::move(current);
  m_typing = false;
  return true;
}

}  // namespace kx
