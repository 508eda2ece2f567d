#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace kx {

// The inflated bytes of a stored skin: the frame pictures the container kind
// carries (empty when absent), the active pictures and the definition text.
struct SkinContainer {
  std::int32_t Kind = 2;
  TBitmap Picture;
  TBitmap InActivePicture;  // kinds 2 and 3
  TBitmap Mask;
  TBitmap RollUpPicture;  // kinds 1 and 2
  TBitmap RollUpMask;     // kinds 1 and 2
  std::vector<TBitmap> ActivePictures;
  std::vector<std::string> Lines;
  // Where the definition text starts in the container and how long it is.
  std::size_t TextOffset = 0;
  std::size_t TextSize = 0;
};

inline constexpr std::int32_t kMaxSkinContainerKind = 3;
inline constexpr std::int32_t kMaxActivePictures = 4096;

bool HasInActivePicture(std::int32_t kind);
bool HasRollUpPictures(std::int32_t kind);

// Reads a container; nullopt when its kind is not one of 0 … 3. A truncated
// container raises EReadError, a picture that is no BMP EInvalidGraphic.
std::optional<SkinContainer> ReadSkinContainer(std::span<const std::uint8_t> bytes);
// Writes the container in the layout of its kind, each line followed by CR LF.
std::vector<std::uint8_t> WriteSkinContainer(const SkinContainer& container);

// Lines ended by CR LF, a lone CR or a lone LF; a last line without an end counts.
std::vector<std::string> SplitSkinLines(std::span<const std::uint8_t> text);

}  // namespace kx
