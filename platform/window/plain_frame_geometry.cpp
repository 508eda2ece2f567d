#include "platform/window/plain_frame_geometry.h"

#include <algorithm>

#include "platform/window/messages.h"

namespace kx {

namespace {
// Border points this close to a corner size the window at that corner.
constexpr int kSizingCorner = 16;
}  // namespace

PlainFrameGeometry::PlainFrameGeometry(TSize window, FrameInsets insets, int captionHeight,
                                       CaptionButtons buttons, const CaptionButtonLayout& layout,
                                       bool sizeable)
    : m_window{0, 0, window.cx, window.cy}, m_insets(insets), m_sizeable(sizeable) {
  m_client = {insets.left, insets.top, std::max(insets.left, window.cx - insets.right),
              std::max(insets.top, window.cy - insets.bottom)};
  if (captionHeight <= 0) return;
  m_captionBar = {insets.left, insets.top - captionHeight, window.cx - insets.right, insets.top};
  int right = m_captionBar.Right - layout.inset.X;
  const int top = m_captionBar.Top + layout.inset.Y;
  auto next = [&](bool shown, int gap, TRect& button) {
    if (!shown) return;
    button = Bounds(right - layout.size.cx, top, layout.size.cx, layout.size.cy);
    right = button.Left - gap;
  };
  next(buttons.close, layout.gapAfterClose, m_close);
  next(buttons.maximize, layout.gapBetween, m_maximize);
  next(buttons.minimize, layout.gapBetween, m_minimize);
}

TRect PlainFrameGeometry::Button(int hit) const {
  switch (hit) {
    case HTCLOSE:
      return m_close;
    case HTMAXBUTTON:
      return m_maximize;
    case HTMINBUTTON:
      return m_minimize;
    default:
      return {};
  }
}

TRect PlainFrameGeometry::CaptionTextArea() const {
  TRect area = m_captionBar;
  area.Left += 4;
  area.Right -= 4;
  for (const TRect* button : {&m_close, &m_maximize, &m_minimize}) {
    if (!button->IsEmpty()) area.Right = std::min(area.Right, button->Left - 2);
  }
  area.Right = std::max(area.Right, area.Left);
  return area;
}

int PlainFrameGeometry::SizingCode(TPoint p) const {
  const int w = m_window.Width(), h = m_window.Height();
  const int border = m_insets.left;
  bool left = p.X < border;
  bool right = p.X >= w - m_insets.right;
  bool top = p.Y < border;
  bool bottom = p.Y >= h - m_insets.bottom;
  if (left || right) {
    top = top || p.Y < kSizingCorner;
    bottom = bottom || p.Y >= h - kSizingCorner;
  }
  if (top || bottom) {
    left = left || p.X < kSizingCorner;
    right = right || p.X >= w - kSizingCorner;
  }
  if (top && left) return HTTOPLEFT;
  if (top && right) return HTTOPRIGHT;
  if (bottom && left) return HTBOTTOMLEFT;
  if (bottom && right) return HTBOTTOMRIGHT;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  if (top) return HTTOP;
  if (bottom) return HTBOTTOM;
  return HTNOWHERE;
}

int PlainFrameGeometry::HitTest(TPoint p) const {
  if (!m_window.Contains(p)) return HTNOWHERE;
  if (m_client.Contains(p)) return HTCLIENT;
  return NonClientHitTest(p);
}

int PlainFrameGeometry::NonClientHitTest(TPoint p) const {
  if (m_sizeable) {
    if (int code = SizingCode(p); code != HTNOWHERE) return code;
  }
  for (int hit : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
    if (Button(hit).Contains(p)) return hit;
  }
  if (m_captionBar.Contains(p)) return HTCAPTION;
  return HTBORDER;
}

}  // namespace kx
