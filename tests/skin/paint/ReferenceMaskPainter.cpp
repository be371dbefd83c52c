#include "ReferenceMaskPainter.h"

#include <algorithm>
#include <vector>

#include "skin/paint/KeyedCopies.h"
#include "skin/paint/MaskCopy32.h"
#include "skin/paint/MaskSource.h"
#include "skin/paint/NearestMap.h"
#include "skin/paint/Resample.h"

namespace skin::paint::reference {

namespace {

using i64 = std::int64_t;

struct TBlock {
  i64 X, Y, W, H;
};

// The destination block cut to the clip; the source start moved with it.
bool Cut(TBlock& d, i64& sx, i64& sy, const TRect& clip) {
  if (d.X < clip.Left) { sx += clip.Left - d.X; d.W -= clip.Left - d.X; d.X = clip.Left; }
  if (d.Y < clip.Top) { sy += clip.Top - d.Y; d.H -= clip.Top - d.Y; d.Y = clip.Top; }
  d.W = std::min<i64>(d.W, clip.Right - d.X);
  d.H = std::min<i64>(d.H, clip.Bottom - d.Y);
  return d.W > 0 && d.H > 0;
}

TRect Inclusive(i64 x, i64 y, i64 w, i64 h) {
  return TRect{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), static_cast<std::int32_t>(x + w - 1),
               static_cast<std::int32_t>(y + h - 1)};
}

std::uint32_t Channel(std::uint32_t p, int shift) { return (p >> shift) & 0xFF; }

// One pixel of a stretched masked piece.
std::uint32_t PutStretched(std::uint32_t d, std::uint32_t c, std::uint32_t m, bool alpha32) {
  if (!alpha32) {
    std::uint32_t out = 0xFF000000u;
    for (int s = 0; s < 24; s += 8)
      out |= static_cast<std::uint32_t>(((static_cast<int>(Channel(d, s)) - static_cast<int>(Channel(c, s))) *
                                             static_cast<int>(Channel(m, s)) +
                                         static_cast<int>(Channel(c, s)) * 256) >>
                                        8)
             << s;
    return out;
  }
  const std::uint32_t mr = Channel(m, 16);
  if (mr == 0) return c | 0xFF000000u;
  if (mr == 255) return d;
  const std::uint32_t k = std::min(mr, Channel(d, 24));
  std::uint32_t out = std::max(Channel(d, 24), 255 - mr) << 24;
  for (int s = 0; s < 24; s += 8) out |= ((Channel(d, s) * k + Channel(c, s) * (255 - k)) >> 8) << s;
  return out;
}

struct TReference {
  const TPixelView& Bmp;
  TRect Clip;
  TPixelView Src;
  const TCacheView& CI;
  const TsMaskData& Mask;
  bool Flag;
  bool Alpha32;
  i64 MO;

  void Corner(TBlock d, i64 sx, i64 sy) const {
    if (!Cut(d, sx, sy, Clip)) return;
    const TRect s = Inclusive(sx, sy, d.W, d.H);
    if (Mask.MaskType == 0)
      CopyTransparentRect(Bmp, Src, static_cast<std::int32_t>(d.X), static_cast<std::int32_t>(d.Y), s, 0xFF00FF, CI,
                          Flag);
    else if (Alpha32)
      CopyByMask32(Inclusive(d.X, d.Y, d.W, d.H), s, Bmp, Src, CI, Mask);
    else
      CopyByMask(Inclusive(d.X, d.Y, d.W, d.H), s, Bmp, Src, CI, Flag, Mask);
  }

  void Tile(TBlock d, i64 sx, i64 sy) const {
    if (!Cut(d, sx, sy, Clip)) return;
    if (Mask.MaskType == 0) {
      for (i64 y = 0; y < d.H; ++y)
        for (i64 x = 0; x < d.W; ++x)
          Bmp.Pixel32(static_cast<std::int32_t>(d.X + x), static_cast<std::int32_t>(d.Y + y)) =
              Src.Pixel32(static_cast<std::int32_t>(sx + x), static_cast<std::int32_t>(sy + y));
    } else if (Alpha32) {
      CopyByMask32(Inclusive(d.X, d.Y, d.W, d.H), Inclusive(sx, sy, d.W, d.H), Bmp, Src, TCacheView{}, Mask);
    } else {
      CopyByMask(Inclusive(d.X, d.Y, d.W, d.H), Inclusive(sx, sy, d.W, d.H), Bmp, Src, TCacheView{}, false, Mask);
    }
  }

  // A side along one axis (rows when vertical) or the centre, tiled.
  void Tiled(const TBlock& d, i64 sx, i64 sy, i64 tw, i64 th) const {
    if (tw < 1 || th < 1) return;
    for (i64 y = d.Y; y < d.Y + d.H;) {
      const i64 h = d.Y + d.H - th > y ? th : d.Y + d.H - y;
      for (i64 x = d.X; x < d.X + d.W;) {
        const i64 w = d.X + d.W - tw > x ? tw : d.X + d.W - x;
        Tile(TBlock{x, y, w, h}, sx, sy);
        x += w;
      }
      y += h;
    }
  }

  // The whole stretched piece made in C (and M), then put down inside the clip.
  void Stretched(const TBlock& d, i64 sx, i64 sy, i64 sw, i64 sh, bool centre) const {
    if (d.W < 1 || d.H < 1 || sw < 1 || sh < 1) return;
    const i64 mo = Mask.MaskType == 0 ? 0 : MO;
    if (sx < 0 || sy < 0 || sx + sw > Src.Width || sy + mo + sh > Src.Height) return;
    std::vector<std::uint32_t> c(static_cast<std::size_t>(d.W * d.H)), m(c.size());
    const bool single = centre && sw == 1 && sh == 1 && mo != 0;
    const bool filtered = mo != 0 && !single &&
                          ((sw > d.W && sh == d.H) || (sw == d.W && sh > d.H) || centre) && d.W >= 2 && d.H >= 2;
    if (filtered) {
      for (int pass = 0; pass < 2; ++pass) {
        const i64 ww = std::max<i64>(sw, 2), wh = std::max<i64>(sh, 2);
        std::vector<std::uint32_t> work(static_cast<std::size_t>(ww * wh));
        for (i64 y = 0; y < wh; ++y)
          for (i64 x = 0; x < ww; ++x)
            work[static_cast<std::size_t>(y * ww + x)] =
                Src.Pixel32(static_cast<std::int32_t>(sx + std::min(x, sw - 1)),
                            static_cast<std::int32_t>(sy + pass * mo + std::min(y, sh - 1)));
        ResamplePixels(MakeView(work.data(), static_cast<std::int32_t>(ww), static_cast<std::int32_t>(wh), ww * 4),
                       MakeView(pass == 0 ? c.data() : m.data(), static_cast<std::int32_t>(d.W),
                                static_cast<std::int32_t>(d.H), d.W * 4),
                       pass == 0 ? 6 : 2);
      }
    } else {
      for (i64 y = 0; y < d.H; ++y)
        for (i64 x = 0; x < d.W; ++x) {
          const auto px = static_cast<std::int32_t>(sx + NearestSource(x, d.W, sw));
          const auto py = static_cast<std::int32_t>(sy + NearestSource(y, d.H, sh));
          c[static_cast<std::size_t>(y * d.W + x)] = Src.Pixel32(px, py);
          if (mo != 0) m[static_cast<std::size_t>(y * d.W + x)] = Src.Pixel32(px, static_cast<std::int32_t>(py + mo));
        }
    }
    for (i64 y = std::max<i64>(d.Y, Clip.Top); y < std::min<i64>(d.Y + d.H, Clip.Bottom); ++y)
      for (i64 x = std::max<i64>(d.X, Clip.Left); x < std::min<i64>(d.X + d.W, Clip.Right); ++x) {
        std::uint32_t& p = Bmp.Pixel32(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
        const std::size_t at = static_cast<std::size_t>((y - d.Y) * d.W + (x - d.X));
        if (mo == 0) {
          p = c[at];
        } else if (single) {
          const std::uint32_t mr = Channel(m[at], 16);
          if (Alpha32) {
            p = PutStretched(p, c[at], m[at], true);
          } else if (mr == 0) {
            p = c[at] | 0xFF000000u;
          } else if (mr != 255) {
            const std::uint32_t grey = mr | mr << 8 | mr << 16;
            p = (PutStretched(p, c[at], grey, false) & 0x00FFFFFFu) | (p & 0xFF000000u);
          }
        } else {
          p = PutStretched(p, c[at], m[at], Alpha32);
        }
      }
  }
};

void Paint(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask, std::int32_t state,
           bool flag, bool alpha32) {
  // 1, 2: the early exits.
  if (state == 0 && (mask.DrawMode & 2) != 0) return;
  const i64 width = i64{r.Right} - r.Left, height = i64{r.Bottom} - r.Top;
  if (width < 2 || height < 2 || mask.Manager == nullptr) return;
  if (mask.ImageCount < 1 || mask.MaskType < 0 || !bmp.Is32()) return;
  // 3: shrink the borders.
  i64 wl = mask.WL, wt = mask.WT, wr = mask.WR, wb = mask.WB;
  const auto shrink = [](i64& nearWidth, i64& farWidth, i64 length) {
    if (length >= nearWidth + farWidth) return;
    const i64 d = nearWidth + farWidth - length;
    nearWidth -= d / 2;
    farWidth -= d / 2;
    if (d % 2 == 1) farWidth -= 1;
    nearWidth = std::max<i64>(nearWidth, 0);
    farWidth = std::max<i64>(farWidth, 0);
  };
  shrink(wl, wr, width);
  shrink(wt, wb, height);
  // 4: the frame.
  const i64 i = state < 0 ? 0 : state < mask.ImageCount ? state : mask.ImageCount - 1;
  const i64 fw = (i64{mask.R.Right} - mask.R.Left) / mask.ImageCount;
  const i64 fh = (i64{mask.R.Bottom} - mask.R.Top) / (mask.MaskType + 1);
  const i64 fx = mask.R.Left + i * fw, fy = mask.R.Top;
  // 6, 7: the middle and the source.
  const i64 mw = fw - wl - wr, mh = fh - wt - wb;
  if (mw < 0 || mh < 0) return;
  const TPixelView src = MaskImageView(mask);
  if (!src.Is32() || mask.R.Left < 0 || mask.R.Top < 0 || mask.R.Right > src.Width || mask.R.Bottom > src.Height) return;
  const TRect clip{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, bmp.Width), std::min(r.Bottom, bmp.Height)};
  if (clip.Left >= clip.Right || clip.Top >= clip.Bottom) return;
  const TReference p{bmp, clip, src, ci, mask, flag, alpha32, mask.MaskType == 0 ? 0 : fh};
  const bool stretched = (mask.DrawMode & 1) != 0;
  const i64 L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom;
  // A side or the centre: (destination block, source piece).
  const auto fill = [&](TBlock d, i64 sx, i64 sy, i64 sw, i64 sh, bool centre) {
    if (stretched)
      p.Stretched(d, sx, sy, sw, sh, centre);
    else
      p.Tiled(d, sx, sy, sw, sh);
  };
  // 9: the order.
  p.Corner(TBlock{L, T, wl, wt}, fx, fy);
  fill(TBlock{L, T + wt, wl, B - wb - (T + wt)}, fx, fy + wt, wl, mh, false);
  fill(TBlock{L + wl, T, Rt - wr - (L + wl), wt}, fx + wl, fy, mw, wt, false);
  p.Corner(TBlock{L, B - wb, wl, wb}, fx, fy + fh - wb);
  fill(TBlock{L + wl, B - wb, Rt - wr - (L + wl), wb}, fx + wl, fy + fh - wb, mw, wb, false);
  p.Corner(TBlock{Rt - wr, B - wb, wr, wb}, fx + wl + mw, fy + fh - wb);
  p.Corner(TBlock{Rt - wr, T, wr, wt}, fx + wl + mw, fy);
  fill(TBlock{Rt - wr, T + wt, wr, B - wb - (T + wt)}, fx + wl + mw, fy + wt, wr, mh, false);
  if ((mask.DrawMode & 4) != 0)
    fill(TBlock{L + wl, T + wt, Rt - wr - (L + wl), B - wb - (T + wt)}, fx + wl, fy + wt, mw, mh, true);
}

}  // namespace

void PaintMaskRect(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask,
                   std::int32_t state, bool updateCorners) {
  Paint(bmp, r, ci, mask, state, updateCorners && mask.CornerType > 0, false);
}

void PaintMaskRect32(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask,
                     std::int32_t state) {
  Paint(bmp, r, ci, mask, state, true, true);
}

}  // namespace skin::paint::reference
