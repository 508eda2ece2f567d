#include "tools/window-demo/demo_windows.h"

#include <algorithm>

#include "platform/gfx/draw_text.h"

namespace kx {

DemoWindows::DemoWindows(TWindowSystem& system, const std::string& reportPath) : m_system(system) {
  if (!reportPath.empty()) m_report.open(reportPath);
  TCreateParams main;
  main.ClassName = "DemoMain";
  main.Text = "Kestrix window demo";
  main.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  main.Bounds = Bounds(100, 100, 640, 480);
  main.Proc = [this](HWND h, TMessage& m) { MainProc(h, m); };
  m_main = system.CreateWindowEx(main);

  TCreateParams grid;
  grid.ClassName = "DemoGrid";
  grid.Style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP;
  grid.ExStyle = WS_EX_STATICEDGE;
  grid.Parent = m_main;
  grid.Bounds = Bounds(kMargin, kMargin, 400, 300);
  grid.Background = clWindow;
  grid.Proc = [this](HWND h, TMessage& m) { GridProc(h, m); };
  m_grid = system.CreateWindowEx(grid);
  LayOut();

  TCreateParams shaped;
  shaped.ClassName = "DemoShaped";
  shaped.Text = "Shaped";
  shaped.Style = WS_POPUP;
  shaped.Bounds = Bounds(800, 120, 200, 160);
  shaped.Proc = [this](HWND h, TMessage& m) { ShapedProc(h, m); };
  m_shaped = system.CreateWindowEx(shaped);
  TRegion ellipse = TRegion::FromEllipse({0, 0, 200, 160});
  system.SetWindowRgn(m_shaped, &ellipse, false);

  TCreateParams popup;
  popup.ClassName = "DemoPopup";
  popup.Text = "Popup";
  popup.Style = WS_POPUP | WS_BORDER;
  popup.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
  popup.ClassStyle = CS_SAVEBITS | CS_DROPSHADOW;
  popup.Owner = m_main;
  popup.Bounds = Bounds(800, 320, 200, 40);
  popup.Background = clInfoBk;
  popup.Proc = [this](HWND h, TMessage& m) { PopupProc(h, m); };
  m_popup = system.CreateWindowEx(popup);

  system.ShowWindow(m_main, SW_SHOW);
  system.ShowWindow(m_shaped, SW_SHOWNA);
  system.ShowWindow(m_popup, SW_SHOWNA);
  system.SetFocus(m_grid);
}

void DemoWindows::Report(const std::string& line) {
  if (!m_report.is_open()) return;
  m_report << line << '\n';
  m_report.flush();
}

void DemoWindows::MainProc(HWND hwnd, TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      if (m_grid) LayOut();
      break;
    case WM_DESTROY:
      m_system.PostQuitMessage(0);
      break;
    default:
      break;
  }
  m_system.DefWindowProc(hwnd, m);
}

void DemoWindows::LayOut() {
  TRect c = m_system.GetClientRect(m_main);
  m_system.MoveWindow(m_grid, {kMargin, kMargin, std::max(kMargin, c.Right - kMargin),
                               std::max(kMargin, c.Bottom - kMargin)});
  UpdateScrollBars();
}

void DemoWindows::UpdateScrollBars() {
  TRect c = m_system.GetClientRect(m_grid);
  SCROLLINFO v{SIF_RANGE | SIF_PAGE,          0, kRows * kCellHeight - 1,
               static_cast<UINT>(c.Height()), 0, 0};
  m_system.SetScrollInfo(m_grid, SB_VERT, v, true);
  c = m_system.GetClientRect(m_grid);
  SCROLLINFO h{SIF_RANGE | SIF_PAGE, 0, kCols * kCellWidth - 1, static_cast<UINT>(c.Width()), 0, 0};
  m_system.SetScrollInfo(m_grid, SB_HORZ, h, true);
  ScrollTo(SB_VERT, m_system.GetScrollPos(m_grid, SB_VERT));
  ScrollTo(SB_HORZ, m_system.GetScrollPos(m_grid, SB_HORZ));
}

int DemoWindows::NewPosition(int bar, int code, int track) const {
  SCROLLINFO si{SIF_ALL, 0, 0, 0, 0, 0};
  m_system.GetScrollInfo(m_grid, bar, si);
  int line = bar == SB_VERT ? kCellHeight : kCellWidth;
  switch (code) {
    case SB_LINEUP:
      return si.nPos - line;
    case SB_LINEDOWN:
      return si.nPos + line;
    case SB_PAGEUP:
      return si.nPos - static_cast<int>(si.nPage);
    case SB_PAGEDOWN:
      return si.nPos + static_cast<int>(si.nPage);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return track;
    case SB_TOP:
      return si.nMin;
    case SB_BOTTOM:
      return si.nMax;
    default:
      return si.nPos;
  }
}

void DemoWindows::ScrollTo(int bar, int pos) {
  m_system.SetScrollPos(m_grid, bar, pos, true);
  int now = m_system.GetScrollPos(m_grid, bar);
  int& current = bar == SB_VERT ? m_scroll.Y : m_scroll.X;
  int delta = current - now;
  if (delta == 0) return;
  current = now;
  if (bar == SB_VERT) {
    m_system.ScrollWindowEx(m_grid, 0, delta, nullptr, nullptr, nullptr, nullptr,
                            SW_INVALIDATE | SW_ERASE);
  } else {
    m_system.ScrollWindowEx(m_grid, delta, 0, nullptr, nullptr, nullptr, nullptr,
                            SW_INVALIDATE | SW_ERASE);
  }
}

void DemoWindows::GridProc(HWND hwnd, TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      if (m_grid) UpdateScrollBars();
      break;
    case WM_VSCROLL:
    case WM_HSCROLL: {
      int bar = m.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
      ScrollTo(bar, NewPosition(bar, LOWORD(m.WParam), HIWORD(m.WParam)));
      return;
    }
    case WM_MOUSEWHEEL:
      ScrollTo(SB_VERT,
               m_scroll.Y - GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA * 3 * kCellHeight);
      return;
    case WM_LBUTTONDOWN: {
      TPoint p = PointFromLParam(m.LParam);
      int col = (p.X + m_scroll.X) / kCellWidth;
      int row = (p.Y + m_scroll.Y) / kCellHeight;
      Report("click " + std::to_string(p.X) + " " + std::to_string(p.Y) + " cell " +
             std::to_string(row * kCols + col + 1));
      m_system.SetFocus(hwnd);
      break;
    }
    case WM_PAINT:
      PaintGrid(hwnd);
      return;
    default:
      break;
  }
  m_system.DefWindowProc(hwnd, m);
}

void DemoWindows::PaintGrid(HWND hwnd) {
  TPaintStruct ps;
  TCanvas& c = m_system.BeginPaint(hwnd, ps);
  c.Font() = TFont("Arial", -11);
  TRect area = ps.rcPaint.Offset(m_scroll);
  int firstCol = std::max(0, area.Left / kCellWidth);
  int lastCol = std::min(kCols - 1, (area.Right - 1) / kCellWidth);
  int firstRow = std::max(0, area.Top / kCellHeight);
  int lastRow = std::min(kRows - 1, (area.Bottom - 1) / kCellHeight);
  c.Brush().Color = clWindow;
  c.FillRect(ps.rcPaint);
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int col = firstCol; col <= lastCol; ++col) {
      TRect cell = Bounds(col * kCellWidth - m_scroll.X, row * kCellHeight - m_scroll.Y, kCellWidth,
                          kCellHeight);
      c.Brush().Style = TBrushStyle::bsSolid;
      c.Brush().Color = (row + col) % 2 ? kOddCell : kEvenCell;
      c.FillRect(cell);
      c.Brush().Color = clBtnShadow;
      c.FrameRect({cell.Left, cell.Top, cell.Right + 1, cell.Bottom + 1});
      c.Brush().Style = TBrushStyle::bsClear;
      TRect text = cell.Inflated(-4, 0);
      DrawText(c, std::to_string(row * kCols + col + 1), text,
               DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
  }
  m_system.EndPaint(hwnd, ps);
}

void DemoWindows::ShapedProc(HWND hwnd, TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
      m_pressed = !m_pressed;
      Report(std::string("shaped ") + (m_pressed ? "pressed" : "released"));
      m_system.InvalidateRect(hwnd, nullptr, false);
      return;
    case WM_PAINT: {
      TPaintStruct ps;
      TCanvas& c = m_system.BeginPaint(hwnd, ps);
      c.Brush().Color = m_pressed ? clMaroon : clTeal;
      c.FillRect(m_system.GetClientRect(hwnd));
      c.Font() = TFont("Arial", -16, TFontStyle::fsBold, clWhite);
      c.Brush().Style = TBrushStyle::bsClear;
      TRect r = m_system.GetClientRect(hwnd);
      DrawText(c, m_pressed ? "Pressed" : "Press me", r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
      m_system.EndPaint(hwnd, ps);
      return;
    }
    default:
      break;
  }
  m_system.DefWindowProc(hwnd, m);
}

void DemoWindows::PopupProc(HWND hwnd, TMessage& m) {
  if (m.Msg == WM_PAINT) {
    TPaintStruct ps;
    TCanvas& c = m_system.BeginPaint(hwnd, ps);
    c.Font() = TFont("Arial", -12, {}, clInfoText);
    c.Brush().Style = TBrushStyle::bsClear;
    TRect r = m_system.GetClientRect(hwnd);
    DrawText(c, "A popup that takes no focus", r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    m_system.EndPaint(hwnd, ps);
    return;
  }
  m_system.DefWindowProc(hwnd, m);
}

}  // namespace kx
