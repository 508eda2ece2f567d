#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/color.h"
#include "platform/base/geometry.h"
#include "platform/forms/component.h"
#include "platform/forms/forward.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"
#include "platform/window/window_system.h"

namespace kx {

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
// A typed character as a whole code point: ASCII keeps its 8-bit value, so a
// handler comparing with '\r' or setting key to 0 works unchanged.
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;
using TMouseWheelEvent = std::function<void(TObject* sender, TShiftState, int wheelDelta,
                                            TPoint mousePos, bool& handled)>;
using TContextPopupEvent = std::function<void(TObject* sender, TPoint mousePos, bool& handled)>;
using TWndMethod = std::function<void(TMessage&)>;

// Control messages of the framework.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
// A control that keeps Enter or Esc from its own handling tells its form
// (wParam: the key), so that a default or cancel button could act on it.
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 21;
// An Alt+character that no menu took, which the form offers to its controls
// (wParam: the character). A control whose caption has it as its accelerator
// acts on it and answers 1, and no other control is asked.
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 22;
// Notifications a parent reflects back to the child control they concern.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;

// A visual component: a place on its parent, alignment, colour, font, caption,
// hint and the standard events. Messages reach it through WindowProc, which a
// component may replace while keeping the previous one for default handling.
//
// Input is decoded in one place (WndProc) and handed to one protected virtual
// per kind. The base version of each raises the matching public event and does
// nothing else, so an override calls the base first and then does its own
// handling: the public event always runs before the control's own reaction.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return m_parent; }
  // Moves the control into parent's controls (nullptr: out of any); a control
  // with ParentFont takes the parent's font. Windowed controls create their
  // window inside the parent's when the parent has one.
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
  // The area children and painting use, in the control's own coordinates; the
  // base is the whole control, a windowed control asks its window.
  virtual TRect ClientRect() const { return {0, 0, Width(), Height()}; }

  TAlign Align() const { return m_align; }
  void SetAlign(TAlign align);
  bool Visible() const { return m_visible; }
  // Shows or hides the control; the parent repaints its place and realigns.
  virtual void SetVisible(bool visible);
  bool Enabled() const { return m_enabled; }
  // A disabled control gets no input; the base repaints it.
  virtual void SetEnabled(bool enabled);
  TColor Color() const { return m_color; }
  // The background colour; the base repaints when it changes.
  virtual void SetColor(TColor color);
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }
  void SetFont(const TFont& font);
  bool ParentFont() const { return m_parentFont; }
  void SetParentFont(bool value);
  const std::string& Caption() const { return m_caption; }
  // The caption (Text); the base repaints when it changes.
  virtual void SetCaption(const std::string& caption);
  const std::string& Text() const { return m_caption; }
  void SetText(const std::string& text) { SetCaption(text); }
  int Cursor = 0;  // crDefault
  std::string Hint;
  bool ShowHint = false;
  TComponent* PopupMenu = nullptr;
  bool MouseInControl() const { return m_mouseInControl; }

  // A windowed control with a window asks the window system (its frame may
  // lie between its top-left corner and its client area).
  virtual TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  // Asks for the control to be painted again with the next paint.
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
  TMouseWheelEvent OnMouseWheel;
  TContextPopupEvent OnContextPopup;
  TNotifyEvent OnResize;

 protected:
  // Decodes the input messages into the virtuals below and passes every message
  // on to DefaultHandler. Override it only for messages that have no virtual
  // (non-client, dialog codes, control and skin messages), and call the base
  // for every message the override does not consume.
  virtual void WndProc(TMessage& m);
  // What a message gets when no control class consumes it: nothing for a
  // windowless control, the window system's default processing for a windowed one.
  virtual void DefaultHandler(TMessage&) {}

  // A mouse button went down over the control (client coordinates). A double
  // click arrives as a second MouseDown with ssDouble in shift, followed by
  // DblClick. The base raises OnMouseDown.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  // A mouse button was released over the control, or anywhere while the control
  // holds the mouse capture (which a control takes in MouseDown when it wants to
  // see the release). The base raises OnMouseUp.
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // The pointer moved over the control, or anywhere while the control holds the
  // mouse. The base raises OnMouseMove.
  virtual void MouseMove(TShiftState shift, int x, int y);
  // The left button was pressed and released over the control, called before
  // MouseUp; controls that click by key call it themselves. The base raises OnClick.
  virtual void Click();
  // The second press of a double click, after its MouseDown. The base raises OnDblClick.
  virtual void DblClick();
  // The pointer entered the control (MouseInControl is already true). The base
  // raises OnMouseEnter.
  virtual void MouseEnter();
  // The pointer left the control (MouseInControl is already false). The base
  // raises OnMouseLeave.
  virtual void MouseLeave();
  // The wheel turned while the control had the focus; delta is in wheel units
  // (120 a notch, positive away from the user) and x, y are client coordinates.
  // Returns true when the wheel was used; otherwise the parent gets it. The base
  // raises OnMouseWheel and returns what its handler said.
  virtual bool MouseWheel(TShiftState shift, int delta, int x, int y);
  // A context menu was asked for: by the right button at x, y (client
  // coordinates) or by the keyboard (x = y = -1). Set handled when a menu was
  // shown or the request is to go no further; otherwise the parent gets it. The
  // base raises OnContextPopup.
  virtual void ContextPopup(int x, int y, bool& handled);
  // The control's size changed, through SetBounds, alignment or its window. The
  // base raises OnResize.
  virtual void Resize();
  // The bounds changed (old is where the control was); the base repaints both places.
  virtual void BoundsChanged(const TRect& old);
  // The font changed (set, or taken from the parent); the base repaints and
  // passes the font on to the children with ParentFont.
  virtual void FontChanged();
  void RequestAlign();
  TRect m_bounds{0, 0, 0, 0};

 private:
  friend class TWinControl;
  void DecodeMouse(TMessage& m);
  // True when the message was consumed.
  bool DecodeWheel(TMessage& m);
  bool DecodeContextMenu(TMessage& m);

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
  // Draws the control when its parent paints; Canvas() is valid only inside,
  // with its origin at the control's top-left corner. The base draws nothing.
  virtual void Paint() {}
  TCanvas& Canvas();
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
  TPoint ClientToScreen(TPoint p) const override;
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
  // Gives the control the keyboard focus when it can take it.
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
  // A key went down while the control had the focus (also with Alt held). key is
  // the virtual-key code; setting it to 0 consumes the key, so nothing after the
  // caller sees it (derived controls check it after calling the base). The base
  // raises OnKeyDown.
  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  // A key was released; the same rules as KeyDown. The base raises OnKeyUp.
  virtual void KeyUp(std::uint16_t& key, TShiftState shift);
  // A character was typed (an 8-bit code: control characters below 32 included).
  // Setting key to 0 consumes it. The base raises OnKeyPress.
  virtual void KeyPress(char32_t& key);
  // The control received the focus; the form's ActiveControl already names it.
  // The base raises OnEnter.
  virtual void DoEnter();
  // While DoEnter runs: the focus came back to the control its form had focused
  // last (its window was activated again) rather than moving to it in the form.
  bool FocusReturned() const { return m_focusReturned; }
  // The control lost the focus. The base raises OnExit.
  virtual void DoExit();

  // Fills in the window's class, styles, bounds and background before it is
  // created; an override calls the base and then adds or removes its styles.
  virtual void CreateParams(TCreateParams& params);
  // Creates the window (on first use of Handle) and the windows of the windowed
  // children; an override calls the base and then sets up what needs the window.
  virtual void CreateWnd();
  // Destroys the window; the control itself lives on and can create it again.
  virtual void DestroyWnd();
  // Places the aligned children into rect (the client area less AdjustClientRect),
  // top, bottom, left, right and client in creation order; rect shrinks as they take it.
  virtual void AlignControls(TRect& rect);
  // Narrows the area that aligned children share; the base leaves it as it is.
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
  // True when the key or character was consumed.
  bool DecodeKey(TMessage& m);
  bool DecodeChar(TMessage& m);
  void DecodeSize();
  void UpdateMouseEnterLeave(TControl* under);

  HWND m_handle = nullptr;
  std::vector<TControl*> m_controls;  // creation order
  std::vector<TWinControl*> m_tabOrder;
  bool m_aligning = false;
  TGraphicControl* m_mouseCapture = nullptr;
  TControl* m_mouseOver = nullptr;
  bool m_focusReturned = false;
};

// A windowed control that paints itself on a canvas.
class TCustomControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  // Runs Paint on a canvas whose origin is the client's top-left corner; the
  // windowless children are not painted.
  void PaintInto(TCanvas& canvas);

 protected:
  // Draws the client area on WM_PAINT, before the windowless children; Canvas()
  // is valid only inside, clipped to the update region, with the control's font.
  // The base draws nothing.
  virtual void Paint() {}
  TCanvas& Canvas();
  void WndProc(TMessage& m) override;

 private:
  TCanvas* m_canvas = nullptr;
};

TShiftState KeyboardShiftState();
// The control whose window this is, or nullptr.
TWinControl* FindControl(HWND hwnd);

}  // namespace kx
