#include "net/net_stream.h"

#include <cerrno>

#include "net/net_errors.h"
#include "platform/sys/tcp_socket.h"

namespace kx {
namespace {

class SocketStream : public NetStream {
 public:
  void Open(const std::string& host, int port, int timeoutMs) {
    if (SocketResult r = m_socket.Connect(host, port, timeoutMs); !r)
      throw ENetSocketError(r.error);
  }
  void Send(std::string_view data) override {
    if (SocketResult r = m_socket.SendAll(data.data(), data.size()); !r) {
      if (r.error == EAGAIN || r.error == EWOULDBLOCK) throw ENetReadTimeout();
      throw ENetSocketError(r.error);
    }
  }
  void SetSendTimeout(int timeoutMs) override {
    if (SocketResult r = m_socket.SetSendTimeout(timeoutMs); !r) throw ENetSocketError(r.error);
  }
  std::size_t Receive(char* data, std::size_t size) override {
    std::size_t received = 0;
    SocketResult r = m_socket.Receive(data, size, received);
    if (r.error == EAGAIN || r.error == EWOULDBLOCK) throw ENetReadTimeout();
    if (!r) throw ENetSocketError(r.error);
    return received;
  }
  void SetReadTimeout(int timeoutMs) override {
    if (SocketResult r = m_socket.SetReceiveTimeout(timeoutMs); !r) throw ENetSocketError(r.error);
  }
  bool PeerClosed() override { return m_socket.PeerClosed(); }

 private:
  TcpSocket m_socket;
};

}  // namespace

std::unique_ptr<NetStream> SocketConnector::Connect(const std::string& host, int port,
                                                    int connectTimeoutMs) {
  auto stream = std::make_unique<SocketStream>();
  stream->Open(host, port, connectTimeoutMs);
  return stream;
}

}  // namespace kx
