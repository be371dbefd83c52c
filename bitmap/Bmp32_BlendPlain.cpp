#include "bitmap/Bmp32_BlendPlain.h"

#include <algorithm>

#include "bitmap/Bmp32_BlendTables.h"

namespace bmp32::plain {

namespace {

constexpr std::uint32_t Channel(TColor32 c, int index) { return (c >> (8 * index)) & 0xFF; }

template <class Op>
TColor32 PerChannel(TColor32 a, TColor32 b, Op op) {
  TColor32 result = 0;
  for (int i = 0; i < 4; ++i)
    result |= (static_cast<std::uint32_t>(op(Channel(a, i), Channel(b, i))) & 0xFF) << (8 * i);
  return result;
}

// Weights out of 0..255 count as 255, so no lane is weighted negatively.
constexpr std::uint32_t ClampWeight(std::uint32_t w) { return w > 255 ? 255 : w; }

// Per channel (X*W + 0x80) shr 8 + (Y*(255 - W) + 0x80) shr 8, two channels
// at a time. Each channel stays below 256, so no carry crosses into the next.
constexpr TColor32 MixRounded(TColor32 x, TColor32 y, std::uint32_t w) {
  const std::uint32_t iw = 255 - w;
  const std::uint32_t rb = ((((x & 0x00FF00FF) * w + 0x00800080) >> 8) & 0x00FF00FF) +
                           ((((y & 0x00FF00FF) * iw + 0x00800080) >> 8) & 0x00FF00FF);
  const std::uint32_t ag = (((((x >> 8) & 0x00FF00FF) * w + 0x00800080) >> 8) & 0x00FF00FF) +
                           (((((y >> 8) & 0x00FF00FF) * iw + 0x00800080) >> 8) & 0x00FF00FF);
  return rb | (ag << 8);
}

}  // namespace

void ResetMultimediaState() {}

TColor32 MergePixel(TColor32 f, TColor32 b) {
  const std::uint32_t fa = f >> 24;
  if (fa == 0) return b;
  const std::uint32_t ba = b >> 24;
  if (ba == 255) return bmp32::BlendPixel(f, b) | 0xFF000000;
  if (fa == 255 || ba == 0) return f;
  const std::uint32_t ra = fa + ba - MulTable[ba][fa];
  TColor32 result = ra << 24;
  for (int i = 0; i < 3; ++i) {
    const std::uint32_t fc = Channel(f, i);
    const std::uint32_t bp = MulTable[ba][Channel(b, i)];  // premultiplied background
    const std::uint32_t v = fc >= bp ? bp + MulTable[fa][fc - bp] : bp - MulTable[fa][bp - fc];
    result |= static_cast<std::uint32_t>(DivTable[ra][v]) << (8 * i);
  }
  return result;
}

TColor32 MergePixelMix(TColor32 f, TColor32 b) {
  const std::uint32_t fa = f >> 24;
  if (fa == 0) return b;
  const std::uint32_t ba = b >> 24;
  if (fa == 255 || ba == 0) return f;
  const std::uint32_t ra = fa + ba - MulTable[ba][fa];
  const std::uint32_t wt = DivTable[ra][fa];
  TColor32 result = ra << 24;
  for (int i = 0; i < 3; ++i) {
    const std::uint32_t mixed = MulTable[wt][Channel(f, i)] + MulTable[255 - wt][Channel(b, i)];
    result |= std::min<std::uint32_t>(mixed, 255) << (8 * i);
  }
  return result;
}

void MergePixelInPlace(TColor32 f, TColor32& b) { b = bmp32::MergePixel(f, b); }

void MergeRow(const TColor32* src, TColor32* dst, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) dst[i] = bmp32::MergePixel(src[i], dst[i]);
}

namespace {

TColor32 WithMasterAlpha(TColor32 f, std::uint32_t m) {
  return (f & 0x00FFFFFF) | (static_cast<std::uint32_t>(MulTable[ClampWeight(m)][f >> 24]) << 24);
}

}  // namespace

TColor32 MergePixelMaster(TColor32 f, TColor32 b, std::uint32_t m) {
  return bmp32::MergePixel(WithMasterAlpha(f, m), b);
}

void MergePixelInPlaceMaster(TColor32 f, TColor32& b, std::uint32_t m) {
  b = bmp32::MergePixel(WithMasterAlpha(f, m), b);
}

void MergeRowMaster(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t m) {
  for (std::int32_t i = 0; i < count; ++i)
    dst[i] = bmp32::MergePixel(WithMasterAlpha(src[i], m), dst[i]);
}

TColor32 CombinePixel(TColor32 x, TColor32 y, std::uint32_t w) {
  w = ClampWeight(w);
  if (w == 0) return y;
  if (w == 255) return x;
  return MixRounded(x, y, w);
}

void CombinePixelInPlace(TColor32 x, TColor32& y, std::uint32_t w) { y = CombinePixel(x, y, w); }

void CombineRow(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t w) {
  for (std::int32_t i = 0; i < count; ++i) dst[i] = CombinePixel(src[i], dst[i], w);
}

TColor32 BlendPixel(TColor32 f, TColor32 b) {
  const std::uint32_t fa = f >> 24;
  if (fa == 255) return f;
  if (fa == 0) return b;
  return MixRounded(f, b, fa);
}

void BlendPixelInPlace(TColor32 f, TColor32& b) {
  if ((f >> 24) != 0) b = BlendPixel(f, b);
}

void BlendRow(const TColor32* src, TColor32* dst, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) BlendPixelInPlace(src[i], dst[i]);
}

namespace {

// ((M + 1) * Fa) shr 8, or 0 when the foreground does not show at all.
std::uint32_t MasterWeight(TColor32 f, std::uint32_t m) {
  const std::uint32_t scaled = (ClampWeight(m) + 1) * (f >> 24);
  return scaled < 256 ? 0 : scaled >> 8;
}

}  // namespace

TColor32 BlendPixelMaster(TColor32 f, TColor32 b, std::uint32_t m) {
  const std::uint32_t a = MasterWeight(f, m);
  if (a == 0) return b;
  return MixRounded(f, b, a) & 0x00FFFFFF;
}

void BlendPixelInPlaceMaster(TColor32 f, TColor32& b, std::uint32_t m) {
  if (MasterWeight(f, m) != 0) b = BlendPixelMaster(f, b, m);
}

void BlendRowMaster(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t m) {
  for (std::int32_t i = 0; i < count; ++i) BlendPixelInPlaceMaster(src[i], dst[i], m);
}

TColor32 ChannelMax(TColor32 a, TColor32 b) {
  return PerChannel(a, b, [](std::uint32_t x, std::uint32_t y) { return std::max(x, y); });
}

TColor32 ChannelMin(TColor32 a, TColor32 b) {
  return PerChannel(a, b, [](std::uint32_t x, std::uint32_t y) { return std::min(x, y); });
}

TColor32 ChannelAverage(TColor32 a, TColor32 b) { return (((a ^ b) >> 1) & 0x7F7F7F7F) + (a & b); }

TColor32 ChannelAdd(TColor32 a, TColor32 b) {
  return PerChannel(a, b, [](std::uint32_t x, std::uint32_t y) { return std::min(x + y, 255u); });
}

TColor32 ChannelSub(TColor32 a, TColor32 b) {
  return PerChannel(a, b, [](std::uint32_t x, std::uint32_t y) { return x > y ? x - y : 0u; });
}

TColor32 ChannelDiv(TColor32 a, TColor32 b) {
  return PerChannel(a, b, [](std::uint32_t x, std::uint32_t y) {
    return x == 0 ? 255u : std::min((y << 8) / x, 255u);
  });
}

TColor32 ChannelModulate(TColor32 a, TColor32 b) {
  return PerChannel(a, b, [](std::uint32_t x, std::uint32_t y) { return (x * y) >> 8; });
}

TColor32 ChannelDifference(TColor32 a, TColor32 b) {
  return PerChannel(a, b, [](std::uint32_t x, std::uint32_t y) { return x > y ? x - y : y - x; });
}

TColor32 ChannelExclusion(TColor32 a, TColor32 b) {
  return PerChannel(a, b, [](std::uint32_t x, std::uint32_t y) { return x + y - ((x * y) >> 7); });
}

TColor32 ChannelScale(TColor32 c, std::int32_t w) {
  // The product wraps as an unsigned 32-bit value: a negative weight gives 255
  // for every channel that is not 0.
  const auto uw = static_cast<std::uint32_t>(w);
  TColor32 result = 0;
  for (int i = 0; i < 4; ++i)
    result |= std::min((Channel(c, i) * uw) >> 8, 255u) << (8 * i);
  return result;
}

TColor32 Lighten(TColor32 c, std::int32_t amount) {
  TColor32 result = c & 0xFF000000;
  for (int i = 0; i < 3; ++i) {
    const std::int64_t v = static_cast<std::int64_t>(Channel(c, i)) + amount;
    result |= static_cast<std::uint32_t>(std::clamp<std::int64_t>(v, 0, 255)) << (8 * i);
  }
  return result;
}

}  // namespace bmp32::plain
