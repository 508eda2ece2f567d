#include "grid/flyouts.h"

#include "platform/forms/controls.h"
#include "platform/window/api.h"

namespace kx {

TDgFlyoutControl::TDgFlyoutControl(TWinControl& grid) : m_grid(grid) {}

TDgFlyoutControl::~TDgFlyoutControl() {
  if (WindowSystemExists() && IsWindow(m_handle)) DestroyWindow(m_handle);
}

std::optional<TRegion> TDgFlyoutControl::Shape(int, int) const {
  return std::nullopt;
}

void TDgFlyoutControl::CreateHandle(const TRect& screen) {
  TCreateParams params;
  params.ClassName = "TDgFlyoutControl";
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  params.ClassStyle = CS_SAVEBITS;
  params.Bounds = screen;
  params.Owner = m_grid.HandleAllocated() ? m_grid.Handle() : nullptr;
  params.Proc = [this](HWND hwnd, TMessage& m) {
    switch (m.Msg) {
      case WM_ERASEBKGND:
        m.Result = 1;
        return;
      case WM_PAINT: {
        TPaintStruct ps;
        TCanvas& canvas = WindowSystem().BeginPaint(hwnd, ps);
        Paint(canvas, WindowSystem().GetClientRect(hwnd));
        WindowSystem().EndPaint(hwnd, ps);
        return;
      }
      case WM_NCHITTEST:
        m.Result = HTTRANSPARENT;
        return;
      case WM_MOUSEACTIVATE:
        m.Result = MA_NOACTIVATE;
        return;
      default:
        WindowSystem().DefWindowProc(hwnd, m);
    }
  };
  m_handle = WindowSystem().CreateWindowEx(params);
}

void TDgFlyoutControl::ShowAt(const TRect& screen) {
  if (!IsWindow(m_handle)) CreateHandle(screen);
  if (!m_handle) return;
  TRect old = GetWindowRect(m_handle);
  if (old.Width() != screen.Width() || old.Height() != screen.Height() || !Showing()) {
    std::optional<TRegion> shape = Shape(screen.Width(), screen.Height());
    WindowSystem().SetWindowRgn(m_handle, shape ? &*shape : nullptr, false);
  }
  SetWindowPos(m_handle, HWND_TOPMOST, screen.Left, screen.Top, screen.Width(), screen.Height(),
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TDgFlyoutControl::Hide() {
  if (IsWindow(m_handle)) ShowWindow(m_handle, SW_HIDE);
}

bool TDgFlyoutControl::Showing() const {
  return WindowSystemExists() && IsWindow(m_handle) && WindowSystem().IsWindowVisible(m_handle);
}

void TDgFlyoutControl::Repaint() {
  if (!IsWindow(m_handle)) return;
  InvalidateRect(m_handle, nullptr, false);
  UpdateWindow(m_handle);
}

// ---- the drag box

void TColumnDragBox::Paint(TCanvas& canvas, const TRect& client) {
  if (m_painter) m_painter(canvas, client);
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = clBlack;
  canvas.FillRect({client.Right - 1, client.Top, client.Right, client.Bottom});
  canvas.FillRect({client.Left, client.Bottom - 1, client.Right, client.Bottom});
}

// ---- the drop arrows

void TDragArrow::Paint(TCanvas& canvas, const TRect& client) {
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = static_cast<TColor>(255);
  canvas.FillRect(client);
}

std::optional<TRegion> TDragArrow::Shape(int, int) const {
  if (m_direction == Direction::Up) {
    return TRegion::FromPolygon({{-1, 5}, {4, -1}, {9, 5}, {6, 5}, {6, 9}, {3, 9}, {3, 4}, {0, 5}});
  }
  return TRegion::FromPolygon({{5, 0}, {3, 0}, {3, 4}, {0, 4}, {4, 9}, {9, 4}, {6, 4}, {6, 0}});
}

// ---- the roll indicator

void TRollShadow::Paint(TCanvas& canvas, const TRect& client) {
  canvas.Brush().Style = TBrushStyle::bsSolid;
  canvas.Brush().Color = clGrayText;
  canvas.FillRect(client);
}

std::optional<TRegion> TRollShadow::Shape(int, int) const {
  TRegion up = TRegion::FromPolygon({{-1, 7}, {7, -1}, {8, 0}, {14, 7}, {0, 6}});
  TRegion down = TRegion::FromPolygon({{-1, 15}, {14, 15}, {6, 22}, {6, 22}, {-1, 14}});
  TRegion disc = TRegion::FromEllipse({5, 9, 10, 14});
  return TRegion::Combine(TRegion::Combine(up, down, RegionOp::Or), disc, RegionOp::Or);
}

}  // namespace kx
