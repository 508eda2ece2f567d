#pragma once

namespace kx {
class TBitmap;
class TCanvas;
class TFont;
class TRegion;
class TMaskedImages;
class TJPEGImage;
class FontFace;
class FontEngine;
}  // namespace kx
