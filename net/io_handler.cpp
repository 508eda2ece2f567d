#include "net/io_handler.h"

#include <algorithm>

#include "net/net_errors.h"

namespace kx {

bool NetIOHandler::Fill() {
  if (m_closed) return false;
  if (m_readTimeoutMs > 0 && !m_stream->WaitReadable(m_readTimeoutMs)) throw ENetReadTimeout();
  if (m_start > 0) {
    m_buffer.erase(0, m_start);
    m_start = 0;
  }
  std::size_t old = m_buffer.size();
  m_buffer.resize(old + kRecvBufferSize);
  std::size_t n = 0;
  try {
    n = m_stream->Receive(m_buffer.data() + old, kRecvBufferSize);
  } catch (...) {
    m_buffer.resize(old);
    throw;
  }
  m_buffer.resize(old + n);
  if (n == 0) m_closed = true;
  return n > 0;
}

std::string NetIOHandler::ReadLn(std::size_t maxLength) {
  std::size_t scanned = 0;  // bytes after m_start already known to hold no LF
  for (;;) {
    std::size_t lf = m_buffer.find('\n', m_start + scanned);
    if (lf != std::string::npos) {
      std::size_t end = lf;
      if (end > m_start && m_buffer[end - 1] == '\r') --end;
      if (end - m_start > maxLength) throw ENetReadLnMaxLineLengthExceeded();
      std::string line = m_buffer.substr(m_start, end - m_start);
      m_start = lf + 1;
      return line;
    }
    scanned = m_buffer.size() - m_start;
    // One byte more than the limit may be the CR of the line end.
    if (scanned > maxLength + 1) throw ENetReadLnMaxLineLengthExceeded();
    if (!Fill()) throw ENetConnClosedGracefully();
  }
}

bool NetIOHandler::ReadBytes(std::size_t count, std::string& out) {
  while (count > 0) {
    if (m_start == m_buffer.size() && !Fill()) return false;
    std::size_t take = std::min(count, m_buffer.size() - m_start);
    out.append(m_buffer, m_start, take);
    m_start += take;
    count -= take;
  }
  return true;
}

void NetIOHandler::ReadToClose(std::string& out) {
  for (;;) {
    if (m_start < m_buffer.size()) {
      out.append(m_buffer, m_start, std::string::npos);
      m_start = m_buffer.size();
    }
    if (!Fill()) return;
  }
}

}  // namespace kx
