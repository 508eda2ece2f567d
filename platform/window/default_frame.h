#pragma once

#include <optional>

#include "platform/window/device_context.h"
#include "platform/window/plain_frame_geometry.h"
#include "platform/window/window.h"

namespace kx {

class TWindowSystem;

// The plain frame that windows get by default: its borders, caption and caption
// buttons, hit testing, painting, and moving and sizing by the mouse.
class DefaultFrame {
 public:
  explicit DefaultFrame(TWindowSystem& system) : m_system(system) {}
  DefaultFrame(const DefaultFrame&) = delete;
  DefaultFrame& operator=(const DefaultFrame&) = delete;

  FrameInsets DefaultFrameInsets(HWND hwnd) const;
  int DefaultHitTest(HWND hwnd, TPoint screen) const;
  void DefaultNcPaint(HWND hwnd);
  TRect CaptionButtonRect(HWND hwnd, int hit) const;  // window coordinates
  // The parts of the window's frame as its styles give them.
  PlainFrameGeometry Geometry(HWND hwnd) const;
  void BeginMoveSize(HWND hwnd, int hit);
  MINMAXINFO QueryMinMaxInfo(HWND hwnd);
  void OnNativeMoved(HWND hwnd, TPoint screen);
  bool InSizeMove() const { return m_moveSize.active; }

  // Moves or sizes the tracked window; true when the input belonged to the tracking.
  bool HandleMoveSizeInput(const RawInput& input);
  void CancelMoveSize(HWND hwnd);
  // A caption button pressed on hwnd shows pressed until the release.
  void PressCaptionButton(HWND hwnd, int hit);
  // Ends the press; the hit test code of the button that hwnd had pressed, if it had.
  std::optional<int> ReleaseCaptionButton(HWND hwnd);
  void ForgetWindow(HWND hwnd);

 private:
  struct MoveSizeTracking {
    bool active = false;
    HWND hwnd = nullptr;
    int hit = HTCAPTION;
    TPoint start;
    TRect startRect;
  };
  void EndMoveSize();

  TWindowSystem& m_system;
  MoveSizeTracking m_moveSize;
  HWND m_pressedCaptionButton = nullptr;
  int m_pressedCaptionHit = 0;
};

}  // namespace kx
