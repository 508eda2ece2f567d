#pragma once

#include "platform/base/geometry.h"
#include "platform/gfx/canvas.h"

namespace kx {

// A push button face of the plain frame and the standard scroll bars.
void DrawRaisedButton(TCanvas& canvas, const TRect& rect, bool pressed);

}  // namespace kx
