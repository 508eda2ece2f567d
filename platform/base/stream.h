#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kx {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// A sequence of bytes read and written at a position.
class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to count bytes; returns how many were read (0 at the end).
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes count bytes; returns how many were written.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  // Moves the position and returns the new one.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  virtual std::int64_t Size();
};

// A stream over a growable block of memory.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(m_bytes.size()); }
  void Clear();
  const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
  std::vector<std::uint8_t>& Bytes() { return m_bytes; }

 private:
  std::vector<std::uint8_t> m_bytes;
  std::size_t m_position = 0;
};

}  // namespace kx
