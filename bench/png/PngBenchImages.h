#pragma once
// Test pictures and libpng helpers shared by the PNG benchmarks. Pictures
// are RGB(A) rows, top row first, `channels` bytes (or 2 x channels at
// 16 bits, big-endian) per pixel, as libpng takes them.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pngbench {

struct TRawImage {
  uint32_t Width = 0;
  uint32_t Height = 0;
  int Channels = 3;   // 3 RGB, 4 RGBA
  int BitDepth = 8;   // 8 or 16
  std::vector<uint8_t> Pixels;
  size_t RowBytes() const { return size_t{Width} * Channels * (BitDepth / 8); }
};

// A program window: flat panels, frames, text-like strokes, a photo tile.
TRawImage MakeScreenshot(uint32_t width, uint32_t height);
// Smooth light and colour gradients with fine texture and sensor-like noise.
TRawImage MakePhoto(uint32_t width, uint32_t height, int channels, int bitDepth);

struct TLibpngWriteSettings {
  int CompressionLevel = -1;      // -1: libpng's default
  int Filters = -1;               // PNG_FILTER_* mask; -1: libpng's default
  bool DefaultStrategy = false;   // zlib's default strategy, as our writer uses
  bool Interlaced = false;
};

// Appends the file to `out` (which may come reserved) and returns it.
std::vector<uint8_t> LibpngEncode(const TRawImage& image, const TLibpngWriteSettings& settings,
                                  std::vector<uint8_t> out = {});
// Decodes a whole file into `out` (rows top-down, no transformations).
TRawImage LibpngDecode(const std::vector<uint8_t>& file);

}  // namespace pngbench
