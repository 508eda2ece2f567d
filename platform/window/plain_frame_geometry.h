#pragma once

#include "platform/base/geometry.h"

namespace kx {

// The widths of a window's non-client edges.
struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The caption buttons a plain frame shows, from the right end of its caption bar.
struct CaptionButtons {
  bool close = false;
  bool maximize = false;
  bool minimize = false;
};

// How a plain frame lays out its caption buttons.
struct CaptionButtonLayout {
  TSize size;             // one button
  TPoint inset;           // of the close button from the caption bar's top-right corner
  int gapAfterClose = 0;  // between the close button and the next one
  int gapBetween = 0;     // between the other buttons
};

// A plain frame's parts for a window of a given size, in window coordinates
// (the window's top-left corner is 0, 0): the one source for its painting, its hit
// testing and the placement of the client area, whatever buttons it shows.
class PlainFrameGeometry {
 public:
  // The caption bar lies along the top of the insets, captionHeight high (none at 0).
  // A sizeable frame answers sizing codes on its borders, whose width is insets.left.
  PlainFrameGeometry(TSize window, FrameInsets insets, int captionHeight, CaptionButtons buttons,
                     const CaptionButtonLayout& layout, bool sizeable);

  const FrameInsets& Insets() const { return m_insets; }
  const TRect& Window() const { return m_window; }
  const TRect& Client() const { return m_client; }
  // Empty without a caption.
  const TRect& CaptionBar() const { return m_captionBar; }
  // The rectangle of HTCLOSE, HTMAXBUTTON or HTMINBUTTON; empty when the frame has no such button.
  TRect Button(int hit) const;
  // Where the caption text may go: the bar left of its buttons.
  TRect CaptionTextArea() const;
  // HTCLIENT, a sizing code, HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTCAPTION or HTBORDER;
  // HTNOWHERE outside the window.
  int HitTest(TPoint p) const;
  // The same for a point that the caller knows lies outside the client area.
  int NonClientHitTest(TPoint p) const;

 private:
  int SizingCode(TPoint p) const;

  TRect m_window;
  FrameInsets m_insets;
  TRect m_client;
  TRect m_captionBar;
  TRect m_close, m_maximize, m_minimize;
  bool m_sizeable = false;
};

}  // namespace kx
