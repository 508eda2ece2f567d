#pragma once

namespace kx {
class TBitmap;
class TCanvas;
class TFont;
class TRegion;
class MaskedImages;
class TJPEGImage;
class FontFace;
class FontEngine;
}  // namespace kx
