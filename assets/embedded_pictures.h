#pragma once

#include <cstdint>
#include <span>

namespace kx {

// The client's pictures, drawn by picture-gen and built into the binary.
// The flags of the league table (103 images of 16 x 16 side by side) and their
// mask (white: transparent), as BMP files.
std::span<const std::uint8_t> FlagImagesBmp();
std::span<const std::uint8_t> FlagMaskBmp();
// The five tab images and their mask, likewise.
std::span<const std::uint8_t> TabImagesBmp();
std::span<const std::uint8_t> TabMaskBmp();
// The About page's picture, an 800 x 600 JPEG.
std::span<const std::uint8_t> AboutPictureJpeg();

}  // namespace kx
