#pragma once
// Small image files for skin loading tests, made in memory.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "classlib/graphics/JpegCodec.h"

namespace skin::testing {

// A bottom-up BMP file of 24 or 32 bits per pixel; `color(x, y)` gives
// 0x00RRGGBB (24 bits) or 0xAARRGGBB (32 bits) for each pixel.
inline std::string BmpFile(int w, int h, int bits, const std::function<std::uint32_t(int, int)>& color) {
  const int bytes = bits / 8;
  const int stride = (w * bytes + 3) & ~3;
  std::string b(54 + static_cast<std::size_t>(stride) * h, '\0');
  const auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<std::uint32_t>(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(w));
  put32(22, static_cast<std::uint32_t>(h));
  b[26] = 1;
  b[28] = static_cast<char>(bits);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint32_t c = color(x, y);
      char* p = b.data() + 54 + static_cast<std::size_t>(h - 1 - y) * stride + x * bytes;
      for (int i = 0; i < bytes; ++i) p[i] = static_cast<char>(c >> (8 * i));
    }
  return b;
}

inline std::string Bmp24(int w, int h, const std::function<std::uint32_t(int, int)>& color) {
  return BmpFile(w, h, 24, color);
}

inline std::string PlainBmp(int w, int h, std::uint32_t color = 0x808080) {
  return Bmp24(w, h, [=](int, int) { return color; });
}

inline std::string GreyJpeg(int w, int h) {
  const std::size_t stride = static_cast<std::size_t>(w) * 3;
  std::vector<std::uint8_t> pixels(stride * static_cast<std::size_t>(h), 0x80);
  const auto bytes = classlib::EncodeJpeg({w, h, classlib::JpegPixelFormat::Bgr24, stride, pixels}, 50);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace skin::testing
