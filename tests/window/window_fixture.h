#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/window/test_driver.h"

namespace kx::test {

struct LoggedMessage {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

// A headless session plus windows whose procedures log every message and may
// handle some of them first.
class WindowTest : public ::testing::Test {
 public:
  using Handler = std::function<bool(HWND, TMessage&)>;

 protected:
  HWND Make(TCreateParams params, Handler handler = {}) {
    params.Proc = [this, handler](HWND h, TMessage& m) {
      log.push_back({h, m.Msg, m.WParam, m.LParam});
      if (handler && handler(h, m)) return;
      session.system.DefWindowProc(h, m);
    };
    return session.system.CreateWindowEx(params);
  }

  HWND MakeTop(TRect bounds, std::uint32_t style = WS_POPUP | WS_VISIBLE, Handler handler = {}) {
    TCreateParams p;
    p.Style = style;
    p.Bounds = bounds;
    return Make(p, std::move(handler));
  }

  HWND MakeTopWithBackground(TRect bounds, TColor background, std::uint32_t exStyle = 0) {
    TCreateParams p;
    p.Style = WS_POPUP | WS_VISIBLE;
    p.ExStyle = exStyle;
    p.Bounds = bounds;
    p.Background = background;
    return Make(p);
  }

  HWND MakeChild(HWND parent, TRect bounds, std::uint32_t style = WS_CHILD | WS_VISIBLE,
                 Handler handler = {}, TColor background = clBtnFace) {
    TCreateParams p;
    p.Style = style;
    p.Bounds = bounds;
    p.Parent = parent;
    p.Background = background;
    return Make(p, std::move(handler));
  }

  // The messages logged for hwnd, in order, limited to the given kinds (all when empty).
  std::vector<UINT> MessagesOf(HWND hwnd, std::vector<UINT> only = {}) const {
    std::vector<UINT> out;
    for (const LoggedMessage& l : log) {
      if (l.hwnd != hwnd) continue;
      if (!only.empty() && std::find(only.begin(), only.end(), l.msg) == only.end()) continue;
      out.push_back(l.msg);
    }
    return out;
  }

  std::vector<LoggedMessage> Logged(UINT msg) const {
    std::vector<LoggedMessage> out;
    for (const LoggedMessage& l : log) {
      if (l.msg == msg) out.push_back(l);
    }
    return out;
  }

  // A handler that paints the whole client area in one colour.
  static Handler PaintWith(TColor color, TWindowSystem& system) {
    return [color, &system](HWND h, TMessage& m) {
      if (m.Msg != WM_PAINT) return false;
      TPaintStruct ps;
      TCanvas& c = system.BeginPaint(h, ps);
      c.Brush().Color = color;
      c.FillRect(system.GetClientRect(h));
      system.EndPaint(h, ps);
      return true;
    };
  }

  std::vector<LoggedMessage> log;  // before the session: windows log while it shuts down
  HeadlessSession session;
  TWindowSystem& sys = session.system;
  TestDriver& driver = session.driver;
};

}  // namespace kx::test
