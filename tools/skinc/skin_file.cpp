#include "tools/skinc/skin_file.h"

#include "platform/base/exception.h"
#include "platform/base/stream.h"
#include "platform/sys/files.h"
#include "skin/compressed_stored_skin.h"
#include "skin/zlib_streams.h"

namespace kx::skinc {

TSkinFile ReadSkinFile(const std::string& path) {
  TksCompressedStoredSkin stored(nullptr);
  if (!stored.ImportCompressedSkinFile(path)) throw Exception(path + ": the container kind is not one of 0 to 3");
  std::string file = ReadWholeFile(path);
  TSkinFile result;
  result.FileKind = static_cast<std::int32_t>(static_cast<unsigned char>(file[0]) | (static_cast<unsigned char>(file[1]) << 8) |
                                              (static_cast<unsigned char>(file[2]) << 16) |
                                              (static_cast<unsigned char>(file[3]) << 24));
  result.CompressedSize = stored.CompressedStream().Bytes().size();
  stored.CompressedStream().SetPosition(0);
  std::vector<std::uint8_t> inflated = InflateAll(stored.CompressedStream());
  result.InflatedSize = inflated.size();
  std::optional<TSkinContainer> container = ReadSkinContainer(inflated);
  if (!container) throw Exception(path + ": the inflated container's kind is not one of 0 to 3");
  result.Container = std::move(*container);
  return result;
}

}  // namespace kx::skinc
