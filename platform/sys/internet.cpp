#include "platform/sys/internet.h"

#include <curl/curl.h>

#include <cstring>
#include <string>

namespace kx {
namespace {

class Session : public InternetHandle {
 public:
  explicit Session(std::string agent) : Agent(std::move(agent)) {}
  std::string Agent;
};

class Request : public InternetHandle {
 public:
  long StatusCode = 0;
};

// Stops the transfer at the first byte of the body: the probe needs the head only.
std::size_t StopAtBody(char*, std::size_t, std::size_t, void*) {
  return 0;
}

struct CurlEasy {
  CurlEasy() : handle(curl_easy_init()) {}
  ~CurlEasy() {
    if (handle) curl_easy_cleanup(handle);
  }
  CurlEasy(const CurlEasy&) = delete;
  CurlEasy& operator=(const CurlEasy&) = delete;
  CURL* handle;
};

struct CurlHeaders {
  ~CurlHeaders() { curl_slist_free_all(list); }
  void Add(const char* line) { list = curl_slist_append(list, line); }
  curl_slist* list = nullptr;
};

}  // namespace

HINTERNET InternetOpenA(const char* agent, DWORD accessType, const char*, const char*, DWORD) {
  if (accessType != INTERNET_OPEN_TYPE_PRECONFIG) return nullptr;
  if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
  return std::make_unique<Session>(agent ? agent : "");
}

HINTERNET InternetOpenUrlA(InternetHandle* session, const char* url, const char* headers,
                           DWORD headersLength, DWORD flags, std::uintptr_t) {
  auto* s = dynamic_cast<Session*>(session);
  if (!s || !url) return nullptr;
  CurlEasy curl;
  if (!curl.handle) return nullptr;
  CurlHeaders extra;
  if (flags & INTERNET_FLAG_RELOAD) {
    extra.Add("Cache-Control: no-cache");
    extra.Add("Pragma: no-cache");
  }
  std::string given = headers && headersLength ? std::string(headers, headersLength) : "";
  if (!given.empty()) extra.Add(given.c_str());
  curl_easy_setopt(curl.handle, CURLOPT_URL, url);
  curl_easy_setopt(curl.handle, CURLOPT_USERAGENT, s->Agent.c_str());
  curl_easy_setopt(curl.handle, CURLOPT_HTTPHEADER, extra.list);
  curl_easy_setopt(curl.handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl.handle, CURLOPT_MAXREDIRS, kInternetMaxRedirects);
  curl_easy_setopt(curl.handle, CURLOPT_CONNECTTIMEOUT_MS, kInternetConnectTimeoutMs);
  curl_easy_setopt(curl.handle, CURLOPT_TIMEOUT_MS, kInternetTotalTimeoutMs);
  curl_easy_setopt(curl.handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl.handle, CURLOPT_WRITEFUNCTION, StopAtBody);
  CURLcode rc = curl_easy_perform(curl.handle);
  long code = 0;
  curl_easy_getinfo(curl.handle, CURLINFO_RESPONSE_CODE, &code);
  // Stopping at the body is how a successful probe ends.
  if ((rc != CURLE_OK && rc != CURLE_WRITE_ERROR) || code <= 0) return nullptr;
  auto request = std::make_unique<Request>();
  request->StatusCode = code;
  return request;
}

bool HttpQueryInfoA(InternetHandle* request, DWORD infoLevel, char* buffer, DWORD& length, DWORD&) {
  auto* r = dynamic_cast<Request*>(request);
  if (!r || infoLevel != HTTP_QUERY_STATUS_CODE || !buffer) return false;
  std::string text = std::to_string(r->StatusCode);
  if (text.size() + 1 > length) {
    length = static_cast<DWORD>(text.size() + 1);
    return false;
  }
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  length = static_cast<DWORD>(text.size());
  return true;
}

bool InternetCloseHandle(HINTERNET& handle) {
  bool had = handle != nullptr;
  handle.reset();
  return had;
}

}  // namespace kx
