#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// An INI text parsed into memory. Lines are trimmed; empty lines and lines that
// begin with ";" are skipped; "[name]" starts a section; other lines are
// "key=value" entries (or a key without value). Section names and keys are
// matched without regard to ASCII letter case, and a later duplicate wins.
class TMemIniFile {
 public:
  TMemIniFile() = default;
  explicit TMemIniFile(std::string_view text);

  void SetText(std::string_view text);

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  // The value, which may be empty; nullopt when the key or the section is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // A decimal integer with an optional sign, or hexadecimal after "$" or "0x"/"0X";
  // a value that is not wholly such a number, or a missing key, gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;

  // Section names in text order of their first occurrence, as written there.
  std::vector<std::string> SectionNames() const;
  // The number of distinct keys of a section (0 when it is missing).
  std::size_t KeyCount(std::string_view section) const;
  // Keys of a section in text order of their first occurrence.
  std::vector<std::string> SectionKeys(std::string_view section) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::string> keyOrder;
    std::map<std::string, std::string> values;  // lower-cased key -> value
  };
  const Section* FindSection(std::string_view section) const;

  std::vector<Section> m_sections;
  std::map<std::string, std::size_t> m_index;  // lower-cased name -> position
};

// The integer form of an INI value; nullopt when the text is not wholly a number.
std::optional<int> ParseIniInteger(std::string_view text);

}  // namespace kx
