// A stretched button centre as the skin paints it: the 12 x 12 centre of a
// mask image scaled to the button (148 x 28) and to a maximised window
// (1908 x 1068), its colours with Mitchell and its 24-bit mask with Hermite.
// Beside it, the bitmap library's kernel resampler on the same job (Mitchell
// for the colours, Hermite for the mask, both 32-bit).
//
// "heap_left_bytes" is what a paint leaves allocated (its destinations are
// made beforehand); "heap_peak_bytes" what it takes at most meanwhile.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/support/CountingAllocator.h"
#include "bench/resample/ResampleBenchSupport.h"
#include "bitmap/Bmp32_Kernels.h"
#include "bitmap/Bmp32_Resamplers.h"
#include "skin/paint/PixelView.h"
#include "skin/paint/Resample.h"
#include "skin/paint/ResampleFilters.h"

namespace {

constexpr std::int32_t kCentre = 12;

struct Image {
  std::vector<std::uint8_t> bytes;
  skin::paint::TPixelView view;
  Image(std::int32_t width, std::int32_t height, std::int32_t bpp)
      : bytes(static_cast<std::size_t>(width) * height * bpp) {
    view = skin::paint::MakeView(bytes.data(), width, height, std::ptrdiff_t{width} * bpp, bpp);
  }
};

// The noise of the colour source without its alpha.
Image MaskFrom(const bmp32::TCustomBitmap32& colour) {
  Image mask(colour.Width(), colour.Height(), 3);
  const auto* bgra = reinterpret_cast<const std::uint8_t*>(colour.Bits());
  for (std::size_t i = 0; i < std::size_t(colour.Width()) * colour.Height(); ++i) {
    for (int c = 0; c < 3; ++c) mask.bytes[i * 3 + c] = bgra[i * 4 + c];
  }
  return mask;
}

void SkinCentre(benchmark::State& state) {
  const auto dw = static_cast<std::int32_t>(state.range(0)), dh = static_cast<std::int32_t>(state.range(1));
  const auto colourSrc = resample_bench::NoiseSource(kCentre, kCentre);
  const Image maskSrc = MaskFrom(*colourSrc);
  Image colour(dw, dh, 4), mask(dw, dh, 3);
  const skin::paint::TPixelView colourView = skin::paint::ViewOf(colourSrc.get());
  double left = 0, peak = 0;
  for (auto _ : state) {
    const std::size_t before = bench_support::HeapInUse();
    bench_support::ResetHeapPeak();
    skin::paint::ResamplePixels(colourView, colour.view, skin::paint::rfMitchell);
    skin::paint::ResamplePixels(maskSrc.view, mask.view, skin::paint::rfHermite);
    left = double(bench_support::HeapInUse()) - double(before);
    peak = double(bench_support::HeapPeak() - before);
    benchmark::DoNotOptimize(colour.bytes.data());
    benchmark::DoNotOptimize(mask.bytes.data());
  }
  state.counters["heap_left_bytes"] = left;
  state.counters["heap_peak_bytes"] = peak;
  state.SetItemsProcessed(state.iterations() * std::int64_t{dw} * dh);
}

void KernelResamplerCentre(benchmark::State& state) {
  const auto dw = static_cast<std::int32_t>(state.range(0)), dh = static_cast<std::int32_t>(state.range(1));
  const auto colourSrc = resample_bench::NoiseSource(kCentre, kCentre);
  const auto maskSrc = resample_bench::NoiseSource(kCentre, kCentre);
  static_cast<bmp32::TKernelResampler*>(colourSrc->Resampler())->SetKernel(new bmp32::TMitchellKernel);
  static_cast<bmp32::TKernelResampler*>(maskSrc->Resampler())->SetKernel(new bmp32::THermiteKernel);
  bmp32::TCustomBitmap32 colour, mask;
  colour.SetSize(dw, dh);
  mask.SetSize(dw, dh);
  for (auto _ : state) {
    colour.Draw({0, 0, dw, dh}, colourSrc->BoundsRect(), colourSrc.get());
    mask.Draw({0, 0, dw, dh}, maskSrc->BoundsRect(), maskSrc.get());
    benchmark::DoNotOptimize(colour.Bits());
    benchmark::DoNotOptimize(mask.Bits());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t{dw} * dh);
}

BENCHMARK(SkinCentre)->Args({148, 28})->Args({1908, 1068})->Unit(benchmark::kMicrosecond);
BENCHMARK(KernelResamplerCentre)->Args({148, 28})->Args({1908, 1068})->Unit(benchmark::kMicrosecond);

}  // namespace
