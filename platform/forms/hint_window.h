#pragma once

#include <string>

#include "platform/base/color.h"
#include "platform/base/geometry.h"
#include "platform/window/window_system.h"

namespace kx {

// The pop-up that shows a hint text: a bordered window that takes no focus,
// in the application's hint colour.
class THintWindow {
 public:
  THintWindow();
  ~THintWindow();
  THintWindow(const THintWindow&) = delete;
  THintWindow& operator=(const THintWindow&) = delete;

  TColor Color = clInfoBk;
  // The window rectangle (at 0, 0) that shows text within maxWidth pixels.
  TRect CalcHintRect(int maxWidth, const std::string& text) const;
  // Shows text in rect (screen coordinates).
  void ActivateHint(const TRect& rect, const std::string& text);
  void ReleaseHandle();
  bool Showing() const;
  HWND Handle() const { return m_handle; }
  const std::string& Text() const { return m_text; }

 private:
  void Paint(HWND hwnd);
  HWND m_handle = nullptr;
  std::string m_text;
};

}  // namespace kx
