#include "skin/paint/Blends.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "skin/paint/CopyClip.h"
#include "skin/paint/PixelOps.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

// A weight scaled by a mask's red byte: 0 keeps it, 255 takes it away.
constexpr std::uint32_t MaskedWeight(std::uint32_t weight, std::uint32_t maskPixel) {
  const std::uint32_t m = PixelChannel(maskPixel, 16);
  return m == 0 ? weight : weight * (255 - m) >> 8;
}

// (a x w + b x (256 - w)) shr 8 for the byte at `shift`, in place.
constexpr std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t w, int shift) {
  return ((PixelChannel(a, shift) * w + PixelChannel(b, shift) * (256 - w)) >> 8) << shift;
}

bool SameSize(const TPixelView& a, const TPixelView& b) { return a.Width == b.Width && a.Height == b.Height; }

// A share outside 0..1 (or not a number) would leave the byte range.
double ClampShare(double ratio) { return ratio >= 0 ? std::min(ratio, 1.0) : 0.0; }

// An empty view counts as "no mask"; a mask of another depth is refused.
bool UsableMask(const TPixelView& mask) { return !mask.Valid() || mask.Is32(); }

}  // namespace

void BlendRect256(const TPixelView& dst, const TPixelView& src, std::uint8_t alpha, const TPoint& dstPos,
                  const TRect& srcRect) {
  if (!dst.Is32() || !src.Is32()) return;
  const TSpan cols = ClipSpan({srcRect.Left, dstPos.X, std::int64_t{srcRect.Right} - srcRect.Left},
                              src.Width, dst.Width);
  const TSpan rows = ClipSpan({srcRect.Top, dstPos.Y, std::int64_t{srcRect.Bottom} - srcRect.Top},
                              src.Height, dst.Height);
  if (cols.Count < 1 || rows.Count < 1) return;
  for (std::int64_t j = 0; j < rows.Count; ++j)
    BlendRowConst(dst.Row32(static_cast<std::int32_t>(rows.Dst + j)) + cols.Dst,
                  src.Row32(static_cast<std::int32_t>(rows.Src + j)) + cols.Src,
                  static_cast<std::int32_t>(cols.Count), alpha);
}

void BlendTransRect(const TPixelView& dst, std::int32_t x, std::int32_t y, TColor transColor, double ratio,
                    const TRect& srcRect, const TPixelView& src) {
  if (!dst.Is32() || !src.Is32()) return;
  const TPiece piece = InclusivePieceAt(src.Width, src.Height, dst.Width, dst.Height, x, y, srcRect);
  if (piece.Empty()) return;
  ratio = ClampShare(ratio);
  const std::uint32_t key = KeyOfColor(transColor);
  for (std::int64_t j = 0; j < piece.Rows.Count; ++j) {
    const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(piece.Rows.Src + j)) + piece.Cols.Src;
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(piece.Rows.Dst + j)) + piece.Cols.Dst;
    for (std::int64_t i = 0; i < piece.Cols.Count; ++i) {
      if (s[i] == key) continue;
      std::uint32_t out = d[i] & 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const double sc = PixelChannel(s[i], shift);
        const double dc = PixelChannel(d[i], shift);
        out |= static_cast<std::uint32_t>(std::nearbyint(sc - (sc - dc) * ratio)) << shift;
      }
      d[i] = out;
    }
  }
}

void BlendBitmaps(const TPixelView& dst, const TPixelView& src1, const TPixelView& src2, std::uint16_t weight,
                  const TPixelView& mask) {
  if (!dst.Is32() || !src1.Is32() || !src2.Is32() || !UsableMask(mask)) return;
  if (src1.Width != src2.Width || src1.Height != src2.Height) return;
  std::int32_t width = std::min(src1.Width, dst.Width);
  std::int32_t height = std::min(src1.Height, dst.Height);
  if (mask.Valid()) {
    width = std::min(width, mask.Width);
    height = std::min(height, mask.Height);
  }
  const std::uint32_t w = std::min<std::uint32_t>(weight, 256);
  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint32_t* a = src1.Row32(y);
    const std::uint32_t* b = src2.Row32(y);
    std::uint32_t* d = dst.Row32(y);
    if (!mask.Valid() && d != b) {
      // Src1 first, then Src2 mixed in with Src1 as the kept share.
      if (d != a) std::copy(a, a + width, d);
      BlendRowConst(d, b, width, w);
      continue;
    }
    const std::uint32_t* m = mask.Valid() ? mask.Row32(y) : nullptr;
    for (std::int32_t x = 0; x < width; ++x) {
      const std::uint32_t pw = m != nullptr ? MaskedWeight(w, m[x]) : w;
      d[x] = Mix(a[x], b[x], pw, 0) | Mix(a[x], b[x], pw, 8) | Mix(a[x], b[x], pw, 16) | (a[x] & 0xFF000000u);
    }
  }
}

void AlphaBlendByMask(const TPixelView& dst, const TPixelView& src, const TPixelView& mask, const TRect& r) {
  if (!dst.Is32() || !src.Is32() || !UsableMask(mask)) return;
  std::int32_t right = std::min({r.Right, dst.Width, src.Width});
  std::int32_t bottom = std::min({r.Bottom, dst.Height, src.Height});
  if (mask.Valid()) {
    right = std::min(right, mask.Width);
    bottom = std::min(bottom, mask.Height);
  }
  const std::int32_t left = std::max(r.Left, 0);
  const std::int32_t top = std::max(r.Top, 0);
  for (std::int32_t y = top; y < bottom; ++y) {
    const std::uint32_t* s = src.Row32(y);
    const std::uint32_t* m = mask.Valid() ? mask.Row32(y) : nullptr;
    std::uint32_t* d = dst.Row32(y);
    for (std::int32_t x = left; x < right; ++x) {
      const std::uint32_t a = m != nullptr ? MaskedWeight(s[x] >> 24, m[x]) : s[x] >> 24;
      d[x] = Mix(s[x], d[x], a, 0) | Mix(s[x], d[x], a, 8) | Mix(s[x], d[x], a, 16) | (d[x] & 0xFF000000u);
    }
  }
}

void FadeBmpToColor(const TPixelView& bmp, TColor color, double ratio) {
  if (!bmp.Is32()) return;
  ratio = ClampShare(ratio);
  const std::uint32_t target = PixelOfColor(color);
  for (std::int32_t y = 0; y < bmp.Height; ++y) {
    std::uint32_t* row = bmp.Row32(y);
    for (std::int32_t x = 0; x < bmp.Width; ++x) {
      if (row[x] == KeyPixel) continue;
      std::uint32_t out = row[x] & 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const double b = PixelChannel(row[x], shift);
        const double c = PixelChannel(target, shift);
        out |= static_cast<std::uint32_t>(std::nearbyint((b - c) * ratio + c)) << shift;
      }
      row[x] = out;
    }
  }
}

void BlendColorByMask(const TPixelView& bmp, const TPixelView& mask, TColor color) {
  if (!bmp.Is32() || !mask.Is32() || !SameSize(bmp, mask)) return;
  const std::vector<std::uint32_t> colourRow(static_cast<std::size_t>(bmp.Width), PixelOfColor(color));
  for (std::int32_t y = 0; y < bmp.Height; ++y)
    BlendRowByMask(bmp.Row32(y), colourRow.data(), mask.Row32(y), bmp.Width, mrBlendKeys | mrAlphaKept);
}

void BlendEqualBitmaps(const TPixelView& dst, const TPixelView& src, std::uint8_t alpha) {
  if (!dst.Is32() || !src.Is32() || !SameSize(dst, src)) return;
  for (std::int32_t y = 0; y < dst.Height; ++y) BlendRowConst(dst.Row32(y), src.Row32(y), dst.Width, alpha);
}

}  // namespace skin::paint
