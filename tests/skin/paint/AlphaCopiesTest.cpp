#include "skin/paint/AlphaCopies.h"

#include <gtest/gtest.h>

#include "PixelGrid.h"
#include "classlib/graphics/Colors.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {
namespace {

using testing::TPixelGrid;
constexpr TColor NoBlend = classlib::clNone;

TEST(CopyTransRect, CompositesByTheSourceAlphaAndRaisesTheDestinationAlpha) {
  TPixelGrid src(1, 1, 0x80C8C8C8u);  // alpha 128, channels 200
  TPixelGrid dst(1, 1, 0x40646464u);  // alpha 64, channels 100
  CopyTransRect(TRect{0, 0, 0, 0}, TRect{0, 0, 0, 0}, dst.View(), false, TCacheView{}, src.View());
  // ((200 - 100) x 128 + 100 x 256) shr 8 = 150; 64 + 191 x 128 div 255 = 159.
  EXPECT_EQ(dst.At(0, 0), 0x9F969696u);
}

TEST(CopyTransRect, KeyPixelsWithAReadyParent) {
  TPixelGrid src(4, 1, KeyPixel);
  src.At(3, 0) = 0xFF0000FFu;
  TPixelGrid parent(2, 1, 0x00123456u);
  {
    SCOPED_TRACE("with the cache: the parent's colour, opaque, until the parent's right edge ends the row");
    TPixelGrid dst(4, 1, 0x11111111u);
    CopyTransRect(TRect{0, 0, 3, 0}, TRect{0, 0, 3, 0}, dst.View(), true, TCacheView{parent.View(), 0, 0, 0, true},
                  src.View());
    EXPECT_EQ(dst.At(0, 0), 0xFF123456u);
    EXPECT_EQ(dst.At(1, 0), 0xFF123456u);
    EXPECT_EQ(dst.At(2, 0), 0x11111111u);
    EXPECT_EQ(dst.At(3, 0), 0x11111111u);
  }
  {
    SCOPED_TRACE("without the cache: left alone");
    TPixelGrid dst(4, 1, 0x11111111u);
    CopyTransRect(TRect{0, 0, 3, 0}, TRect{0, 0, 3, 0}, dst.View(), false, TCacheView{parent.View(), 0, 0, 0, true},
                  src.View());
    EXPECT_EQ(dst.At(0, 0), 0x11111111u);
    EXPECT_EQ(dst.At(3, 0), 0xFF0000FEu);  // (255 x 255 + 0x11) shr 8
  }
}

// A 64-row, 1-column source: alpha 255, blue 200, green the row number.
TPixelGrid RowNumbered(std::int32_t rows) {
  TPixelGrid src(1, rows);
  for (std::int32_t y = 0; y < rows; ++y) src.At(0, y) = 0xFF0000C8u | static_cast<std::uint32_t>(y) << 8;
  return src;
}

TEST(CopyAlphaBitmap, ReflectionFadesTheLowerHalfBelowTheCopy) {
  TPixelGrid src = RowNumbered(64);
  TPixelGrid dst(1, 96);
  CopyAlphaBitmap(TRect{0, 0, 1, 64}, TRect{0, 0, 1, 64}, dst.View(), src.View(), TCacheView{}, false, NoBlend, 0,
                  true);
  EXPECT_EQ(dst.At(0, 64), 0u);  // the row at DstRect.Bottom is not painted
  // Row 65: source row 62 at level 255, A' = 85: blue 200 x 85 shr 8, green 62 x 85 shr 8.
  EXPECT_EQ(dst.At(0, 65), 0x00001442u);
  // Row 66: source row 61 at level 248, A' = 85 x 248 div 255 = 82.
  EXPECT_EQ(dst.At(0, 66), (61u * 82 >> 8) << 8 | (200u * 82 >> 8));
  // Row 95: source row 32 at level 255 - 30 x 7 = 45, A' = 15.
  EXPECT_EQ(dst.At(0, 95), (32u * 15 >> 8) << 8 | (200u * 15 >> 8));
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(CopyAlphaBitmap, SmallSourcesAndFullDestinationsGetNoReflection) {
  for (const auto& [rows, dstRows] : {std::pair{3, 10}, std::pair{2, 10}, std::pair{8, 9}}) {
    SCOPED_TRACE(rows);
    TPixelGrid src = RowNumbered(rows);
    TPixelGrid dst(1, dstRows);
    CopyAlphaBitmap(TRect{0, 0, 1, rows}, TRect{0, 0, 1, rows}, dst.View(), src.View(), TCacheView{}, false, NoBlend, 0,
                    true);
    for (std::int32_t y = rows; y < dstRows; ++y) EXPECT_EQ(dst.At(0, y), 0u) << y;
    EXPECT_TRUE(dst.GuardsIntact());
  }
}

TEST(CopyAlphaBitmap, ReflectionReadsOnlySourceRowsThatExist) {
  // SrcRect's bottom beyond the source: the mirrored rows that would lie
  // below the source are skipped, the rest drawn.
  TPixelGrid src = RowNumbered(8);
  TPixelGrid dst(1, 12);
  CopyAlphaBitmap(TRect{0, 0, 1, 4}, TRect{0, 4, 1, 12}, dst.View(), src.View(), TCacheView{}, false, NoBlend, 0, true);
  // y = 1..3: source rows 10, 9, 8 do not exist.
  EXPECT_EQ(dst.At(0, 5), 0u);
  EXPECT_EQ(dst.At(0, 7), 0u);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(CopyAlphaBitmap, RecolouringMovesTowardTheGreyLevelScaledByTheColour) {
  struct Case {
    TColor blend;
    std::uint32_t expect;
  };
  // Source B 30, G 60, R 90, alpha 255 over 100s: grey 60.
  const Case cases[] = {
      {0xFFFFFF, 0x003C3C3Cu},  // t = 60: (60 x 255 + 100) shr 8 = 60
      {0x000000, 0x00000000u},  // t = 0: (100 x 1) shr 8 = 0
      {0x0000FF, 0x003C0000u},  // red only: red 60, green and blue toward 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blend);
    TPixelGrid src(1, 1, 0xFF5A3C1Eu);
    TPixelGrid dst(1, 1, 0x00646464u);
    CopyAlphaBitmap(TRect{0, 0, 1, 1}, TRect{0, 0, 1, 1}, dst.View(), src.View(), TCacheView{}, false, c.blend, 0, false);
    EXPECT_EQ(dst.At(0, 0), c.expect);
  }
}

TEST(CopyAlphaBitmap, FullTransparencyChangesNoColourButKeysStillTakeTheParent) {
  for (const std::int32_t transparency : {100, 150}) {
    SCOPED_TRACE(transparency);
    TPixelGrid src(2, 1, 0xFF0000FFu);
    src.At(1, 0) = KeyPixel;
    TPixelGrid dst(2, 1, 0x20646464u);
    TPixelGrid parent(4, 4, 0x00ABCDEFu);
    CopyAlphaBitmap(TRect{0, 0, 2, 1}, TRect{0, 0, 2, 1}, dst.View(), src.View(),
                    TCacheView{parent.View(), 1, 1, 0, true}, true, NoBlend, transparency, false);
    EXPECT_EQ(dst.At(0, 0), 0x20646464u);
    EXPECT_EQ(dst.At(1, 0), 0x20ABCDEFu);  // colour from the parent, alpha kept
  }
}

TEST(CopyAlphaBitmap, AlphaRisesOnlyForPlainOpaqueCopiesOverAReadyParent) {
  const auto alphaAfter = [](TColor blend, std::int32_t transparency, bool ready) {
    TPixelGrid src(1, 1, 0x90000000u);
    TPixelGrid dst(1, 1, 0x40000000u);
    CopyAlphaBitmap(TRect{0, 0, 1, 1}, TRect{0, 0, 1, 1}, dst.View(), src.View(), TCacheView{{}, 0, 0, 0, ready},
                    false, blend, transparency, false);
    return dst.At(0, 0) >> 24;
  };
  EXPECT_EQ(alphaAfter(NoBlend, 0, true), 0x90u);
  EXPECT_EQ(alphaAfter(NoBlend, 0, false), 0x40u);
  EXPECT_EQ(alphaAfter(NoBlend, 10, true), 0x40u);
  EXPECT_EQ(alphaAfter(0xFFFFFF, 0, true), 0x40u);
}

TEST(CopyAlphaBitmap, ANegativeDestinationStartDrawsFromLaterSourceColumns) {
  TPixelGrid src(8, 1);
  for (std::int32_t x = 0; x < 8; ++x) src.At(x, 0) = 0xFF000000u | static_cast<std::uint32_t>(x * 16);
  TPixelGrid dst(4, 1);
  CopyAlphaBitmap(TRect{-3, 0, 5, 1}, TRect{0, 0, 8, 1}, dst.View(), src.View(), TCacheView{}, false, NoBlend, 0,
                  false);
  for (std::int32_t x = 0; x < 4; ++x) EXPECT_EQ(dst.At(x, 0), static_cast<std::uint32_t>((x + 3) * 16 * 255 >> 8)) << x;
  EXPECT_TRUE(dst.GuardsIntact());
}

}  // namespace
}  // namespace skin::paint
