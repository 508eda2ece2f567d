#include "platform/sys/tcp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/base/exception.h"
#include "platform/base/strings.h"

namespace kx {

std::string SocketErrorText(int error) {
  if (error == kHostNotFound) return "Host not found.";
  return SystemErrorText(error) + ".";
}

SocketResult ResolveIPv4(const std::string& host, std::uint32_t& address) {
  in_addr parsed{};
  if (inet_pton(AF_INET, host.c_str(), &parsed) == 1) {
    address = parsed.s_addr;
    return {};
  }
  if (SameTextAscii(host, "localhost")) {
    address = htonl(INADDR_LOOPBACK);
    return {};
  }
  if (host.empty()) return {kHostNotFound};
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* result = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &result) != 0 || !result) {
    return {kHostNotFound};
  }
  address = reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr.s_addr;
  freeaddrinfo(result);
  return {};
}

TcpSocket::~TcpSocket() {
  Close();
}

SocketResult TcpSocket::Connect(const std::string& host, int port, int timeoutMs) {
  Close();
  std::uint32_t address = 0;
  if (SocketResult r = ResolveIPv4(host, address); !r) return r;
  if (port <= 0 || port > 65535) return {EINVAL};
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return {errno};
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(static_cast<std::uint16_t>(port));
  target.sin_addr.s_addr = address;
  // Connect without blocking so that the time-out can be enforced, then
  // return the socket to blocking mode for the exchange.
  int flags = fcntl(fd, F_GETFL, 0);
  fcntl(fd, F_SETFL, flags | O_NONBLOCK);
  int rc = connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target);
  if (rc != 0 && errno != EINPROGRESS) {
    int error = errno;
    ::close(fd);
    return {error};
  }
  if (rc != 0) {
    pollfd p{fd, POLLOUT, 0};
    int ready = 0;
    do {
      ready = poll(&p, 1, timeoutMs > 0 ? timeoutMs : -1);
    } while (ready < 0 && errno == EINTR);
    if (ready == 0) {
      ::close(fd);
      return {ETIMEDOUT};
    }
    int error = 0;
    socklen_t length = sizeof error;
    getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length);
    if (ready < 0 || error != 0) {
      ::close(fd);
      return {error ? error : ECONNREFUSED};
    }
  }
  fcntl(fd, F_SETFL, flags);
  m_fd = fd;
  return {};
}

SocketResult TcpSocket::SendAll(const char* data, std::size_t size) {
  if (m_fd < 0) return {ENOTCONN};
  while (size > 0) {
    ssize_t sent = ::send(m_fd, data, size, MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      return {errno};
    }
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return {};
}

SocketResult TcpSocket::Receive(char* data, std::size_t size, std::size_t& received) {
  received = 0;
  if (m_fd < 0) return {ENOTCONN};
  for (;;) {
    ssize_t n = ::recv(m_fd, data, size, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {errno};
    received = static_cast<std::size_t>(n);
    return {};
  }
}

namespace {
SocketResult SetTimeoutOption(int fd, int option, int timeoutMs) {
  if (fd < 0) return {ENOTCONN};
  timeval tv{};
  if (timeoutMs > 0) {
    tv.tv_sec = timeoutMs / 1000;
    tv.tv_usec = (timeoutMs % 1000) * 1000;
  }
  if (setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv) != 0) return {errno};
  return {};
}
}  // namespace

SocketResult TcpSocket::SetReceiveTimeout(int timeoutMs) {
  return SetTimeoutOption(m_fd, SO_RCVTIMEO, timeoutMs);
}

SocketResult TcpSocket::SetSendTimeout(int timeoutMs) {
  return SetTimeoutOption(m_fd, SO_SNDTIMEO, timeoutMs);
}

bool TcpSocket::WaitReadable(int timeoutMs) {
  if (m_fd < 0) return true;
  pollfd p{m_fd, POLLIN, 0};
  int ready = 0;
  do {
    ready = poll(&p, 1, timeoutMs < 0 ? -1 : timeoutMs);
  } while (ready < 0 && errno == EINTR);
  return ready != 0;
}

bool TcpSocket::PeerClosed() {
  if (m_fd < 0) return true;
  pollfd p{m_fd, POLLIN, 0};
  if (poll(&p, 1, 0) <= 0) return false;
  char byte = 0;
  ssize_t n = ::recv(m_fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
  return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
}

void TcpSocket::Close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

}  // namespace kx
