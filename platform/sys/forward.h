#pragma once

namespace kx {
class TcpSocket;
struct SocketResult;
}  // namespace kx
