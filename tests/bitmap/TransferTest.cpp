#include <gtest/gtest.h>

#include <vector>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Resamplers.h"
#include "bitmap/Bmp32_Transfer.h"

namespace bmp32 {
namespace {

// A destination that records its area notifications.
struct Target {
  TCustomBitmap32 bitmap;
  std::vector<TRect> areas;
  explicit Target(std::int32_t w = 8, std::int32_t h = 8) {
    bitmap.SetSize(w, h);
    bitmap.Clear(0);
    bitmap.SetOnAreaChanged([this](classlib::TObject*, const TRect& area, std::uint32_t) { areas.push_back(area); });
  }
};

void FillNumbered(TCustomBitmap32& b) {
  for (std::int32_t i = 0; i < b.Width() * b.Height(); ++i) b.Bits()[i] = 0xFF000000 | static_cast<TColor32>(i + 1);
}

TEST(StretchTransfer, NullBitmapsRaise) {
  TCustomBitmap32 b;
  b.SetSize(2, 2);
  try {
    StretchTransfer(nullptr, {0, 0, 1, 1}, {0, 0, 1, 1}, &b, {0, 0, 1, 1}, b.Resampler(), dmOpaque, {});
    FAIL();
  } catch (const EBitmapException& e) {
    EXPECT_EQ(e.Message(), L"Destination bitmap is nil");
  }
  try {
    StretchTransfer(&b, {0, 0, 1, 1}, {0, 0, 1, 1}, nullptr, {0, 0, 1, 1}, b.Resampler(), dmOpaque, {});
    FAIL();
  } catch (const EBitmapException& e) {
    EXPECT_EQ(e.Message(), L"Source bitmap is nil");
  }
}

TEST(StretchTransfer, EqualSizesCopyExactly) {
  TCustomBitmap32 src;
  src.SetSize(4, 3);
  FillNumbered(src);
  src.SetPixel(1, 1, 0x00ABCDEF);  // transparent pixels copy too
  src.SetResamplerClassName(L"TKernelResampler");
  Target t;
  t.bitmap.Draw({2, 2, 5, 4}, {1, 1, 4, 3}, &src);
  EXPECT_EQ(t.bitmap.Pixel(2, 2), 0x00ABCDEFu);
  EXPECT_EQ(t.bitmap.Pixel(4, 3), src.Pixel(3, 2));
  EXPECT_EQ(t.bitmap.Pixel(5, 3), 0u);
  EXPECT_EQ(t.areas, (std::vector<TRect>{{2, 2, 5, 4}}));
}

// Half the source rectangle lies left of the source: with a scale of 2 the
// destination loses Ceil(2 * 2) = 4 columns on the left.
TEST(StretchTransfer, SourceRectOutsideShrinksTheDestination) {
  TCustomBitmap32 src;
  src.SetSize(2, 2);
  src.SetResamplerClassName(L"TKernelResampler");
  Target t;
  t.bitmap.Draw({0, 0, 8, 4}, {-2, 0, 2, 2}, &src);
  ASSERT_EQ(t.areas.size(), 1u);
  EXPECT_EQ(t.areas[0], (TRect{4, 0, 8, 4}));
  t.areas.clear();
  t.bitmap.Draw({0, 0, 6, 6}, {0, 0, 4, 3}, &src);  // 4 x 3 of a 2 x 2: right and bottom shrink by Floor
  EXPECT_EQ(t.areas, (std::vector<TRect>{{0, 0, 3, 4}}));
}

TEST(StretchTransfer, NothingHappensWithoutWork) {
  TCustomBitmap32 src;
  src.SetSize(2, 2);
  src.Clear(0xFFFFFFFF);
  Target t;
  t.bitmap.Draw({20, 20, 30, 30}, {0, 0, 2, 2}, &src);  // outside the destination
  t.bitmap.Draw({0, 0, 4, 4}, {1, 1, 1, 2}, &src);      // empty source rectangle, no division
  t.bitmap.Draw({0, 0, 4, 4}, {0, 0, 2, 2}, nullptr);
  src.SetDrawMode(dmBlend);
  src.SetMasterAlpha(0);
  t.bitmap.Draw({0, 0, 4, 4}, {0, 0, 2, 2}, &src);
  EXPECT_TRUE(t.areas.empty());
  for (std::int32_t i = 0; i < 64; ++i) ASSERT_EQ(t.bitmap.Bits()[i], 0u);

  // While measuring the area is reported all the same, and nothing is drawn.
  src.SetMasterAlpha(255);
  t.bitmap.BeginAreaMeasuring([&](classlib::TObject*, const TRect& area, std::uint32_t) { t.areas.push_back(area); });
  t.bitmap.Draw({20, 20, 30, 30}, {0, 0, 2, 2}, &src);
  t.bitmap.EndAreaMeasuring();
  EXPECT_EQ(t.areas, (std::vector<TRect>{{20, 20, 30, 30}}));
}

TEST(StretchTransfer, DrawModesOfTheSource) {
  TCustomBitmap32 src;
  src.SetSize(1, 2);
  src.SetPixel(0, 0, 0xFF102030);
  src.SetPixel(0, 1, 0x00000000);
  src.SetResamplerClassName(L"TKernelResampler");
  Target t(2, 4);
  t.bitmap.Clear(0xFF808080);
  src.SetDrawMode(dmTransparent);  // outer colour 0 is skipped
  t.bitmap.Draw({0, 0, 2, 4}, src.BoundsRect(), &src);
  EXPECT_EQ(t.bitmap.Pixel(1, 0), 0xFF102030u);
  EXPECT_EQ(t.bitmap.Pixel(1, 3), 0xFF808080u);

  int calls = 0;
  src.SetDrawMode(dmCustom);
  src.SetOnPixelCombine([&](TColor32 f, TColor32& b, TColor32 m) {
    ++calls;
    b = f ^ m;
  });
  t.bitmap.Draw({0, 0, 2, 4}, src.BoundsRect(), &src);
  EXPECT_EQ(calls, 8);
  EXPECT_EQ(t.bitmap.Pixel(0, 3), 0x000000FFu);
}

TEST(ResamplerList, StandardClassesByName) {
  const wchar_t* names[] = {L"TNearestResampler", L"TLinearResampler", L"TDraftResampler", L"TKernelResampler"};
  for (std::int32_t i = 0; i < 4; ++i) EXPECT_EQ(ResamplerList()[i]->ClassName(), names[i]);
  TCustomBitmap32 b;
  EXPECT_EQ(b.ResamplerClassName(), L"TNearestResampler");
  b.SetResamplerClassName(L"TKernelResampler");
  auto* kernel = dynamic_cast<TKernelResampler*>(b.Resampler());
  ASSERT_NE(kernel, nullptr);
  EXPECT_EQ(kernel->Bitmap(), &b);
  EXPECT_EQ(kernel->KernelClassName(), L"TBoxKernel");
  kernel->SetKernelClassName(L"TLanczosKernel");
  EXPECT_EQ(kernel->KernelClassName(), L"TLanczosKernel");
  kernel->SetKernelClassName(L"TNoSuchKernel");
  EXPECT_EQ(kernel->KernelClassName(), L"TLanczosKernel");
  kernel->SetTableSize(1);
  EXPECT_EQ(kernel->TableSize(), 2);

  TCustomBitmap32 copy;
  copy.Assign(&b);
  auto* copied = dynamic_cast<TKernelResampler*>(copy.Resampler());
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->KernelClassName(), L"TLanczosKernel");
  EXPECT_EQ(copied->TableSize(), 2);
}

// Every standard resampler stretches a uniform opaque colour into the same colour.
TEST(ResamplerList, EveryResamplerStretches) {
  for (std::int32_t i = 0; i < 4; ++i) {
    TCustomBitmap32 src;
    src.SetSize(6, 5);
    src.Clear(0xFF336699);
    src.SetResamplerClassName(ResamplerList()[i]->ClassName());
    for (const TRect& to : {TRect{0, 0, 3, 2}, TRect{0, 0, 13, 11}}) {
      Target t(13, 11);
      t.bitmap.Draw(to, src.BoundsRect(), &src);
      EXPECT_EQ(t.bitmap.Pixel(to.Right - 1, to.Bottom - 1), 0xFF336699u) << ResamplerList()[i]->ClassName();
    }
  }
}

TEST(ResamplerList, NearestRefusesASourceRectOutside) {
  TCustomBitmap32 src, dst;
  src.SetSize(2, 2);
  dst.SetSize(4, 4);
  TNearestResampler nearest(&src);
  EXPECT_THROW(nearest.Transfer(dst, {0, 0, 4, 4}, {0, 0, 4, 4}, src, {0, 0, 3, 2}, dmOpaque, {}),
               classlib::Exception);
}

}  // namespace
}  // namespace bmp32
