#include "platform/window/backend/headless/headless_backend.h"

#include <chrono>
#include <thread>

#include "platform/window/window_system.h"

namespace kx {

namespace {
constexpr Pixel32 kDesktop = 0xFF3A6EA5u;

Pixel32 Mix(Pixel32 under, Pixel32 over, unsigned alpha) {
  return kOpaque | RgbOf(BlendPixel(under, over, alpha));
}

void InvertRegion(TBitmap& bitmap, const TRegion& region, TPoint offset) {
  TRect bounds{0, 0, bitmap.Width(), bitmap.Height()};
  for (const TRect& r : region.Rects()) {
    TRect d = r.Offset(offset).Intersected(bounds);
    for (int y = d.Top; y < d.Bottom; ++y) {
      Pixel32* row = bitmap.ScanLine(y);
      for (int x = d.Left; x < d.Right; ++x) row[x] ^= 0x00FFFFFFu;
    }
  }
}
}  // namespace

HeadlessBackend::HeadlessBackend(TSize screen) : m_screen(screen) {}

void HeadlessBackend::Wait(int timeoutMs) {
  if (!m_idleActions.empty()) {
    std::function<void()> action = std::move(m_idleActions.front());
    m_idleActions.pop_front();
    action();
    return;
  }
  if (m_system && m_system->Clock().Runs() && timeoutMs >= 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
    return;
  }
  throw ELoopStalled("the message loop waits for input that nothing will give");
}

TBitmap HeadlessBackend::CaptureWindow(HWND topLevel) const {
  if (!m_system || !m_system->IsWindow(topLevel) || !topLevel->BackBuffer) return TBitmap();
  TBitmap image = *topLevel->BackBuffer;
  InvertRegion(image, m_system->CaretOverlay(topLevel), {0, 0});
  return image;
}

TBitmap HeadlessBackend::ComposeScreen() const {
  TBitmap screen(m_screen.cx, m_screen.cy, TPixelFormat::pf32bit);
  for (Pixel32& p : screen.PixelData()) p = kDesktop;
  if (!m_system) return screen;
  std::vector<HWND> windows = m_system->TopLevelWindows();
  TRect bounds = ScreenRect();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    HWND w = *it;
    if (!w->Visible() || w->Minimized || !w->BackBuffer) continue;
    TBitmap image = CaptureWindow(w);
    bool blend = (w->ExStyle & WS_EX_LAYERED) && w->Alpha < 255;
    TRect area = w->Rect.Intersected(bounds);
    for (int y = area.Top; y < area.Bottom; ++y) {
      int wy = y - w->Rect.Top;
      if (wy >= image.Height()) break;
      const Pixel32* src = image.ScanLine(wy);
      Pixel32* dst = screen.ScanLine(y);
      for (int x = area.Left; x < area.Right; ++x) {
        int wx = x - w->Rect.Left;
        if (wx >= image.Width()) break;
        if (w->Region && !w->Region->Contains(wx, wy)) continue;
        dst[x] = blend ? Mix(dst[x], src[wx], w->Alpha) : (src[wx] | kOpaque);
      }
    }
  }
  return screen;
}

}  // namespace kx
