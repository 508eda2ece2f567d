#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/store/skin_container.h"

namespace kx::skinc {

// A compressed skin file, inflated and read.
struct SkinFile {
  std::int32_t FileKind = 0;
  std::size_t CompressedSize = 0;
  std::size_t InflatedSize = 0;
  SkinContainer Container;
};

// Raises Exception with a message for the user when the file is no usable skin.
SkinFile ReadSkinFile(const std::string& path);

}  // namespace kx::skinc
