// Kept apart so that the X headers' macros (None, Bool, Status …) stay out of
// the rest of the backend.
#include "platform/window/backend/sdl/x11_shape.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace kx {

bool SetX11WindowShape(SDL_Window* window, const std::vector<TRect>* rects) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  Display* display = info.info.x11.display;
  ::Window xwindow = info.info.x11.window;
  if (!rects) {
    XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    // A region's rectangles come in bands from top to bottom, left to right.
    std::vector<XRectangle> xrects;
    xrects.reserve(rects->size());
    for (const TRect& r : *rects)
      xrects.push_back({static_cast<short>(r.Left), static_cast<short>(r.Top),
                        static_cast<unsigned short>(r.Width()),
                        static_cast<unsigned short>(r.Height())});
    XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, xrects.data(),
                            static_cast<int>(xrects.size()), ShapeSet, YXBanded);
  }
  XFlush(display);
  return true;
}

}  // namespace kx
