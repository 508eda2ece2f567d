// Grabs the whole X screen into a PNG and prints the colours of the given
// points as RRGGBB, one line each: the end-to-end tests check what really
// reached the display with it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/base/exception.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/png_writer.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: xshot OUT.png [X Y]...\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "xshot: cannot open the display\n");
    return 1;
  }
  Window root = DefaultRootWindow(display);
  XWindowAttributes attrs;
  XGetWindowAttributes(display, root, &attrs);
  XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attrs.width),
                            static_cast<unsigned>(attrs.height), AllPlanes, ZPixmap);
  if (!image) {
    std::fprintf(stderr, "xshot: cannot read the screen\n");
    XCloseDisplay(display);
    return 1;
  }
  kx::TBitmap shot(attrs.width, attrs.height, kx::TPixelFormat::pf24bit);
  for (int y = 0; y < attrs.height; ++y) {
    for (int x = 0; x < attrs.width; ++x) {
      unsigned long p = XGetPixel(image, x, y);
      shot.SetPixelAt(x, y, 0xFF000000u | static_cast<kx::Pixel32>(p & 0xFFFFFF));
    }
  }
  XDestroyImage(image);
  XCloseDisplay(display);
  try {
    kx::SavePng(shot, argv[1]);
  } catch (const kx::Exception& e) {
    std::fprintf(stderr, "xshot: %s\n", e.Message().c_str());
    return 1;
  }
  for (int i = 2; i + 1 < argc; i += 2) {
    int x = std::atoi(argv[i]);
    int y = std::atoi(argv[i + 1]);
    if (x < 0 || y < 0 || x >= shot.Width() || y >= shot.Height()) {
      std::printf("outside\n");
      continue;
    }
    std::printf("%06X\n", static_cast<unsigned>(shot.PixelAt(x, y) & 0xFFFFFF));
  }
  return 0;
}
