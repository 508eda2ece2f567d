#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/store/skin_container.h"

namespace kx {

// The authoring direction of a stored skin: a definition file and the BMP files
// its [PICTURES] section names, read into a container of the given kind. The
// pictures are taken from the definition file's folder. nullopt when the file
// lacks one of [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS] and
// [SKINCONTROLS]; a missing or unreadable picture raises its error.
std::optional<SkinContainer> ReadSkinDefinitionFolder(const std::string& definitionPath,
                                                      std::int32_t kind = 2);

// The container compressed at level 9: the stored skin's zlib stream.
std::vector<std::uint8_t> CompressSkinContainer(const SkinContainer& container);

// The [PICTURES] names of a container's text: the five frame pictures in
// container order (main, inactive, mask, rolled-up picture, rolled-up mask)
// and the list of active pictures.
struct SkinPictureNames {
  std::vector<std::string> Frame;
  std::vector<std::string> Active;
};
SkinPictureNames PictureNames(const SkinContainer& container);

}  // namespace kx
