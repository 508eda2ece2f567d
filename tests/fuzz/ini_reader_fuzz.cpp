#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/base/mem_ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  kx::TMemIniFile ini(text);
  for (const std::string& section : ini.SectionNames()) {
    for (const std::string& key : ini.SectionKeys(section)) {
      if (!ini.ValueExists(section, key)) __builtin_trap();
      ini.ReadInteger(section, key, 0);
    }
  }
  return 0;
}
