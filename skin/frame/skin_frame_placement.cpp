// The skinned frame's geometry and placement: the frame geometry for the window's
// size, the objects' places, the client rectangle, the window region, the size
// limits and the first placement on the screen.
#include <algorithm>

#include "platform/window/api.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_graphics.h"
#include "skin/frame/skin_frame.h"

namespace kx {

namespace {
constexpr int kPlainBorder = 3;
constexpr int kPlainCaption = 19;
constexpr int kPlainToolCaption = 15;
constexpr int kPlainButtonGap = 2;
}  // namespace

void TksSkinFrame::RecalculateFrame(HWND h) {
  SetWindowPos(h, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TksSkinFrame::PaintsSkin() const {
  return m_skinUsable && !m_skinData->FormInfo.ClRect.IsEmpty();
}

void TksSkinFrame::RecordWindowSize() {
  if (HWND h = Handle()) {
    const TRect r = GetWindowRect(h);
    m_width = r.Width();
    m_height = r.Height();
  } else {
    m_width = m_form->Width();
    m_height = m_form->Height();
  }
}

void TksSkinFrame::Relayout() {
  if (m_skinUsable) m_geometry = ComputeFrameGeometry(*m_skinData, m_width, m_height);
  const PlainFrameGeometry plain = PlainGeometry({m_width, m_height});
  for (auto& o : m_objects) {
    if (!o->IsDefaultButton()) {
      o->ObjectRect = m_geometry.Place(o->SkinRect);
    } else if (o->Command() == TksStdCommand::cmClose) {
      o->ObjectRect = plain.Button(HTCLOSE);
    } else if (o->Command() == TksStdCommand::cmMaximize) {
      o->ObjectRect = plain.Button(HTMAXBUTTON);
    } else if (o->Command() == TksStdCommand::cmMinimize) {
      o->ObjectRect = plain.Button(HTMINBUTTON);
    } else {
      o->ObjectRect = {};  // the plain frame has no place for it
    }
  }
}

TSize TksSkinFrame::MinimumSize() const {
  if (!m_skinUsable) return {0, 0};
  const int pw = m_skinData->Picture.Width(), ph = m_skinData->Picture.Height();
  const bool minimized = m_windowState == TksWindowState::wsMinimized;
  int width = pw;
  if (MinWidth > pw && !minimized) {
    width = MinWidth;
  } else if (m_skinData->FormInfo.FormMinWidth > 0) {
    width = m_skinData->FormInfo.FormMinWidth;
  }
  int height = ph - m_skinData->FormInfo.ClRect.Height();
  if (MinHeight > height && !Folded()) height = MinHeight;
  return {width, height};
}

void TksSkinFrame::FitToMinimum() {
  if (!m_skinUsable) return;
  const TSize min = MinimumSize();
  const int w = m_form->Width(), h = m_form->Height();
  if (w < min.cx && h < min.cy) {
    m_form->SetBounds(m_form->Left(), m_form->Top(), min.cx, min.cy);
  } else if (h < min.cy) {
    m_form->SetHeight(min.cy);
  } else if (w < min.cx) {
    m_form->SetWidth(min.cx);
  } else if (HWND hwnd = Handle()) {
    RecalculateFrame(hwnd);
  }
  if (Folded()) m_form->SetHeight(min.cy);
  if (m_windowState == TksWindowState::wsMinimized) m_form->SetWidth(min.cx);
}

void TksSkinFrame::SizeChanged() {
  if (!Handle()) return;
  RecordWindowSize();
  const TSize min = MinimumSize();
  if (m_width < min.cx || m_height < min.cy) return;
  Relayout();
  if (!m_skinUsable) return;
  UpdateRegion();
  PaintNonClient();
}

void TksSkinFrame::UpdateRegion() {
  HWND h = Handle();
  if (!h || !m_skinUsable || !HasBorder()) return;
  std::optional<TRegion> region = FrameRegion(*m_skinData, m_geometry);
  WindowSystem().SetWindowRgn(h, region ? &*region : nullptr, true);
  if (OnChangeClientRect) OnChangeClientRect(this, m_geometry.Client());
  if (!region) PaintNonClient();
}

PlainFrameGeometry TksSkinFrame::PlainGeometry(TSize window) const {
  const bool tool = IsToolWindow();
  const int caption = tool ? kPlainToolCaption : kPlainCaption;
  CaptionButtons buttons;
  if ((m_borderIcons & biSystemMenu) && !HideCaptionButtons) {
    buttons.close = true;
    buttons.maximize = (m_borderIcons & biMaximize) && !tool;
    buttons.minimize = (m_borderIcons & biMinimize) && !tool;
  }
  const CaptionButtonLayout layout{{caption, caption}, {0, 0}, kPlainButtonGap, kPlainButtonGap};
  const FrameInsets insets{kPlainBorder, kPlainBorder + caption, kPlainBorder, kPlainBorder};
  const bool sizeable = Sizeable && m_windowState != TksWindowState::wsMaximized;
  return PlainFrameGeometry(window, insets, caption, buttons, layout, sizeable);
}

TRect TksSkinFrame::ClientInWindow(const TRect& window) const {
  TRect client = window;
  if (PaintsSkin()) {
    const TksFrameBorders b = FrameBorders(*m_skinData);
    client = {window.Left + b.Left, window.Top + b.Top, window.Right - b.Right,
              window.Bottom - b.Bottom};
  } else {
    const FrameInsets in = PlainGeometry({window.Width(), window.Height()}).Insets();
    client = {window.Left + in.left, window.Top + in.top, window.Right - in.right,
              window.Bottom - in.bottom};
  }
  client.Right = std::max(client.Right, client.Left);
  client.Bottom = std::max(client.Bottom, client.Top);
  return client;
}

void TksSkinFrame::SetSizeLimits(MINMAXINFO& info) const {
  HWND h = Handle();
  const TRect area = h ? GetWorkArea(h, !MaximizeOnFullScreen) : TRect{};
  if (m_skinUsable) {
    const TSize min = MinimumSize();
    info.ptMinTrackSize = {min.cx, min.cy};
  }
  if (!area.IsEmpty()) info.ptMaxTrackSize = {area.Width(), area.Height()};
  if (MaxWidth > 0) info.ptMaxTrackSize.X = std::min(info.ptMaxTrackSize.X, MaxWidth);
  if (MaxHeight > 0) info.ptMaxTrackSize.Y = std::min(info.ptMaxTrackSize.Y, MaxHeight);
}

void TksSkinFrame::PositionOnFirstShow() {
  if (m_shownOnce) return;
  m_shownOnce = true;
  if (PositionInMonitor == TksPositionInMonitor::kspDefault) return;
  const TRect area = Screen().WorkAreaRect();
  const int w = m_form->Width(), h = m_form->Height();
  m_form->SetBounds(area.Left + (area.Width() - w) / 2, area.Top + (area.Height() - h) / 2, w, h);
}

TPoint TksSkinFrame::ToWindow(TPoint screen) const {
  HWND h = Handle();
  return h ? screen - GetWindowRect(h).TopLeft() : screen;
}

TPoint TksSkinFrame::CursorInWindow() const {
  return Handle() ? ToWindow(GetCursorPos()) : TPoint{};
}

}  // namespace kx
