#include "tools/skinc/commands.h"

#include <cstdio>
#include <filesystem>

#include "platform/base/exception.h"
#include "platform/base/mem_ini_file.h"
#include "platform/sys/files.h"
#include "skin/data/skin_data.h"
#include "skin/store/compressed_stored_skin.h"
#include "skin/store/skin_authoring.h"
#include "tools/skinc/skin_file.h"

namespace kx::skinc {

namespace {

int BitsOf(const TBitmap& b) {
  switch (b.PixelFormat()) {
    case TPixelFormat::pf1bit:
      return 1;
    case TPixelFormat::pf4bit:
      return 4;
    case TPixelFormat::pf8bit:
      return 8;
    case TPixelFormat::pf24bit:
      return 24;
    case TPixelFormat::pf32bit:
      return 32;
  }
  return 0;
}

std::string Describe(const TBitmap& b, const std::string& name) {
  if (b.Empty()) return "absent";
  return (name.empty() ? std::string("(unnamed)") : name) + ", " + std::to_string(b.Width()) +
         " x " + std::to_string(b.Height()) + ", " + std::to_string(BitsOf(b)) + " bit";
}

std::string Text(const SkinContainer& c) {
  std::string text;
  for (const std::string& line : c.Lines) text.append(line).append("\n");
  return text;
}

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  WriteWholeFile(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace

void Compile(const std::string& definitionPath, const std::string& outPath, std::int32_t kind) {
  if (kind < 0 || kind > kMaxSkinContainerKind)
    throw Exception("the container kind must be 0, 1, 2 or 3");
  std::optional<SkinContainer> container = ReadSkinDefinitionFolder(definitionPath, kind);
  if (!container)
    throw Exception(definitionPath +
                    " is no skin definition: it needs [VERSION], [PICTURES], [FORMINFO], "
                    "[SKINOBJECTS] and [SKINCONTROLS]");
  Write(outPath, CompressedSkinFile(kind, CompressSkinContainer(*container)));
}

void Info(const std::string& skinPath, const std::vector<std::string>& lookups) {
  SkinFile file = ReadSkinFile(skinPath);
  const SkinContainer& c = file.Container;
  TksSkinData data(nullptr);
  data.LoadDefinition(TMemIniFile(Text(c)));
  const std::string* frameNames[] = {&data.PictureName, &data.InActivePictureName, &data.MaskName,
                                     &data.RollUpPictureName, &data.RollUpMaskName};
  const std::vector<std::string>& activeNames = data.ActivePictureNames;
  std::printf("file kind: %d\n", file.FileKind);
  std::printf("container kind: %d\n", c.Kind);
  std::printf("compressed size: %zu\n", file.CompressedSize);
  std::printf("inflated size: %zu\n", file.InflatedSize);
  const std::pair<const char*, const TBitmap*> frame[] = {{"main picture", &c.Picture},
                                                          {"inactive picture", &c.InActivePicture},
                                                          {"mask", &c.Mask},
                                                          {"rolled-up picture", &c.RollUpPicture},
                                                          {"rolled-up mask", &c.RollUpMask}};
  for (std::size_t i = 0; i < 5; ++i) {
    bool carried = i == 0 || i == 2 || (i == 1 && HasInActivePicture(c.Kind)) ||
                   (i > 2 && HasRollUpPictures(c.Kind));
    std::printf(
        "%s: %s\n", frame[i].first,
        carried ? Describe(*frame[i].second, *frameNames[i]).c_str() : "not carried by this kind");
  }
  std::printf("active pictures: %zu\n", c.ActivePictures.size());
  for (std::size_t i = 0; i < c.ActivePictures.size(); ++i)
    std::printf(
        "active picture %zu: %s\n", i,
        Describe(c.ActivePictures[i], i < activeNames.size() ? activeNames[i] : "").c_str());
  std::printf("definition text size: %zu\n", c.TextSize);
  std::printf("skin name: %s\n", data.SkinName.c_str());
  std::printf("objects: %zu\n", data.SkinObjects.size());
  std::printf("controls: %zu\n", data.SkinControls.size());
  std::printf("areas: %zu\n", data.SkinAreas.size());
  for (const std::string& name : lookups)
    std::printf("lookup %s: control %d, object %d\n", name.c_str(), data.GetControlIndex(name),
                data.GetObjectIndex(name));
}

void Extract(const std::string& skinPath, const std::string& dir) {
  SkinFile file = ReadSkinFile(skinPath);
  const SkinContainer& c = file.Container;
  std::filesystem::create_directories(dir);
  const std::string folder = dir + "/";
  const SkinPictureNames names = PictureNames(c);
  const std::vector<std::string>& frameNames = names.Frame;
  const TBitmap* frame[] = {&c.Picture, &c.InActivePicture, &c.Mask, &c.RollUpPicture,
                            &c.RollUpMask};
  for (std::size_t i = 0; i < 5; ++i) {
    if (frame[i]->Empty()) continue;
    if (frameNames[i].empty()) throw Exception("a frame picture has no name in [PICTURES]");
    Write(folder + frameNames[i], frame[i]->SaveToBytes());
  }
  const std::vector<std::string>& activeNames = names.Active;
  if (activeNames.size() != c.ActivePictures.size())
    throw Exception("[PICTURES] names " + std::to_string(activeNames.size()) +
                    " active pictures, the container holds " +
                    std::to_string(c.ActivePictures.size()));
  for (std::size_t i = 0; i < activeNames.size(); ++i)
    Write(folder + activeNames[i], c.ActivePictures[i].SaveToBytes());
  std::string text;
  for (const std::string& line : c.Lines) text.append(line).append("\r\n");
  WriteWholeFile(folder + "skin.ini", text);
}

}  // namespace kx::skinc
