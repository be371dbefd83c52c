#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

#include "bitmap/Bmp32_Error.h"
#include "bitmap/Bmp32_MicroTiles.h"

namespace bmp32 {

void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")";
}

namespace {

TMicroTiles Grid(std::int32_t width, std::int32_t height) {
  TMicroTiles grid;
  MicroTilesCreate(grid);
  MicroTilesSetSize(grid, {0, 0, width, height});
  return grid;
}

std::vector<TRect> Rects(const TMicroTiles& grid, bool round = false) {
  TRectangleList list;
  const std::int32_t count = MicroTilesCalcRects(grid, list, false, round);
  EXPECT_EQ(count, list.Count());
  std::vector<TRect> result;
  for (std::int32_t i = 0; i < list.Count(); ++i) result.push_back(*list.Items(i));
  return result;
}

bool Contains(const TRect& r, std::int32_t x, std::int32_t y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

TEST(MicroTiles, GridSizeCountsPartialTilesAndOneSpare) {
  struct Case {
    TRect area;
    std::int32_t columns, rows, count;
  };
  const Case cases[] = {
      {{0, 0, 100, 70}, 4, 3, 20},
      {{0, 0, 64, 64}, 3, 3, 16},
      {{0, 0, 0, 0}, 1, 1, 4},
      {{0, 0, -40, -5}, 1, 1, 4},  // a negative size counts as none
  };
  for (const Case& c : cases) {
    TMicroTiles grid = Grid(c.area.Right, c.area.Bottom);
    EXPECT_EQ(grid.Columns, c.columns);
    EXPECT_EQ(grid.Rows, c.rows);
    EXPECT_EQ(grid.Count, c.count);
    EXPECT_EQ(grid.Tiles.size(), static_cast<std::size_t>(c.count));
    EXPECT_EQ(grid.BoundsUsedTiles, (TRect{c.columns, c.rows, 0, 0}));
  }
  // The widest area: its width needs 33 bits and its tiles can't be counted.
  TMicroTiles huge;
  MicroTilesCreate(huge);
  const std::int32_t lo = std::numeric_limits<std::int32_t>::min();
  const std::int32_t hi = std::numeric_limits<std::int32_t>::max();
  EXPECT_THROW(MicroTilesSetSize(huge, {lo, lo, hi, hi}), EBmp32Error);
  EXPECT_TRUE(huge.Tiles.empty());
}

// Every variant of the union: the bound one and each registered form.
std::vector<TMicroTileUnion*> UnionVariants() {
  std::vector<TMicroTileUnion*> v{MicroTileUnion, plain::MicroTileUnion};
#ifdef __SSE2__
  v.push_back(sse2::MicroTileUnion);
#endif
  return v;
}

TEST(MicroTiles, TileUnionRules) {
  struct Case {
    TMicroTile dst, src, expected;
  };
  const TMicroTile box = MakeMicroTile(8, 2, 12, 6);
  const Case cases[] = {
      {box, MakeMicroTile(4, 4, 10, 10), MakeMicroTile(4, 2, 12, 10)},
      {MICROTILE_FULL, MakeMicroTile(0, 0, 5, 5), MICROTILE_FULL},
      {box, MICROTILE_EMPTY, box},
      {box, MakeMicroTile(20, 1, 20, 30), box},  // no width: covers nothing
      {box, MakeMicroTile(1, 9, 30, 9), box},    // no height
      {MICROTILE_EMPTY, MakeMicroTile(3, 4, 5, 6), MakeMicroTile(3, 4, 5, 6)},
      {box, MICROTILE_FULL, MICROTILE_FULL},
      {MakeMicroTile(0, 0, 32, 31), MakeMicroTile(0, 31, 32, 32), MICROTILE_FULL},
  };
  for (TMicroTileUnion* unite : UnionVariants())
    for (const Case& c : cases) {
      TMicroTile d = c.dst;
      unite(d, c.src);
      EXPECT_EQ(d, c.expected) << std::hex << c.dst << " + " << c.src;
    }
}

TEST(MicroTiles, RowUnionFormsAgreeOnRandomTiles) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> coord(0, 32), pick(0, 5);
  const auto randomTile = [&] {
    switch (pick(rng)) {
      case 0: return MICROTILE_EMPTY;
      case 1: return MICROTILE_FULL;
      default: return MakeMicroTile(coord(rng), coord(rng), coord(rng), coord(rng));
    }
  };
  std::vector<TMicroTile> dst(37), src(37);
  for (int round = 0; round < 200; ++round) {
    for (std::size_t i = 0; i < dst.size(); ++i) {
      dst[i] = randomTile();
      src[i] = randomTile();
    }
    std::vector<TMicroTile> expected = dst;
    for (std::size_t i = 0; i < dst.size(); ++i) plain::MicroTileUnion(expected[i], src[i]);
    std::vector<TMicroTile> bound = dst;
    MicroTileUnionRow(bound.data(), src.data(), 37);
    EXPECT_EQ(bound, expected);
#ifdef __SSE2__
    std::vector<TMicroTile> vector = dst;
    sse2::MicroTileUnionRow(vector.data(), src.data(), 37);
    ASSERT_EQ(vector, expected);
#endif
  }
}

TEST(MicroTiles, RectanglesFoundFromAddedAreas) {
  struct Case {
    const char* name;
    std::vector<TRect> added;
    bool round;
    std::vector<TRect> expected;
  };
  const std::vector<Case> cases = {
      {"two apart", {{10, 5, 20, 15}, {40, 10, 90, 50}}, false, {{10, 5, 20, 15}, {40, 10, 90, 50}}},
      {"two apart rounded", {{10, 5, 20, 15}, {40, 10, 90, 50}}, true, {{0, 0, 96, 32}, {32, 32, 96, 64}}},
      {"two in one tile", {{2, 2, 6, 6}, {20, 20, 24, 24}}, false, {{2, 2, 24, 24}}},
      {"L shape", {{0, 0, 64, 32}, {0, 32, 32, 64}}, false, {{0, 0, 64, 32}, {0, 32, 32, 64}}},
      {"clipped to the bounds", {{90, 60, 128, 96}}, false, {{90, 60, 100, 70}}},
      {"one whole tile", {{0, 0, 32, 32}}, false, {{0, 0, 32, 32}}},
      {"gap after a narrow tile", {{0, 0, 52, 32}, {64, 0, 96, 32}}, false, {{0, 0, 52, 32}, {64, 0, 96, 32}}},
      {"inverted", {{40, 50, 10, 5}}, false, {{10, 5, 40, 50}}},
      {"outside", {{-50, -40, -10, -1}, {200, 0, 300, 10}}, false, {}},
      {"whole grid", {{-5, -5, 500, 500}}, false, {{0, 0, 100, 70}}},
      {"empty", {{10, 10, 10, 40}}, false, {}},
  };
  for (const Case& c : cases) {
    TMicroTiles grid = Grid(100, 70);
    for (const TRect& r : c.added) MicroTilesAddRect(grid, r, c.round);
    EXPECT_EQ(Rects(grid, c.round), c.expected) << c.name;
  }
}

TEST(MicroTiles, RectangleReachingTheEdgeStaysInItsRow) {
  TMicroTiles grid = Grid(100, 70);  // 4 columns: 128 pixels of tiles
  MicroTilesAddRect(grid, {96, 0, 128, 32});
  EXPECT_EQ(grid.At(3, 0), MICROTILE_FULL);
  EXPECT_EQ(grid.At(0, 1), MICROTILE_EMPTY);
  EXPECT_EQ(grid.BoundsUsedTiles, (TRect{3, 0, 3, 0}));

  MicroTilesAddRect(grid, {0, 0, 32, 32});
  EXPECT_EQ(grid.At(1, 0), MICROTILE_EMPTY);
  EXPECT_EQ(grid.BoundsUsedTiles, (TRect{0, 0, 3, 0}));

  MicroTilesAddRect(grid, {0, 0, 500, 500});
  EXPECT_EQ(grid.BoundsUsedTiles, (TRect{0, 0, 3, 2}));
}

// Random rectangles: every added pixel is covered, and nothing is found
// outside the tiles the rectangles touched.
TEST(MicroTiles, FoundRectanglesCoverAddedPixelsWithinTouchedTiles) {
  std::mt19937 rng(1234);
  std::uniform_int_distribution<int> coord(-20, 140), howMany(1, 6);
  for (int iteration = 0; iteration < 300; ++iteration) {
    const bool round = iteration % 3 == 0;
    TMicroTiles grid = Grid(100, 70);
    std::vector<TRect> added;
    for (int n = howMany(rng); n > 0; --n) {
      const TRect r{coord(rng), coord(rng), coord(rng), coord(rng)};
      added.push_back(r);
      MicroTilesAddRect(grid, r, round);
    }
    const std::vector<TRect> found = Rects(grid, round);
    // Tiles run past the bounds to whole tiles (128 x 96 pixels here).
    std::vector<bool> touchedTile(static_cast<std::size_t>(grid.Columns * grid.Rows));
    for (int y = 0; y < grid.Rows * 32; ++y)
      for (int x = 0; x < grid.Columns * 32; ++x)
        for (TRect r : added) {
          if (r.Left > r.Right) std::swap(r.Left, r.Right);
          if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
          if (Contains(r, x, y)) touchedTile[(y >> 5) * grid.Columns + (x >> 5)] = true;
        }
    for (int y = -8; y < 104; ++y)
      for (int x = -8; x < 136; ++x) {
        bool inAdded = false, inFound = false;
        for (TRect r : added) {
          if (r.Left > r.Right) std::swap(r.Left, r.Right);
          if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
          inAdded |= Contains(r, x, y) && x < 100 && y < 70 && x >= 0 && y >= 0;
        }
        for (const TRect& r : found) inFound |= Contains(r, x, y);
        ASSERT_TRUE(!inAdded || inFound) << "uncovered " << x << "," << y << " iteration " << iteration;
        if (inFound) {
          ASSERT_TRUE(x >= 0 && x < 100 && y >= 0 && y < 70) << x << "," << y;
          ASSERT_TRUE(touchedTile[(y >> 5) * grid.Columns + (x >> 5)])
              << "untouched tile at " << x << "," << y << " iteration " << iteration;
        }
      }
  }
}

TEST(MicroTiles, LinesAddTheirGrownBoxes) {
  TMicroTiles grid = Grid(200, 200);
  MicroTilesAddLine(grid, 50, 10, 10, 10, 1);
  EXPECT_EQ(Rects(grid), (std::vector<TRect>{{8, 8, 52, 12}}));

  // A slanted line: every pixel it passes lies in a found rectangle.
  TMicroTiles slanted = Grid(200, 200);
  MicroTilesAddLine(slanted, 190, 5, 3, 150, 0);
  const std::vector<TRect> found = Rects(slanted);
  for (int x = 3; x <= 190; ++x) {
    const int y = 5 + (190 - x) * 145 / 187;
    bool covered = false;
    // Rectangles are exclusive at right and bottom: the line's far ends
    // touch them from outside.
    for (const TRect& r : found)
      covered |= Contains(r, x, y) || Contains(r, x - 1, y) || Contains(r, x, y - 1) ||
                 Contains(r, x - 1, y - 1);
    EXPECT_TRUE(covered) << x << "," << y;
  }

  // A line across the whole coordinate range steps in 64 bits: its part
  // inside the grid still follows the diagonal.
  TMicroTiles longLine = Grid(100, 100);
  const std::int32_t lo = std::numeric_limits<std::int32_t>::min() / 2;
  const std::int32_t hi = std::numeric_limits<std::int32_t>::max() / 2;
  MicroTilesAddLine(longLine, lo, lo, hi, hi - 1, 0);
  for (int d = 0; d < 100; d += 10) EXPECT_NE(longLine.At(d >> 5, d >> 5), MICROTILE_EMPTY) << d;
  EXPECT_EQ(longLine.At(3, 0), MICROTILE_EMPTY);
  EXPECT_EQ(longLine.At(0, 3), MICROTILE_EMPTY);
}

TEST(MicroTiles, GridUnionCopyAndClear) {
  TMicroTiles a = Grid(100, 70), b = Grid(100, 70);
  MicroTilesAddRect(a, {4, 4, 10, 10});
  MicroTilesAddRect(b, {8, 2, 12, 6});
  MicroTilesAddRect(b, {70, 40, 80, 45});
  MicroTilesUnion(a, b);
  EXPECT_EQ(a.At(0, 0), MakeMicroTile(4, 2, 12, 10));
  EXPECT_EQ(a.At(2, 1), MakeMicroTile(6, 8, 16, 13));
  EXPECT_EQ(a.BoundsUsedTiles, (TRect{0, 0, 2, 1}));

  TMicroTiles rounded = Grid(100, 70);
  MicroTilesUnion(rounded, b, true);
  EXPECT_EQ(rounded.At(0, 0), MICROTILE_FULL);
  EXPECT_EQ(rounded.At(2, 1), MICROTILE_FULL);
  EXPECT_EQ(rounded.At(1, 0), MICROTILE_EMPTY);

  TMicroTiles copy = Grid(300, 300);
  MicroTilesAddRect(copy, {200, 200, 250, 250});
  MicroTilesCopy(copy, a);
  EXPECT_EQ(copy.Columns, 4);
  EXPECT_EQ(copy.Tiles, a.Tiles);
  EXPECT_EQ(copy.BoundsUsedTiles, a.BoundsUsedTiles);

  MicroTilesClearUsed(a);
  EXPECT_EQ(a.Tiles, Grid(100, 70).Tiles);
  EXPECT_TRUE(Rects(a).empty());
  MicroTilesClear(a, MICROTILE_FULL);
  MicroTilesUseAll(a);
  EXPECT_EQ(Rects(a), (std::vector<TRect>{{0, 0, 100, 70}}));
}

TEST(RectangleList, ClearEmptiesTheList) {
  TRectangleList list;
  list.Add({1, 2, 3, 4});
  list.Add({5, 6, 7, 8});
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Items(0), nullptr);
  EXPECT_EQ(list.Add({9, 9, 9, 9}), 0);
}

}  // namespace
}  // namespace bmp32
