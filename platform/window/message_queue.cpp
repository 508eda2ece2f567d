#include "platform/window/message_queue.h"

#include <algorithm>

#include "platform/window/key_translation.h"
#include "platform/window/window_system.h"

namespace kx {

LRESULT MessageQueue::SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!m_system.IsWindow(hwnd)) return 0;
  TMessage message{msg, wParam, lParam, 0};
  Deliver(hwnd, message);
  return message.Result;
}

void MessageQueue::Deliver(HWND hwnd, TMessage& message) {
  if (!m_system.IsWindow(hwnd)) return;
  WindowTree::Delivery delivery(m_system.Tree());
  std::shared_ptr<TWndProc> proc = hwnd->Proc;
  if (proc) {
    (*proc)(hwnd, message);
  } else {
    m_system.DefWindowProc(hwnd, message);
  }
}

bool MessageQueue::PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !m_system.IsWindow(hwnd)) return false;
  m_posted.push_back(
      TMsg{hwnd, msg, wParam, lParam, m_system.Clock().Now(), m_system.Input().CursorPosition()});
  return true;
}

void MessageQueue::PostQuitMessage(int exitCode) {
  m_quitPosted = true;
  m_quitCode = exitCode;
}

bool MessageQueue::GetMessage(TMsg& msg) {
  NextMessage(msg, true, true);
  return msg.message != WM_QUIT;
}

bool MessageQueue::PeekMessage(TMsg& msg, UINT removeFlags) {
  return NextMessage(msg, (removeFlags & PM_REMOVE) != 0, false);
}

bool MessageQueue::PassesFilters(TMsg& msg) {
  if (msg.message == WM_QUIT) return true;
  auto filters = m_filters;  // a filter may remove itself
  for (auto& [id, filter] : filters) {
    if (filter(msg)) return false;
  }
  return true;
}

bool MessageQueue::NextMessage(TMsg& msg, bool remove, bool wait) {
  for (;;) {
    m_system.Backend().Pump();
    RunInternalTimers();
    if (!m_posted.empty()) {
      msg = m_posted.front();
      if (!remove) return true;
      m_posted.pop_front();
      if (PassesFilters(msg)) return true;
      continue;
    }
    if (m_quitPosted) {
      msg = TMsg{nullptr,
                 WM_QUIT,
                 static_cast<WPARAM>(m_quitCode),
                 0,
                 m_system.Clock().Now(),
                 m_system.Input().CursorPosition()};
      if (remove) m_quitPosted = false;
      return true;
    }
    if (m_system.InputPending()) {
      TMsg routed;
      if (!m_system.Input().RouteNextInput(routed)) continue;
      routed.time = m_system.Clock().Now();
      routed.pt = m_system.Input().CursorPosition();
      if (!remove) {
        m_posted.push_front(routed);
        msg = routed;
        return true;
      }
      msg = routed;
      if (PassesFilters(msg)) return true;
      continue;
    }
    if (m_system.Painting().TakePaintMessage(msg) || TakeTimerMessage(msg)) {
      if (!remove || PassesFilters(msg)) return true;
      continue;
    }
    m_system.PresentAll();
    if (!wait) return false;
    std::optional<std::uint32_t> deadline = NextDeadline();
    int timeout = -1;
    if (deadline) {
      std::uint32_t now = m_system.Clock().Now();
      timeout = *deadline > now ? static_cast<int>(*deadline - now) : 0;
    }
    m_system.Backend().Wait(timeout);
  }
}

bool MessageQueue::TakeTimerMessage(TMsg& msg) {
  std::uint32_t now = m_system.Clock().Now();
  TimerEntry* due = nullptr;
  for (TimerEntry& t : m_timers) {
    if (static_cast<std::int32_t>(now - t.due) >= 0 &&
        (!due || static_cast<std::int32_t>(t.due - due->due) < 0)) {
      due = &t;
    }
  }
  if (!due) return false;
  due->due = now + due->interval;
  msg = TMsg{
      due->hwnd, WM_TIMER, due->id, due->callback ? 1 : 0, now, m_system.Input().CursorPosition()};
  return true;
}

std::optional<std::uint32_t> MessageQueue::NextDeadline() const {
  std::optional<std::uint32_t> best;
  auto consider = [&](std::uint32_t t) {
    if (!best || static_cast<std::int32_t>(t - *best) < 0) best = t;
  };
  for (const TimerEntry& t : m_timers) consider(t.due);
  if (auto blink = m_system.CaretPart().NextBlink()) consider(*blink);
  if (auto repeat = m_system.Bars().NextRepeat()) consider(*repeat);
  return best;
}

void MessageQueue::RunInternalTimers() {
  std::uint32_t now = m_system.Clock().Now();
  m_system.CaretPart().Blink(now);
  m_system.Bars().RepeatIfDue(now);
}

LRESULT MessageQueue::DispatchMessage(const TMsg& msg) {
  if (msg.message == WM_TIMER && msg.lParam != 0) {
    auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const TimerEntry& t) {
      return t.hwnd == msg.hwnd && t.id == msg.wParam;
    });
    if (it != m_timers.end()) {
      std::function<void()> callback = it->callback;
      callback();
      return 0;
    }
  }
  if (!m_system.IsWindow(msg.hwnd)) return 0;
  if (msg.message == WM_PAINT) return m_system.Painting().DispatchPaint(msg);
  return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

bool MessageQueue::TranslateMessage(const TMsg& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (msg.lParam & KF_NOTRANSLATE_BIT) return false;
  bool shift = m_system.GetKeyState(VK_SHIFT) < 0;
  bool ctrl = m_system.GetKeyState(VK_CONTROL) < 0;
  bool alt = m_system.GetKeyState(VK_MENU) < 0;
  char16_t ch = VirtualKeyToChar(static_cast<int>(msg.wParam), shift, ctrl && !alt);
  if (!ch) return false;
  UINT charMsg = msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  m_posted.push_front(TMsg{msg.hwnd, charMsg, ch, msg.lParam, msg.time, msg.pt});
  return true;
}

bool MessageQueue::ModalLoop(const std::function<bool()>& done) {
  struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
  } depth(m_modalDepth);
  while (!done()) {
    TMsg msg;
    if (!GetMessage(msg)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  return true;
}

bool MessageQueue::ProcessPending() {
  bool any = false;
  TMsg msg;
  while (PeekMessage(msg, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return any;
    }
    any = true;
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  return any;
}

int MessageQueue::AddMessageFilter(MessageFilter filter) {
  int id = m_nextFilterId++;
  m_filters.emplace_back(id, std::move(filter));
  return id;
}

void MessageQueue::RemoveMessageFilter(int id) {
  std::erase_if(m_filters, [&](const auto& f) { return f.first == id; });
}

std::uintptr_t MessageQueue::SetTimer(HWND hwnd, std::uintptr_t id, std::uint32_t elapseMs,
                                      std::function<void()> callback) {
  if (hwnd && !m_system.IsWindow(hwnd)) return 0;
  if (!hwnd && id == 0) id = m_nextTimerId++;
  std::uint32_t interval = std::max<std::uint32_t>(elapseMs, 1);
  std::uint32_t due = m_system.Clock().Now() + interval;
  for (TimerEntry& t : m_timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.interval = interval;
      t.due = due;
      t.callback = std::move(callback);
      return id ? id : 1;
    }
  }
  m_timers.push_back(TimerEntry{hwnd, id, interval, due, std::move(callback)});
  return id ? id : 1;
}

void MessageQueue::ForgetWindow(HWND hwnd) {
  std::erase_if(m_timers, [&](const TimerEntry& t) { return t.hwnd == hwnd; });
  std::erase_if(m_posted, [&](const TMsg& m) { return m.hwnd == hwnd; });
}

bool MessageQueue::KillTimer(HWND hwnd, std::uintptr_t id) {
  return std::erase_if(m_timers,
                       [&](const TimerEntry& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

}  // namespace kx
