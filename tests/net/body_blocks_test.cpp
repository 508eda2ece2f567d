#include "net/body_blocks.h"

#include <gtest/gtest.h>

#include <string>

namespace kx {
namespace {

std::string Pattern(std::size_t size) {
  std::string text(size, '\0');
  for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>('a' + i % 23);
  return text;
}

TEST(BodyBlocksTest, PiecesAcrossBlockBordersComeOutInOrderAndExactlySized) {
  const std::string body = Pattern(2 * kBodyBlockBytes + 12345);
  BodyBlocks blocks;
  // Pieces that do not divide a block, so that borders fall inside them.
  for (std::size_t at = 0; at < body.size(); at += 70001) {
    blocks.Append(body.data() + at, std::min<std::size_t>(70001, body.size() - at));
  }
  EXPECT_EQ(blocks.Size(), body.size());
  std::string out;
  blocks.MoveTo(out);
  EXPECT_EQ(out, body);
  EXPECT_EQ(out.capacity(), body.size());
  EXPECT_EQ(blocks.Size(), 0u);
}

TEST(BodyBlocksTest, MovingAppendsToWhatTheTextHeldAndReusesARoomyBuffer) {
  BodyBlocks blocks;
  blocks.Append("world", 5);
  std::string out = "hello ";
  blocks.MoveTo(out);
  EXPECT_EQ(out, "hello world");
  // A caller's buffer that has room keeps it.
  std::string roomy;
  roomy.reserve(1000);
  const char* buffer = roomy.data();
  blocks.Append("again", 5);
  blocks.MoveTo(roomy);
  EXPECT_EQ(roomy, "again");
  EXPECT_EQ(roomy.data(), buffer);
  // Nothing to move leaves the text as it was.
  blocks.MoveTo(roomy);
  EXPECT_EQ(roomy, "again");
}

}  // namespace
}  // namespace kx
