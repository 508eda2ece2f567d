#pragma once

#include <optional>

#include "platform/base/geometry.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "skin/forward.h"

namespace kx {

// The pieces of a skin image: corner points and client rectangle, relative to
// the top-left corner of the image.
struct TksPieceGeometry {
  TPoint LT, RT, LB, RB;
  TRect C;
  friend bool operator==(const TksPieceGeometry&, const TksPieceGeometry&) = default;
};

// The resizing rule: corners keep their size, edges and centre take up the
// difference between the skin size and the target size.
TksPieceGeometry ResizedGeometry(const TksPieceGeometry& g, int skinWidth, int skinHeight,
                                 int targetWidth, int targetHeight);
// For the strip kinds only one direction moves.
TksPieceGeometry ResizedHorizontally(const TksPieceGeometry& g, int skinWidth, int targetWidth);
TksPieceGeometry ResizedVertically(const TksPieceGeometry& g, int skinHeight, int targetHeight);

// Where a rectangle of the frame picture (skinWidth x skinHeight) lies on a window of
// targetWidth x targetHeight:
// rectangles in a corner zone move with that corner, rectangles that span two
// zones grow with the edge between them.
TRect PlaceFrameObject(const TRect& r, const TksPieceGeometry& g, int skinWidth, int skinHeight,
                       int targetWidth, int targetHeight);

enum class TksPieceKind { pkNone, pkFramed, pkHorizontal, pkVertical, pkFixed };
TksPieceKind PieceKindOf(const TRect& skinRect, const TksPieceGeometry& g);
TksPieceGeometry GeometryOf(const TksDataSkinCustomControl& record);

struct TksStretchFlags {
  bool Centre = false, Left = false, Top = false, Right = false, Bottom = false;
};

// Pixel transfers between bitmaps, clipped to both; the copy is 1:1, the
// stretch nearest-pixel, the tiling repeats the piece from the destination's
// top-left corner and cuts the last copies at its right and bottom.
void CopyPiece(TBitmap& dest, TPoint at, const TBitmap& source, const TRect& piece);
void StretchPiece(TBitmap& dest, const TRect& destRect, const TBitmap& source, const TRect& piece);
void TilePiece(TBitmap& dest, const TRect& destRect, const TBitmap& source, const TRect& piece);

// The nine-area image of targetWidth x targetHeight from skinRect of picture.
TBitmap BuildFramedImage(const TBitmap& picture, const TRect& skinRect, const TksPieceGeometry& g,
                         const TksPieceGeometry& resized, int targetWidth, int targetHeight,
                         TksStretchFlags stretch, bool fillCentre);
// The same pieces with the centre always tiled: the hint and popup windows.
TBitmap BuildWindowFramedImage(const TBitmap& picture, const TRect& skinRect,
                               const TksPieceGeometry& g, const TksPieceGeometry& resized,
                               int targetWidth, int targetHeight, TksStretchFlags edges,
                               bool fillCentre);
TBitmap BuildHStripImage(const TBitmap& picture, const TRect& source, int leftWidth, int rightWidth,
                         bool stretch, int targetWidth);
TBitmap BuildVStripImage(const TBitmap& picture, const TRect& source, int topHeight,
                         int bottomHeight, bool stretch, int targetHeight);

// The window frame's four border bitmaps; a strip that is not made stays empty.
struct TksBorderStrips {
  TBitmap Top, Bottom, Left, Right;
};
TksBorderStrips BuildBorderStrips(const TBitmap& picture, const TRect& source,
                                  const TksPieceGeometry& g, const TksPieceGeometry& resized,
                                  int targetWidth, int targetHeight, TksStretchFlags edges);

// The black pixels of bitmap as a region at (dx, dy); none for an empty bitmap.
std::optional<TRegion> MaskToRegion(const TBitmap& bitmap, int dx, int dy);
// The region of a framed target cut from a mask picture; none when the geometry
// is inverted or the client rectangle is empty.
std::optional<TRegion> BuildFramedRegion(const TBitmap& mask, const TksPieceGeometry& g,
                                         const TksPieceGeometry& resized, int targetWidth,
                                         int targetHeight);

}  // namespace kx
