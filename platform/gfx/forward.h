#pragma once

namespace kx {
class TBitmap;
class TCanvas;
class TFont;
class TRegion;
class TImageList;
class TJPEGImage;
class FontFace;
class FontEngine;
}  // namespace kx
