#include "net/header_list.h"

#include "platform/base/strings.h"

namespace kx {

std::string_view TNetHeaderList::NameOf(std::string_view line) {
  std::size_t colon = line.find(':');
  return colon == std::string_view::npos ? line : line.substr(0, colon);
}

void TNetHeaderList::AddReceivedLine(std::string_view line) {
  if (!line.empty() && (line.front() == ' ' || line.front() == '\t') && !m_lines.empty()) {
    m_lines.back() += ' ';
    m_lines.back() += Trim(line);
    return;
  }
  m_lines.emplace_back(line);
}

void TNetHeaderList::SetValue(std::string_view name, std::string_view value) {
  for (auto it = m_lines.begin(); it != m_lines.end(); ++it) {
    if (SameTextAscii(NameOf(*it), name)) {
      if (value.empty()) {
        m_lines.erase(it);
      } else {
        *it = std::string(name) + ": " + std::string(value);
      }
      return;
    }
  }
  if (!value.empty()) m_lines.push_back(std::string(name) + ": " + std::string(value));
}

std::string TNetHeaderList::Values(std::string_view name) const {
  for (const std::string& line : m_lines) {
    std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    if (SameTextAscii(std::string_view(line).substr(0, colon), name)) {
      return std::string(Trim(std::string_view(line).substr(colon + 1)));
    }
  }
  return {};
}

bool TNetHeaderList::Has(std::string_view name) const {
  for (const std::string& line : m_lines) {
    std::size_t colon = line.find(':');
    if (colon != std::string::npos &&
        SameTextAscii(std::string_view(line).substr(0, colon), name)) {
      return true;
    }
  }
  return false;
}

std::vector<std::string> TNetHeaderList::AllValues(std::string_view name) const {
  std::vector<std::string> values;
  for (const std::string& line : m_lines) {
    std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    if (SameTextAscii(std::string_view(line).substr(0, colon), name)) {
      values.emplace_back(Trim(std::string_view(line).substr(colon + 1)));
    }
  }
  return values;
}

std::vector<std::string> FoldLine(const std::string& line, std::size_t width) {
  std::vector<std::string> out;
  // The rest is a view into the line: a continuation begins with one blank,
  // and the byte before its first non-blank is always a blank of the line.
  std::string_view rest = line;
  while (rest.size() > width) {
    // The last blank that keeps the piece within the width, else the first one after it.
    std::size_t cut = rest.rfind(' ', width);
    if (cut == 0 || cut == std::string_view::npos) cut = rest.find(' ', width);
    if (cut == std::string_view::npos || cut == 0) break;
    std::string_view piece = rest.substr(0, cut);
    while (!piece.empty() && piece.back() == ' ') piece.remove_suffix(1);
    std::size_t next = rest.find_first_not_of(' ', cut);
    if (next == std::string_view::npos) {
      rest = piece;
      break;
    }
    out.emplace_back(piece);
    rest = rest.substr(next - 1);
  }
  out.emplace_back(rest);
  return out;
}

std::vector<std::string> TNetHeaderList::FoldedLines() const {
  std::vector<std::string> out;
  for (const std::string& line : m_lines) {
    for (std::string& piece : FoldLine(line)) out.push_back(std::move(piece));
  }
  return out;
}

}  // namespace kx
