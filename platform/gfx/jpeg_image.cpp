#include "platform/gfx/jpeg_image.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
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

}  // namespace kx
