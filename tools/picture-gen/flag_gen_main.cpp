// flag-gen --sheet OUT.png: the flags of the league table on a contact sheet,
// each at 16 x 16 and four times larger with its country, for checking by eye.
#include <cstdio>
#include <cstring>

#include "platform/base/exception.h"
#include "platform/gfx/png_writer.h"
#include "tools/picture-gen/contact_sheet.h"
#include "tools/picture-gen/flags.h"

int main(int argc, char** argv) {
  if (argc != 3 || std::strcmp(argv[1], "--sheet") != 0) {
    std::fprintf(stderr, "usage: flag-gen --sheet OUT.png\n");
    return 2;
  }
  using namespace kx::pictures;
  std::vector<MaskedPicture> flags = DrawFlags();
  std::vector<SheetEntry> entries;
  for (std::size_t i = 0; i < flags.size(); ++i) {
    entries.push_back({&flags[i], std::string(FlagName(static_cast<int>(i)))});
  }
  try {
    kx::SavePng(ContactSheet(entries, 5), argv[2]);
  } catch (const kx::Exception& e) {
    std::fprintf(stderr, "flag-gen: %s\n", e.Message().c_str());
    return 1;
  }
  std::printf("%zu flags on %s\n", flags.size(), argv[2]);
  return 0;
}
