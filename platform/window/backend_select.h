#pragma once

#include <memory>

#include "platform/window/backend.h"

namespace kx {

// KESTRIX_BACKEND=sdl or headless chooses; without it, sdl when a display is
// available, else headless.
std::unique_ptr<WindowBackend> CreateBackendFromEnvironment();

}  // namespace kx
