#include "skin/paint/PixelRows.h"

namespace skin::paint {

TBlendRowByMask* BlendRowByMask = plain::BlendRowByMask;
TBlendRowConst* BlendRowConst = plain::BlendRowConst;
TPremultiplyRow* PremultiplyRow = plain::PremultiplyRow;
TFillDWords* FillDWords = plain::FillDWords;

namespace plain {

namespace {

constexpr std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

// ((d - s) x m + s x 256) shr 8, written as the equal non-negative sum.
constexpr std::uint32_t Mix(std::uint32_t d, std::uint32_t s, std::uint32_t m) {
  return (d * m + s * (256 - m)) >> 8;
}

}  // namespace

void BlendRowByMask(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* mask,
                    std::int32_t count, std::uint32_t mode) {
  const bool skipKeys = (mode & mrSkipKeys) != 0;
  const std::uint32_t alphaOr = (mode & mrAlphaOpaque) != 0 ? 0xFF000000u : 0;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint32_t s = src[i];
    if (skipKeys && s == KeyPixel) continue;
    const std::uint32_t d = dst[i];
    const std::uint32_t m = mask[i];
    dst[i] = Mix(Channel(d, 0), Channel(s, 0), Channel(m, 0)) |
             Mix(Channel(d, 8), Channel(s, 8), Channel(m, 8)) << 8 |
             Mix(Channel(d, 16), Channel(s, 16), Channel(m, 16)) << 16 | (d & 0xFF000000u) | alphaOr;
  }
}

void BlendRowConst(std::uint32_t* dst, const std::uint32_t* src, std::int32_t count, std::uint32_t kept) {
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint32_t d = dst[i];
    const std::uint32_t s = src[i];
    dst[i] = Mix(Channel(d, 0), Channel(s, 0), kept) | Mix(Channel(d, 8), Channel(s, 8), kept) << 8 |
             Mix(Channel(d, 16), Channel(s, 16), kept) << 16 | (d & 0xFF000000u);
  }
}

void PremultiplyRow(std::uint32_t* row, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint32_t p = row[i];
    if (p == 0x00FFFFFFu) {
      row[i] = 0;
      continue;
    }
    const std::uint32_t a = p >> 24;
    row[i] = (Channel(p, 0) * a >> 8) | (Channel(p, 8) * a >> 8) << 8 | (Channel(p, 16) * a >> 8) << 16 |
             (p & 0xFF000000u);
  }
}

void FillDWords(std::uint32_t* dst, std::int32_t count, std::uint32_t value) {
  for (std::int32_t i = 0; i < count; ++i) dst[i] = value;
}

}  // namespace plain
}  // namespace skin::paint
