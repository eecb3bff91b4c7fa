#include "render/png_file.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <png.h>
#include <vector>
#include <zlib.h>

namespace orvane {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// libpng reports a failure by jumping back to where the write began.
bool writeRows(png_structp png, png_infop info, std::FILE* file, const QImage& image) {
  std::vector<png_byte> row(static_cast<std::size_t>(image.width()) * 3);
  if (setjmp(png_jmpbuf(png)))
    return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_set_compression_level(png, Z_BEST_SPEED);
  png_write_info(png, info);
  for (int y = 0; y < image.height(); ++y) {
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    png_byte* out = row.data();
    for (int x = 0; x < image.width(); ++x) {
      *out++ = static_cast<png_byte>(qRed(pixels[x]));
      *out++ = static_cast<png_byte>(qGreen(pixels[x]));
      *out++ = static_cast<png_byte>(qBlue(pixels[x]));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  return true;
}

} // namespace

bool writeFastPng(const QImage& image, const std::string& path) {
  const QImage opaque = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
                                image.format() == QImage::Format_ARGB32_Premultiplied
                            ? image
                            : image.convertToFormat(QImage::Format_RGB32);
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file)
    return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool written = info && writeRows(png, info, file.get(), opaque);
  png_destroy_write_struct(&png, &info);
  return written && std::fflush(file.get()) == 0;
}

} // namespace orvane
