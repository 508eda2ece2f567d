#pragma once

#include <cstddef>

namespace kx {

// Tells the system that a large, long-lived block is worth backing with huge
// pages. Only advice: a system without them ignores it.
void AdviseHugePages(void* block, std::size_t bytes);

}  // namespace kx
