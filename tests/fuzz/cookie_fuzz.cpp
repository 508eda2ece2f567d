// Stores arbitrary Set-cookie values (the first byte picks the header kind and
// the host) and builds the Cookie header afterwards.
#include <cstddef>
#include <cstdint>
#include <string>

#include "net/cookies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const kHosts[] = {"stats.example", "www.stats.example", "10.0.0.1",
                                       "localhost"};
  kx::TNetCookieManager jar;
  jar.SetClock([] { return 1796790400.0; });
  const char* host = kHosts[data[0] % 4];
  auto kind = (data[0] & 4) ? kx::TNetCookieKind::SetCookie2 : kx::TNetCookieKind::SetCookie;
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t nl = text.find('\n', start);
    jar.StoreCookie(text.substr(start, nl == std::string::npos ? std::string::npos : nl - start),
                    host, kind);
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  std::string header = jar.CookieHeader(host, "/login/");
  if (header.size() > 2 * size + 16) __builtin_trap();
  return 0;
}
