#include "skin/store/compressed_stored_skin.h"

#include "platform/base/exception.h"
#include "platform/sys/files.h"
#include "skin/store/skin_authoring.h"
#include "skin/store/skin_container.h"

namespace kx {

namespace {

std::int32_t Int32At(std::span<const std::uint8_t> bytes, std::size_t at) {
  if (bytes.size() < at + 4) throw EReadError("Stream read error");
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}

std::string WithoutFolder(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool TksCompressedStoredSkin::ImportCompressedSkinFile(const std::string& path) {
  std::string file = ReadWholeFile(path);
  m_compressedFileName = WithoutFolder(path);
  return LoadCompressedSkinFile(
      std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()));
}

bool TksCompressedStoredSkin::LoadCompressedSkinFile(std::span<const std::uint8_t> file) {
  m_compressed.Clear();
  std::int32_t kind = Int32At(file, 0);
  if (kind < 0 || kind > kMaxSkinContainerKind) return false;
  std::int32_t length = Int32At(file, 4);
  if (length < 0 || file.size() - 8 < static_cast<std::size_t>(length))
    throw EReadError("Stream read error");
  m_compressed.Write(file.data() + 8, static_cast<std::size_t>(length));
  m_compressed.SetPosition(0);
  return true;
}

bool TksCompressedStoredSkin::ImportSkinDefinitionFile(const std::string& path) {
  std::optional<SkinContainer> container = ReadSkinDefinitionFolder(path, 2);
  if (!container) return false;
  m_fileName = WithoutFolder(path);
  SetCompressedData(CompressSkinContainer(*container));
  return true;
}

std::vector<std::uint8_t> CompressedSkinFile(std::int32_t kind,
                                             std::span<const std::uint8_t> zlibStream) {
  std::vector<std::uint8_t> out;
  for (std::int32_t value : {kind, static_cast<std::int32_t>(zlibStream.size())}) {
    auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  out.insert(out.end(), zlibStream.begin(), zlibStream.end());
  return out;
}

}  // namespace kx
