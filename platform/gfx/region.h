#pragma once

#include <vector>

#include "platform/base/geometry.h"

namespace kx {

enum class RegionOp { Or, And, Diff, Xor, Copy };

// One horizontal run of pixels Left <= x < Right on the rows of a band.
struct RegionSpan {
  int Left = 0;
  int Right = 0;
  friend bool operator==(const RegionSpan&, const RegionSpan&) = default;
};

// A set of pixels kept as horizontal bands of equal rows; each band holds
// sorted, disjoint, non-touching spans, and no two touching bands are equal.
class TRegion {
 public:
  struct Band {
    int Top = 0;
    int Bottom = 0;
    std::vector<RegionSpan> Spans;
    friend bool operator==(const Band&, const Band&) = default;
  };

  TRegion() = default;
  explicit TRegion(const TRect& rect);

  static TRegion FromRects(const std::vector<TRect>& rects);
  // Rows given as inclusive spans [x0, x1] per row, starting at firstRow.
  static TRegion FromRowSpans(int firstRow, const std::vector<std::pair<int, int>>& rows);
  // Pixels whose centres lie inside the polygon, by the alternate (even-odd) rule
  // or, with winding = true, by the non-zero winding rule.
  static TRegion FromPolygon(const std::vector<TPoint>& points, bool winding = false);
  // The ellipse inscribed in rect (right and bottom exclusive).
  static TRegion FromEllipse(const TRect& rect);
  static TRegion FromRoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);

  static TRegion Combine(const TRegion& a, const TRegion& b, RegionOp op);

  bool IsEmpty() const { return m_bands.empty(); }
  TRect BoundingBox() const;
  bool Contains(TPoint p) const;
  bool Contains(int x, int y) const { return Contains(TPoint{x, y}); }
  // True when any pixel of rect belongs to the region.
  bool Intersects(const TRect& rect) const;
  void Offset(int dx, int dy);
  std::vector<TRect> Rects() const;
  const std::vector<Band>& Bands() const { return m_bands; }
  // The band that holds row y, or nullptr.
  const Band* BandAt(int y) const;

  TRegion& operator|=(const TRegion& o) { return *this = Combine(*this, o, RegionOp::Or); }
  TRegion& operator&=(const TRegion& o) { return *this = Combine(*this, o, RegionOp::And); }
  TRegion& operator-=(const TRegion& o) { return *this = Combine(*this, o, RegionOp::Diff); }
  TRegion& operator^=(const TRegion& o) { return *this = Combine(*this, o, RegionOp::Xor); }
  friend bool operator==(const TRegion&, const TRegion&) = default;

 private:
  void AppendBand(int top, int bottom, std::vector<RegionSpan>&& spans);

  std::vector<Band> m_bands;
};

// Inclusive row spans of the ellipse inscribed in rect, one per row from rect.Top.
std::vector<std::pair<int, int>> EllipseRowSpans(const TRect& rect);
// Inclusive row spans of a rectangle with rounded corners of the given ellipse size.
std::vector<std::pair<int, int>> RoundRectRowSpans(const TRect& rect, int ellipseWidth,
                                                   int ellipseHeight);

}  // namespace kx
