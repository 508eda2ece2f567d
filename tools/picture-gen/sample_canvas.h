#pragma once

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace kx::pictures {

// A colour with components from 0 to 1.
struct Colour {
  double r = 0, g = 0, b = 0;
};
Colour Hex(unsigned rgb);  // 0xRRGGBB
Colour Mix(Colour a, Colour b, double t);

struct Point {
  double x, y;
};

// A picture drawn in unit coordinates (0..1 across and down) on a grid of
// samples, several per final pixel, so that small pictures get smooth edges.
class SampleCanvas {
 public:
  SampleCanvas(int width, int height, int samplesPerPixel);

  // Paints every sample whose centre lies inside.
  void Fill(const std::function<bool(double x, double y)>& inside, Colour colour);
  void Rect(double x0, double y0, double x1, double y1, Colour colour);
  void HStripes(std::initializer_list<Colour> colours, std::initializer_list<double> weights = {});
  void VStripes(std::initializer_list<Colour> colours, std::initializer_list<double> weights = {});
  void Disc(double cx, double cy, double radius, Colour colour);
  void Ring(double cx, double cy, double radius, double width, Colour colour);
  // A crescent: the disc at (cx, cy) less the disc shifted by dx.
  void Crescent(double cx, double cy, double radius, double dx, double innerRadius, Colour colour);
  void Polygon(const std::vector<Point>& points, Colour colour);
  // A star with points tips; rotation in turns (0: a tip up).
  void Star(double cx, double cy, double radius, Colour colour, int points = 5, double rotation = 0,
            double innerRatio = 0.4);
  // A line of thickness width from a to b.
  void Band(Point a, Point b, double width, Colour colour);
  // Horizontal and vertical bars crossing at (cx, cy).
  void Cross(double cx, double cy, double width, Colour colour);

  // Averages the samples of each pixel.
  TBitmap Resolve() const;
  double Aspect() const { return static_cast<double>(m_width) / m_height; }

 private:
  int m_width, m_height, m_samples;
  std::vector<Colour> m_data;
};

}  // namespace kx::pictures
