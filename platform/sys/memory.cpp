#include "platform/sys/memory.h"

#include <sys/mman.h>

#include <new>
#include <utility>

namespace kx {

void AdviseHugePages(void* block, std::size_t bytes) {
  if (block) madvise(block, bytes, MADV_HUGEPAGE);
}

PageBlock::PageBlock(std::size_t bytes) : m_size(bytes) {
  void* data = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (data == MAP_FAILED) throw std::bad_alloc();
  m_data = static_cast<char*>(data);
}

PageBlock::~PageBlock() {
  Release();
}

PageBlock::PageBlock(PageBlock&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)) {}

PageBlock& PageBlock::operator=(PageBlock&& other) noexcept {
  if (this != &other) {
    Release();
    m_data = std::exchange(other.m_data, nullptr);
    m_size = std::exchange(other.m_size, 0);
  }
  return *this;
}

void PageBlock::Release() noexcept {
  if (m_data) munmap(m_data, m_size);
  m_data = nullptr;
  m_size = 0;
}

}  // namespace kx
