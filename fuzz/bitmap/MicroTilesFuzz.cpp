// Micro-tile grids of any size fed rectangles and lines of any coordinates:
// nothing may read or write outside the tiles, every found rectangle lies in
// the grid's bounds, and the used box stays inside the grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "bitmap/Bmp32_MicroTiles.h"

namespace {

struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::int32_t Next() {
    std::int32_t v = 0;
    const std::size_t n = size < 4 ? size : 4;
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace bmp32;
  Reader in{data, size};
  TMicroTiles grid;
  MicroTilesCreate(grid);
  // Grids up to 2048 x 2048 pixels, possibly with negative sizes.
  const std::int32_t w = in.Next() % 2048, h = in.Next() % 2048;
  MicroTilesSetSize(grid, {0, 0, w, h});
  const bool round = in.Next() & 1;
  while (in.size >= 16) {
    const std::int32_t kind = in.Next();
    const std::int32_t a = in.Next(), b = in.Next(), c = in.Next();
    const std::int32_t d = in.size >= 4 ? in.Next() : 0;
    if (kind & 1)
      MicroTilesAddLine(grid, a, b, c, d, (kind >> 8) & 0xFF, round);
    else
      MicroTilesAddRect(grid, {a, b, c, d}, round);
  }
  const TRect used = grid.BoundsUsedTiles;
  if (used.Left <= used.Right && (used.Left < 0 || used.Right >= grid.Columns || used.Top < 0 ||
                                  used.Bottom >= grid.Rows))
    std::abort();
  TRectangleList rects;
  MicroTilesCalcRects(grid, rects, false, round);
  const TRect bounds = grid.BoundsRect;
  for (std::int32_t i = 0; i < rects.Count(); ++i) {
    const TRect& r = *rects.Items(i);
    if (r.Left < bounds.Left || r.Top < bounds.Top || r.Right > bounds.Right || r.Bottom > bounds.Bottom ||
        r.Left >= r.Right || r.Top >= r.Bottom)
      std::abort();
  }
  return 0;
}
