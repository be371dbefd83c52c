#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "bitmap/Bmp32_Blend.h"
#include "bitmap/Bmp32_BlendPlain.h"
#include "bitmap/Bmp32_BlendSse2.h"
#include "bitmap/Bmp32_BlendTables.h"

namespace bmp32 {
namespace {

constexpr TColor32 kHalfRed = 0x80FF0000;     // alpha 128, red 255
constexpr TColor32 kOpaqueBlue = 0xFF0000FF;
constexpr TColor32 kOpaqueWhite = 0xFFFFFFFF;
constexpr TColor32 kOpaqueBlack = 0xFF000000;

std::uint32_t Lane(TColor32 c, int i) { return (c >> (8 * i)) & 0xFF; }

// Random colours with the alpha extremes well represented.
std::vector<TColor32> RandomColours(std::size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<TColor32> colours(n);
  for (TColor32& c : colours) {
    c = static_cast<TColor32>(rng());
    switch (rng() % 4) {
      case 0: c &= 0x00FFFFFF; break;
      case 1: c |= 0xFF000000; break;
      default: break;
    }
  }
  return colours;
}

TEST(BlendTables, Values) {
  EXPECT_EQ(MulTable[255][255], 255);
  EXPECT_EQ(MulTable[128][128], 64);
  EXPECT_EQ(MulTable[1][128], 1);
  EXPECT_EQ(MulTable[0][200], 0);
  EXPECT_EQ(DivTable[255][77], 77);
  EXPECT_EQ(DivTable[0][9], 0);
  EXPECT_EQ(DivTable[2][1], 128);    // 127.5: ties to even
  EXPECT_EQ(DivTable[128][64], 128);  // 127.5
  EXPECT_EQ(DivTable[2][3], 382 & 0xFF);  // 382.5 to even, low byte kept
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(AlphaTable.data()) % 16, 0u);
  for (std::uint16_t lane : AlphaTable[5].Lanes) EXPECT_EQ(lane, 5);
  for (std::uint16_t lane : BiasPointer->Lanes) EXPECT_EQ(lane, 128);
}

TEST(PlainBlend, PartNumbers) {
  // Red 128, green 0, blue 127, alpha 64 + 127.
  EXPECT_EQ(plain::BlendPixel(kHalfRed, kOpaqueBlue), 0xBF80007Fu);
  EXPECT_EQ(plain::BlendPixel(kOpaqueWhite, kOpaqueBlack), kOpaqueWhite);
  EXPECT_EQ(plain::BlendPixel(0x00123456, kOpaqueBlue), kOpaqueBlue);
  EXPECT_EQ(plain::BlendPixelMaster(kOpaqueWhite, 0, 127), 0x007F7F7Fu);
  EXPECT_EQ(plain::BlendPixelMaster(0x00FFFFFF, 0x12345678, 255), 0x12345678u);
  EXPECT_EQ(plain::BlendPixelMaster(0x01FFFFFF, 0x12345678, 254), 0x12345678u);  // A = 0
  EXPECT_EQ(plain::CombinePixel(kOpaqueWhite, 0, 0), 0u);
  EXPECT_EQ(plain::CombinePixel(kOpaqueWhite, 0, 255), kOpaqueWhite);
  EXPECT_EQ(plain::CombinePixel(kOpaqueWhite, 0, 128), 0x80808080u);
  EXPECT_EQ(plain::ChannelExclusion(kOpaqueWhite, kOpaqueWhite), 0x02020202u);
}

#ifdef __SSE2__
TEST(Sse2Blend, SingleRoundingPartNumbers) {
  EXPECT_EQ(sse2::BlendPixel(kHalfRed, kOpaqueBlue), 0xC0800080u);
  EXPECT_EQ(sse2::BlendPixel(kOpaqueWhite, kOpaqueBlack), 0xFFFEFEFEu);
  EXPECT_EQ(sse2::BlendPixel(kOpaqueBlack, kOpaqueWhite), 0xFF010101u);
  EXPECT_EQ(sse2::BlendPixel(0x00123456, 0x89ABCDEF), 0x89ABCDEFu);  // Fa = 0 gives B exactly

  TColor32 b = kOpaqueBlack;
  sse2::BlendPixelInPlace(kOpaqueWhite, b);
  EXPECT_EQ(b, kOpaqueWhite);
  std::vector<TColor32> src(6, kOpaqueWhite), dst(6, kOpaqueBlack);
  sse2::BlendRow(src.data(), dst.data(), 6);
  EXPECT_EQ(dst, src);

  EXPECT_EQ(sse2::BlendPixelMaster(kOpaqueWhite, 0, 127), 0x7F7F7F7Fu);
  EXPECT_EQ(sse2::CombinePixel(0x12345678, 0x9ABCDEF0, 0), 0x9ABCDEF0u);
  EXPECT_EQ(sse2::CombinePixel(0xFFFFFFFF, 0, 255), 0xFEFEFEFEu);
  EXPECT_EQ(sse2::ChannelExclusion(kOpaqueWhite, kOpaqueWhite), 0x02020202u);
}

TEST(Sse2Blend, FollowsTheSingleRoundingRuleAndStaysNearThePlainOne) {
  const auto fs = RandomColours(4000, 1);
  const auto bs = RandomColours(4000, 2);
  int agreeing = 0, lanes = 0;
  for (std::size_t k = 0; k < fs.size(); ++k) {
    const TColor32 f = fs[k], b = bs[k];
    const std::uint32_t a = f >> 24;
    const TColor32 vector = sse2::BlendPixel(f, b);
    const TColor32 scalar = plain::BlendPixel(f, b);
    for (int i = 0; i < 4; ++i) {
      const int fl = static_cast<int>(Lane(f, i)), bl = static_cast<int>(Lane(b, i));
      const int expected = (bl * 256 + 128 + (fl - bl) * static_cast<int>(a)) >> 8;
      ASSERT_EQ(static_cast<int>(Lane(vector, i)), expected) << std::hex << f << " over " << b;
      if (a == 0) {
        ASSERT_EQ(Lane(vector, i), Lane(scalar, i));
      }
      if (a > 0 && a < 255) {
        const int diff = static_cast<int>(Lane(vector, i)) - static_cast<int>(Lane(scalar, i));
        ASSERT_GE(diff, -1);
        ASSERT_LE(diff, 2);
        agreeing += diff == 0;
        ++lanes;
      }
    }
  }
  EXPECT_GT(agreeing, lanes / 4);
  EXPECT_LT(agreeing, lanes);
}

// The row form works on four pixels at once without unpacking them; every
// pair of channel values, in every lane, must still follow the rule, for the
// weights at both ends and around the middle. The odd count leaves a tail.
TEST(Sse2Blend, CombineRowFollowsTheRuleForEveryChannelPair) {
  std::vector<TColor32> src, background;
  for (std::uint32_t f = 0; f < 256; ++f)
    for (std::uint32_t b = 0; b < 256; ++b) {
      src.push_back(f * 0x01010101u);
      background.push_back(b * 0x01010101u);
    }
  src.resize(src.size() + 3, 0xFF00FF00);
  background.resize(background.size() + 3, 0x00FF00FF);
  for (std::uint32_t w : {1u, 2u, 64u, 127u, 128u, 129u, 200u, 253u, 254u}) {
    auto row = background;
    sse2::CombineRow(src.data(), row.data(), static_cast<std::int32_t>(row.size()), w);
    for (std::size_t k = 0; k < row.size(); ++k)
      for (int i = 0; i < 4; ++i) {
        const int f = static_cast<int>(Lane(src[k], i)), b = static_cast<int>(Lane(background[k], i));
        const int expected = (b * 256 + 128 + (f - b) * static_cast<int>(w)) >> 8;
        ASSERT_EQ(static_cast<int>(Lane(row[k], i)), expected) << "weight " << w << ", " << f << " over " << b;
      }
  }
}

TEST(Sse2Blend, MasterFormWeightsAllLanes) {
  const auto fs = RandomColours(2000, 3);
  const auto bs = RandomColours(2000, 4);
  for (std::size_t k = 0; k < fs.size(); ++k)
    for (std::uint32_t m : {0u, 1u, 127u, 200u, 255u, 999u}) {
      const TColor32 f = fs[k], b = bs[k];
      const int a = static_cast<int>(((std::min(m, 255u) + 1) * (f >> 24)) >> 8);
      TColor32 expected = 0;
      for (int i = 0; i < 4; ++i) {
        const int fl = static_cast<int>(Lane(f, i)), bl = static_cast<int>(Lane(b, i));
        expected |= static_cast<TColor32>((bl * 256 + 128 + (fl - bl) * a) >> 8) << (8 * i);
      }
      ASSERT_EQ(sse2::BlendPixelMaster(f, b, m), expected) << std::hex << f << " " << b << " " << m;
    }
}

struct ChannelPair {
  const char* name;
  TChannelOp* plainForm;
  TChannelOp* vectorForm;
};

TEST(Sse2Blend, ChannelOperationsAreIdenticalToThePlainForms) {
  const ChannelPair pairs[] = {
      {"max", plain::ChannelMax, sse2::ChannelMax},
      {"min", plain::ChannelMin, sse2::ChannelMin},
      {"add", plain::ChannelAdd, sse2::ChannelAdd},
      {"sub", plain::ChannelSub, sse2::ChannelSub},
      {"modulate", plain::ChannelModulate, sse2::ChannelModulate},
      {"difference", plain::ChannelDifference, sse2::ChannelDifference},
      {"exclusion", plain::ChannelExclusion, sse2::ChannelExclusion},
  };
  const auto as = RandomColours(5000, 5);
  const auto bs = RandomColours(5000, 6);
  for (const ChannelPair& p : pairs)
    for (std::size_t k = 0; k < as.size(); ++k)
      ASSERT_EQ(p.plainForm(as[k], bs[k]), p.vectorForm(as[k], bs[k]))
          << p.name << " " << std::hex << as[k] << " " << bs[k];
  for (TColor32 c : as)
    for (std::int32_t w : {-1000, -1, 0, 1, 128, 255, 256, 70000}) {
      ASSERT_EQ(plain::ChannelScale(c, w), sse2::ChannelScale(c, w)) << std::hex << c << " " << w;
      ASSERT_EQ(plain::Lighten(c, w), sse2::Lighten(c, w)) << std::hex << c << " " << w;
    }
}

TEST(Sse2Blend, MergeFormRoundsItsOwnWay) {
  EXPECT_EQ(sse2::MergePixel(kHalfRed, 0x00345678), kHalfRed);
  EXPECT_EQ(sse2::MergePixel(0x00345678, kOpaqueBlue), kOpaqueBlue);
  EXPECT_EQ(sse2::MergePixel(kHalfRed, kOpaqueBlue), 0xFF7F007Fu);
  // Alpha X/255 rounded down: 1 over 1 gives X = 509, Ra = 1.
  EXPECT_EQ(sse2::MergePixel(0x01FF0000, 0x010000FF) >> 24, 1u);
}
#endif

TEST(Merge, BoundMergeFollowsTheBoundBlend) {
  EXPECT_EQ(MergePixel(kHalfRed, 0x00345678), kHalfRed);
  EXPECT_EQ(MergePixel(0x00345678, kOpaqueBlue), kOpaqueBlue);
  EXPECT_EQ(MergePixel(kHalfRed, kOpaqueBlue), BlendPixel(kHalfRed, kOpaqueBlue) | 0xFF000000);
#ifdef __SSE2__
  EXPECT_EQ(MergePixel(kHalfRed, kOpaqueBlue), 0xFF800080u);
#endif
  TBlendReg* const bound = BlendPixel;
  BlendPixel = plain::BlendPixel;
  const TColor32 withPlainBlend = MergePixel(kHalfRed, kOpaqueBlue);
  BlendPixel = bound;
  EXPECT_EQ(withPlainBlend, 0xFF80007Fu);
}

TEST(Merge, TranslucentOverTranslucent) {
  // Half red over half blue: Ra = 128 + 128 - 64 = 192; the background's
  // premultiplied blue 64 moves halfway to 0, red halfway from 0 to 255.
  const TColor32 halfBlue = 0x800000FF;
  const TColor32 merged = plain::MergePixel(kHalfRed, halfBlue);
  EXPECT_EQ(merged >> 24, 192u);
  EXPECT_EQ(Lane(merged, 2), DivTable[192][MulTable[128][255]]);
  EXPECT_EQ(Lane(merged, 0), DivTable[192][128 - MulTable[128][128]]);
  // The unbound first form weights by Fa / Ra.
  const TColor32 mixed = plain::MergePixelMix(kHalfRed, halfBlue);
  EXPECT_EQ(mixed >> 24, 192u);
  EXPECT_EQ(Lane(mixed, 2), MulTable[DivTable[192][128]][255]);
  // The master alpha scales the foreground's alpha first.
  EXPECT_EQ(plain::MergePixelMaster(0xFF0000FF, 0, 128), 0x800000FFu);
}

TEST(Channels, PlainRules) {
  EXPECT_EQ(plain::ChannelDiv(0x00408000, 0x00204080), 0xFF8080FFu);
  EXPECT_EQ(plain::ChannelDiv(0x01010101, 0xFFFFFFFF), 0xFFFFFFFFu);  // capped at 255
  EXPECT_EQ(plain::ChannelAverage(0xFF000001, 0x01000002), 0x80000001u);
  EXPECT_EQ(plain::ChannelAdd(0xF0F0F0F0, 0x20202020), 0xFFFFFFFFu);
  EXPECT_EQ(plain::ChannelSub(0x10101010, 0x20202020), 0u);
  EXPECT_EQ(plain::ChannelModulate(0xFF808080, 0xFF808080), 0xFE404040u);
  EXPECT_EQ(plain::ChannelDifference(0x10F01080, 0xF0108010), 0xE0E07070u);
  EXPECT_EQ(plain::ChannelScale(0x01000002, -1), 0xFF0000FFu);  // wraps as unsigned
  EXPECT_EQ(plain::ChannelScale(0x80402010, 128), 0x40201008u);
  EXPECT_EQ(plain::Lighten(0x80102030, 20), 0x80243444u);
  EXPECT_EQ(plain::Lighten(0x80102030, -0x20), 0x80000010u);
  EXPECT_EQ(plain::Lighten(0x80102030, 1000), 0x80FFFFFFu);
}

struct RowForms {
  const char* name;
  TBlendLine* blendRow;
  TBlendMem* blendInPlace;
  TBlendLineEx* masterRow;
  TBlendMemEx* masterInPlace;
  TCombineLine* combineRow;
  TCombineMem* combineInPlace;
};

std::vector<RowForms> AllRowForms() {
  std::vector<RowForms> forms = {{"plain", plain::BlendRow, plain::BlendPixelInPlace,
                                  plain::BlendRowMaster, plain::BlendPixelInPlaceMaster,
                                  plain::CombineRow, plain::CombinePixelInPlace}};
#ifdef __SSE2__
  forms.push_back({"sse2", sse2::BlendRow, sse2::BlendPixelInPlace, sse2::BlendRowMaster,
                   sse2::BlendPixelInPlaceMaster, sse2::CombineRow, sse2::CombinePixelInPlace});
#endif
  return forms;
}

TEST(Rows, EachPixelAsItsInPlaceForm) {
  const auto src = RandomColours(64, 7);
  const auto background = RandomColours(64, 8);
  for (const RowForms& f : AllRowForms())
    for (int count = 0; count <= 11; ++count) {
      SCOPED_TRACE(testing::Message() << f.name << " count " << count);
      auto row = background;
      auto expected = background;
      f.blendRow(src.data(), row.data(), count);
      for (int i = 0; i < count; ++i) f.blendInPlace(src[i], expected[i]);
      ASSERT_EQ(row, expected);
      for (std::uint32_t m : {0u, 100u, 255u}) {
        row = expected = background;
        f.masterRow(src.data(), row.data(), count, m);
        for (int i = 0; i < count; ++i) f.masterInPlace(src[i], expected[i], m);
        ASSERT_EQ(row, expected) << "master " << m;
      }
      for (std::uint32_t w : {0u, 1u, 77u, 255u}) {
        row = expected = background;
        f.combineRow(src.data(), row.data(), count, w);
        for (int i = 0; i < count; ++i) f.combineInPlace(src[i], expected[i], w);
        ASSERT_EQ(row, expected) << "weight " << w;
      }
    }
}

TEST(Rows, BoundMergeRowsMatchTheBoundPixel) {
  const auto src = RandomColours(20, 9);
  const auto background = RandomColours(20, 10);
  auto row = background;
  MergeRow(src.data(), row.data(), 20);
  for (int i = 0; i < 20; ++i) ASSERT_EQ(row[i], MergePixel(src[i], background[i]));
  row = background;
  MergeRowMaster(src.data(), row.data(), 20, 90);
  for (int i = 0; i < 20; ++i) ASSERT_EQ(row[i], MergePixelMaster(src[i], background[i], 90));
  row = background;
  MergeRow(src.data(), row.data(), 0);
  MergeRow(src.data(), row.data(), -3);
  EXPECT_EQ(row, background);
}

TEST(Rows, CombineModeSelectsTheFamily) {
  EXPECT_EQ(BlendOperationsFor(cmBlend).Pixel, BlendPixel);
  EXPECT_EQ(BlendOperationsFor(cmBlend).RowMaster, BlendRowMaster);
  EXPECT_EQ(BlendOperationsFor(cmMerge).Pixel, MergePixel);
  EXPECT_EQ(BlendOperationsFor(cmMerge).Row, MergeRow);
}

}  // namespace
}  // namespace bmp32
