#include "skin/paint/MaskTiles.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/paint/MaskCopy32.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

using i64 = std::int64_t;

// Rows kept repeated at once: beyond this the rows are repeated afresh each time.
constexpr i64 kCachedPixels = i64{1} << 20;
// The length of a repeated chunk, rounded up to whole tiles.
constexpr i64 kChunkPixels = 256;

// out[i] := row `sy` of Src at column srcX + (phase + i) mod w, for i < count.
void RepeatTileRow(const TPixelView& src, i64 sy, i64 srcX, i64 w, i64 phase, std::uint32_t* out, i64 count) {
  const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(sy)) + srcX;
  const i64 head = std::min(count, w - phase);
  std::memcpy(out, s + phase, static_cast<std::size_t>(head) * 4);
  const i64 one = std::min(count, w);  // one whole period
  if (one > head) std::memcpy(out + head, s, static_cast<std::size_t>(one - head) * 4);
  // out[i] = out[i - w]: double the filled part, which stays a whole number of periods.
  for (i64 filled = one; filled < count;) {
    const i64 n = std::min(filled, count - filled);
    std::memcpy(out + filled, out, static_cast<std::size_t>(n) * 4);
    filled += n;
  }
}

}  // namespace

void TileBlock(const TPixelView& dst, const TRect& clip, const TPixelView& src, const TTileBlock& b,
               TTileRule rule) {
  if (!dst.Is32() || !src.Is32() || b.SrcW < 1 || b.SrcH < 1) return;
  const i64 maskOffset = rule == trCopy ? 0 : b.MaskOffset;
  if (b.SrcX < 0 || b.SrcY < 0 || b.SrcX + b.SrcW > src.Width || b.SrcY + b.SrcH > src.Height ||
      b.SrcY + maskOffset < 0 || b.SrcY + maskOffset + b.SrcH > src.Height)
    return;
  const i64 x0 = std::max<i64>(b.DstX, clip.Left), x1 = std::min<i64>(b.DstX + b.DstW, clip.Right);
  const i64 y0 = std::max<i64>(b.DstY, clip.Top), y1 = std::min<i64>(b.DstY + b.DstH, clip.Bottom);
  if (x0 >= x1 || y0 >= y1) return;
  const i64 count = x1 - x0;
  const i64 phase = (x0 - b.DstX) % b.SrcW;
  // A row is done in chunks of whole tiles, each starting at the same tile
  // column, so one repeated chunk per tile row serves the whole row and
  // stays in the first-level cache.
  const i64 chunk = std::min(count, b.SrcW * ((kChunkPixels + b.SrcW - 1) / b.SrcW));
  const i64 rowsUsed = std::min(b.SrcH, y1 - y0);
  const bool cached = rowsUsed * chunk <= kCachedPixels;
  const i64 slots = cached ? rowsUsed : 1;
  const std::size_t width = static_cast<std::size_t>(chunk);
  std::vector<std::uint32_t> colours(width * static_cast<std::size_t>(slots));
  std::vector<std::uint32_t> masks(rule == trCopy ? 0 : colours.size());
  std::vector<bool> ready(static_cast<std::size_t>(slots), false);
  const i64 firstTileRow = (y0 - b.DstY) % b.SrcH;
  for (i64 y = y0; y < y1; ++y) {
    const i64 tileRow = (y - b.DstY) % b.SrcH;
    const i64 slot = cached ? (tileRow - firstTileRow + b.SrcH) % b.SrcH : 0;
    std::uint32_t* c = &colours[static_cast<std::size_t>(slot) * width];
    std::uint32_t* m = masks.empty() ? nullptr : &masks[static_cast<std::size_t>(slot) * width];
    if (!ready[static_cast<std::size_t>(slot)]) {
      RepeatTileRow(src, b.SrcY + tileRow, b.SrcX, b.SrcW, phase, c, chunk);
      if (m != nullptr) RepeatTileRow(src, b.SrcY + tileRow + maskOffset, b.SrcX, b.SrcW, phase, m, chunk);
      ready[static_cast<std::size_t>(slot)] = cached;
    }
    // A tile row without key pixels has nothing to skip: the plainer blend is the same.
    const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(b.SrcY + tileRow)) + b.SrcX;
    const bool keys = std::find(s, s + b.SrcW, KeyPixel) != s + b.SrcW;
    std::uint32_t* row = dst.Row32(static_cast<std::int32_t>(y)) + x0;
    for (i64 done = 0; done < count; done += chunk) {
      std::uint32_t* d = row + done;
      const auto n = static_cast<std::int32_t>(std::min(chunk, count - done));
      switch (rule) {
        case trCopy: std::memcpy(d, c, static_cast<std::size_t>(n) * 4); break;
        case trMaskSkipKeys: BlendRowByMask(d, c, m, n, (keys ? mrSkipKeys : mrBlendKeys) | mrAlphaKept); break;
        case trMask32: CopyRowByMask32(d, c, m, n); break;
      }
    }
  }
}

}  // namespace skin::paint
