#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/base/stream.h"
#include "platform/forms/component.h"

namespace kx {

// The stored skin: a zlib stream of a skin container, carried by the window
// definition. Empty while the stream has no bytes.
class TksCompressedStoredSkin : public TComponent {
 public:
  using TComponent::TComponent;

  std::string Description;
  // The names of the files last imported, without their folders.
  const std::string& FileName() const { return m_fileName; }
  void SetFileName(const std::string& name) { m_fileName = name; }
  const std::string& CompressedFileName() const { return m_compressedFileName; }
  void SetCompressedFileName(const std::string& name) { m_compressedFileName = name; }

  bool Empty() const { return m_compressed.Bytes().empty(); }
  TMemoryStream& CompressedStream() { return m_compressed; }
  // The stored property "CompressedData": exactly the zlib stream.
  void SetCompressedData(std::vector<std::uint8_t> bytes) {
    m_compressed = TMemoryStream(std::move(bytes));
  }

  // Imports a compressed skin file (Int32 kind, Int32 length, the zlib stream):
  // false, with the stream emptied, when its kind is 4 or more. A file that is
  // shorter than it says raises EReadError.
  bool ImportCompressedSkinFile(const std::string& path);
  // The same from the bytes of such a file, for a skin the program carries.
  bool LoadCompressedSkinFile(std::span<const std::uint8_t> file);
  // Imports a definition file and the pictures beside it as a container of
  // kind 2 at level 9: false, with nothing changed, when the file is no skin
  // definition.
  bool ImportSkinDefinitionFile(const std::string& path);

 private:
  std::string m_fileName;
  std::string m_compressedFileName;
  TMemoryStream m_compressed;
};

// The bytes of a compressed skin file for a zlib stream and its container kind.
std::vector<std::uint8_t> CompressedSkinFile(std::int32_t kind,
                                             std::span<const std::uint8_t> zlibStream);

}  // namespace kx
