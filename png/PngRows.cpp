#include "png/PngRows.h"

#include <algorithm>
#include <cstring>

namespace png {
namespace {

// Sub-byte cells are packed from the most significant bits.
uint8_t GetCell(const uint8_t* row, size_t index, int bits) {
  const size_t bit = index * static_cast<size_t>(bits);
  const int shift = 8 - bits - static_cast<int>(bit % 8);
  return static_cast<uint8_t>((row[bit / 8] >> shift) & ((1u << bits) - 1));
}

void PutCell(uint8_t* row, size_t index, int bits, uint8_t value) {
  const size_t bit = index * static_cast<size_t>(bits);
  const int shift = 8 - bits - static_cast<int>(bit % 8);
  const auto mask = static_cast<uint8_t>(((1u << bits) - 1) << shift);
  row[bit / 8] = static_cast<uint8_t>((row[bit / 8] & ~mask) | ((value << shift) & mask));
}

bool IsWholeRow(const TRowPlacement& place) { return place.ColumnStart == 0 && place.ColumnIncrement == 1; }

}  // namespace

void DecodeRow(const TPngImageView& image, const TRowPlacement& place, const uint8_t* p, const uint8_t gamma[256]) {
  uint8_t* dst = image.Row(place.Line);
  uint8_t* extra = image.ExtraRow(place.Line);
  uint8_t* alpha = image.AlphaRow(place.Line);
  const uint32_t width = image.Width;
  const uint32_t cs = place.ColumnStart;
  const uint32_t ci = place.ColumnIncrement;
  // Pixels that land inside the image (filler samples beyond it are dropped).
  uint32_t count = place.PixelCount;
  if (cs >= width) return;
  count = std::min<uint32_t>(count, (width - cs + ci - 1) / ci);
  const uint8_t depth = image.BitDepth;

  switch (image.ColorType) {
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE: {
      if (depth == 16) {
        for (uint32_t k = 0; k < count; ++k) {
          const size_t c = cs + size_t{k} * ci;
          dst[c] = p[2 * k];
          if (extra) extra[c] = p[2 * k + 1];
        }
      } else if (depth != 2 && IsWholeRow(place)) {
        const size_t size = BytesForPixels(count, image.ColorType, depth);
        std::memcpy(dst, p, size);
        // Filler bits after the last pixel are not image data.
        const unsigned used = (count * depth) % 8;
        if (used) dst[size - 1] = static_cast<uint8_t>(dst[size - 1] & (0xFF00u >> used));
      } else {
        const int stored = StoredBitsPerPixel(image.ColorType, depth);
        for (uint32_t k = 0; k < count; ++k) {
          uint8_t v = GetCell(p, k, depth);
          if (depth == 2 && image.ColorType == COLOR_GRAYSCALE) v = static_cast<uint8_t>(v << 2);
          PutCell(dst, cs + size_t{k} * ci, stored, v);
        }
      }
      break;
    }
    case COLOR_GRAYSCALEALPHA: {
      const size_t step = depth == 16 ? 4 : 2;
      for (uint32_t k = 0; k < count; ++k) {
        const size_t c = cs + size_t{k} * ci;
        const uint8_t* s = p + k * step;
        dst[c] = s[0];
        if (depth == 16) {
          if (extra) extra[c] = s[1];
          alpha[c] = s[2];
        } else {
          alpha[c] = s[1];
        }
      }
      break;
    }
    case COLOR_RGB:
    case COLOR_RGBALPHA: {
      const size_t bps = depth == 16 ? 2 : 1;
      const size_t step = bps * (image.ColorType == COLOR_RGB ? 3 : 4);
      for (uint32_t k = 0; k < count; ++k) {
        const size_t c = cs + size_t{k} * ci;
        const uint8_t* s = p + k * step;
        uint8_t* d = dst + 3 * c;
        d[2] = gamma[s[0]];
        d[1] = gamma[s[bps]];
        d[0] = gamma[s[2 * bps]];
        if (bps == 2 && extra) {
          uint8_t* e = extra + 3 * c;
          e[2] = gamma[s[1]];
          e[1] = gamma[s[3]];
          e[0] = gamma[s[5]];
        }
        if (alpha) alpha[c] = s[3 * bps];
      }
      break;
    }
    default: break;
  }
}

void EncodeRow(const TPngImageView& image, const TRowPlacement& place, uint8_t* out, const uint8_t inverseGamma[256]) {
  const uint8_t* src = image.Row(place.Line);
  const uint8_t* alpha = image.AlphaRow(place.Line);
  const uint32_t cs = place.ColumnStart;
  const uint32_t ci = place.ColumnIncrement;
  const uint32_t count = place.PixelCount;
  const uint8_t depth = image.BitDepth == 2 ? 4 : image.BitDepth;
  const size_t size = BytesForPixels(count, image.ColorType, depth);

  switch (image.ColorType) {
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE:
      if (depth == 16) {
        for (uint32_t k = 0; k < count; ++k) {
          out[2 * k] = src[cs + size_t{k} * ci];
          out[2 * k + 1] = 0;
        }
      } else if (IsWholeRow(place)) {
        std::memcpy(out, src, size);
      } else {
        std::memset(out, 0, size);
        const int stored = StoredBitsPerPixel(image.ColorType, image.BitDepth);
        for (uint32_t k = 0; k < count; ++k) PutCell(out, k, depth, GetCell(src, cs + size_t{k} * ci, stored));
      }
      break;
    case COLOR_GRAYSCALEALPHA:
      for (uint32_t k = 0; k < count; ++k) {
        const size_t c = cs + size_t{k} * ci;
        if (depth == 16) {
          uint8_t* d = out + 4 * k;
          d[0] = src[c], d[1] = 0, d[2] = alpha[c], d[3] = 0;
        } else {
          out[2 * k] = src[c];
          out[2 * k + 1] = alpha[c];
        }
      }
      break;
    case COLOR_RGB:
    case COLOR_RGBALPHA: {
      const size_t bps = depth == 16 ? 2 : 1;
      const bool hasAlpha = image.ColorType == COLOR_RGBALPHA;
      const size_t step = bps * (hasAlpha ? 4 : 3);
      for (uint32_t k = 0; k < count; ++k) {
        const size_t c = cs + size_t{k} * ci;
        const uint8_t* s = src + 3 * c;
        uint8_t* d = out + k * step;
        const uint8_t samples[4] = {inverseGamma[s[2]], inverseGamma[s[1]], inverseGamma[s[0]],
                                    hasAlpha ? alpha[c] : uint8_t{0}};
        for (size_t ch = 0; ch < (hasAlpha ? 4u : 3u); ++ch) {
          d[ch * bps] = samples[ch];
          if (bps == 2) d[ch * bps + 1] = 0;
        }
      }
      break;
    }
    default: break;
  }
}

}  // namespace png
