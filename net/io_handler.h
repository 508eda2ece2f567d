#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/net_stream.h"

namespace kx {

class BodyBlocks;

inline constexpr std::size_t kRecvBufferSize = 32768;
inline constexpr std::size_t kDefaultMaxLineLength = 16384;
inline constexpr std::size_t kMaxBodyReserve = 64 * 1024 * 1024;

using NetDeadline = std::chrono::steady_clock::time_point;

// What is left of timeoutMs (0: without limit) before the deadline, if there
// is one; raises ENetReadTimeout when the deadline has passed.
int TimeoutBeforeDeadline(const std::optional<NetDeadline>& deadline, int timeoutMs);

// Buffered reading over a stream: lines, counted bytes, and reading to the
// peer's close. A read time-out of 0 waits without limit.
class NetIOHandler {
 public:
  explicit NetIOHandler(std::unique_ptr<NetStream> stream);

  NetStream& Stream() { return *m_stream; }
  bool ClosedByPeer() const { return m_closed && m_begin == m_end; }
  std::size_t Buffered() const { return m_end - m_begin; }

  // How long one receive may wait; 0 waits without limit.
  void SetReadTimeout(int ms) { m_readTimeoutMs = ms; }
  int ReadTimeout() const { return m_readTimeoutMs; }
  // The moment the whole exchange must be over: receives past it raise
  // ENetReadTimeout, and no receive waits beyond it.
  void SetDeadline(std::optional<NetDeadline> deadline) { m_deadline = deadline; }

  // A line up to LF, without the LF and a CR before it. Raises
  // ENetReadLnMaxLineLengthExceeded for a longer line and ENetConnClosedGracefully
  // when the stream ends first.
  std::string ReadLn(std::size_t maxLength);
  // Appends up to count bytes to out; returns false when the stream ended first.
  bool ReadBytes(std::size_t count, std::string& out);
  bool ReadBytes(std::size_t count, BodyBlocks& out);
  // Appends everything until the peer closes; raises ENetResponseTooLarge when
  // out would grow beyond maxSize. out grows once, to exactly what it keeps,
  // also when a failure ends the reading.
  void ReadToClose(std::string& out, std::size_t maxSize);

 private:
  // Receives one block behind the buffered bytes; false when the peer has closed.
  bool Fill();
  void TakeBuffered(std::size_t count, std::string& out);
  // Sets the stream's time-out for the next receive.
  void PrepareReceive();

  std::unique_ptr<NetStream> m_stream;
  std::vector<char> m_data;
  std::size_t m_begin = 0;  // unread bytes are m_data[m_begin, m_end)
  std::size_t m_end = 0;
  bool m_closed = false;
  int m_readTimeoutMs = 0;
  int m_streamTimeoutMs = -1;  // what the stream was last told
  std::optional<NetDeadline> m_deadline;
};

}  // namespace kx
