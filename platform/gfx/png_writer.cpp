#include "platform/gfx/png_writer.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "platform/base/exception.h"
#include "platform/gfx/bitmap.h"

namespace kx {
namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

}  // namespace

std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap, PngAlpha alpha) {
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) throw EOutOfResources("PNG encoder could not start");
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw EOutOfResources("PNG encoding failed");
  }
  png_set_write_fn(png, &out, AppendToVector, NoFlush);
  auto w = static_cast<png_uint_32>(bitmap.Width());
  auto h = static_cast<png_uint_32>(bitmap.Height());
  const bool keepAlpha = alpha == PngAlpha::Keep;
  const std::size_t channels = keepAlpha ? 4 : 3;
  png_set_IHDR(png, info, w, h, 8, keepAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<std::size_t>(w) * channels);
  for (png_uint_32 y = 0; y < h; ++y) {
    const Pixel32* src = bitmap.ScanLine(static_cast<int>(y));
    for (png_uint_32 x = 0; x < w; ++x) {
      png_byte* out = &row[channels * x];
      out[0] = PixelR(src[x]);
      out[1] = PixelG(src[x]);
      out[2] = PixelB(src[x]);
      if (keepAlpha) out[3] = static_cast<png_byte>(src[x] >> 24);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

void SavePng(const TBitmap& bitmap, const std::string& path, PngAlpha alpha) {
  std::vector<std::uint8_t> data = EncodePng(bitmap, alpha);
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) throw EFCreateError(FormatMessage(SFCreateErrorEx, {path, SystemErrorText(errno)}));
  if (std::fwrite(data.data(), 1, data.size(), file.get()) != data.size()) {
    throw EFCreateError(FormatMessage(SFCreateErrorEx, {path, SystemErrorText(errno)}));
  }
}

}  // namespace kx
