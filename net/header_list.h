#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kx {

inline constexpr std::size_t kFoldLength = 78;

// Header lines "Name: value" in order. A received line that begins with a
// blank or a tab continues the previous value.
class TNetHeaderList {
 public:
  void Clear() { m_lines.clear(); }
  std::size_t Count() const { return m_lines.size(); }
  const std::vector<std::string>& Lines() const { return m_lines; }

  // Adds a received line, joining continuation lines to the previous one.
  void AddReceivedLine(std::string_view line);
  // Sets (or adds) a header the client writes; an empty value removes it.
  void SetValue(std::string_view name, std::string_view value);

  // The value of the first line with this name (ignoring case), trimmed; empty when none.
  std::string Values(std::string_view name) const;
  bool Has(std::string_view name) const;
  // The values of every line with this name, in order.
  std::vector<std::string> AllValues(std::string_view name) const;

  // The lines as written on the wire, each folded at blanks to at most 78
  // characters where it can be, continuation lines starting with one blank.
  std::vector<std::string> FoldedLines() const;

 private:
  static std::string_view NameOf(std::string_view line);
  std::vector<std::string> m_lines;
};

std::vector<std::string> FoldLine(const std::string& line, std::size_t width = kFoldLength);

}  // namespace kx
