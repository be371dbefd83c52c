// Micro-tiles over a full-HD buffer: uniting two grids (the plain against the
// SSE2 tile union) and finding the rectangles of a grid with scattered marks.
#include <benchmark/benchmark.h>

#include <random>

#include "bitmap/Bmp32_MicroTiles.h"

namespace {

using namespace bmp32;

TMicroTiles ScatteredGrid(unsigned seed) {
  TMicroTiles grid;
  MicroTilesCreate(grid);
  MicroTilesSetSize(grid, {0, 0, 1920, 1080});
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> x(0, 1900), y(0, 1060), size(1, 120);
  for (int i = 0; i < 200; ++i) {
    const int left = x(rng), top = y(rng);
    MicroTilesAddRect(grid, {left, top, left + size(rng), top + size(rng)});
  }
  return grid;
}

void Union(benchmark::State& state, TMicroTileUnionRow* unionRow) {
  const TMicroTiles src = ScatteredGrid(1);
  const TMicroTiles start = ScatteredGrid(2);
  TMicroTiles dst = start;
  for (auto _ : state) {
    dst.Tiles = start.Tiles;
    for (int row = 0; row < src.Rows; ++row)
      unionRow(&dst.At(0, row), &src.At(0, row), src.Columns);
    benchmark::DoNotOptimize(dst.Tiles.data());
  }
  state.SetItemsProcessed(state.iterations() * src.Columns * src.Rows);
}
BENCHMARK_CAPTURE(Union, plain, plain::MicroTileUnionRow);
#ifdef __SSE2__
BENCHMARK_CAPTURE(Union, sse2, sse2::MicroTileUnionRow);
#endif

void CalcRects(benchmark::State& state) {
  const TMicroTiles grid = ScatteredGrid(3);
  TRectangleList rects;
  for (auto _ : state) {
    rects.Clear();
    benchmark::DoNotOptimize(MicroTilesCalcRects(grid, rects, false, state.range(0) != 0));
  }
}
BENCHMARK(CalcRects)->Arg(0)->Arg(1);

}  // namespace
