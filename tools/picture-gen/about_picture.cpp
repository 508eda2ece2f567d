#include "tools/picture-gen/about_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "platform/base/exception.h"
#include "platform/gfx/canvas.h"

namespace kx::pictures {

namespace {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

Rgb RgbHex(unsigned v) {
  return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}
Rgb Lerp(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Scale(Rgb a, double k) {
  return {a.r * k, a.g * k, a.b * k};
}
Rgb Add(Rgb a, Rgb b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}

// A floating-point picture that the layers are composed on.
class Picture {
 public:
  Picture(int w, int h) : m_w(w), m_h(h), m_px(static_cast<std::size_t>(w) * h) {}
  int W() const { return m_w; }
  int H() const { return m_h; }
  Rgb& At(int x, int y) { return m_px[static_cast<std::size_t>(y) * m_w + x]; }
  // Blends colour over the pixel with coverage alpha.
  void Blend(int x, int y, Rgb colour, double alpha) {
    if (x < 0 || y < 0 || x >= m_w || y >= m_h || alpha <= 0) return;
    Rgb& p = At(x, y);
    p = Lerp(p, colour, std::min(alpha, 1.0));
  }
  void Each(const std::function<void(int, int, Rgb&)>& paint) {
    for (int y = 0; y < m_h; ++y) {
      for (int x = 0; x < m_w; ++x) paint(x, y, At(x, y));
    }
  }

 private:
  int m_w, m_h;
  std::vector<Rgb> m_px;
};

// Deterministic noise: a hash of the lattice and smooth interpolation between.
double Hash(int x, int y, int seed) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u +
               static_cast<unsigned>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

double ValueNoise(double x, double y, int seed) {
  int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  double fx = x - x0, fy = y - y0;
  fx = fx * fx * (3 - 2 * fx);
  fy = fy * fy * (3 - 2 * fy);
  double a = Hash(x0, y0, seed), b = Hash(x0 + 1, y0, seed);
  double c = Hash(x0, y0 + 1, seed), d = Hash(x0 + 1, y0 + 1, seed);
  return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double Fractal(double x, double y, int seed, int octaves = 4) {
  double sum = 0, amplitude = 0.5, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x, y, seed + i * 17) * amplitude;
    total += amplitude;
    x *= 2.03;
    y *= 2.03;
    amplitude *= 0.5;
  }
  return sum / total;
}

// Signed distance outside a rounded rectangle (negative inside).
double RoundedDistance(double x, double y, double x0, double y0, double x1, double y1,
                       double radius) {
  double cx = std::clamp(x, x0 + radius, x1 - radius);
  double cy = std::clamp(y, y0 + radius, y1 - radius);
  double d = std::hypot(x - cx, y - cy) - radius;
  return d;
}

double Coverage(double distance) {
  return std::clamp(0.5 - distance, 0.0, 1.0);
}

void Background(Picture& p) {
  p.Each([&](int x, int y, Rgb& c) {
    double t = y / static_cast<double>(p.H());
    Rgb base = t < 0.45 ? Lerp(RgbHex(0x0D2C63), RgbHex(0x1A4A9A), t / 0.45)
                        : Lerp(RgbHex(0x1A4A9A), RgbHex(0x0A2150), (t - 0.45) / 0.55);
    // A woven texture and a cloudy grain, as on printed card.
    double weave = std::sin(x * 0.7 + y * 0.7) * std::sin(x * 0.7 - y * 0.7);
    double grain = Fractal(x / 60.0, y / 60.0, 3) - 0.5;
    double fine = Hash(x, y, 9) - 0.5;
    double light = std::exp(-std::pow((x - 520) / 420.0, 2) - std::pow((y - 40) / 260.0, 2));
    double vignette = 1 - 0.35 * std::pow(std::hypot((x - 400) / 520.0, (y - 300) / 420.0), 2.2);
    double k = (1 + 0.05 * weave + 0.22 * grain + 0.04 * fine + 0.45 * light) * vignette;
    c = Scale(base, k);
  });
  // Faint diagonal light streaks behind the title.
  p.Each([&](int x, int y, Rgb& c) {
    double s = std::sin((x - y * 0.6) / 38.0);
    double fade = std::exp(-std::pow((y - 70) / 120.0, 2));
    c = Add(c, Scale(RgbHex(0x3A78D8), std::max(0.0, s) * 0.05 * fade));
  });
}

// Coverage of text drawn by the canvas: white text on black, read back as grey levels.
std::vector<double> TextMask(int w, int h, const std::string& text, const TFont& font, int x,
                             int y) {
  TBitmap bitmap(w, h, TPixelFormat::pf24bit);
  TCanvas& c = bitmap.Canvas();
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clBlack;
  c.FillRect({0, 0, w, h});
  c.Font() = font;
  c.Font().SetColor(clWhite);
  c.Brush().Style = TBrushStyle::bsClear;
  c.TextOut(x, y, text);
  std::vector<double> mask(static_cast<std::size_t>(w) * h);
  for (int yy = 0; yy < h; ++yy) {
    for (int xx = 0; xx < w; ++xx) {
      mask[static_cast<std::size_t>(yy) * w + xx] = PixelG(bitmap.PixelAt(xx, yy)) / 255.0;
    }
  }
  return mask;
}

// The mask grown by radius (its maximum over a disc): outlines and shadows.
std::vector<double> Grow(const std::vector<double>& mask, int w, int h, int radius) {
  std::vector<double> out(mask.size(), 0.0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      double best = 0;
      for (int dy = -radius; dy <= radius && best < 1; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
          if (dx * dx + dy * dy > radius * radius) continue;
          int sx = x + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
          best = std::max(best, mask[static_cast<std::size_t>(sy) * w + sx]);
        }
      }
      out[static_cast<std::size_t>(y) * w + x] = best;
    }
  }
  return out;
}

void Title(Picture& p) {
  const std::string name = "KESTRIX";
  TFont font("Arial", -104, TFontStyles{TFontStyle::fsBold}, clWhite);
  const int left = 40, top = 12;
  const int w = p.W(), h = 150;
  std::vector<double> letters = TextMask(w, h, name, font, left, top);
  std::vector<double> outline = Grow(letters, w, h, 3);
  std::vector<double> shadow = Grow(letters, w, h, 6);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::size_t i = static_cast<std::size_t>(y) * w + x;
      // A soft shadow below and right, a white rim, then red letters with a
      // light top and a darker foot.
      if (x >= 5 && y >= 6) p.Blend(x, y, RgbHex(0x020818), shadow[i - 6 * w - 5] * 0.55);
      p.Blend(x, y, RgbHex(0xF4F6FA), outline[i]);
      double t = std::clamp((y - top - 18) / 84.0, 0.0, 1.0);
      Rgb red = t < 0.5 ? Lerp(RgbHex(0xFF5A5F), RgbHex(0xE0162B), t * 2)
                        : Lerp(RgbHex(0xE0162B), RgbHex(0x8E0A18), (t - 0.5) * 2);
      p.Blend(x, y, red, letters[i]);
    }
  }
  // The strap line under the name.
  TFont strap("Arial", -22, TFontStyles{TFontStyle::fsBold}, clWhite);
  std::vector<double> words =
      TextMask(w, 40, "FOOTBALL  STATISTICS  OF  THE  DAY", strap, left + 6, 6);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < w; ++x) {
      p.Blend(x, y + 122, RgbHex(0xBFD8FF), words[static_cast<std::size_t>(y) * w + x] * 0.95);
    }
  }
}

// The stadium at dusk, drawn into a frame at (x0, y0) of w x h.
void Stadium(Picture& p, int x0, int y0, int w, int h) {
  const double vx = w * 0.52, vy = h * 0.40;  // the vanishing point
  const double focal = 420, eye = 11;         // camera focal length (px) and height (m)
  const double farLine = 86, nearLine = 16;   // distance of the touchlines (m)
  const double yFar = vy + focal * eye / farLine;
  const double standTop = h * 0.18, roofTop = h * 0.12;
  std::vector<std::pair<double, double>> lights{{w * 0.12, h * 0.05}, {w * 0.88, h * 0.07}};

  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Rgb c;
      if (y < roofTop + (x * 0.02)) {
        // Sky: indigo above, the last light of the day at the horizon.
        double t = y / (roofTop + 1);
        c = Lerp(RgbHex(0x1B1F4A), RgbHex(0x6A3E6E), std::pow(t, 1.5));
        double cloud = Fractal(x / 70.0, y / 22.0, 21) - 0.45;
        c = Add(c, Scale(RgbHex(0xC97A6A), std::max(0.0, cloud) * 0.5));
      } else if (y < yFar) {
        // The far stand: roof, then tiers of spectators as specks of colour.
        double depth = (y - roofTop) / (yFar - roofTop);
        if (y < standTop) {
          c = RgbHex(0x1E2230);
          if (y > standTop - 3) c = RgbHex(0x3B4256);
        } else {
          int row = static_cast<int>((y - standTop) / 3.0);
          double speck = Hash(x / 2, row, 5);
          Rgb crowd = speck < 0.2    ? RgbHex(0xC8202E)
                      : speck < 0.35 ? RgbHex(0xE8E8E8)
                      : speck < 0.5  ? RgbHex(0x2050B0)
                                     : RgbHex(0x33343C);
          c = Lerp(crowd, RgbHex(0x20222C), 0.35 + 0.2 * (1 - depth));
          if (static_cast<int>(y - standTop) % 3 == 0) c = Scale(c, 0.6);
          if (y > yFar - 4) c = RgbHex(0x2D6B36);  // advertising boards' green foot
          if (y > yFar - 8 && y <= yFar - 4) c = (x / 40) % 2 ? RgbHex(0xE8E8F0) : RgbHex(0xD01E34);
        }
      } else {
        // The pitch in perspective: ground coordinates from the screen position.
        double z = focal * eye / (y - vy);
        double gx = (x - vx) * z / focal;
        bool stripe = static_cast<int>(std::floor(gx / 6.0 + 100)) % 2 == 0;
        Rgb grass = stripe ? RgbHex(0x2F8A3B) : RgbHex(0x3B9C47);
        double blades = Hash(x, y, 77) - 0.5;
        double patch = Fractal(gx / 8, z / 8, 31) - 0.5;
        grass = Scale(grass, 1 + 0.10 * blades + 0.18 * patch);
        // Floodlight: brighter in the middle, dimmer to the near corners.
        double lit = 0.78 + 0.35 * std::exp(-std::pow(gx / 45, 2) - std::pow((z - 50) / 40, 2));
        c = Scale(grass, lit * (0.85 + 0.15 * (1 - z / farLine)));
        // White lines, about 12 cm wide on the ground.
        double lineWidth = 0.14;
        double circle = std::abs(std::hypot(gx, z - (farLine + nearLine) / 2) - 9.15);
        bool line = std::abs(gx) < lineWidth || std::abs(z - farLine) < lineWidth * 3 ||
                    circle < lineWidth || std::hypot(gx, z - (farLine + nearLine) / 2) < 0.3;
        if (line) c = Lerp(c, RgbHex(0xF2F5EE), 0.85);
      }
      p.At(x0 + x, y0 + y) = c;
    }
  }
  // Floodlight towers: a mast, a bank of lamps and their glow.
  for (auto [lx, ly] : lights) {
    for (int y = static_cast<int>(ly); y < yFar; ++y) {
      for (int dx = -1; dx <= 1; ++dx)
        p.Blend(x0 + static_cast<int>(lx) + dx, y0 + y, RgbHex(0x14161E), 0.9);
    }
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        double d = std::hypot(x - lx, (y - ly) * 1.3);
        double glow = std::exp(-d / 26.0) * 0.9 + std::exp(-d / 90.0) * 0.25;
        bool lamp = std::abs(x - lx) < 12 && std::abs(y - ly) < 5;
        Rgb& c = p.At(x0 + x, y0 + y);
        c = Add(c, Scale(RgbHex(0xFFF1C8), glow));
        if (lamp) c = (static_cast<int>(x - lx + 12) % 4 < 3) ? RgbHex(0xFFFFF4) : RgbHex(0xC8C0A0);
      }
    }
  }
  // A faint mist over the pitch and a lens vignette.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Rgb& c = p.At(x0 + x, y0 + y);
      double mist = std::exp(-std::pow((y - yFar) / 30.0, 2)) * 0.18;
      c = Lerp(c, RgbHex(0xB8C4D8), mist);
      double v = 1 - 0.45 * std::pow(std::hypot((x - w / 2.0) / w, (y - h / 2.0) / h) * 1.6, 2.5);
      c = Scale(c, std::max(0.3, v));
    }
  }
}

void Photo(Picture& p) {
  const int x0 = 34, y0 = 176, w = 330, h = 330, border = 7;
  // The photograph's shadow, then its white border, then the picture.
  for (int y = y0 - 20; y < y0 + h + 30; ++y) {
    for (int x = x0 - 20; x < x0 + w + 30; ++x) {
      double d = RoundedDistance(x, y, x0 - border + 8, y0 - border + 10, x0 + w + border + 8,
                                 y0 + h + border + 10, 6);
      p.Blend(x, y, RgbHex(0x01040C), std::clamp(0.5 - d / 14, 0.0, 0.55));
    }
  }
  for (int y = y0 - border; y < y0 + h + border; ++y) {
    for (int x = x0 - border; x < x0 + w + border; ++x) {
      double d = RoundedDistance(x + 0.5, y + 0.5, x0 - border, y0 - border, x0 + w + border,
                                 y0 + h + border, 5);
      p.Blend(x, y, Lerp(RgbHex(0xFFFFFF), RgbHex(0xDCE2EA), (y - y0) / static_cast<double>(h)),
              Coverage(d));
    }
  }
  Stadium(p, x0, y0, w, h);
}

void LoginPanel(Picture& p) {
  // In the picture's own pixels; the page stretches 800 x 600 to 801 x 577, so
  // the login controls (x 424 to 697, y 264 to 441 on the page) lie inside.
  const double x0 = 398, y0 = 238, x1 = 724, y1 = 480, radius = 18;
  for (int y = static_cast<int>(y0) - 20; y < y1 + 30; ++y) {
    for (int x = static_cast<int>(x0) - 20; x < x1 + 30; ++x) {
      double shadow = RoundedDistance(x, y, x0 + 6, y0 + 10, x1 + 6, y1 + 10, radius);
      p.Blend(x, y, RgbHex(0x02060F), std::clamp(0.5 - shadow / 16, 0.0, 0.5));
      double d = RoundedDistance(x + 0.5, y + 0.5, x0, y0, x1, y1, radius);
      double t = (y - y0) / (y1 - y0);
      Rgb fill = Lerp(RgbHex(0xF7C4CA), RgbHex(0xE0707C), t);
      double sheen = std::exp(-std::pow((y - y0) / 26.0, 2)) * 0.35;
      fill = Lerp(fill, RgbHex(0xFFFFFF), sheen);
      p.Blend(x, y, RgbHex(0xA3142A), Coverage(d));                             // the rim
      p.Blend(x, y, fill, Coverage(d + 3));                                     // inside it
      p.Blend(x, y, RgbHex(0xFFFFFF), Coverage(std::abs(d + 4) - 0.2) * 0.35);  // inner light line
    }
  }
}

// The pale plate at the top right behind the version and the link (dark text).
void VersionPlate(Picture& p) {
  const double x0 = 688, y0 = -20, x1 = 820, y1 = 50;
  for (int y = 0; y < 70; ++y) {
    for (int x = 660; x < p.W(); ++x) {
      double shadow = RoundedDistance(x, y, x0 + 3, y0 + 5, x1, y1 + 5, 14);
      p.Blend(x, y, RgbHex(0x02060F), std::clamp(0.5 - shadow / 10, 0.0, 0.45));
      double d = RoundedDistance(x + 0.5, y + 0.5, x0, y0, x1, y1, 14);
      Rgb fill = Lerp(RgbHex(0xF4F7FC), RgbHex(0xD2DCEC), y / 50.0);
      p.Blend(x, y, RgbHex(0x8FA6C8), Coverage(d));
      p.Blend(x, y, fill, Coverage(d + 1.5));
    }
  }
}

// The maker's mark: a red disc with a white bird's wing, and its name.
void MakerLogo(Picture& p) {
  const double cx = 574, cy = 552, r = 24;
  for (int y = static_cast<int>(cy - r - 4); y <= cy + r + 4; ++y) {
    for (int x = static_cast<int>(cx - r - 4); x <= cx + r + 4; ++x) {
      double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      p.Blend(x, y, RgbHex(0xF4F6FA), Coverage(d - r - 2));
      Rgb disc = Lerp(RgbHex(0xEA3344), RgbHex(0x9E0E1E), (y - (cy - r)) / (2 * r));
      p.Blend(x, y, disc, Coverage(d - r));
      // The wing: a crescent sweeping up to the right.
      double a = std::hypot(x - (cx - 4), y - (cy + 10)) - 22;
      double b = std::hypot(x - (cx - 10), y - (cy + 16)) - 22;
      bool wing = a < 0 && b > 0 && d < r - 3 && x > cx - 16;
      if (wing) p.Blend(x, y, RgbHex(0xFFFFFF), 0.95);
    }
  }
  TFont name("Arial", -20, TFontStyles{TFontStyle::fsBold}, clWhite);
  TFont line("Arial", -12, {}, clWhite);
  const int w = 170, h = 52;
  std::vector<double> big = TextMask(w, h, "KESTRIX", name, 0, 4);
  std::vector<double> small = TextMask(w, h, "SPORTS DATA SOFTWARE", line, 1, 30);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::size_t i = static_cast<std::size_t>(y) * w + x;
      p.Blend(608 + x, 528 + y, RgbHex(0xFFFFFF), big[i]);
      p.Blend(608 + x, 528 + y, RgbHex(0xAFC6EC), small[i]);
    }
  }
}

}  // namespace

TBitmap DrawAboutPicture() {
  Picture p(kAboutWidth, kAboutHeight);
  Background(p);
  VersionPlate(p);
  Title(p);
  Photo(p);
  LoginPanel(p);
  MakerLogo(p);
  TBitmap out(kAboutWidth, kAboutHeight, TPixelFormat::pf24bit);
  for (int y = 0; y < kAboutHeight; ++y) {
    for (int x = 0; x < kAboutWidth; ++x) {
      const Rgb& c = p.At(x, y);
      auto byte = [](double v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v * 255), 0L, 255L));
      };
      out.SetPixelAt(x, y, MakePixel(byte(c.r), byte(c.g), byte(c.b)));
    }
  }
  return out;
}

}  // namespace kx::pictures
