#include "platform/window/test_driver.h"

#include <stdexcept>

#include "platform/base/strings.h"
#include "platform/gfx/png_writer.h"
#include "platform/window/key_translation.h"

namespace kx {

TestDriver::TestDriver(TWindowSystem& system, HeadlessBackend& backend, VirtualClock& clock)
    : m_system(system), m_backend(backend), m_clock(clock) {}

void TestDriver::Input(const RawInput& input) {
  m_system.QueueInput(input);
  RunUntilIdle();
}

void TestDriver::MoveTo(TPoint screen) {
  m_pointer = screen;
  RawInput in;
  in.kind = RawInput::Kind::MouseMove;
  in.screen = screen;
  Input(in);
}

void TestDriver::MoveTo(HWND hwnd, TPoint client) {
  MoveTo(m_system.ClientToScreen(hwnd, client));
}

void TestDriver::Press(int button) {
  RawInput in;
  in.kind = RawInput::Kind::ButtonDown;
  in.screen = m_pointer;
  in.button = button;
  Input(in);
}

void TestDriver::Release(int button) {
  RawInput in;
  in.kind = RawInput::Kind::ButtonUp;
  in.screen = m_pointer;
  in.button = button;
  Input(in);
}

void TestDriver::Click(TPoint screen, int button) {
  MoveTo(screen);
  Press(button);
  Release(button);
}

void TestDriver::ClickAt(HWND hwnd, TPoint client, int button) {
  Click(m_system.ClientToScreen(hwnd, client), button);
}

void TestDriver::DoubleClick(TPoint screen, int button) {
  Click(screen, button);
  m_clock.Advance(50);
  Click(screen, button);
}

void TestDriver::DoubleClickAt(HWND hwnd, TPoint client, int button) {
  DoubleClick(m_system.ClientToScreen(hwnd, client), button);
}

void TestDriver::Drag(TPoint from, TPoint to, int steps) {
  MoveTo(from);
  Press(0);
  steps = steps < 1 ? 1 : steps;
  for (int i = 1; i <= steps; ++i) {
    MoveTo({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
  }
  Release(0);
}

void TestDriver::OtherProgramTakesFocus() {
  m_system.NativeFocusChanged(nullptr);
  RunUntilIdle();
}

void TestDriver::DesktopFocuses(HWND topLevel) {
  m_system.NativeFocusChanged(topLevel);
  RunUntilIdle();
}

void TestDriver::Wheel(int delta, TPoint screen, unsigned modifiers) {
  if (modifiers & Ctrl) KeyDown(VK_CONTROL);
  if (modifiers & Shift) KeyDown(VK_SHIFT);
  m_pointer = screen;
  RawInput in;
  in.kind = RawInput::Kind::Wheel;
  in.screen = screen;
  in.delta = delta;
  Input(in);
  if (modifiers & Shift) KeyUp(VK_SHIFT);
  if (modifiers & Ctrl) KeyUp(VK_CONTROL);
}

void TestDriver::KeyDown(int vk) {
  RawInput in;
  in.kind = RawInput::Kind::KeyDown;
  in.vk = vk;
  Input(in);
}

void TestDriver::KeyUp(int vk) {
  RawInput in;
  in.kind = RawInput::Kind::KeyUp;
  in.vk = vk;
  Input(in);
}

void TestDriver::PressKey(int vk, unsigned modifiers) {
  if (modifiers & Alt) KeyDown(VK_MENU);
  if (modifiers & Ctrl) KeyDown(VK_CONTROL);
  if (modifiers & Shift) KeyDown(VK_SHIFT);
  KeyDown(vk);
  KeyUp(vk);
  if (modifiers & Shift) KeyUp(VK_SHIFT);
  if (modifiers & Ctrl) KeyUp(VK_CONTROL);
  if (modifiers & Alt) KeyUp(VK_MENU);
}

void TestDriver::TypeText(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    std::string_view character = utf8.substr(i, Utf8CharSize(utf8, i));
    i += character.size();
    int vk = 0;
    bool shift = false;
    if (character.size() == 1 &&
        CharToVirtualKey(static_cast<unsigned char>(character[0]), vk, shift)) {
      PressKey(vk, shift ? Shift : None);
      continue;
    }
    // What a key of the US layout cannot type arrives as a text event does.
    for (const RawInput& in : CharInputsFromText(character)) Input(in);
  }
}

void TestDriver::Advance(std::uint32_t ms) {
  if (m_actionDepth > 0) {
    m_clock.Advance(ms);
    return;
  }
  std::uint32_t target = m_clock.Now() + ms;
  RunUntilIdle();
  // Once the program has posted its quit no message is handled any more, so its
  // timers would stay due for ever: the time just passes.
  while (!m_system.QuitPosted()) {
    std::optional<std::uint32_t> next = m_system.NextTimerDeadline();
    if (!next || static_cast<std::int32_t>(*next - target) > 0) break;
    if (static_cast<std::int32_t>(*next - m_clock.Now()) > 0)
      m_clock.Advance(*next - m_clock.Now());
    RunUntilIdle();
  }
  if (static_cast<std::int32_t>(target - m_clock.Now()) > 0)
    m_clock.Advance(target - m_clock.Now());
  RunUntilIdle();
}

void TestDriver::RunUntilIdle() {
  if (m_actionDepth > 0) return;
  constexpr int kMaxMessages = 1000000;
  int handled = 0;
  TMsg msg;
  while (m_system.PeekMessage(msg, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      m_system.PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (m_handler) {
      m_handler(msg);
    } else {
      m_system.TranslateMessage(msg);
      m_system.DispatchMessage(msg);
    }
    if (++handled > kMaxMessages) throw ELoopStalled("the message loop never becomes idle");
  }
}

void TestDriver::WhenModal(std::function<void(TestDriver&)> action) {
  m_backend.AddIdleAction([this, action = std::move(action)] {
    ++m_actionDepth;
    try {
      action(*this);
    } catch (...) {
      --m_actionDepth;
      throw;
    }
    --m_actionDepth;
  });
}

std::vector<TestDriver::WindowInfo> TestDriver::TopLevelWindows() const {
  std::vector<WindowInfo> out;
  for (HWND w : m_system.TopLevelWindows()) {
    out.push_back({w, w->ClassName, w->Text, w->Rect, m_system.IsWindowVisible(w)});
  }
  return out;
}

HWND TestDriver::FindTopLevel(std::string_view text) const {
  for (HWND w : m_system.TopLevelWindows()) {
    if (m_system.IsWindowVisible(w) && w->Text == text) return w;
  }
  return nullptr;
}

TColor TestDriver::ScreenPixel(TPoint screen) const {
  return Screen().ColorAt(screen.X, screen.Y);
}

TColor TestDriver::WindowPixel(HWND hwnd, TPoint windowPoint) const {
  HWND top = m_system.GetAncestorTopLevel(hwnd);
  if (!top) return clNone;
  TPoint at = m_system.WindowOrigin(hwnd) - m_system.WindowOrigin(top) + windowPoint;
  return WindowImage(top).ColorAt(at.X, at.Y);
}

TColor TestDriver::ClientPixel(HWND hwnd, TPoint client) const {
  if (!m_system.IsWindow(hwnd)) return clNone;
  return WindowPixel(hwnd, client + hwnd->ClientInWindow.TopLeft());
}

void TestDriver::SaveScreenPng(const std::string& path) const {
  SavePng(Screen(), path);
}

void TestDriver::SaveWindowPng(HWND topLevel, const std::string& path) const {
  SavePng(WindowImage(topLevel), path);
}

}  // namespace kx
