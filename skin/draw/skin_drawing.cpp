#include "skin/draw/skin_drawing.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/data/skin_control_records.h"

namespace kx {

namespace {

// Skin values may be as large as an int holds; the routines work on values
// bounded far beyond any picture, so that their arithmetic cannot overflow.
constexpr int kCoordinateLimit = 1 << 20;

int Bounded(long long v) {
  return static_cast<int>(std::clamp<long long>(v, -kCoordinateLimit, kCoordinateLimit));
}
TPoint Bounded(TPoint p) {
  return {Bounded(p.X), Bounded(p.Y)};
}
TRect Bounded(const TRect& r) {
  return {Bounded(r.Left), Bounded(r.Top), Bounded(r.Right), Bounded(r.Bottom)};
}
TksPieceGeometry Bounded(const TksPieceGeometry& g) {
  return {Bounded(g.LT), Bounded(g.RT), Bounded(g.LB), Bounded(g.RB), Bounded(g.C)};
}

}  // namespace

TksPieceGeometry ResizedGeometry(const TksPieceGeometry& g, int skinWidth, int skinHeight,
                                 int targetWidth, int targetHeight) {
  const long long dW = static_cast<long long>(targetWidth) - skinWidth;
  const long long dH = static_cast<long long>(targetHeight) - skinHeight;
  return Bounded(
      TksPieceGeometry{g.LT,
                       {Bounded(g.RT.X + dW), g.RT.Y},
                       {g.LB.X, Bounded(g.LB.Y + dH)},
                       {Bounded(g.RB.X + dW), Bounded(g.RB.Y + dH)},
                       {g.C.Left, g.C.Top, Bounded(g.C.Right + dW), Bounded(g.C.Bottom + dH)}});
}

TksPieceGeometry ResizedHorizontally(const TksPieceGeometry& g, int skinWidth, int targetWidth) {
  TksPieceGeometry r = Bounded(g);
  r.RT.X = Bounded(r.RT.X + static_cast<long long>(targetWidth) - skinWidth);
  r.C.Right = Bounded(r.C.Right + static_cast<long long>(targetWidth) - skinWidth);
  return r;
}

TksPieceGeometry ResizedVertically(const TksPieceGeometry& g, int skinHeight, int targetHeight) {
  TksPieceGeometry r = Bounded(g);
  r.LB.Y = Bounded(r.LB.Y + static_cast<long long>(targetHeight) - skinHeight);
  r.C.Bottom = Bounded(r.C.Bottom + static_cast<long long>(targetHeight) - skinHeight);
  return r;
}

TRect PlaceFrameObject(const TRect& rect, const TksPieceGeometry& geometry, int skinWidth,
                       int skinHeight, int targetWidth, int targetHeight) {
  const TRect r = Bounded(rect);
  const TksPieceGeometry g = Bounded(geometry);
  const int dW = Bounded(static_cast<long long>(targetWidth) - skinWidth),
            dH = Bounded(static_cast<long long>(targetHeight) - skinHeight);
  const TRect z1{0, 0, g.LT.X, g.LT.Y}, z2{g.RT.X, 0, skinWidth, g.RT.Y},
      z3{0, g.LB.Y, g.LB.X, skinHeight}, z4{g.RB.X, g.RB.Y, skinWidth, skinHeight};
  auto in = [](const TRect& z, TPoint p) {
    return p.X >= z.Left && p.X < z.Right && p.Y >= z.Top && p.Y < z.Bottom;
  };
  const TPoint p1{r.Left, r.Top}, p2{r.Right, r.Bottom};
  auto both = [&](const TRect& z) { return in(z, p1) && in(z, p2); };
  if (both(z1)) return r;
  if (both(z2)) return r.Offset(dW, 0);
  if (both(z3)) return r.Offset(0, dH);
  if (both(z4)) return r.Offset(dW, dH);
  if (in(z1, p1) && in(z4, p2)) return {r.Left, r.Top, r.Right + dW, r.Bottom + dH};
  if (in(z1, p1) && in(z2, p2)) return {r.Left, r.Top, r.Right + dW, r.Bottom};
  if (in(z3, p1) && in(z4, p2)) return {r.Left, r.Top + dH, r.Right + dW, r.Bottom + dH};
  if (in(z1, p1) && in(z3, p2)) return {r.Left, r.Top, r.Right, r.Bottom + dH};
  if (in(z2, p1) && in(z4, p2)) return {r.Left + dW, r.Top, r.Right + dW, r.Bottom + dH};
  return r;
}

TksPieceKind PieceKindOf(const TRect& skinRect, const TksPieceGeometry& g) {
  if (skinRect.Width() < 1 || skinRect.Height() < 1) return TksPieceKind::pkNone;
  if (g.RB.X != 0 && g.RB.Y != 0) return TksPieceKind::pkFramed;
  if (g.RT.X != 0 || g.RT.Y != 0) return TksPieceKind::pkHorizontal;
  if (g.LB.X != 0 || g.LB.Y != 0) return TksPieceKind::pkVertical;
  return TksPieceKind::pkFixed;
}

TksPieceGeometry GeometryOf(const TksDataSkinCustomControl& r) {
  return {r.LeftTopPoint, r.RightTopPoint, r.LeftBottomPoint, r.RightBottomPoint, r.ClientRect};
}

namespace {

TRect BoundsOf(const TBitmap& b) {
  return {0, 0, b.Width(), b.Height()};
}

TRect Intersection(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
}

bool HasArea(const TRect& r) {
  return r.Width() > 0 && r.Height() > 0;
}

// Copies the piece into destRect 1:1 from its top-left corner, as much as fits.
void CopyInto(TBitmap& dest, const TRect& destRect, const TBitmap& source, const TRect& piece) {
  if (!HasArea(destRect) || !HasArea(piece)) return;
  TRect cut{piece.Left, piece.Top, piece.Left + std::min(piece.Width(), destRect.Width()),
            piece.Top + std::min(piece.Height(), destRect.Height())};
  CopyPiece(dest, {destRect.Left, destRect.Top}, source, cut);
}

void Edge(TBitmap& dest, const TRect& destRect, const TBitmap& source, const TRect& piece,
          bool stretch) {
  if (stretch)
    StretchPiece(dest, destRect, source, piece);
  else
    TilePiece(dest, destRect, source, piece);
}

TBitmap WhiteBitmap(int width, int height) {
  TBitmap b(width, height);
  std::fill(b.PixelData().begin(), b.PixelData().end(), MakePixel(255, 255, 255));
  return b;
}

}  // namespace

void CopyPiece(TBitmap& dest, TPoint position, const TBitmap& source, const TRect& sourcePiece) {
  const TRect piece = Bounded(sourcePiece);
  TPoint at = Bounded(position);
  TRect from = Intersection(piece, BoundsOf(source));
  if (!HasArea(from)) return;
  at.X += from.Left - piece.Left;
  at.Y += from.Top - piece.Top;
  TRect to = Intersection(TRect::FromSize(at.X, at.Y, from.Width(), from.Height()), BoundsOf(dest));
  if (!HasArea(to)) return;
  int sx = from.Left + (to.Left - at.X);
  int sy = from.Top + (to.Top - at.Y);
  for (int y = 0; y < to.Height(); ++y)
    std::memcpy(dest.ScanLine(to.Top + y) + to.Left, source.ScanLine(sy + y) + sx,
                static_cast<std::size_t>(to.Width()) * sizeof(Pixel32));
}

void StretchPiece(TBitmap& dest, const TRect& area, const TBitmap& source,
                  const TRect& sourcePiece) {
  const TRect destRect = Bounded(area);
  const TRect piece = Bounded(sourcePiece);
  if (!HasArea(destRect) || !HasArea(piece)) return;
  TRect to = Intersection(destRect, BoundsOf(dest));
  const std::int64_t dw = destRect.Width(), dh = destRect.Height();
  for (int y = to.Top; y < to.Bottom; ++y) {
    int sy = piece.Top + static_cast<int>((y - destRect.Top) * piece.Height() / dh);
    if (sy < 0 || sy >= source.Height()) continue;
    const Pixel32* row = source.ScanLine(sy);
    Pixel32* out = dest.ScanLine(y);
    for (int x = to.Left; x < to.Right; ++x) {
      int sx = piece.Left + static_cast<int>((x - destRect.Left) * piece.Width() / dw);
      if (sx >= 0 && sx < source.Width()) out[x] = row[sx];
    }
  }
}

void TilePiece(TBitmap& dest, const TRect& area, const TBitmap& source, const TRect& piece) {
  TRect from = Intersection(Bounded(piece), BoundsOf(source));
  const TRect destRect = Bounded(area);
  if (!HasArea(from) || !HasArea(destRect)) return;
  // Only the copies that reach into the bitmap are made; they keep the phase
  // of a tiling that starts at the area's corner.
  const TRect visible = Intersection(destRect, BoundsOf(dest));
  if (!HasArea(visible)) return;
  const int firstX = destRect.Left + (visible.Left - destRect.Left) / from.Width() * from.Width();
  const int firstY = destRect.Top + (visible.Top - destRect.Top) / from.Height() * from.Height();
  for (int y = firstY; y < visible.Bottom; y += from.Height()) {
    int rows = std::min(from.Height(), destRect.Bottom - y);
    for (int x = firstX; x < visible.Right; x += from.Width()) {
      int cols = std::min(from.Width(), destRect.Right - x);
      CopyPiece(dest, {x, y}, source, TRect::FromSize(from.Left, from.Top, cols, rows));
    }
  }
}

namespace {

void DrawTwelvePieces(TBitmap& t, const TBitmap& picture, const TRect& skinRect,
                      const TksPieceGeometry& g, const TksPieceGeometry& r,
                      TksStretchFlags stretch) {
  const int skinWidth = skinRect.Width(), skinHeight = skinRect.Height(), targetWidth = t.Width(),
            targetHeight = t.Height();
  auto S = [&](int l, int tp, int rt, int b) {
    return TRect{l, tp, rt, b}.Offset(skinRect.Left, skinRect.Top);
  };
  const TRect& c = g.C;
  const TRect& n = r.C;
  Edge(t, {r.LT.X, 0, r.RT.X, n.Top}, picture, S(g.LT.X, 0, g.RT.X, c.Top), stretch.Top);
  Edge(t, {r.LB.X, n.Bottom, r.RB.X, targetHeight}, picture,
       S(g.LB.X, c.Bottom, g.RB.X, skinHeight), stretch.Bottom);
  Edge(t, {0, r.LT.Y, n.Left, r.LB.Y}, picture, S(0, g.LT.Y, c.Left, g.LB.Y), stretch.Left);
  Edge(t, {n.Right, r.RT.Y, targetWidth, r.RB.Y}, picture, S(c.Right, g.RT.Y, skinWidth, g.RB.Y),
       stretch.Right);
  CopyInto(t, {0, 0, r.LT.X, n.Top}, picture, S(0, 0, g.LT.X, c.Top));
  CopyInto(t, {0, n.Top, n.Left, r.LT.Y}, picture, S(0, c.Top, c.Left, g.LT.Y));
  CopyInto(t, {r.RT.X, 0, targetWidth, n.Top}, picture, S(g.RT.X, 0, skinWidth, c.Top));
  CopyInto(t, {n.Right, n.Top, targetWidth, r.RT.Y}, picture, S(c.Right, c.Top, skinWidth, g.RT.Y));
  CopyInto(t, {0, r.LB.Y, n.Left, targetHeight}, picture, S(0, g.LB.Y, c.Left, skinHeight));
  CopyInto(t, {n.Left, n.Bottom, r.LB.X, targetHeight}, picture,
           S(c.Left, c.Bottom, g.LB.X, skinHeight));
  CopyInto(t, {r.RB.X, n.Bottom, targetWidth, targetHeight}, picture,
           S(g.RB.X, c.Bottom, skinWidth, skinHeight));
  CopyInto(t, {n.Right, r.RB.Y, targetWidth, n.Bottom}, picture,
           S(c.Right, g.RB.Y, skinWidth, c.Bottom));
}

bool DrawsNothing(const TBitmap& picture, const TksPieceGeometry& g) {
  return g.RB.X == g.LT.X || g.RB.Y == g.LT.Y || picture.Empty();
}

}  // namespace

TBitmap BuildFramedImage(const TBitmap& picture, const TRect& skinRectIn,
                         const TksPieceGeometry& gIn, const TksPieceGeometry& resizedIn,
                         int targetWidth, int targetHeight, TksStretchFlags stretch,
                         bool fillCentre) {
  const TRect skinRect = Bounded(skinRectIn);
  const TksPieceGeometry g = Bounded(gIn), resized = Bounded(resizedIn);
  TBitmap t(std::max(targetWidth, 0), std::max(targetHeight, 0));
  if (DrawsNothing(picture, g) || t.Empty()) return t;
  DrawTwelvePieces(t, picture, skinRect, g, resized, stretch);
  if (fillCentre)
    Edge(t, resized.C, picture, g.C.Offset(skinRect.Left, skinRect.Top), stretch.Centre);
  return t;
}

TBitmap BuildWindowFramedImage(const TBitmap& picture, const TRect& skinRect,
                               const TksPieceGeometry& g, const TksPieceGeometry& resized,
                               int targetWidth, int targetHeight, TksStretchFlags edges,
                               bool fillCentre) {
  edges.Centre = false;
  return BuildFramedImage(picture, skinRect, g, resized, targetWidth, targetHeight, edges,
                          fillCentre);
}

TBitmap BuildHStripImage(const TBitmap& picture, const TRect& sourceIn, int leftIn, int rightIn,
                         bool stretch, int targetWidth) {
  const TRect source = Bounded(sourceIn);
  const int leftWidth = Bounded(leftIn), rightWidth = Bounded(rightIn);
  TBitmap t(std::max(targetWidth, 0), std::max(source.Height(), 0));
  if (t.Empty()) return t;
  const int top = source.Top, bottom = source.Bottom;
  if (leftWidth != 0)
    CopyPiece(t, {0, 0}, picture, {source.Left, top, source.Left + leftWidth, bottom});
  if (rightWidth != 0)
    CopyPiece(t, {targetWidth - rightWidth, 0}, picture,
              {source.Right - rightWidth, top, source.Right, bottom});
  TRect middle{source.Left + leftWidth, top, source.Right - rightWidth, bottom};
  if (middle.Width() > 0)
    Edge(t, {leftWidth, 0, targetWidth - rightWidth, t.Height()}, picture, middle, stretch);
  return t;
}

TBitmap BuildVStripImage(const TBitmap& picture, const TRect& sourceIn, int topIn, int bottomIn,
                         bool stretch, int targetHeight) {
  const TRect source = Bounded(sourceIn);
  const int topHeight = Bounded(topIn), bottomHeight = Bounded(bottomIn);
  TBitmap t(std::max(source.Width(), 0), std::max(targetHeight, 0));
  if (t.Empty()) return t;
  const int left = source.Left, right = source.Right;
  if (topHeight != 0)
    CopyPiece(t, {0, 0}, picture, {left, source.Top, right, source.Top + topHeight});
  if (bottomHeight != 0)
    CopyPiece(t, {0, targetHeight - bottomHeight}, picture,
              {left, source.Bottom - bottomHeight, right, source.Bottom});
  TRect middle{left, source.Top + topHeight, right, source.Bottom - bottomHeight};
  if (middle.Height() > 0)
    Edge(t, {0, topHeight, t.Width(), targetHeight - bottomHeight}, picture, middle, stretch);
  return t;
}

namespace {

// One vertical border strip: the edge rows [edgeTop, edgeBottom) stretched or
// tiled, the fixed pieces above and below it copied to the strip's ends.
TBitmap SideStrip(const TBitmap& picture, const TRect& source, int columnLeft, int width,
                  int height, int ct, int cb, int edgeTop, int edgeBottom, bool stretch) {
  TBitmap strip(width, height);
  auto S = [&](int top, int bottom) {
    return TRect{columnLeft, top, columnLeft + width, bottom}.Offset(source.Left, source.Top);
  };
  if (stretch)
    StretchPiece(strip, {0, edgeTop - ct, width, height + edgeBottom - cb}, picture,
                 S(edgeTop, edgeBottom));
  else
    TilePiece(strip, {0, 0, width, height}, picture, S(edgeTop, edgeBottom));
  if (edgeTop > ct) CopyPiece(strip, {0, 0}, picture, S(ct, edgeTop));
  if (cb > edgeBottom)
    CopyPiece(strip, {0, height - (cb - edgeBottom)}, picture, S(edgeBottom, cb));
  return strip;
}

}  // namespace

TksBorderStrips BuildBorderStrips(const TBitmap& picture, const TRect& sourceIn,
                                  const TksPieceGeometry& gIn, const TksPieceGeometry& rIn,
                                  int targetWidth, int targetHeight, TksStretchFlags edges) {
  const TRect source = Bounded(sourceIn);
  const TksPieceGeometry g = Bounded(gIn), r = Bounded(rIn);
  TksBorderStrips strips;
  const int skinWidth = source.Width(), skinHeight = source.Height();
  auto S = [&](int l, int t, int rt, int b) {
    return TRect{l, t, rt, b}.Offset(source.Left, source.Top);
  };
  // Strips never reach beyond the window, whatever the geometry says.
  const int topHeight = std::min(r.C.Top, targetHeight);
  const int bottomHeight = std::min(targetHeight - r.C.Bottom, targetHeight);
  if (targetWidth > 0 && topHeight > 0 && g.RT.X > g.LT.X) {
    strips.Top = TBitmap(targetWidth, topHeight);
    TRect edge = S(g.LT.X, 0, g.RT.X, topHeight);
    if (edges.Top)
      StretchPiece(strips.Top, {r.LT.X, 0, r.RT.X, topHeight}, picture, edge);
    else
      TilePiece(strips.Top, {0, 0, targetWidth, topHeight}, picture, edge);
    CopyPiece(strips.Top, {0, 0}, picture, S(0, 0, g.LT.X, topHeight));
    CopyPiece(strips.Top, {r.RT.X, 0}, picture, S(g.RT.X, 0, skinWidth, topHeight));
  }
  if (targetWidth > 0 && bottomHeight > 0 && g.RB.X > g.LB.X) {
    strips.Bottom = TBitmap(targetWidth, bottomHeight);
    const int from = skinHeight - bottomHeight;
    TRect edge = S(g.LB.X, from, g.RB.X, skinHeight);
    if (edges.Bottom)
      StretchPiece(strips.Bottom, {r.LB.X, 0, r.RB.X, bottomHeight}, picture, edge);
    else
      TilePiece(strips.Bottom, {0, 0, targetWidth, bottomHeight}, picture, edge);
    CopyPiece(strips.Bottom, {0, 0}, picture, S(0, from, g.LB.X, skinHeight));
    CopyPiece(strips.Bottom, {r.RB.X, 0}, picture, S(g.RB.X, from, skinWidth, skinHeight));
  }
  const int sideHeight = targetHeight - topHeight - bottomHeight;
  if (r.C.Left > 0 && sideHeight > 0 && g.LB.Y > g.LT.Y)
    strips.Left = SideStrip(picture, source, 0, std::min(r.C.Left, targetWidth), sideHeight,
                            g.C.Top, g.C.Bottom, g.LT.Y, g.LB.Y, edges.Left);
  if (targetWidth - r.C.Right > 0 && sideHeight > 0 && g.RB.Y > g.RT.Y)
    strips.Right =
        SideStrip(picture, source, g.C.Right, std::min(targetWidth - r.C.Right, targetWidth),
                  sideHeight, g.C.Top, g.C.Bottom, g.RT.Y, g.RB.Y, edges.Right);
  return strips;
}

std::optional<TRegion> MaskToRegion(const TBitmap& bitmap, int dx, int dy) {
  if (bitmap.Empty()) return std::nullopt;
  std::vector<TRect> runs;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const Pixel32* row = bitmap.ScanLine(y);
    int x = 0;
    while (x < bitmap.Width()) {
      if (RgbOf(row[x]) != 0) {
        ++x;
        continue;
      }
      int start = x;
      while (x < bitmap.Width() && RgbOf(row[x]) == 0) ++x;
      runs.push_back({start + dx, y + dy, x + dx, y + dy + 1});
    }
  }
  return TRegion::FromRects(runs);
}

namespace {

// A mask strip cut by tiling only: the edge piece laid over [edgeFrom, edgeTo)
// and the two corners copied to the strip's ends (columns for horizontal strips).
TBitmap HorizontalMaskStrip(const TBitmap& mask, int targetWidth, int top, int bottom, int edgeLeft,
                            int edgeRight, int destLeft, int destRight) {
  TBitmap strip = WhiteBitmap(targetWidth, bottom - top);
  TilePiece(strip, {destLeft, 0, destRight, strip.Height()}, mask,
            {edgeLeft, top, edgeRight, bottom});
  CopyPiece(strip, {0, 0}, mask, {0, top, edgeLeft, bottom});
  CopyPiece(strip, {destRight, 0}, mask, {edgeRight, top, mask.Width(), bottom});
  return strip;
}

TBitmap VerticalMaskStrip(const TBitmap& mask, int left, int right, int height, int ct, int cb,
                          int edgeTop, int edgeBottom) {
  TBitmap strip = WhiteBitmap(right - left, height);
  TilePiece(strip, {0, 0, strip.Width(), height}, mask, {left, edgeTop, right, edgeBottom});
  CopyPiece(strip, {0, 0}, mask, {left, ct, right, edgeTop});
  CopyPiece(strip, {0, height - (cb - edgeBottom)}, mask, {left, edgeBottom, right, cb});
  return strip;
}

void JoinStrip(TRegion& region, const TBitmap& strip, int dx, int dy) {
  if (strip.Empty()) return;
  if (auto part = MaskToRegion(strip, dx, dy)) region |= *part;
}

}  // namespace

std::optional<TRegion> BuildFramedRegion(const TBitmap& mask, const TksPieceGeometry& gIn,
                                         const TksPieceGeometry& rIn, int targetWidth,
                                         int targetHeight) {
  const TksPieceGeometry g = Bounded(gIn), r = Bounded(rIn);
  if (r.RT.X < r.LT.X || r.LB.Y < r.LT.Y) return std::nullopt;
  if (!HasArea(r.C)) return std::nullopt;
  const int mw = mask.Width(), mh = mask.Height();
  // Strips are cut from the mask: none is larger than the mask or the window.
  const TRect c{std::min(g.C.Left, mw), std::min(g.C.Top, mh), std::max(g.C.Right, 0),
                std::max(g.C.Bottom, 0)};
  const int sideHeight = std::min(r.C.Bottom - r.C.Top, targetHeight);
  TRegion region(r.C);
  if (targetWidth > 0 && c.Top > 0)
    JoinStrip(region,
              HorizontalMaskStrip(mask, targetWidth, 0, c.Top, g.LT.X, g.RT.X, r.LT.X, r.RT.X), 0,
              0);
  if (targetWidth > 0 && mh - c.Bottom > 0)
    JoinStrip(region,
              HorizontalMaskStrip(mask, targetWidth, c.Bottom, mh, g.LB.X, g.RB.X, r.LB.X, r.RB.X),
              0, r.C.Bottom);
  if (c.Left > 0 && sideHeight > 0)
    JoinStrip(region,
              VerticalMaskStrip(mask, 0, c.Left, sideHeight, c.Top, c.Bottom, g.LT.Y, g.LB.Y), 0,
              r.C.Top);
  if (mw - c.Right > 0 && sideHeight > 0)
    JoinStrip(region,
              VerticalMaskStrip(mask, c.Right, mw, sideHeight, c.Top, c.Bottom, g.RT.Y, g.RB.Y),
              r.C.Right, r.C.Top);
  return region;
}

}  // namespace kx
