#include "skin/store/zlib_streams.h"

#include <gtest/gtest.h>

#include <numeric>

namespace kx {
namespace {

std::vector<std::uint8_t> Sample(std::size_t n) {
  std::vector<std::uint8_t> data(n);
  for (std::size_t i = 0; i < n; ++i) data[i] = static_cast<std::uint8_t>((i * 7) ^ (i >> 5));
  return data;
}

TEST(ZlibStreams, WhatIsCompressedAtLevel9InflatesBackInBufferSizedSteps) {
  std::vector<std::uint8_t> data = Sample(50'000);
  std::vector<std::uint8_t> packed = DeflateAll(data, TCompressionLevel::clMax);
  ASSERT_GE(packed.size(), 2u);
  EXPECT_EQ(packed[0], 0x78);
  EXPECT_EQ(packed[1], 0xDA);  // the header of level 9
  TMemoryStream source(packed);
  int refills = 0;
  source.SetPosition(0);
  TDecompressionStream inflater(source);
  inflater.OnProgress = [&] { ++refills; };
  std::vector<std::uint8_t> out(data.size() + 10);
  std::size_t got = 0;
  for (std::size_t n; (n = inflater.Read(out.data() + got, 1000)) > 0;) got += n;
  out.resize(got);
  EXPECT_EQ(out, data);
  EXPECT_EQ(refills, static_cast<int>((packed.size() + 4095) / 4096));
  TMemoryStream again(packed);
  EXPECT_EQ(InflateAll(again), data);
}

TEST(ZlibStreams, UnsupportedDirectionsAreInvalidStreamOperations) {
  TMemoryStream sink;
  TCompressionStream deflater(TCompressionLevel::clDefault, sink);
  std::uint8_t byte = 0;
  deflater.Write("abc", 3);
  EXPECT_EQ(deflater.Position(), 3);
  EXPECT_THROW(deflater.Read(&byte, 1), ECompressionError);
  EXPECT_THROW(deflater.Seek(1, TSeekOrigin::soBeginning), ECompressionError);
  deflater.Finish();

  TMemoryStream source(sink.Bytes());
  TDecompressionStream inflater(source);
  EXPECT_THROW(inflater.Write("x", 1), EDecompressionError);
  EXPECT_EQ(inflater.Seek(2, TSeekOrigin::soCurrent), 2);  // forward: read and dropped
  EXPECT_EQ(inflater.Read(&byte, 1), 1u);
  EXPECT_EQ(byte, 'c');
  try {
    inflater.Seek(0, TSeekOrigin::soEnd);
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "Invalid stream operation");
  }
  EXPECT_EQ(inflater.Seek(0, TSeekOrigin::soBeginning), 0);  // back to the start
  EXPECT_EQ(inflater.Read(&byte, 1), 1u);
  EXPECT_EQ(byte, 'a');
}

TEST(ZlibStreams, DamagedOrTruncatedDataIsACompressionError) {
  std::vector<std::uint8_t> packed = DeflateAll(Sample(20'000), TCompressionLevel::clMax);
  std::vector<std::uint8_t> damaged = packed;
  damaged[1] ^= 0xFF;  // the header check fails
  TMemoryStream bad(damaged);
  try {
    InflateAll(bad);
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "compression error");
  }
  packed.resize(packed.size() / 2);
  TMemoryStream cut(packed);
  EXPECT_THROW(InflateAll(cut), EDecompressionError);
  std::vector<std::uint8_t> big(1 << 20, 0);
  TMemoryStream bomb(DeflateAll(big, TCompressionLevel::clMax));
  EXPECT_THROW(InflateAll(bomb, 1000), EDecompressionError);
}

}  // namespace
}  // namespace kx
