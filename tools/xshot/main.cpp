// Grabs the whole X screen into a PNG and prints the colours of the given
// points as RRGGBB, one line each: the end-to-end tests check what really
// reached the display with it. With --unpainted X Y W H it prints instead how
// many 8 x 8 blocks of that rectangle are wholly black, the colour of a window
// that nothing was presented to.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/base/exception.h"
#include "platform/base/geometry.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/png_writer.h"

namespace {

constexpr int kBlock = 8;

bool BlockIsBlack(const kx::TBitmap& shot, int left, int top) {
  for (int y = top; y < top + kBlock; ++y) {
    for (int x = left; x < left + kBlock; ++x) {
      if ((shot.PixelAt(x, y) & 0xFFFFFF) != 0) return false;
    }
  }
  return true;
}

int CountUnpaintedBlocks(const kx::TBitmap& shot, const kx::TRect& area) {
  kx::TRect r = area.Intersected({0, 0, shot.Width(), shot.Height()});
  int count = 0;
  for (int y = r.Top; y + kBlock <= r.Bottom; y += kBlock) {
    for (int x = r.Left; x + kBlock <= r.Right; x += kBlock) {
      if (BlockIsBlack(shot, x, y)) ++count;
    }
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  bool unpainted = argc == 7 && std::string(argv[2]) == "--unpainted";
  if (!unpainted && (argc < 2 || argc % 2 != 0)) {
    std::fprintf(stderr,
                 "usage: xshot OUT.png [X Y]...\n       xshot OUT.png --unpainted X Y W H\n");
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
  if (unpainted) {
    kx::TRect area =
        kx::Bounds(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
    std::printf("%d\n", CountUnpaintedBlocks(shot, area));
    return 0;
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
