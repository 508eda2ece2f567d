#include "grid/grid_cursors.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/gfx/pixel.h"
#include "platform/window/cursor.h"

namespace kx {

namespace {

// A cursor picture: '#' black, 'o' white, anything else transparent; '@' is a
// black pixel at the hot spot.
using Picture = std::vector<std::string_view>;

// clang-format off
const Picture kHorzSplit = {
    "      o#o#o      ",
    "      o#o#o      ",
    "      o#o#o      ",
    "      o#o#o      ",
    "   oo o#o#o oo   ",
    "  o#o o#o#o o#o  ",
    " o##ooo#o#ooo##o ",
    "o########@######o",
    " o##ooo#o#ooo##o ",
    "  o#o o#o#o o#o  ",
    "   oo o#o#o oo   ",
    "      o#o#o      ",
    "      o#o#o      ",
    "      o#o#o      ",
    "      o#o#o      ",
};
const Picture kVertSplit = {
    "       o       ",
    "      o#o      ",
    "     o###o     ",
    "    oooooooo   ",
    "ooooooo#ooooooo",
    "###############",
    "ooooooooooooooo",
    "#######@#######",
    "ooooooooooooooo",
    "    ooo#ooo    ",
    "     o###o     ",
    "      o#o      ",
    "       o       ",
};
const Picture kColumnNoDrag = {  // the no-entry sign is added by NoEntrySign
    "@o          ",
    "o#o         ",
    "o##o        ",
    "o###o       ",
    "o####o      ",
    "o#####o     ",
    "o######o    ",
    "o#######o   ",
    "o###ooooo   ",
    "o##o        ",
    "o#o         ",
    "oo          ",
};
const Picture kIndicatorSelect = {
    "    o    ",
    "    o#o  ",
    "oooo##o  ",
    "o######@ ",
    "oooo##o  ",
    "    o#o  ",
    "    o    ",
};
const Picture kRoll = {
    "       o       ",
    "      o#o      ",
    "     o###o     ",
    "    o#####o    ",
    "   ooooooooo   ",
    "               ",
    "      ooo      ",
    "     o###o     ",
    "     o#@#o     ",
    "     o###o     ",
    "      ooo      ",
    "               ",
    "   ooooooooo   ",
    "    o#####o    ",
    "     o###o     ",
    "      o#o      ",
    "       o       ",
};
const Picture kRollUp = {
    "       o       ",
    "      o#o      ",
    "     o###o     ",
    "    o#####o    ",
    "   o#######o   ",
    "  ooooooooooo  ",
    "               ",
    "      ooo      ",
    "     o###o     ",
    "     o#@#o     ",
    "     o###o     ",
    "      ooo      ",
};
const Picture kRollDown = {
    "      ooo      ",
    "     o###o     ",
    "     o#@#o     ",
    "     o###o     ",
    "      ooo      ",
    "               ",
    "  ooooooooooo  ",
    "   o#######o   ",
    "    o#####o    ",
    "     o###o     ",
    "      o#o      ",
    "       o       ",
};
// clang-format on

constexpr Pixel32 kBlack = ColorToPixel(clBlack);
constexpr Pixel32 kWhite = ColorToPixel(clWhite);

struct CursorPicture {
  TBitmap color;
  TBitmap mask;  // black where the cursor shows
  TPoint hotSpot;
};

CursorPicture Draw(const Picture& rows, int width, int height) {
  CursorPicture picture{TBitmap(width, height), TBitmap(width, height), {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bool inside = y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size());
      char c = inside ? rows[y][x] : ' ';
      if (c == '@') picture.hotSpot = {x, y};
      bool shown = c == '#' || c == 'o' || c == '@';
      picture.color.SetPixelAt(x, y, c == 'o' ? kWhite : kBlack);
      picture.mask.SetPixelAt(x, y, shown ? kBlack : kWhite);
    }
  }
  return picture;
}

CursorPicture Draw(const Picture& rows) {
  int width = 0;
  for (std::string_view row : rows) width = std::max(width, static_cast<int>(row.size()));
  return Draw(rows, width, static_cast<int>(rows.size()));
}

// A round no-entry sign (a black ring with a falling bar on white) centred at c.
void NoEntrySign(CursorPicture& picture, TPoint c) {
  for (int y = c.Y - 6; y <= c.Y + 6; ++y) {
    for (int x = c.X - 6; x <= c.X + 6; ++x) {
      if (x < 0 || y < 0 || x >= picture.color.Width() || y >= picture.color.Height()) continue;
      double dx = x - c.X, dy = y - c.Y;
      double d = dx * dx + dy * dy;
      if (d > 6.3 * 6.3) continue;
      bool ring = d >= 3.6 * 3.6 && d <= 5.4 * 5.4;
      bool bar = std::abs(dx - dy) <= 1.0 && d < 4.5 * 4.5;
      picture.color.SetPixelAt(x, y, ring || bar ? kBlack : kWhite);
      picture.mask.SetPixelAt(x, y, kBlack);
    }
  }
}

HCURSOR CursorFrom(const CursorPicture& picture) {
  return CreateCursorFromBitmaps(picture.color, picture.mask, picture.hotSpot);
}

HCURSOR CursorFrom(const Picture& rows) {
  return CursorFrom(Draw(rows));
}

HCURSOR ColumnNoDragCursor() {
  CursorPicture picture = Draw(kColumnNoDrag, 22, 22);
  NoEntrySign(picture, {14, 14});
  return CursorFrom(picture);
}

}  // namespace

void RegisterGridCursors() {
  Screen().SetCursor(crHorzSplit, CursorFrom(kHorzSplit));
  Screen().SetCursor(crColumnNoDrag, ColumnNoDragCursor());
  Screen().SetCursor(crVertSplit, CursorFrom(kVertSplit));
  Screen().SetCursor(crIndicatorSelect, CursorFrom(kIndicatorSelect));
  Screen().SetCursor(crRoll, CursorFrom(kRoll));
  Screen().SetCursor(crRollUp, CursorFrom(kRollUp));
  Screen().SetCursor(crRollDown, CursorFrom(kRollDown));
}

}  // namespace kx
