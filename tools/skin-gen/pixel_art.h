#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gfx/bitmap.h"

namespace kx::skingen {

// A colour as red, green, blue; pictures are drawn pixel by pixel so that every
// edge lands exactly where the definition text says it does.
struct Rgb {
  std::uint8_t R = 0, G = 0, B = 0;
};

Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t);
Rgb Darker(Rgb c, double t);

void Put(TBitmap& b, int x, int y, Rgb c);
void Fill(TBitmap& b, const TRect& r, Rgb c);
// A vertical gradient from top to bottom colour over the rectangle's rows.
void VerticalGradient(TBitmap& b, const TRect& r, Rgb top, Rgb bottom);
void HLine(TBitmap& b, int x0, int x1, int y, Rgb c);
void VLine(TBitmap& b, int x, int y0, int y1, Rgb c);
void Frame(TBitmap& b, const TRect& r, Rgb c);
// Whether (x, y) lies inside r with its corners rounded by radius.
bool InsideRounded(const TRect& r, int radius, int x, int y);
// A rounded rectangle: a vertical gradient inside, a one-pixel outline, and a
// highlight line under the top edge.
void RoundedButton(TBitmap& b, const TRect& r, int radius, Rgb top, Rgb bottom, Rgb outline,
                   Rgb highlight);
// A line from (x0, y0) to (x1, y1), both ends included, thickness 1.
void Line(TBitmap& b, int x0, int y0, int x1, int y1, Rgb c);
void Disc(TBitmap& b, double cx, double cy, double radius, Rgb c);
void Ring(TBitmap& b, double cx, double cy, double radius, Rgb c);

// A bitmap of w x h in the given format filled with one colour.
TBitmap Canvas(int w, int h, Rgb c, TPixelFormat format = TPixelFormat::pf24bit);

}  // namespace kx::skingen
