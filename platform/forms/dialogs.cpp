#include "platform/forms/dialogs.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/forms/application.h"
#include "platform/gfx/draw_text.h"
#include "platform/window/api.h"
#include "platform/window/frame_drawing.h"

namespace kx {

namespace {
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMaxTextWidth = 360;
constexpr UINT kTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

TFont DialogFont() {
  return TFont("MS Sans Serif", -11, {}, clWindowText);
}

TRect MeasureText(const std::string& text) {
  TBitmap scratch(1, 1);
  TCanvas& c = scratch.Canvas();
  c.Font() = DialogFont();
  TRect r{0, 0, kMaxTextWidth, 0};
  DrawText(c, text.empty() ? " " : text, r, kTextFormat | DT_CALCRECT);
  return r;
}

void DrawStopIcon(TCanvas& c, TPoint at) {
  c.Brush().Color = clRed;
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Pen().Color = clMaroon;
  c.Ellipse(Bounds(at.X, at.Y, kIconSize, kIconSize));
  c.Pen().Color = clWhite;
  for (int d = -1; d <= 1; ++d) {
    c.MoveTo(at.X + 10 + d, at.Y + 10);
    c.LineTo(at.X + 22 + d, at.Y + 22);
    c.MoveTo(at.X + 22 + d, at.Y + 10);
    c.LineTo(at.X + 10 + d, at.Y + 22);
  }
}

struct BoxState {
  bool done = false;
  bool pressed = false;
};

void ButtonProc(TWindowSystem& sys, const std::shared_ptr<BoxState>& state, HWND h, TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      TPaintStruct ps;
      TCanvas& c = sys.BeginPaint(h, ps);
      TRect r = sys.GetClientRect(h);
      DrawRaisedButton(c, r, state->pressed);
      c.Font() = DialogFont();
      c.Brush().Style = TBrushStyle::bsClear;
      TRect text = r.Offset(state->pressed ? 1 : 0, state->pressed ? 1 : 0);
      DrawText(c, sys.GetWindowText(h), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
      if (sys.GetFocus() == h) c.DrawFocusRect(r.Inflated(-4, -4));
      sys.EndPaint(h, ps);
      return;
    }
    case WM_LBUTTONDOWN:
      state->pressed = true;
      sys.SetCapture(h);
      sys.InvalidateRect(h, nullptr, false);
      return;
    case WM_LBUTTONUP: {
      bool inside = sys.GetClientRect(h).Contains(PointFromLParam(m.LParam));
      state->pressed = false;
      sys.ReleaseCapture();
      sys.InvalidateRect(h, nullptr, false);
      if (inside) state->done = true;
      return;
    }
    case WM_KEYDOWN:
      if (m.WParam == VK_RETURN || m.WParam == VK_SPACE || m.WParam == VK_ESCAPE)
        state->done = true;
      return;
    case WM_GETDLGCODE:
      m.Result = 0;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      sys.InvalidateRect(h, nullptr, false);
      break;
    default:
      break;
  }
  sys.DefWindowProc(h, m);
}
}  // namespace

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() &&
      static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
    return message + ".";
  }
  return message;
}

void MessageBox(const std::string& text, const std::string& caption, TMsgDlgIcon icon) {
  TWindowSystem& sys = WindowSystem();
  auto state = std::make_shared<BoxState>();
  TRect textSize = MeasureText(text);
  int textLeft = kMargin + (icon == TMsgDlgIcon::Stop ? kIconSize + kMargin : 0);
  int bodyHeight = std::max(textSize.Height(), icon == TMsgDlgIcon::Stop ? kIconSize : 0);
  int clientWidth =
      std::max({textLeft + textSize.Width() + kMargin, kButtonWidth + 2 * kMargin, 150});
  int clientHeight = kMargin + bodyHeight + kMargin + kButtonHeight + kMargin;
  int width = clientWidth + 6;
  int height = clientHeight + 25;
  TRect work = sys.Backend().WorkArea({0, 0});

  HWND previousActive = sys.GetActiveWindow();
  TCreateParams box;
  box.ClassName = kMessageFormClass;
  box.Text = caption;
  box.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
  box.ExStyle = WS_EX_DLGMODALFRAME;
  box.Owner = previousActive;
  box.Bounds = Bounds(work.Left + (work.Width() - width) / 2,
                      work.Top + (work.Height() - height) / 2, width, height);
  box.Proc = [&sys, state, text, icon, textLeft, textSize](HWND h, TMessage& m) {
    if (m.Msg == WM_PAINT) {
      TPaintStruct ps;
      TCanvas& c = sys.BeginPaint(h, ps);
      if (icon == TMsgDlgIcon::Stop) DrawStopIcon(c, {kMargin, kMargin});
      c.Font() = DialogFont();
      c.Brush().Style = TBrushStyle::bsClear;
      TRect r = Bounds(textLeft, kMargin, textSize.Width(), textSize.Height());
      DrawText(c, text, r, kTextFormat);
      sys.EndPaint(h, ps);
      return;
    }
    if (m.Msg == WM_CLOSE) {
      state->done = true;
      return;
    }
    sys.DefWindowProc(h, m);
  };
  HWND dialog = sys.CreateWindowEx(box);
  if (!dialog) return;

  TCreateParams ok;
  ok.ClassName = kMessageButtonClass;
  ok.Text = "OK";
  ok.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  ok.Parent = dialog;
  ok.Bounds = Bounds((clientWidth - kButtonWidth) / 2, clientHeight - kMargin - kButtonHeight,
                     kButtonWidth, kButtonHeight);
  ok.Proc = [&sys, state](HWND h, TMessage& m) { ButtonProc(sys, state, h, m); };
  HWND button = sys.CreateWindowEx(ok);

  std::vector<HWND> disabled;
  for (HWND t : sys.TopLevelWindows()) {
    if (t != dialog && sys.IsWindowEnabled(t)) {
      sys.EnableWindow(t, false);
      disabled.push_back(t);
    }
  }
  sys.ShowWindow(dialog, SW_SHOW);
  sys.SetFocus(button);
  struct FocusRestore {
    TWindowSystem& sys;
    std::vector<HWND>& disabled;
    HWND dialog;
    HWND previous;
    ~FocusRestore() {
      for (HWND t : disabled) sys.EnableWindow(t, true);
      sys.DestroyWindow(dialog);
      if (sys.IsWindow(previous)) sys.SetActiveWindow(previous);
    }
  } restore{sys, disabled, dialog, previousActive};
  sys.ModalLoop([&] { return state->done || !sys.IsWindow(dialog); });
}

void ShowMessage(const std::string& text) {
  MessageBox(text, HasApplication() ? Application().Title : std::string(), TMsgDlgIcon::None);
}

void ShowErrorBox(const std::string& message) {
  MessageBox(ErrorBoxText(message), HasApplication() ? Application().Title : std::string(),
             TMsgDlgIcon::Stop);
}

}  // namespace kx
