#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace kx {

// The byte stream the protocol code talks to: a TCP connection, or a memory
// script in tests. Failures raise the net errors.
class NetStream {
 public:
  virtual ~NetStream() = default;
  virtual void Send(std::string_view data) = 0;
  // Receives up to size bytes; 0 means the peer closed the stream. Raises
  // ENetReadTimeout when the read time-out passes without data.
  virtual std::size_t Receive(char* data, std::size_t size) = 0;
  // 0 waits without limit.
  virtual void SetReadTimeout(int timeoutMs) = 0;
  // How long a send may wait for the peer to take data; past it Send raises
  // ENetReadTimeout. 0 waits without limit.
  virtual void SetSendTimeout(int timeoutMs) { (void)timeoutMs; }
  virtual bool PeerClosed() = 0;
};

// Opens streams to a host and port.
class NetConnector {
 public:
  virtual ~NetConnector() = default;
  virtual std::unique_ptr<NetStream> Connect(const std::string& host, int port,
                                             int connectTimeoutMs) = 0;
};

// The system's TCP sockets.
class SocketConnector : public NetConnector {
 public:
  std::unique_ptr<NetStream> Connect(const std::string& host, int port,
                                     int connectTimeoutMs) override;
};

}  // namespace kx
