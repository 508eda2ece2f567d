// Throughput of a 64 MiB body from a loopback server, with Content-Length,
// chunked in 32 KiB chunks and read until the server closes, for this client
// and for libcurl side by side, and the client's peak resident memory above
// the body size (goal for a body read until close: within 30 % of the body).
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <fstream>
#include <string>

#include "../../tests/net/loopback_server.h"
#include "net/cookies.h"
#include "net/header_list.h"
#include "net/http.h"

namespace kx {
namespace {

constexpr std::size_t kBodySize = 64u * 1024 * 1024;
constexpr std::size_t kChunk = 32 * 1024;

const std::string& Payload() {
  static const std::string payload = [] {
    std::string p(kBodySize, '\0');
    for (std::size_t i = 0; i < p.size(); ++i) p[i] = static_cast<char>('a' + i % 26);
    return p;
  }();
  return payload;
}

enum class Framing { Length, Chunked, UntilClose };

void Serve(test::LoopbackServer::Connection& c, Framing framing) {
  const bool chunked = framing == Framing::Chunked;
  for (;;) {
    if (c.ReadHead().empty()) return;
    if (framing == Framing::UntilClose) {
      c.Send("HTTP/1.1 200 OK\r\n\r\n");
      c.Send(Payload());
      return;
    }
    if (!chunked) {
      c.Send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kBodySize) + "\r\n\r\n");
      c.Send(Payload());
      continue;
    }
    c.Send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n");
    char size[32];
    std::snprintf(size, sizeof size, "%zx\r\n", kChunk);
    for (std::size_t at = 0; at < kBodySize; at += kChunk) {
      c.Send(size + Payload().substr(at, kChunk) + "\r\n");
    }
    c.Send("0\r\n\r\n");
  }
}

long PeakRssKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

void ResetPeakRss() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_Client(benchmark::State& state) {
  const auto framing = static_cast<Framing>(state.range(0));
  Payload();
  // A body read until close needs a connection per request.
  test::LoopbackServer server([&](auto& c) { Serve(c, framing); }, 1000);
  TNetHTTP http;
  long worstExtraKb = 0;
  for (auto _ : state) {
    ResetPeakRss();
    long before = PeakRssKb();
    std::string body = http.Get(server.Url("/body"));
    worstExtraKb =
        std::max(worstExtraKb, PeakRssKb() - before - static_cast<long>(kBodySize / 1024));
    if (body.size() != kBodySize) state.SkipWithError("short body");
  }
  http.Disconnect();
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kBodySize));
  state.counters["peak_extra_KiB"] = static_cast<double>(worstExtraKb);
}
BENCHMARK(BM_Client)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("length_chunked_close")
    ->Unit(benchmark::kMillisecond);

// The same exchange into a caller's buffer that keeps its capacity between
// calls: the transport alone, without the page faults of a fresh 64 MiB text.
void BM_ClientReusedBuffer(benchmark::State& state) {
  const auto framing = state.range(0) != 0 ? Framing::Chunked : Framing::Length;
  Payload();
  test::LoopbackServer server([&](auto& c) { Serve(c, framing); });
  TNetHTTP http;
  std::string body;
  for (auto _ : state) {
    body.clear();
    http.Get(server.Url("/body"), body);
    if (body.size() != kBodySize) state.SkipWithError("short body");
  }
  http.Disconnect();
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kBodySize));
}
BENCHMARK(BM_ClientReusedBuffer)->Arg(0)->Arg(1)->ArgName("chunked")->Unit(benchmark::kMillisecond);

std::size_t Discard(char*, std::size_t size, std::size_t n, void* total) {
  *static_cast<std::size_t*>(total) += size * n;
  return size * n;
}

// curl hands the body over in pieces; like the client, keep it in memory.
std::size_t Collect(char* data, std::size_t size, std::size_t n, void* body) {
  static_cast<std::string*>(body)->append(data, size * n);
  return size * n;
}

void BM_Curl(benchmark::State& state) {
  const auto framing = state.range(0) != 0 ? Framing::Chunked : Framing::Length;
  Payload();
  test::LoopbackServer server([&](auto& c) { Serve(c, framing); });
  CURL* curl = curl_easy_init();
  std::string url = server.Url("/body");
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
  for (auto _ : state) {
    std::string body;
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    curl_easy_perform(curl);
    if (body.size() != kBodySize) state.SkipWithError("short body");
  }
  curl_easy_cleanup(curl);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kBodySize));
}
BENCHMARK(BM_Curl)->Arg(0)->Arg(1)->ArgName("chunked")->Unit(benchmark::kMillisecond);

// curl throwing the body away as it arrives: the transport alone.
void BM_CurlDiscard(benchmark::State& state) {
  const auto framing = state.range(0) != 0 ? Framing::Chunked : Framing::Length;
  Payload();
  test::LoopbackServer server([&](auto& c) { Serve(c, framing); });
  CURL* curl = curl_easy_init();
  std::string url = server.Url("/body");
  std::size_t total = 0;
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Discard);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &total);
  curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
  for (auto _ : state) {
    total = 0;
    curl_easy_perform(curl);
    if (total != kBodySize) state.SkipWithError("short body");
  }
  curl_easy_cleanup(curl);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kBodySize));
}
BENCHMARK(BM_CurlDiscard)->Arg(0)->Arg(1)->ArgName("chunked")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kx

// A hostile head of 10,000 Set-Cookie lines into the jar, then the cookies of
// one request. Goal: under 20 ms.
void BM_TenThousandCookies(benchmark::State& state) {
  kx::TNetHeaderList head;
  for (int i = 0; i < 10000; ++i) {
    head.AddReceivedLine("Set-Cookie: session" + std::to_string(i) + "=" + std::string(40, 'v') +
                         "; path=/");
  }
  for (auto _ : state) {
    kx::TNetCookieManager jar;
    jar.AddCookies(head, "stats.example");
    benchmark::DoNotOptimize(jar.CookieHeader("stats.example", "/login/"));
  }
}
BENCHMARK(BM_TenThousandCookies)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
