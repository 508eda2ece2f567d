#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/window/window.h"

namespace kx {

class TWindowSystem;

// The posted messages, the timers, the message filters and the loop that
// produces messages in the platform's order: posted, quit, input, paint, timers.
class MessageQueue {
 public:
  using MessageFilter = std::function<bool(TMsg&)>;

  explicit MessageQueue(TWindowSystem& system) : m_system(system) {}
  MessageQueue(const MessageQueue&) = delete;
  MessageQueue& operator=(const MessageQueue&) = delete;

  LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Deliver(HWND hwnd, TMessage& message);
  bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void PostQuitMessage(int exitCode);
  bool QuitPosted() const { return m_quitPosted; }
  int QuitCode() const { return m_quitCode; }
  bool GetMessage(TMsg& msg);
  bool PeekMessage(TMsg& msg, UINT removeFlags);
  LRESULT DispatchMessage(const TMsg& msg);
  bool TranslateMessage(const TMsg& msg);
  bool ModalLoop(const std::function<bool()>& done);
  int ModalDepth() const { return m_modalDepth; }
  bool ProcessPending();
  int AddMessageFilter(MessageFilter filter);
  void RemoveMessageFilter(int id);
  std::uintptr_t SetTimer(HWND hwnd, std::uintptr_t id, std::uint32_t elapseMs,
                          std::function<void()> callback);
  bool KillTimer(HWND hwnd, std::uintptr_t id);
  // The earliest moment a timer, the caret or a scroll bar wants the loop back.
  std::optional<std::uint32_t> NextTimerDeadline() const { return NextDeadline(); }
  // Drops the window's timers and posted messages.
  void ForgetWindow(HWND hwnd);

 private:
  struct TimerEntry {
    HWND hwnd;
    std::uintptr_t id;
    std::uint32_t interval;
    std::uint32_t due;
    std::function<void()> callback;
  };

  bool NextMessage(TMsg& msg, bool remove, bool wait);
  bool TakeTimerMessage(TMsg& msg);
  std::optional<std::uint32_t> NextDeadline() const;
  void RunInternalTimers();
  bool PassesFilters(TMsg& msg);

  TWindowSystem& m_system;
  std::deque<TMsg> m_posted;
  std::vector<TimerEntry> m_timers;
  std::uintptr_t m_nextTimerId = 0x8000;
  std::vector<std::pair<int, MessageFilter>> m_filters;
  int m_nextFilterId = 1;
  bool m_quitPosted = false;
  int m_quitCode = 0;
  int m_modalDepth = 0;
};

}  // namespace kx
