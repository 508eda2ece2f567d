#include "tools/skinc/skin_file.h"

#include "platform/base/exception.h"
#include "platform/base/stream.h"
#include "platform/sys/files.h"
#include "skin/store/compressed_stored_skin.h"
#include "skin/store/zlib_streams.h"

namespace kx::skinc {

SkinFile ReadSkinFile(const std::string& path) {
  std::string file = ReadWholeFile(path);
  TksCompressedStoredSkin stored(nullptr);
  if (!stored.LoadCompressedSkinFile(
          std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size())))
    throw Exception(path + ": the container kind is not one of 0 to 3");
  SkinFile result;
  // The file's kind is its first Int32, little-endian; loading checked it is there.
  for (int i = 3; i >= 0; --i)
    result.FileKind =
        (result.FileKind << 8) | static_cast<unsigned char>(file[static_cast<std::size_t>(i)]);
  result.CompressedSize = stored.CompressedStream().Bytes().size();
  stored.CompressedStream().SetPosition(0);
  std::vector<std::uint8_t> inflated = InflateAll(stored.CompressedStream());
  result.InflatedSize = inflated.size();
  std::optional<SkinContainer> container = ReadSkinContainer(inflated);
  if (!container) throw Exception(path + ": the inflated container's kind is not one of 0 to 3");
  result.Container = std::move(*container);
  return result;
}

}  // namespace kx::skinc
