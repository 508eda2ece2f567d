#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "net/net_stream.h"

namespace kx {

inline constexpr std::size_t kRecvBufferSize = 32768;
inline constexpr std::size_t kDefaultMaxLineLength = 16384;
inline constexpr std::size_t kMaxBodyReserve = 64 * 1024 * 1024;

// Buffered reading over a stream: lines, counted bytes, and reading to the
// peer's close. A read time-out of 0 waits without limit.
class NetIOHandler {
 public:
  explicit NetIOHandler(std::unique_ptr<NetStream> stream);

  NetStream& Stream() { return *m_stream; }
  bool ClosedByPeer() const { return m_closed && m_begin == m_end; }
  std::size_t Buffered() const { return m_end - m_begin; }

  void SetReadTimeout(int ms) {
    if (ms != m_readTimeoutMs) m_stream->SetReadTimeout(ms);
    m_readTimeoutMs = ms;
  }
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
  // Receives one block behind the buffered bytes; false when the peer has closed.
  bool Fill();
  void TakeBuffered(std::size_t count, std::string& out);

  std::unique_ptr<NetStream> m_stream;
  std::vector<char> m_data;
  std::size_t m_begin = 0;  // unread bytes are m_data[m_begin, m_end)
  std::size_t m_end = 0;
  bool m_closed = false;
  int m_readTimeoutMs = 0;
};

}  // namespace kx
