#include "platform/window/backend_select.h"

#include <cstdlib>
#include <string>

#include "platform/window/backend/headless/headless_backend.h"
#include "platform/window/backend/sdl/sdl_backend.h"

namespace kx {

std::unique_ptr<WindowBackend> CreateBackendFromEnvironment() {
  const char* choice = std::getenv("KESTRIX_BACKEND");
  std::string name = choice ? choice : "";
  if (name == "headless") return std::make_unique<HeadlessBackend>();
  if (name == "sdl") return std::make_unique<SdlBackend>();
  if (SdlBackend::DisplayAvailable()) return std::make_unique<SdlBackend>();
  return std::make_unique<HeadlessBackend>();
}

}  // namespace kx
