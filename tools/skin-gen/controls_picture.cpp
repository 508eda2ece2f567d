#include "tools/skin-gen/controls_picture.h"

#include "tools/skin-gen/palette.h"
#include "tools/skin-gen/skin_layout.h"

namespace kx::skingen {

using namespace layout;
using namespace palette;

namespace {

enum class TMarkState { Unchecked, ActiveUnchecked, ActiveChecked, Checked };

void CheckMark(TBitmap& b, int x0, int y0, Rgb ink) {
  for (int t = 0; t < 2; ++t) {
    Line(b, x0 + 3, y0 + 6 + t, x0 + 5, y0 + 8 + t, ink);
    Line(b, x0 + 5, y0 + 8 + t, x0 + 10, y0 + 3 + t, ink);
  }
}

// A 15 x 15 mark cell: a 13 x 13 box inside a margin of the face colour, so
// that neighbouring cells may share their margin column.
void CheckBox(TBitmap& b, int x0, int y0, TMarkState state) {
  bool active = state == TMarkState::ActiveUnchecked || state == TMarkState::ActiveChecked;
  bool checked = state == TMarkState::ActiveChecked || state == TMarkState::Checked;
  TRect box{x0 + 1, y0 + 1, x0 + 14, y0 + 14};
  RoundedButton(b, box, 1, kWhite, {0xEC, 0xEC, 0xEF}, active ? kRed : Rgb{0x70, 0x70, 0x78},
                kWhite);
  if (checked) CheckMark(b, x0 + 1, y0 + 1, active ? kRed : kRedDark);
}

void RadioBox(TBitmap& b, int x0, int y0, TMarkState state) {
  bool active = state == TMarkState::ActiveUnchecked || state == TMarkState::ActiveChecked;
  bool checked = state == TMarkState::ActiveChecked || state == TMarkState::Checked;
  Disc(b, x0 + 7, y0 + 7, 6.2, kWhite);
  Ring(b, x0 + 7, y0 + 7, 6.2, active ? kRed : Rgb{0x70, 0x70, 0x78});
  if (checked) Disc(b, x0 + 7, y0 + 7, 3.0, active ? kRed : kRedDark);
}

void Marks(TBitmap& b) {
  const std::pair<int, TMarkState> cells[] = {{kMarkUnchecked, TMarkState::Unchecked},
                                              {kMarkActiveUnchecked, TMarkState::ActiveUnchecked},
                                              {kMarkActiveChecked, TMarkState::ActiveChecked},
                                              {kMarkChecked, TMarkState::Checked}};
  for (const auto& [x, state] : cells) {
    CheckBox(b, x, kCheckY, state);
    RadioBox(b, x, kRadioY, state);
  }
}

// A tab with rounded top corners; a selected tab is the page colour with a red
// cap and no bottom line, so that it joins its page.
void Tab(TBitmap& b, const TRect& r, bool selected, Rgb cap) {
  TRect shape{r.Left, r.Top, r.Right, r.Bottom + 4};
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      if (!InsideRounded(shape, 3, x, y)) continue;
      bool side = !InsideRounded(shape, 3, x - 1, y) || !InsideRounded(shape, 3, x + 1, y) ||
                  !InsideRounded(shape, 3, x, y - 1);
      Rgb body = selected
                     ? kFace
                     : Mix({0xD6, 0xD6, 0xDA}, {0xC2, 0xC2, 0xC7}, double(y - r.Top) / r.Height());
      if (selected && y < r.Top + 3) body = cap;
      Put(b, x, y, side ? (selected && y < r.Top + 3 ? Darker(cap, 0.2) : kBorder) : body);
    }
  if (!selected) HLine(b, r.Left, r.Right - 1, r.Bottom - 1, kBorder);
}

// A raised frame: outline, a white line inside its top and left, a shade inside
// its bottom and right, and a fill.
void RaisedFrame(TBitmap& b, const TRect& r, Rgb outline, Rgb fill, Rgb topLine) {
  Fill(b, r, fill);
  Frame(b, r, outline);
  HLine(b, r.Left + 1, r.Right - 2, r.Top + 1, topLine);
  VLine(b, r.Left + 1, r.Top + 1, r.Bottom - 2, kWhite);
  HLine(b, r.Left + 1, r.Right - 2, r.Bottom - 2, kShade);
  VLine(b, r.Right - 2, r.Top + 2, r.Bottom - 2, kShade);
}

void EditFrame(TBitmap& b, const TRect& r, Rgb outline) {
  Fill(b, r, kWhite);
  Frame(b, r, outline);
  HLine(b, r.Left + 1, r.Right - 2, r.Top + 1, {0xDA, 0xDA, 0xDE});
  VLine(b, r.Left + 1, r.Top + 1, r.Bottom - 2, {0xDA, 0xDA, 0xDE});
}

void Label(TBitmap& b, const TRect& r) {
  RoundedButton(b, r, 3, {0xF9, 0xF9, 0xFA}, {0xF1, 0xF1, 0xF3}, kSoftBorder, kWhite);
  Fill(b, {r.Left + 1, r.Top + 3, r.Left + 3, r.Bottom - 3}, kRed);
}

struct Gloss {
  Rgb top1, top2, bottom1, bottom2, outline;
};

constexpr Gloss kNormalGloss{{0xFB, 0xD5, 0xD9},
                             {0xF2, 0xA7, 0xAF},
                             {0xE8, 0x6A, 0x76},
                             {0xD9, 0x44, 0x56},
                             {0x8E, 0x14, 0x24}};
constexpr Gloss kActiveGloss{{0xFD, 0xE4, 0xE7},
                             {0xF6, 0xBC, 0xC3},
                             {0xEE, 0x82, 0x8D},
                             {0xE0, 0x5A, 0x6A},
                             {0xA8, 0x18, 0x2C}};
constexpr Gloss kDownGloss{{0xE2, 0x62, 0x70},
                           {0xD4, 0x4A, 0x5A},
                           {0xC6, 0x32, 0x46},
                           {0xB4, 0x24, 0x38},
                           {0x70, 0x0A, 0x18}};
constexpr Gloss kDisabledGloss{{0xF0, 0xF0, 0xF2},
                               {0xE2, 0xE2, 0xE6},
                               {0xD4, 0xD4, 0xD8},
                               {0xC8, 0xC8, 0xCC},
                               {0x9A, 0x9A, 0xA0}};

// A glossy button: a light upper half over a saturated lower half.
void GlossyButton(TBitmap& b, const TRect& r, int radius, const Gloss& g) {
  const int split = r.Top + r.Height() / 2;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      if (!InsideRounded(r, radius, x, y)) continue;
      bool edge = !InsideRounded(r, radius, x - 1, y) || !InsideRounded(r, radius, x + 1, y) ||
                  !InsideRounded(r, radius, x, y - 1) || !InsideRounded(r, radius, x, y + 1);
      Rgb c = y < split ? Mix(g.top1, g.top2, double(y - r.Top) / (split - r.Top))
                        : Mix(g.bottom1, g.bottom2, double(y - split) / (r.Bottom - split));
      Put(b, x, y, edge ? g.outline : c);
    }
}

enum class TArrow { Left, Right, Up, Down };

void Arrow(TBitmap& b, const TRect& r, TArrow arrow, Rgb ink) {
  const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  for (int i = 0; i < 4; ++i) {
    switch (arrow) {
      case TArrow::Left:
        VLine(b, cx - 2 + i, cy - i, cy + i, ink);
        break;
      case TArrow::Right:
        VLine(b, cx + 1 - i, cy - i, cy + i, ink);
        break;
      case TArrow::Up:
        HLine(b, cx - i, cx + i, cy - 2 + i, ink);
        break;
      case TArrow::Down:
        HLine(b, cx - i, cx + i, cy + 1 - i, ink);
        break;
    }
  }
}

void ArrowButtons(TBitmap& b, TPoint at, TArrow arrow, int width = kArrowSize,
                  int height = kArrowSize) {
  for (int state = 0; state < 3; ++state) {
    TRect r = TRect::FromSize(at.X + state * (width + 2), at.Y, width, height);
    Rgb top = state == 2 ? Rgb{0xC2, 0xC2, 0xC7} : Rgb{0xF4, 0xF4, 0xF6};
    Rgb bottom = state == 2 ? Rgb{0xD6, 0xD6, 0xDA} : Rgb{0xD8, 0xD8, 0xDC};
    RoundedButton(b, r, 2, top, bottom, state == 0 ? kBorder : kRed, kWhite);
    Arrow(b, r, arrow, state == 0 ? kInk : kRedDark);
  }
}

void ScrollParts(TBitmap& b) {
  Fill(b, kVTrack, {0xDA, 0xDA, 0xDE});
  VLine(b, kVTrack.Left, kVTrack.Top, kVTrack.Bottom - 1, kShade);
  VLine(b, kVTrack.Right - 1, kVTrack.Top, kVTrack.Bottom - 1, kShade);
  Fill(b, kHTrack, {0xDA, 0xDA, 0xDE});
  HLine(b, kHTrack.Left, kHTrack.Right - 1, kHTrack.Top, kShade);
  HLine(b, kHTrack.Left, kHTrack.Right - 1, kHTrack.Bottom - 1, kShade);
  const std::pair<TRect, int> thumbs[] = {{kVThumb, 0}, {kVThumbActive, 1}, {kVThumbDown, 2},
                                          {kHThumb, 0}, {kHThumbActive, 1}, {kHThumbDown, 2}};
  for (const auto& [r, state] : thumbs) {
    Rgb top = state == 2 ? kRedPaleEdge : Rgb{0xF2, 0xF2, 0xF4};
    Rgb bottom = state == 2 ? kRed : (state == 1 ? kRedPale : Rgb{0xCC, 0xCC, 0xD1});
    RoundedButton(b, r, 3, top, bottom, state == 0 ? kBorder : kRedDark, kWhite);
  }
}

void GaugeAndTrack(TBitmap& b) {
  EditFrame(b, kGauge, kBorder);
  VerticalGradient(b, kGaugeBar, kRedBright, kRedDark);
  HLine(b, kGaugeBar.Left, kGaugeBar.Right - 1, kGaugeBar.Top, Lighter(kRedBright, 0.4));
  Fill(b, kTrack, {0x5A, 0x5A, 0x62});
  HLine(b, kTrack.Left, kTrack.Right - 1, kTrack.Bottom - 1, kWhite);
  RoundedButton(b, kThumb, 2, kRedBright, kRedDark, {0x5A, 0x05, 0x12}, Lighter(kRedBright, 0.4));
  RoundedButton(b, kThumbActive, 2, Lighter(kRedBright, 0.3), kRed, kRedDark,
                Lighter(kRedBright, 0.6));
  for (int y = kGripper.Top + 1; y < kGripper.Bottom - 1; y += 3) {
    Put(b, kGripper.Left + 2, y, kBorder);
    Put(b, kGripper.Left + 3, y + 1, kWhite);
  }
}

void ListAndGridCells(TBitmap& b) {
  Fill(b, kListItem, kWhite);
  RoundedButton(b, kListItemActive, 2, kRedPale, Darker(kRedPale, 0.06), kRedPaleEdge,
                Lighter(kRedPale, 0.5));
  VerticalGradient(b, kGridFixed, {0xF2, 0xF2, 0xF4}, {0xD4, 0xD4, 0xD9});
  HLine(b, kGridFixed.Left, kGridFixed.Right - 1, kGridFixed.Bottom - 1, kBorder);
  VLine(b, kGridFixed.Right - 1, kGridFixed.Top, kGridFixed.Bottom - 1, kBorder);
  Fill(b, kGridSelect, kRedPale);
  Fill(b, kGridFocus, kRedPale);
  Frame(b, kGridFocus, kRed);
}

}  // namespace

TBitmap DrawControlsPicture() {
  TBitmap c = Canvas(kControlsWidth, kControlsHeight, kFace);
  Marks(c);
  Tab(c, kTab, false, kRed);
  Tab(c, kTabActive, true, kRed);
  Tab(c, kTabFocus, true, kRedBright);
  RaisedFrame(c, kTabFrame, kBorder, kFace, kWhite);
  RaisedFrame(c, kPanel, kSoftBorder, {0xDC, 0xDC, 0xE0}, kRed);
  VerticalGradient(c, kStatusBar, {0xE2, 0xE2, 0xE6}, {0xCE, 0xCE, 0xD3});
  HLine(c, kStatusBar.Left, kStatusBar.Right - 1, kStatusBar.Top, kSoftBorder);
  EditFrame(c, kEdit, kBorder);
  EditFrame(c, kEditActive, kRed);
  Label(c, kLabel);
  GlossyButton(c, kBigButton, 5, kNormalGloss);
  GlossyButton(c, kBigButtonActive, 5, kActiveGloss);
  GlossyButton(c, kBigButtonDown, 5, kDownGloss);
  GlossyButton(c, kButton, 4, kNormalGloss);
  GlossyButton(c, kButtonActive, 4, kActiveGloss);
  GlossyButton(c, kButtonDown, 4, kDownGloss);
  GlossyButton(c, kButtonDisabled, 4, kDisabledGloss);
  ArrowButtons(c, kArrowLeft, TArrow::Left);
  ArrowButtons(c, kArrowRight, TArrow::Right);
  ArrowButtons(c, kArrowUp, TArrow::Up);
  ArrowButtons(c, kArrowDown, TArrow::Down);
  ArrowButtons(c, {kComboButton.Left, kComboButton.Top}, TArrow::Down, kComboButton.Width(),
               kComboButton.Height());
  ScrollParts(c);
  GaugeAndTrack(c);
  ListAndGridCells(c);
  return c;
}

}  // namespace kx::skingen
