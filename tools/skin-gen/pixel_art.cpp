#include "tools/skin-gen/pixel_art.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kx::skingen {

namespace {

std::uint8_t Lerp(std::uint8_t a, std::uint8_t b, double t) {
  return static_cast<std::uint8_t>(std::lround(a + (b - a) * std::clamp(t, 0.0, 1.0)));
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Lerp(a.R, b.R, t), Lerp(a.G, b.G, t), Lerp(a.B, b.B, t)};
}
Rgb Lighter(Rgb c, double t) {
  return Mix(c, {255, 255, 255}, t);
}
Rgb Darker(Rgb c, double t) {
  return Mix(c, {0, 0, 0}, t);
}

void Put(TBitmap& b, int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < b.Width() && y < b.Height())
    b.SetPixelAt(x, y, MakePixel(c.R, c.G, c.B));
}

void Fill(TBitmap& b, const TRect& r, Rgb c) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) Put(b, x, y, c);
}

void VerticalGradient(TBitmap& b, const TRect& r, Rgb top, Rgb bottom) {
  int rows = std::max(r.Height() - 1, 1);
  for (int y = r.Top; y < r.Bottom; ++y)
    HLine(b, r.Left, r.Right - 1, y, Mix(top, bottom, double(y - r.Top) / rows));
}

void HLine(TBitmap& b, int x0, int x1, int y, Rgb c) {
  for (int x = x0; x <= x1; ++x) Put(b, x, y, c);
}

void VLine(TBitmap& b, int x, int y0, int y1, Rgb c) {
  for (int y = y0; y <= y1; ++y) Put(b, x, y, c);
}

void Frame(TBitmap& b, const TRect& r, Rgb c) {
  HLine(b, r.Left, r.Right - 1, r.Top, c);
  HLine(b, r.Left, r.Right - 1, r.Bottom - 1, c);
  VLine(b, r.Left, r.Top, r.Bottom - 1, c);
  VLine(b, r.Right - 1, r.Top, r.Bottom - 1, c);
}

bool InsideRounded(const TRect& r, int radius, int x, int y) {
  if (x < r.Left || y < r.Top || x >= r.Right || y >= r.Bottom) return false;
  int cx = std::clamp(x, r.Left + radius, r.Right - 1 - radius);
  int cy = std::clamp(y, r.Top + radius, r.Bottom - 1 - radius);
  double dx = x - cx, dy = y - cy;
  return dx * dx + dy * dy <= (radius + 0.35) * (radius + 0.35);
}

void RoundedButton(TBitmap& b, const TRect& r, int radius, Rgb top, Rgb bottom, Rgb outline,
                   Rgb highlight) {
  int rows = std::max(r.Height() - 1, 1);
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      if (!InsideRounded(r, radius, x, y)) continue;
      bool edge = !InsideRounded(r, radius, x - 1, y) || !InsideRounded(r, radius, x + 1, y) ||
                  !InsideRounded(r, radius, x, y - 1) || !InsideRounded(r, radius, x, y + 1);
      if (edge)
        Put(b, x, y, outline);
      else if (y == r.Top + 1)
        Put(b, x, y, highlight);
      else
        Put(b, x, y, Mix(top, bottom, double(y - r.Top) / rows));
    }
  }
}

void Line(TBitmap& b, int x0, int y0, int x1, int y1, Rgb c) {
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  while (true) {
    Put(b, x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Disc(TBitmap& b, double cx, double cy, double radius, Rgb c) {
  for (int y = static_cast<int>(cy - radius - 1); y <= cy + radius + 1; ++y)
    for (int x = static_cast<int>(cx - radius - 1); x <= cx + radius + 1; ++x)
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius) Put(b, x, y, c);
}

void Ring(TBitmap& b, double cx, double cy, double radius, Rgb c) {
  for (int y = static_cast<int>(cy - radius - 1); y <= cy + radius + 1; ++y)
    for (int x = static_cast<int>(cx - radius - 1); x <= cx + radius + 1; ++x) {
      double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
      if (d <= radius && d > radius - 1.0) Put(b, x, y, c);
    }
}

TBitmap Canvas(int w, int h, Rgb c, TPixelFormat format) {
  TBitmap b(w, h, format);
  Fill(b, {0, 0, w, h}, c);
  return b;
}

}  // namespace kx::skingen
