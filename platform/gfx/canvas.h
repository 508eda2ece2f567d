#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/geometry.h"
#include "platform/base/strings.h"
#include "platform/gfx/font.h"
#include "platform/gfx/forward.h"
#include "platform/gfx/pixel.h"
#include "platform/gfx/region.h"

namespace kx {

enum class TPenMode { pmCopy, pmNot, pmXor, pmBlack, pmWhite, pmNop, pmMerge, pmMask, pmNotCopy };
enum class TPenStyle { psSolid, psDash, psDot, psClear };
enum class TBrushStyle { bsSolid, bsClear };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenMode Mode = TPenMode::pmCopy;
  TPenStyle Style = TPenStyle::psSolid;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
};

// Raster operations of CopyRect, as the platform's three-operand codes.
using TCopyMode = std::uint32_t;
inline constexpr TCopyMode cmBlackness = 0x00000042;
inline constexpr TCopyMode cmDstInvert = 0x00550009;
inline constexpr TCopyMode cmMergeCopy = 0x00C000CA;
inline constexpr TCopyMode cmMergePaint = 0x00BB0226;
inline constexpr TCopyMode cmNotSrcCopy = 0x00330008;
inline constexpr TCopyMode cmNotSrcErase = 0x001100A6;
inline constexpr TCopyMode cmPatCopy = 0x00F00021;
inline constexpr TCopyMode cmPatInvert = 0x005A0049;
inline constexpr TCopyMode cmPatPaint = 0x00FB0A09;
inline constexpr TCopyMode cmSrcAnd = 0x008800C6;
inline constexpr TCopyMode cmSrcCopy = 0x00CC0020;
inline constexpr TCopyMode cmSrcErase = 0x00440328;
inline constexpr TCopyMode cmSrcInvert = 0x00660046;
inline constexpr TCopyMode cmSrcPaint = 0x00EE0086;
inline constexpr TCopyMode cmWhiteness = 0x00FF0062;

// A software drawing surface over a bitmap. Logical coordinates are moved by
// the origin; the clip region is kept in bitmap (device) coordinates. Every
// operation clips before it writes a pixel.
class TCanvas {
 public:
  explicit TCanvas(TBitmap& target);

  TBitmap& Target() { return m_target; }
  TPen& Pen() { return m_pen; }
  TBrush& Brush() { return m_brush; }
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  TCopyMode CopyMode = cmSrcCopy;

  // Logical (0, 0) lands on device point Origin().
  TPoint Origin() const { return m_origin; }
  void SetOrigin(TPoint origin) { m_origin = origin; }
  void MoveOrigin(int dx, int dy) { m_origin = m_origin + TPoint{dx, dy}; }

  void ResetClip() { m_clip.reset(); }
  bool HasClipRegion() const { return m_clip.has_value(); }
  // The clip in device coordinates (the whole bitmap when none is set).
  TRegion ClipRegion() const;
  // Replaces the clip; the region is in device coordinates.
  void SelectClipRegion(const TRegion& deviceRegion);
  void IntersectClipRect(const TRect& logical);
  void ExcludeClipRect(const TRect& logical);
  void IntersectClipRegion(const TRegion& logical);
  // The clip's bounding box in logical coordinates.
  TRect ClipRect() const;

  // Saves pen, brush, font, copy mode, origin and clip; Restore returns to the last save.
  void SaveState();
  void RestoreState();

  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void Rectangle(const TRect& rect);
  void Rectangle(int l, int t, int r, int b) { Rectangle(TRect{l, t, r, b}); }
  void MoveTo(int x, int y) { m_penPos = {x, y}; }
  void LineTo(int x, int y);
  TPoint PenPos() const { return m_penPos; }
  void Polyline(const std::vector<TPoint>& points);
  void Polygon(const std::vector<TPoint>& points);
  void Ellipse(const TRect& rect);
  void RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& dest, const TBitmap& bitmap);
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
  // The dotted rectangle that xor-inverts every other pixel; drawing it twice restores.
  void DrawFocusRect(const TRect& rect);
  void FillRegion(const TRegion& logical, TColor color);

  // Text: the cell top-left is at (x, y); the baseline is Ascent pixels lower.
  // A solid brush paints the text cells first.
  void TextOut(int x, int y, std::string_view text) { TextOutW(x, y, AnsiToWide(text)); }
  void TextOutW(int x, int y, std::u16string_view text);
  // Text clipped to rect, as the platform's TextRect.
  void TextRect(const TRect& rect, int x, int y, std::string_view text);
  int TextWidth(std::string_view text) { return TextWidthW(AnsiToWide(text)); }
  int TextWidthW(std::u16string_view text);
  int TextHeight(std::string_view text = {});
  TSize TextExtent(std::string_view text) { return {TextWidth(text), TextHeight(text)}; }
  FontFace& Face();

  // Building blocks shared by text layout and effects: blend coverage at device
  // coordinates, and write one colour with the pen mode over a device span.
  void BlendCoverage(int deviceX, int deviceY, int width, int height, const std::uint8_t* coverage,
                     TColor color);
  void DrawUnderline(int x, int baselineY, int width, std::uint8_t styleBits);

 private:
  struct State {
    TPen pen;
    TBrush brush;
    TFont font;
    TCopyMode copyMode;
    TPoint origin;
    std::optional<TRegion> clip;
  };
  enum class SpanOp { Copy, PenMode };

  template <typename Fn>
  void ForEachClippedSpan(int y, int x0, int x1, Fn&& fn) const;
  void FillDeviceSpan(int y, int x0, int x1, Pixel32 color, TPenMode mode);
  void FillLogicalRows(int top, const std::vector<std::pair<int, int>>& rows, Pixel32 color,
                       TPenMode mode);
  void PenPixel(int x, int y);
  void PenLine(TPoint from, TPoint to, bool includeEnd);
  void ShapeWithOutline(int top, const std::vector<std::pair<int, int>>& rows);
  void DrawBitmap(const TRect& dest, const TBitmap& bitmap, const TRect& sourceRect,
                  bool transparent, TCopyMode rop);
  TRect DeviceBounds() const;

  TBitmap& m_target;
  TPen m_pen;
  TBrush m_brush;
  TFont m_font;
  TPoint m_origin;
  TPoint m_penPos;
  int m_penStep = 0;
  std::optional<TRegion> m_clip;
  std::vector<State> m_saved;
};

// Saves the canvas state for a scope.
class TCanvasSaver {
 public:
  explicit TCanvasSaver(TCanvas& canvas) : m_canvas(canvas) { m_canvas.SaveState(); }
  ~TCanvasSaver() { m_canvas.RestoreState(); }
  TCanvasSaver(const TCanvasSaver&) = delete;
  TCanvasSaver& operator=(const TCanvasSaver&) = delete;

 private:
  TCanvas& m_canvas;
};

// Applies a three-operand raster code to pattern, source and destination.
Pixel32 ApplyRop3(std::uint8_t rop, Pixel32 pattern, Pixel32 source, Pixel32 dest);

}  // namespace kx
