// The peer of the mask painter: pixman compositing the same full-HD face.
// The frame is turned once into premultiplied ARGB whose alpha is the mask's
// opening (255 - mask, 0 for key pixels); each of the nine pieces is then
// one OVER composite, the sides and centre with a repeating source.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "MaskRectBenchFrame.h"

namespace {

using mask_bench::kBorder;
using mask_bench::kFrame;
using mask_bench::kHeight;
using mask_bench::kWidth;

std::vector<std::uint32_t> PremultipliedFrame() {
  const mask_bench::TFrame& frame = mask_bench::Frame();
  std::vector<std::uint32_t> out(kFrame * kFrame);
  for (int y = 0; y < kFrame; ++y)
    for (int x = 0; x < kFrame; ++x) {
      const std::uint32_t c = frame.Mask.Bmp->Pixel(x, y);
      const std::uint32_t a = c == 0x00FF00FFu ? 0 : 255 - ((frame.Mask.Bmp->Pixel(x, y + kFrame) >> 16) & 0xFF);
      std::uint32_t p = a << 24;
      for (int s = 0; s < 24; s += 8) p |= (((c >> s) & 0xFF) * a / 255) << s;
      out[y * kFrame + x] = p;
    }
  return out;
}

void Pixman(benchmark::State& state) {
  std::vector<std::uint32_t> piece = PremultipliedFrame();
  std::vector<std::uint32_t> target(static_cast<std::size_t>(kWidth) * kHeight);
  const std::vector<std::uint32_t>& background = mask_bench::Frame().Background;
  pixman_image_t* dst = pixman_image_create_bits(PIXMAN_a8r8g8b8, kWidth, kHeight, target.data(), kWidth * 4);
  struct TPiece {
    int sx, sy, sw, sh, dx, dy, dw, dh;
  };
  const int m = kFrame - 2 * kBorder, far = kFrame - kBorder;
  const int midW = kWidth - 2 * kBorder, midH = kHeight - 2 * kBorder;
  const TPiece pieces[] = {
      {0, 0, kBorder, kBorder, 0, 0, kBorder, kBorder},
      {0, kBorder, kBorder, m, 0, kBorder, kBorder, midH},
      {kBorder, 0, m, kBorder, kBorder, 0, midW, kBorder},
      {0, far, kBorder, kBorder, 0, kHeight - kBorder, kBorder, kBorder},
      {kBorder, far, m, kBorder, kBorder, kHeight - kBorder, midW, kBorder},
      {far, far, kBorder, kBorder, kWidth - kBorder, kHeight - kBorder, kBorder, kBorder},
      {far, 0, kBorder, kBorder, kWidth - kBorder, 0, kBorder, kBorder},
      {far, kBorder, kBorder, m, kWidth - kBorder, kBorder, kBorder, midH},
      {kBorder, kBorder, m, m, kBorder, kBorder, midW, midH},
  };
  std::vector<pixman_image_t*> sources;
  for (const TPiece& p : pieces) {
    pixman_image_t* src = pixman_image_create_bits(PIXMAN_a8r8g8b8, p.sw, p.sh, &piece[p.sy * kFrame + p.sx], kFrame * 4);
    pixman_image_set_repeat(src, PIXMAN_REPEAT_NORMAL);
    sources.push_back(src);
  }
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(target.data(), background.data(), target.size() * 4);
    state.ResumeTiming();
    for (std::size_t i = 0; i < sources.size(); ++i) {
      const TPiece& p = pieces[i];
      pixman_image_composite32(PIXMAN_OP_OVER, sources[i], nullptr, dst, 0, 0, 0, 0, p.dx, p.dy, p.dw, p.dh);
    }
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  for (pixman_image_t* src : sources) pixman_image_unref(src);
  pixman_image_unref(dst);
  state.SetItemsProcessed(state.iterations() * std::int64_t{kWidth} * kHeight);
}

BENCHMARK(Pixman)->Unit(benchmark::kMillisecond);

}  // namespace
