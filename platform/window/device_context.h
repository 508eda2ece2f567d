#pragma once

#include <memory>

#include "platform/gfx/canvas.h"
#include "platform/window/window.h"

namespace kx {

// A device context: a canvas over a top-level back buffer, placed and clipped
// for one window. Releasing it (destruction) marks the drawn part for presenting.
class TDeviceContext {
 public:
  TDeviceContext(HWND owner, TBitmap& target, TRect dirtyBounds);
  ~TDeviceContext();
  TDeviceContext(const TDeviceContext&) = delete;
  TDeviceContext& operator=(const TDeviceContext&) = delete;
  TCanvas& Canvas() { return m_canvas; }
  HWND Window() const { return m_owner; }

 private:
  HWND m_owner;
  TCanvas m_canvas;
  TRect m_dirty;
};
using HDC = std::unique_ptr<TDeviceContext>;

struct TPaintStruct {
  HDC hdc;
  bool fErase = false;  // the background still needs erasing
  TRect rcPaint;        // client coordinates
};

// Raw input as a backend or the test driver reports it, routed when it is read.
struct RawInput {
  enum class Kind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Char, MouseLeft };
  Kind kind = Kind::MouseMove;
  TPoint screen;
  int button = 0;  // 0 left, 1 right, 2 middle
  int delta = 0;   // wheel
  int vk = 0;
  char32_t ch = 0;  // a whole character (code point) for Kind::Char
  bool noTranslate = false;
};

}  // namespace kx
