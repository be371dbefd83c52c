#include "skin/paint/MaskStretch.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/paint/NearestMap.h"
#include "skin/paint/PixelOps.h"
#include "skin/paint/PixelRows.h"
#include "skin/paint/Resample.h"

namespace skin::paint {

namespace {

using i64 = std::int64_t;

constexpr std::uint8_t kMitchell = 6;
constexpr std::uint8_t kHermite = 2;

void StretchRowAlphaKeeping(std::uint32_t* dst, const std::uint32_t* c, const std::uint32_t* m, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint32_t mr = PixelChannel(m[i], 16);
    if (mr == 255) continue;
    if (mr == 0) {
      dst[i] = c[i] | 0xFF000000u;
      continue;
    }
    const std::uint32_t d = dst[i];
    const std::uint32_t a = PixelChannel(d, 24);
    const std::uint32_t k = std::min(mr, a);
    std::uint32_t out = std::max(a, 255 - mr) << 24;
    for (int shift = 0; shift < 24; shift += 8)
      out |= ((PixelChannel(d, shift) * k + PixelChannel(c[i], shift) * (255 - k)) >> 8) << shift;
    dst[i] = out;
  }
}

void ApplyRow(TStretchRule rule, std::uint32_t* dst, const std::uint32_t* c, const std::uint32_t* m,
              std::int32_t count) {
  if (rule == srBlendOpaque)
    BlendRowByMask(dst, c, m, count, mrBlendKeys | mrAlphaOpaque);
  else
    StretchRowAlphaKeeping(dst, c, m, count);
}

// The part of the block that is painted.
struct TArea {
  i64 X0, Y0, X1, Y1;
  bool Empty() const { return X0 >= X1 || Y0 >= Y1; }
};

TArea AreaOf(const TStretchBlock& b, const TRect& clip) {
  return TArea{std::max<i64>(b.DstX, clip.Left), std::max<i64>(b.DstY, clip.Top),
               std::min<i64>(b.DstX + b.DstW, clip.Right), std::min<i64>(b.DstY + b.DstH, clip.Bottom)};
}

// The source columns of the painted columns.
std::vector<std::int32_t> NearestColumns(const TStretchBlock& b, const TArea& a) {
  std::vector<std::int32_t> cols(static_cast<std::size_t>(a.X1 - a.X0));
  for (i64 x = a.X0; x < a.X1; ++x)
    cols[static_cast<std::size_t>(x - a.X0)] = static_cast<std::int32_t>(b.SrcX + NearestSource(x - b.DstX, b.DstW, b.SrcW));
  return cols;
}

i64 NearestRow(const TStretchBlock& b, i64 y) { return b.SrcY + NearestSource(y - b.DstY, b.DstH, b.SrcH); }

void NearestCopy(const TPixelView& dst, const TPixelView& src, const TStretchBlock& b, const TArea& a) {
  const std::vector<std::int32_t> cols = NearestColumns(b, a);
  for (i64 y = a.Y0; y < a.Y1; ++y) {
    const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(NearestRow(b, y)));
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(y)) + a.X0;
    for (std::size_t i = 0; i < cols.size(); ++i) d[i] = s[cols[i]];
  }
}

// A block of Src copied into an image of at least 2 x 2, a single column or
// row doubled, then resampled to the block's destination size.
std::vector<std::uint32_t> Filtered(const TPixelView& src, i64 x, i64 y, i64 w, i64 h, const TStretchBlock& b,
                                    std::uint8_t filter) {
  const i64 ww = std::max<i64>(w, 2), wh = std::max<i64>(h, 2);
  std::vector<std::uint32_t> work(static_cast<std::size_t>(ww * wh));
  for (i64 j = 0; j < h; ++j)
    std::memcpy(&work[static_cast<std::size_t>(j * ww)], src.Row32(static_cast<std::int32_t>(y + j)) + x,
                static_cast<std::size_t>(w) * 4);
  if (w == 1)
    for (i64 j = 0; j < h; ++j) work[static_cast<std::size_t>(j * ww + 1)] = work[static_cast<std::size_t>(j * ww)];
  if (h == 1) std::memcpy(&work[static_cast<std::size_t>(ww)], &work[0], static_cast<std::size_t>(ww) * 4);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(b.DstW * b.DstH));
  ResamplePixels(MakeView(work.data(), static_cast<std::int32_t>(ww), static_cast<std::int32_t>(wh), ww * 4),
                 MakeView(out.data(), static_cast<std::int32_t>(b.DstW), static_cast<std::int32_t>(b.DstH), b.DstW * 4),
                 filter);
  return out;
}

void SinglePixelCentre(const TPixelView& dst, const TArea& a, std::uint32_t s, std::uint32_t m,
                       TStretchRule rule) {
  const std::uint32_t mr = PixelChannel(m, 16);
  if (mr == 255) return;
  for (i64 y = a.Y0; y < a.Y1; ++y) {
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(y)) + a.X0;
    const auto count = static_cast<std::int32_t>(a.X1 - a.X0);
    if (mr == 0) {
      FillDWords(d, count, s | 0xFF000000u);
      continue;
    }
    if (rule == srAlphaKeeping) {
      for (std::int32_t i = 0; i < count; ++i) StretchRowAlphaKeeping(d + i, &s, &m, 1);
      continue;
    }
    // The red byte mixes every channel here; the alpha stays.
    const std::uint32_t mm = mr | mr << 8 | mr << 16;
    for (std::int32_t i = 0; i < count; ++i) BlendRowByMask(d + i, &s, &mm, 1, mrBlendKeys | mrAlphaKept);
  }
}

}  // namespace

void StretchBlockByMask(const TPixelView& dst, const TRect& clip, const TPixelView& src, const TStretchBlock& b,
                        TStretchRule rule) {
  if (!dst.Is32() || !src.Is32() || b.DstW < 1 || b.DstH < 1 || b.SrcW < 1 || b.SrcH < 1) return;
  if (b.SrcX < 0 || b.SrcY < 0 || b.SrcX + b.SrcW > src.Width || b.SrcY + b.SrcH > src.Height) return;
  const TArea a = AreaOf(b, clip);
  if (a.Empty()) return;
  if (b.MaskOffset == 0) {
    NearestCopy(dst, src, b, a);
    return;
  }
  const i64 my = b.SrcY + b.MaskOffset;  // the first mask row
  if (my < 0 || my + b.SrcH > src.Height) return;
  if (b.Centre && b.SrcW == 1 && b.SrcH == 1) {
    SinglePixelCentre(dst, a, src.Pixel32(static_cast<std::int32_t>(b.SrcX), static_cast<std::int32_t>(b.SrcY)),
                      src.Pixel32(static_cast<std::int32_t>(b.SrcX), static_cast<std::int32_t>(my)), rule);
    return;
  }
  const auto count = static_cast<std::int32_t>(a.X1 - a.X0);
  const bool filtered = ((b.SrcW > b.DstW && b.SrcH == b.DstH) || (b.SrcW == b.DstW && b.SrcH > b.DstH) || b.Centre) &&
                        b.DstW >= 2 && b.DstH >= 2;
  if (filtered) {
    const std::vector<std::uint32_t> c = Filtered(src, b.SrcX, b.SrcY, b.SrcW, b.SrcH, b, kMitchell);
    const std::vector<std::uint32_t> m = Filtered(src, b.SrcX, my, b.SrcW, b.SrcH, b, kHermite);
    for (i64 y = a.Y0; y < a.Y1; ++y) {
      const std::size_t at = static_cast<std::size_t>((y - b.DstY) * b.DstW + (a.X0 - b.DstX));
      ApplyRow(rule, dst.Row32(static_cast<std::int32_t>(y)) + a.X0, &c[at], &m[at], count);
    }
    return;
  }
  const std::vector<std::int32_t> cols = NearestColumns(b, a);
  std::vector<std::uint32_t> c(cols.size()), m(cols.size());
  for (i64 y = a.Y0; y < a.Y1; ++y) {
    const i64 sy = NearestRow(b, y);
    const std::uint32_t* sc = src.Row32(static_cast<std::int32_t>(sy));
    const std::uint32_t* sm = src.Row32(static_cast<std::int32_t>(sy + b.MaskOffset));
    for (std::size_t i = 0; i < cols.size(); ++i) {
      c[i] = sc[cols[i]];
      m[i] = sm[cols[i]];
    }
    ApplyRow(rule, dst.Row32(static_cast<std::int32_t>(y)) + a.X0, c.data(), m.data(), count);
  }
}

namespace {

void StretchWithRule(std::int32_t dstX, std::int32_t dstY, std::int32_t dstW, std::int32_t dstH, std::int32_t srcX,
                     std::int32_t srcY, std::int32_t srcW, std::int32_t srcH, const TPixelView& dst,
                     const TPixelView& src, std::int32_t maskOffset, bool centre, TStretchRule rule) {
  if (dstX < 0 || dstY < 0 || dstW < 1 || dstH < 1 || !dst.Is32() || dst.Width < 2 || dst.Height < 2) return;
  StretchBlockByMask(dst, TRect{0, 0, dst.Width, dst.Height}, src,
                     TStretchBlock{dstX, dstY, dstW, dstH, srcX, srcY, srcW, srcH, maskOffset, centre}, rule);
}

}  // namespace

void StretchByMask(std::int32_t dstX, std::int32_t dstY, std::int32_t dstW, std::int32_t dstH, std::int32_t srcX,
                   std::int32_t srcY, std::int32_t srcW, std::int32_t srcH, const TPixelView& dst,
                   const TPixelView& src, std::int32_t maskOffset, bool centre) {
  StretchWithRule(dstX, dstY, dstW, dstH, srcX, srcY, srcW, srcH, dst, src, maskOffset, centre, srBlendOpaque);
}

void StretchByMask32(std::int32_t dstX, std::int32_t dstY, std::int32_t dstW, std::int32_t dstH,
                     std::int32_t srcX, std::int32_t srcY, std::int32_t srcW, std::int32_t srcH,
                     const TPixelView& dst, const TPixelView& src, std::int32_t maskOffset, bool centre) {
  StretchWithRule(dstX, dstY, dstW, dstH, srcX, srcY, srcW, srcH, dst, src, maskOffset, centre, srAlphaKeeping);
}

}  // namespace skin::paint
