#include "platform/window/clock.h"

#include <chrono>

namespace kx {

namespace {
std::int64_t SteadyNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace

RealClock::RealClock() : m_startNs(SteadyNs()) {}

std::uint32_t RealClock::Now() const {
  // Starts at 1000 so that "long ago" (time 0) never looks recent.
  return static_cast<std::uint32_t>((SteadyNs() - m_startNs) / 1000000 + 1000);
}

}  // namespace kx
