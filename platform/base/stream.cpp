#include "platform/base/stream.h"

#include <algorithm>
#include <cstring>

#include "platform/base/exception.h"

namespace kx {

std::int64_t TStream::Size() {
  std::int64_t position = Position();
  std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (m_position >= m_bytes.size()) return 0;
  std::size_t n = std::min(count, m_bytes.size() - m_position);
  std::memcpy(buffer, m_bytes.data() + m_position, n);
  m_position += n;
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  if (m_position + count > m_bytes.size()) m_bytes.resize(m_position + count);
  std::memcpy(m_bytes.data() + m_position, buffer, count);
  m_position += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                      : origin == TSeekOrigin::soCurrent
                          ? static_cast<std::int64_t>(m_position)
                          : static_cast<std::int64_t>(m_bytes.size());
  std::int64_t target = base + offset;
  if (target < 0) throw EStreamError("Stream seek error");
  m_position = static_cast<std::size_t>(target);
  return target;
}

void TMemoryStream::Clear() {
  m_bytes.clear();
  m_position = 0;
}

}  // namespace kx
