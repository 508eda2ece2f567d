#pragma once

#include <zlib.h>

#include <array>
#include <functional>
#include <memory>

#include "platform/base/exception.h"
#include "platform/base/stream.h"

namespace kx {

class ECompressionError : public Exception {
  using Exception::Exception;
};
class EDecompressionError : public Exception {
  using Exception::Exception;
};

enum class TCompressionLevel { clNone = 0, clFastest = 1, clDefault = -1, clMax = 9 };

// The common part of the two directions: the underlying stream, the position in
// it where the zlib stream works, the 4,096-byte buffer and the progress notice.
class CustomZlibStream : public TStream {
 public:
  static constexpr std::size_t kBufferSize = 4096;
  std::function<void()> OnProgress;  // each time the buffer is refilled or flushed

 protected:
  explicit CustomZlibStream(TStream& stream)
      : m_stream(stream), m_streamPosition(stream.Position()) {}
  void Progress() {
    if (OnProgress) OnProgress();
  }
  TStream& m_stream;
  std::int64_t m_streamPosition;
  z_stream m_z{};
  std::array<Bytef, kBufferSize> m_buffer{};
};

// Writes a zlib stream of what is written to it into the destination.
class TCompressionStream : public CustomZlibStream {
 public:
  TCompressionStream(TCompressionLevel level, TStream& destination);
  ~TCompressionStream() override;  // finishes the stream
  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  // Only the current position (bytes taken in) can be asked for.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  // Completes the zlib stream; further writes are errors.
  void Finish();

 private:
  void FlushBuffer();
  bool m_finished = false;
};

// Reads the bytes of the zlib stream found in the source at its current position.
class TDecompressionStream : public CustomZlibStream {
 public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;
  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  // Forward moves (read and dropped) and back to the start; nothing else.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

 private:
  bool m_ended = false;
};

// Inflated data beyond this is taken for damage (or hostility), not for a skin.
inline constexpr std::size_t kMaxInflatedBytes = std::size_t{256} << 20;

// Inflates a whole zlib stream read from source's start, in reads of 4,096 bytes.
std::vector<std::uint8_t> InflateAll(TStream& source, std::size_t limit = kMaxInflatedBytes);
std::vector<std::uint8_t> DeflateAll(std::span<const std::uint8_t> data, TCompressionLevel level);

}  // namespace kx
