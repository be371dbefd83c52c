// The alpha-keeping copies and the masked stretches: fixed values and the
// column clipping of the stretch.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "MaskFixture.h"
#include "PixelGrid.h"
#include "skin/paint/MaskCopy32.h"
#include "skin/paint/MaskStretch.h"

namespace skin::paint {
namespace {

using testing::TMaskFactory;
using testing::TMaskShape;
using testing::TPixelGrid;

// A 2-row strip: row 0 colours, row 1 masks (mask type 1, one frame).
TsMaskData TwoRows(TMaskFactory& factory, std::int32_t width, std::function<std::uint32_t(std::int32_t)> colour,
                   std::function<std::uint32_t(std::int32_t)> mask) {
  TMaskShape s;
  s.FrameWidth = width, s.FrameHeight = 1, s.MaskType = 1;
  return factory.Make(
      s, [=](std::int32_t, std::int32_t x, std::int32_t) { return colour(x); },
      [=](std::int32_t, std::int32_t x, std::int32_t) { return mask(x); });
}

TPixelView ImageOf(const TsMaskData& mask) { return ViewOf(mask.Bmp.get()); }

TEST(MaskCopy32, MaskSetsTheAlphaAndKeysBecomeTransparentOrTakeTheParent) {
  TMaskFactory factory;
  const std::uint32_t masks[] = {0, 255, 100, 0};
  const TsMaskData mask = TwoRows(
      factory, 4, [](std::int32_t x) { return x == 3 ? 0x00FF00FFu : 0xFFFFFFFFu; },
      [&](std::int32_t x) { return masks[x] << 16; });
  TPixelGrid dst(4, 1, 0x00000000u);
  CopyByMask32(TRect{0, 0, 3, 0}, TRect{0, 0, 3, 0}, dst.View(), ImageOf(mask), TCacheView{}, mask);
  EXPECT_EQ(dst.At(0, 0), 0xFFFEFEFEu);  // mask 0: 255 x 255 shr 8 = 254, alpha 255
  EXPECT_EQ(dst.At(1, 0), 0x00000000u);  // mask 255: alpha stays 0
  EXPECT_EQ(dst.At(2, 0), 0x9B9A9A9Au);  // 255 x 155 shr 8 = 154, alpha 155
  EXPECT_EQ(dst.At(3, 0), 0x00000000u);  // key: transparent
  TPixelGrid opaque(4, 1, 0xFF102030u), parent(4, 1, 0x80ABCDEFu);
  TCacheView ci;
  ci.Bmp = parent.View(), ci.Ready = true;
  CopyByMask32(TRect{0, 0, 3, 0}, TRect{0, 0, 3, 0}, opaque.View(), ImageOf(mask), ci, mask);
  EXPECT_EQ(opaque.At(1, 0), 0xFF0F1F2Fu);  // mask 255: d x 255 shr 8, opaque stays opaque
  EXPECT_EQ(opaque.At(3, 0), 0x80ABCDEFu);  // key: the parent's pixel
  TPixelGrid keyed(4, 1, 0xFF102030u);
  CopyByMask32(TRect{0, 0, 3, 0}, TRect{0, 0, 3, 0}, keyed.View(), ImageOf(mask), TCacheView{}, mask);
  EXPECT_EQ(keyed.At(3, 0), 0x00102030u);
}

TEST(MaskCopy32, RowOfManyPixelsAgreesWithThePixelRuleOneByOne) {
  std::mt19937 rng(5);
  const auto pixel = [&] {
    const std::uint32_t v = static_cast<std::uint32_t>(rng());
    return v % 7 == 0 ? 0x00FF00FFu : v % 11 == 0 ? v & 0x00FFFFFFu : v % 13 == 0 ? v | 0xFF000000u : v;
  };
  for (int round = 0; round < 200; ++round) {
    const std::int32_t n = static_cast<std::int32_t>(rng() % 23);
    std::vector<std::uint32_t> d(n), s(n), m(n);
    for (std::int32_t i = 0; i < n; ++i) d[i] = pixel(), s[i] = pixel(), m[i] = pixel();
    std::vector<std::uint32_t> whole = d, single = d;
    CopyRowByMask32(whole.data(), s.data(), m.data(), n);
    for (std::int32_t i = 0; i < n; ++i) {
      // One pixel at a time takes the plain path.
      CopyRowByMask32(&single[i], &s[i], &m[i], 1);
      ASSERT_EQ(whole[i], single[i]) << round << " at " << i;
    }
  }
}

TEST(MaskStretch, AlphaKeepingStretchCopiesMaskZeroExactlyAndKeepsMask255) {
  TMaskFactory factory;
  const TsMaskData mask = TwoRows(
      factory, 2, [](std::int32_t x) { return x == 0 ? 0x00123456u : 0x00654321u; },
      [](std::int32_t x) { return x == 0 ? 0u : 0x00FF0000u; });
  TPixelGrid dst(8, 3, 0x40808080u);
  StretchByMask32(0, 0, 8, 3, 0, 0, 2, 1, dst.View(), ImageOf(mask), 1, false);
  EXPECT_EQ(dst.At(0, 1), 0xFF123456u);
  EXPECT_EQ(dst.At(7, 1), 0x40808080u);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(MaskStretch, BlocksReachingPastTheDestinationAreClippedOnBothAxes) {
  TMaskFactory factory;
  const TsMaskData mask =
      TwoRows(factory, 3, [](std::int32_t x) { return 0xFF000000u | static_cast<std::uint32_t>(x); },
              [](std::int32_t) { return 0u; });
  for (const bool centre : {false, true}) {
    TPixelGrid dst(10, 6, 0x11111111u);
    StretchByMask(4, 2, 12, 9, 0, 0, 3, 1, dst.View(), ImageOf(mask), 1, centre);
    StretchByMask32(4, 2, 12, 9, 0, 0, 3, 1, dst.View(), ImageOf(mask), 1, centre);
    EXPECT_TRUE(dst.GuardsIntact());
    EXPECT_EQ(dst.At(3, 3), 0x11111111u);
  }
  // Nearest: destination column d of 12 shows source column (2d + 1) x 3 div 24.
  TPixelGrid dst(10, 6, 0x11111111u);
  StretchByMask(4, 2, 12, 9, 0, 0, 3, 1, dst.View(), ImageOf(mask), 1, false);
  EXPECT_EQ(dst.At(4, 2), 0xFF000000u);
  EXPECT_EQ(dst.At(8, 2), 0xFF000001u);  // d = 4: 27 div 24 = 1
}

TEST(MaskStretch, SourceBlocksOrMaskRowsOutsideTheImageDrawNothing) {
  TMaskFactory factory;
  const TsMaskData mask = TwoRows(factory, 3, [](std::int32_t) { return 0xFF0000FFu; }, [](std::int32_t) { return 0u; });
  TPixelGrid dst(6, 6, 0x11111111u);
  StretchByMask(0, 0, 6, 6, 1, 0, 3, 1, dst.View(), ImageOf(mask), 1, false);  // one column too far
  StretchByMask(0, 0, 6, 6, 0, 0, 3, 1, dst.View(), ImageOf(mask), 2, false);  // mask row below the image
  StretchByMask(-1, 0, 6, 6, 0, 0, 3, 1, dst.View(), ImageOf(mask), 1, false); // block before the destination
  EXPECT_EQ(dst.At(2, 2), 0x11111111u);
}

}  // namespace
}  // namespace skin::paint
