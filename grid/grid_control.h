#pragma once

#include <memory>
#include <optional>
#include <string>

#include "grid/flyouts.h"
#include "grid/scroll_control.h"

namespace kx {

class THintWindow;

// What the grid's own hint window shows.
enum class TGridHintKind { None = 0, Footer = 1, Header = 2, FitHint = 3, CellHint = 4 };

// The services a grid control has besides its cells: its cursors, its own
// hint window, the floating windows of column dragging, and scrolling by
// holding the middle mouse button.
class TDgCustomGridControl : public TDgCustomScrollControl {
 public:
  explicit TDgCustomGridControl(TComponent* owner);
  ~TDgCustomGridControl() override;

  TGridHintKind HintKind() const { return m_hintKind; }
  // The hint window while a hint shows, else nullptr.
  const THintWindow* GridHint() const;
  bool Rolling() const { return m_roll.has_value(); }

 protected:
  void WndProc(TMessage& m) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void DoExit() override;

  // Shows text with its top-left at a client point, at most maxWidth wide,
  // while the grid's form is the active form. Cell and header hints also need
  // the application's ShowHint.
  void ShowGridHint(TGridHintKind kind, const std::string& text, TPoint client, int maxWidth);
  void HideGridHint();
  // The grid's form is the active one.
  bool FormActive() const;
  // Sets the cursor now (the mouse may be captured, so no WM_SETCURSOR comes).
  void ShowCursor(int cursor);

  TColumnDragBox& DragBox() { return m_dragBox; }
  TDragArrow& DownArrow() { return m_downArrow; }
  TDragArrow& UpArrow() { return m_upArrow; }

 private:
  void StartRoll(int x, int y);
  void RollTick();
  void StopRoll();

  std::unique_ptr<THintWindow> m_hint;
  TGridHintKind m_hintKind = TGridHintKind::None;
  TColumnDragBox m_dragBox{*this};
  TDragArrow m_downArrow{*this, TDragArrow::Direction::Down};
  TDragArrow m_upArrow{*this, TDragArrow::Direction::Up};
  TRollShadow m_rollShadow{*this};
  // Scrolling while the middle button is held: where it was pressed, and the
  // way the mouse points from there (-1 up, 1 down, 0 at rest).
  struct RollGesture {
    TPoint origin;
    int direction = 0;
  };
  std::optional<RollGesture> m_roll;
};

}  // namespace kx
