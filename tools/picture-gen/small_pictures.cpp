#include "tools/picture-gen/small_pictures.h"

#include <algorithm>
#include <cmath>

#include "tools/picture-gen/sample_canvas.h"

namespace kx::pictures {

namespace {

constexpr int kTab = 16;
constexpr int kSamples = 6;

// A round picture: transparent outside the disc. The space outside takes the
// rim's colour, so that the smoothed edge pixels blend into the rim.
MaskedPicture RoundPicture(Colour rim, const std::function<void(SampleCanvas&)>& paint) {
  SampleCanvas canvas(kTab, kTab, kSamples);
  canvas.Rect(0, 0, 1, 1, rim);
  paint(canvas);
  TBitmap flat = canvas.Resolve();
  TBitmap mask(kTab, kTab, TPixelFormat::pf24bit);
  for (int y = 0; y < kTab; ++y) {
    for (int x = 0; x < kTab; ++x) {
      bool inside = std::hypot(x + 0.5 - 8, y + 0.5 - 8) <= 7.7;
      mask.SetPixelAt(x, y, inside ? MakePixel(0, 0, 0) : MakePixel(255, 255, 255));
    }
  }
  return {std::move(flat), std::move(mask)};
}

}  // namespace

std::vector<MaskedPicture> DrawTabImages() {
  std::vector<MaskedPicture> images;
  // Information: a blue disc with a white "i".
  images.push_back(RoundPicture(Hex(0x1A4E9E), [](SampleCanvas& c) {
    c.Disc(0.5, 0.5, 0.48, Hex(0x1A4E9E));
    c.Disc(0.5, 0.46, 0.42, Hex(0x2F74D0));
    c.Disc(0.5, 0.26, 0.075, Hex(0xFFFFFF));
    c.Rect(0.43, 0.4, 0.57, 0.78, Hex(0xFFFFFF));
    c.Rect(0.36, 0.4, 0.5, 0.46, Hex(0xFFFFFF));
    c.Rect(0.36, 0.72, 0.64, 0.78, Hex(0xFFFFFF));
  }));
  // Football: white with black patches.
  images.push_back(RoundPicture(Hex(0x303030), [](SampleCanvas& c) {
    c.Disc(0.5, 0.5, 0.48, Hex(0x303030));
    c.Disc(0.5, 0.5, 0.43, Hex(0xFAFAFA));
    c.Star(0.5, 0.5, 0.15, Hex(0x111111), 5, 0, 0.81);
    for (int i = 0; i < 5; ++i) {
      double a = i * 2 * M_PI / 5 - M_PI / 2;
      c.Fill(
          [a](double x, double y) {
            return std::hypot(x - 0.5 - 0.43 * std::cos(a), y - 0.5 - 0.43 * std::sin(a)) < 0.14 &&
                   std::hypot(x - 0.5, y - 0.5) < 0.45;
          },
          Hex(0x111111));
      c.Band({0.5 + 0.15 * std::cos(a), 0.5 + 0.15 * std::sin(a)},
             {0.5 + 0.3 * std::cos(a), 0.5 + 0.3 * std::sin(a)}, 0.04, Hex(0x777777));
    }
  }));
  // Tennis ball: yellow-green with a white seam.
  images.push_back(RoundPicture(Hex(0x8DB51C), [](SampleCanvas& c) {
    c.Disc(0.5, 0.5, 0.48, Hex(0x8DB51C));
    c.Disc(0.47, 0.46, 0.42, Hex(0xCFE83A));
    c.Fill(
        [](double x, double y) {
          double d1 = std::abs(std::hypot(x + 0.12, y - 0.5) - 0.5);
          double d2 = std::abs(std::hypot(x - 1.12, y - 0.5) - 0.5);
          return std::min(d1, d2) < 0.035 && std::hypot(x - 0.5, y - 0.5) < 0.47;
        },
        Hex(0xFFFFF0));
  }));
  // Puck: a black disc seen from above and the side.
  images.push_back(RoundPicture(Hex(0x0E0E10), [](SampleCanvas& c) {
    c.Fill(
        [](double x, double y) {
          double top = std::hypot((x - 0.5) / 0.46, (y - 0.58) / 0.26);
          double side = std::abs(x - 0.5) < 0.46 && y > 0.42 && y < 0.62;
          return top <= 1 || side || std::hypot((x - 0.5) / 0.46, (y - 0.42) / 0.26) <= 1;
        },
        Hex(0x0E0E10));
    c.Fill([](double x, double y) { return std::hypot((x - 0.5) / 0.46, (y - 0.42) / 0.26) <= 1; },
           Hex(0x2B2B30));
    c.Fill([](double x, double y) { return std::hypot((x - 0.42) / 0.2, (y - 0.37) / 0.08) <= 1; },
           Hex(0x55555C));
  }));
  // Basketball: orange with black seams.
  images.push_back(RoundPicture(Hex(0x9C4A10), [](SampleCanvas& c) {
    c.Disc(0.5, 0.5, 0.48, Hex(0x9C4A10));
    c.Disc(0.48, 0.47, 0.43, Hex(0xE8731C));
    c.Fill(
        [](double x, double y) {
          if (std::hypot(x - 0.5, y - 0.5) > 0.46) return false;
          bool vertical = std::abs(x - 0.5) < 0.03;
          bool horizontal = std::abs(y - 0.5) < 0.03;
          bool left = std::abs(std::hypot(x + 0.1, y - 0.5) - 0.45) < 0.03;
          bool right = std::abs(std::hypot(x - 1.1, y - 0.5) - 0.45) < 0.03;
          return vertical || horizontal || left || right;
        },
        Hex(0x2A1405));
  }));
  return images;
}

TBitmap DrawIcon(int size) {
  int samples = size >= 128 ? 2 : 6;
  SampleCanvas canvas(size, size, samples);
  const double r = 0.2;  // corner radius
  auto rounded = [r](double inset) {
    return [r, inset](double x, double y) {
      double lo = inset, hi = 1 - inset, rr = r - inset;
      double cx = std::clamp(x, lo + rr, hi - rr), cy = std::clamp(y, lo + rr, hi - rr);
      return x >= lo && x <= hi && y >= lo && y <= hi && std::hypot(x - cx, y - cy) <= rr;
    };
  };
  canvas.Rect(0, 0, 1, 1, Hex(0x000000));
  canvas.Fill(rounded(0.02), Hex(0x7A0E1C));
  // The tile: a crimson gradient, lighter at the top.
  for (int band = 0; band < 24; ++band) {
    double y0 = 0.05 + band * 0.9 / 24, y1 = y0 + 0.9 / 24 + 0.001;
    Colour colour = Mix(Hex(0xE8414F), Hex(0xA5121F), band / 23.0);
    auto inner = rounded(0.05);
    canvas.Fill([=](double x, double y) { return y >= y0 && y < y1 && inner(x, y); }, colour);
  }
  // The K: an upright and two arms.
  const Colour white = Hex(0xFFFFFF);
  canvas.Polygon({{0.27, 0.22}, {0.41, 0.22}, {0.41, 0.78}, {0.27, 0.78}}, white);
  canvas.Polygon({{0.41, 0.5}, {0.62, 0.22}, {0.78, 0.22}, {0.53, 0.53}, {0.41, 0.62}}, white);
  canvas.Polygon({{0.47, 0.48}, {0.57, 0.44}, {0.79, 0.78}, {0.63, 0.78}}, white);
  // A sheen over the upper half.
  TBitmap icon = canvas.Resolve();
  TBitmap out(size, size, TPixelFormat::pf32bit);
  SampleCanvas shape(size, size, samples);
  shape.Rect(0, 0, 1, 1, Hex(0x000000));
  shape.Fill(rounded(0.02), Hex(0xFFFFFF));
  TBitmap alpha = shape.Resolve();
  for (int y = 0; y < size; ++y) {
    double t = y / static_cast<double>(size - 1);
    double sheen = t < 0.45 ? 0.22 * (1 - t / 0.45) : 0.0;
    for (int x = 0; x < size; ++x) {
      Pixel32 p = icon.PixelAt(x, y);
      auto lift = [sheen](int v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v + (255 - v) * sheen), 0L, 255L));
      };
      std::uint8_t a = static_cast<std::uint8_t>(alpha.PixelAt(x, y) & 0xFF);
      out.SetPixelAt(x, y,
                     MakePixel(lift((p >> 16) & 0xFF), lift((p >> 8) & 0xFF), lift(p & 0xFF), a));
    }
  }
  return out;
}

}  // namespace kx::pictures
