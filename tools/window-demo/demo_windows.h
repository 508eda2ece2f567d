#pragma once

#include <fstream>
#include <string>

#include "platform/window/window_system.h"

namespace kx {

// The demo's windows: a framed window with a scrolled grid of numbered cells,
// a shaped window that changes colour when pressed, and a popup that takes no focus.
class DemoWindows {
 public:
  static constexpr int kCols = 30;
  static constexpr int kRows = 80;
  static constexpr int kCellWidth = 64;
  static constexpr int kCellHeight = 22;
  static constexpr int kMargin = 8;
  static constexpr TColor kEvenCell = 0xFFE8CC;  // light blue
  static constexpr TColor kOddCell = 0xE0F8FF;   // light yellow

  DemoWindows(TWindowSystem& system, const std::string& reportPath);
  HWND Main() const { return m_main; }
  HWND Grid() const { return m_grid; }
  HWND Shaped() const { return m_shaped; }
  HWND Popup() const { return m_popup; }
  int ScrollY() const { return m_scroll.Y; }

 private:
  void MainProc(HWND hwnd, TMessage& m);
  void GridProc(HWND hwnd, TMessage& m);
  void ShapedProc(HWND hwnd, TMessage& m);
  void PopupProc(HWND hwnd, TMessage& m);
  void PaintGrid(HWND hwnd);
  void LayOut();
  void UpdateScrollBars();
  void ScrollTo(int bar, int pos);
  int NewPosition(int bar, int code, int track) const;
  void Report(const std::string& line);

  TWindowSystem& m_system;
  HWND m_main = nullptr;
  HWND m_grid = nullptr;
  HWND m_shaped = nullptr;
  HWND m_popup = nullptr;
  TPoint m_scroll;
  bool m_pressed = false;
  std::ofstream m_report;
};

}  // namespace kx
