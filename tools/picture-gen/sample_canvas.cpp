#include "tools/picture-gen/sample_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kx::pictures {

Colour Hex(unsigned rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

SampleCanvas::SampleCanvas(int width, int height, int samplesPerPixel)
    : m_width(width),
      m_height(height),
      m_samples(samplesPerPixel),
      m_data(static_cast<std::size_t>(width * samplesPerPixel) * height * samplesPerPixel) {}

void SampleCanvas::Fill(const std::function<bool(double, double)>& inside, Colour colour) {
  const int w = m_width * m_samples;
  const int h = m_height * m_samples;
  for (int sy = 0; sy < h; ++sy) {
    double y = (sy + 0.5) / h;
    for (int sx = 0; sx < w; ++sx) {
      if (inside((sx + 0.5) / w, y)) m_data[static_cast<std::size_t>(sy) * w + sx] = colour;
    }
  }
}

void SampleCanvas::Rect(double x0, double y0, double x1, double y1, Colour colour) {
  Fill([=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, colour);
}

namespace {
std::vector<double> Edges(std::size_t count, std::initializer_list<double> weights) {
  std::vector<double> w(weights);
  if (w.size() != count) w.assign(count, 1.0);
  double total = 0;
  for (double v : w) total += v;
  std::vector<double> edges{0.0};
  for (double v : w) edges.push_back(edges.back() + v / total);
  return edges;
}
}  // namespace

void SampleCanvas::HStripes(std::initializer_list<Colour> colours,
                            std::initializer_list<double> weights) {
  std::vector<double> edges = Edges(colours.size(), weights);
  std::size_t i = 0;
  for (Colour c : colours) {
    Rect(0, edges[i], 1, edges[i + 1], c);
    ++i;
  }
}

void SampleCanvas::VStripes(std::initializer_list<Colour> colours,
                            std::initializer_list<double> weights) {
  std::vector<double> edges = Edges(colours.size(), weights);
  std::size_t i = 0;
  for (Colour c : colours) {
    Rect(edges[i], 0, edges[i + 1], 1, c);
    ++i;
  }
}

void SampleCanvas::Disc(double cx, double cy, double radius, Colour colour) {
  double aspect = Aspect();
  Fill(
      [=](double x, double y) {
        double dx = (x - cx) * aspect, dy = y - cy;
        return dx * dx + dy * dy <= radius * radius;
      },
      colour);
}

void SampleCanvas::Ring(double cx, double cy, double radius, double width, Colour colour) {
  double aspect = Aspect();
  Fill(
      [=](double x, double y) {
        double d = std::hypot((x - cx) * aspect, y - cy);
        return d <= radius && d >= radius - width;
      },
      colour);
}

void SampleCanvas::Crescent(double cx, double cy, double radius, double dx, double innerRadius,
                            Colour colour) {
  double aspect = Aspect();
  Fill(
      [=](double x, double y) {
        double a = std::hypot((x - cx) * aspect, y - cy);
        double b = std::hypot((x - cx - dx) * aspect, y - cy);
        return a <= radius && b > innerRadius;
      },
      colour);
}

void SampleCanvas::Polygon(const std::vector<Point>& points, Colour colour) {
  Fill(
      [&points](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          const Point& a = points[i];
          const Point& b = points[j];
          if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
          }
        }
        return inside;
      },
      colour);
}

void SampleCanvas::Star(double cx, double cy, double radius, Colour colour, int points,
                        double rotation, double innerRatio) {
  std::vector<Point> outline;
  double aspect = Aspect();
  for (int i = 0; i < points * 2; ++i) {
    double r = i % 2 == 0 ? radius : radius * innerRatio;
    double angle = 2 * std::numbers::pi * (rotation + i / (2.0 * points));
    outline.push_back({cx + r * std::sin(angle) / aspect, cy - r * std::cos(angle)});
  }
  Polygon(outline, colour);
}

void SampleCanvas::Band(Point a, Point b, double width, Colour colour) {
  double aspect = Aspect();
  Fill(
      [=](double x, double y) {
        double ax = a.x * aspect, bx = b.x * aspect, px = x * aspect;
        double vx = bx - ax, vy = b.y - a.y;
        double t = std::clamp(((px - ax) * vx + (y - a.y) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
        double dx = px - (ax + t * vx), dy = y - (a.y + t * vy);
        return std::hypot(dx, dy) <= width / 2;
      },
      colour);
}

void SampleCanvas::Cross(double cx, double cy, double width, Colour colour) {
  double half = width / 2;
  double halfX = half / Aspect();
  Rect(0, cy - half, 1, cy + half, colour);
  Rect(cx - halfX, 0, cx + halfX, 1, colour);
}

TBitmap SampleCanvas::Resolve() const {
  TBitmap out(m_width, m_height, TPixelFormat::pf24bit);
  const int w = m_width * m_samples;
  const double n = static_cast<double>(m_samples * m_samples);
  for (int y = 0; y < m_height; ++y) {
    for (int x = 0; x < m_width; ++x) {
      Colour sum;
      for (int sy = 0; sy < m_samples; ++sy) {
        for (int sx = 0; sx < m_samples; ++sx) {
          const Colour& c =
              m_data[static_cast<std::size_t>(y * m_samples + sy) * w + x * m_samples + sx];
          sum.r += c.r;
          sum.g += c.g;
          sum.b += c.b;
        }
      }
      auto byte = [n](double v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v / n * 255), 0L, 255L));
      };
      out.SetPixelAt(x, y, MakePixel(byte(sum.r), byte(sum.g), byte(sum.b)));
    }
  }
  return out;
}

}  // namespace kx::pictures
