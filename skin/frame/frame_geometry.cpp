#include "skin/frame/frame_geometry.h"

#include <algorithm>

#include "skin/data/skin_data.h"

namespace kx {

TRect TksFrameGeometry::Place(const TRect& pictureRect) const {
  return PlaceFrameObject(pictureRect, Skin, PictureWidth, PictureHeight, W, H);
}

TksFrameGeometry ComputeFrameGeometry(const TksSkinData& skin, int W, int H) {
  const TksSkinFrameValues& f = skin.FormInfo;
  TksFrameGeometry g;
  g.W = W;
  g.H = H;
  g.PictureWidth = skin.Picture.Width();
  g.PictureHeight = skin.Picture.Height();
  const int dW = W - g.PictureWidth;
  const int dH = H - g.PictureHeight;
  g.Skin = {f.LTPoint, f.RTPoint, f.LBPoint, f.RBPoint, f.ClRect};
  g.Resized = ResizedGeometry(g.Skin, g.PictureWidth, g.PictureHeight, W, H);
  g.CaptionRect = f.CaptionRect;
  if (!g.CaptionRect.IsEmpty()) g.CaptionRect.Right += dW;
  g.ButtonsRect = f.ButtonsRect;
  if (g.ButtonsRect.Left > g.PictureWidth / 2) g.ButtonsRect = g.ButtonsRect.Offset(dW, 0);
  g.HitLT = f.HitTestLTPoint;
  g.HitRT = f.HitTestRTPoint + TPoint{dW, 0};
  g.HitLB = f.HitTestLBPoint + TPoint{0, dH};
  g.HitRB = f.HitTestRBPoint + TPoint{dW, dH};
  g.MaskRect = {f.MaskRectArea.Left, f.MaskRectArea.Top, f.MaskRectArea.Right + dW,
                f.MaskRectArea.Bottom + dH};
  g.IconRect = g.Place(f.IconRect);
  return g;
}

TksFrameBorders FrameBorders(const TksSkinData& skin) {
  const TRect& c = skin.FormInfo.ClRect;
  return {c.Left, c.Top, skin.Picture.Width() - c.Right, skin.Picture.Height() - c.Bottom};
}

std::optional<TRegion> FrameRegion(const TksSkinData& skin, const TksFrameGeometry& g) {
  if (skin.Mask.Empty()) return std::nullopt;
  const TksSkinFrameValues& f = skin.FormInfo;
  // The mask is cut like a framed image whose client rectangle is "maskrectarea".
  TksPieceGeometry maskGeometry{f.LTPoint, f.RTPoint, f.LBPoint, f.RBPoint, f.MaskRectArea};
  TksPieceGeometry resized =
      ResizedGeometry(maskGeometry, g.PictureWidth, g.PictureHeight, g.W, g.H);  // C is M'
  return BuildFramedRegion(skin.Mask, maskGeometry, resized, g.W, g.H);
}

}  // namespace kx
