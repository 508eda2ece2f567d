#include "tools/picture-gen/flags.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "tools/picture-gen/sample_canvas.h"

namespace kx::pictures {

namespace {

constexpr int kSize = 16;
constexpr int kSamples = 6;

// The colours of the flags, by what they are usually called.
const Colour kWhite = Hex(0xFFFFFF), kBlack = Hex(0x141414), kRed = Hex(0xD52B1E),
             kCrimson = Hex(0xC8102E), kNavy = Hex(0x012169), kBlue = Hex(0x0038A8),
             kRoyal = Hex(0x0055A4), kSky = Hex(0x74ACDF), kLightBlue = Hex(0x4997D0),
             kGreen = Hex(0x009A44), kDarkGreen = Hex(0x006233), kYellow = Hex(0xFCD116),
             kGold = Hex(0xFFCE00), kOrange = Hex(0xFF883E), kSaffron = Hex(0xFF9933),
             kMaroon = Hex(0x8D1B3D), kBrown = Hex(0x8B5A2B);

using Painter = std::function<void(SampleCanvas&)>;

// The British flag inside a rectangle (the canton of Australia and New Zealand).
void UnionJack(SampleCanvas& c, double x0, double y0, double x1, double y1) {
  c.Rect(x0, y0, x1, y1, kNavy);
  auto local = [=](auto test) {
    return [=](double x, double y) {
      if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
      return test((x - x0) / (x1 - x0), (y - y0) / (y1 - y0));
    };
  };
  auto saltire = [](double width) {
    return [width](double u, double v) {
      return std::abs(u - v) < width || std::abs(u + v - 1) < width;
    };
  };
  auto cross = [](double width) {
    return [width](double u, double v) {
      return std::abs(u - 0.5) < width || std::abs(v - 0.5) < width;
    };
  };
  c.Fill(local(saltire(0.16)), kWhite);
  c.Fill(local(saltire(0.06)), kCrimson);
  c.Fill(local(cross(0.2)), kWhite);
  c.Fill(local(cross(0.11)), kCrimson);
}

// A cross of arm half-length arm inside the flag (Cross spans the whole flag).
void SmallCross(SampleCanvas& c, double cx, double cy, double arm, double width, Colour colour) {
  c.Rect(cx - arm, cy - width / 2, cx + arm, cy + width / 2, colour);
  c.Rect(cx - width / 2, cy - arm, cx + width / 2, cy + arm, colour);
}

// A Nordic cross whose upright stands towards the hoist.
void NordicCross(SampleCanvas& c, double width, Colour colour) {
  c.Cross(0.38, 0.5, width, colour);
}

// The football: an orange and white ball on a dark round button.
void Football(SampleCanvas& c) {
  c.Rect(0, 0, 1, 1, kWhite);
  c.Disc(0.5, 0.5, 0.5, Hex(0x26262B));
  c.Ring(0.5, 0.5, 0.5, 0.06, Hex(0x4A4A52));
  c.Disc(0.5, 0.5, 0.36, Hex(0xF7F7F2));
  // An orange pentagon in the middle and five half-patches at the rim.
  c.Star(0.5, 0.5, 0.13, kOrange, 5, 0, 0.81);
  for (int i = 0; i < 5; ++i) {
    double a = i * 2 * M_PI / 5 - M_PI / 2;
    c.Fill(
        [a](double x, double y) {
          double px = 0.5 + 0.36 * std::cos(a), py = 0.5 + 0.36 * std::sin(a);
          return std::hypot(x - px, y - py) < 0.12 && std::hypot(x - 0.5, y - 0.5) < 0.36;
        },
        kOrange);
    c.Band({0.5 + 0.13 * std::cos(a), 0.5 + 0.13 * std::sin(a)},
           {0.5 + 0.26 * std::cos(a), 0.5 + 0.26 * std::sin(a)}, 0.035, Hex(0x9A9A90));
  }
}

void EuropeanStars(SampleCanvas& c) {
  for (int i = 0; i < 12; ++i) {
    double a = i * M_PI / 6;
    c.Star(0.5 + 0.30 * std::cos(a), 0.5 + 0.30 * std::sin(a), 0.075, kGold);
  }
}

void Tricolour(SampleCanvas& c, Colour a, Colour b, Colour d, bool vertical) {
  if (vertical) {
    c.VStripes({a, b, d});
  } else {
    c.HStripes({a, b, d});
  }
}

struct FlagDefinition {
  std::string_view name;
  Painter paint;
};

std::vector<FlagDefinition> FlagDefinitions() {
  std::vector<FlagDefinition> f;
  f.push_back({"Football (unknown league)", Football});
  f.push_back({"Argentina", [](SampleCanvas& c) {
                 c.HStripes({kSky, kWhite, kSky});
                 c.Disc(0.5, 0.5, 0.11, Hex(0xF6B40E));
               }});
  f.push_back({"Armenia", [](SampleCanvas& c) {
                 c.HStripes({kRed, Hex(0x0033A0), Hex(0xF2A800)});
               }});
  f.push_back({"Australia", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, kNavy);
                 UnionJack(c, 0, 0, 0.5, 0.5);
                 c.Star(0.25, 0.76, 0.13, kWhite, 7);
                 c.Star(0.75, 0.22, 0.07, kWhite, 7);
                 c.Star(0.62, 0.50, 0.07, kWhite, 7);
                 c.Star(0.87, 0.46, 0.07, kWhite, 7);
                 c.Star(0.75, 0.82, 0.08, kWhite, 7);
               }});
  f.push_back({"Austria", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xED2939), kWhite, Hex(0xED2939)});
               }});
  f.push_back({"Bahrain", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xCE1126));
                 c.Fill(
                     [](double x, double y) {
                       double tooth = std::abs(std::fmod(y * 5, 1.0) - 0.5) * 2;  // 0..1 zigzag
                       return x < 0.28 + 0.12 * tooth;
                     },
                     kWhite);
               }});
  f.push_back({"Belarus", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xC8313E), Hex(0x4AA657)}, {2, 1});
                 c.Rect(0, 0, 0.2, 1, kWhite);
                 c.Fill(
                     [](double x, double y) {
                       return x < 0.2 && std::abs(std::fmod(y * 6, 1.0) - 0.5) < 0.2 &&
                              std::abs(x - 0.1) < 0.06;
                     },
                     Hex(0xC8313E));
               }});
  f.push_back({"Belgium",
               [](SampleCanvas& c) { Tricolour(c, kBlack, Hex(0xFDDA24), Hex(0xEF3340), true); }});
  f.push_back({"Bosnia", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0x002395));
                 c.Polygon({{0.25, 0}, {0.8, 0}, {0.8, 0.9}}, Hex(0xFECB00));
                 for (int i = 0; i < 5; ++i) c.Star(0.12 + i * 0.14, 0.02 + i * 0.2, 0.06, kWhite);
               }});
  f.push_back({"Brazil", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0x009C3B));
                 c.Polygon({{0.5, 0.12}, {0.94, 0.5}, {0.5, 0.88}, {0.06, 0.5}}, Hex(0xFFDF00));
                 c.Disc(0.5, 0.5, 0.19, Hex(0x002776));
                 c.Band({0.33, 0.45}, {0.68, 0.55}, 0.05, kWhite);
               }});
  f.push_back({"Bulgaria", [](SampleCanvas& c) {
                 c.HStripes({kWhite, Hex(0x00966E), Hex(0xD62612)});
               }});
  f.push_back({"Cameroon", [](SampleCanvas& c) {
                 Tricolour(c, Hex(0x007A5E), Hex(0xCE1126), Hex(0xFCD116), true);
                 c.Star(0.5, 0.5, 0.15, Hex(0xFCD116));
               }});
  f.push_back({"Canada", [](SampleCanvas& c) {
                 c.VStripes({Hex(0xD80621), kWhite, Hex(0xD80621)}, {1, 2, 1});
                 c.Star(0.5, 0.47, 0.2, Hex(0xD80621), 5, 0, 0.55);
                 c.Rect(0.47, 0.55, 0.53, 0.75, Hex(0xD80621));
               }});
  f.push_back({"Chile", [](SampleCanvas& c) {
                 c.HStripes({kWhite, Hex(0xD52B1E)});
                 c.Rect(0, 0, 0.4, 0.5, Hex(0x0039A6));
                 c.Star(0.2, 0.25, 0.12, kWhite);
               }});
  f.push_back({"China", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xEE1C25));
                 c.Star(0.25, 0.28, 0.17, Hex(0xFFFF00));
                 c.Star(0.52, 0.12, 0.06, Hex(0xFFFF00));
                 c.Star(0.62, 0.25, 0.06, Hex(0xFFFF00));
                 c.Star(0.62, 0.42, 0.06, Hex(0xFFFF00));
                 c.Star(0.52, 0.55, 0.06, Hex(0xFFFF00));
               }});
  f.push_back({"Colombia and Ecuador", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xFCD116), Hex(0x003893), Hex(0xCE1126)}, {2, 1, 1});
               }});
  f.push_back(
      {"Costa Rica", [](SampleCanvas& c) {
         c.HStripes({Hex(0x002B7F), kWhite, Hex(0xCE1126), kWhite, Hex(0x002B7F)}, {1, 1, 2, 1, 1});
       }});
  f.push_back({"Croatia", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xFF0000), kWhite, Hex(0x171796)});
                 c.Rect(0.34, 0.28, 0.66, 0.66, kWhite);
                 c.Fill(
                     [](double x, double y) {
                       if (x < 0.34 || x >= 0.66 || y < 0.28 || y >= 0.66) return false;
                       int i = static_cast<int>((x - 0.34) / 0.08),
                           j = static_cast<int>((y - 0.28) / 0.095);
                       return (i + j) % 2 == 0;
                     },
                     Hex(0xFF0000));
               }});
  f.push_back(
      {"Cyprus", [](SampleCanvas& c) {
         c.Rect(0, 0, 1, 1, kWhite);
         c.Polygon({{0.18, 0.42}, {0.45, 0.3}, {0.82, 0.26}, {0.62, 0.42}, {0.5, 0.5}, {0.3, 0.52}},
                   Hex(0xD57800));
         c.Band({0.3, 0.7}, {0.5, 0.76}, 0.06, Hex(0x4E5B31));
         c.Band({0.7, 0.7}, {0.5, 0.76}, 0.06, Hex(0x4E5B31));
       }});
  f.push_back({"Czech Republic", [](SampleCanvas& c) {
                 c.HStripes({kWhite, Hex(0xD7141A)});
                 c.Polygon({{0, 0}, {0.5, 0.5}, {0, 1}}, Hex(0x11457E));
               }});
  f.push_back({"Denmark", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xC8102E));
                 NordicCross(c, 0.18, kWhite);
               }});
  f.push_back({"Egypt", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xCE1126), kWhite, kBlack});
                 c.Polygon({{0.42, 0.4}, {0.58, 0.4}, {0.55, 0.62}, {0.45, 0.62}}, Hex(0xC09300));
               }});
  f.push_back({"El Salvador", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x0F47AF), kWhite, Hex(0x0F47AF)});
                 c.Polygon({{0.5, 0.37}, {0.62, 0.6}, {0.38, 0.6}}, Hex(0x2C8C3C));
                 c.Ring(0.5, 0.5, 0.14, 0.03, Hex(0xCFB53B));
               }});
  f.push_back({"England", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, kWhite);
                 c.Cross(0.5, 0.5, 0.2, Hex(0xCE1124));
               }});
  f.push_back({"Estonia", [](SampleCanvas& c) { c.HStripes({Hex(0x0072CE), kBlack, kWhite}); }});
  f.push_back({"European Union", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0x003399));
                 EuropeanStars(c);
               }});
  f.push_back({"Finland", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, kWhite);
                 NordicCross(c, 0.22, Hex(0x002F6C));
               }});
  f.push_back({"France",
               [](SampleCanvas& c) { Tricolour(c, Hex(0x0055A4), kWhite, Hex(0xEF4135), true); }});
  f.push_back({"Georgia", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, kWhite);
                 c.Cross(0.5, 0.5, 0.16, Hex(0xFF0000));
                 for (double x : {0.22, 0.78}) {
                   for (double y : {0.22, 0.78}) {
                     c.Rect(x - 0.09, y - 0.03, x + 0.09, y + 0.03, Hex(0xFF0000));
                     c.Rect(x - 0.03, y - 0.09, x + 0.03, y + 0.09, Hex(0xFF0000));
                   }
                 }
               }});
  f.push_back({"Germany", [](SampleCanvas& c) {
                 c.HStripes({kBlack, Hex(0xDD0000), Hex(0xFFCE00)});
               }});
  f.push_back({"Greece", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x0D5EAF), kWhite, Hex(0x0D5EAF), kWhite, Hex(0x0D5EAF), kWhite,
                             Hex(0x0D5EAF), kWhite, Hex(0x0D5EAF)});
                 c.Rect(0, 0, 0.44, 0.556, Hex(0x0D5EAF));
                 c.Rect(0, 0.222, 0.44, 0.333, kWhite);
                 c.Rect(0.165, 0, 0.275, 0.556, kWhite);
               }});
  f.push_back({"Guatemala", [](SampleCanvas& c) {
                 c.VStripes({Hex(0x4997D0), kWhite, Hex(0x4997D0)});
                 c.Ring(0.5, 0.5, 0.14, 0.035, Hex(0x6C8E3C));
                 c.Disc(0.5, 0.5, 0.06, Hex(0x2C7A3F));
               }});
  f.push_back({"Honduras", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x0073CF), kWhite, Hex(0x0073CF)});
                 for (Point p : {Point{0.5, 0.5}, Point{0.32, 0.42}, Point{0.32, 0.58},
                                 Point{0.68, 0.42}, Point{0.68, 0.58}}) {
                   c.Star(p.x, p.y, 0.06, Hex(0x0073CF));
                 }
               }});
  f.push_back({"Hong Kong", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xDE2910));
                 for (int i = 0; i < 5; ++i) {
                   double a = i * 2 * M_PI / 5 - M_PI / 2;
                   c.Disc(0.5 + 0.16 * std::cos(a), 0.5 + 0.16 * std::sin(a), 0.12, kWhite);
                 }
                 c.Disc(0.5, 0.5, 0.05, Hex(0xDE2910));
               }});
  f.push_back({"Hungary", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xCD2A3E), kWhite, Hex(0x436F4D)});
               }});
  f.push_back({"Iceland", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0x02529C));
                 NordicCross(c, 0.26, kWhite);
                 NordicCross(c, 0.12, Hex(0xDC1E35));
               }});
  f.push_back({"India", [](SampleCanvas& c) {
                 c.HStripes({kSaffron, kWhite, Hex(0x138808)});
                 c.Ring(0.5, 0.5, 0.13, 0.035, Hex(0x000080));
                 c.Disc(0.5, 0.5, 0.03, Hex(0x000080));
               }});
  f.push_back({"Indonesia", [](SampleCanvas& c) { c.HStripes({Hex(0xCE1126), kWhite}); }});
  f.push_back({"Iran", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x239F40), kWhite, Hex(0xDA0000)});
                 c.Crescent(0.5, 0.5, 0.11, 0.0, 0.07, Hex(0xDA0000));
                 c.Rect(0.48, 0.4, 0.52, 0.6, Hex(0xDA0000));
               }});
  f.push_back({"Iraq", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xCE1126), kWhite, kBlack});
                 c.Rect(0.22, 0.45, 0.78, 0.52, Hex(0x007A3D));
                 for (double x : {0.28, 0.45, 0.62, 0.75})
                   c.Rect(x, 0.38, x + 0.04, 0.52, Hex(0x007A3D));
               }});
  f.push_back({"Ireland",
               [](SampleCanvas& c) { Tricolour(c, Hex(0x169B62), kWhite, Hex(0xFF883E), true); }});
  f.push_back(
      {"Israel", [](SampleCanvas& c) {
         c.Rect(0, 0, 1, 1, kWhite);
         c.Rect(0, 0.1, 1, 0.22, Hex(0x0038B8));
         c.Rect(0, 0.78, 1, 0.9, Hex(0x0038B8));
         auto hexagram = [&c](double r, Colour colour) {
           const double h = r * 0.866;
           c.Polygon({{0.5, 0.5 - r}, {0.5 + h, 0.5 + r / 2}, {0.5 - h, 0.5 + r / 2}}, colour);
           c.Polygon({{0.5, 0.5 + r}, {0.5 + h, 0.5 - r / 2}, {0.5 - h, 0.5 - r / 2}}, colour);
         };
         hexagram(0.2, Hex(0x0038B8));
         hexagram(0.13, kWhite);
       }});
  f.push_back(
      {"Italy", [](SampleCanvas& c) { Tricolour(c, Hex(0x009246), kWhite, Hex(0xCE2B37), true); }});
  f.push_back({"Japan", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, kWhite);
                 c.Disc(0.5, 0.5, 0.23, Hex(0xBC002D));
               }});
  f.push_back({"Jordan", [](SampleCanvas& c) {
                 c.HStripes({kBlack, kWhite, Hex(0x007A3D)});
                 c.Polygon({{0, 0}, {0.55, 0.5}, {0, 1}}, Hex(0xCE1126));
                 c.Star(0.18, 0.5, 0.08, kWhite, 7);
               }});
  f.push_back({"Kazakhstan", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0x00AFCA));
                 c.Disc(0.56, 0.4, 0.13, Hex(0xFEC50C));
                 c.Polygon({{0.3, 0.62}, {0.56, 0.55}, {0.82, 0.62}, {0.56, 0.7}}, Hex(0xFEC50C));
                 c.Rect(0.06, 0.08, 0.12, 0.92, Hex(0xFEC50C));
               }});
  f.push_back({"Kuwait", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x007A3D), kWhite, Hex(0xCE1126)});
                 c.Polygon({{0, 0}, {0.3, 0.333}, {0.3, 0.667}, {0, 1}}, kBlack);
               }});
  f.push_back({"Lebanon", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xED1C24), kWhite, Hex(0xED1C24)}, {1, 2, 1});
                 c.Polygon({{0.5, 0.3}, {0.68, 0.66}, {0.32, 0.66}}, Hex(0x00A651));
                 c.Rect(0.47, 0.64, 0.53, 0.72, Hex(0x00A651));
               }});
  f.push_back({"Lithuania", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xFDB913), Hex(0x006A44), Hex(0xC1272D)});
               }});
  f.push_back({"Luxembourg", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xEF3340), kWhite, Hex(0x00A3E0)});
               }});
  f.push_back({"Malaysia", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xCC0001), kWhite, Hex(0xCC0001), kWhite, Hex(0xCC0001), kWhite,
                             Hex(0xCC0001), kWhite});
                 c.Rect(0, 0, 0.5, 0.5, Hex(0x010066));
                 c.Crescent(0.2, 0.25, 0.16, 0.05, 0.13, Hex(0xFFCC00));
                 c.Star(0.36, 0.25, 0.09, Hex(0xFFCC00), 9);
               }});
  f.push_back({"Mexico", [](SampleCanvas& c) {
                 Tricolour(c, Hex(0x006847), kWhite, Hex(0xCE1126), true);
                 c.Disc(0.5, 0.48, 0.1, Hex(0x8C5A2B));
                 c.Band({0.4, 0.62}, {0.6, 0.62}, 0.05, Hex(0x3D7A3A));
               }});
  f.push_back({"Moldova", [](SampleCanvas& c) {
                 Tricolour(c, Hex(0x0046AE), Hex(0xFFD200), Hex(0xCC092F), true);
                 c.Polygon({{0.42, 0.38}, {0.58, 0.38}, {0.58, 0.58}, {0.5, 0.66}, {0.42, 0.58}},
                           Hex(0xB07E29));
               }});
  f.push_back(
      {"Montenegro", [](SampleCanvas& c) {
         c.Rect(0, 0, 1, 1, Hex(0xD4AF3A));
         c.Rect(0.06, 0.06, 0.94, 0.94, Hex(0xC40308));
         c.Polygon({{0.3, 0.35}, {0.5, 0.45}, {0.7, 0.35}, {0.62, 0.66}, {0.5, 0.72}, {0.38, 0.66}},
                   Hex(0xD4AF3A));
       }});
  f.push_back({"Morocco", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xC1272D));
                 c.Star(0.5, 0.5, 0.26, Hex(0x006233), 5, 0, 0.38);
                 c.Star(0.5, 0.5, 0.17, Hex(0xC1272D), 5, 0, 0.38);
               }});
  f.push_back({"Netherlands", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xAE1C28), kWhite, Hex(0x21468B)});
               }});
  f.push_back({"New Zealand", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, kNavy);
                 UnionJack(c, 0, 0, 0.5, 0.5);
                 for (Point p : {Point{0.74, 0.22}, Point{0.62, 0.46}, Point{0.86, 0.42},
                                 Point{0.74, 0.78}}) {
                   c.Star(p.x, p.y, 0.085, kWhite);
                   c.Star(p.x, p.y, 0.055, Hex(0xC8102E));
                 }
               }});
  f.push_back({"Norway", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xBA0C2F));
                 NordicCross(c, 0.26, kWhite);
                 NordicCross(c, 0.13, Hex(0x00205B));
               }});
  f.push_back({"Paraguay", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xD52B1E), kWhite, Hex(0x0038A8)});
                 c.Ring(0.5, 0.5, 0.11, 0.03, Hex(0x2C7A3F));
                 c.Star(0.5, 0.5, 0.05, Hex(0xF7D116));
               }});
  f.push_back({"Peru", [](SampleCanvas& c) {
                 c.VStripes({Hex(0xD91023), kWhite, Hex(0xD91023)});
               }});
  f.push_back({"Philippines", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x0038A8), Hex(0xCE1126)});
                 c.Polygon({{0, 0}, {0.55, 0.5}, {0, 1}}, kWhite);
                 c.Star(0.2, 0.5, 0.11, Hex(0xFCD116), 8, 0, 0.5);
               }});
  f.push_back({"Poland", [](SampleCanvas& c) { c.HStripes({kWhite, Hex(0xDC143C)}); }});
  f.push_back({"Portugal", [](SampleCanvas& c) {
                 c.VStripes({Hex(0x006600), Hex(0xFF0000)}, {2, 3});
                 c.Disc(0.4, 0.5, 0.17, Hex(0xFFCC00));
                 c.Disc(0.4, 0.5, 0.1, Hex(0xFF0000));
                 c.Rect(0.34, 0.42, 0.46, 0.6, kWhite);
               }});
  f.push_back({"Qatar", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0x8A1538));
                 c.Fill(
                     [](double x, double y) {
                       double tooth = std::abs(std::fmod(y * 9, 1.0) - 0.5) * 2;
                       return x < 0.3 + 0.1 * tooth;
                     },
                     kWhite);
               }});
  f.push_back({"Romania", [](SampleCanvas& c) {
                 Tricolour(c, Hex(0x002B7F), Hex(0xFCD116), Hex(0xCE1126), true);
               }});
  f.push_back({"Russia", [](SampleCanvas& c) {
                 c.HStripes({kWhite, Hex(0x0039A6), Hex(0xD52B1E)});
               }});
  f.push_back({"Saudi Arabia", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0x006C35));
                 for (double x = 0.22; x < 0.8; x += 0.12) c.Rect(x, 0.3, x + 0.06, 0.5, kWhite);
                 c.Rect(0.2, 0.46, 0.8, 0.5, kWhite);
                 c.Band({0.22, 0.66}, {0.74, 0.66}, 0.05, kWhite);
               }});
  f.push_back({"Scotland", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0x005EB8));
                 c.Band({0, 0}, {1, 1}, 0.2, kWhite);
                 c.Band({1, 0}, {0, 1}, 0.2, kWhite);
               }});
  f.push_back({"Senegal", [](SampleCanvas& c) {
                 Tricolour(c, Hex(0x00853F), Hex(0xFDEF42), Hex(0xE31B23), true);
                 c.Star(0.5, 0.5, 0.14, Hex(0x00853F));
               }});
  f.push_back({"Serbia", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xC6363C), Hex(0x0C4076), kWhite});
                 c.Polygon({{0.24, 0.22}, {0.44, 0.22}, {0.44, 0.62}, {0.34, 0.72}, {0.24, 0.62}},
                           Hex(0xC6363C));
                 SmallCross(c, 0.34, 0.45, 0.08, 0.05, kWhite);
               }});
  f.push_back({"Singapore", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xEF3340), kWhite});
                 c.Crescent(0.24, 0.25, 0.16, 0.06, 0.14, kWhite);
                 for (int i = 0; i < 5; ++i) {
                   double a = i * 2 * M_PI / 5 - M_PI / 2;
                   c.Star(0.42 + 0.08 * std::cos(a), 0.25 + 0.08 * std::sin(a), 0.035, kWhite);
                 }
               }});
  f.push_back(
      {"Slovakia", [](SampleCanvas& c) {
         c.HStripes({kWhite, Hex(0x0B4EA2), Hex(0xEE1C25)});
         c.Polygon({{0.16, 0.24}, {0.48, 0.24}, {0.48, 0.62}, {0.32, 0.78}, {0.16, 0.62}}, kWhite);
         c.Polygon({{0.19, 0.27}, {0.45, 0.27}, {0.45, 0.6}, {0.32, 0.73}, {0.19, 0.6}},
                   Hex(0xEE1C25));
         SmallCross(c, 0.32, 0.44, 0.06, 0.045, kWhite);
         c.Rect(0.25, 0.36, 0.39, 0.395, kWhite);
         c.Polygon({{0.19, 0.6}, {0.32, 0.52}, {0.45, 0.6}, {0.32, 0.73}}, Hex(0x0B4EA2));
       }});
  f.push_back({"Slovenia", [](SampleCanvas& c) {
                 c.HStripes({kWhite, Hex(0x005DA4), Hex(0xED1C24)});
                 c.Polygon({{0.2, 0.18}, {0.44, 0.18}, {0.44, 0.44}, {0.32, 0.54}, {0.2, 0.44}},
                           Hex(0x005DA4));
                 c.Polygon({{0.22, 0.4}, {0.32, 0.28}, {0.42, 0.4}}, kWhite);
                 c.Rect(0.2, 0.18, 0.44, 0.2, Hex(0xED1C24));
               }});
  f.push_back({"South Africa", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xE03C31), Hex(0x001489)});
                 c.Fill(
                     [](double x, double y) {
                       double d = x < 0.5 ? std::abs(y - 0.5) - x * 0.6 : std::abs(y - 0.5);
                       return d < 0.16;
                     },
                     kWhite);
                 c.Fill(
                     [](double x, double y) {
                       double d = x < 0.5 ? std::abs(y - 0.5) - x * 0.6 : std::abs(y - 0.5);
                       return d < 0.1;
                     },
                     Hex(0x007749));
                 c.Polygon({{0, 0.12}, {0.36, 0.5}, {0, 0.88}}, Hex(0xFFB612));
                 c.Polygon({{0, 0.2}, {0.28, 0.5}, {0, 0.8}}, kBlack);
               }});
  f.push_back({"South Korea", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, kWhite);
                 c.Disc(0.5, 0.5, 0.21, Hex(0xCD2E3A));
                 c.Fill(
                     [](double x, double y) {
                       double r = std::hypot(x - 0.5, y - 0.5);
                       bool lower = y > 0.5 + (x - 0.5) * 0.3;
                       return r <= 0.21 && (lower ? std::hypot(x - 0.6, y - 0.53) > 0.105
                                                  : std::hypot(x - 0.4, y - 0.47) <= 0.105);
                     },
                     Hex(0x0047A0));
                 for (Point p : {Point{0.16, 0.18}, Point{0.84, 0.18}, Point{0.16, 0.82},
                                 Point{0.84, 0.82}}) {
                   c.Band({p.x - 0.07, p.y - 0.07}, {p.x + 0.07, p.y + 0.07}, 0.09, kBlack);
                 }
               }});
  f.push_back({"Spain", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xAA151B), Hex(0xF1BF00), Hex(0xAA151B)}, {1, 2, 1});
                 c.Rect(0.2, 0.36, 0.36, 0.62, Hex(0xAA151B));
                 c.Rect(0.23, 0.4, 0.33, 0.58, Hex(0xF1BF00));
               }});
  f.push_back({"Sweden", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0x006AA7));
                 NordicCross(c, 0.2, Hex(0xFECC02));
               }});
  f.push_back({"Switzerland", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xDA291C));
                 c.Rect(0.4, 0.2, 0.6, 0.8, kWhite);
                 c.Rect(0.2, 0.4, 0.8, 0.6, kWhite);
               }});
  f.push_back(
      {"Thailand", [](SampleCanvas& c) {
         c.HStripes({Hex(0xA51931), kWhite, Hex(0x2D2A4A), kWhite, Hex(0xA51931)}, {1, 1, 2, 1, 1});
       }});
  f.push_back({"Tunisia", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xE70013));
                 c.Disc(0.5, 0.5, 0.25, kWhite);
                 c.Crescent(0.48, 0.5, 0.18, 0.05, 0.15, Hex(0xE70013));
                 c.Star(0.56, 0.5, 0.09, Hex(0xE70013), 5, 0.25);
               }});
  f.push_back({"Turkey", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xE30A17));
                 c.Crescent(0.4, 0.5, 0.25, 0.07, 0.2, kWhite);
                 c.Star(0.66, 0.5, 0.11, kWhite, 5, 0.25);
               }});
  f.push_back({"Ukraine", [](SampleCanvas& c) { c.HStripes({Hex(0x0057B7), Hex(0xFFD700)}); }});
  f.push_back({"United Arab Emirates", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x00732F), kWhite, kBlack});
                 c.Rect(0, 0, 0.27, 1, Hex(0xFF0000));
               }});
  f.push_back({"United States", [](SampleCanvas& c) {
                 c.Fill([](double, double y) { return static_cast<int>(y * 13) % 2 == 0; },
                        Hex(0xB22234));
                 c.Fill([](double, double y) { return static_cast<int>(y * 13) % 2 == 1; }, kWhite);
                 c.Rect(0, 0, 0.5, 7.0 / 13, Hex(0x3C3B6E));
                 for (int row = 0; row < 4; ++row) {
                   for (int col = 0; col < 4; ++col) {
                     c.Disc(0.08 + col * 0.11 + (row % 2) * 0.04, 0.08 + row * 0.12, 0.025, kWhite);
                   }
                 }
               }});
  f.push_back({"Uruguay", [](SampleCanvas& c) {
                 c.HStripes({kWhite, Hex(0x0038A8), kWhite, Hex(0x0038A8), kWhite, Hex(0x0038A8),
                             kWhite, Hex(0x0038A8), kWhite});
                 c.Rect(0, 0, 0.45, 0.556, kWhite);
                 c.Star(0.22, 0.27, 0.17, Hex(0xFCD116), 16, 0, 0.6);
               }});
  f.push_back({"Uzbekistan", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x0099B5), Hex(0xCE1126), kWhite, Hex(0xCE1126), Hex(0x1EB53A)},
                            {10, 1, 10, 1, 10});
                 c.Crescent(0.2, 0.16, 0.11, 0.04, 0.1, kWhite);
                 for (double x : {0.4, 0.52, 0.64}) c.Disc(x, 0.16, 0.025, kWhite);
               }});
  f.push_back({"Venezuela", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xFFCC00), Hex(0x00247D), Hex(0xCF142B)});
                 for (int i = 0; i < 8; ++i) {
                   double a = M_PI * (0.15 + 0.7 * i / 7.0);
                   c.Disc(0.5 - 0.24 * std::cos(a), 0.6 - 0.22 * std::sin(a), 0.03, kWhite);
                 }
               }});
  f.push_back({"Vietnam", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xDA251D));
                 c.Star(0.5, 0.5, 0.3, Hex(0xFFFF00));
               }});
  f.push_back({"Wales", [](SampleCanvas& c) {
                 c.HStripes({kWhite, Hex(0x00B140)});
                 c.Polygon({{0.2, 0.62},
                            {0.3, 0.36},
                            {0.5, 0.3},
                            {0.62, 0.2},
                            {0.8, 0.26},
                            {0.68, 0.36},
                            {0.74, 0.56},
                            {0.86, 0.72},
                            {0.62, 0.66},
                            {0.46, 0.78},
                            {0.4, 0.6}},
                           Hex(0xC8102E));
               }});
  f.push_back({"Yemen", [](SampleCanvas& c) { c.HStripes({Hex(0xCE1126), kWhite, kBlack}); }});
  f.push_back({"Andorra", [](SampleCanvas& c) {
                 c.VStripes({Hex(0x10069F), Hex(0xFEDF00), Hex(0xD50032)});
                 c.Polygon({{0.4, 0.36}, {0.6, 0.36}, {0.6, 0.58}, {0.5, 0.66}, {0.4, 0.58}},
                           Hex(0xC7B37F));
                 c.Rect(0.44, 0.4, 0.56, 0.56, Hex(0xD50032));
               }});
  f.push_back({"Nigeria", [](SampleCanvas& c) {
                 c.VStripes({Hex(0x008751), kWhite, Hex(0x008751)});
               }});
  f.push_back(
      {"Eswatini (Swaziland)", [](SampleCanvas& c) {
         c.HStripes({Hex(0x3E5EB9), Hex(0xFFD900), Hex(0xB10C0C), Hex(0xFFD900), Hex(0x3E5EB9)},
                    {3, 1, 8, 1, 3});
         c.Fill([](double x, double y) { return std::hypot((x - 0.5) * 0.6, y - 0.5) < 0.1; },
                kWhite);
         c.Fill([](double x,
                   double y) { return std::hypot((x - 0.5) * 0.6, y - 0.5) < 0.1 && x > 0.5; },
                kBlack);
         c.Rect(0.14, 0.485, 0.86, 0.515, Hex(0xFFD900));
       }});
  f.push_back({"Algeria", [](SampleCanvas& c) {
                 c.VStripes({Hex(0x006233), kWhite});
                 c.Crescent(0.5, 0.5, 0.22, 0.07, 0.18, Hex(0xD21034));
                 c.Star(0.6, 0.5, 0.1, Hex(0xD21034), 5, 0.25);
               }});
  f.push_back({"Syria", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xCE1126), kWhite, kBlack});
                 c.Star(0.33, 0.5, 0.1, Hex(0x007A3D));
                 c.Star(0.67, 0.5, 0.1, Hex(0x007A3D));
               }});
  f.push_back({"Malta", [](SampleCanvas& c) {
                 c.VStripes({kWhite, Hex(0xCF142B)});
                 SmallCross(c, 0.18, 0.18, 0.1, 0.07, Hex(0x9EA2A2));
                 c.Rect(0.16, 0.16, 0.2, 0.2, Hex(0xCF142B));
               }});
  f.push_back({"North Macedonia", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xD20000));
                 c.Band({0, 0}, {1, 1}, 0.12, Hex(0xFFE600));
                 c.Band({1, 0}, {0, 1}, 0.12, Hex(0xFFE600));
                 c.Cross(0.5, 0.5, 0.12, Hex(0xFFE600));
                 c.Disc(0.5, 0.5, 0.16, Hex(0xD20000));
                 c.Disc(0.5, 0.5, 0.12, Hex(0xFFE600));
               }});
  f.push_back({"Albania", [](SampleCanvas& c) {
                 c.Rect(0, 0, 1, 1, Hex(0xE41E20));
                 c.Polygon({{0.5, 0.2},
                            {0.58, 0.36},
                            {0.82, 0.26},
                            {0.7, 0.5},
                            {0.62, 0.56},
                            {0.58, 0.76},
                            {0.5, 0.86},
                            {0.42, 0.76},
                            {0.38, 0.56},
                            {0.3, 0.5},
                            {0.18, 0.26},
                            {0.42, 0.36}},
                           kBlack);
               }});
  f.push_back(
      {"Kosovo", [](SampleCanvas& c) {
         c.Rect(0, 0, 1, 1, Hex(0x244AA5));
         c.Polygon(
             {{0.3, 0.42}, {0.52, 0.34}, {0.72, 0.44}, {0.66, 0.74}, {0.44, 0.78}, {0.34, 0.62}},
             Hex(0xD0A650));
         for (int i = 0; i < 6; ++i)
           c.Star(0.22 + i * 0.112, 0.2 + std::abs(i - 2.5) * 0.025, 0.045, kWhite);
       }});
  f.push_back({"Azerbaijan", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x0092BC), Hex(0xE4002B), Hex(0x00AF66)});
                 c.Crescent(0.46, 0.5, 0.13, 0.04, 0.11, kWhite);
                 c.Star(0.58, 0.5, 0.06, kWhite, 8);
               }});
  f.push_back(
      {"Uganda", [](SampleCanvas& c) {
         c.HStripes({kBlack, Hex(0xFCDC04), Hex(0xD90000), kBlack, Hex(0xFCDC04), Hex(0xD90000)});
         c.Disc(0.5, 0.5, 0.2, kWhite);
         c.Polygon({{0.46, 0.36}, {0.56, 0.42}, {0.54, 0.6}, {0.46, 0.66}, {0.42, 0.5}},
                   Hex(0x555555));
         c.Disc(0.5, 0.37, 0.04, Hex(0xD90000));
       }});
  f.push_back({"Latvia", [](SampleCanvas& c) {
                 c.HStripes({Hex(0x9E3039), kWhite, Hex(0x9E3039)}, {2, 1, 2});
               }});
  f.push_back({"Luxembourg", [](SampleCanvas& c) {
                 c.HStripes({Hex(0xEF3340), kWhite, Hex(0x00A3E0)});
               }});
  return f;
}

const std::vector<FlagDefinition>& Definitions() {
  static const std::vector<FlagDefinition> definitions = FlagDefinitions();
  return definitions;
}

}  // namespace

MaskedPicture GlossyTile(const TBitmap& flat) {
  return GlossyPicture(flat, false);
}

MaskedPicture GlossyPicture(const TBitmap& flat, bool round) {
  const int n = kSize;
  TBitmap image(n, n, TPixelFormat::pf24bit);
  TBitmap mask(n, n, TPixelFormat::pf24bit);
  auto inside = [n, round](int x, int y) {
    if (x < 0 || y < 0 || x >= n || y >= n) return false;
    if (round) return std::hypot(x + 0.5 - n / 2.0, y + 0.5 - n / 2.0) <= n / 2.0 - 0.2;
    // A rounded square: the three pixels of each corner stay out.
    int cx = std::min(x, n - 1 - x), cy = std::min(y, n - 1 - y);
    return cx + cy >= 2 || (cx > 0 && cy > 0);
  };
  auto edge = [&](int x, int y) {
    return !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1) ||
           x == 0 || y == 0 || x == n - 1 || y == n - 1;
  };
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      if (!inside(x, y)) {
        image.SetPixelAt(x, y, MakePixel(255, 0, 255));
        mask.SetPixelAt(x, y, MakePixel(255, 255, 255));
        continue;
      }
      mask.SetPixelAt(x, y, MakePixel(0, 0, 0));
      Pixel32 p = flat.PixelAt(x, y);
      double r = ((p >> 16) & 0xFF) / 255.0, g = ((p >> 8) & 0xFF) / 255.0, b = (p & 0xFF) / 255.0;
      // Gloss: a light sheen over the upper half, a little shade at the bottom.
      double t = y / static_cast<double>(n - 1);
      double sheen = t < 0.5 ? 0.38 * (1 - t * 2) * (1 - t * 2) + 0.06 : 0.0;
      double shade = t > 0.5 ? 0.16 * (t - 0.5) * 2 : 0.0;
      auto tone = [&](double v) { return (v + (1 - v) * sheen) * (1 - shade); };
      r = tone(r);
      g = tone(g);
      b = tone(b);
      if (edge(x, y)) {
        // A thin dark rim keeps light flags apart from light backgrounds.
        r *= 0.55;
        g *= 0.55;
        b *= 0.55;
      }
      auto byte = [](double v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v * 255), 0L, 255L));
      };
      image.SetPixelAt(x, y, MakePixel(byte(r), byte(g), byte(b)));
    }
  }
  return {std::move(image), std::move(mask)};
}

std::vector<MaskedPicture> DrawFlags() {
  std::vector<MaskedPicture> flags;
  for (const FlagDefinition& definition : Definitions()) {
    SampleCanvas canvas(kSize, kSize, kSamples);
    definition.paint(canvas);
    flags.push_back(GlossyPicture(canvas.Resolve(), flags.empty()));  // the football is round
  }
  return flags;
}

std::string_view FlagName(int index) {
  const auto& definitions = Definitions();
  return index >= 0 && index < static_cast<int>(definitions.size())
             ? definitions[static_cast<std::size_t>(index)].name
             : std::string_view();
}

}  // namespace kx::pictures
