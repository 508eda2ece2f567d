#pragma once

#include <cstdint>
#include <span>

namespace kx {

// The program's own skin, built into the binary: the bytes of
// Kestrix_Red.skn (Int32 kind, Int32 length, the zlib stream).
std::span<const std::uint8_t> KestrixRedSkinFile();

}  // namespace kx
