#pragma once
// JPEG decoding and encoding over libjpeg-turbo, between file bytes in memory
// and 8-bit pixel rows in a Windows DIB's byte order. Portable: no GDI here;
// the JPEG image class copies these rows into its bitmaps.
//
// Every failure raises EInvalidGraphic with a message saying why. The decoder
// treats its input as untrusted: the header's dimensions are checked before
// anything large is allocated, and corrupt or truncated data raises.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "classlib/graphics/GraphicsErrors.h"

namespace classlib {

// Bytes of a pixel in memory order: blue, green, red (and alpha).
enum class JpegPixelFormat { Bgr24, Bgra32 };

constexpr int JpegBytesPerPixel(JpegPixelFormat format) {
  return format == JpegPixelFormat::Bgra32 ? 4 : 3;
}

// The largest pixel buffer the decoder allocates (256 MiB).
inline constexpr std::uint64_t kMaxJpegPixelBytes = std::uint64_t{256} << 20;

// Pixel rows to encode, top row first. Row y starts at bytes[y * stride]; the
// alpha byte of Bgra32 is ignored.
struct JpegPixels {
  int width = 0;
  int height = 0;
  JpegPixelFormat format = JpegPixelFormat::Bgr24;
  std::size_t stride = 0;
  std::span<const std::uint8_t> bytes;
};

// A decoded image: rows top-down, row y at pixels[y * stride]. The stride is
// the row's bytes rounded up to a multiple of 4, as a DIB row is, so the
// buffer can back a top-down DIB section as it stands. Alpha (Bgra32) is 255.
struct JpegImageData {
  int width = 0;
  int height = 0;
  int components = 0;  // in the file: 1 greyscale, 3 colour
  JpegPixelFormat format = JpegPixelFormat::Bgr24;
  std::size_t stride = 0;
  std::vector<std::uint8_t> pixels;

  JpegPixels View() const { return {width, height, format, stride, pixels}; }
};

// Decodes a baseline or progressive, greyscale or colour JPEG file. Greyscale
// comes out with blue = green = red. CMYK and YCCK files are refused. Returns a
// fresh image, so a caller that assigns the result keeps its old image when
// this raises.
JpegImageData DecodeJpeg(std::span<const std::uint8_t> bytes,
                         JpegPixelFormat format = JpegPixelFormat::Bgr24);

// Encodes colour pixels as a JFIF file at `quality` 0..100 (libjpeg's scale;
// 0 acts as 1; colour at half resolution both ways, libjpeg's default),
// baseline unless `progressive`.
std::vector<std::uint8_t> EncodeJpeg(const JpegPixels& pixels, int quality,
                                     bool progressive = false);

}  // namespace classlib
