#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kx::test {

std::string LoopbackServer::Connection::ReadHead() {
  std::string head;
  char c = 0;
  while (head.size() < 4 || head.compare(head.size() - 4, 4, "\r\n\r\n") != 0) {
    if (recv(fd, &c, 1, 0) <= 0) return {};
    head += c;
  }
  return head;
}

void LoopbackServer::Connection::Send(const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

void LoopbackServer::Connection::Close() {
  if (fd >= 0) close(fd);
  fd = -1;
}

LoopbackServer::LoopbackServer(Handler handler, int connections) {
  m_listen = socket(AF_INET, SOCK_STREAM, 0);
  int one = 1;
  setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  listen(m_listen, 8);
  socklen_t len = sizeof addr;
  getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len);
  m_port = ntohs(addr.sin_port);
  m_thread = std::thread([this, handler, connections] {
    for (int i = 0; i < connections && !m_stop; ++i) {
      pollfd p{m_listen, POLLIN, 0};
      while (!m_stop && poll(&p, 1, 50) == 0) {
      }
      if (m_stop) break;
      Connection c{accept(m_listen, nullptr, nullptr)};
      if (c.fd < 0) break;
      ++m_accepted;
      handler(c);
      c.Close();
    }
  });
}

LoopbackServer::~LoopbackServer() {
  m_stop = true;
  m_thread.join();
  close(m_listen);
}

std::string LoopbackServer::Url(const std::string& target) const {
  return "http://127.0.0.1:" + std::to_string(m_port) + target;
}

}  // namespace kx::test
