#include "bench/png/PngBenchImages.h"

#include <png.h>
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pngbench {

namespace {

uint8_t Clamp8(double v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

// The benchmark has no way to recover from a libpng failure: stop loudly.
[[noreturn]] void OnLibpngError(png_structp, png_const_charp message) {
  std::fprintf(stderr, "libpng: %s\n", message);
  std::abort();
}

void OnLibpngWarning(png_structp, png_const_charp) {}

void AppendBytes(png_structp p, png_bytep data, png_size_t size) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
  out->insert(out->end(), data, data + size);
}

void FlushNothing(png_structp) {}

struct TReadCursor {
  const uint8_t* Data;
  size_t Left;
};

void ReadBytes(png_structp p, png_bytep data, png_size_t size) {
  auto* cursor = static_cast<TReadCursor*>(png_get_io_ptr(p));
  if (size > cursor->Left) png_error(p, "read past the end");
  std::memcpy(data, cursor->Data, size);
  cursor->Data += size;
  cursor->Left -= size;
}

}  // namespace

TRawImage MakeScreenshot(uint32_t width, uint32_t height) {
  TRawImage image{width, height, 3, 8, {}};
  image.Pixels.resize(image.RowBytes() * height);
  uint32_t noise = 777;
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = &image.Pixels[y * image.RowBytes()];
    for (uint32_t x = 0; x < width; ++x) {
      uint8_t rgb[3] = {236, 233, 216};                                   // window face
      if (y < 24) rgb[0] = 10, rgb[1] = 36, rgb[2] = static_cast<uint8_t>(106 + x * 100 / width);  // caption
      else if (x < 220) rgb[0] = rgb[1] = rgb[2] = 255;                   // list
      if (x % 200 == 0 || y % 150 == 0) rgb[0] = rgb[1] = rgb[2] = 128;   // frames
      // Text-like strokes on the list and the panels.
      if (y > 30 && (y % 16) < 10 && ((x * 7 + y * 3) % 23) < 3 && (x % 200) > 10) rgb[0] = rgb[1] = rgb[2] = 0;
      if (x >= 700 && x < 1100 && y >= 200 && y < 600) {                  // a watch photo
        for (int c = 0; c < 3; ++c) {
          noise = noise * 1664525u + 1013904223u;
          rgb[c] = Clamp8(120 + 80 * std::sin(x * 0.02 + c) * std::cos(y * 0.015) + int(noise >> 29));
        }
      }
      std::memcpy(row + 3 * x, rgb, 3);
    }
  }
  return image;
}

TRawImage MakePhoto(uint32_t width, uint32_t height, int channels, int bitDepth) {
  TRawImage image{width, height, channels, bitDepth, {}};
  image.Pixels.resize(image.RowBytes() * height);
  const int bytes = bitDepth / 8;
  uint32_t noise = 12345;
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = &image.Pixels[y * image.RowBytes()];
    const double v = y / double(height);
    for (uint32_t x = 0; x < width; ++x) {
      const double u = x / double(width);
      const double light = 0.5 + 0.3 * std::sin(6.0 * u + 2.0 * v) * std::cos(4.0 * v - u);
      const double texture = 12.0 * std::sin(x * 0.21) * std::sin(y * 0.17);
      uint8_t* p = row + size_t{x} * channels * bytes;
      for (int c = 0; c < channels; ++c) {
        noise = noise * 1664525u + 1013904223u;
        double value;
        if (c == 3) value = 255.0 * (0.6 + 0.4 * std::sin(3.0 * u - 2.0 * v));
        else value = 255.0 * light + 40.0 * std::sin(3.0 * u + c * 1.7 + v) + texture + (int(noise >> 28) - 8);
        p[c * bytes] = Clamp8(value);
        if (bytes == 2) p[c * bytes + 1] = static_cast<uint8_t>(noise >> 20);
      }
    }
  }
  return image;
}

std::vector<uint8_t> LibpngEncode(const TRawImage& image, const TLibpngWriteSettings& settings,
                                  std::vector<uint8_t> out) {
  png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnLibpngError, OnLibpngWarning);
  png_infop info = png_create_info_struct(p);
  png_set_write_fn(p, &out, AppendBytes, FlushNothing);
  if (settings.CompressionLevel >= 0) png_set_compression_level(p, settings.CompressionLevel);
  if (settings.Filters >= 0) png_set_filter(p, PNG_FILTER_TYPE_BASE, settings.Filters);
  if (settings.DefaultStrategy) png_set_compression_strategy(p, Z_DEFAULT_STRATEGY);
  const int colorType = image.Channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
  png_set_IHDR(p, info, image.Width, image.Height, image.BitDepth, colorType,
               settings.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE,
               PNG_FILTER_TYPE_BASE);
  png_write_info(p, info);
  std::vector<png_bytep> rows(image.Height);
  for (uint32_t y = 0; y < image.Height; ++y)
    rows[y] = const_cast<png_bytep>(&image.Pixels[y * image.RowBytes()]);
  png_write_image(p, rows.data());
  png_write_end(p, nullptr);
  png_destroy_write_struct(&p, &info);
  return out;
}

TRawImage LibpngDecode(const std::vector<uint8_t>& file) {
  TReadCursor cursor{file.data(), file.size()};
  png_structp p = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnLibpngError, OnLibpngWarning);
  png_infop info = png_create_info_struct(p);
  png_set_read_fn(p, &cursor, ReadBytes);
  png_read_info(p, info);
  png_set_interlace_handling(p);
  png_read_update_info(p, info);
  TRawImage image;
  image.Width = png_get_image_width(p, info);
  image.Height = png_get_image_height(p, info);
  image.BitDepth = png_get_bit_depth(p, info);
  image.Channels = png_get_channels(p, info);
  image.Pixels.resize(png_get_rowbytes(p, info) * image.Height);
  std::vector<png_bytep> rows(image.Height);
  for (uint32_t y = 0; y < image.Height; ++y) rows[y] = &image.Pixels[y * image.RowBytes()];
  png_read_image(p, rows.data());
  png_read_end(p, nullptr);
  png_destroy_read_struct(&p, &info, nullptr);
  return image;
}

}  // namespace pngbench
