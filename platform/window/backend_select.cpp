#include "platform/window/backend_select.h"

#include <cstdlib>
#include <string>

#include "platform/window/backend/headless/headless_backend.h"
#include "platform/window/backend/sdl/sdl_backend.h"

namespace kx {

std::unique_ptr<TBackend> CreateBackendFromEnvironment() {
  const char* choice = std::getenv("KESTRIX_BACKEND");
  std::string name = choice ? choice : "";
  if (name == "headless") return std::make_unique<THeadlessBackend>();
  if (name == "sdl") return std::make_unique<TSdlBackend>();
  if (TSdlBackend::DisplayAvailable()) return std::make_unique<TSdlBackend>();
  return std::make_unique<THeadlessBackend>();
}

}  // namespace kx
