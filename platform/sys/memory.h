#pragma once

#include <cstddef>

namespace kx {

// Tells the system that a large, long-lived block is worth backing with huge
// pages. Only advice: a system without them ignores it.
void AdviseHugePages(void* block, std::size_t bytes);

// A block of memory mapped from the system and unmapped when the block goes,
// so that its memory is free at once instead of staying with the allocator.
// Pages cost memory only once they are written. Raises std::bad_alloc when
// the system has no room.
class PageBlock {
 public:
  PageBlock() = default;                  // no memory
  explicit PageBlock(std::size_t bytes);  // bytes > 0
  ~PageBlock();
  PageBlock(PageBlock&& other) noexcept;
  PageBlock& operator=(PageBlock&& other) noexcept;
  PageBlock(const PageBlock&) = delete;
  PageBlock& operator=(const PageBlock&) = delete;

  char* Data() const { return m_data; }
  std::size_t Size() const { return m_size; }

 private:
  void Release() noexcept;

  char* m_data = nullptr;
  std::size_t m_size = 0;
};

}  // namespace kx
