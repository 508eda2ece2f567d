// The frame picture, its mask and the first active picture: the charcoal
// frame with rounded top corners, the caption bar (dark; red when active) and
// the caption buttons with their five-step hover strips.
#include "tools/skin-gen/frame_pictures.h"

#include "tools/skin-gen/palette.h"
#include "tools/skin-gen/skin_layout.h"

namespace kx::skingen {

using namespace layout;
using namespace palette;

namespace {

// The window outline: top corners rounded by 7 pixels, bottom ones by 2.
bool InsideWindow(int x, int y) {
  return InsideRounded({0, 0, kMainWidth, kMainHeight + 10}, kTopCornerRadius, x, y) &&
         InsideRounded({0, -10, kMainWidth, kMainHeight}, 2, x, y);
}

bool OnWindowEdge(int x, int y) {
  return InsideWindow(x, y) && (!InsideWindow(x - 1, y) || !InsideWindow(x + 1, y) ||
                                !InsideWindow(x, y - 1) || !InsideWindow(x, y + 1));
}

enum class TGlyph { Close, Max, Min, RollUp, SysMenu };

void DrawGlyph(TBitmap& b, const TRect& r, TGlyph glyph, Rgb ink, double hover) {
  const int cx = r.Left + r.Width() / 2;
  const int cy = r.Top + r.Height() / 2;
  switch (glyph) {
    case TGlyph::Close:
      Line(b, cx - 4, cy - 4, cx + 3, cy + 3, ink);
      Line(b, cx - 3, cy - 4, cx + 4, cy + 3, ink);
      Line(b, cx + 3, cy - 4, cx - 4, cy + 3, ink);
      Line(b, cx + 4, cy - 4, cx - 3, cy + 3, ink);
      break;
    case TGlyph::Max:
      Frame(b, {cx - 4, cy - 4, cx + 5, cy + 4}, ink);
      HLine(b, cx - 4, cx + 4, cy - 3, ink);
      break;
    case TGlyph::Min:
      Fill(b, {cx - 4, cy + 2, cx + 4, cy + 4}, ink);
      break;
    case TGlyph::RollUp:
      for (int i = 0; i < 4; ++i) {
        Put(b, cx - i, cy - 2 + i, ink);
        Put(b, cx + i, cy - 2 + i, ink);
        Put(b, cx - i, cy - 1 + i, ink);
        Put(b, cx + i, cy - 1 + i, ink);
      }
      break;
    case TGlyph::SysMenu: {
      // The Kestrix mark: a red tile with a white K.
      TRect tile{cx - 6, cy - 6, cx + 6, cy + 6};
      RoundedButton(b, tile, 2, Mix(kRedBright, kWhite, hover * 0.25), Mix(kRed, kRedBright, hover),
                    kRedDark, Lighter(kRedBright, 0.4));
      VLine(b, cx - 3, cy - 3, cy + 3, kWhite);
      VLine(b, cx - 2, cy - 3, cy + 3, kWhite);
      Line(b, cx - 1, cy, cx + 2, cy - 3, kWhite);
      Line(b, cx, cy, cx + 3, cy - 3, kWhite);
      Line(b, cx - 1, cy, cx + 2, cy + 3, kWhite);
      Line(b, cx, cy, cx + 3, cy + 3, kWhite);
      break;
    }
  }
}

// One caption button image at hover step t (0 idle, 1 fully lit).
void DrawCaptionButton(TBitmap& b, const TRect& r, TGlyph glyph, double t) {
  const bool close = glyph == TGlyph::Close;
  Rgb idleTop{0x3E, 0x3E, 0x46}, idleBottom{0x2A, 0x2A, 0x30};
  Rgb hotTop = close ? Rgb{0xEA, 0x4C, 0x60} : Rgb{0x84, 0x84, 0x90};
  Rgb hotBottom = close ? Rgb{0xB0, 0x12, 0x2C} : Rgb{0x5E, 0x5E, 0x6A};
  Rgb outline = Mix({0x12, 0x12, 0x15}, close ? kRedDark : Rgb{0x1A, 0x1A, 0x1E}, t);
  RoundedButton(b, r, 3, Mix(idleTop, hotTop, t), Mix(idleBottom, hotBottom, t), outline,
                Mix({0x50, 0x50, 0x5A}, close ? Rgb{0xF5, 0x8A, 0x98} : Rgb{0x7A, 0x7A, 0x86}, t));
  DrawGlyph(b, r, glyph, Mix(kGlyph, kWhite, t), t);
}

struct CaptionButtonPicture {
  TRect place;
  TPoint strip;
  TGlyph glyph;
};

constexpr CaptionButtonPicture kButtons[] = {
    {kCloseButton, kCloseStrip, TGlyph::Close},
    {kMaxButton, kMaxStrip, TGlyph::Max},
    {kMinButton, kMinStrip, TGlyph::Min},
    {kRollUpButton, kRollUpStrip, TGlyph::RollUp},
    {kSysMenuButton, kSysMenuStrip, TGlyph::SysMenu},
};

void DrawCaptionBar(TBitmap& b, const TRect& r, bool active) {
  if (active)
    RoundedButton(b, r, 5, {0xD8, 0x2A, 0x40}, {0x96, 0x0E, 0x22}, {0x5A, 0x05, 0x12},
                  {0xF2, 0x7A, 0x88});
  else
    RoundedButton(b, r, 5, {0x2C, 0x2C, 0x32}, {0x1C, 0x1C, 0x20}, {0x14, 0x14, 0x17},
                  {0x3A, 0x3A, 0x42});
}

// Copies rect of the frame picture to (x, y) of target: the background the
// active images are drawn on, so that their rounded corners blend in.
void CopyBackground(TBitmap& target, int x, int y, const TBitmap& main, const TRect& r) {
  for (int dy = 0; dy < r.Height(); ++dy)
    for (int dx = 0; dx < r.Width(); ++dx)
      target.SetPixelAt(x + dx, y + dy, main.PixelAt(r.Left + dx, r.Top + dy));
}

}  // namespace

TBitmap DrawFramePicture() {
  TBitmap m = Canvas(kMainWidth, kMainHeight, kFrameBody);
  VerticalGradient(m, {0, 0, kMainWidth, kClient.Top}, kFrameTop, kFrameBottom);
  HLine(m, 1, kMainWidth - 2, 1, kFrameLight);
  for (int y = 0; y < kMainHeight; ++y)
    for (int x = 0; x < kMainWidth; ++x)
      if (OnWindowEdge(x, y)) Put(m, x, y, kFrameOutline);
  // A red thread along the bottom of the caption area ties the frame to the buttons.
  HLine(m, 1, kMainWidth - 2, kClient.Top - 2, Darker(kRed, 0.35));
  Frame(m, {kClient.Left - 1, kClient.Top - 1, kClient.Right + 1, kClient.Bottom + 1}, kClientEdge);
  Fill(m, kClient, kFace);
  DrawCaptionBar(m, kCaption, false);
  for (const CaptionButtonPicture& button : kButtons)
    DrawCaptionButton(m, button.place, button.glyph, 0.0);
  return m;
}

TBitmap DrawFrameMask() {
  TBitmap mask = Canvas(kMainWidth, kMainHeight, kWhite, TPixelFormat::pf1bit);
  mask.SetPalette({RgbOf(MakePixel(0, 0, 0)), RgbOf(MakePixel(255, 255, 255))});
  for (int y = 0; y < kMainHeight; ++y)
    for (int x = 0; x < kMainWidth; ++x)
      if (InsideWindow(x, y)) Put(mask, x, y, {0, 0, 0});
  return mask;
}

TBitmap DrawActivePicture(const TBitmap& main) {
  TBitmap a = Canvas(kActiveWidth, kActiveHeight, kFrameBody);
  CopyBackground(a, kCaptionActive.Left, kCaptionActive.Top, main, kCaption);
  DrawCaptionBar(a, kCaptionActive, true);
  for (const CaptionButtonPicture& button : kButtons) {
    const int w = button.place.Width(), h = button.place.Height();
    for (int n = 1; n <= kAnimationFrames; ++n) {
      int x = button.strip.X + (n - 1) * w;
      CopyBackground(a, x, button.strip.Y, main, button.place);
      DrawCaptionButton(a, TRect::FromSize(x, button.strip.Y, w, h), button.glyph,
                        double(n - 1) / (kAnimationFrames - 1));
    }
  }
  // Menu-bar buttons: normal, active, down.
  const std::pair<int, TGlyph> bar[] = {{kBarSysMenuY, TGlyph::SysMenu},
                                        {kBarCloseY, TGlyph::Close},
                                        {kBarMaxY, TGlyph::Max},
                                        {kBarMinY, TGlyph::Min}};
  for (const auto& [y, glyph] : bar) {
    const int xs[] = {kBarNormalX, kBarActiveX, kBarDownX};
    for (int state = 0; state < 3; ++state) {
      TRect r = TRect::FromSize(xs[state], y, kBarButtonWidth, kBarButtonHeight);
      Fill(a, r, kFace);
      if (state > 0)
        RoundedButton(a, r, 2, state == 1 ? kRedPale : kRedPaleEdge,
                      state == 1 ? kRedPale : kRedPaleEdge, state == 1 ? kRedPaleEdge : kRedDark,
                      state == 1 ? kWhite : kRedPale);
      if (glyph != TGlyph::SysMenu)
        DrawGlyph(a, r, glyph, kInk, 0.0);
      else
        DrawGlyph(a, r.Inflated(-1, 0), glyph, kInk, state / 2.0);
    }
  }
  return a;
}

}  // namespace kx::skingen
