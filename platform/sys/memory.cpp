#include "platform/sys/memory.h"

#include <sys/mman.h>

namespace kx {

void AdviseHugePages(void* block, std::size_t bytes) {
  if (block) madvise(block, bytes, MADV_HUGEPAGE);
}

}  // namespace kx
