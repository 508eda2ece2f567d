#include "net/io_handler.h"

#include <algorithm>
#include <cstring>

#include "net/body_blocks.h"
#include "net/net_errors.h"

namespace kx {

NetIOHandler::NetIOHandler(std::unique_ptr<NetStream> stream)
    : m_stream(std::move(stream)), m_data(3 * kRecvBufferSize) {}

int TimeoutBeforeDeadline(const std::optional<NetDeadline>& deadline, int timeoutMs) {
  if (!deadline) return timeoutMs;
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                  *deadline - std::chrono::steady_clock::now())
                  .count();
  if (left <= 0) throw ENetReadTimeout();
  return timeoutMs > 0 ? static_cast<int>(std::min<long long>(timeoutMs, left))
                       : static_cast<int>(std::min<long long>(left, 1LL << 30));
}

void NetIOHandler::PrepareReceive() {
  int timeout = TimeoutBeforeDeadline(m_deadline, m_readTimeoutMs);
  if (timeout != m_streamTimeoutMs) {
    m_stream->SetReadTimeout(timeout);
    m_streamTimeoutMs = timeout;
  }
}

bool NetIOHandler::Fill() {
  if (m_closed) return false;
  if (m_begin == m_end) m_begin = m_end = 0;
  if (m_data.size() - m_end < kRecvBufferSize) {
    // Move the unread bytes to the front; grow only when they fill the buffer.
    std::size_t unread = m_end - m_begin;
    std::memmove(m_data.data(), m_data.data() + m_begin, unread);
    m_begin = 0;
    m_end = unread;
    if (m_data.size() - m_end < kRecvBufferSize) m_data.resize(m_end + kRecvBufferSize);
  }
  PrepareReceive();
  std::size_t n = m_stream->Receive(m_data.data() + m_end, kRecvBufferSize);
  m_end += n;
  if (n == 0) m_closed = true;
  return n > 0;
}

void NetIOHandler::TakeBuffered(std::size_t count, std::string& out) {
  std::size_t take = std::min(count, m_end - m_begin);
  out.append(m_data.data() + m_begin, take);
  m_begin += take;
}

std::string NetIOHandler::ReadLn(std::size_t maxLength) {
  std::size_t scanned = 0;  // bytes after m_begin already known to hold no LF
  for (;;) {
    const char* start = m_data.data() + m_begin;
    const void* lf = std::memchr(start + scanned, '\n', m_end - m_begin - scanned);
    if (lf) {
      std::size_t lineEnd = static_cast<const char*>(lf) - start;
      std::size_t length = lineEnd;
      if (length > 0 && start[length - 1] == '\r') --length;
      if (length > maxLength) throw ENetReadLnMaxLineLengthExceeded();
      std::string line(start, length);
      m_begin += lineEnd + 1;
      return line;
    }
    scanned = m_end - m_begin;
    // One byte more than the limit may be the CR of the line end.
    if (scanned > maxLength + 1) throw ENetReadLnMaxLineLengthExceeded();
    if (!Fill()) throw ENetConnClosedGracefully();
  }
}

bool NetIOHandler::ReadBytes(std::size_t count, std::string& out) {
  // Reserving what the peer announced saves copies; the cap keeps a lying
  // announcement from claiming memory the data never fills.
  std::size_t wanted = out.size() + std::min(count, kMaxBodyReserve);
  if (wanted > out.capacity()) out.reserve(std::max(wanted, out.capacity() * 2));
  std::size_t before = m_end - m_begin;
  TakeBuffered(count, out);
  count -= std::min(count, before);
  while (count > 0) {
    if (m_closed) return false;
    if (count < kRecvBufferSize) {
      // Small remainders go through the buffer, which saves receive calls.
      if (!Fill()) return false;
      std::size_t available = m_end - m_begin;
      TakeBuffered(count, out);
      count -= std::min(count, available);
      continue;
    }
    // Large ones go straight from the stream into out, never past the count.
    std::size_t old = out.size();
    out.resize(old + kRecvBufferSize);
    std::size_t n = 0;
    try {
      PrepareReceive();
      n = m_stream->Receive(out.data() + old, kRecvBufferSize);
    } catch (...) {
      out.resize(old);
      throw;
    }
    out.resize(old + n);
    if (n == 0) {
      m_closed = true;
      return false;
    }
    count -= n;
  }
  return true;
}

bool NetIOHandler::ReadBytes(std::size_t count, BodyBlocks& out) {
  while (count > 0) {
    if (m_begin == m_end && !Fill()) return false;
    const std::size_t take = std::min(count, m_end - m_begin);
    out.Append(m_data.data() + m_begin, take);
    m_begin += take;
    count -= take;
  }
  return true;
}

void NetIOHandler::ReadToClose(std::string& out, std::size_t maxSize) {
  BodyBlocks body;
  try {
    for (;;) {
      const std::size_t buffered = m_end - m_begin;
      if (out.size() + body.Size() + buffered > maxSize) throw ENetResponseTooLarge();
      body.Append(m_data.data() + m_begin, buffered);
      m_begin = m_end;
      if (!Fill()) break;
    }
  } catch (...) {
    // What arrived before the failure is the caller's all the same.
    body.MoveTo(out);
    throw;
  }
  body.MoveTo(out);
}

}  // namespace kx
