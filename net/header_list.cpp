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
  std::string rest = line;
  while (rest.size() > width) {
    // The last blank that keeps the piece within the width, else the first one after it.
    std::size_t cut = rest.rfind(' ', width);
    if (cut == 0 || cut == std::string::npos) cut = rest.find(' ', width);
    if (cut == std::string::npos || cut == 0) break;
    std::string piece = rest.substr(0, cut);
    while (!piece.empty() && piece.back() == ' ') piece.pop_back();
    std::size_t next = rest.find_first_not_of(' ', cut);
    if (next == std::string::npos) {
      rest = piece;
      break;
    }
    out.push_back(piece);
    std::string continuation(1, ' ');
    continuation.append(rest, next, std::string::npos);
    rest = std::move(continuation);
  }
  out.push_back(rest);
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
