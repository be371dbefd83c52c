#include "skin/paint/PixelRows.h"

#include "bitmap/Bmp32_Bindings.h"
#include "bitmap/Bmp32_System.h"
#include "skin/paint/PixelRowsSse2.h"

namespace skin::paint {

// Every variable starts at its plain form, so a call made before start-up
// binding has run still works; the registry then puts the best form in.
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
  // Above 256 the source weight would wrap round and carry into the next
  // channel.
  if (kept > 256) kept = 256;
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

namespace {

bmp32::TFunctionRegistry& BuildPixelRowsRegistry() {
  bmp32::TFunctionRegistry& registry = bmp32::CreateRegistry(L"PixelRows bindings");
  registry.Add(FID_BLENDROWBYMASK, plain::BlendRowByMask);
  registry.Add(FID_BLENDROWCONST, plain::BlendRowConst);
  registry.Add(FID_PREMULTIPLYROW, plain::PremultiplyRow);
  registry.Add(FID_FILLDWORDS, plain::FillDWords);
#ifdef __SSE2__
  const bmp32::TProcessorFeatures sse2 = bmp32::FeatureBit(bmp32::pfSSE2);
  registry.Add(FID_BLENDROWBYMASK, sse2::BlendRowByMask, sse2);
  registry.Add(FID_BLENDROWCONST, sse2::BlendRowConst, sse2);
  registry.Add(FID_PREMULTIPLYROW, sse2::PremultiplyRow, sse2);
  registry.Add(FID_FILLDWORDS, sse2::FillDWords, sse2);
#endif
  registry.AddBinding(FID_BLENDROWBYMASK, &BlendRowByMask);
  registry.AddBinding(FID_BLENDROWCONST, &BlendRowConst);
  registry.AddBinding(FID_PREMULTIPLYROW, &PremultiplyRow);
  registry.AddBinding(FID_FILLDWORDS, &FillDWords);
  registry.BindAll();
  return registry;
}

// Bound while the program starts, like the bitmap library's units; this
// file also holds the variables, so whoever calls a row links the binding.
bmp32::TFunctionRegistry& pixelRowsRegistry = BuildPixelRowsRegistry();

}  // namespace

bmp32::TFunctionRegistry& PixelRowsRegistry() { return pixelRowsRegistry; }

}  // namespace skin::paint
