#include "skin/store/zlib_streams.h"

#include <algorithm>

namespace kx {

namespace {
constexpr const char* kInvalidOperation = "Invalid stream operation";
constexpr const char* kCompressFailed = "error";
constexpr const char* kDecompressFailed = "compression error";
}  // namespace

// ---- compression

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& destination)
    : CustomZlibStream(destination) {
  if (deflateInit(&m_z, static_cast<int>(level)) != Z_OK) throw ECompressionError(kCompressFailed);
  m_z.next_out = m_buffer.data();
  m_z.avail_out = kBufferSize;
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (const Exception&) {
    // A destructor cannot report it; Finish called directly does.
  }
  deflateEnd(&m_z);
}

void TCompressionStream::FlushBuffer() {
  m_stream.SetPosition(m_streamPosition);
  m_stream.Write(m_buffer.data(), kBufferSize - m_z.avail_out);
  m_streamPosition = m_stream.Position();
  m_z.next_out = m_buffer.data();
  m_z.avail_out = kBufferSize;
  Progress();
}

std::size_t TCompressionStream::Write(const void* buffer, std::size_t count) {
  if (m_finished) throw ECompressionError(kInvalidOperation);
  m_z.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
  m_z.avail_in = static_cast<uInt>(count);
  while (m_z.avail_in > 0) {
    if (deflate(&m_z, Z_NO_FLUSH) == Z_STREAM_ERROR) throw ECompressionError(kCompressFailed);
    if (m_z.avail_out == 0) FlushBuffer();
  }
  return count;
}

void TCompressionStream::Finish() {
  if (m_finished) return;
  m_finished = true;
  m_z.next_in = nullptr;
  m_z.avail_in = 0;
  for (;;) {
    int result = deflate(&m_z, Z_FINISH);
    if (result == Z_STREAM_ERROR) throw ECompressionError(kCompressFailed);
    if (m_z.avail_out < kBufferSize) FlushBuffer();
    if (result == Z_STREAM_END) break;
  }
}

std::size_t TCompressionStream::Read(void*, std::size_t) {
  throw ECompressionError(kInvalidOperation);
}

std::int64_t TCompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::soCurrent)
    return static_cast<std::int64_t>(m_z.total_in);
  throw ECompressionError(kInvalidOperation);
}

// ---- decompression

TDecompressionStream::TDecompressionStream(TStream& source) : CustomZlibStream(source) {
  if (inflateInit(&m_z) != Z_OK) throw EDecompressionError(kDecompressFailed);
  m_z.next_in = m_buffer.data();
  m_z.avail_in = 0;
}

TDecompressionStream::~TDecompressionStream() {
  inflateEnd(&m_z);
}

std::size_t TDecompressionStream::Read(void* buffer, std::size_t count) {
  if (m_ended || count == 0) return 0;
  m_z.next_out = static_cast<Bytef*>(buffer);
  m_z.avail_out = static_cast<uInt>(count);
  while (m_z.avail_out > 0) {
    if (m_z.avail_in == 0) {
      m_stream.SetPosition(m_streamPosition);
      m_z.avail_in = static_cast<uInt>(m_stream.Read(m_buffer.data(), kBufferSize));
      m_streamPosition = m_stream.Position();
      m_z.next_in = m_buffer.data();
      Progress();
      // A source that ends before the zlib stream does holds damaged data.
      if (m_z.avail_in == 0) throw EDecompressionError(kDecompressFailed);
    }
    int result = inflate(&m_z, Z_NO_FLUSH);
    if (result == Z_STREAM_END) {
      m_ended = true;
      break;
    }
    if (result != Z_OK && result != Z_BUF_ERROR) throw EDecompressionError(kDecompressFailed);
  }
  return count - m_z.avail_out;
}

std::size_t TDecompressionStream::Write(const void*, std::size_t) {
  throw EDecompressionError(kInvalidOperation);
}

std::int64_t TDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  auto current = static_cast<std::int64_t>(m_z.total_out);
  if (origin == TSeekOrigin::soBeginning && offset == 0) {
    if (inflateReset(&m_z) != Z_OK) throw EDecompressionError(kDecompressFailed);
    m_z.next_in = m_buffer.data();
    m_z.avail_in = 0;
    m_streamPosition = 0;
    m_ended = false;
    return 0;
  }
  std::int64_t target = origin == TSeekOrigin::soBeginning ? offset
                        : origin == TSeekOrigin::soCurrent ? current + offset
                                                           : -1;
  if (target < current) throw EDecompressionError(kInvalidOperation);
  std::array<std::uint8_t, kBufferSize> scratch{};
  while (current < target) {
    std::size_t want =
        static_cast<std::size_t>(std::min<std::int64_t>(target - current, kBufferSize));
    std::size_t got = Read(scratch.data(), want);
    if (got == 0) break;
    current += static_cast<std::int64_t>(got);
  }
  return current;
}

std::vector<std::uint8_t> InflateAll(TStream& source, std::size_t limit) {
  source.SetPosition(0);
  TDecompressionStream inflater(source);
  std::vector<std::uint8_t> out;
  std::array<std::uint8_t, CustomZlibStream::kBufferSize> block{};
  for (;;) {
    std::size_t n = inflater.Read(block.data(), block.size());
    if (n == 0) break;
    if (out.size() + n > limit) throw EDecompressionError(kDecompressFailed);
    out.insert(out.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(n));
  }
  return out;
}

std::vector<std::uint8_t> DeflateAll(std::span<const std::uint8_t> data, TCompressionLevel level) {
  TMemoryStream destination;
  {
    TCompressionStream deflater(level, destination);
    deflater.Write(data.data(), data.size());
    deflater.Finish();
  }
  return destination.Bytes();
}

}  // namespace kx
