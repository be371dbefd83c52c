#include "skin/paint/AlphaCopies.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "classlib/graphics/Colors.h"
#include "skin/paint/CopyClip.h"
#include "skin/paint/PixelOps.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

// Where the parent pixel behind a destination pixel lies. Past the right
// edge or above the top the rest of the row is left alone; below the bottom
// or left of the left edge only that pixel is.
enum class TParentReach { Inside, SkipPixel, EndRow };

TParentReach ParentReach(const TCacheView& ci, std::int32_t x, std::int32_t y) {
  const std::int64_t px = std::int64_t{ci.X} + x;
  const std::int64_t py = std::int64_t{ci.Y} + y;
  if (py < 0 || px >= ci.Bmp.Width) return TParentReach::EndRow;
  if (py >= ci.Bmp.Height || px < 0) return TParentReach::SkipPixel;
  return TParentReach::Inside;
}

// ((t - d) x a + d x 256) shr 8, as the equal non-negative sum.
constexpr std::uint32_t Over(std::uint32_t d, std::uint32_t t, std::uint32_t a) {
  return (t * a + d * (256 - a)) >> 8;
}

// The colour bytes a source pixel is mixed toward: the pixel's own, or its
// grey level scaled by BlendColor's matching byte.
class TColourTarget {
 public:
  explicit TColourTarget(TColor blendColor) : recolour_(blendColor != classlib::clNone) {
    if (!recolour_) return;
    const std::uint32_t k[3] = {PixelChannel(static_cast<std::uint32_t>(blendColor), 16),
                                PixelChannel(static_cast<std::uint32_t>(blendColor), 8),
                                PixelChannel(static_cast<std::uint32_t>(blendColor), 0)};
    for (int c = 0; c < 3; ++c)
      for (std::uint32_t g = 0; g < 256; ++g)
        shade_[c][g] = static_cast<std::uint8_t>(
            std::min(255.0, std::nearbyint(static_cast<double>(g) * (static_cast<double>(k[c]) / 255.0))));
  }

  // Blue, green and red of `dst` moved toward the target of `src` by `a`;
  // the fourth byte of `dst` kept.
  std::uint32_t Mix(std::uint32_t dst, std::uint32_t src, std::uint32_t a) const {
    std::uint32_t t[3];
    if (recolour_) {
      const std::uint32_t g = (PixelChannel(src, 0) + PixelChannel(src, 8) + PixelChannel(src, 16)) / 3;
      for (int c = 0; c < 3; ++c) t[c] = shade_[c][g];
    } else {
      for (int c = 0; c < 3; ++c) t[c] = PixelChannel(src, 8 * c);
    }
    return Over(PixelChannel(dst, 0), t[0], a) | Over(PixelChannel(dst, 8), t[1], a) << 8 |
           Over(PixelChannel(dst, 16), t[2], a) << 16 | (dst & 0xFF000000u);
  }

 private:
  bool recolour_;
  std::array<std::array<std::uint8_t, 256>, 3> shade_{};
};

// The parent's colour bytes behind (x, y) into *d, keeping d's fourth byte
// unless `opaque`. False when the rest of the row is to be left alone.
bool TakeParent(const TCacheView& ci, std::int32_t x, std::int32_t y, std::uint32_t* d, bool opaque) {
  if (!ci.Bmp.Valid()) return true;
  switch (ParentReach(ci, x, y)) {
    case TParentReach::EndRow:
      return false;
    case TParentReach::SkipPixel:
      return true;
    case TParentReach::Inside:
      break;
  }
  const std::uint32_t colour = ParentPixel(ci, x, y) & 0x00FFFFFFu;
  *d = colour | (opaque ? 0xFF000000u : (*d & 0xFF000000u));
  return true;
}

}  // namespace

void CopyTransRect(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, bool useCache,
                   const TCacheView& ci, const TPixelView& src) {
  if (!dst.Is32() || !src.Is32()) return;
  const TSpan cols = ClipSpan(InclusivePair(srcRect.Left, srcRect.Right, dstRect.Left, dstRect.Right),
                              src.Width, dst.Width);
  const TSpan rows = ClipSpan(InclusivePair(srcRect.Top, srcRect.Bottom, dstRect.Top, dstRect.Bottom),
                              src.Height, dst.Height);
  if (cols.Count < 1 || rows.Count < 1) return;
  for (std::int64_t j = 0; j < rows.Count; ++j) {
    const auto dy = static_cast<std::int32_t>(rows.Dst + j);
    const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(rows.Src + j)) + cols.Src;
    std::uint32_t* d = dst.Row32(dy) + cols.Dst;
    for (std::int64_t i = 0; i < cols.Count; ++i) {
      if (ci.Ready && s[i] == KeyPixel) {
        if (useCache && !TakeParent(ci, static_cast<std::int32_t>(cols.Dst + i), dy, &d[i], true)) break;
        continue;
      }
      const std::uint32_t a = s[i] >> 24;
      const std::uint32_t old = d[i];
      const std::uint32_t mixed = Over(PixelChannel(old, 0), PixelChannel(s[i], 0), a) |
                            Over(PixelChannel(old, 8), PixelChannel(s[i], 8), a) << 8 |
                            Over(PixelChannel(old, 16), PixelChannel(s[i], 16), a) << 16;
      std::uint32_t alpha = old >> 24;
      if (a != 0) alpha += (255 - alpha) * a / 255;
      d[i] = mixed | alpha << 24;
    }
  }
}

void CopyAlphaBitmap(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, const TPixelView& src,
                     const TCacheView& ci, bool useCache, TColor blendColor, std::int32_t transparency,
                     bool reflected) {
  if (!dst.Is32() || !src.Is32()) return;
  const auto side = [](std::int64_t length) { return std::max<std::int64_t>(0, length); };
  const TSpan cols = ClipSpan({srcRect.Left, dstRect.Left,
                               std::min(side(std::int64_t{srcRect.Right} - srcRect.Left),
                                        side(std::int64_t{dstRect.Right} - dstRect.Left))},
                              src.Width, dst.Width);
  const TSpan rows = ClipSpan({srcRect.Top, dstRect.Top,
                               std::min(side(std::int64_t{srcRect.Bottom} - srcRect.Top),
                                        side(std::int64_t{dstRect.Bottom} - dstRect.Top))},
                              src.Height, dst.Height);
  if (cols.Count < 1 || rows.Count < 1) return;

  transparency = std::clamp(transparency, 0, 100);
  const TColourTarget target(blendColor);
  const bool raiseAlpha = blendColor == classlib::clNone && transparency == 0 && ci.Ready;
  const auto count = static_cast<std::int32_t>(cols.Count);

  for (std::int64_t j = 0; j < rows.Count; ++j) {
    const auto dy = static_cast<std::int32_t>(rows.Dst + j);
    const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(rows.Src + j)) + cols.Src;
    std::uint32_t* d = dst.Row32(dy) + cols.Dst;
    for (std::int32_t i = 0; i < count; ++i) {
      if (ci.Ready && s[i] == KeyPixel) {
        if (useCache && !TakeParent(ci, static_cast<std::int32_t>(cols.Dst + i), dy, &d[i], false)) break;
        continue;
      }
      const std::uint32_t a = s[i] >> 24;
      const std::uint32_t effective = transparency == 0 ? a : a * (100 - transparency) / 100;
      std::uint32_t mixed = target.Mix(d[i], s[i], effective);
      if (raiseAlpha) mixed = (mixed & 0x00FFFFFFu) | std::max(mixed >> 24, a) << 24;
      d[i] = mixed;
    }
  }

  if (!reflected) return;
  // The mirror starts one row below DstRect with the source's second-to-last
  // row, fading by 255 div half a row.
  const std::int32_t half = src.Height / 2;
  const std::int64_t n = std::min<std::int64_t>(half - 1, std::int64_t{dst.Height} - dstRect.Bottom - 1);
  if (half == 0 || n < 1) return;
  const std::int32_t step = 255 / half;
  std::int32_t level = 255;
  for (std::int64_t y = 1; y <= n; ++y, level -= step) {
    const std::int64_t dy = std::int64_t{dstRect.Bottom} + y;
    const std::int64_t sy = std::int64_t{srcRect.Bottom} - 1 - y;
    if (dy < 0 || dy >= dst.Height || sy < 0 || sy >= src.Height) continue;
    const std::uint32_t fade = static_cast<std::uint32_t>(std::max(level, 0));
    const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(sy)) + cols.Src;
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(dy)) + cols.Dst;
    for (std::int32_t i = 0; i < count; ++i) {
      if (s[i] == KeyPixel) continue;
      const std::uint32_t a = s[i] >> 24;
      const std::uint32_t base = transparency == 0 ? a / 3 : a * (100 - transparency) / 300;
      d[i] = target.Mix(d[i], s[i], base * fade / 255);
    }
  }
}

}  // namespace skin::paint
