// The popup menu window and its items, the hint window, the multiple-document
// background tile and the rounded masks.
#include "tools/skin-gen/window_pictures.h"

#include "tools/skin-gen/palette.h"
#include "tools/skin-gen/skin_layout.h"

namespace kx::skingen {

using namespace layout;
using namespace palette;

TBitmap DrawPopupWindow() {
  TBitmap p = Canvas(kPopupWidth, kPopupHeight, kPaper);
  // A red band over the items, a charcoal outline around the window.
  Fill(p, {1, 1, kPopupWidth - 1, 4}, kRed);
  HLine(p, 1, kPopupWidth - 2, 4, Darker(kRed, 0.3));
  Frame(p, {0, 0, kPopupWidth, kPopupHeight}, {0x2A, 0x2A, 0x30});
  HLine(p, 1, kPopupWidth - 2, kPopupHeight - 2, {0xEC, 0xEC, 0xEE});
  return p;
}

TBitmap DrawMenuItems() {
  TBitmap m = Canvas(kMenuWidth, kMenuHeight, kPaper);
  RoundedButton(m, kItemActive, 2, kRedPale, Darker(kRedPale, 0.06), kRedPaleEdge,
                Lighter(kRedPale, 0.5));
  // The divider: a groove across the middle of its six rows, inside its fixed ends.
  const int groove = kDivider.Top + 3;
  HLine(m, kDivider.Left + 3, kDivider.Right - 4, groove, {0xD0, 0xD0, 0xD4});
  HLine(m, kDivider.Left + 3, kDivider.Right - 4, groove + 1, kWhite);
  Fill(m, kBarItemNormal, kFace);
  RoundedButton(m, kBarItemActive, 2, kRedPale, Darker(kRedPale, 0.06), kRedPaleEdge,
                Lighter(kRedPale, 0.5));
  RoundedButton(m, kBarItemDown, 2, kRedPaleEdge, kRed, kRedDark, kRedPale);
  return m;
}

TBitmap DrawHintWindow() {
  TBitmap h = Canvas(kHintWidth, kHintHeight, kFrameBody);
  RoundedButton(h, {0, 0, kHintWidth, kHintHeight}, 4, {0x34, 0x34, 0x3B}, {0x24, 0x24, 0x29}, kRed,
                {0x44, 0x44, 0x4C});
  return h;
}

TBitmap DrawMdiBackground() {
  const Rgb base{0x26, 0x26, 0x2B}, stripe{0x2F, 0x2F, 0x35}, thread{0x4A, 0x1A, 0x24};
  TBitmap t(kMdiWidth, kMdiHeight, TPixelFormat::pf8bit);
  t.SetPalette({RgbOf(MakePixel(base.R, base.G, base.B)),
                RgbOf(MakePixel(stripe.R, stripe.G, stripe.B)),
                RgbOf(MakePixel(thread.R, thread.G, thread.B))});
  // A dotted weave with a red thread; its periods (6 and 2 across, 43 down)
  // divide the tile's size, so copies join without seams.
  for (int y = 0; y < kMdiHeight; ++y)
    for (int x = 0; x < kMdiWidth; ++x) {
      bool dot = x % 6 == (y % 2) * 3 && y % 2 == 0;
      Put(t, x, y, y % 43 == 21 ? thread : (dot ? stripe : base));
    }
  return t;
}

TBitmap DrawRoundedMask(int w, int h, int radius, TPixelFormat format) {
  TBitmap m = Canvas(w, h, kWhite, format);
  m.SetPalette({RgbOf(MakePixel(0, 0, 0)), RgbOf(MakePixel(255, 255, 255))});
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (InsideRounded({0, 0, w, h}, radius, x, y)) Put(m, x, y, {0, 0, 0});
  return m;
}

}  // namespace kx::skingen
