#pragma once

namespace kx {
class TCustomZlibStream;
class TCompressionStream;
class TDecompressionStream;
struct TSkinContainer;
class TksCompressedStoredSkin;
}  // namespace kx
