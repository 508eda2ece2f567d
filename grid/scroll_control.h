#pragma once

#include <functional>

#include "grid/scroll_bar.h"
#include "platform/forms/controls.h"

namespace kx {

using TDgScrollEvent = std::function<void(TObject* sender, int position)>;

enum class TBorderStyle { bsNone, bsSingle };

// A control with its own horizontal and vertical scroll-bar objects: it turns
// scroll messages and wheel steps into bar positions and lets the derived
// control move its content when a position changes.
class TDgCustomScrollControl : public TCustomControl {
 public:
  explicit TDgCustomScrollControl(TComponent* owner);
  ~TDgCustomScrollControl() override;

  TDgScrollBar& HorzScrollBar() { return m_horzScrollBar; }
  TDgScrollBar& VertScrollBar() { return m_vertScrollBar; }
  const TDgScrollBar& HorzScrollBar() const { return m_horzScrollBar; }
  const TDgScrollBar& VertScrollBar() const { return m_vertScrollBar; }
  bool MouseWheelEnabled = true;
  // bsSingle gives the window a one-pixel static edge, which the platform's
  // non-client code sizes and paints; the client area shrinks by it.
  TBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TBorderStyle style);

  TDgScrollEvent OnVerticalScroll;
  TDgScrollEvent OnHorizontalScroll;

 protected:
  friend class TDgCustomScrollBar;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& m) override;
  // A wheel step becomes a line (page with Ctrl) scroll message of the bar that can move.
  bool MouseWheel(TShiftState shift, int delta, int x, int y) override;
  // Moves the content for a bar position change from `from` to `to`.
  virtual void ScrollContent(TScrollBarKind kind, int from, int to) = 0;
  // Called before a scroll message is applied (the vertical bar is brought up to date here).
  virtual void BeforeScroll(TScrollBarKind kind) { (void)kind; }
  // Called after a horizontal scroll message has moved the content.
  virtual void AfterScroll(TScrollBarKind kind) { (void)kind; }
  // Whether a wheel step may scroll now (derived controls say no while editing).
  virtual bool CanWheelScroll() const { return true; }

 private:
  void HandleScroll(TScrollBarKind kind, int code);
  TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
  TDgScrollBar m_horzScrollBar{*this, TScrollBarKind::sbHorizontal};
  TDgScrollBar m_vertScrollBar{*this, TScrollBarKind::sbVertical};
};

}  // namespace kx
