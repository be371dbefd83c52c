#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "bitmap/Bmp32_Bindings.h"
#include "bitmap/Bmp32_Blend.h"
#include "bitmap/Bmp32_BlendPlain.h"
#include "bitmap/Bmp32_BlendSse2.h"
#include "bitmap/Bmp32_Filters.h"
#include "bitmap/Bmp32_LowLevel.h"
#include "bitmap/Bmp32_Transforms.h"

namespace bmp32 {
namespace {

int First() { return 1; }
int Second() { return 2; }
int Third() { return 3; }

constexpr TProcessorFeatures kMMX = FeatureBit(pfMMX);
constexpr TProcessorFeatures kSSE = FeatureBit(pfSSE);
constexpr TProcessorFeatures kSSE2 = FeatureBit(pfSSE2);

TPriorityCallback ProcessorWith(TProcessorFeatures features) {
  return [features](const TFunctionVariant& v) { return FeaturePriority(v, features); };
}

TEST(FunctionRegistry, AmongEqualPrioritiesTheLastRegisteredWins) {
  TFunctionRegistry registry(L"test");
  registry.Add(7, First);
  registry.Add(7, Second);
  registry.Add(8, Third);
  EXPECT_EQ(registry.FindVariantAs<int()>(7, ProcessorWith(0)), &Second);
  EXPECT_EQ(registry.FindVariantAs<int()>(8, ProcessorWith(0)), &Third);
  EXPECT_EQ(registry.FindVariant(9, ProcessorWith(0)), nullptr);
}

TEST(FunctionRegistry, UnusableVariantsAreSkipped) {
  TFunctionRegistry registry(L"test");
  registry.Add(0, First);
  registry.Add(0, Second, kMMX);
  registry.Add(0, Third, kMMX | kSSE);
  EXPECT_EQ(registry.FindVariantAs<int()>(0, ProcessorWith(kMMX)), &Second);
  EXPECT_EQ(registry.FindVariantAs<int()>(0, ProcessorWith(kMMX | kSSE)), &Third);
  EXPECT_EQ(registry.FindVariantAs<int()>(0, ProcessorWith(0)), &First);

  TFunctionRegistry onlyVector(L"vector");
  onlyVector.Add(0, Second, kSSE2);
  int (*bound)() = First;
  onlyVector.AddBinding(0, &bound);
  onlyVector.BindAll(ProcessorWith(kMMX));
  EXPECT_EQ(bound, nullptr);
}

TEST(FunctionRegistry, StrictlyLowerPriorityReplaces) {
  TFunctionRegistry registry(L"test");
  registry.Add(0, First, 0, 5);
  registry.Add(0, Second, 0, 9);
  registry.Add(0, Third, 0, 5);
  const auto byFlags = [](const TFunctionVariant& v) { return v.Flags; };
  EXPECT_EQ(registry.FindVariantAs<int()>(0, byFlags), &Third);
}

TEST(FunctionRegistry, BindAllFillsEveryBindingAndClearEmpties) {
  TFunctionRegistry registry(L"test");
  registry.Add(0, First);
  registry.Add(1, Second);
  int (*a)() = nullptr;
  int (*b)() = nullptr;
  registry.AddBinding(0, &a);
  registry.AddBinding(1, &b);
  registry.BindAll();
  EXPECT_EQ(a(), 1);
  EXPECT_EQ(b(), 2);
  registry.Clear();
  EXPECT_TRUE(registry.Variants().empty());
  EXPECT_TRUE(registry.Bindings().empty());
}

using Registration = std::pair<std::int32_t, TProcessorFeatures>;

std::vector<Registration> RegistrationsOf(const TFunctionRegistry& registry) {
  std::vector<Registration> list;
  for (const TFunctionVariant& v : registry.Variants()) {
    EXPECT_EQ(v.Flags, 0);
    list.emplace_back(v.FunctionID, v.RequiredFeatures);
  }
  return list;
}

std::vector<Registration> Plain(std::initializer_list<std::int32_t> ids) {
  std::vector<Registration> list;
  for (std::int32_t id : ids) list.emplace_back(id, 0);
  return list;
}

void Append(std::vector<Registration>& to, const std::vector<Registration>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

TEST(Registrations, BlendRegistryOrder) {
  std::vector<Registration> expected =
      Plain({0, 1, 2, 5, 4, 3, 6, 21, 18, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 22,
             23, 24, 25, 26});
  Append(expected, Plain({0, 7, 8, 10, 11, 13, 14, 12, 26}));
#ifdef __SSE2__
  for (std::int32_t id : {0, 1, 7, 8, 9, 10, 11, 14, 12, 15, 13, 16, 17, 19, 20, 22, 23, 24, 25, 26})
    expected.emplace_back(id, kSSE2);
#endif
  expected.emplace_back(1, 0);
  EXPECT_EQ(BlendRegistry().Name(), L"Bmp32_Blend bindings");
  EXPECT_EQ(RegistrationsOf(BlendRegistry()), expected);
  EXPECT_EQ(BlendRegistry().Bindings().size(), 27u);
}

TEST(Registrations, OtherRegistriesOrder) {
  EXPECT_EQ(LowLevelRegistry().Name(), L"Bmp32_LowLevel bindings");
  std::vector<Registration> lowLevel = Plain({0, 0});
#ifdef __SSE2__
  lowLevel.emplace_back(0, kSSE2);
#endif
  EXPECT_EQ(RegistrationsOf(LowLevelRegistry()), lowLevel);

  EXPECT_EQ(FiltersRegistry().Name(), L"Bmp32_Filters bindings");
  EXPECT_EQ(RegistrationsOf(FiltersRegistry()), Plain({0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5}));

  EXPECT_EQ(TransformsRegistry().Name(), L"Bmp32_Transforms bindings");
  EXPECT_EQ(RegistrationsOf(TransformsRegistry()), Plain({0, 0, 1, 1}));
}

TEST(Registrations, ProcessorFormsBindHereAndMergeStaysPlain) {
#ifdef __SSE2__
  EXPECT_EQ(FillPixels, &sse2::FillPixels);
  EXPECT_EQ(BlendPixel, &sse2::BlendPixel);
  EXPECT_EQ(BlendRow, &sse2::BlendRow);
  EXPECT_EQ(CombineRow, &sse2::CombineRow);
  EXPECT_EQ(BlendPixelMaster, &sse2::BlendPixelMaster);
  EXPECT_EQ(Lighten, &sse2::Lighten);
#endif
  EXPECT_EQ(MergePixel, &plain::MergePixel);
  EXPECT_EQ(MergeRow, &plain::MergeRow);
  EXPECT_EQ(ChannelDiv, &plain::ChannelDiv);
  EXPECT_EQ(MaskRowXorEx, &unrolled::MaskRowXorEx);
  EXPECT_EQ(Det64, &plain::Det64Extended);

  // On a processor without the multimedia extension the second plain form.
  EXPECT_EQ(LowLevelRegistry().FindVariantAs<TFillPixels>(0, ProcessorWith(0)),
            &plain::FillPixelsBlock);
}

}  // namespace
}  // namespace bmp32
