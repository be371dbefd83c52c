#pragma once
// Facts of the format shared by reader and writer: the signature, header
// values and their checks, row sizes, the stored pixel layout and the Adam7
// pass geometry.
#include <array>
#include <cstddef>
#include <cstdint>

namespace png {

inline constexpr std::array<uint8_t, 8> kSignature = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// Filter flags of TPNGObject::Filters.
enum : uint8_t { pfNone = 1, pfSub = 2, pfUp = 4, pfAverage = 8, pfPaeth = 16 };

// Colour types.
enum : uint8_t { COLOR_GRAYSCALE = 0, COLOR_RGB = 2, COLOR_PALETTE = 3, COLOR_GRAYSCALEALPHA = 4, COLOR_RGBALPHA = 6 };

// The 13 bytes of IHDR.
struct TPngHeaderValues {
  uint32_t Width = 0;
  uint32_t Height = 0;
  uint8_t BitDepth = 0;
  uint8_t ColorType = 0;
  uint8_t CompressionMethod = 0;
  uint8_t FilterMethod = 0;
  uint8_t InterlaceMethod = 0;
};

// Reads and checks IHDR data (at least 13 bytes, else EPngInvalidIHDR):
// sides above 65535 raise EPNGSizeExceeds; a side of 0 or a colour type and
// bit depth the format does not define raise EPngInvalidIHDR; compression
// other than 0 EPNGUnknownCompression; interlace other than 0 or 1
// EPNGUnknownInterlace.
TPngHeaderValues ParseHeader(const uint8_t* data, size_t size);
void WriteHeader(const TPngHeaderValues& header, uint8_t out[13]);

bool IsValidColorTypeAndDepth(uint8_t colorType, uint8_t bitDepth);

// Samples per pixel of a colour type; 0 for an unknown one.
int ChannelsOf(uint8_t colorType);
// Bytes of a PNG row of `pixels` pixels.
size_t BytesForPixels(uint64_t pixels, uint8_t colorType, uint8_t bitDepth);
// Bytes per whole pixel, the filters' left distance (at least 1).
int FilterOffset(uint8_t colorType, uint8_t bitDepth);

// Bits per pixel of the stored bitmap: 1, 4 or 8 for grey and palette
// images (bit depth 2 is held as 4, 16 as 8), 24 for RGB.
int StoredBitsPerPixel(uint8_t colorType, uint8_t bitDepth);
bool HasStoredPalette(uint8_t colorType);
bool HasAlphaBuffer(uint8_t colorType);
// Stored rows are padded to 4 bytes.
uint64_t StoredRowBytes(uint64_t width, int bitsPerPixel);

// Everything the pixel buffers of an image take (bitmap, alpha and 16-bit
// side buffer), computed in 64 bits.
uint64_t ImageBufferBytes(const TPngHeaderValues& header);
// The most an image may take; larger ones raise EPNGOutMemory.
inline constexpr uint64_t kMaxImageBufferBytes = uint64_t{256} << 20;
void CheckImageBufferSize(const TPngHeaderValues& header);

// Chunks whose type begins with an upper-case letter are critical.
inline bool IsCriticalChunk(const char type[4]) { return (static_cast<uint8_t>(type[0]) & 0x20) == 0; }

struct TAdam7Pass {
  uint32_t RowStart, ColumnStart, RowIncrement, ColumnIncrement;
};
inline constexpr std::array<TAdam7Pass, 7> kAdam7 = {{{0, 0, 8, 8},
                                                      {0, 4, 8, 8},
                                                      {4, 0, 8, 4},
                                                      {0, 2, 4, 4},
                                                      {2, 0, 4, 2},
                                                      {0, 1, 2, 2},
                                                      {1, 0, 2, 1}}};
// Pixels of one row of a pass (0 when the image is too narrow for it).
uint32_t PassWidth(const TAdam7Pass& pass, uint32_t width);

}  // namespace png
