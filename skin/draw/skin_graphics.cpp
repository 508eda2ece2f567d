#include "skin/draw/skin_graphics.h"

#include <vector>

#include "platform/base/strings.h"
#include "platform/forms/controls.h"
#include "platform/forms/forms.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "skin/draw/skin_drawing.h"

namespace kx {

void DrawStripFrame(TCanvas& canvas, int x, int y, int n, int k, const TBitmap& picture) {
  if (picture.Empty() || k < 1 || n < 1 || n > k) return;
  int frameWidth = picture.Width() / k;
  if (frameWidth < 1) return;
  TBitmap frame(frameWidth, picture.Height());
  CopyPiece(frame, {0, 0}, picture,
            TRect::FromSize((n - 1) * frameWidth, 0, frameWidth, picture.Height()));
  frame.SetTransparent(true);
  frame.SetTransparentMode(TTransparentMode::tmAuto);
  canvas.Draw(x, y, frame);
}

namespace {

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Paints control at its place on a canvas whose origin is its parent's client
// corner; a custom control's children follow, the same way.
void PaintAtOwnPlace(TControl& control, TCanvas& canvas) {
  TCanvasSaver saver(canvas);
  canvas.MoveOrigin(control.Left(), control.Top());
  canvas.IntersectClipRect({0, 0, control.Width(), control.Height()});
  if (auto* graphic = dynamic_cast<TGraphicControl*>(&control)) {
    graphic->PaintInto(canvas);
    return;
  }
  auto* custom = dynamic_cast<TCustomControl*>(&control);
  if (!custom) return;
  custom->PaintInto(canvas);
  for (TControl* child : custom->Controls()) {
    bool paintable = dynamic_cast<TGraphicControl*>(child) || dynamic_cast<TCustomControl*>(child);
    if (paintable && child->Visible()) PaintAtOwnPlace(*child, canvas);
  }
}

}  // namespace

void PaintParentBackground(TControl& control, TCanvas& canvas) {
  TWinControl* parent = control.Parent();
  if (!parent) return;
  TCanvasSaver saver(canvas);
  canvas.MoveOrigin(-control.Left(), -control.Top());
  canvas.IntersectClipRect(parent->ClientRect());
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&canvas), 0);
  if (!dynamic_cast<TCustomForm*>(parent))
    if (auto* custom = dynamic_cast<TCustomControl*>(parent)) custom->PaintInto(canvas);
  const bool windowed = dynamic_cast<TWinControl*>(&control) != nullptr;
  for (TControl* sibling : parent->Controls()) {
    if (sibling == &control) break;
    if (!sibling->Visible() || !Overlap(sibling->BoundsRect(), control.BoundsRect())) continue;
    bool graphic = dynamic_cast<TGraphicControl*>(sibling) != nullptr;
    bool custom = dynamic_cast<TCustomControl*>(sibling) != nullptr;
    if (graphic || (windowed && custom)) PaintAtOwnPlace(*sibling, canvas);
  }
}

int DrawTextAuto(TCanvas& canvas, std::string_view text, TRect& rect, std::uint32_t flags) {
  return DrawTextW(canvas, AnsiToWide(text), rect, flags);
}

int TextPixelWidth(TCanvas& canvas, std::string_view text) {
  TRect r{0, 0, 0, 0};
  DrawTextAuto(canvas, text, r, DT_CALCRECT | DT_SINGLELINE);
  return r.Width();
}

void FitTextWithEllipsis(TCanvas& canvas, std::string& text, int width) {
  if (TextPixelWidth(canvas, text) <= width) return;
  // Whole characters go, so a cut never leaves half of a UTF-8 sequence.
  while (!text.empty() && TextPixelWidth(canvas, text + "...") > width) {
    std::vector<std::size_t> starts = Utf8CharStarts(text);
    text.resize(starts[starts.size() - 2]);
  }
  text += "...";
}

void DrawArrowGlyph(TCanvas& canvas, const TRect& rect, TColor color, TksArrowDirection direction) {
  canvas.Pen().Color = color;
  const int cx = rect.Left + rect.Width() / 2;
  const int cy = rect.Top + rect.Height() / 2;
  for (int i = 0; i < 4; ++i) {
    switch (direction) {
      case TksArrowDirection::Left:
        canvas.MoveTo(cx - 2 + i, cy - i);
        canvas.LineTo(cx - 2 + i, cy + i + 1);
        break;
      case TksArrowDirection::Right:
        canvas.MoveTo(cx + 1 - i, cy - i);
        canvas.LineTo(cx + 1 - i, cy + i + 1);
        break;
      case TksArrowDirection::Up:
        canvas.MoveTo(cx - i, cy - 2 + i);
        canvas.LineTo(cx + i + 1, cy - 2 + i);
        break;
      case TksArrowDirection::Down:
        canvas.MoveTo(cx - i, cy + 1 - i);
        canvas.LineTo(cx + i + 1, cy + 1 - i);
        break;
    }
  }
}

namespace {

void Line(TCanvas& c, int x0, int y0, int x1, int y1) {
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
}

// A window outline with a 2-pixel bar along its top.
void WindowOutline(TCanvas& c, const TRect& r) {
  c.FrameRect(r);
  Line(c, r.Left, r.Top + 1, r.Right, r.Top + 1);
}

}  // namespace

void DrawCaptionGlyph(TCanvas& canvas, int x, int y, TColor color, TksCaptionGlyph glyph) {
  TCanvasSaver saver(canvas);
  canvas.Pen().Color = color;
  canvas.Brush().Color = color;
  canvas.Brush().Style = TBrushStyle::bsSolid;
  switch (glyph) {
    case TksCaptionGlyph::Close:
      Line(canvas, x + 1, y + 1, x + 9, y + 9);
      Line(canvas, x + 9, y + 1, x + 1, y + 9);
      Line(canvas, x + 2, y + 1, x + 10, y + 9);
      Line(canvas, x + 8, y + 1, x, y + 9);
      break;
    case TksCaptionGlyph::Maximize:
      WindowOutline(canvas, {x, y, x + 11, y + 10});
      break;
    case TksCaptionGlyph::Minimize:
      Line(canvas, x + 1, y + 8, x + 9, y + 8);
      Line(canvas, x + 1, y + 9, x + 9, y + 9);
      break;
    case TksCaptionGlyph::Restore:
      WindowOutline(canvas, {x + 2, y, x + 10, y + 6});
      WindowOutline(canvas, {x, y + 4, x + 7, y + 10});
      break;
    case TksCaptionGlyph::RollUp:
      for (int i = 0; i < 5; ++i) Line(canvas, x + 5 - i, y + 2 + i, x + 6 + i, y + 2 + i);
      break;
    case TksCaptionGlyph::RollDown:
      for (int i = 0; i < 5; ++i) Line(canvas, x + 1 + i, y + 2 + i, x + 10 - i, y + 2 + i);
      break;
    case TksCaptionGlyph::SysMenu:
      canvas.FillRect({x + 2, y + 2, x + 7, y + 7});
      break;
  }
}

bool SetWindowAlphaLevel(HWND window, std::uint8_t level) {
  return WindowSystem().SetLayeredWindowAttributes(window, level, LWA_ALPHA);
}

TRect GetWorkArea(HWND window, bool workArea) {
  return workArea ? WindowSystem().MonitorWorkArea(window) : WindowSystem().MonitorRect(window);
}

}  // namespace kx
