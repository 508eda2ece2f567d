#include "platform/gfx/jpeg_image.h"

#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kx {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(manager->jump, 1);
}

void NoMessage(j_common_ptr) {}

}  // namespace

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> data) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.output_message = NoMessage;
  // Everything that must survive a longjmp lives outside this frame's locals
  // that change after setjmp.
  std::vector<std::uint8_t> row;
  TBitmap decoded;
  if (setjmp(errors.jump)) {
    int code = errors.base.msg_code;
    jpeg_destroy_decompress(&info);
    throw EJPEG(FormatMessage("JPEG error #%d", code));
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (static_cast<std::int64_t>(info.output_width) * info.output_height > kMaxJpegPixels ||
      info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    throw EJPEG(FormatMessage("JPEG error #%d", 42));
  }
  decoded.SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  row.resize(static_cast<std::size_t>(info.output_width) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    int y = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, rows, 1);
    Pixel32* dst = decoded.ScanLine(y);
    for (unsigned x = 0; x < info.output_width; ++x) {
      dst[x] = MakePixel(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  m_bitmap = decoded;
}

std::vector<std::uint8_t> EncodeJpeg(const TBitmap& picture, int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(picture.Width());
  info.image_height = static_cast<JDIMENSION>(picture.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, std::clamp(quality, 1, 100), TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.Width()) * 3);
  while (info.next_scanline < info.image_height) {
    const Pixel32* src = picture.ScanLine(static_cast<int>(info.next_scanline));
    for (int x = 0; x < picture.Width(); ++x) {
      row[3 * static_cast<std::size_t>(x)] = PixelR(src[x]);
      row[3 * static_cast<std::size_t>(x) + 1] = PixelG(src[x]);
      row[3 * static_cast<std::size_t>(x) + 2] = PixelB(src[x]);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

}  // namespace kx
