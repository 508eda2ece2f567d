#pragma once

#include <cstdint>
#include <optional>

#include "platform/gfx/region.h"
#include "platform/window/window.h"

namespace kx {

class TWindowSystem;

// The one caret of the window system: its window, place, hide count and blink.
// It is drawn as an overlay when a top-level window is presented.
class Caret {
 public:
  explicit Caret(TWindowSystem& system) : m_system(system) {}

  bool CreateCaret(HWND hwnd, int width, int height);
  bool DestroyCaret();
  bool SetCaretPos(int x, int y);
  TPoint GetCaretPos() const;
  bool ShowCaret(HWND hwnd);
  bool HideCaret(HWND hwnd);
  TRegion CaretOverlay(HWND topLevel) const;
  bool CaretOn() const;

  // When the caret blinks next, if it is shown.
  std::optional<std::uint32_t> NextBlink() const;
  // Blinks the caret when its time has come.
  void Blink(std::uint32_t now);
  void ForgetWindow(HWND hwnd);

 private:
  struct State {
    HWND hwnd = nullptr;
    TRect rect;  // client coordinates
    int hideCount = 1;
    bool blinkOn = false;
    std::uint32_t nextToggle = 0;
  };
  void MarkCaretDirty();

  TWindowSystem& m_system;
  State m_state;
};

}  // namespace kx
