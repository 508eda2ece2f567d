#include <algorithm>

#include "platform/window/key_translation.h"
#include "platform/window/window_system.h"

namespace kx {

namespace {
// Keeps freed windows alive while any message is being delivered.
struct DeliverScope {
  int& depth;
  std::vector<std::unique_ptr<TWindow>>& graveyard;
  explicit DeliverScope(int& d, std::vector<std::unique_ptr<TWindow>>& g) : depth(d), graveyard(g) {
    ++depth;
  }
  ~DeliverScope() {
    if (--depth == 0) graveyard.clear();
  }
};
}  // namespace

LRESULT TWindowSystem::SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(hwnd)) return 0;
  TMessage message{msg, wParam, lParam, 0};
  Deliver(hwnd, message);
  return message.Result;
}

void TWindowSystem::Deliver(HWND hwnd, TMessage& message) {
  if (!IsWindow(hwnd)) return;
  DeliverScope scope(m_deliverDepth, m_graveyard);
  std::shared_ptr<TWndProc> proc = hwnd->Proc;
  if (proc) {
    (*proc)(hwnd, message);
  } else {
    DefWindowProc(hwnd, message);
  }
}

bool TWindowSystem::PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !IsWindow(hwnd)) return false;
  m_posted.push_back(TMsg{hwnd, msg, wParam, lParam, m_clock.Now(), m_cursorPos});
  return true;
}

void TWindowSystem::PostQuitMessage(int exitCode) {
  m_quitPosted = true;
  m_quitCode = exitCode;
}

bool TWindowSystem::GetMessage(TMsg& msg) {
  NextMessage(msg, true, true);
  return msg.message != WM_QUIT;
}

bool TWindowSystem::PeekMessage(TMsg& msg, UINT removeFlags) {
  return NextMessage(msg, (removeFlags & PM_REMOVE) != 0, false);
}

bool TWindowSystem::PassesFilters(TMsg& msg) {
  if (msg.message == WM_QUIT) return true;
  auto filters = m_filters;  // a filter may remove itself
  for (auto& [id, filter] : filters) {
    if (filter(msg)) return false;
  }
  return true;
}

bool TWindowSystem::NextMessage(TMsg& msg, bool remove, bool wait) {
  for (;;) {
    m_backend.Pump();
    RunInternalTimers();
    if (!m_posted.empty()) {
      msg = m_posted.front();
      if (!remove) return true;
      m_posted.pop_front();
      if (PassesFilters(msg)) return true;
      continue;
    }
    if (m_quitPosted) {
      msg = TMsg{nullptr, WM_QUIT, static_cast<WPARAM>(m_quitCode), 0, m_clock.Now(), m_cursorPos};
      if (remove) m_quitPosted = false;
      return true;
    }
    if (!m_input.empty()) {
      RawInput raw = m_input.front();
      m_input.pop_front();
      TMsg routed;
      if (!RouteInput(raw, routed)) continue;
      routed.time = m_clock.Now();
      routed.pt = m_cursorPos;
      if (!remove) {
        m_posted.push_front(routed);
        msg = routed;
        return true;
      }
      msg = routed;
      if (PassesFilters(msg)) return true;
      continue;
    }
    if (TakePaintMessage(msg) || TakeTimerMessage(msg)) {
      if (!remove || PassesFilters(msg)) return true;
      continue;
    }
    PresentAll();
    if (!wait) return false;
    std::optional<std::uint32_t> deadline = NextDeadline();
    int timeout = -1;
    if (deadline) {
      std::uint32_t now = m_clock.Now();
      timeout = *deadline > now ? static_cast<int>(*deadline - now) : 0;
    }
    m_backend.Wait(timeout);
  }
}

HWND TWindowSystem::FindWindowNeedingPaint(HWND hwnd) const {
  if (!hwnd->Visible() || hwnd->Minimized || hwnd->RedrawOff) return nullptr;
  if (!hwnd->Update.IsEmpty() || hwnd->FrameInvalid || hwnd->InternalPaint) return hwnd;
  for (HWND c : hwnd->Children) {
    if (HWND found = FindWindowNeedingPaint(c)) return found;
  }
  return nullptr;
}

bool TWindowSystem::TakePaintMessage(TMsg& msg) {
  for (;;) {
    HWND target = nullptr;
    for (HWND t : m_topLevels) {
      if ((target = FindWindowNeedingPaint(t))) break;
    }
    if (!target) return false;
    if (target->FrameInvalid) {
      target->FrameInvalid = false;
      SendMessage(target, WM_NCPAINT, 1, 0);
      if (!IsWindow(target) || (target->Update.IsEmpty() && !target->InternalPaint)) continue;
    }
    msg = TMsg{target, WM_PAINT, 0, 0, m_clock.Now(), m_cursorPos};
    return true;
  }
}

bool TWindowSystem::TakeTimerMessage(TMsg& msg) {
  std::uint32_t now = m_clock.Now();
  TimerEntry* due = nullptr;
  for (TimerEntry& t : m_timers) {
    if (static_cast<std::int32_t>(now - t.due) >= 0 &&
        (!due || static_cast<std::int32_t>(t.due - due->due) < 0)) {
      due = &t;
    }
  }
  if (!due) return false;
  due->due = now + due->interval;
  msg = TMsg{due->hwnd, WM_TIMER, due->id, due->callback ? 1 : 0, now, m_cursorPos};
  return true;
}

std::optional<std::uint32_t> TWindowSystem::NextDeadline() const {
  std::optional<std::uint32_t> best;
  auto consider = [&](std::uint32_t t) {
    if (!best || static_cast<std::int32_t>(t - *best) < 0) best = t;
  };
  for (const TimerEntry& t : m_timers) consider(t.due);
  if (m_caret.hwnd && m_caret.hideCount == 0) consider(m_caret.nextToggle);
  if (m_scrollTrack.active && m_scrollTrack.nextRepeat) consider(m_scrollTrack.nextRepeat);
  return best;
}

void TWindowSystem::RunInternalTimers() {
  std::uint32_t now = m_clock.Now();
  if (m_caret.hwnd && m_caret.hideCount == 0 &&
      static_cast<std::int32_t>(now - m_caret.nextToggle) >= 0) {
    m_caret.blinkOn = !m_caret.blinkOn;
    m_caret.nextToggle = now + CaretBlinkTime();
    HWND top = GetAncestorTopLevel(m_caret.hwnd);
    TRect r = m_caret.rect.Offset(OffsetInTopLevel(m_caret.hwnd));
    MarkDirty(top, r);
  }
  if (m_scrollTrack.active && m_scrollTrack.nextRepeat &&
      static_cast<std::int32_t>(now - m_scrollTrack.nextRepeat) >= 0) {
    RepeatScrollTrack();
  }
}

LRESULT TWindowSystem::DispatchMessage(const TMsg& msg) {
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
  if (!IsWindow(msg.hwnd)) return 0;
  if (msg.message == WM_PAINT) {
    HWND saved = m_paintingHwnd;
    bool savedPainted = m_paintedDuringDispatch;
    m_paintingHwnd = msg.hwnd;
    m_paintedDuringDispatch = false;
    LRESULT r = SendMessage(msg.hwnd, WM_PAINT, msg.wParam, msg.lParam);
    // A procedure that neither painted nor validated would be asked again forever.
    if (IsWindow(msg.hwnd) && !m_paintedDuringDispatch) {
      msg.hwnd->Update = TRegion();
      msg.hwnd->UpdateErase = false;
      msg.hwnd->InternalPaint = false;
    }
    m_paintingHwnd = saved;
    m_paintedDuringDispatch = savedPainted;
    return r;
  }
  return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

bool TWindowSystem::TranslateMessage(const TMsg& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (msg.lParam & KF_NOTRANSLATE_BIT) return false;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  bool alt = GetKeyState(VK_MENU) < 0;
  char16_t ch = VirtualKeyToChar(static_cast<int>(msg.wParam), shift, ctrl && !alt);
  if (!ch) return false;
  UINT charMsg = msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  m_posted.push_front(TMsg{msg.hwnd, charMsg, ch, msg.lParam, msg.time, msg.pt});
  return true;
}

bool TWindowSystem::ModalLoop(const std::function<bool()>& done) {
  struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
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

bool TWindowSystem::ProcessPending() {
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

int TWindowSystem::AddMessageFilter(MessageFilter filter) {
  int id = m_nextFilterId++;
  m_filters.emplace_back(id, std::move(filter));
  return id;
}

void TWindowSystem::RemoveMessageFilter(int id) {
  std::erase_if(m_filters, [&](const auto& f) { return f.first == id; });
}

std::uintptr_t TWindowSystem::SetTimer(HWND hwnd, std::uintptr_t id, std::uint32_t elapseMs,
                                       std::function<void()> callback) {
  if (hwnd && !IsWindow(hwnd)) return 0;
  if (!hwnd && id == 0) id = m_nextTimerId++;
  std::uint32_t interval = std::max<std::uint32_t>(elapseMs, 1);
  std::uint32_t due = m_clock.Now() + interval;
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

bool TWindowSystem::KillTimer(HWND hwnd, std::uintptr_t id) {
  return std::erase_if(m_timers,
                       [&](const TimerEntry& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

}  // namespace kx
