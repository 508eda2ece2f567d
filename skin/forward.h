#pragma once

namespace kx {
class CustomZlibStream;
class TCompressionStream;
class TDecompressionStream;
struct SkinContainer;
class TksCompressedStoredSkin;
class TksResourceStrData;
class TksSkinData;
class TksDataSkinControl;
class TksDataSkinCustomControl;
class TksDataSkinObject;
class TksEffectBmp;
struct TksPieceGeometry;
struct TksBorderStrips;
class SkinKeys;
}  // namespace kx
