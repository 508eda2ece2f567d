#include "tools/skin-gen/controls_picture.h"

#include <algorithm>

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
  if (checked) CheckMark(b, x0 + 1, y0 + 1, kRed);
}

void RadioBox(TBitmap& b, int x0, int y0, TMarkState state) {
  bool active = state == TMarkState::ActiveUnchecked || state == TMarkState::ActiveChecked;
  bool checked = state == TMarkState::ActiveChecked || state == TMarkState::Checked;
  Disc(b, x0 + 7, y0 + 7, 6.2, kWhite);
  Ring(b, x0 + 7, y0 + 7, 6.2, active ? kRed : Rgb{0x70, 0x70, 0x78});
  if (checked) Disc(b, x0 + 7, y0 + 7, 3.0, kRed);
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

// A flat frame: a one-pixel outline around a fill. The page frame has nothing
// inside its top line, so that the selected tab, drawn over that line, opens
// straight into its page.
void FlatFrame(TBitmap& b, const TRect& r, Rgb outline, Rgb fill) {
  Fill(b, r, fill);
  Frame(b, r, outline);
}

void EditFrame(TBitmap& b, const TRect& r, Rgb outline) {
  Fill(b, r, kWhite);
  Frame(b, r, outline);
  HLine(b, r.Left + 1, r.Right - 2, r.Top + 1, {0xDA, 0xDA, 0xDE});
  VLine(b, r.Left + 1, r.Top + 1, r.Bottom - 2, {0xDA, 0xDA, 0xDE});
}

void Label(TBitmap& b, const TRect& r) {
  RoundedButton(b, r, 3, {0xF9, 0xF9, 0xFA}, {0xF1, 0xF1, 0xF3}, kSoftBorder, kWhite);
}

// The look of a push button in one state: square corners (the button has no
// mask, so rounded ones would show the picture behind them), a soft vertical
// fill, an outline and,
// when pressed, a shade line inside its top edge.
struct ButtonLook {
  Rgb top, bottom, outline;
  bool sunken = false;
};

// One crimson accent on light faces: black captions stay above 10:1 in every
// enabled state, hover tints the face, pressing deepens the tint and sinks it.
constexpr ButtonLook kNormalLook{{0xFF, 0xFF, 0xFF}, {0xF1, 0xF1, 0xF3}, {0xC4, 0x1E, 0x3A}};
constexpr ButtonLook kActiveLook{{0xFD, 0xEC, 0xEF}, {0xF8, 0xD8, 0xDE}, {0xC4, 0x1E, 0x3A}};
constexpr ButtonLook kDownLook{{0xEF, 0xB4, 0xBF}, {0xF4, 0xC6, 0xCE}, {0x8E, 0x0B, 0x1F}, true};
constexpr ButtonLook kDisabledLook{{0xF3, 0xF3, 0xF5}, {0xEC, 0xEC, 0xEF}, {0xB4, 0xB4, 0xBA}};

void FlatButton(TBitmap& b, const TRect& r, int radius, const ButtonLook& look) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      if (!InsideRounded(r, radius, x, y)) continue;
      bool edge = !InsideRounded(r, radius, x - 1, y) || !InsideRounded(r, radius, x + 1, y) ||
                  !InsideRounded(r, radius, x, y - 1) || !InsideRounded(r, radius, x, y + 1);
      Rgb c = Mix(look.top, look.bottom, double(y - r.Top) / std::max(1, r.Height() - 1));
      if (look.sunken && y == r.Top + 1) c = Darker(look.top, 0.12);
      Put(b, x, y, edge ? look.outline : c);
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
  FlatFrame(c, kTabFrame, kBorder, kFace);
  FlatFrame(c, kPanel, kSoftBorder, kFace);  // one grey with the page behind it
  VerticalGradient(c, kStatusBar, {0xE2, 0xE2, 0xE6}, {0xCE, 0xCE, 0xD3});
  HLine(c, kStatusBar.Left, kStatusBar.Right - 1, kStatusBar.Top, kSoftBorder);
  EditFrame(c, kEdit, kBorder);
  EditFrame(c, kEditActive, kRed);
  Label(c, kLabel);
  FlatButton(c, kBigButton, 0, kNormalLook);
  FlatButton(c, kBigButtonActive, 0, kActiveLook);
  FlatButton(c, kBigButtonDown, 0, kDownLook);
  FlatButton(c, kButton, 0, kNormalLook);
  FlatButton(c, kButtonActive, 0, kActiveLook);
  FlatButton(c, kButtonDown, 0, kDownLook);
  FlatButton(c, kButtonDisabled, 0, kDisabledLook);
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
