#include "platform/forms/button.h"

#include "platform/gfx/draw_text.h"
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

void TButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
      SetFocus();
      SetPressed(true);
      TWindowSystem::Current().SetCapture(Handle());
      break;
    case WM_MOUSEMOVE:
      if (KeyboardShiftState() & ssLeft) SetPressed(ClientRect().Contains(PointFromLParam(m.LParam)));
      break;
    case WM_LBUTTONUP:
      SetPressed(false);
      if (TWindowSystem::Current().GetCapture() == Handle()) TWindowSystem::Current().ReleaseCapture();
      break;
    case WM_GETDLGCODE:
      m.Result = 0;
      return;
    case WM_KEYDOWN:
      TCustomControl::WndProc(m);
      if (m.WParam == VK_SPACE || m.WParam == VK_RETURN) Click();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);  // TControl turns press and release over the button into Click
}

}  // namespace kx
