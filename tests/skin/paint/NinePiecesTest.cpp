#include "skin/paint/NinePieces.h"

#include <gtest/gtest.h>

#include <vector>

#include "PixelGrid.h"

namespace skin::paint {
namespace {

using testing::TPixelGrid;

std::vector<TNinePieceBlit> Layout(const TRect& dst, bool fillCentre, std::uint8_t centreMode,
                                   std::array<std::int32_t, 4> sides, const TRect& limits, const TRect& margins,
                                   const TRect& src, const TRect& clip = TRect{-1000, -1000, 1000, 1000}) {
  std::vector<TNinePieceBlit> blits;
  LayoutNinePieces(dst, fillCentre, centreMode, sides, limits, margins, src, clip,
                   [&](const TNinePieceBlit& b) { blits.push_back(b); });
  return blits;
}

bool Has(const std::vector<TNinePieceBlit>& blits, std::int64_t dx, std::int64_t dy, std::int64_t w, std::int64_t h,
         std::int64_t sx, std::int64_t sy) {
  for (const TNinePieceBlit& b : blits)
    if (!b.Stretch && b.DstX == dx && b.DstY == dy && b.DstW == w && b.DstH == h && b.SrcX == sx && b.SrcY == sy)
      return true;
  return false;
}

TEST(NinePieces, LimitsEqualToMarginsDrawEachCornerAsOneBlock) {
  const TRect margins{2, 3, 4, 5};
  const auto blits = Layout(TRect{10, 20, 30, 40}, false, 0, {9, 9, 9, 9}, margins, margins, TRect{0, 0, 16, 18});
  ASSERT_EQ(blits.size(), 4u);  // side mode 9 draws nothing
  EXPECT_TRUE(Has(blits, 10, 20, 2, 3, 0, 0));
  EXPECT_TRUE(Has(blits, 10, 35, 2, 5, 0, 13));
  EXPECT_TRUE(Has(blits, 26, 20, 4, 3, 12, 0));
  EXPECT_TRUE(Has(blits, 26, 35, 4, 5, 12, 13));
}

TEST(NinePieces, LimitedMarginsAddTheRestOfTheCornerAtTheLimitedWidth) {
  const auto blits =
      Layout(TRect{0, 0, 20, 20}, false, 0, {9, 9, 9, 9}, TRect{1, 2, 1, 2}, TRect{3, 4, 3, 4}, TRect{0, 0, 10, 10});
  EXPECT_TRUE(Has(blits, 0, 0, 3, 2, 0, 0));    // top-left, only mt high
  EXPECT_TRUE(Has(blits, 0, 2, 1, 2, 0, 2));    // below it, ml wide
  EXPECT_TRUE(Has(blits, 19, 2, 1, 2, 9, 2));   // top-right's rest at D.R - mr
  EXPECT_TRUE(Has(blits, 0, 16, 1, 2, 0, 6));   // above bottom-left
  EXPECT_EQ(blits.size(), 8u);
}

TEST(NinePieces, TiledSidesEndWithAPartialTileAndStretchedOnesAreOneBlock) {
  // Source 5 high with margins 1 and 1: tiles 3 high; the left side runs 10
  // rows (1 .. 11): tiles at 1, 4, 7 and the rest of 1 row at 10.
  const auto tiled =
      Layout(TRect{0, 0, 4, 12}, false, 0, {0, 9, 9, 9}, TRect{1, 1, 1, 1}, TRect{1, 1, 1, 1}, TRect{0, 0, 4, 5});
  EXPECT_TRUE(Has(tiled, 0, 1, 1, 3, 0, 1));
  EXPECT_TRUE(Has(tiled, 0, 7, 1, 3, 0, 1));
  EXPECT_TRUE(Has(tiled, 0, 10, 1, 1, 0, 1));
  EXPECT_EQ(tiled.size(), 4u + 4u);

  const auto stretched =
      Layout(TRect{0, 0, 4, 12}, false, 0, {1, 9, 9, 9}, TRect{1, 1, 1, 1}, TRect{1, 1, 1, 1}, TRect{0, 0, 4, 5});
  ASSERT_EQ(stretched.size(), 5u);
  const TNinePieceBlit& side = stretched.back();
  EXPECT_TRUE(side.Stretch);
  EXPECT_EQ(side.DstH, 10);
  EXPECT_EQ(side.SrcH, 3);
}

TEST(NinePieces, OnlyTilesThatShowAreLaidOut) {
  // A side a million pixels long, tiles one pixel: only the clip's worth.
  const auto blits = Layout(TRect{0, 0, 1000000, 4}, true, 0, {0, 0, 0, 0}, TRect{1, 1, 1, 1}, TRect{1, 1, 1, 1},
                            TRect{0, 0, 3, 3}, TRect{500, 0, 510, 4});
  EXPECT_LE(blits.size(), 40u);
  EXPECT_TRUE(Has(blits, 500, 0, 1, 1, 1, 0));
  EXPECT_TRUE(Has(blits, 509, 1, 1, 1, 1, 1));  // centre
}

TEST(NinePieces, PaintedOverViewsWithTiledCentre) {
  // A 3 x 3 source with 1-pixel margins: the centre pixel is tiled.
  TPixelGrid src(3, 3);
  for (std::int32_t y = 0; y < 3; ++y)
    for (std::int32_t x = 0; x < 3; ++x) src.At(x, y) = static_cast<std::uint32_t>(10 * y + x);
  TPixelGrid dst(6, 5, 99);
  PaintNinePieces(dst.View(), src.View(), TRect{0, 0, 7, 5}, true, 0, {0, 0, 0, 0}, TRect{1, 1, 1, 1},
                  TRect{1, 1, 1, 1}, TRect{0, 0, 3, 3});
  EXPECT_EQ(dst.At(0, 0), 0u);
  EXPECT_EQ(dst.At(3, 0), 1u);   // top side
  EXPECT_EQ(dst.At(0, 4), 20u);  // bottom-left corner
  EXPECT_EQ(dst.At(4, 2), 11u);  // centre
  EXPECT_EQ(dst.At(5, 2), 11u);  // the right side (column 6) lies outside
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(NinePieces, StretchedCentrePicksTheNearestSourcePixel) {
  TPixelGrid src(4, 3);
  src.At(1, 1) = 1;
  src.At(2, 1) = 2;
  TPixelGrid dst(6, 3, 99);
  PaintNinePieces(dst.View(), src.View(), TRect{0, 0, 6, 3}, true, 1, {9, 9, 9, 9}, TRect{1, 1, 1, 1},
                  TRect{1, 1, 1, 1}, TRect{0, 0, 4, 3});
  EXPECT_EQ(dst.At(1, 1), 1u);
  EXPECT_EQ(dst.At(2, 1), 1u);
  EXPECT_EQ(dst.At(3, 1), 2u);
  EXPECT_EQ(dst.At(4, 1), 2u);
}

}  // namespace
}  // namespace skin::paint
