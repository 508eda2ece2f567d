#include "platform/base/mem_ini_file.h"

#include <cstdint>

#include "platform/base/line_list.h"
#include "platform/base/strings.h"

namespace kx {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  return Trim(text);
}

}  // namespace

TMemIniFile::TMemIniFile(std::string_view text) {
  SetText(text);
}

void TMemIniFile::SetText(std::string_view text) {
  m_sections.clear();
  m_index.clear();
  Section* current = nullptr;
  for (const std::string& rawLine : SplitLines(text)) {
    std::string_view line = TrimBlanks(rawLine);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      std::string name(TrimBlanks(line.substr(1, line.size() - 2)));
      std::string lower = LowerCaseAscii(name);
      auto found = m_index.find(lower);
      if (found == m_index.end()) {
        m_index.emplace(lower, m_sections.size());
        m_sections.push_back(Section{name, {}, {}});
        current = &m_sections.back();
      } else {
        // A section that occurs again is read from its later occurrence alone.
        current = &m_sections[found->second];
        current->keyOrder.clear();
        current->values.clear();
      }
      continue;
    }
    if (!current) continue;
    std::size_t eq = line.find('=');
    std::string key(eq == std::string_view::npos ? line : TrimBlanks(line.substr(0, eq)));
    std::string value(eq == std::string_view::npos ? std::string_view{}
                                                   : TrimBlanks(line.substr(eq + 1)));
    std::string lowerKey = LowerCaseAscii(key);
    auto [it, inserted] = current->values.insert_or_assign(lowerKey, std::move(value));
    if (inserted) current->keyOrder.push_back(key);
  }
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::string_view section) const {
  auto found = m_index.find(LowerCaseAscii(TrimBlanks(section)));
  return found == m_index.end() ? nullptr : &m_sections[found->second];
}

bool TMemIniFile::SectionExists(std::string_view section) const {
  return FindSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Find(section, key).has_value();
}

std::optional<std::string> TMemIniFile::Find(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return std::nullopt;
  auto found = s->values.find(LowerCaseAscii(key));
  if (found == s->values.end()) return std::nullopt;
  return found->second;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  std::optional<std::string> value = Find(section, key);
  return value ? *value : std::string(defaultValue);
}

int TMemIniFile::ReadInteger(std::string_view section, std::string_view key,
                             int defaultValue) const {
  std::optional<std::string> value = Find(section, key);
  if (!value) return defaultValue;
  return ParseIniInteger(*value).value_or(defaultValue);
}

std::vector<std::string> TMemIniFile::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(m_sections.size());
  for (const Section& s : m_sections) names.push_back(s.name);
  return names;
}

std::size_t TMemIniFile::KeyCount(std::string_view section) const {
  const Section* s = FindSection(section);
  return s ? s->keyOrder.size() : 0;
}

std::vector<std::string> TMemIniFile::SectionKeys(std::string_view section) const {
  const Section* s = FindSection(section);
  return s ? s->keyOrder : std::vector<std::string>{};
}

std::optional<int> ParseIniInteger(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  std::uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (magnitude > 0xFFFFFFFFull) return std::nullopt;
  }
  if (hex) {
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
  }
  std::int64_t value =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace kx
