#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kx {

// Splits text into lines: a line ends at CR, at LF, or at CR LF (LF CR is two
// breaks); a NUL byte ends the text; a break at the very end starts no further line.
std::vector<std::string> SplitLines(std::string_view text);

// Each line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace kx
