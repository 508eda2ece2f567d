#pragma once

#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "platform/window/device_context.h"

namespace kx {

class TWindowSystem;

// Invalidation and painting: update regions, paint and non-client paint
// messages, device contexts clipped to what a window shows of itself inside its
// top-level back buffer, scrolling pixels, and presenting the dirty parts.
class Painter {
 public:
  explicit Painter(TWindowSystem& system) : m_system(system) {}
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  bool RedrawWindow(HWND hwnd, const TRect* rect, const TRegion* region, UINT flags);
  bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase);
  bool InvalidateRgn(HWND hwnd, const TRegion& region, bool erase);
  bool ValidateRect(HWND hwnd, const TRect* rect);
  bool UpdateWindow(HWND hwnd);
  bool GetUpdateRect(HWND hwnd, TRect& rect) const;
  const TRegion& GetUpdateRegion(HWND hwnd) const;
  TCanvas& BeginPaint(HWND hwnd, TPaintStruct& ps);
  void EndPaint(HWND hwnd, TPaintStruct& ps);
  HDC GetDC(HWND hwnd);
  HDC GetWindowDC(HWND hwnd);
  TRegion VisibleRegion(HWND hwnd, bool clientOnly, bool clipChildren) const;
  int ScrollWindowEx(HWND hwnd, int dx, int dy, const TRect* scroll, const TRect* clip,
                     TRegion* updateRegion, TRect* updateRect, UINT flags);
  void MarkDirty(HWND topLevel, const TRect& windowRect);
  void PresentAll();

  // Where the window's top-left corner lies in its top-level window.
  TPoint OffsetInTopLevel(HWND hwnd) const;
  // Invalidates the part of the parent that a child uncovered.
  void ExposeInParent(HWND hwnd, const TRect& rectInParent);
  // The next WM_PAINT of the queue, after a pending non-client paint; false when nothing waits.
  bool TakePaintMessage(TMsg& msg);
  // Delivers WM_PAINT; a window that neither paints nor validates is validated.
  LRESULT DispatchPaint(const TMsg& msg);
  void ForgetWindow(HWND hwnd);

 private:
  void InvalidateTree(HWND hwnd, TRegion clientRegion, UINT flags);
  HDC MakeDC(HWND hwnd, bool client, const TRegion* clipClient);
  TRegion ShapeInTopLevel(HWND hwnd) const;
  void PaintNow(HWND hwnd, bool withChildren);
  HWND FindWindowNeedingPaint(HWND hwnd) const;

  TWindowSystem& m_system;
  HWND m_paintingHwnd = nullptr;
  bool m_paintedDuringDispatch = false;
  TBitmap m_nullTarget{1, 1};
};

}  // namespace kx
