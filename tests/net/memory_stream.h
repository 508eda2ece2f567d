#pragma once

#include <deque>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "net/net_errors.h"
#include "net/net_stream.h"

namespace kx::test {

// A scripted peer in memory: each connection replays its blocks of bytes (one
// block per receive), then reports the close; everything sent is recorded.
struct MemoryScript {
  std::deque<std::string> blocks;
  bool silentAtEnd = false;  // instead of closing, never become readable
  std::string sent;
  bool closed = false;
};

class MemoryStream : public NetStream {
 public:
  explicit MemoryStream(std::shared_ptr<MemoryScript> script) : m_script(std::move(script)) {}
  ~MemoryStream() override { m_script->closed = true; }
  void Send(std::string_view data) override { m_script->sent.append(data); }
  std::size_t Receive(char* data, std::size_t size) override {
    if (m_script->blocks.empty() && m_script->silentAtEnd) {
      // A silent peer: only a read time-out ends the wait.
      if (m_timeoutMs > 0) throw ENetReadTimeout();
      throw std::logic_error("a memory stream cannot wait forever");
    }
    if (m_script->blocks.empty()) return 0;
    std::string& front = m_script->blocks.front();
    std::size_t n = std::min(size, front.size());
    front.copy(data, n);
    front.erase(0, n);
    if (front.empty()) m_script->blocks.pop_front();
    return n;
  }
  void SetReadTimeout(int timeoutMs) override { m_timeoutMs = timeoutMs; }
  bool PeerClosed() override { return false; }

 private:
  std::shared_ptr<MemoryScript> m_script;
  int m_timeoutMs = 0;
};

class MemoryConnector : public NetConnector {
 public:
  std::shared_ptr<MemoryScript> Add(std::vector<std::string> blocks) {
    auto script = std::make_shared<MemoryScript>();
    script->blocks.assign(blocks.begin(), blocks.end());
    m_pending.push_back(script);
    return script;
  }
  std::unique_ptr<NetStream> Connect(const std::string& host, int port, int) override {
    hosts.push_back(host + ":" + std::to_string(port));
    if (m_pending.empty()) return std::make_unique<MemoryStream>(std::make_shared<MemoryScript>());
    auto script = m_pending.front();
    m_pending.pop_front();
    return std::make_unique<MemoryStream>(script);
  }
  std::vector<std::string> hosts;

 private:
  std::deque<std::shared_ptr<MemoryScript>> m_pending;
};

}  // namespace kx::test
