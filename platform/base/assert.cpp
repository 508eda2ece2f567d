#include "platform/base/assert.h"

#include <cstdio>
#include <cstdlib>

namespace kx {

void AssertionFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: assertion failed: %s\n", file, line, condition);
  std::fflush(stderr);
  std::abort();
}

}  // namespace kx
