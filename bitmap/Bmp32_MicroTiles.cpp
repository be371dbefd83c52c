#include "bitmap/Bmp32_MicroTiles.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "bitmap/Bmp32_Error.h"
#include "bitmap/Bmp32_LowLevel.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace bmp32 {

namespace plain {

void MicroTileUnion(TMicroTile& dst, TMicroTile src) {
  if (dst == MICROTILE_FULL || src == MICROTILE_EMPTY || MicroTileCoversNothing(src)) return;
  if (dst == MICROTILE_EMPTY || src == MICROTILE_FULL) {
    dst = src;
    return;
  }
  dst = MakeMicroTile(std::min(MicroTileLeft(dst), MicroTileLeft(src)),
                      std::min(MicroTileTop(dst), MicroTileTop(src)),
                      std::max(MicroTileRight(dst), MicroTileRight(src)),
                      std::max(MicroTileBottom(dst), MicroTileBottom(src)));
}

void MicroTileUnionRow(TMicroTile* dst, const TMicroTile* src, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) MicroTileUnion(dst[i], src[i]);
}

}  // namespace plain

#ifdef __SSE2__
namespace sse2 {

namespace {

// Four tiles at once, lane by lane the rules of the plain union.
__m128i UnionLanes(__m128i d, __m128i s) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i full = _mm_set1_epi32(static_cast<int>(MICROTILE_FULL));
  const __m128i lowWord = _mm_set1_epi32(0x0000FFFF);
  // Left and Top take the minimum, Right and Bottom the maximum; every
  // byte is 0..32, so unsigned byte comparisons are exact.
  const __m128i merged = _mm_or_si128(_mm_andnot_si128(lowWord, _mm_min_epu8(d, s)),
                                      _mm_and_si128(lowWord, _mm_max_epu8(d, s)));
  // Bottom <= Top or Right <= Left: bytes 0 and 1 against bytes 2 and 3.
  const __m128i topLeft = _mm_srli_epi32(s, 16);
  const __m128i notAbove = _mm_cmpeq_epi8(_mm_max_epu8(s, topLeft), topLeft);
  const __m128i coversNothing =
      _mm_xor_si128(_mm_cmpeq_epi32(_mm_and_si128(notAbove, lowWord), zero), _mm_set1_epi32(-1));
  const __m128i take = _mm_or_si128(_mm_cmpeq_epi32(d, zero), _mm_cmpeq_epi32(s, full));
  const __m128i keep = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi32(d, full), _mm_cmpeq_epi32(s, zero)),
                                    coversNothing);
  const __m128i value = _mm_or_si128(_mm_and_si128(take, s), _mm_andnot_si128(take, merged));
  return _mm_or_si128(_mm_and_si128(keep, d), _mm_andnot_si128(keep, value));
}

}  // namespace

void MicroTileUnion(TMicroTile& dst, TMicroTile src) {
  const __m128i r = UnionLanes(_mm_cvtsi32_si128(static_cast<int>(dst)),
                               _mm_cvtsi32_si128(static_cast<int>(src)));
  dst = static_cast<TMicroTile>(_mm_cvtsi128_si32(r));
}

void MicroTileUnionRow(TMicroTile* dst, const TMicroTile* src, std::int32_t count) {
  std::int32_t i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), UnionLanes(d, s));
  }
  for (; i < count; ++i) MicroTileUnion(dst[i], src[i]);
}

}  // namespace sse2
#endif

TMicroTileUnion* MicroTileUnion = plain::MicroTileUnion;
TMicroTileUnionRow* MicroTileUnionRow = plain::MicroTileUnionRow;

namespace {

// Processors that run this program all have SSE2, whose forms stand in for
// the multimedia-extension ones.
TFunctionRegistry& BuildMicroTilesRegistry() {
  TFunctionRegistry& registry = CreateRegistry(L"Bmp32_MicroTiles bindings");
  registry.Add(0, plain::MicroTileUnion);
  registry.Add(1, plain::MicroTileUnionRow);
#ifdef __SSE2__
  registry.Add(0, sse2::MicroTileUnion, FeatureBit(pfSSE2));
  registry.Add(1, sse2::MicroTileUnionRow, FeatureBit(pfSSE2));
#endif
  registry.AddBinding(0, &MicroTileUnion);
  registry.AddBinding(1, &MicroTileUnionRow);
  registry.BindAll();
  return registry;
}

TFunctionRegistry& microTilesRegistry = BuildMicroTilesRegistry();

std::int32_t ClampToInt32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void GrowUsed(TMicroTiles& grid, std::int32_t left, std::int32_t top, std::int32_t right,
              std::int32_t bottom) {
  TRect& used = grid.BoundsUsedTiles;
  used.Left = std::min(used.Left, left);
  used.Top = std::min(used.Top, top);
  used.Right = std::max(used.Right, right);
  used.Bottom = std::max(used.Bottom, bottom);
}

void ResetUsed(TMicroTiles& grid) { grid.BoundsUsedTiles = {grid.Columns, grid.Rows, 0, 0}; }

}  // namespace

TFunctionRegistry& MicroTilesRegistry() { return microTilesRegistry; }

void MicroTilesCreate(TMicroTiles& grid) { grid = TMicroTiles{}; }

void MicroTilesDestroy(TMicroTiles& grid) {
  grid.Tiles.clear();
  grid.Tiles.shrink_to_fit();
}

void MicroTilesSetSize(TMicroTiles& grid, const TRect& dstRect) {
  const std::int64_t width =
      std::max<std::int64_t>(0, static_cast<std::int64_t>(dstRect.Right) - dstRect.Left);
  const std::int64_t height =
      std::max<std::int64_t>(0, static_cast<std::int64_t>(dstRect.Bottom) - dstRect.Top);
  const std::int64_t columns = (width >> MICROTILE_SHIFT) + 1;
  const std::int64_t rows = (height >> MICROTILE_SHIFT) + 1;
  const std::int64_t count = (columns + 1) * (rows + 1);
  if (count > std::numeric_limits<std::int32_t>::max())
    throw EBmp32Error(L"Micro-tile grid too large");
  grid.BoundsRect = dstRect;
  grid.Columns = static_cast<std::int32_t>(columns);
  grid.Rows = static_cast<std::int32_t>(rows);
  grid.Count = static_cast<std::int32_t>(count);
  grid.Tiles.assign(static_cast<std::size_t>(count), MICROTILE_EMPTY);
  ResetUsed(grid);
}

void MicroTilesClear(TMicroTiles& grid, TMicroTile value) {
  std::fill(grid.Tiles.begin(), grid.Tiles.end(), value);
  ResetUsed(grid);
}

void MicroTilesClearUsed(TMicroTiles& grid, TMicroTile value) {
  const TRect used = grid.BoundsUsedTiles;
  for (std::int32_t y = used.Top; y <= used.Bottom; ++y)
    for (std::int32_t x = used.Left; x <= used.Right; ++x) grid.At(x, y) = value;
  ResetUsed(grid);
}

bool MicroTilesUsedIsEmpty(const TMicroTiles& grid) {
  return grid.BoundsUsedTiles.Right < grid.BoundsUsedTiles.Left ||
         grid.BoundsUsedTiles.Bottom < grid.BoundsUsedTiles.Top;
}

void MicroTilesUseAll(TMicroTiles& grid) {
  grid.BoundsUsedTiles = {0, 0, grid.Columns - 1, grid.Rows - 1};
}

void MicroTilesCopy(TMicroTiles& dst, const TMicroTiles& src) {
  if (&dst == &src) return;
  const bool sameShape = dst.Columns == src.Columns && dst.Tiles.size() == src.Tiles.size();
  if (sameShape)
    MicroTilesClearUsed(dst);
  else
    dst.Tiles.assign(src.Tiles.size(), MICROTILE_EMPTY);
  dst.BoundsRect = src.BoundsRect;
  dst.Columns = src.Columns;
  dst.Rows = src.Rows;
  dst.Count = src.Count;
  dst.BoundsUsedTiles = src.BoundsUsedTiles;
  if (MicroTilesUsedIsEmpty(src)) return;
  const TRect used = src.BoundsUsedTiles;
  for (std::int32_t y = used.Top; y <= used.Bottom; ++y)
    std::copy_n(&src.At(used.Left, y), used.Right - used.Left + 1, &dst.At(used.Left, y));
}

void MicroTilesAddRect(TMicroTiles& grid, const TRect& rect, bool roundToWholeTiles) {
  if (grid.Tiles.empty()) return;
  std::int32_t left = rect.Left, top = rect.Top, right = rect.Right, bottom = rect.Bottom;
  SortPair(left, right);
  SortPair(top, bottom);
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = ClampToInt32(std::min<std::int64_t>(right, static_cast<std::int64_t>(grid.Columns) * MICROTILE_SIZE));
  bottom = ClampToInt32(std::min<std::int64_t>(bottom, static_cast<std::int64_t>(grid.Rows) * MICROTILE_SIZE));
  if (left >= right || top >= bottom) return;

  // The last touched tile holds pixel Right - 1, so a rectangle reaching the
  // grid's edge stays in the grid's last column and row.
  const std::int32_t firstColumn = left >> MICROTILE_SHIFT;
  const std::int32_t firstRow = top >> MICROTILE_SHIFT;
  const std::int32_t lastColumn = (right - 1) >> MICROTILE_SHIFT;
  const std::int32_t lastRow = (bottom - 1) >> MICROTILE_SHIFT;
  for (std::int32_t y = firstRow; y <= lastRow; ++y) {
    const std::int32_t boxTop = y == firstRow ? top - (y << MICROTILE_SHIFT) : 0;
    const std::int32_t boxBottom = y == lastRow ? bottom - (y << MICROTILE_SHIFT) : MICROTILE_SIZE;
    for (std::int32_t x = firstColumn; x <= lastColumn; ++x) {
      TMicroTile& tile = grid.At(x, y);
      if (roundToWholeTiles) {
        tile = MICROTILE_FULL;
        continue;
      }
      const std::int32_t boxLeft = x == firstColumn ? left - (x << MICROTILE_SHIFT) : 0;
      const std::int32_t boxRight =
          x == lastColumn ? right - (x << MICROTILE_SHIFT) : MICROTILE_SIZE;
      MicroTileUnion(tile, MakeMicroTile(boxLeft, boxTop, boxRight, boxBottom));
    }
  }
  GrowUsed(grid, firstColumn, firstRow, lastColumn, lastRow);
}

namespace {

void AddGrownRect(TMicroTiles& grid, std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom, std::int64_t grow, bool roundToWholeTiles) {
  MicroTilesAddRect(grid,
                    {ClampToInt32(left - grow), ClampToInt32(top - grow),
                     ClampToInt32(right + grow), ClampToInt32(bottom + grow)},
                    roundToWholeTiles);
}

// 16.16 to the closest integer, halves up.
std::int64_t RoundFixed(std::int64_t v) { return (v + 0x8000) >> 16; }

// delta * done / major; the product needs more than 64 bits for lines
// spanning the whole coordinate range.
std::int64_t MinorOffset(std::int64_t delta, std::int64_t done, std::int64_t major) {
  return static_cast<std::int64_t>(static_cast<__int128>(delta) * done / major);
}

}  // namespace

void MicroTilesAddLine(TMicroTiles& grid, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                       std::int32_t y2, std::int32_t lineWidth, bool roundToWholeTiles) {
  const std::int64_t grow = 2 * static_cast<std::int64_t>(lineWidth);
  if (x1 == x2 || y1 == y2) {
    AddGrownRect(grid, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2),
                 grow, roundToWholeTiles);
    return;
  }
  // Along the major axis in steps of 32 pixels; the minor axis follows in
  // 16.16 fixed point, in 64 bits so long lines cannot overflow.
  const std::int64_t dx = static_cast<std::int64_t>(x2) - x1;
  const std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
  const bool alongX = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t major = alongX ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t majorSign = (alongX ? dx : dy) < 0 ? -1 : 1;
  const std::int64_t majorStart = alongX ? x1 : y1;
  const std::int64_t minorStart = static_cast<std::int64_t>(alongX ? y1 : x1) << 16;
  const std::int64_t minorDelta = (alongX ? dy : dx) << 16;
  // Only the steps that can reach the grid: a line far longer than the grid
  // costs no more than one across it.
  const std::int64_t extent =
      static_cast<std::int64_t>(alongX ? grid.Columns : grid.Rows) * MICROTILE_SIZE;
  const std::int64_t firstUseful = majorSign > 0 ? -grow - majorStart - MICROTILE_SIZE
                                                 : majorStart - extent - grow - MICROTILE_SIZE;
  const std::int64_t lastUseful = majorSign > 0 ? extent + grow - majorStart : majorStart + grow;
  const std::int64_t firstStep = std::max<std::int64_t>(0, firstUseful) / MICROTILE_SIZE * MICROTILE_SIZE;
  for (std::int64_t done = firstStep; done < major && done <= lastUseful; done += MICROTILE_SIZE) {
    const std::int64_t next = std::min<std::int64_t>(done + MICROTILE_SIZE, major);
    const std::int64_t a0 = majorStart + majorSign * done;
    const std::int64_t a1 = majorStart + majorSign * next;
    const std::int64_t b0 = RoundFixed(minorStart + MinorOffset(minorDelta, done, major));
    const std::int64_t b1 = RoundFixed(minorStart + MinorOffset(minorDelta, next, major));
    const std::int64_t minA = std::min(a0, a1), maxA = std::max(a0, a1);
    const std::int64_t minB = std::min(b0, b1), maxB = std::max(b0, b1);
    if (alongX)
      AddGrownRect(grid, minA, minB, maxA, maxB, grow, roundToWholeTiles);
    else
      AddGrownRect(grid, minB, minA, maxB, maxA, grow, roundToWholeTiles);
  }
}

void MicroTilesUnion(TMicroTiles& dst, const TMicroTiles& src, bool roundToWholeTiles) {
  if (src.Tiles.empty() || MicroTilesUsedIsEmpty(src) || dst.Tiles.empty()) return;
  // Only where both grids have tiles, should their sizes differ.
  const TRect used = src.BoundsUsedTiles;
  const std::int32_t right = std::min(used.Right, dst.Columns - 1);
  const std::int32_t bottom = std::min(used.Bottom, dst.Rows - 1);
  if (right < used.Left || bottom < used.Top) return;
  for (std::int32_t y = used.Top; y <= bottom; ++y) {
    const TMicroTile* from = &src.At(used.Left, y);
    TMicroTile* to = &dst.At(used.Left, y);
    const std::int32_t count = right - used.Left + 1;
    if (!roundToWholeTiles) {
      MicroTileUnionRow(to, from, count);
      continue;
    }
    for (std::int32_t i = 0; i < count; ++i)
      if (from[i] != MICROTILE_EMPTY && !MicroTileCoversNothing(from[i])) to[i] = MICROTILE_FULL;
  }
  GrowUsed(dst, used.Left, used.Top, right, bottom);
}

std::int32_t MicroTilesCalcRects(const TMicroTiles& grid, TRectangleList& dstRects,
                                 bool countOnly, bool roundToWholeTiles, const TRect& clip) {
  if (grid.Tiles.empty() || MicroTilesUsedIsEmpty(grid)) return 0;
  const auto clampX = [&](std::int64_t x) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(x, clip.Left, std::max(clip.Left, clip.Right)));
  };
  const auto clampY = [&](std::int64_t y) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(y, clip.Top, std::max(clip.Top, clip.Bottom)));
  };

  std::vector<TRect> rects;
  // The rectangle that the tile above hands down to each tile, or -1.
  std::vector<std::int32_t> handedDown(
      static_cast<std::size_t>(grid.Columns) * static_cast<std::size_t>(grid.Rows), -1);
  const TRect used = grid.BoundsUsedTiles;
  for (std::int32_t y = used.Top; y <= used.Bottom; ++y) {
    std::int32_t x = used.Left;
    while (x <= used.Right) {
      const TMicroTile first = grid.At(x, y);
      if (first == MICROTILE_EMPTY) {
        ++x;
        continue;
      }
      std::int32_t last = x;
      TRect r;
      if (roundToWholeTiles) {
        while (last < used.Right && grid.At(last + 1, y) != MICROTILE_EMPTY) ++last;
        r = {clampX(static_cast<std::int64_t>(x) * MICROTILE_SIZE),
             clampY(static_cast<std::int64_t>(y) * MICROTILE_SIZE),
             clampX((static_cast<std::int64_t>(last) + 1) * MICROTILE_SIZE),
             clampY((static_cast<std::int64_t>(y) + 1) * MICROTILE_SIZE)};
      } else {
        // A run goes on only past tiles that reach their right edge, so a
        // gap after a narrower tile stays out of the rectangle.
        while (last < used.Right && MicroTileRight(grid.At(last, y)) == MICROTILE_SIZE) {
          const TMicroTile next = grid.At(last + 1, y);
          if (next == MICROTILE_EMPTY || MicroTileLeft(next) != 0 ||
              MicroTileTop(next) != MicroTileTop(first) ||
              MicroTileBottom(next) != MicroTileBottom(first))
            break;
          ++last;
        }
        const std::int64_t top = static_cast<std::int64_t>(y) * MICROTILE_SIZE;
        r = {clampX(static_cast<std::int64_t>(x) * MICROTILE_SIZE + MicroTileLeft(first)),
             clampY(top + MicroTileTop(first)),
             clampX(static_cast<std::int64_t>(last) * MICROTILE_SIZE +
                    MicroTileRight(grid.At(last, y))),
             clampY(top + MicroTileBottom(first))};
      }
      // Tiles beyond the clip rectangle give nothing to repaint.
      if (r.Left < r.Right && r.Top < r.Bottom) {
        const std::size_t index =
            static_cast<std::size_t>(y) * static_cast<std::size_t>(grid.Columns) + x;
        std::int32_t target = handedDown[index];
        if (target >= 0 && rects[target].Left == r.Left && rects[target].Right == r.Right &&
            rects[target].Bottom == r.Top) {
          rects[target].Bottom = r.Bottom;
        } else {
          target = static_cast<std::int32_t>(rects.size());
          rects.push_back(r);
        }
        if (y + 1 < grid.Rows) handedDown[index + static_cast<std::size_t>(grid.Columns)] = target;
      }
      x = last + 1;
    }
  }
  if (!countOnly)
    for (const TRect& r : rects) dstRects.Add(r);
  return static_cast<std::int32_t>(rects.size());
}

std::int32_t MicroTilesCalcRects(const TMicroTiles& grid, TRectangleList& dstRects,
                                 bool countOnly, bool roundToWholeTiles) {
  return MicroTilesCalcRects(grid, dstRects, countOnly, roundToWholeTiles, grid.BoundsRect);
}

}  // namespace bmp32
