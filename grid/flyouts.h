#pragma once

#include <functional>
#include <optional>

#include "platform/gfx/canvas.h"
#include "platform/gfx/region.h"
#include "platform/window/window.h"

namespace kx {

class TWinControl;

// A small floating window of the grid: a top-most tool pop-up owned by the
// grid's window, kept in front, that never takes the focus or erases its
// background. It is created on first show and destroyed with its object.
class TDgFlyoutControl {
 public:
  explicit TDgFlyoutControl(TWinControl& grid);
  virtual ~TDgFlyoutControl();
  TDgFlyoutControl(const TDgFlyoutControl&) = delete;
  TDgFlyoutControl& operator=(const TDgFlyoutControl&) = delete;

  // Shows the window at the rectangle (screen coordinates), in front.
  void ShowAt(const TRect& screen);
  void Hide();
  bool Showing() const;
  HWND Handle() const { return m_handle; }
  // Paints the window again now.
  void Repaint();

 protected:
  // Paints the whole client area (0, 0, width, height).
  virtual void Paint(TCanvas& canvas, const TRect& client) = 0;
  // The window's shape at its size, or none for the whole rectangle.
  virtual std::optional<TRegion> Shape(int width, int height) const;

 private:
  void CreateHandle(const TRect& screen);
  TWinControl& m_grid;
  HWND m_handle = nullptr;
};

// The header of a dragged column that follows the mouse.
class TColumnDragBox : public TDgFlyoutControl {
 public:
  using HeaderPainter = std::function<void(TCanvas& canvas, const TRect& rect)>;
  using TDgFlyoutControl::TDgFlyoutControl;
  // What the box shows: the header drawn into its rectangle.
  void SetPainter(HeaderPainter painter) { m_painter = std::move(painter); }

 protected:
  void Paint(TCanvas& canvas, const TRect& client) override;

 private:
  HeaderPainter m_painter;
};

// A red 9 × 9 arrow that marks where a dragged column would land.
class TDragArrow : public TDgFlyoutControl {
 public:
  enum class Direction { Up, Down };
  TDragArrow(TWinControl& grid, Direction direction)
      : TDgFlyoutControl(grid), m_direction(direction) {}
  static constexpr int kSize = 9;

 protected:
  void Paint(TCanvas& canvas, const TRect& client) override;
  std::optional<TRegion> Shape(int width, int height) const override;

 private:
  Direction m_direction;
};

// The roll indicator at the middle-button press point: two triangles and a
// disc in the grey of disabled text.
class TRollShadow : public TDgFlyoutControl {
 public:
  using TDgFlyoutControl::TDgFlyoutControl;
  static constexpr int kSize = 32;

 protected:
  void Paint(TCanvas& canvas, const TRect& client) override;
  std::optional<TRegion> Shape(int width, int height) const override;
};

}  // namespace kx
