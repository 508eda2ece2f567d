#pragma once

#include <optional>

#include "platform/base/geometry.h"
#include "platform/gfx/region.h"
#include "skin/draw/skin_drawing.h"

namespace kx {

class TksSkinData;

// Where the parts of the skinned frame lie on a window of W x H, in window
// coordinates (the window's top-left corner is 0, 0): the one source for
// painting, placing the objects, the window region and hit testing.
struct TksFrameGeometry {
  int W = 0, H = 0;
  int PictureWidth = 0, PictureHeight = 0;
  TksPieceGeometry Skin;     // the [FORMINFO] corner points and "clientrect"
  TksPieceGeometry Resized;  // LT', RT', LB', RB' and C'
  TRect CaptionRect, ButtonsRect;
  TPoint HitLT, HitRT, HitLB, HitRB;
  TRect MaskRect;  // M'
  TRect IconRect;

  const TRect& Client() const { return Resized.C; }
  // A rectangle of the frame picture placed on the window by the object placement rule.
  TRect Place(const TRect& pictureRect) const;
};

TksFrameGeometry ComputeFrameGeometry(const TksSkinData& skin, int W, int H);

// The non-client borders (left, top, right, bottom) that "clientrect" leaves.
struct TksFrameBorders {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
TksFrameBorders FrameBorders(const TksSkinData& skin);

// The window region of the frame at W x H: M' joined with the black runs of
// the four mask strips; none without a mask (the window stays rectangular).
std::optional<TRegion> FrameRegion(const TksSkinData& skin, const TksFrameGeometry& g);

}  // namespace kx
