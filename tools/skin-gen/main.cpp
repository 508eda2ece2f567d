// skin-gen OUTDIR: draws the Kestrix Red skin and writes its folder, the
// definition text skin.ini and the BMP files it names, for skinc to compile.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/base/exception.h"
#include "tools/skin-gen/skin_definition.h"
#include "tools/skin-gen/skin_pictures.h"

int main(int argc, char** argv) {
  using namespace kx;
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin-gen OUTDIR\n");
    return 2;
  }
  try {
    std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    skingen::SkinPictures pictures = skingen::DrawKestrixRed();
    pictures.Main.SaveToFile((dir / "main.bmp").string());
    pictures.Mask.SaveToFile((dir / "mask.bmp").string());
    const auto& names = skingen::KestrixRedActivePictureNames();
    for (std::size_t i = 0; i < names.size(); ++i)
      pictures.Active[i].SaveToFile((dir / names[i]).string());
    std::ofstream ini(dir / "skin.ini", std::ios::binary);
    for (const std::string& line : skingen::KestrixRedDefinition()) ini << line << "\r\n";
    if (!ini) throw Exception("cannot write " + (dir / "skin.ini").string());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin-gen: %s\n", e.what());
    return 1;
  }
  return 0;
}
