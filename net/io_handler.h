#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "net/net_stream.h"

namespace kx {

inline constexpr std::size_t kRecvBufferSize = 32768;
inline constexpr std::size_t kDefaultMaxLineLength = 16384;

// Buffered reading over a stream: lines, counted bytes, and reading to the
// peer's close. A read time-out of 0 waits without limit.
class NetIOHandler {
 public:
  explicit NetIOHandler(std::unique_ptr<NetStream> stream) : m_stream(std::move(stream)) {}

  NetStream& Stream() { return *m_stream; }
  bool ClosedByPeer() const { return m_closed && m_buffer.empty(); }
  std::size_t Buffered() const { return m_buffer.size(); }

  void SetReadTimeout(int ms) { m_readTimeoutMs = ms; }
  int ReadTimeout() const { return m_readTimeoutMs; }

  // A line up to LF, without the LF and a CR before it. Raises
  // ENetReadLnMaxLineLengthExceeded for a longer line and ENetConnClosedGracefully
  // when the stream ends first.
  std::string ReadLn(std::size_t maxLength);
  // Appends up to count bytes to out; returns false when the stream ended first.
  bool ReadBytes(std::size_t count, std::string& out);
  // Appends everything until the peer closes.
  void ReadToClose(std::string& out);

 private:
  // Receives one block into the buffer; false when the peer has closed.
  bool Fill();

  std::unique_ptr<NetStream> m_stream;
  std::string m_buffer;
  std::size_t m_start = 0;
  bool m_closed = false;
  int m_readTimeoutMs = 0;
};

}  // namespace kx
