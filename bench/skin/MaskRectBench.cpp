// A full-HD PANEL-like face painted by the nine-piece mask painter: a 16 x
// 16 frame with 6-pixel borders and a 4 x 4 centre tile, with a mask image
// (key pixels in the corners, graded mask values). Side by side: the
// production painter on the SSE2 rows, the same on the plain rows, the
// plain reference painter of the tests on the plain rows, and (where
// Debian's pixman is installed) pixman compositing the same nine pieces.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "MaskRectBenchFrame.h"
#include "skin/paint/MaskRect.h"
#include "skin/paint/PixelRows.h"
#include "skin/paint/PixelRowsSse2.h"
#include "tests/skin/paint/ReferenceMaskPainter.h"

namespace {

namespace paint = skin::paint;
using mask_bench::kHeight;
using mask_bench::kWidth;

void BindRows(bool sse2) {
  paint::BlendRowByMask = sse2 ? paint::sse2::BlendRowByMask : paint::plain::BlendRowByMask;
  paint::BlendRowConst = sse2 ? paint::sse2::BlendRowConst : paint::plain::BlendRowConst;
  paint::FillDWords = sse2 ? paint::sse2::FillDWords : paint::plain::FillDWords;
}

template <class Paint>
void RunFace(benchmark::State& state, bool sse2, Paint paintFace) {
  const mask_bench::TFrame& frame = mask_bench::Frame();
  BindRows(sse2);
  std::vector<std::uint32_t> target(static_cast<std::size_t>(kWidth) * kHeight);
  const paint::TPixelView view = paint::MakeView(target.data(), kWidth, kHeight, kWidth * 4);
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(target.data(), frame.Background.data(), target.size() * 4);
    state.ResumeTiming();
    paintFace(view, frame);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  BindRows(true);
  state.SetItemsProcessed(state.iterations() * std::int64_t{kWidth} * kHeight);
}

void Production(benchmark::State& state, bool sse2) {
  RunFace(state, sse2, [](const paint::TPixelView& view, const mask_bench::TFrame& frame) {
    paint::PaintMaskRect(view, skin::TRect{0, 0, kWidth, kHeight}, paint::TCacheView{}, frame.Mask, 0, false);
  });
}

void Reference(benchmark::State& state) {
  RunFace(state, false, [](const paint::TPixelView& view, const mask_bench::TFrame& frame) {
    paint::reference::PaintMaskRect(view, skin::TRect{0, 0, kWidth, kHeight}, paint::TCacheView{}, frame.Mask, 0,
                                    false);
  });
}

BENCHMARK_CAPTURE(Production, sse2_rows, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Production, plain_rows, false)->Unit(benchmark::kMillisecond);
BENCHMARK(Reference)->Name("PlainReference")->Unit(benchmark::kMillisecond);

}  // namespace
