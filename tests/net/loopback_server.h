#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace kx::test {

// A TCP server on 127.0.0.1 with an ephemeral port. Each accepted connection
// runs the handler on the server thread; the handler reads and writes exact
// bytes. The server stops after the given number of connections or when destroyed.
class LoopbackServer {
 public:
  struct Connection {
    int fd;
    // Reads until a blank line ends a request head; returns the head ("" on close).
    std::string ReadHead();
    void Send(const std::string& bytes);
    void Close();
  };
  using Handler = std::function<void(Connection&)>;

  explicit LoopbackServer(Handler handler, int connections = 1);
  ~LoopbackServer();
  int Port() const { return m_port; }
  std::string Url(const std::string& target) const;
  int Accepted() const { return m_accepted; }

 private:
  int m_listen = -1;
  int m_port = 0;
  std::atomic<int> m_accepted{0};
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

}  // namespace kx::test
