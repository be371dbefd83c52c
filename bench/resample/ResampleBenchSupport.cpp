#include "bench/resample/ResampleBenchSupport.h"

#include <cstring>

namespace resample_bench {

namespace {

std::unique_ptr<bmp32::TCustomBitmap32> KernelBitmap(std::int32_t width, std::int32_t height) {
  auto bitmap = std::make_unique<bmp32::TCustomBitmap32>();
  bitmap->SetSize(width, height);
  bitmap->SetResamplerClassName(L"TKernelResampler");
  return bitmap;
}

}  // namespace

std::unique_ptr<bmp32::TCustomBitmap32> NoiseSource(std::int32_t width, std::int32_t height) {
  auto bitmap = KernelBitmap(width, height);
  std::uint32_t seed = 2026;
  for (std::int64_t i = 0; i < std::int64_t{width} * height; ++i) {
    seed = seed * 1664525u + 1013904223u;
    bitmap->Bits()[i] = 0xFF000000u | (seed >> 8);
  }
  return bitmap;
}

std::unique_ptr<bmp32::TCustomBitmap32> SourceFrom(const std::uint8_t* bgra, std::int32_t width, std::int32_t height) {
  auto bitmap = KernelBitmap(width, height);
  std::memcpy(bitmap->Bits(), bgra, std::size_t(width) * height * 4);
  return bitmap;
}

void Downscale(const bmp32::TCustomBitmap32& src, bmp32::TCustomBitmap32& dst, std::int32_t width,
               std::int32_t height) {
  dst.SetSize(width, height);
  dst.Draw({0, 0, width, height}, src.BoundsRect(), &src);
}

}  // namespace resample_bench
