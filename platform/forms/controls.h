#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/geometry.h"
#include "platform/forms/component.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"
#include "platform/window/window_system.h"

namespace kx {

class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Shift, Alt, Ctrl and the mouse buttons held with an input.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssRight = 16;
inline constexpr TShiftState ssMiddle = 32;
inline constexpr TShiftState ssDouble = 64;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TWndMethod = std::function<void(TMessage&)>;

// Control messages of the framework.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
// Notifications a parent reflects back to the child control they concern.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;

// A visual component: a place on its parent, alignment, colour, font, caption,
// hint and the standard events. Messages reach it through WindowProc, which a
// component may replace while keeping the previous one for default handling.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return m_parent; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return m_bounds.Left; }
  int Top() const { return m_bounds.Top; }
  int Width() const { return m_bounds.Width(); }
  int Height() const { return m_bounds.Height(); }
  TRect BoundsRect() const { return m_bounds; }
  void SetBounds(int left, int top, int width, int height);
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  virtual TRect ClientRect() const { return {0, 0, Width(), Height()}; }

  TAlign Align() const { return m_align; }
  void SetAlign(TAlign align);
  bool Visible() const { return m_visible; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return m_enabled; }
  virtual void SetEnabled(bool enabled);
  TColor Color() const { return m_color; }
  virtual void SetColor(TColor color);
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  void SetFont(const TFont& font);
  bool ParentFont() const { return m_parentFont; }
  void SetParentFont(bool value);
  const std::string& Caption() const { return m_caption; }
  virtual void SetCaption(const std::string& caption);
  const std::string& Text() const { return m_caption; }
  void SetText(const std::string& text) { SetCaption(text); }
  int Cursor = 0;  // crDefault
  std::string Hint;
  bool ShowHint = false;
  TComponent* PopupMenu = nullptr;
  bool MouseInControl() const { return m_mouseInControl; }

  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  virtual void Invalidate();
  void Repaint();
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  TWndMethod WindowProc;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;

 protected:
  virtual void WndProc(TMessage& m);
  virtual void DefaultHandler(TMessage&) {}
  virtual void Click();
  virtual void DblClick();
  virtual void Resize();
  virtual void BoundsChanged(const TRect& old);
  virtual void FontChanged();
  void RequestAlign();
  TRect m_bounds{0, 0, 0, 0};

 private:
  friend class TWinControl;
  void HandleMouse(TMessage& m);

  TWinControl* m_parent = nullptr;
  TAlign m_align = TAlign::alNone;
  bool m_visible = true;
  bool m_enabled = true;
  TColor m_color = clBtnFace;
  TFont m_font{"MS Sans Serif", -11};
  bool m_parentFont = true;
  std::string m_caption;
  bool m_clicked = false;
  bool m_mouseInControl = false;
};

// A control without a window: its parent paints it (Paint with the parent's
// canvas) and hands it the mouse messages over its rectangle.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
  // Paints the control on a canvas whose origin is the control's top-left corner.
  void PaintInto(TCanvas& canvas);

 protected:
  friend class TWinControl;
  virtual void Paint() {}
  TCanvas& Canvas() { return *m_canvas; }
  bool HasCanvas() const { return m_canvas != nullptr; }

 private:
  TCanvas* m_canvas = nullptr;
};

// A control with a window of the window system and child controls.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();  // created on first use
  bool HandleAllocated() const { return m_handle != nullptr; }
  void HandleNeeded() { Handle(); }
  void RecreateWnd();

  const std::vector<TControl*>& Controls() const { return m_controls; }
  int ControlCount() const { return static_cast<int>(m_controls.size()); }
  TRect ClientRect() const override;

  bool TabStop = false;
  int TabOrder() const;
  void SetTabOrder(int order);
  std::vector<TWinControl*> TabList() const;  // the tab-stop children, in tab order
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetColor(TColor color) override;
  void SetCaption(const std::string& caption) override;
  void Invalidate() override;
  void InvalidateRect(const TRect& clientRect);
  void Realign();
  // The windowless child under a client point, else this control.
  TControl* ControlAtPos(TPoint client) const;

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  friend class TControl;
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  virtual void AlignControls(TRect& rect);
  virtual void AdjustClientRect(TRect& rect) const { (void)rect; }
  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;
  // Paints the windowless children into canvas, which draws on this control's client area.
  void PaintControls(TCanvas& canvas);
  void BoundsChanged(const TRect& old) override;
  TGraphicControl* GraphicControlAt(TPoint client) const;

 private:
  friend class TGraphicControl;
  friend TWinControl* FindControl(HWND hwnd);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool RouteToGraphicChild(TMessage& m);
  void UpdateMouseEnterLeave(TControl* under);

  HWND m_handle = nullptr;
  std::vector<TControl*> m_controls;  // creation order
  std::vector<TWinControl*> m_tabOrder;
  bool m_aligning = false;
  TGraphicControl* m_mouseCapture = nullptr;
  TControl* m_mouseOver = nullptr;
};

// A windowed control that paints itself on a canvas.
class TCustomControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  // Runs Paint on a canvas whose origin is the client's top-left corner; the
  // windowless children are not painted.
  void PaintInto(TCanvas& canvas);

 protected:
  virtual void Paint() {}
  TCanvas& Canvas() { return *m_canvas; }
  void WndProc(TMessage& m) override;

 private:
  TCanvas* m_canvas = nullptr;
};

TShiftState KeyboardShiftState();
// The control whose window this is, or nullptr.
TWinControl* FindControl(HWND hwnd);

}  // namespace kx
