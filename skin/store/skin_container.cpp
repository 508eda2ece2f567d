#include "skin/store/skin_container.h"

#include <cstring>

#include "platform/base/exception.h"
#include "platform/gfx/bmp_codec.h"

namespace kx {

namespace {

// Reads the container front to back, checking every length before it reads.
class ContainerReader {
 public:
  explicit ContainerReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

  std::int32_t Int32() {
    Need(4);
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
      v |= static_cast<std::uint32_t>(m_bytes[m_pos + static_cast<std::size_t>(i)]) << (8 * i);
    m_pos += 4;
    return static_cast<std::int32_t>(v);
  }
  void Bmp(TBitmap& bitmap) { m_pos += ReadBmp(m_bytes.subspan(m_pos), bitmap); }
  void OptionalPicture(TBitmap& bitmap) {
    Need(1);
    bool empty = m_bytes[m_pos++] != 0;
    if (!empty) Bmp(bitmap);
  }
  std::size_t Position() const { return m_pos; }
  std::span<const std::uint8_t> Rest() const { return m_bytes.subspan(m_pos); }

 private:
  void Need(std::size_t n) const {
    if (m_bytes.size() - m_pos < n) throw EReadError("Stream read error");
  }
  std::span<const std::uint8_t> m_bytes;
  std::size_t m_pos = 0;
};

void PutInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
  auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutOptionalPicture(std::vector<std::uint8_t>& out, const TBitmap& bitmap) {
  out.push_back(bitmap.Empty() ? 1 : 0);
  if (bitmap.Empty()) return;
  std::vector<std::uint8_t> bmp = WriteBmp(bitmap);
  out.insert(out.end(), bmp.begin(), bmp.end());
}

}  // namespace

bool HasInActivePicture(std::int32_t kind) {
  return kind == 2 || kind == 3;
}
bool HasRollUpPictures(std::int32_t kind) {
  return kind == 1 || kind == 2;
}

std::vector<std::string> SplitSkinLines(std::span<const std::uint8_t> text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = static_cast<char>(text[i]);
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::optional<SkinContainer> ReadSkinContainer(std::span<const std::uint8_t> bytes) {
  ContainerReader reader(bytes);
  SkinContainer c;
  c.Kind = reader.Int32();
  // A negative kind is no more a container than one of 4 or more.
  if (c.Kind < 0 || c.Kind > kMaxSkinContainerKind) return std::nullopt;
  reader.OptionalPicture(c.Picture);
  if (HasInActivePicture(c.Kind)) reader.OptionalPicture(c.InActivePicture);
  reader.OptionalPicture(c.Mask);
  if (HasRollUpPictures(c.Kind)) {
    reader.OptionalPicture(c.RollUpPicture);
    reader.OptionalPicture(c.RollUpMask);
  }
  std::int32_t count = reader.Int32();
  if (count < 0 || count > kMaxActivePictures) throw EReadError("Stream read error");
  c.ActivePictures.resize(static_cast<std::size_t>(count));
  for (TBitmap& picture : c.ActivePictures) reader.Bmp(picture);
  c.TextOffset = reader.Position();
  c.TextSize = reader.Rest().size();
  c.Lines = SplitSkinLines(reader.Rest());
  return c;
}

std::vector<std::uint8_t> WriteSkinContainer(const SkinContainer& c) {
  std::vector<std::uint8_t> out;
  PutInt32(out, c.Kind);
  PutOptionalPicture(out, c.Picture);
  if (HasInActivePicture(c.Kind)) PutOptionalPicture(out, c.InActivePicture);
  PutOptionalPicture(out, c.Mask);
  if (HasRollUpPictures(c.Kind)) {
    PutOptionalPicture(out, c.RollUpPicture);
    PutOptionalPicture(out, c.RollUpMask);
  }
  PutInt32(out, static_cast<std::int32_t>(c.ActivePictures.size()));
  for (const TBitmap& picture : c.ActivePictures) {
    std::vector<std::uint8_t> bmp = WriteBmp(picture);
    out.insert(out.end(), bmp.begin(), bmp.end());
  }
  for (const std::string& line : c.Lines) {
    out.insert(out.end(), line.begin(), line.end());
    out.push_back('\r');
    out.push_back('\n');
  }
  return out;
}

}  // namespace kx
