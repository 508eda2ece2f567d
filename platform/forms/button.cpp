#include "platform/forms/button.h"

#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "platform/window/frame_drawing.h"

namespace kx {

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
  TabStop = true;
  SetBounds(0, 0, 75, 25);
}

void TButton::SetPressed(bool pressed) {
  if (pressed == m_pressed) return;
  m_pressed = pressed;
  Invalidate();
}

void TButton::Paint() {
  TCanvas& c = Canvas();
  TRect r = ClientRect();
  DrawRaisedButton(c, r, m_pressed);
  c.Font() = Font();
  if (!Enabled()) c.Font().SetColor(clGrayText);
  c.Brush().Style = TBrushStyle::bsClear;
  TRect text = r.Offset(m_pressed ? 1 : 0, m_pressed ? 1 : 0);
  DrawText(c, Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  if (Focused()) c.DrawFocusRect(r.Inflated(-4, -4));
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  // The second press of a double click neither presses nor clicks the button.
  if (button != TMouseButton::mbLeft || (shift & ssDouble)) return;
  SetFocus();
  SetPressed(true);
  WindowSystem().SetCapture(Handle());
}

void TButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (shift & ssLeft) SetPressed(ClientRect().Contains(TPoint{x, y}));
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  // Click follows from the framework when the release is over the button.
  TCustomControl::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  SetPressed(false);
  if (WindowSystem().GetCapture() == Handle()) WindowSystem().ReleaseCapture();
}

void TButton::KeyDown(std::uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == VK_SPACE || key == VK_RETURN) Click();
}

void TButton::DoEnter() {
  TCustomControl::DoEnter();
  Invalidate();
}

void TButton::DoExit() {
  TCustomControl::DoExit();
  Invalidate();
}

void TButton::WndProc(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    m.Result = 0;
    return;
  }
  TCustomControl::WndProc(m);
}

}  // namespace kx
