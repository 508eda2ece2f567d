#pragma once

#include <string_view>

namespace kx {

// The number of flag images (image 0, the football, stands for unknown leagues).
inline constexpr int kFlagImageCount = 103;
// The image of the European confederation and the other international bodies.
inline constexpr int kInternationalFlag = 25;

// The flag image of a league text "Country. League": the image of the country
// before the first full stop, compared exactly; 0 for a country the table does
// not know or a text without a full stop.
int LeagueFlagIndex(std::string_view liga);

// The country names of the flag table in its order, with their images; a name
// that stands twice counts with its last image.
struct FlagEntry {
  std::string_view name;
  int image;
};
const FlagEntry* FlagTable();
int FlagTableSize();

}  // namespace kx
