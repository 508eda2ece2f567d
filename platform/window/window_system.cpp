#include "platform/window/window_system.h"

#include <stdexcept>

namespace kx {

namespace {
TWindowSystem* g_current = nullptr;
}  // namespace

TWindowSystem::TWindowSystem(WindowBackend& backend, LoopClock& clock)
    : m_backend(backend), m_clock(clock), m_previous(g_current) {
  g_current = this;
  m_backend.Attach(*this);
}

TWindowSystem::~TWindowSystem() {
  m_tree.DestroyAll();
  m_backend.Detach();
  g_current = m_previous;
}

TWindowSystem& TWindowSystem::Current() {
  if (!g_current) throw std::logic_error("no window system exists");
  return *g_current;
}

bool TWindowSystem::Exists() {
  return g_current != nullptr;
}

void TWindowSystem::ForgetWindow(HWND hwnd) {
  m_queue.ForgetWindow(hwnd);
  m_caret.ForgetWindow(hwnd);
  m_frame.ForgetWindow(hwnd);
  m_scrollBars.ForgetWindow(hwnd);
  m_painter.ForgetWindow(hwnd);
  m_tree.Remove(hwnd);
  m_input.ForgetWindow(hwnd);
}

}  // namespace kx
