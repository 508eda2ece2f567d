#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/geometry.h"
#include "platform/forms/forward.h"
#include "platform/gfx/forward.h"
#include "platform/window/window_system.h"

namespace kx {

// Draws frame n (from 1) of k frames laid side by side in picture at (x, y),
// with the colour of the frame's bottom-left pixel transparent.
void DrawStripFrame(TCanvas& canvas, int x, int y, int n, int k, const TBitmap& picture);

// Paints what lies behind control: its parent's background (and, unless the
// parent is a form, the parent's own painting), then the visible siblings
// before it that overlap it. The canvas draws on the control's own surface.
void PaintParentBackground(TControl& control, TCanvas& canvas);

// Text in the system code page; returns the height of the drawn text.
int DrawTextAuto(TCanvas& canvas, std::string_view text, TRect& rect, std::uint32_t flags);
int TextPixelWidth(TCanvas& canvas, std::string_view text);
// Shortens text from its end until it, followed by "...", fits width.
void FitTextWithEllipsis(TCanvas& canvas, std::string& text, int width);

enum class TksArrowDirection { Left = 1, Right = 2, Up = 3, Down = 4 };
void DrawArrowGlyph(TCanvas& canvas, const TRect& rect, TColor color, TksArrowDirection direction);

enum class TksCaptionGlyph { Close, Maximize, Minimize, Restore, RollUp, RollDown, SysMenu };
void DrawCaptionGlyph(TCanvas& canvas, int x, int y, TColor color, TksCaptionGlyph glyph);

// A constant alpha for a top-level window; false where the platform has none.
bool SetWindowAlphaLevel(HWND window, std::uint8_t level);
// The work area (or with workArea off the whole rectangle) of the window's monitor.
TRect GetWorkArea(HWND window, bool workArea);

}  // namespace kx
