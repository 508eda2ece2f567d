// httpget [--twice] [--verbose] URL: one GET (two on the same client with
// --twice), each body to standard output; exit 1 with the error on standard error.
#include <cstdio>
#include <cstring>
#include <string>

#include "net/http.h"
#include "net/net_errors.h"

namespace {

const char* ErrorClass(const std::exception& e) {
  using namespace kx;
  if (dynamic_cast<const ENetHTTPProtocolException*>(&e)) return "ENetHTTPProtocolException";
  if (dynamic_cast<const ENetConnClosedGracefully*>(&e)) return "ENetConnClosedGracefully";
  if (dynamic_cast<const ENetReadLnMaxLineLengthExceeded*>(&e)) {
    return "ENetReadLnMaxLineLengthExceeded";
  }
  if (dynamic_cast<const ENetReadTimeout*>(&e)) return "ENetReadTimeout";
  if (dynamic_cast<const ENetSocketError*>(&e)) return "ENetSocketError";
  if (dynamic_cast<const ENetException*>(&e)) return "ENetException";
  return "Exception";
}

}  // namespace

int main(int argc, char** argv) {
  bool twice = false;
  bool verbose = false;
  std::string url;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--twice") == 0) {
      twice = true;
    } else if (std::strcmp(argv[i], "--verbose") == 0) {
      verbose = true;
    } else if (url.empty()) {
      url = argv[i];
    } else {
      url.clear();
      break;
    }
  }
  if (url.empty()) {
    std::fprintf(stderr, "usage: httpget [--twice] [--verbose] URL\n");
    return 2;
  }
  kx::TNetHTTP http;
  if (verbose) {
    http.OnRequestHead = [](const std::string& head) { std::fputs(head.c_str(), stderr); };
    http.OnResponseHead = [](const kx::TNetHTTPResponse& r) {
      std::fprintf(stderr, "%s\r\n", r.ResponseText.c_str());
      for (const std::string& line : r.RawHeaders.Lines())
        std::fprintf(stderr, "%s\r\n", line.c_str());
      std::fputs("\r\n", stderr);
    };
  }
  for (int round = 0; round < (twice ? 2 : 1); ++round) {
    std::string body;
    try {
      http.Get(url, body);
      std::fwrite(body.data(), 1, body.size(), stdout);
    } catch (const std::exception& e) {
      std::fwrite(body.data(), 1, body.size(), stdout);
      std::fflush(stdout);
      std::fprintf(stderr, "%s: %s\n", ErrorClass(e), e.what());
      return 1;
    }
  }
  return 0;
}
