#include "skin/paint/Gradient.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/core/IntRectUtils.h"
#include "skin/paint/PixelOps.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

using i64 = std::int64_t;

// num / den to the nearest integer, halves to even; den > 0.
i64 RoundDivHalfEven(i64 num, i64 den) {
  i64 q = num / den;
  i64 rest = num % den;
  if (rest < 0) {
    --q;
    rest += den;
  }
  if (rest * 2 > den || (rest * 2 == den && (q & 1) != 0)) ++q;
  return q;
}

// One band: the colour of its position k of n (0 gives Color1, n Color2),
// as a pixel without alpha.
class TBandColours {
 public:
  TBandColours(TColor color1, TColor color2, i64 n) : n_(n) {
    const std::uint32_t a = SwapRedBlue(static_cast<std::uint32_t>(color1));
    const std::uint32_t b = SwapRedBlue(static_cast<std::uint32_t>(color2));
    for (int ch = 0; ch < 3; ++ch) {
      from_[ch] = PixelChannel(a, 8 * ch);
      delta_[ch] = static_cast<i64>(PixelChannel(b, 8 * ch)) - from_[ch];
    }
  }
  std::uint32_t At(i64 k) const {
    std::uint32_t pixel = 0;
    for (int ch = 0; ch < 3; ++ch)
      pixel |= static_cast<std::uint32_t>(from_[ch] + RoundDivHalfEven(delta_[ch] * k, n_)) << (8 * ch);
    return pixel;
  }

 private:
  i64 n_;
  i64 from_[3] = {};
  i64 delta_[3] = {};
};

// Walks the bands from `first`; each band's end is start + Length(percent),
// no further than `last`, and the last step always ends at `last`.
// Band(start, end, colours) is told of each band with a length; a band
// without one stops the walk.
template <class Length, class Band>
void WalkBands(const TsGradientArray& steps, i64 first, i64 last, Length length, Band band) {
  i64 start = first;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const TsGradientStep& step = steps[i];
    const i64 end = i + 1 == steps.size() ? last : std::min(start + length(step.Percent), last);
    const i64 n = end - start;
    if (n <= 0) return;
    band(start, end, TBandColours(step.Color1, step.Color2, step.Color1 == step.Color2 ? 1 : n),
         step.Color1 == step.Color2);
    start = end;
  }
}

// R cut to the view; empty when the view is not 32-bit.
TRect CutTo(const TPixelView& bmp, const TRect& r) {
  if (!bmp.Is32()) return {};
  return RectIntersection(r, TRect{0, 0, bmp.Width, bmp.Height});
}

// The colours of the rectangle's columns in mode 1 (pixels without alpha)
// and how many of them the bands reached.
struct THorizontalRow {
  std::vector<std::uint32_t> Pixels;
  std::int32_t Painted = 0;
};

THorizontalRow HorizontalRow(const TRect& c, const TsGradientArray& steps) {
  THorizontalRow row;
  const i64 width = c.Width();
  row.Pixels.assign(static_cast<std::size_t>(width), 0);
  WalkBands(
      steps, 0, width - 1, [width](i64 percent) { return RoundDivHalfEven(percent * width, 100); },
      [&](i64 start, i64 end, const TBandColours& colours, bool plain) {
        for (i64 x = start; x <= end; ++x) row.Pixels[static_cast<std::size_t>(x)] = colours.At(plain ? 0 : x - start);
        row.Painted = static_cast<std::int32_t>(end + 1);
      });
  return row;
}

// The rows [start, end] of mode 0 with their colour, those outside the cut
// rectangle skipped.
template <class Row>
void ForEachVerticalRow(const TRect& c, const TsGradientArray& steps, std::int32_t offset, Row row) {
  const i64 height = c.Height();
  const i64 span = height + offset;
  WalkBands(
      steps, i64{c.Top} + offset, i64{c.Bottom} - 1, [span](i64 percent) { return span * percent / 100; },
      [&](i64 start, i64 end, const TBandColours& colours, bool plain) {
        for (i64 y = std::max<i64>(start, c.Top); y <= std::min<i64>(end, i64{c.Bottom} - 1); ++y)
          row(static_cast<std::int32_t>(y), colours.At(plain ? 0 : y - start));
      });
}

// The texture of the blended painter: its first pixel and size in Src.
struct TTexture {
  std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  bool Usable() const { return Width > 0 && Height > 0; }
};

TTexture TextureOf(const TRect& srcRect, const TPixelView& src) {
  if (!src.Is32()) return {};
  const TRect r = srcRect.IsEmpty() ? TRect{0, 0, src.Width, src.Height} : srcRect;
  if (!src.Contains(r.Left, r.Top)) return {};
  const i64 width = std::min<i64>(i64{r.Right} - r.Left, i64{src.Width} - 1 - r.Left);
  const i64 height = std::min<i64>(i64{r.Bottom} - r.Top, i64{src.Height} - 1 - r.Top);
  return TTexture{r.Left, r.Top, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

// Count pixels of Dst, which hold the gradient's colours, mixed with the
// texture row behind bitmap row y from column x: (g x (256 - amount) + s x
// amount) shr 8 is the mixing formula, so the skin's constant-blend row
// does it, a texture period at a time.
void MixRow(std::uint32_t* dst, std::int32_t x, std::int32_t y, std::int32_t count, const TTexture& t,
            const TPixelView& src, std::uint32_t amount) {
  const std::uint32_t* texRow = src.Row32(t.Top + y % t.Height) + t.Left;
  for (std::int32_t done = 0, tx = x % t.Width; done < count; tx = 0) {
    const std::int32_t n = std::min(count - done, t.Width - tx);
    BlendRowConst(dst + done, texRow + tx, n, 256 - amount);
    done += n;
  }
}

}  // namespace

int GradientMode(const TsGradientArray& steps) { return steps.empty() ? -1 : steps.front().Mode; }

void PaintGradient(const TPixelView& bmp, const TRect& r, const TsGradientArray& steps, std::int32_t offset) {
  const TRect c = CutTo(bmp, r);
  if (c.IsEmpty() || steps.empty()) return;
  const std::int32_t width = c.Width();
  switch (GradientMode(steps)) {
    case gmVertical:
      ForEachVerticalRow(c, steps, offset, [&](std::int32_t y, std::uint32_t pixel) {
        FillDWords(bmp.Row32(y) + c.Left, width, pixel | 0xFF000000u);
      });
      break;
    case gmHorizontal: {
      THorizontalRow row = HorizontalRow(c, steps);
      for (std::uint32_t& p : row.Pixels) p |= 0xFF000000u;
      for (std::int32_t y = c.Top; y < c.Bottom; ++y)
        std::memcpy(bmp.Row32(y) + c.Left, row.Pixels.data(), static_cast<std::size_t>(row.Painted) * 4);
      break;
    }
    default:
      break;
  }
}

void PaintGradientBlended(const TPixelView& bmp, const TRect& r, const TsGradientArray& steps, std::uint8_t alpha,
                          std::int32_t amount, const TRect& srcRect, const TPixelView& src) {
  const TRect c = CutTo(bmp, r);
  const TTexture t = TextureOf(srcRect, src);
  if (c.IsEmpty() || steps.empty() || !t.Usable()) return;
  const std::uint32_t share = static_cast<std::uint32_t>(std::clamp(amount, 0, 256));
  const std::uint32_t alphaBits = static_cast<std::uint32_t>(alpha) << 24;
  const std::int32_t width = c.Width();
  switch (GradientMode(steps)) {
    case gmVertical:
      ForEachVerticalRow(c, steps, 0, [&](std::int32_t y, std::uint32_t pixel) {
        FillDWords(bmp.Row32(y) + c.Left, width, pixel | alphaBits);
        MixRow(bmp.Row32(y) + c.Left, c.Left, y, width, t, src, share);
      });
      break;
    case gmHorizontal: {
      THorizontalRow row = HorizontalRow(c, steps);
      if (row.Painted == 0) return;
      for (std::uint32_t& p : row.Pixels) p |= alphaBits;
      // One texture period of rows is mixed; the rows below repeat it.
      const std::int32_t band = std::min(t.Height, c.Height());
      for (std::int32_t y = c.Top; y < c.Top + band; ++y) {
        std::memcpy(bmp.Row32(y) + c.Left, row.Pixels.data(), static_cast<std::size_t>(row.Painted) * 4);
        MixRow(bmp.Row32(y) + c.Left, c.Left, y, row.Painted, t, src, share);
      }
      for (std::int32_t y = c.Top + band; y < c.Bottom; ++y)
        std::memcpy(bmp.Row32(y) + c.Left, bmp.Row32(y - band) + c.Left, static_cast<std::size_t>(row.Painted) * 4);
      break;
    }
    default:
      break;
  }
}

}  // namespace skin::paint
