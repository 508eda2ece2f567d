#pragma once

namespace kx {

class TDgCustomScrollControl;

enum class TScrollBarKind { sbHorizontal, sbVertical };

// One of the scroll control's two window scroll bars: its values, kept within
// their rules, pushed to the window's bar; a position change scrolls the
// control's content unless updates are held.
class TDgCustomScrollBar {
 public:
  TDgCustomScrollBar(TDgCustomScrollControl& control, TScrollBarKind kind);
  TDgCustomScrollBar(const TDgCustomScrollBar&) = delete;
  TDgCustomScrollBar& operator=(const TDgCustomScrollBar&) = delete;
  virtual ~TDgCustomScrollBar() = default;

  TScrollBarKind Kind() const { return m_kind; }
  bool AutoHide() const { return m_autoHide; }
  void SetAutoHide(bool value);
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool value);
  bool Visible() const { return m_visible; }
  int Min() const { return m_min; }
  void SetMin(int value);
  int Max() const { return m_max; }
  // Below 0 stores 0; shows or hides the bar and pulls the position down to Max.
  void SetMax(int value);
  int PageSize() const { return m_pageSize; }
  // At most 0 stores 1.
  void SetPageSize(int value);
  int Position() const { return m_position; }
  // Clamps to [Min, Max] and to 0, pushes the values to the window's bar and
  // scrolls the content by the change unless updates are held.
  void SetPosition(int value);
  int SmallChange = 1;
  int LargeChange = 1;
  // While held, position changes do not scroll the content.
  void BeginUpdate() { ++m_updateCount; }
  void EndUpdate();
  // The position the user drags the thumb to, as the window's bar reports it.
  int TrackPosition() const;
  // Reads the position back from the window's bar (it may have clamped it).
  void ReadPosition();
  // Sends the values to the window's bar.
  void Push();

 private:
  int WindowBar() const;
  void UpdateVisibility();

  TDgCustomScrollControl& m_control;
  TScrollBarKind m_kind;
  bool m_autoHide = true;
  bool m_enabled = true;
  bool m_visible = false;
  int m_min = 0;
  int m_max = 0;
  int m_pageSize = 0;
  int m_position = 0;
  int m_updateCount = 0;
};

class TDgScrollBar : public TDgCustomScrollBar {
 public:
  using TDgCustomScrollBar::TDgCustomScrollBar;
};

}  // namespace kx
