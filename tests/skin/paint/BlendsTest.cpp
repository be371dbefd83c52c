#include "skin/paint/Blends.h"

#include <gtest/gtest.h>

#include "PixelGrid.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {
namespace {

using testing::TPixelGrid;

TEST(BlendRect256, AlphaIsTheDestinationsShareAndAlphaBytesStay) {
  struct Case {
    std::uint8_t alpha;
    std::uint32_t expect;
  };
  // Destination 0x40 channels, alpha 0x11; source 0xC0 channels, alpha 0x22.
  const Case cases[] = {
      {0, 0x11C0C0C0u},    // (0 + s x 256) shr 8 = s
      {255, 0x11404040u},  // (255 d + s) shr 8: (0x40 x 255 + 0xC0) shr 8 = 0x40
      {128, 0x11808080u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int{c.alpha});
    TPixelGrid dst(1, 1, 0x11404040u);
    TPixelGrid src(1, 1, 0x22C0C0C0u);
    BlendRect256(dst.View(), src.View(), c.alpha, TPoint{0, 0}, TRect{0, 0, 1, 1});
    EXPECT_EQ(dst.At(0, 0), c.expect);
  }
}

TEST(BlendRect256, PiecesAreClippedOnBothSidesAndReachTheLastColumn) {
  TPixelGrid src(4, 4);
  for (std::int32_t y = 0; y < 4; ++y)
    for (std::int32_t x = 0; x < 4; ++x) src.At(x, y) = static_cast<std::uint32_t>(x + 4 * y + 1);
  {
    SCOPED_TRACE("ends exactly at the right and bottom edges");
    TPixelGrid dst(3, 3);
    BlendRect256(dst.View(), src.View(), 0, TPoint{1, 1}, TRect{0, 0, 2, 2});
    EXPECT_EQ(dst.At(2, 2), src.At(1, 1));
    EXPECT_EQ(dst.At(1, 1), src.At(0, 0));
    EXPECT_TRUE(dst.GuardsIntact());
  }
  {
    SCOPED_TRACE("negative position: the source's near edge moves inward");
    TPixelGrid dst(3, 3);
    BlendRect256(dst.View(), src.View(), 0, TPoint{-1, -2}, TRect{0, 0, 4, 4});
    EXPECT_EQ(dst.At(0, 0), src.At(1, 2));
    EXPECT_EQ(dst.At(2, 1), src.At(3, 3));
    EXPECT_EQ(dst.At(2, 2), 0u);
    EXPECT_TRUE(dst.GuardsIntact());
  }
  {
    SCOPED_TRACE("negative source start: the destination moves the other way");
    TPixelGrid dst(3, 3);
    BlendRect256(dst.View(), src.View(), 0, TPoint{0, 0}, TRect{-1, 0, 9, 1});
    EXPECT_EQ(dst.At(0, 0), 0u);
    EXPECT_EQ(dst.At(1, 0), src.At(0, 0));
    EXPECT_EQ(dst.At(2, 0), src.At(1, 0));
    EXPECT_TRUE(dst.GuardsIntact());
  }
}

TEST(BlendTransRect, RatioIsTheDestinationsShareAndKeysAreSkipped) {
  struct Case {
    double ratio;
    std::uint32_t expect;
  };
  // Destination 0x11 alpha, channels 10; source channels 20 (alpha ignored).
  const Case cases[] = {
      {0.0, 0x11141414u}, {1.0, 0x110A0A0Au}, {0.5, 0x110F0F0Fu},  // 15
      {0.25, 0x11121212u},  // Round(20 - 2.5) = Round(17.5) = 18 (to even)
      {7.0, 0x110A0A0Au},   // shares beyond 1 count as 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ratio);
    TPixelGrid dst(2, 1, 0x110A0A0Au);
    TPixelGrid src(2, 1, 0xFF141414u);
    src.At(1, 0) = 0x00123456u;  // the key of TransColor 0x563412
    BlendTransRect(dst.View(), 0, 0, 0x563412, c.ratio, TRect{0, 0, 1, 0}, src.View());
    EXPECT_EQ(dst.At(0, 0), c.expect);
    EXPECT_EQ(dst.At(1, 0), 0x110A0A0Au);
  }
}

TEST(BlendBitmaps, MixesEqualSourcesIntoTheirOverlapWithTheDestination) {
  TPixelGrid a(4, 4, 0xFF808080u);
  TPixelGrid b(4, 4, 0x00000000u);
  TPixelGrid dst(2, 3, 0x12345678u);  // smaller than the sources
  BlendBitmaps(dst.View(), a.View(), b.View(), 128, TPixelView{});
  EXPECT_EQ(dst.At(1, 2), 0xFF404040u);
  EXPECT_TRUE(dst.GuardsIntact());

  TPixelGrid unequal(3, 4);
  TPixelGrid untouched(4, 4, 7);
  BlendBitmaps(untouched.View(), a.View(), unequal.View(), 128, TPixelView{});
  EXPECT_EQ(untouched.At(0, 0), 7u);
}

TEST(BlendBitmaps, TheMaskScalesEachPixelsWeightAndMayBeSmaller) {
  TPixelGrid a(3, 1, 0xFFC8C8C8u);  // 200
  TPixelGrid b(3, 1, 0xFF000000u);
  TPixelGrid mask(2, 1);
  mask.At(0, 0) = 0x00000000u;  // full weight
  mask.At(1, 0) = 0x00FF0000u;  // no weight: Src2
  TPixelGrid dst(3, 1, 5);
  BlendBitmaps(dst.View(), a.View(), b.View(), 256, mask.View());
  EXPECT_EQ(dst.At(0, 0), 0xFFC8C8C8u);
  EXPECT_EQ(dst.At(1, 0), 0xFF000000u);
  EXPECT_EQ(dst.At(2, 0), 5u);  // beyond the mask
  // The destination may be one of the sources.
  BlendBitmaps(b.View(), a.View(), b.View(), 128, TPixelView{});
  EXPECT_EQ(b.At(0, 0), 0xFF646464u);
}

TEST(AlphaBlendByMask, MaskRedScalesTheSourceAlphaInsideTheSharedArea) {
  TPixelGrid src(4, 2, 0x80C8C8C8u);  // alpha 128, 200
  TPixelGrid dst(4, 2, 0x33000000u);
  TPixelGrid mask(3, 1);
  mask.At(0, 0) = 0x00000000u;  // a
  mask.At(1, 0) = 0x00FF0000u;  // Dst kept
  mask.At(2, 0) = 0x007F0000u;  // a x 128 shr 8 = 64
  AlphaBlendByMask(dst.View(), src.View(), mask.View(), TRect{-5, -5, 50, 50});
  EXPECT_EQ(dst.At(0, 0), 0x33646464u);
  EXPECT_EQ(dst.At(1, 0), 0x33000000u);
  EXPECT_EQ(dst.At(2, 0), 0x33323232u);
  EXPECT_EQ(dst.At(3, 0), 0x33000000u);  // outside the mask
  EXPECT_EQ(dst.At(0, 1), 0x33000000u);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(FadeBmpToColor, MovesEveryPixelButTheKeyTowardTheColour) {
  TPixelGrid bmp(2, 1, 0x7F0A1464u);  // blue 100, green 20, red 10
  bmp.At(1, 0) = KeyPixel;
  FadeBmpToColor(bmp.View(), 0x000000FF, 0.4);  // toward red 255
  // Blue Round(100 x 0.4) = 40, green Round(8) = 8, red Round(-245 x 0.4 + 255) = 157.
  EXPECT_EQ(bmp.At(0, 0), 0x7F9D0828u);
  EXPECT_EQ(bmp.At(1, 0), KeyPixel);
}

TEST(BlendColorByMask, MaskZeroGivesTheColourAndUnequalSizesNothing) {
  TPixelGrid bmp(2, 1, 0x33102030u);
  TPixelGrid mask(2, 1);
  mask.At(1, 0) = 0x00FFFFFFu;
  BlendColorByMask(bmp.View(), mask.View(), 0x00C0B0A0);
  EXPECT_EQ(bmp.At(0, 0), 0x33A0B0C0u);
  EXPECT_EQ(bmp.At(1, 0), 0x33102030u);  // 255: (d x 255 + c) shr 8 keeps these

  TPixelGrid small(1, 1);
  TPixelGrid kept(2, 1, 5);
  BlendColorByMask(kept.View(), small.View(), 0);
  EXPECT_EQ(kept.At(0, 0), 5u);
}

TEST(BlendEqualBitmaps, AlphaIsTheDestinationsShareForEqualSizesOnly) {
  TPixelGrid dst(1, 1, 0x11000000u);
  TPixelGrid src(1, 1, 0x22C8C8C8u);
  BlendEqualBitmaps(dst.View(), src.View(), 64);  // 200 x 192 shr 8 = 150
  EXPECT_EQ(dst.At(0, 0), 0x11969696u);
  TPixelGrid wider(2, 1, 0xFFFFFFFFu);
  BlendEqualBitmaps(dst.View(), wider.View(), 0);
  EXPECT_EQ(dst.At(0, 0), 0x11969696u);
}

TEST(Blends, RefuseViewsThatAreNot32Bit) {
  std::uint8_t rows[1][3] = {{1, 2, 3}};
  const TPixelView v24 = MakeView(rows, 1, 1, 3, 3);
  TPixelGrid dst(1, 1, 9);
  TPixelGrid src(1, 1, 0xFFFFFFFFu);
  BlendRect256(dst.View(), v24, 0, TPoint{}, TRect{0, 0, 1, 1});
  BlendTransRect(dst.View(), 0, 0, 0, 0.0, TRect{0, 0, 0, 0}, v24);
  BlendBitmaps(dst.View(), src.View(), src.View(), 256, v24);
  AlphaBlendByMask(dst.View(), src.View(), v24, TRect{0, 0, 1, 1});
  BlendColorByMask(dst.View(), v24, 0);
  BlendEqualBitmaps(dst.View(), v24, 0);
  EXPECT_EQ(dst.At(0, 0), 9u);
}

}  // namespace
}  // namespace skin::paint
