#pragma once
// Byte-order helpers between colours (0x00BBGGRR) and pixels (blue, green,
// red, alpha in memory: 0xAARRGGBB as a value), and single-pixel access.
#include <cstdint>

#include "skin/paint/PixelView.h"

namespace skin::paint {

// The four bytes in reverse order (big-endian data to host order).
constexpr std::uint32_t ByteSwap32(std::uint32_t value) {
  return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}

// Bytes 0 and 2 exchanged, bytes 1 and 3 kept: a colour to pixel order and back.
constexpr std::uint32_t SwapRedBlue(std::uint32_t value) {
  return (value & 0xFF00FF00u) | ((value >> 16) & 0xFFu) | ((value & 0xFFu) << 16);
}

// The byte of a pixel at bit `shift` (0 blue, 8 green, 16 red, 24 alpha).
constexpr std::uint32_t PixelChannel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

// Unchecked single-pixel access of a 32-bit view.
inline std::uint32_t GetBmpPixel32(const TPixelView& bmp, std::int32_t x, std::int32_t y) {
  return bmp.Pixel32(x, y);
}
inline void SetBmpPixel32(const TPixelView& bmp, std::int32_t x, std::int32_t y, std::uint32_t value) {
  bmp.Pixel32(x, y) = value;
}

}  // namespace skin::paint
