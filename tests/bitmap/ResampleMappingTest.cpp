#include <gtest/gtest.h>

#include <vector>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Resample.h"
#include "bitmap/Bmp32_Resamplers.h"

namespace bmp32 {
namespace {

using Cluster = std::vector<TPointRec>;

Cluster ClusterOf(std::int32_t srcW, std::int32_t dstW, std::int32_t index) {
  const TBoxKernel box;
  const TMappingTable table = BuildMapping(0, dstW, 0, dstW, 0, srcW, box);
  const TCluster c = table[index];
  return {c.begin(), c.end()};
}

struct MappingCase {
  std::int32_t srcW, dstW, index;
  Cluster expected;
};

// Hand-worked box clusters. 7 -> 2 and 12 -> 298 come out differently when
// the centres are computed in double precision: they pin single precision.
TEST(BuildMapping, BoxKernelClusters) {
  const MappingCase cases[] = {
      {4, 2, 0, {{0, 128}, {1, 128}}},
      {4, 2, 1, {{2, 128}, {3, 128}}},
      {1, 3, 2, {{0, 256}}},
      {2, 4, 0, {{0, 256}}},
      {2, 4, 1, {{0, 256}}},
      {2, 4, 2, {{1, 256}}},
      {2, 4, 3, {{1, 256}}},
      {2, 3, 0, {{0, 256}}},
      {2, 3, 1, {{0, 0}, {1, 256}}},  // centre between two pixels: the higher wins
      {2, 3, 2, {{1, 256}}},
      {3, 1, 0, {{0, 85}, {1, 86}, {2, 85}}},
      {400, 298, 0, {{0, 256}}},
      {400, 298, 1, {{1, 65}, {2, 191}}},
      {400, 298, 2, {{3, 256}}},
      {400, 298, 297, {{399, 256}}},
      {7, 2, 0, {{0, 73}, {1, 110}, {2, 73}}},
      {7, 2, 1, {{3, 73}, {4, 37}, {5, 73}, {6, 73}}},
      {12, 298, 74, {{2, 256}}},
  };
  for (const MappingCase& c : cases)
    EXPECT_EQ(ClusterOf(c.srcW, c.dstW, c.index), c.expected) << c.srcW << " -> " << c.dstW << " [" << c.index << "]";
}

TEST(BuildMapping, EmptyAndSinglePixelSources) {
  const TBoxKernel box;
  EXPECT_TRUE(BuildMapping(0, 5, 0, 5, 3, 3, box).Empty());
  const TMappingTable one = BuildMapping(0, 5, 1, 4, 7, 8, box);
  ASSERT_EQ(one.Count(), 3);
  for (std::int32_t i = 0; i < 3; ++i) EXPECT_EQ(Cluster(one[i].begin(), one[i].end()), (Cluster{{7, 256}}));
}

TEST(BuildMapping, ClipSelectsTheClustersOfItsColumns) {
  const TBoxKernel box;
  const TMappingTable clipped = BuildMapping(0, 298, 1, 3, 0, 400, box);
  ASSERT_EQ(clipped.Count(), 2);
  EXPECT_EQ(Cluster(clipped[0].begin(), clipped[0].end()), ClusterOf(400, 298, 1));
  EXPECT_EQ(Cluster(clipped[1].begin(), clipped[1].end()), ClusterOf(400, 298, 2));
}

// Large reductions give the middle entry a negative weight: 34 -> 1 has 34
// entries of 8, so the middle one carries -8.
TEST(BuildMapping, LargeBoxReductionHasANegativeMiddle) {
  const Cluster c = ClusterOf(34, 1, 0);
  ASSERT_EQ(c.size(), 34u);
  EXPECT_EQ(c[16].Weight, -8);
  std::int32_t sum = 0;
  for (const TPointRec& e : c) sum += e.Weight;
  EXPECT_EQ(sum, 256);
}

TCustomBitmap32* KernelSource(std::int32_t w, std::int32_t h) {
  auto* src = new TCustomBitmap32();
  src->SetSize(w, h);
  src->SetResamplerClassName(L"TKernelResampler");
  return src;
}

std::vector<TColor32> Scaled(const TCustomBitmap32& src, std::int32_t w, std::int32_t h) {
  TCustomBitmap32 dst;
  dst.SetSize(w, h);
  dst.Clear(0);
  dst.Draw({0, 0, w, h}, src.BoundsRect(), &src);
  return {dst.Bits(), dst.Bits() + w * h};
}

// Each output channel is the weighted sum with its fraction dropped:
// column 1 of 400 -> 298 is (65 * p1 + 191 * p2) / 256 truncated.
TEST(Resample, BoxGradientTruncates) {
  std::unique_ptr<TCustomBitmap32> src(KernelSource(400, 1));
  for (std::int32_t x = 0; x < 400; ++x) {
    const TColor32 red = x % 256, green = 255 - x % 256;
    src->SetPixel(x, 0, 0xFF000000 | red << 16 | green << 8 | 0x40);
  }
  const std::vector<TColor32> out = Scaled(*src, 298, 1);
  EXPECT_EQ(out[0], 0xFF00FF40u);
  EXPECT_EQ(out[1], 0xFF01FD40u);  // red 447/256, green 64833/256
  EXPECT_EQ(out[2], 0xFF03FC40u);
  EXPECT_EQ(out[297], 0xFF8F7040u);  // 399 % 256 = 143
}

TEST(Resample, SmallCasesAverageOrRepeat) {
  std::unique_ptr<TCustomBitmap32> src(KernelSource(4, 1));
  const TColor32 px[] = {0xFF000000, 0xFF0A0B0C, 0xFF646464, 0xFFC8C8C9};
  for (std::int32_t x = 0; x < 4; ++x) src->SetPixel(x, 0, px[x]);
  EXPECT_EQ(Scaled(*src, 2, 1), (std::vector<TColor32>{0xFF050506, 0xFF969696}));

  src->SetSize(2, 1);
  src->SetPixel(0, 0, 0xFF102030);
  src->SetPixel(1, 0, 0x80405060);
  EXPECT_EQ(Scaled(*src, 4, 1), (std::vector<TColor32>{0xFF102030, 0xFF102030, 0x80405060, 0x80405060}));
  EXPECT_EQ(Scaled(*src, 3, 1), (std::vector<TColor32>{0xFF102030, 0x80405060, 0x80405060}));

  src->SetSize(3, 1);
  src->SetPixel(0, 0, 0xFF0000FF);
  src->SetPixel(1, 0, 0xFF00FF00);
  src->SetPixel(2, 0, 0xFFFF0000);
  // (85 * 255) / 256, (86 * 255) / 256, (85 * 255) / 256, truncated.
  EXPECT_EQ(Scaled(*src, 1, 1), (std::vector<TColor32>{0xFF545554}));
}

// Weights sum to 256 in every cluster, negative ones included, so a uniform
// colour comes back exactly at every size.
TEST(Resample, UniformColourSurvivesAnyScale) {
  const std::pair<std::int32_t, std::int32_t> sizes[][2] = {
      {{400, 300}, {298, 223}}, {{7, 5}, {2, 3}},     {{1, 1}, {5, 4}},      {{34, 34}, {1, 1}},
      {{1789, 3}, {298, 2}},    {{200, 150}, {397, 298}}, {{13, 2}, {2, 13}}, {{3000, 1}, {29, 1}},
  };
  for (const auto& [from, to] : sizes) {
    std::unique_ptr<TCustomBitmap32> src(KernelSource(from.first, from.second));
    src->Clear(0xC8336699);
    for (TColor32 c : Scaled(*src, to.first, to.second))
      ASSERT_EQ(c, 0xC8336699u) << from.first << "x" << from.second << " -> " << to.first << "x" << to.second;
  }
}

// 34 -> 1 weighs the middle pixel -8 and the others 8 (sum 264 + -8): a
// bright frame round a dark middle sums above 255 and a lone bright middle
// below 0. Both saturate instead of wrapping round.
TEST(Resample, OutOfRangeSumsSaturate) {
  std::unique_ptr<TCustomBitmap32> src(KernelSource(34, 1));
  src->Clear(0xFFFFFFFF);
  src->SetPixel(16, 0, 0xFF000000);
  EXPECT_EQ(Scaled(*src, 1, 1), (std::vector<TColor32>{0xFFFFFFFF}));
  src->Clear(0xFF000000);
  src->SetPixel(16, 0, 0xFFFFFFFF);
  EXPECT_EQ(Scaled(*src, 1, 1), (std::vector<TColor32>{0xFF000000}));
}

// The vectorised passes against a plain evaluation of the two-pass sums on
// noise, for a reduction, an enlargement and a clipped destination.
TEST(Resample, MatchesThePlainTwoPassSums) {
  struct Case {
    std::int32_t sw, sh, dw, dh;
    TRect clip;
  } cases[] = {{61, 47, 17, 13, {0, 0, 17, 13}}, {9, 7, 23, 19, {0, 0, 23, 19}}, {50, 40, 30, 20, {3, 2, 29, 15}}};
  std::uint32_t seed = 12345;
  const TBoxKernel box;
  for (const Case& c : cases) {
    std::unique_ptr<TCustomBitmap32> src(KernelSource(c.sw, c.sh));
    for (std::int32_t i = 0; i < c.sw * c.sh; ++i) src->Bits()[i] = seed = seed * 1664525u + 1013904223u;
    TCustomBitmap32 dst;
    dst.SetSize(c.dw, c.dh);
    dst.Clear(0x12345678);
    dst.SetClipRect(c.clip);
    dst.Draw({0, 0, c.dw, c.dh}, src->BoundsRect(), src.get());
    const TMappingTable mx = BuildMapping(0, c.dw, c.clip.Left, c.clip.Right, 0, c.sw, box);
    const TMappingTable my = BuildMapping(0, c.dh, c.clip.Top, c.clip.Bottom, 0, c.sh, box);
    for (std::int32_t y = 0; y < c.dh; ++y)
      for (std::int32_t x = 0; x < c.dw; ++x) {
        const bool inside = x >= c.clip.Left && x < c.clip.Right && y >= c.clip.Top && y < c.clip.Bottom;
        TColor32 expected = 0x12345678;
        if (inside) {
          expected = 0;
          for (int ch = 0; ch < 4; ++ch) {
            std::int64_t sum = 0;
            for (const TPointRec& ex : mx[x - c.clip.Left])
              for (const TPointRec& ey : my[y - c.clip.Top])
                sum += std::int64_t{ex.Weight} * ey.Weight * ((src->Pixel(ex.Pos, ey.Pos) >> (8 * ch)) & 0xFF);
            expected |= static_cast<TColor32>(sum >> 16) << (8 * ch);
          }
        }
        ASSERT_EQ(dst.Pixel(x, y), expected) << c.sw << "x" << c.sh << " at " << x << "," << y;
      }
  }
}

}  // namespace
}  // namespace bmp32
