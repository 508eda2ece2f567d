#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kx {

// The outcome of a socket call: 0 for success, else the system's error number
// (or kHostNotFound for a name that does not resolve).
struct SocketResult {
  int error = 0;
  explicit operator bool() const { return error == 0; }
};

inline constexpr int kHostNotFound = 11001;
// The system's text for a socket error number.
std::string SocketErrorText(int error);

// Resolves a host to an IPv4 address in network byte order: a dotted address
// needs no lookup, "localhost" in any case is 127.0.0.1, any other name takes
// the first IPv4 address of the system resolver.
SocketResult ResolveIPv4(const std::string& host, std::uint32_t& address);

// A blocking IPv4 TCP connection.
class TcpSocket {
 public:
  TcpSocket() = default;
  ~TcpSocket();
  TcpSocket(const TcpSocket&) = delete;
  TcpSocket& operator=(const TcpSocket&) = delete;

  // timeoutMs <= 0 waits as long as the system does.
  SocketResult Connect(const std::string& host, int port, int timeoutMs);
  // Sends everything, repeating for what the socket did not take.
  SocketResult SendAll(const char* data, std::size_t size);
  // Receives up to size bytes; received = 0 means the peer closed the connection.
  SocketResult Receive(char* data, std::size_t size, std::size_t& received);
  // Makes Receive give up with EAGAIN after timeoutMs without data (0: never).
  SocketResult SetReceiveTimeout(int timeoutMs);
  // How long SendAll waits for the peer to take data (EAGAIN after it); 0 waits without limit.
  SocketResult SetSendTimeout(int timeoutMs);
  // Waits until data (or the peer's close) can be read; false on time-out.
  // timeoutMs < 0 waits without limit.
  bool WaitReadable(int timeoutMs);
  // True when the peer has closed its side and nothing is left to read.
  bool PeerClosed();
  void Close();
  bool IsOpen() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};

}  // namespace kx
