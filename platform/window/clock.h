#pragma once

#include <cstdint>

namespace kx {

// The millisecond clock of the message loop: timers, double clicks, caret blinking.
class LoopClock {
 public:
  virtual ~LoopClock() = default;
  virtual std::uint32_t Now() const = 0;
  // True when waiting lets time pass by itself (the real clock); a virtual clock
  // moves only when a test advances it.
  virtual bool Runs() const = 0;
};

class RealClock final : public LoopClock {
 public:
  RealClock();
  std::uint32_t Now() const override;
  bool Runs() const override { return true; }

 private:
  std::int64_t m_startNs;
};

class VirtualClock final : public LoopClock {
 public:
  explicit VirtualClock(std::uint32_t start = 1000) : m_now(start) {}
  std::uint32_t Now() const override { return m_now; }
  bool Runs() const override { return false; }
  void Advance(std::uint32_t ms) { m_now += ms; }

 private:
  std::uint32_t m_now;
};

}  // namespace kx
