#include <gtest/gtest.h>

#include <cmath>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Kernels.h"
#include "bitmap/Bmp32_Resamplers.h"

namespace bmp32 {
namespace {

TEST(Kernels, ListOrderAndValues) {
  const wchar_t* names[] = {L"TBoxKernel",      L"TLinearKernel",   L"TCosineKernel",  L"TSplineKernel",
                            L"TCubicKernel",    L"TMitchellKernel", L"TAlbrechtKernel", L"TLanczosKernel",
                            L"TGaussianKernel", L"TBlackmanKernel", L"THannKernel",    L"THammingKernel",
                            L"TSinshKernel",    L"THermiteKernel"};
  ASSERT_GE(KernelList().Count(), 14);
  for (std::int32_t i = 0; i < 14; ++i) {
    EXPECT_EQ(KernelList()[i]->ClassName(), names[i]);
    std::unique_ptr<TCustomKernel> k(KernelList()[i]->Create());
    EXPECT_EQ(k->ClassName(), names[i]);
    EXPECT_NEAR(k->Filter(0.0f), names[i] == std::wstring(L"TSplineKernel")     ? 2.0f / 3.0f
                                 : names[i] == std::wstring(L"TMitchellKernel") ? 16.0f / 18.0f
                                                                                : 1.0f,
                1e-6f)
        << k->ClassName();
    EXPECT_EQ(k->Filter(k->GetWidth() + 0.01f), 0.0f) << k->ClassName();
  }
  struct Value {
    TCustomKernel* kernel;
    float x, expected;
  } values[] = {
      {new TBoxKernel, 0.5f, 1.0f},          {new TBoxKernel, -0.5f, 1.0f},       {new TBoxKernel, 0.51f, 0.0f},
      {new TLinearKernel, 0.25f, 0.75f},     {new TCosineKernel, 0.5f, 0.5f},     {new TCubicKernel, 1.0f, 0.0f},
      {new TCubicKernel, 0.5f, 0.5625f},     {new TSplineKernel, 1.0f, 1.0f / 6}, {new TLanczosKernel, 1.0f, 0.0f},
      {new THermiteKernel, 0.0f, 1.0f},      {new THermiteKernel, 1.0f, 0.0f},    {new TSinshKernel, 1.0f, 0.0f},
  };
  for (const Value& v : values) {
    EXPECT_NEAR(v.kernel->Filter(v.x), v.expected, 1e-6f) << v.kernel->ClassName() << " at " << v.x;
    delete v.kernel;
  }
}

TEST(Kernels, SettersAreClampedAndCopied) {
  TAlbrechtKernel a;
  a.SetTerms(40);
  EXPECT_EQ(a.Terms(), 11);
  a.SetTerms(0);
  EXPECT_EQ(a.Terms(), 2);
  TLanczosKernel wide;
  wide.SetWidth(30.0f);
  EXPECT_EQ(wide.GetWidth(), 16.0f);
  TCubicKernel c1, c2;
  c1.SetCoeff(-1.0f);
  c2.Assign(&c1);
  EXPECT_EQ(c2.Coeff(), -1.0f);
}

struct Sampler {
  TCustomBitmap32 bitmap;
  TKernelResampler* resampler;
  Sampler() {
    bitmap.SetSize(4, 4);
    bitmap.Clear(0xFF000000);
    bitmap.SetResamplerClassName(L"TKernelResampler");
    resampler = static_cast<TKernelResampler*>(bitmap.Resampler());
  }
  TColor32 At(float x, float y) {
    resampler->BeginSampling();
    const TColor32 c = resampler->SampleFloat(x, y);
    resampler->EndSampling();
    return c;
  }
};

TEST(KernelSampling, WholeCoordinatesGiveThePixel) {
  Sampler s;
  s.bitmap.SetPixel(1, 2, 0xFF123456);
  s.bitmap.SetPixel(2, 2, 0x80640000);  // red 100 at alpha 128: premultiplied 50, back 50 * 255 / 128 = 99
  for (TKernelMode mode : {kmDynamic, kmTableNearest, kmTableLinear}) {
    s.resampler->SetKernelMode(mode);
    EXPECT_EQ(s.At(1, 2), 0xFF123456u) << mode;
    EXPECT_EQ(s.At(2, 2), 0x80630000u) << mode;
  }
}

TEST(KernelSampling, HalfwayTheLeftColumnCarriesTheWeight) {
  Sampler s;
  s.bitmap.SetPixel(0, 1, 0xFF0000AA);
  s.bitmap.SetPixel(1, 1, 0xFF0000BB);
  EXPECT_EQ(s.At(0.5f, 1.0f), 0xFF0000AAu);
}

TEST(KernelSampling, OutsideTheClipRectangle) {
  Sampler s;
  s.bitmap.SetOuterColor(0x40102030);
  s.resampler->SetPixelAccessMode(pamSafe);
  EXPECT_EQ(s.At(-1.5f, 1.0f), 0x40102030u);
  s.resampler->SetPixelAccessMode(pamTransparentEdge);
  EXPECT_EQ(s.At(-1.5f, 1.0f), 0u);
  // At CX = Right the sample still reads the columns left of the edge.
  s.bitmap.SetPixel(3, 1, 0xFF00FF00);
  s.resampler->SetPixelAccessMode(pamSafe);
  s.bitmap.SetOuterColor(0);
  EXPECT_EQ(s.At(3.5f, 1.0f), 0xFF00FF00u);
}

TEST(KernelSampling, WrapReadsTheOtherSide) {
  Sampler s;
  s.bitmap.SetPixel(3, 0, 0xFFABCDEF);
  s.bitmap.SetWrapMode(wmRepeat);
  s.resampler->SetPixelAccessMode(pamWrap);
  EXPECT_EQ(s.At(-1.0f, 4.0f), 0xFFABCDEFu);
}

TEST(LinearSampling, TransparentEdge) {
  TCustomBitmap32 b;
  b.SetSize(4, 4);
  b.Clear(0xFF204060);
  b.SetResamplerClassName(L"TLinearResampler");
  auto* linear = static_cast<TLinearResampler*>(b.Resampler());
  linear->SetPixelAccessMode(pamTransparentEdge);
  linear->BeginSampling();
  EXPECT_EQ(linear->SampleFixed(0x18000, 0x18000), 0xFF204060u);
  const TColor32 half = linear->SampleFixed(-0x8000, 0x18000);
  EXPECT_EQ(half & 0x00FFFFFF, 0x00204060u);
  EXPECT_GT(half >> 24, 0u);
  EXPECT_LT(half >> 24, 255u);
  EXPECT_EQ(linear->SampleFixed(-0x28000, 0x18000), 0u);
  linear->EndSampling();
}

}  // namespace
}  // namespace bmp32
