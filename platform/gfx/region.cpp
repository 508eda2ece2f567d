#include "platform/gfx/region.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace kx {
namespace {

std::vector<RegionSpan> CombineSpans(const std::vector<RegionSpan>& a,
                                     const std::vector<RegionSpan>& b, RegionOp op) {
  // Sweep over the endpoints of both span lists, tracking membership in each.
  std::vector<int> xs;
  xs.reserve(2 * (a.size() + b.size()));
  for (const RegionSpan& s : a) {
    xs.push_back(s.Left);
    xs.push_back(s.Right);
  }
  for (const RegionSpan& s : b) {
    xs.push_back(s.Left);
    xs.push_back(s.Right);
  }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::vector<RegionSpan> out;
  std::size_t ia = 0;
  std::size_t ib = 0;
  for (std::size_t k = 0; k + 1 < xs.size(); ++k) {
    int x0 = xs[k];
    int x1 = xs[k + 1];
    while (ia < a.size() && a[ia].Right <= x0) ++ia;
    while (ib < b.size() && b[ib].Right <= x0) ++ib;
    bool inA = ia < a.size() && a[ia].Left <= x0;
    bool inB = ib < b.size() && b[ib].Left <= x0;
    bool in = false;
    switch (op) {
      case RegionOp::Or:
        in = inA || inB;
        break;
      case RegionOp::And:
        in = inA && inB;
        break;
      case RegionOp::Diff:
        in = inA && !inB;
        break;
      case RegionOp::Xor:
        in = inA != inB;
        break;
      case RegionOp::Copy:
        in = inA;
        break;
    }
    if (!in) continue;
    if (!out.empty() && out.back().Right == x0) {
      out.back().Right = x1;
    } else {
      out.push_back({x0, x1});
    }
  }
  return out;
}

const std::vector<RegionSpan>* SpansAt(const std::vector<TRegion::Band>& bands, std::size_t& cursor,
                                       int y) {
  while (cursor < bands.size() && bands[cursor].Bottom <= y) ++cursor;
  if (cursor < bands.size() && bands[cursor].Top <= y) return &bands[cursor].Spans;
  return nullptr;
}

}  // namespace

TRegion::TRegion(const TRect& rect) {
  if (!rect.IsEmpty()) m_bands.push_back({rect.Top, rect.Bottom, {{rect.Left, rect.Right}}});
}

void TRegion::AppendBand(int top, int bottom, std::vector<RegionSpan>&& spans) {
  if (spans.empty() || top >= bottom) return;
  if (!m_bands.empty() && m_bands.back().Bottom == top && m_bands.back().Spans == spans) {
    m_bands.back().Bottom = bottom;
    return;
  }
  m_bands.push_back({top, bottom, std::move(spans)});
}

TRegion TRegion::Combine(const TRegion& a, const TRegion& b, RegionOp op) {
  if (op == RegionOp::Copy) return a;
  std::vector<int> ys;
  ys.reserve(2 * (a.m_bands.size() + b.m_bands.size()));
  for (const Band& band : a.m_bands) {
    ys.push_back(band.Top);
    ys.push_back(band.Bottom);
  }
  for (const Band& band : b.m_bands) {
    ys.push_back(band.Top);
    ys.push_back(band.Bottom);
  }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  static const std::vector<RegionSpan> kNone;
  TRegion out;
  std::size_t ca = 0;
  std::size_t cb = 0;
  for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
    const std::vector<RegionSpan>* sa = SpansAt(a.m_bands, ca, ys[k]);
    const std::vector<RegionSpan>* sb = SpansAt(b.m_bands, cb, ys[k]);
    if (!sa && !sb) continue;
    out.AppendBand(ys[k], ys[k + 1], CombineSpans(sa ? *sa : kNone, sb ? *sb : kNone, op));
  }
  return out;
}

TRegion TRegion::FromRects(const std::vector<TRect>& rects) {
  TRegion out;
  for (const TRect& r : rects) out |= TRegion(r);
  return out;
}

TRegion TRegion::FromRowSpans(int firstRow, const std::vector<std::pair<int, int>>& rows) {
  TRegion out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    auto [x0, x1] = rows[i];
    if (x1 < x0) continue;
    int y = firstRow + static_cast<int>(i);
    out.AppendBand(y, y + 1, {{x0, x1 + 1}});
  }
  return out;
}

TRegion TRegion::FromPolygon(const std::vector<TPoint>& points, bool winding) {
  TRegion out;
  if (points.size() < 3) return out;
  int minY = INT_MAX;
  int maxY = INT_MIN;
  for (const TPoint& p : points) {
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
  }
  struct Crossing {
    double x;
    int dir;
  };
  std::vector<Crossing> crossings;
  for (int y = minY; y < maxY; ++y) {
    double sampleY = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      TPoint p = points[i];
      TPoint q = points[(i + 1) % points.size()];
      if (p.Y == q.Y) continue;
      bool down = q.Y > p.Y;
      double y0 = down ? p.Y : q.Y;
      double y1 = down ? q.Y : p.Y;
      if (sampleY < y0 || sampleY >= y1) continue;
      double t = (sampleY - p.Y) / static_cast<double>(q.Y - p.Y);
      crossings.push_back({p.X + t * (q.X - p.X), down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    std::vector<RegionSpan> spans;
    int count = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      count = winding ? count + crossings[i].dir : count + 1;
      bool inside = winding ? count != 0 : (count % 2) == 1;
      if (!inside) continue;
      // A pixel is inside when its centre is: x + 0.5 in [xa, xb).
      int left = static_cast<int>(std::ceil(crossings[i].x - 0.5));
      int right = static_cast<int>(std::ceil(crossings[i + 1].x - 0.5));
      if (right <= left) continue;
      if (!spans.empty() && spans.back().Right >= left) {
        spans.back().Right = std::max(spans.back().Right, right);
      } else {
        spans.push_back({left, right});
      }
    }
    out.AppendBand(y, y + 1, std::move(spans));
  }
  return out;
}

std::vector<std::pair<int, int>> EllipseRowSpans(const TRect& rect) {
  std::vector<std::pair<int, int>> rows;
  TRect r = rect.Normalized();
  int w = r.Width();
  int h = r.Height();
  if (w <= 0 || h <= 0) return rows;
  double cx = r.Left + (w - 1) / 2.0;
  double cy = r.Top + (h - 1) / 2.0;
  double a = w / 2.0;
  double b = h / 2.0;
  rows.reserve(static_cast<std::size_t>(h));
  for (int y = r.Top; y < r.Bottom; ++y) {
    double dy = (y - cy) / b;
    double inside = 1.0 - dy * dy;
    double half = inside > 0 ? a * std::sqrt(inside) : 0.0;
    int x0 = static_cast<int>(std::lround(cx - half + 0.5));
    int x1 = static_cast<int>(std::lround(cx + half - 0.5));
    x0 = std::max(x0, r.Left);
    x1 = std::min(x1, r.Right - 1);
    if (x1 < x0) {
      int mid = static_cast<int>(std::lround(cx));
      x0 = x1 = std::clamp(mid, r.Left, r.Right - 1);
    }
    rows.emplace_back(x0, x1);
  }
  return rows;
}

std::vector<std::pair<int, int>> RoundRectRowSpans(const TRect& rect, int ellipseWidth,
                                                   int ellipseHeight) {
  TRect r = rect.Normalized();
  int w = r.Width();
  int h = r.Height();
  std::vector<std::pair<int, int>> rows;
  if (w <= 0 || h <= 0) return rows;
  int ew = std::clamp(ellipseWidth, 0, w);
  int eh = std::clamp(ellipseHeight, 0, h);
  if (ew < 2 || eh < 2) {
    rows.assign(static_cast<std::size_t>(h), {r.Left, r.Right - 1});
    return rows;
  }
  // The corners are the quarters of an ew x eh ellipse.
  std::vector<std::pair<int, int>> corner = EllipseRowSpans(TRect{0, 0, ew, eh});
  int topRows = (eh + 1) / 2;
  rows.reserve(static_cast<std::size_t>(h));
  for (int i = 0; i < h; ++i) {
    int cornerRow = -1;
    if (i < topRows) {
      cornerRow = i;
    } else if (i >= h - (eh - topRows)) {
      cornerRow = eh - (h - i);
    }
    if (cornerRow < 0) {
      rows.emplace_back(r.Left, r.Right - 1);
      continue;
    }
    auto [c0, c1] = corner[static_cast<std::size_t>(cornerRow)];
    int inset = c0;
    int insetRight = (ew - 1) - c1;
    rows.emplace_back(r.Left + inset, r.Right - 1 - insetRight);
  }
  return rows;
}

TRegion TRegion::FromEllipse(const TRect& rect) {
  return FromRowSpans(rect.Normalized().Top, EllipseRowSpans(rect));
}

TRegion TRegion::FromRoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) {
  return FromRowSpans(rect.Normalized().Top, RoundRectRowSpans(rect, ellipseWidth, ellipseHeight));
}

TRect TRegion::BoundingBox() const {
  if (m_bands.empty()) return {};
  TRect box{INT_MAX, m_bands.front().Top, INT_MIN, m_bands.back().Bottom};
  for (const Band& band : m_bands) {
    box.Left = std::min(box.Left, band.Spans.front().Left);
    box.Right = std::max(box.Right, band.Spans.back().Right);
  }
  return box;
}

const TRegion::Band* TRegion::BandAt(int y) const {
  auto it = std::upper_bound(m_bands.begin(), m_bands.end(), y,
                             [](int value, const Band& band) { return value < band.Bottom; });
  if (it == m_bands.end() || it->Top > y) return nullptr;
  return &*it;
}

bool TRegion::Contains(TPoint p) const {
  const Band* band = BandAt(p.Y);
  if (!band) return false;
  for (const RegionSpan& s : band->Spans) {
    if (p.X < s.Left) return false;
    if (p.X < s.Right) return true;
  }
  return false;
}

bool TRegion::Intersects(const TRect& rect) const {
  if (rect.IsEmpty()) return false;
  for (const Band& band : m_bands) {
    if (band.Bottom <= rect.Top) continue;
    if (band.Top >= rect.Bottom) break;
    for (const RegionSpan& s : band.Spans) {
      if (s.Right > rect.Left && s.Left < rect.Right) return true;
    }
  }
  return false;
}

void TRegion::Offset(int dx, int dy) {
  for (Band& band : m_bands) {
    band.Top += dy;
    band.Bottom += dy;
    for (RegionSpan& s : band.Spans) {
      s.Left += dx;
      s.Right += dx;
    }
  }
}

std::vector<TRect> TRegion::Rects() const {
  std::vector<TRect> rects;
  for (const Band& band : m_bands) {
    for (const RegionSpan& s : band.Spans)
      rects.push_back({s.Left, band.Top, s.Right, band.Bottom});
  }
  return rects;
}

}  // namespace kx
