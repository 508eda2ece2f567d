#pragma once

#include <cstdint>
#include <initializer_list>

namespace kx {

// A set of the members of an enumeration with at most 64 members, numbered from 0.
template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E m : members) Include(m);
  }
  constexpr bool Has(E m) const { return (m_bits & Bit(m)) != 0; }
  constexpr TSet& Include(E m) {
    m_bits |= Bit(m);
    return *this;
  }
  constexpr TSet& Exclude(E m) {
    m_bits &= ~Bit(m);
    return *this;
  }
  constexpr TSet operator+(E m) const { return TSet(*this).Include(m); }
  constexpr TSet operator-(E m) const { return TSet(*this).Exclude(m); }
  constexpr bool Empty() const { return m_bits == 0; }
  constexpr std::uint64_t Bits() const { return m_bits; }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  static constexpr std::uint64_t Bit(E m) { return std::uint64_t{1} << static_cast<unsigned>(m); }
  std::uint64_t m_bits = 0;
};

}  // namespace kx
