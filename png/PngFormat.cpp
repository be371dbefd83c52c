#include "png/PngFormat.h"

#include "png/PngBytes.h"
#include "png/PngErrors.h"

namespace png {

TPngHeaderValues ParseHeader(const uint8_t* data, size_t size) {
  if (size < 13) RaiseError<EPngInvalidIHDR>();
  TPngHeaderValues h;
  h.Width = ReadBE32(data);
  h.Height = ReadBE32(data + 4);
  h.BitDepth = data[8];
  h.ColorType = data[9];
  h.CompressionMethod = data[10];
  h.FilterMethod = data[11];
  h.InterlaceMethod = data[12];
  if (h.Width > 65535 || h.Height > 65535) RaiseError<EPNGSizeExceeds>();
  if (h.Width == 0 || h.Height == 0 || !IsValidColorTypeAndDepth(h.ColorType, h.BitDepth))
    RaiseError<EPngInvalidIHDR>();
  if (h.CompressionMethod != 0) RaiseError<EPNGUnknownCompression>();
  if (h.InterlaceMethod > 1) RaiseError<EPNGUnknownInterlace>();
  return h;
}

void WriteHeader(const TPngHeaderValues& h, uint8_t out[13]) {
  WriteBE32(out, h.Width);
  WriteBE32(out + 4, h.Height);
  out[8] = h.BitDepth;
  out[9] = h.ColorType;
  out[10] = h.CompressionMethod;
  out[11] = h.FilterMethod;
  out[12] = h.InterlaceMethod;
}

bool IsValidColorTypeAndDepth(uint8_t colorType, uint8_t bitDepth) {
  switch (colorType) {
    case COLOR_GRAYSCALE: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case COLOR_PALETTE: return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case COLOR_RGB:
    case COLOR_GRAYSCALEALPHA:
    case COLOR_RGBALPHA: return bitDepth == 8 || bitDepth == 16;
    default: return false;
  }
}

int ChannelsOf(uint8_t colorType) {
  switch (colorType) {
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE: return 1;
    case COLOR_RGB: return 3;
    case COLOR_GRAYSCALEALPHA: return 2;
    case COLOR_RGBALPHA: return 4;
    default: return 0;
  }
}

size_t BytesForPixels(uint64_t pixels, uint8_t colorType, uint8_t bitDepth) {
  return static_cast<size_t>((pixels * bitDepth * static_cast<uint64_t>(ChannelsOf(colorType)) + 7) / 8);
}

int FilterOffset(uint8_t colorType, uint8_t bitDepth) {
  int offset = 1;
  switch (colorType) {
    case COLOR_GRAYSCALE: offset = bitDepth == 16 ? 2 : 1; break;
    case COLOR_RGB: offset = bitDepth * 3 / 8; break;
    case COLOR_GRAYSCALEALPHA: offset = bitDepth * 2 / 8; break;
    case COLOR_RGBALPHA: offset = bitDepth * 4 / 8; break;
    default: offset = 1; break;
  }
  return offset < 1 ? 1 : offset;
}

int StoredBitsPerPixel(uint8_t colorType, uint8_t bitDepth) {
  if (colorType == COLOR_RGB || colorType == COLOR_RGBALPHA) return 24;
  switch (bitDepth) {
    case 1: return 1;
    case 2:
    case 4: return 4;
    default: return 8;
  }
}

bool HasStoredPalette(uint8_t colorType) {
  return colorType == COLOR_GRAYSCALE || colorType == COLOR_PALETTE || colorType == COLOR_GRAYSCALEALPHA;
}

bool HasAlphaBuffer(uint8_t colorType) { return colorType == COLOR_GRAYSCALEALPHA || colorType == COLOR_RGBALPHA; }

uint64_t StoredRowBytes(uint64_t width, int bitsPerPixel) {
  return ((static_cast<uint64_t>(bitsPerPixel) * width + 31) & ~uint64_t{31}) / 8;
}

uint64_t ImageBufferBytes(const TPngHeaderValues& h) {
  const uint64_t rows = StoredRowBytes(h.Width, StoredBitsPerPixel(h.ColorType, h.BitDepth)) * h.Height;
  uint64_t total = rows;
  if (HasAlphaBuffer(h.ColorType)) total += uint64_t{h.Width} * h.Height;
  if (h.BitDepth == 16) total += rows;
  return total;
}

void CheckImageBufferSize(const TPngHeaderValues& header) {
  if (ImageBufferBytes(header) > kMaxImageBufferBytes) RaiseError<EPNGOutMemory>();
}

uint32_t PassWidth(const TAdam7Pass& pass, uint32_t width) {
  if (width <= pass.ColumnStart) return 0;
  return (width - pass.ColumnStart + pass.ColumnIncrement - 1) / pass.ColumnIncrement;
}

}  // namespace png
