#include "png/PngRows.h"

#include <algorithm>
#include <cstring>

#include "png/PngRgbOrder.h"

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

// Without a gAMA chunk the tables are the identity; the colour loops then
// skip the lookups (a table test per row costs less than one per sample).
bool IsIdentity(const uint8_t table[256]) {
  for (unsigned i = 0; i < 256; ++i)
    if (table[i] != i) return false;
  return true;
}

// Separates 16-bit samples into their high and low bytes. The plain
// stride-two loop is what the compiler turns into vector pack instructions.
void SplitSampleBytes(const uint8_t* in, uint8_t* high, uint8_t* low, size_t samples) {
  for (size_t i = 0; i < samples; ++i) {
    high[i] = in[2 * i];
    low[i] = in[2 * i + 1];
  }
}

// A whole RGB16 row without gamma: the high bytes into the BGR bitmap, the
// low bytes into the side buffer, through small stack buffers so that both
// steps run over whole vectors of samples.
void SplitRgb16Row(const uint8_t* in, uint8_t* dst, uint8_t* extra, size_t pixels) {
  constexpr size_t kChunk = 256;
  uint8_t high[3 * kChunk], low[3 * kChunk];
  for (size_t k = 0; k < pixels; k += kChunk) {
    const size_t n = std::min(kChunk, pixels - k);
    SplitSampleBytes(in + 6 * k, high, low, 3 * n);
    SwapRgbOrder(high, dst + 3 * k, n);
    if (extra) SwapRgbOrder(low, extra + 3 * k, n);
  }
}

// Colour samples of RGB and RGBA rows (kBytes bytes per sample) into the
// BGR bitmap, the low bytes into the side buffer, alpha into its buffer.
template <size_t kChannels, size_t kBytes, bool kGamma, bool kUnitStep>
void DecodeColorPixels(uint8_t* dst, uint8_t* extra, uint8_t* alpha, const uint8_t* p, size_t cs, size_t ci,
                       uint32_t count, const uint8_t gamma[256]) {
  if constexpr (kUnitStep) cs = 0, ci = 1;
  auto g = [gamma](uint8_t v) { return kGamma ? gamma[v] : v; };
  constexpr size_t kStep = kChannels * kBytes;
  for (uint32_t k = 0; k < count; ++k) {
    const size_t c = cs + size_t{k} * ci;
    const uint8_t* s = p + size_t{k} * kStep;
    uint8_t* d = dst + 3 * c;
    d[2] = g(s[0]);
    d[1] = g(s[kBytes]);
    d[0] = g(s[2 * kBytes]);
    if constexpr (kBytes == 2) {
      if (extra) {
        uint8_t* e = extra + 3 * c;
        e[2] = g(s[1]);
        e[1] = g(s[3]);
        e[0] = g(s[5]);
      }
    }
    if constexpr (kChannels == 4) {
      if (alpha) alpha[c] = s[3 * kBytes];
    }
  }
}

// Whole rows (column step 1) get their own instance: with unit stride the
// compiler turns the sample shuffling into vector code.
template <size_t kChannels, size_t kBytes>
void DecodeColorRow(uint8_t* dst, uint8_t* extra, uint8_t* alpha, const uint8_t* p, size_t cs, size_t ci,
                    uint32_t count, const uint8_t gamma[256]) {
  const bool identity = IsIdentity(gamma);
  if constexpr (kChannels == 3 && kBytes == 1) {
    if (identity && ci == 1) return SwapRgbOrder(p, dst + 3 * cs, count);
  }
  if constexpr (kChannels == 4 && kBytes == 1) {
    if (identity && ci == 1 && alpha) return SplitRgbaPixels(p, dst + 3 * cs, alpha + cs, count);
  }
  if constexpr (kChannels == 3 && kBytes == 2) {
    if (identity && ci == 1) return SplitRgb16Row(p, dst + 3 * cs, extra ? extra + 3 * cs : nullptr, count);
  }
  if (ci == 1) {
    dst += 3 * cs;
    if (extra) extra += 3 * cs;
    if (alpha) alpha += cs;
    if (identity) DecodeColorPixels<kChannels, kBytes, false, true>(dst, extra, alpha, p, 0, 1, count, gamma);
    else DecodeColorPixels<kChannels, kBytes, true, true>(dst, extra, alpha, p, 0, 1, count, gamma);
  } else {
    if (identity) DecodeColorPixels<kChannels, kBytes, false, false>(dst, extra, alpha, p, cs, ci, count, gamma);
    else DecodeColorPixels<kChannels, kBytes, true, false>(dst, extra, alpha, p, cs, ci, count, gamma);
  }
}

// Stored BGR (and alpha) into RGB or RGBA rows of 8 or 16 bits per sample;
// the low byte of 16-bit samples is written as 0.
template <size_t kChannels, size_t kBytes, bool kGamma, bool kUnitStep>
void EncodeColorPixels(const uint8_t* src, const uint8_t* alpha, uint8_t* out, size_t cs, size_t ci, uint32_t count,
                       const uint8_t inverseGamma[256]) {
  if constexpr (kUnitStep) cs = 0, ci = 1;
  auto g = [inverseGamma](uint8_t v) { return kGamma ? inverseGamma[v] : v; };
  constexpr size_t kStep = kChannels * kBytes;
  for (uint32_t k = 0; k < count; ++k) {
    const size_t c = cs + size_t{k} * ci;
    const uint8_t* s = src + 3 * c;
    uint8_t* d = out + size_t{k} * kStep;
    d[0] = g(s[2]);
    d[kBytes] = g(s[1]);
    d[2 * kBytes] = g(s[0]);
    if constexpr (kChannels == 4) d[3 * kBytes] = alpha[c];
    if constexpr (kBytes == 2) {
      for (size_t ch = 0; ch < kChannels; ++ch) d[ch * 2 + 1] = 0;
    }
  }
}

template <size_t kChannels, size_t kBytes>
void EncodeColorRow(const uint8_t* src, const uint8_t* alpha, uint8_t* out, size_t cs, size_t ci, uint32_t count,
                    const uint8_t inverseGamma[256]) {
  const bool identity = IsIdentity(inverseGamma);
  if constexpr (kChannels == 3 && kBytes == 1) {
    if (identity && ci == 1) return SwapRgbOrder(src + 3 * cs, out, count);
  }
  if (ci == 1) {
    src += 3 * cs;
    if (alpha) alpha += cs;
    if (identity) EncodeColorPixels<kChannels, kBytes, false, true>(src, alpha, out, 0, 1, count, inverseGamma);
    else EncodeColorPixels<kChannels, kBytes, true, true>(src, alpha, out, 0, 1, count, inverseGamma);
  } else {
    if (identity) EncodeColorPixels<kChannels, kBytes, false, false>(src, alpha, out, cs, ci, count, inverseGamma);
    else EncodeColorPixels<kChannels, kBytes, true, false>(src, alpha, out, cs, ci, count, inverseGamma);
  }
}

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
      if (depth == 16) DecodeColorRow<3, 2>(dst, extra, nullptr, p, cs, ci, count, gamma);
      else DecodeColorRow<3, 1>(dst, nullptr, nullptr, p, cs, ci, count, gamma);
      break;
    case COLOR_RGBALPHA:
      if (depth == 16) DecodeColorRow<4, 2>(dst, extra, alpha, p, cs, ci, count, gamma);
      else DecodeColorRow<4, 1>(dst, nullptr, alpha, p, cs, ci, count, gamma);
      break;
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
      if (depth == 16) EncodeColorRow<3, 2>(src, nullptr, out, cs, ci, count, inverseGamma);
      else EncodeColorRow<3, 1>(src, nullptr, out, cs, ci, count, inverseGamma);
      break;
    case COLOR_RGBALPHA:
      if (depth == 16) EncodeColorRow<4, 2>(src, alpha, out, cs, ci, count, inverseGamma);
      else EncodeColorRow<4, 1>(src, alpha, out, cs, ci, count, inverseGamma);
      break;
    default: break;
  }
}

}  // namespace png
