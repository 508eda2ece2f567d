#pragma once

#include <vector>

#include "platform/base/geometry.h"

struct SDL_Window;

namespace kx {

// Shapes the X window behind an SDL window to the union of rects (null: no
// shape, the whole rectangle). Does nothing off X11; false then.
bool SetX11WindowShape(SDL_Window* window, const std::vector<TRect>* rects);

}  // namespace kx
