#include "platform/forms/hint_window.h"

#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"

namespace kx {

namespace {
constexpr UINT kHintFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
TFont HintFont() {
  return TFont("MS Sans Serif", -11, {}, clInfoText);
}
}  // namespace

THintWindow::THintWindow() = default;

THintWindow::~THintWindow() {
  ReleaseHandle();
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& text) const {
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = HintFont();
  TRect r{0, 0, maxWidth, 0};
  DrawText(scratch.Canvas(), text, r, kHintFormat | DT_CALCRECT);
  // The text stands 2 pixels (3 at the left) inside the client area, which a
  // 1-pixel border surrounds.
  r.Right += 2 * 1 + 2 * 2 + 1 + 1;
  r.Bottom += 2 * 1 + 2 * 2;
  return r;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& text) {
  TWindowSystem& sys = WindowSystem();
  m_text = text;
  if (!sys.IsWindow(m_handle)) {
    TCreateParams p;
    p.ClassName = "THintWindow";
    p.Style = WS_POPUP | WS_BORDER;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.ClassStyle = CS_SAVEBITS | CS_DROPSHADOW;
    p.Bounds = rect;
    p.Background = Color;
    p.Proc = [this](HWND h, TMessage& m) {
      if (m.Msg == WM_PAINT) {
        Paint(h);
        return;
      }
      if (m.Msg == WM_NCHITTEST) {
        m.Result = HTTRANSPARENT;
        return;
      }
      WindowSystem().DefWindowProc(h, m);
    };
    m_handle = sys.CreateWindowEx(p);
  }
  if (!m_handle) return;
  sys.SetClassBackground(m_handle, Color);
  sys.SetWindowText(m_handle, text);
  sys.SetWindowPos(m_handle, HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                   SWP_NOACTIVATE | SWP_SHOWWINDOW);
  sys.InvalidateRect(m_handle, nullptr, true);
}

void THintWindow::ReleaseHandle() {
  if (!WindowSystemExists()) return;
  TWindowSystem& sys = WindowSystem();
  if (sys.IsWindow(m_handle)) sys.DestroyWindow(m_handle);
  m_handle = nullptr;
}

bool THintWindow::Showing() const {
  return WindowSystemExists() && WindowSystem().IsWindowVisible(m_handle);
}

void THintWindow::Paint(HWND hwnd) {
  TWindowSystem& sys = WindowSystem();
  TPaintStruct ps;
  TCanvas& c = sys.BeginPaint(hwnd, ps);
  c.Font() = HintFont();
  c.Brush().Style = TBrushStyle::bsClear;
  TRect r = sys.GetClientRect(hwnd);
  r = r.Inflated(-2, -2);
  r.Left += 1;
  DrawText(c, m_text, r, kHintFormat);
  sys.EndPaint(hwnd, ps);
}

}  // namespace kx
