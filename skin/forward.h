#pragma once

namespace kx {
class TCustomZlibStream;
class TCompressionStream;
class TDecompressionStream;
struct TSkinContainer;
class TksCompressedStoredSkin;
class TksResourceStrData;
class TksSkinData;
class TksDataSkinControl;
class TksDataSkinCustomControl;
class TksDataSkinObject;
class TksEffectBmp;
struct TksPieceGeometry;
struct TksBorderStrips;
class TSkinKeys;
}  // namespace kx
