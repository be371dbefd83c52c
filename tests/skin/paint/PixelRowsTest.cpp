#include "skin/paint/PixelRows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "bitmap/Bmp32_Bindings.h"
#include "bitmap/Bmp32_System.h"
#include "skin/paint/PixelRowsSse2.h"

namespace skin::paint {
namespace {

using Row = std::vector<std::uint32_t>;
using bmp32::TFunctionVariant;
using bmp32::TProcessorFeatures;

// Binds every row to the variant that needs exactly `features`.
void BindVariantsNeeding(TProcessorFeatures features) {
  PixelRowsRegistry().BindAll([features](const TFunctionVariant& v) {
    return v.RequiredFeatures == features ? 0 : bmp32::NO_PRIORITY;
  });
}

constexpr TProcessorFeatures kPlain = 0;
#ifdef __SSE2__
constexpr TProcessorFeatures kSse2 = bmp32::FeatureBit(bmp32::pfSSE2);
const TProcessorFeatures kVariants[] = {kPlain, kSse2};
#else
const TProcessorFeatures kVariants[] = {kPlain};
#endif

// Each test binds what it needs and puts the start-up binding back.
class PixelRows : public ::testing::Test {
 protected:
  void TearDown() override { PixelRowsRegistry().BindAll(); }
};

#ifdef __SSE2__
TEST(PixelRowsStartUp, TheVectorFormsAreBoundBeforeFirstUse) {
  ASSERT_TRUE(bmp32::HasProcessorFeature(bmp32::pfSSE2));
  EXPECT_EQ(BlendRowByMask, &sse2::BlendRowByMask);
  EXPECT_EQ(BlendRowConst, &sse2::BlendRowConst);
  EXPECT_EQ(PremultiplyRow, &sse2::PremultiplyRow);
  EXPECT_EQ(FillDWords, sse2::FillDWords);
}
#endif

// The formulas on hand-worked pixels, through every variant.
TEST_F(PixelRows, MaskBlendWeighsEachChannelByTheMaskAndHonoursTheMode) {
  struct Case {
    std::uint32_t dst, src, mask, mode, out;
  };
  const Case cases[] = {
      // mask 0 gives the source colour; the destination keeps its alpha
      {0x80102030u, 0x11C0D0E0u, 0x00000000u, mrBlendKeys, 0x80C0D0E0u},
      // mask 255: (255 d + s) shr 8
      {0x80FFFFFFu, 0x00000000u, 0x00FFFFFFu, mrBlendKeys, 0x80FEFEFEu},
      // per channel: blue by mask blue 128, green by 0, red by 255; d < s
      {0x00204060u, 0x00A0C0E0u, 0x00FF0080u, mrAlphaOpaque, 0xFF20C0A0u},
      // a key source pixel is blended unless skipped
      {0x12345678u, KeyPixel, 0x00000000u, mrBlendKeys, 0x12FF00FFu},
      {0x12345678u, KeyPixel, 0x00000000u, mrSkipKeys | mrAlphaOpaque, 0x12345678u},
      // only the whole value is the key
      {0x12345678u, 0x01FF00FFu, 0x00000000u, mrSkipKeys, 0x12FF00FFu},
  };
  for (TProcessorFeatures variant : kVariants) {
    BindVariantsNeeding(variant);
    for (const Case& c : cases) {
      std::uint32_t d = c.dst;
      BlendRowByMask(&d, &c.src, &c.mask, 1, c.mode);
      EXPECT_EQ(d, c.out) << "variant " << int(variant) << std::hex << " dst " << c.dst << " src " << c.src;
    }
  }
}

TEST_F(PixelRows, ConstBlendKeepsTheGivenShareOfTheDestination) {
  struct Case {
    std::uint32_t kept, out;
  };
  const std::uint32_t dst = 0x7FFF8000u, src = 0x00004080u;
  const Case cases[] = {
      {0, 0x7F004080u},    // the source, alpha untouched
      {255, 0x7FFE7F00u},  // (255 d + s) shr 8
      {128, 0x7F7F6040u},
      {256, dst},          // the destination
      {1000, dst},         // beyond 256 counts as 256
  };
  for (TProcessorFeatures variant : kVariants) {
    BindVariantsNeeding(variant);
    for (const Case& c : cases) {
      std::uint32_t d = dst;
      BlendRowConst(&d, &src, 1, c.kept);
      EXPECT_EQ(d, c.out) << "variant " << int(variant) << " kept " << c.kept;
    }
  }
}

TEST_F(PixelRows, PremultiplyDividesBy256AndClearsTransparentWhite) {
  for (TProcessorFeatures variant : kVariants) {
    BindVariantsNeeding(variant);
    Row row = {0x80FF0000u, 0x00FFFFFFu, 0xFFFFFFFFu, 0x00FFFFFEu, 0x40804020u};
    PremultiplyRow(row.data(), static_cast<std::int32_t>(row.size()));
    EXPECT_EQ(row, (Row{0x807F0000u, 0, 0xFFFEFEFEu, 0x00000000u, 0x40201008u})) << int(variant);
  }
}

TEST_F(PixelRows, FillWritesCountWordsAndNothingForCountBelowOne) {
  for (TProcessorFeatures variant : kVariants) {
    BindVariantsNeeding(variant);
    Row row(40, 7u);
    FillDWords(row.data(), 0, 1u);
    FillDWords(row.data(), -5, 1u);
    EXPECT_EQ(row, Row(40, 7u));
    FillDWords(row.data() + 1, 37, 9u);
    Row expected(40, 9u);
    expected[0] = expected[38] = expected[39] = 7u;
    EXPECT_EQ(row, expected) << int(variant);
  }
}

#ifdef __SSE2__
// Plain and SSE2 against each other on random rows of awkward widths, from
// an unaligned start; words past the row must stay as they were.
constexpr std::int32_t kWidths[] = {0, 1, 2, 3, 4, 5, 7, 8, 15, 16, 17, 31, 1921};
constexpr std::int32_t kOffset = 1;  // one word in, so the rows are unaligned
constexpr std::int32_t kGuard = 5;

struct RandomRows {
  explicit RandomRows(std::int32_t width, unsigned seed) : size(kOffset + width + kGuard) {
    std::mt19937 rng(seed);
    for (Row* row : {&dst, &src, &mask}) {
      row->resize(size);
      for (std::uint32_t& p : *row) p = static_cast<std::uint32_t>(rng());
    }
    // Keys, transparent white and the extreme mask values are the cases the
    // rows treat apart.
    for (std::size_t i = 0; i < size; ++i) {
      const unsigned kind = rng() % 8;
      if (kind == 0) src[i] = KeyPixel;
      if (kind == 1) dst[i] = 0x00FFFFFFu;
      if (kind == 2) mask[i] = 0;
      if (kind == 3) mask[i] = 0xFFFFFFFFu;
    }
  }
  std::size_t size;
  Row dst, src, mask;
};

template <class Op>
void ExpectTwinsAgree(const char* what, Op op) {
  unsigned seed = 1;
  for (std::int32_t width : kWidths) {
    const RandomRows rows(width, seed++);
    Row byVariant[2];
    int k = 0;
    for (TProcessorFeatures variant : {kPlain, kSse2}) {
      BindVariantsNeeding(variant);
      Row out = rows.dst;
      op(out.data() + kOffset, rows.src.data() + kOffset, rows.mask.data() + kOffset, width);
      byVariant[k++] = out;
    }
    EXPECT_EQ(byVariant[0], byVariant[1]) << what << " width " << width;
    for (std::size_t i = kOffset + width; i < rows.size; ++i)
      ASSERT_EQ(byVariant[1][i], rows.dst[i]) << what << " wrote past width " << width;
  }
}

TEST_F(PixelRows, MaskBlendTwinsAgreeInEveryMode) {
  for (std::uint32_t mode : {0u, 1u, 2u, 3u}) {
    ExpectTwinsAgree("mask blend", [mode](std::uint32_t* d, const std::uint32_t* s, const std::uint32_t* m,
                                          std::int32_t n) { BlendRowByMask(d, s, m, n, mode); });
  }
}

TEST_F(PixelRows, ConstBlendTwinsAgreeForEveryWeight) {
  for (std::uint32_t kept : {0u, 1u, 77u, 128u, 255u, 256u, 257u, 0xFFFFFFFFu}) {
    ExpectTwinsAgree("const blend", [kept](std::uint32_t* d, const std::uint32_t* s, const std::uint32_t*,
                                           std::int32_t n) { BlendRowConst(d, s, n, kept); });
  }
}

TEST_F(PixelRows, PremultiplyAndFillTwinsAgree) {
  ExpectTwinsAgree("premultiply", [](std::uint32_t* d, const std::uint32_t*, const std::uint32_t*,
                                     std::int32_t n) { PremultiplyRow(d, n); });
  ExpectTwinsAgree("fill", [](std::uint32_t* d, const std::uint32_t* s, const std::uint32_t*, std::int32_t n) {
    FillDWords(d, n, s[0]);
  });
}

// Every weight against every channel pair, one pixel per (d, s) pair, so no
// product of the 16-bit trick is left untried.
TEST_F(PixelRows, VectorMixIsExactOverAllBytePairs) {
  Row dst, src;
  for (std::uint32_t d = 0; d < 256; ++d)
    for (std::uint32_t s = 0; s < 256; ++s) {
      dst.push_back(d * 0x01010101u);
      src.push_back(s * 0x01010101u);
    }
  const auto n = static_cast<std::int32_t>(dst.size());
  for (std::uint32_t w = 0; w <= 256; ++w) {
    Row plainOut = dst, vectorOut = dst;
    const Row mask(dst.size(), w > 255 ? 0xFFFFFFFFu : w * 0x01010101u);
    plain::BlendRowConst(plainOut.data(), src.data(), n, w);
    sse2::BlendRowConst(vectorOut.data(), src.data(), n, w);
    ASSERT_EQ(plainOut, vectorOut) << "const weight " << w;
    if (w > 255) continue;
    plainOut = vectorOut = dst;
    plain::BlendRowByMask(plainOut.data(), src.data(), mask.data(), n, mrBlendKeys);
    sse2::BlendRowByMask(vectorOut.data(), src.data(), mask.data(), n, mrBlendKeys);
    ASSERT_EQ(plainOut, vectorOut) << "mask weight " << w;
  }
}
#endif

}  // namespace
}  // namespace skin::paint
