// Feeds arbitrary bytes as a server's answer to one GET, in pieces whose
// sizes come from the input, so that every read path meets every cut.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "net/http.h"
#include "net/net_errors.h"

namespace {

class FuzzStream : public kx::NetStream {
 public:
  FuzzStream(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  void Send(std::string_view) override {}
  std::size_t Receive(char* out, std::size_t size) override {
    if (m_at >= m_size) return 0;
    // The first byte of each piece says how long the piece is.
    std::size_t piece = 1 + m_data[m_at] % 64;
    ++m_at;
    std::size_t n = std::min({piece, size, m_size - m_at});
    std::copy_n(m_data + m_at, n, out);
    m_at += n;
    if (n == 0) return 0;
    return n;
  }
  void SetReadTimeout(int) override {}
  bool PeerClosed() override { return false; }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
};

class FuzzConnector : public kx::NetConnector {
 public:
  FuzzConnector(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  std::unique_ptr<kx::NetStream> Connect(const std::string&, int, int) override {
    return std::make_unique<FuzzStream>(m_data, m_size);
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::TNetHTTP http(std::make_unique<FuzzConnector>(data, size));
  std::string body;
  try {
    http.Get("http://fuzz.example/login/kestrix.php?login=a&pass=b", body);
  } catch (const kx::ENetException&) {
  }
  if (body.size() > size) __builtin_trap();
  return 0;
}
