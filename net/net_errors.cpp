#include "net/net_errors.h"

#include "platform/sys/tcp_socket.h"

namespace kx {

ENetSocketError::ENetSocketError(int code)
    : ENetException("Socket Error # " + std::to_string(code) + "\r\n" + SocketErrorText(code)),
      m_code(code) {}

}  // namespace kx
