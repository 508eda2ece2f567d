#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace kx {

using DWORD = std::uint32_t;

inline constexpr DWORD INTERNET_OPEN_TYPE_PRECONFIG = 0;
inline constexpr DWORD INTERNET_FLAG_RELOAD = 0x80000000u;
inline constexpr DWORD HTTP_QUERY_STATUS_CODE = 19;

// Time limits of the probe, so that a silent server cannot hold it forever.
inline constexpr long kInternetConnectTimeoutMs = 30000;
inline constexpr long kInternetTotalTimeoutMs = 60000;
inline constexpr long kInternetMaxRedirects = 10;

// A session or a request of the Internet status probe.
class InternetHandle {
 public:
  virtual ~InternetHandle() = default;
};
using HINTERNET = std::unique_ptr<InternetHandle>;

// A session with an agent string; the system's configured proxy (the usual
// proxy environment variables) applies. nullptr when none can be made.
HINTERNET InternetOpenA(const char* agent, DWORD accessType, const char* proxy,
                        const char* proxyBypass, DWORD flags);
// Sends a GET for url and reads the response head; redirects are followed.
// With INTERNET_FLAG_RELOAD the answer comes from the server, never a cache.
// nullptr when the URL cannot be opened (no connection, bad URL).
HINTERNET InternetOpenUrlA(InternetHandle* session, const char* url, const char* headers,
                           DWORD headersLength, DWORD flags, std::uintptr_t context);
// HTTP_QUERY_STATUS_CODE: the status code as text into buffer, with its
// terminator; length is the buffer size in and the text length out. False
// when the buffer is too small or the information is missing.
bool HttpQueryInfoA(InternetHandle* request, DWORD infoLevel, char* buffer, DWORD& length,
                    DWORD& index);
bool InternetCloseHandle(HINTERNET& handle);

}  // namespace kx
