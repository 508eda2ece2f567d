#pragma once

#include <algorithm>

namespace kx {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
  TPoint operator+(const TPoint& o) const { return {X + o.X, Y + o.Y}; }
  TPoint operator-(const TPoint& o) const { return {X - o.X, Y - o.Y}; }
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom are exclusive: a rectangle covers Left <= x < Right, Top <= y < Bottom.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  friend bool operator==(const TRect&, const TRect&) = default;

  static TRect FromSize(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  TSize Size() const { return {Width(), Height()}; }
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  bool Contains(const TRect& r) const {
    return r.Left >= Left && r.Right <= Right && r.Top >= Top && r.Bottom <= Bottom;
  }
  bool Intersects(const TRect& r) const { return !Intersected(r).IsEmpty(); }

  TRect Intersected(const TRect& r) const {
    TRect out{std::max(Left, r.Left), std::max(Top, r.Top), std::min(Right, r.Right),
              std::min(Bottom, r.Bottom)};
    return out.IsEmpty() ? TRect{} : out;
  }
  // The smallest rectangle holding both; an empty operand does not count.
  TRect United(const TRect& r) const {
    if (IsEmpty()) return r.IsEmpty() ? TRect{} : r;
    if (r.IsEmpty()) return *this;
    return {std::min(Left, r.Left), std::min(Top, r.Top), std::max(Right, r.Right),
            std::max(Bottom, r.Bottom)};
  }
  TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  TRect Offset(TPoint d) const { return Offset(d.X, d.Y); }
  TRect Inflated(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
  TRect Normalized() const {
    return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right),
            std::max(Top, Bottom)};
  }
};

inline TRect Rect(int left, int top, int right, int bottom) {
  return {left, top, right, bottom};
}
inline TRect Bounds(int left, int top, int width, int height) {
  return TRect::FromSize(left, top, width, height);
}

}  // namespace kx
