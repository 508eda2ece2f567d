#include <cstddef>
#include <cstdint>

#include "platform/base/exception.h"
#include "skin/store/skin_container.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    std::optional<kx::SkinContainer> container = kx::ReadSkinContainer({data, size});
    if (container && container->TextOffset + container->TextSize != size) __builtin_trap();
  } catch (const kx::Exception&) {
  }
  return 0;
}
