// picture-gen OUTDIR [--sheet OUT.png]: draws the client's pictures into OUTDIR
// (the flag and tab image strips with their masks as BMP, the About picture as
// JPEG, the icon as PNG in four sizes); with --sheet also a page that shows the
// tab images, the icons and the About picture as the program decodes it.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/base/exception.h"
#include "platform/gfx/bmp_codec.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/jpeg_image.h"
#include "platform/gfx/png_writer.h"
#include "tools/picture-gen/about_picture.h"
#include "tools/picture-gen/contact_sheet.h"
#include "tools/picture-gen/flags.h"
#include "tools/picture-gen/small_pictures.h"

namespace {

using namespace kx;
using namespace kx::pictures;

constexpr int kIconSizes[] = {16, 32, 48, 256};
constexpr int kJpegQuality = 92;

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw Exception("cannot write " + path.string());
}

// The pictures side by side in one strip, as image lists load them.
void WriteStrip(const std::filesystem::path& dir, const std::string& name,
                const std::vector<MaskedPicture>& pictures) {
  const int size = 16;
  TBitmap image(size * static_cast<int>(pictures.size()), size, TPixelFormat::pf24bit);
  TBitmap mask(image.Width(), size, TPixelFormat::pf24bit);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        int at = static_cast<int>(i) * size + x;
        image.SetPixelAt(at, y, pictures[i].image.PixelAt(x, y));
        mask.SetPixelAt(at, y, pictures[i].mask.PixelAt(x, y));
      }
    }
  }
  WriteFile(dir / (name + ".bmp"), WriteBmp(image));
  WriteFile(dir / (name + "_mask.bmp"), WriteBmp(mask));
}

TBitmap Sheet(const std::vector<MaskedPicture>& tabs, const std::vector<std::uint8_t>& jpeg) {
  const char* names[] = {"information (About)", "football (Football)", "tennis ball", "puck",
                         "basketball"};
  std::vector<SheetEntry> entries;
  for (std::size_t i = 0; i < tabs.size(); ++i) entries.push_back({&tabs[i], names[i]});
  TBitmap tabSheet = ContactSheet(entries, 5);
  TJPEGImage about;
  about.LoadFromBytes(jpeg);
  TBitmap sheet(kAboutWidth + 300, kAboutHeight + tabSheet.Height() + 24, TPixelFormat::pf24bit);
  TCanvas& c = sheet.Canvas();
  c.Brush().Color = 0x00F2F2F2;
  c.FillRect({0, 0, sheet.Width(), sheet.Height()});
  c.Draw(0, 0, tabSheet);
  c.Draw(8, tabSheet.Height() + 16, about.Bitmap());
  int y = tabSheet.Height() + 16;
  for (int size : kIconSizes) {
    TBitmap icon = DrawIcon(size);
    for (int yy = 0; yy < size; ++yy) {
      for (int xx = 0; xx < size; ++xx) {
        Pixel32 p = icon.PixelAt(xx, yy);
        double a = (p >> 24) / 255.0;
        Pixel32 back = sheet.PixelAt(kAboutWidth + 24 + xx, y + yy);
        auto mix = [a](int fg, int bg) { return static_cast<std::uint8_t>(bg + (fg - bg) * a); };
        sheet.SetPixelAt(kAboutWidth + 24 + xx, y + yy,
                         MakePixel(mix(PixelR(p), PixelR(back)), mix(PixelG(p), PixelG(back)),
                                   mix(PixelB(p), PixelB(back))));
      }
    }
    y += size + 12;
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--sheet") == 0)) {
    std::fprintf(stderr, "usage: picture-gen OUTDIR [--sheet OUT.png]\n");
    return 2;
  }
  try {
    std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    WriteStrip(dir, "flags", DrawFlags());
    std::vector<MaskedPicture> tabs = DrawTabImages();
    WriteStrip(dir, "tabs", tabs);
    std::vector<std::uint8_t> jpeg = EncodeJpeg(DrawAboutPicture(), kJpegQuality);
    WriteFile(dir / "about.jpg", jpeg);
    for (int size : kIconSizes) {
      SavePng(DrawIcon(size), (dir / ("kestrix-" + std::to_string(size) + ".png")).string(),
              PngAlpha::Keep);
    }
    if (argc == 4) SavePng(Sheet(tabs, jpeg), argv[3]);
  } catch (const Exception& e) {
    std::fprintf(stderr, "picture-gen: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}
