#pragma once
// The 32-bit BMP form of a bitmap: a 54-byte header (file header and
// 40-byte information header, little-endian) followed by the pixels.
#include <array>
#include <cstdint>

#include "classlib/core/Stream.h"

namespace bmp32 {

inline constexpr std::int64_t kBmpHeaderSize = 54;
// The largest pixel block read from a stream (untrusted input).
inline constexpr std::uint64_t kMaxStreamedPixelBytes = std::uint64_t{256} << 20;

struct TBmpHeader {
  std::uint32_t FileSize = 0;     // bfSize
  std::uint32_t PixelOffset = 0;  // bfOffBits
  std::uint32_t InfoSize = 0;     // biSize
  std::int32_t Width = 0;
  std::int32_t Height = 0;  // > 0: bottom-up rows; <= 0: top-down
  std::uint16_t Planes = 0;
  std::uint16_t BitCount = 0;
  std::uint32_t Compression = 0;
  bool Signature = false;  // "BM"

  // "BM", one plane, 32 bits, uncompressed.
  bool IsPlain32() const { return Signature && Planes == 1 && BitCount == 32 && Compression == 0; }
};

TBmpHeader DecodeBmpHeader(const std::array<std::uint8_t, kBmpHeaderSize>& bytes);
std::array<std::uint8_t, kBmpHeaderSize> EncodeBmpHeader(std::int32_t width, std::int32_t height,
                                                          bool bottomUp);

// Width * height * 4 in 64 bits; raises EBmp32Error when above
// kMaxStreamedPixelBytes, and the class library's read error when the
// stream holds fewer bytes from its position.
std::uint64_t CheckPixelBlock(classlib::TStream& stream, std::int64_t width, std::int64_t height);

}  // namespace bmp32
