#include "platform/gfx/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/font_engine.h"

namespace kx {
namespace {

Pixel32 ApplyPenMode(TPenMode mode, Pixel32 dst, Pixel32 pen) {
  switch (mode) {
    case TPenMode::pmCopy:
      return pen;
    case TPenMode::pmNot:
      return (dst & 0xFF000000u) | (~dst & 0x00FFFFFFu);
    case TPenMode::pmXor:
      return dst ^ RgbOf(pen);
    case TPenMode::pmBlack:
      return kOpaque;
    case TPenMode::pmWhite:
      return 0xFFFFFFFFu;
    case TPenMode::pmNop:
      return dst;
    case TPenMode::pmMerge:
      return dst | pen;
    case TPenMode::pmMask:
      return dst & pen;
    case TPenMode::pmNotCopy:
      return kOpaque | (~pen & 0x00FFFFFFu);
  }
  return pen;
}

// Inclusive rows for the outline of a shape given by its inclusive row spans:
// the left and right runs that keep the outline 8-connected and one pixel thin.
struct OutlineRow {
  int leftEnd;
  int rightStart;
};

OutlineRow OutlineOf(const std::vector<std::pair<int, int>>& rows, std::size_t i) {
  auto [x0, x1] = rows[i];
  if (i == 0 || i + 1 == rows.size()) return {x1, x1 + 1};
  auto [p0, p1] = rows[i - 1];
  auto [n0, n1] = rows[i + 1];
  int leftEnd = std::max(x0, std::min(p0, n0) - 1);
  int rightStart = std::min(x1, std::max(p1, n1) + 1);
  if (leftEnd >= rightStart - 1) return {x1, x1 + 1};
  return {leftEnd, rightStart};
}

}  // namespace

Pixel32 ApplyRop3(std::uint8_t rop, Pixel32 pattern, Pixel32 source, Pixel32 dest) {
  Pixel32 result = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((rop >> i) & 1)) continue;
    Pixel32 p = (i & 4) ? pattern : ~pattern;
    Pixel32 s = (i & 2) ? source : ~source;
    Pixel32 d = (i & 1) ? dest : ~dest;
    result |= p & s & d;
  }
  return (dest & 0xFF000000u) | (result & 0x00FFFFFFu);
}

TCanvas::TCanvas(TBitmap& target) : m_target(target) {}

TRect TCanvas::DeviceBounds() const {
  return TRect{0, 0, m_target.Width(), m_target.Height()};
}

TRegion TCanvas::ClipRegion() const {
  TRegion whole(DeviceBounds());
  return m_clip ? TRegion::Combine(*m_clip, whole, RegionOp::And) : whole;
}

void TCanvas::SelectClipRegion(const TRegion& deviceRegion) {
  m_clip = deviceRegion;
}

void TCanvas::IntersectClipRect(const TRect& logical) {
  m_clip = TRegion::Combine(ClipRegion(), TRegion(logical.Offset(m_origin)), RegionOp::And);
}

void TCanvas::ExcludeClipRect(const TRect& logical) {
  m_clip = TRegion::Combine(ClipRegion(), TRegion(logical.Offset(m_origin)), RegionOp::Diff);
}

void TCanvas::IntersectClipRegion(const TRegion& logical) {
  TRegion device = logical;
  device.Offset(m_origin.X, m_origin.Y);
  m_clip = TRegion::Combine(ClipRegion(), device, RegionOp::And);
}

TRect TCanvas::ClipRect() const {
  return ClipRegion().BoundingBox().Offset(-m_origin.X, -m_origin.Y);
}

void TCanvas::SaveState() {
  m_saved.push_back({m_pen, m_brush, m_font, CopyMode, m_origin, m_clip});
}

void TCanvas::RestoreState() {
  if (m_saved.empty()) return;
  State& s = m_saved.back();
  m_pen = s.pen;
  m_brush = s.brush;
  m_font = s.font;
  CopyMode = s.copyMode;
  m_origin = s.origin;
  m_clip = std::move(s.clip);
  m_saved.pop_back();
}

template <typename Fn>
void TCanvas::ForEachClippedSpan(int y, int x0, int x1, Fn&& fn) const {
  if (y < 0 || y >= m_target.Height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, m_target.Width());
  if (x0 >= x1) return;
  if (!m_clip) {
    fn(x0, x1);
    return;
  }
  const TRegion::Band* band = m_clip->BandAt(y);
  if (!band) return;
  for (const RegionSpan& s : band->Spans) {
    if (s.Left >= x1) break;
    int a = std::max(x0, s.Left);
    int b = std::min(x1, s.Right);
    if (a < b) fn(a, b);
  }
}

void TCanvas::FillDeviceSpan(int y, int x0, int x1, Pixel32 color, TPenMode mode) {
  ForEachClippedSpan(y, x0, x1, [&](int a, int b) {
    Pixel32* row = m_target.ScanLine(y);
    if (mode == TPenMode::pmCopy) {
      std::fill(row + a, row + b, color);
    } else {
      for (int x = a; x < b; ++x) row[x] = ApplyPenMode(mode, row[x], color);
    }
  });
}

void TCanvas::FillLogicalRows(int top, const std::vector<std::pair<int, int>>& rows, Pixel32 color,
                              TPenMode mode) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    auto [x0, x1] = rows[i];
    if (x1 < x0) continue;
    int y = top + static_cast<int>(i) + m_origin.Y;
    FillDeviceSpan(y, x0 + m_origin.X, x1 + 1 + m_origin.X, color, mode);
  }
}

void TCanvas::FillRect(const TRect& rect) {
  TRect r = rect.Normalized().Offset(m_origin).Intersected(DeviceBounds());
  if (r.IsEmpty()) return;
  Pixel32 color = AnyColorToPixel(m_brush.Color);
  for (int y = r.Top; y < r.Bottom; ++y)
    FillDeviceSpan(y, r.Left, r.Right, color, TPenMode::pmCopy);
}

void TCanvas::FillRegion(const TRegion& logical, TColor color) {
  Pixel32 pixel = AnyColorToPixel(color);
  for (const TRegion::Band& band : logical.Bands()) {
    for (int y = band.Top; y < band.Bottom; ++y) {
      for (const RegionSpan& s : band.Spans) {
        FillDeviceSpan(y + m_origin.Y, s.Left + m_origin.X, s.Right + m_origin.X, pixel,
                       TPenMode::pmCopy);
      }
    }
  }
}

void TCanvas::FrameRect(const TRect& rect) {
  TRect r = rect.Normalized();
  if (r.IsEmpty()) return;
  Pixel32 color = AnyColorToPixel(m_brush.Color);
  int dx = m_origin.X;
  int dy = m_origin.Y;
  FillDeviceSpan(r.Top + dy, r.Left + dx, r.Right + dx, color, TPenMode::pmCopy);
  if (r.Height() > 1) {
    FillDeviceSpan(r.Bottom - 1 + dy, r.Left + dx, r.Right + dx, color, TPenMode::pmCopy);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    FillDeviceSpan(y + dy, r.Left + dx, r.Left + 1 + dx, color, TPenMode::pmCopy);
    if (r.Width() > 1) {
      FillDeviceSpan(y + dy, r.Right - 1 + dx, r.Right + dx, color, TPenMode::pmCopy);
    }
  }
}

void TCanvas::PenPixel(int x, int y) {
  if (m_pen.Style == TPenStyle::psClear) return;
  int step = m_penStep++;
  if (m_pen.Style == TPenStyle::psDot && (step % 2) != 0) return;
  if (m_pen.Style == TPenStyle::psDash && (step % 8) >= 6) return;
  Pixel32 color = AnyColorToPixel(m_pen.Color);
  int w = std::max(1, m_pen.Width);
  int x0 = x - (w - 1) / 2 + m_origin.X;
  int y0 = y - (w - 1) / 2 + m_origin.Y;
  for (int yy = y0; yy < y0 + w; ++yy) FillDeviceSpan(yy, x0, x0 + w, color, m_pen.Mode);
}

void TCanvas::PenLine(TPoint from, TPoint to, bool includeEnd) {
  int dx = std::abs(to.X - from.X);
  int dy = std::abs(to.Y - from.Y);
  int sx = from.X < to.X ? 1 : -1;
  int sy = from.Y < to.Y ? 1 : -1;
  int err = dx - dy;
  int x = from.X;
  int y = from.Y;
  while (x != to.X || y != to.Y) {
    PenPixel(x, y);
    int e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      x += sx;
    }
    if (e2 < dx) {
      err += dx;
      y += sy;
    }
  }
  if (includeEnd) PenPixel(x, y);
}

void TCanvas::LineTo(int x, int y) {
  m_penStep = 0;
  PenLine(m_penPos, {x, y}, false);
  m_penPos = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  m_penStep = 0;
  for (std::size_t i = 1; i < points.size(); ++i) PenLine(points[i - 1], points[i], false);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.size() < 2) return;
  if (m_brush.Style != TBrushStyle::bsClear && points.size() >= 3) {
    TRegion area = TRegion::FromPolygon(points);
    Pixel32 color = AnyColorToPixel(m_brush.Color);
    for (const TRegion::Band& band : area.Bands()) {
      for (int y = band.Top; y < band.Bottom; ++y) {
        for (const RegionSpan& s : band.Spans) {
          FillDeviceSpan(y + m_origin.Y, s.Left + m_origin.X, s.Right + m_origin.X, color,
                         m_pen.Mode);
        }
      }
    }
  }
  m_penStep = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    PenLine(points[i], points[(i + 1) % points.size()], false);
  }
}

void TCanvas::Rectangle(const TRect& rect) {
  TRect r = rect.Normalized();
  if (r.IsEmpty()) return;
  bool outline = m_pen.Style != TPenStyle::psClear;
  int inset = outline ? 1 : 0;
  if (m_brush.Style != TBrushStyle::bsClear) {
    Pixel32 color = AnyColorToPixel(m_brush.Color);
    for (int y = r.Top + inset; y < r.Bottom - inset; ++y) {
      FillDeviceSpan(y + m_origin.Y, r.Left + inset + m_origin.X, r.Right - inset + m_origin.X,
                     color, m_pen.Mode);
    }
  }
  if (!outline) return;
  if (m_pen.Width <= 1 && m_pen.Style == TPenStyle::psSolid) {
    Pixel32 color = AnyColorToPixel(m_pen.Color);
    int dx = m_origin.X;
    int dy = m_origin.Y;
    FillDeviceSpan(r.Top + dy, r.Left + dx, r.Right + dx, color, m_pen.Mode);
    if (r.Height() > 1)
      FillDeviceSpan(r.Bottom - 1 + dy, r.Left + dx, r.Right + dx, color, m_pen.Mode);
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
      FillDeviceSpan(y + dy, r.Left + dx, r.Left + 1 + dx, color, m_pen.Mode);
      if (r.Width() > 1) FillDeviceSpan(y + dy, r.Right - 1 + dx, r.Right + dx, color, m_pen.Mode);
    }
    return;
  }
  m_penStep = 0;
  TPoint corners[4] = {
      {r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}};
  for (int i = 0; i < 4; ++i) PenLine(corners[i], corners[(i + 1) % 4], false);
}

void TCanvas::ShapeWithOutline(int top, const std::vector<std::pair<int, int>>& rows) {
  if (rows.empty()) return;
  bool outline = m_pen.Style != TPenStyle::psClear;
  if (m_brush.Style != TBrushStyle::bsClear) {
    std::vector<std::pair<int, int>> inner(rows.size(), {0, -1});
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (!outline) {
        inner[i] = rows[i];
        continue;
      }
      OutlineRow o = OutlineOf(rows, i);
      inner[i] = {o.leftEnd + 1, o.rightStart - 1};
    }
    FillLogicalRows(top, inner, AnyColorToPixel(m_brush.Color), m_pen.Mode);
  }
  if (!outline) return;
  Pixel32 penColor = AnyColorToPixel(m_pen.Color);
  std::vector<std::pair<int, int>> left(rows.size());
  std::vector<std::pair<int, int>> right(rows.size(), {0, -1});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    OutlineRow o = OutlineOf(rows, i);
    left[i] = {rows[i].first, o.leftEnd};
    if (o.rightStart <= rows[i].second) right[i] = {o.rightStart, rows[i].second};
  }
  FillLogicalRows(top, left, penColor, m_pen.Mode);
  FillLogicalRows(top, right, penColor, m_pen.Mode);
}

void TCanvas::Ellipse(const TRect& rect) {
  ShapeWithOutline(rect.Normalized().Top, EllipseRowSpans(rect));
}

void TCanvas::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) {
  ShapeWithOutline(rect.Normalized().Top, RoundRectRowSpans(rect, ellipseWidth, ellipseHeight));
}

TColor TCanvas::Pixel(int x, int y) const {
  int dx = x + m_origin.X;
  int dy = y + m_origin.Y;
  if (m_clip && !m_clip->Contains(dx, dy)) return clNone;
  return m_target.ColorAt(dx, dy);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  int dx = x + m_origin.X;
  int dy = y + m_origin.Y;
  FillDeviceSpan(dy, dx, dx + 1, AnyColorToPixel(color), TPenMode::pmCopy);
}

void TCanvas::DrawBitmap(const TRect& dest, const TBitmap& bitmap, const TRect& sourceRect,
                         bool transparent, TCopyMode rop) {
  TRect d = dest.Offset(m_origin);
  int dw = d.Width();
  int dh = d.Height();
  int sw = sourceRect.Width();
  int sh = sourceRect.Height();
  if (dw == 0 || dh == 0 || sw == 0 || sh == 0 || bitmap.Empty()) return;
  bool flipX = dw < 0;
  bool flipY = dh < 0;
  d = d.Normalized();
  dw = d.Width();
  dh = d.Height();
  Pixel32 key = ColorToPixel(ColorToRGB(bitmap.TransparentColor()));
  Pixel32 pattern = AnyColorToPixel(m_brush.Color);
  auto ropCode = static_cast<std::uint8_t>(rop >> 16);
  bool plainCopy = ropCode == 0xCC && !transparent && sw == dw && sh == dh && !flipX && !flipY;
  // The source row or column for a destination one: nearest pixel, the way
  // a stretch without smoothing samples.
  auto sourceY = [&](int y) {
    int i = flipY ? dh - 1 - (y - d.Top) : (y - d.Top);
    return sourceRect.Top + static_cast<int>((static_cast<std::int64_t>(i) * sh) / dh);
  };
  std::vector<int> sourceX(static_cast<std::size_t>(dw));
  for (int i = 0; i < dw; ++i) {
    int k = flipX ? dw - 1 - i : i;
    sourceX[static_cast<std::size_t>(i)] =
        sourceRect.Left + static_cast<int>((static_cast<std::int64_t>(k) * sw) / dw);
  }
  for (int y = d.Top; y < d.Bottom; ++y) {
    int sy = sourceY(y);
    if (sy < 0 || sy >= bitmap.Height()) continue;
    const Pixel32* src = bitmap.ScanLine(sy);
    Pixel32* dst = (y >= 0 && y < m_target.Height()) ? m_target.ScanLine(y) : nullptr;
    if (!dst) continue;
    ForEachClippedSpan(y, d.Left, d.Right, [&](int a, int b) {
      if (plainCopy) {
        int sx0 = sourceX[static_cast<std::size_t>(a - d.Left)];
        int sx1 = sx0 + (b - a);
        int lo = std::max(sx0, 0);
        int hi = std::min(sx1, bitmap.Width());
        if (lo < hi) std::memcpy(dst + a + (lo - sx0), src + lo, sizeof(Pixel32) * (hi - lo));
        return;
      }
      for (int x = a; x < b; ++x) {
        int sx = sourceX[static_cast<std::size_t>(x - d.Left)];
        if (sx < 0 || sx >= bitmap.Width()) continue;
        Pixel32 s = src[sx];
        if (transparent && RgbOf(s) == RgbOf(key)) continue;
        dst[x] = ropCode == 0xCC ? (s | kOpaque) : ApplyRop3(ropCode, pattern, s, dst[x]);
      }
    });
  }
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  DrawBitmap(TRect::FromSize(x, y, bitmap.Width(), bitmap.Height()), bitmap,
             TRect{0, 0, bitmap.Width(), bitmap.Height()}, bitmap.Transparent(), cmSrcCopy);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
  DrawBitmap(dest, bitmap, TRect{0, 0, bitmap.Width(), bitmap.Height()}, bitmap.Transparent(),
             cmSrcCopy);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  TRect src = sourceRect.Offset(source.m_origin);
  if (&source.m_target == &m_target) {
    // Copying within one bitmap must read the pixels as they were before.
    TBitmap snapshot(m_target);
    DrawBitmap(dest, snapshot, src, false, CopyMode);
    return;
  }
  DrawBitmap(dest, source.m_target, src, false, CopyMode);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  TRect r = rect.Normalized();
  if (r.IsEmpty()) return;
  // Every other pixel along the frame, phase taken from the device position,
  // so that two draws cancel out.
  auto invert = [&](int x, int y) {
    int dx = x + m_origin.X;
    int dy = y + m_origin.Y;
    if (((dx + dy) & 1) != 0) return;
    FillDeviceSpan(dy, dx, dx + 1, 0xFFFFFFFFu, TPenMode::pmXor);
  };
  for (int x = r.Left; x < r.Right; ++x) {
    invert(x, r.Top);
    if (r.Height() > 1) invert(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    invert(r.Left, y);
    if (r.Width() > 1) invert(r.Right - 1, y);
  }
}

FontFace& TCanvas::Face() {
  return FontEngine::Instance().FaceFor(m_font);
}

void TCanvas::BlendCoverage(int deviceX, int deviceY, int width, int height,
                            const std::uint8_t* coverage, TColor color) {
  Pixel32 pixel = AnyColorToPixel(color);
  for (int row = 0; row < height; ++row) {
    int y = deviceY + row;
    const std::uint8_t* cov = coverage + static_cast<std::size_t>(row) * width;
    ForEachClippedSpan(y, deviceX, deviceX + width, [&](int a, int b) {
      Pixel32* dst = m_target.ScanLine(y);
      for (int x = a; x < b; ++x) {
        unsigned c = cov[x - deviceX];
        if (c == 0) continue;
        dst[x] = c == 255 ? pixel : BlendPixel(dst[x], pixel, c);
      }
    });
  }
}

void TCanvas::DrawUnderline(int x, int baselineY, int width, std::uint8_t styleBits) {
  FontFace& face = Face();
  Pixel32 color = AnyColorToPixel(m_font.Color());
  int thickness = face.UnderlineThickness();
  auto line = [&](int top) {
    for (int i = 0; i < thickness; ++i) {
      FillDeviceSpan(top + i + m_origin.Y, x + m_origin.X, x + width + m_origin.X, color,
                     TPenMode::pmCopy);
    }
  };
  if (styleBits & static_cast<std::uint8_t>(TFontStyle::fsUnderline)) {
    line(baselineY + face.UnderlineOffset());
  }
  if (styleBits & static_cast<std::uint8_t>(TFontStyle::fsStrikeOut)) {
    line(baselineY - face.StrikeoutOffset());
  }
}

int TCanvas::TextWidthW(std::u16string_view text) {
  FontFace& face = Face();
  int width = 0;
  for (char32_t cp : Utf16ToUtf32(text)) width += face.Advance(cp);
  return width;
}

int TCanvas::TextHeight(std::string_view) {
  return Face().Height();
}

void TCanvas::TextOutW(int x, int y, std::u16string_view text) {
  FontFace& face = Face();
  std::u32string codePoints = Utf16ToUtf32(text);
  int width = 0;
  for (char32_t cp : codePoints) width += face.Advance(cp);
  if (m_brush.Style != TBrushStyle::bsClear) {
    TBrush saved = m_brush;
    FillRect(TRect::FromSize(x, y, width, face.Height()));
    m_brush = saved;
  }
  int penX = x;
  int baseline = y + face.Ascent();
  for (char32_t cp : codePoints) {
    const GlyphImage& g = face.Glyph(cp);
    if (!g.Coverage.empty()) {
      BlendCoverage(penX + g.Left + m_origin.X, baseline - g.Top + m_origin.Y, g.Width, g.Height,
                    g.Coverage.data(), m_font.Color());
    }
    penX += g.Advance;
  }
  std::uint8_t lines = m_font.Style().Bits() & 0xC;
  if (lines) DrawUnderline(x, baseline, width, lines);
  m_penPos = {x + width, y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
  TCanvasSaver saver(*this);
  if (m_brush.Style != TBrushStyle::bsClear) FillRect(rect);
  IntersectClipRect(rect);
  TBrush brush = m_brush;
  m_brush.Style = TBrushStyle::bsClear;
  TextOut(x, y, text);
  m_brush = brush;
}

}  // namespace kx
