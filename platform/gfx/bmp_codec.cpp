#include "platform/gfx/bmp_codec.h"

#include <unordered_map>

#include "platform/gfx/bitmap.h"

namespace kx {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitFields = 3;

[[noreturn]] void Invalid() {
  throw EInvalidGraphic(SInvalidBitmap);
}

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data) : m_data(data) {}
  std::uint32_t U32(std::size_t at) const {
    Need(at, 4);
    return m_data[at] | (m_data[at + 1] << 8) | (m_data[at + 2] << 16) |
           (static_cast<std::uint32_t>(m_data[at + 3]) << 24);
  }
  std::uint16_t U16(std::size_t at) const {
    Need(at, 2);
    return static_cast<std::uint16_t>(m_data[at] | (m_data[at + 1] << 8));
  }
  std::uint8_t U8(std::size_t at) const {
    Need(at, 1);
    return m_data[at];
  }
  void Need(std::size_t at, std::size_t count) const {
    if (at > m_data.size() || count > m_data.size() - at) Invalid();
  }
  const std::uint8_t* At(std::size_t at) const { return m_data.data() + at; }

 private:
  std::span<const std::uint8_t> m_data;
};

TPixelFormat FormatForBits(int bits) {
  switch (bits) {
    case 1:
      return TPixelFormat::pf1bit;
    case 4:
      return TPixelFormat::pf4bit;
    case 8:
      return TPixelFormat::pf8bit;
    case 24:
      return TPixelFormat::pf24bit;
    case 32:
      return TPixelFormat::pf32bit;
    default:
      Invalid();
  }
}

int MaskShift(std::uint32_t mask) {
  int shift = 0;
  while (mask && !(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

struct BitFields {
  std::uint32_t red = 0x00FF0000;
  std::uint32_t green = 0x0000FF00;
  std::uint32_t blue = 0x000000FF;
  std::uint32_t alpha = 0xFF000000;
};

std::uint8_t ExtractChannel(std::uint32_t value, std::uint32_t mask) {
  if (!mask) return 0;
  std::uint32_t v = (value & mask) >> MaskShift(mask);
  std::uint32_t max = mask >> MaskShift(mask);
  return static_cast<std::uint8_t>(max == 255 ? v : (v * 255 + max / 2) / max);
}

void DecodeRow(const std::uint8_t* src, int width, int bits, const std::vector<Pixel32>& palette,
               const BitFields& fields, Pixel32* dst) {
  auto paletteColor = [&](unsigned index) {
    return index < palette.size() ? (kOpaque | palette[index]) : kOpaque;
  };
  for (int x = 0; x < width; ++x) {
    switch (bits) {
      case 1:
        dst[x] = paletteColor((src[x >> 3] >> (7 - (x & 7))) & 1);
        break;
      case 4:
        dst[x] = paletteColor((src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF);
        break;
      case 8:
        dst[x] = paletteColor(src[x]);
        break;
      case 24:
        dst[x] = MakePixel(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
        break;
      case 32: {
        const std::uint8_t* p = src + 4 * x;
        std::uint32_t v =
            p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
        std::uint8_t a = fields.alpha ? ExtractChannel(v, fields.alpha) : 0xFF;
        dst[x] = MakePixel(ExtractChannel(v, fields.red), ExtractChannel(v, fields.green),
                           ExtractChannel(v, fields.blue), a);
        break;
      }
      default:
        Invalid();
    }
  }
}

std::size_t RowStride(int width, int bits) {
  return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

}  // namespace

std::size_t ReadBmp(std::span<const std::uint8_t> data, TBitmap& bitmap) {
  Reader in(data);
  if (in.U8(0) != 'B' || in.U8(1) != 'M') Invalid();
  std::uint32_t fileSize = in.U32(2);
  std::uint32_t bitsOffset = in.U32(10);
  std::uint32_t headerSize = in.U32(kFileHeaderSize);
  if (fileSize < kFileHeaderSize + kCoreHeaderSize || fileSize > data.size()) Invalid();
  Reader file(data.first(fileSize));

  std::int64_t width = 0;
  std::int64_t height = 0;
  int bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  BitFields fields;
  const std::size_t h = kFileHeaderSize;
  if (headerSize == kCoreHeaderSize) {
    width = file.U16(h + 4);
    height = file.U16(h + 6);
    bits = file.U16(h + 10);
    paletteEntrySize = 3;
  } else if (headerSize >= kInfoHeaderSize && headerSize <= 1024) {
    width = static_cast<std::int32_t>(file.U32(h + 4));
    height = static_cast<std::int32_t>(file.U32(h + 8));
    if (file.U16(h + 12) != 1) Invalid();
    bits = file.U16(h + 14);
    compression = file.U32(h + 16);
    colorsUsed = file.U32(h + 32);
    if (compression == kBiBitFields) {
      if (bits != 32) Invalid();
      // The masks follow a 40-byte header, or sit inside a larger one.
      std::size_t masksAt = h + kInfoHeaderSize;
      fields.red = file.U32(masksAt);
      fields.green = file.U32(masksAt + 4);
      fields.blue = file.U32(masksAt + 8);
      fields.alpha = headerSize >= 56 ? file.U32(masksAt + 12) : 0;
    } else if (compression != kBiRgb) {
      Invalid();
    }
  } else {
    Invalid();
  }
  bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxBitmapDimension || height > kMaxBitmapDimension ||
      width * height > kMaxBitmapPixels) {
    Invalid();
  }
  TPixelFormat format = FormatForBits(bits);

  std::vector<Pixel32> palette;
  if (bits <= 8) {
    std::size_t maxColors = std::size_t{1} << bits;
    std::size_t count = colorsUsed == 0 ? maxColors : colorsUsed;
    if (count > maxColors) Invalid();
    std::size_t paletteAt = h + headerSize + (compression == kBiBitFields ? 12 : 0);
    file.Need(paletteAt, count * paletteEntrySize);
    palette.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint8_t* e = file.At(paletteAt + i * paletteEntrySize);
      palette.push_back(RgbOf(MakePixel(e[2], e[1], e[0])));
    }
  }

  auto w = static_cast<int>(width);
  auto ht = static_cast<int>(height);
  std::size_t stride = RowStride(w, bits);
  if (bitsOffset < kFileHeaderSize + headerSize) Invalid();
  file.Need(bitsOffset, stride * static_cast<std::size_t>(ht));

  TBitmap result(w, ht, format);
  result.SetPalette(std::move(palette));
  for (int row = 0; row < ht; ++row) {
    int y = topDown ? row : ht - 1 - row;
    const std::uint8_t* src = file.At(bitsOffset + static_cast<std::size_t>(row) * stride);
    DecodeRow(src, w, bits, result.Palette(), fields, result.ScanLine(y));
  }
  bitmap = std::move(result);
  return fileSize;
}

namespace {

class PaletteMapper {
 public:
  explicit PaletteMapper(const std::vector<Pixel32>& palette) : m_palette(palette) {}
  std::uint8_t IndexOf(Pixel32 pixel) {
    Pixel32 rgb = RgbOf(pixel);
    auto found = m_cache.find(rgb);
    if (found != m_cache.end()) return found->second;
    std::uint8_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < m_palette.size(); ++i) {
      Pixel32 e = m_palette[i];
      long dr = long(PixelR(e)) - PixelR(rgb);
      long dg = long(PixelG(e)) - PixelG(rgb);
      long db = long(PixelB(e)) - PixelB(rgb);
      long d = dr * dr + dg * dg + db * db;
      if (bestDistance < 0 || d < bestDistance) {
        bestDistance = d;
        best = static_cast<std::uint8_t>(i);
        if (d == 0) break;
      }
    }
    m_cache.emplace(rgb, best);
    return best;
  }

 private:
  const std::vector<Pixel32>& m_palette;
  std::unordered_map<Pixel32, std::uint8_t> m_cache;
};

// The palette to write: the bitmap's own, or one built from its colours (a grey
// ramp when it has more colours than the format holds).
std::vector<Pixel32> PaletteForWriting(const TBitmap& bitmap, int bits) {
  std::size_t maxColors = std::size_t{1} << bits;
  if (!bitmap.Palette().empty() && bitmap.Palette().size() <= maxColors) return bitmap.Palette();
  std::vector<Pixel32> palette;
  std::unordered_map<Pixel32, bool> seen;
  for (Pixel32 p : bitmap.PixelData()) {
    if (seen.emplace(RgbOf(p), true).second) {
      palette.push_back(RgbOf(p));
      if (palette.size() > maxColors) break;
    }
  }
  if (palette.size() <= maxColors) return palette.empty() ? std::vector<Pixel32>{0} : palette;
  palette.clear();
  for (std::size_t i = 0; i < maxColors; ++i) {
    auto g = static_cast<std::uint8_t>(maxColors == 1 ? 0 : i * 255 / (maxColors - 1));
    palette.push_back(RgbOf(MakePixel(g, g, g)));
  }
  return palette;
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
  out[at + 2] = static_cast<std::uint8_t>(v >> 16);
  out[at + 3] = static_cast<std::uint8_t>(v >> 24);
}

}  // namespace

std::vector<std::uint8_t> WriteBmp(const TBitmap& bitmap) {
  int bits = BitsPerPixel(bitmap.PixelFormat());
  int w = bitmap.Width();
  int h = bitmap.Height();
  std::vector<Pixel32> palette;
  if (bits <= 8) palette = PaletteForWriting(bitmap, bits);
  std::size_t stride = RowStride(w, bits);
  std::size_t paletteBytes = palette.size() * 4;
  std::size_t bitsOffset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
  std::size_t imageSize = stride * static_cast<std::size_t>(h);
  std::vector<std::uint8_t> out(bitsOffset + imageSize, 0);
  out[0] = 'B';
  out[1] = 'M';
  PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
  PutU32(out, 10, static_cast<std::uint32_t>(bitsOffset));
  std::size_t hd = kFileHeaderSize;
  PutU32(out, hd, kInfoHeaderSize);
  PutU32(out, hd + 4, static_cast<std::uint32_t>(w));
  PutU32(out, hd + 8, static_cast<std::uint32_t>(h));
  out[hd + 12] = 1;
  out[hd + 14] = static_cast<std::uint8_t>(bits);
  PutU32(out, hd + 16, kBiRgb);
  PutU32(out, hd + 20, static_cast<std::uint32_t>(imageSize));
  PutU32(out, hd + 32, static_cast<std::uint32_t>(palette.size()));
  for (std::size_t i = 0; i < palette.size(); ++i) {
    std::size_t at = hd + kInfoHeaderSize + 4 * i;
    out[at] = PixelB(palette[i]);
    out[at + 1] = PixelG(palette[i]);
    out[at + 2] = PixelR(palette[i]);
  }
  PaletteMapper mapper(palette);
  for (int row = 0; row < h; ++row) {
    const Pixel32* src = bitmap.ScanLine(h - 1 - row);
    std::uint8_t* dst = out.data() + bitsOffset + static_cast<std::size_t>(row) * stride;
    for (int x = 0; x < w; ++x) {
      Pixel32 p = src[x];
      switch (bits) {
        case 1:
          dst[x >> 3] |= static_cast<std::uint8_t>((mapper.IndexOf(p) & 1) << (7 - (x & 7)));
          break;
        case 4:
          dst[x >> 1] |= static_cast<std::uint8_t>((mapper.IndexOf(p) & 0xF) << ((x & 1) ? 0 : 4));
          break;
        case 8:
          dst[x] = mapper.IndexOf(p);
          break;
        case 24:
          dst[3 * x] = PixelB(p);
          dst[3 * x + 1] = PixelG(p);
          dst[3 * x + 2] = PixelR(p);
          break;
        default:
          dst[4 * x] = PixelB(p);
          dst[4 * x + 1] = PixelG(p);
          dst[4 * x + 2] = PixelR(p);
          dst[4 * x + 3] = PixelA(p);
          break;
      }
    }
  }
  return out;
}

}  // namespace kx
