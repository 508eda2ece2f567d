#include "net/body_blocks.h"

#include <algorithm>
#include <cstring>

namespace kx {

void BodyBlocks::Append(const char* data, std::size_t count) {
  while (count > 0) {
    if (m_blocks.empty() || m_lastUsed == kBodyBlockBytes) {
      m_blocks.emplace_back(kBodyBlockBytes);
      m_lastUsed = 0;
    }
    const std::size_t take = std::min(count, kBodyBlockBytes - m_lastUsed);
    std::memcpy(m_blocks.back().Data() + m_lastUsed, data, take);
    m_lastUsed += take;
    m_size += take;
    data += take;
    count -= take;
  }
}

void BodyBlocks::MoveTo(std::string& out) {
  if (out.capacity() < out.size() + m_size) {
    // A fresh text takes exactly the size asked for; reserving on a text that
    // already holds a buffer may double it.
    std::string whole;
    whole.reserve(out.size() + m_size);
    whole.append(out);
    out.swap(whole);
  }
  for (std::size_t i = 0; i < m_blocks.size(); ++i) {
    const bool last = i + 1 == m_blocks.size();
    out.append(m_blocks[i].Data(), last ? m_lastUsed : kBodyBlockBytes);
    m_blocks[i] = PageBlock();  // copied: back to the system
  }
  m_blocks.clear();
  m_lastUsed = 0;
  m_size = 0;
}

}  // namespace kx
