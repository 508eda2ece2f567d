#include "skin/store/skin_authoring.h"

#include <span>

#include "platform/base/mem_ini_file.h"
#include "platform/sys/files.h"
#include "skin/store/skin_values.h"
#include "skin/store/zlib_streams.h"

namespace kx {

namespace {

constexpr const char* kFramePictureKeys[] = {"picture", "inactivepicture", "mask", "rolluppicture",
                                             "rollupmask"};

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

TBitmap PictureFrom(const std::string& folder, const std::string& name) {
  TBitmap bitmap;
  if (!name.empty()) bitmap.LoadFromFile(folder + name);
  return bitmap;
}

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\n");
  return text;
}

}  // namespace

std::optional<SkinContainer> ReadSkinDefinitionFolder(const std::string& definitionPath,
                                                      std::int32_t kind) {
  std::string file = ReadWholeFile(definitionPath);
  std::vector<std::string> lines =
      SplitSkinLines(std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));
  TMemIniFile ini(JoinedLines(lines));
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!ini.SectionExists(section)) return std::nullopt;
  const std::string folder = FolderOf(definitionPath);
  SkinContainer c;
  c.Kind = kind;
  TBitmap* frame[] = {&c.Picture, &c.InActivePicture, &c.Mask, &c.RollUpPicture, &c.RollUpMask};
  for (std::size_t i = 0; i < 5; ++i)
    *frame[i] = PictureFrom(folder, ini.ReadString("PICTURES", kFramePictureKeys[i], ""));
  std::vector<std::string> names;
  SkinKeys pictures(ini, "PICTURES");
  pictures.List("activepictures", names);
  for (const std::string& name : names) c.ActivePictures.push_back(PictureFrom(folder, name));
  c.Lines = std::move(lines);
  return c;
}

std::vector<std::uint8_t> CompressSkinContainer(const SkinContainer& container) {
  return DeflateAll(WriteSkinContainer(container), TCompressionLevel::clMax);
}

SkinPictureNames PictureNames(const SkinContainer& container) {
  TMemIniFile ini(JoinedLines(container.Lines));
  SkinPictureNames names;
  for (const char* key : kFramePictureKeys)
    names.Frame.push_back(ini.ReadString("PICTURES", key, ""));
  SkinKeys pictures(ini, "PICTURES");
  pictures.List("activepictures", names.Active);
  return names;
}

}  // namespace kx
