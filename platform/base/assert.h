#pragma once

// KX_ASSERT(condition) states a programmer's promise: a caller that breaks it
// has a bug. It is checked in the test build (KX_ASSERTIONS, on with the
// sanitizers and the fuzz targets), where a broken promise prints its file and
// line and aborts; elsewhere the condition is not evaluated. Outside input
// never reaches an assertion: it gets a clean error instead.

namespace kx {
[[noreturn]] void AssertionFailed(const char* condition, const char* file, int line);
}  // namespace kx

#if defined(KX_ASSERTIONS) && KX_ASSERTIONS
#define KX_ASSERT(condition) \
  ((condition) ? static_cast<void>(0) : ::kx::AssertionFailed(#condition, __FILE__, __LINE__))
#else
#define KX_ASSERT(condition) static_cast<void>(sizeof(static_cast<bool>(condition)))
#endif
