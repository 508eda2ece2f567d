#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/geometry.h"
#include "platform/gfx/bitmap.h"

namespace kx::skingen {

// A colour as red, green, blue; pictures are drawn pixel by pixel so that every
// edge lands exactly where the definition text says it does.
struct TRgb {
  std::uint8_t R = 0, G = 0, B = 0;
};

TRgb Mix(TRgb a, TRgb b, double t);
TRgb Lighter(TRgb c, double t);
TRgb Darker(TRgb c, double t);

void Put(TBitmap& b, int x, int y, TRgb c);
void Fill(TBitmap& b, const TRect& r, TRgb c);
// A vertical gradient from top to bottom colour over the rectangle's rows.
void VerticalGradient(TBitmap& b, const TRect& r, TRgb top, TRgb bottom);
void HLine(TBitmap& b, int x0, int x1, int y, TRgb c);
void VLine(TBitmap& b, int x, int y0, int y1, TRgb c);
void Frame(TBitmap& b, const TRect& r, TRgb c);
// Whether (x, y) lies inside r with its corners rounded by radius.
bool InsideRounded(const TRect& r, int radius, int x, int y);
// A rounded rectangle: a vertical gradient inside, a one-pixel outline, and a
// highlight line under the top edge.
void RoundedButton(TBitmap& b, const TRect& r, int radius, TRgb top, TRgb bottom, TRgb outline, TRgb highlight);
// A line from (x0, y0) to (x1, y1), both ends included, thickness 1.
void Line(TBitmap& b, int x0, int y0, int x1, int y1, TRgb c);
void Disc(TBitmap& b, double cx, double cy, double radius, TRgb c);
void Ring(TBitmap& b, double cx, double cy, double radius, TRgb c);

// A bitmap of w x h in the given format filled with one colour.
TBitmap Canvas(int w, int h, TRgb c, TPixelFormat format = TPixelFormat::pf24bit);

}  // namespace kx::skingen
