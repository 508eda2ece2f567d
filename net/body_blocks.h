#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/sys/memory.h"

namespace kx {

// The size of one block of a body whose length is unknown.
inline constexpr std::size_t kBodyBlockBytes = 1024 * 1024;

// A response body whose length is not known until the peer closes. Appending
// to one text as the bytes arrive would double its buffer again and again,
// with the old and the new buffer alive at each step; the blocks keep the
// body instead, and the text is sized once, exactly, when the body is whole.
// Each block goes back to the system as soon as it has been copied, so the
// memory in use stays near the body's size plus one block.
class BodyBlocks {
 public:
  std::size_t Size() const { return m_size; }
  void Append(const char* data, std::size_t count);
  // Appends the body to out and empties the blocks.
  void MoveTo(std::string& out);

 private:
  std::vector<PageBlock> m_blocks;
  std::size_t m_lastUsed = 0;  // bytes used in the last block
  std::size_t m_size = 0;
};

}  // namespace kx
