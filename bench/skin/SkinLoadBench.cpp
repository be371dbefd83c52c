// The internal skin's load, step by step and whole, over the packed bytes the
// main window's description stores: unpacking the container, reading the
// description, building the model (masks, master bitmap, sections, indexes).
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "skin/core/PackedSkin.h"
#include "skin/core/SkinDataLoad.h"

namespace {

const std::string& PackedBytes() {
  static const std::string bytes = [] {
    std::ifstream in(TESSARILO_INTERNAL_SKIN_PACKED, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }();
  return bytes;
}

std::unique_ptr<skin::TacSkinConvertor> Unpack() {
  auto source = std::make_unique<classlib::TMemoryStream>();
  source->WriteBuffer(PackedBytes().data(), static_cast<int64_t>(PackedBytes().size()));
  auto convertor = std::make_unique<skin::TacSkinConvertor>();
  convertor->SetSource(std::move(source));
  skin::ReadPackedSkin(convertor);
  return convertor;
}

skin::TsSkinOptions Description(const skin::TacSkinConvertor& convertor) {
  const auto& text = convertor.Options->Bytes();
  return skin::TsSkinOptions::FromBytes(L"Options.dat",
                                        std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

void BM_UnpackContainer(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Unpack());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * PackedBytes().size()));
}
BENCHMARK(BM_UnpackContainer)->Unit(benchmark::kMillisecond);

void BM_ReadDescription(benchmark::State& state) {
  const auto convertor = Unpack();
  for (auto _ : state) benchmark::DoNotOptimize(Description(*convertor));
}
BENCHMARK(BM_ReadDescription)->Unit(benchmark::kMillisecond);

void BM_BuildModel(benchmark::State& state) {
  const auto convertor = Unpack();
  const auto description = Description(*convertor);
  for (auto _ : state)
    benchmark::DoNotOptimize(skin::LoadSkinModel(description, skin::TsSkinPackedFiles(*convertor), {}));
}
BENCHMARK(BM_BuildModel)->Unit(benchmark::kMillisecond);

void BM_WholeLoad(benchmark::State& state) {
  for (auto _ : state) {
    const auto convertor = Unpack();
    benchmark::DoNotOptimize(skin::LoadSkinModel(Description(*convertor), skin::TsSkinPackedFiles(*convertor), {}));
  }
}
BENCHMARK(BM_WholeLoad)->Unit(benchmark::kMillisecond);

}  // namespace
