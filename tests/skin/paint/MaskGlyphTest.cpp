// Mask glyphs: frame choice, the edge clipping at negative positions, and
// the masked mix with its alpha rise in both modes.
#include "skin/paint/MaskGlyph.h"

#include <gtest/gtest.h>

#include "MaskFixture.h"
#include "PixelGrid.h"

namespace skin::paint {
namespace {

using testing::Coded;
using testing::TMaskFactory;
using testing::TMaskShape;
using testing::TPixelGrid;

using testing::kBand;

TMaskShape Strip(std::int32_t frames, std::int32_t fw, std::int32_t fh, std::int16_t maskType) {
  TMaskShape s;
  s.Frames = frames, s.FrameWidth = fw, s.FrameHeight = fh, s.MaskType = maskType;
  return s;
}

TEST(MaskGlyph, NegativePositionDrawsTheFramesVisibleColumnsAndStateBeyondTheStripTheLastFrame) {
  TMaskFactory factory;
  for (const std::int16_t maskType : {0, 1}) {
    SCOPED_TRACE(maskType);
    const TsMaskData mask = factory.Make(Strip(3, 16, 5, maskType));
    TPixelGrid grid(20, 8, kBand);
    PaintMaskGlyph(grid.View(), TPoint{-3, -1}, 5, 1, mask, TCacheView{});
    EXPECT_TRUE(grid.GuardsIntact());
    for (std::int32_t y = 0; y < 8; ++y)
      for (std::int32_t x = 0; x < 20; ++x) {
        if (x <= 12 && y <= 3)
          ASSERT_EQ(grid.At(x, y) & 0xFFFFFFu, Coded(2, x + 3, y + 1) & 0xFFFFFFu) << x << "," << y;
        else
          ASSERT_EQ(grid.At(x, y), kBand) << x << "," << y;
      }
  }
}

TEST(MaskGlyph, MaskedMixRaisesAlphaAndSkipsKeysAndFullMasks) {
  TMaskFactory factory;
  // Columns: mask 0, 255, 200 (mode 2 raises it to 255), and a key source.
  const std::uint32_t maskOf[] = {0, 255, 200, 0};
  const TsMaskData mask = factory.Make(
      Strip(1, 4, 1, 1), [](std::int32_t, std::int32_t x, std::int32_t) { return x == 3 ? 0x00FF00FFu : 0xFF646464u; },
      [&](std::int32_t, std::int32_t x, std::int32_t) { return maskOf[x] * 0x010101u; });
  for (const std::uint32_t alpha : {0u, 255u}) {
    TPixelGrid mode1(4, 1, alpha << 24 | 0xC8C8C8u), mode2(4, 1, alpha << 24 | 0xC8C8C8u);
    PaintMaskGlyph(mode1.View(), TPoint{0, 0}, 0, 1, mask, TCacheView{});
    PaintMaskGlyph(mode2.View(), TPoint{0, 0}, 0, 2, mask, TCacheView{});
    // Mask 0: the glyph's colour, alpha a + ((255 - a) x 255) shr 8.
    const std::uint32_t raised = alpha + (((255 - alpha) * 255) >> 8);
    EXPECT_EQ(mode1.At(0, 0), raised << 24 | 0x646464u);
    EXPECT_EQ(mode1.At(1, 0), alpha << 24 | 0xC8C8C8u);  // red 255: untouched
    EXPECT_EQ(mode1.At(3, 0), alpha << 24 | 0xC8C8C8u);  // key source: untouched
    // Mode 2 with 200 uses 255: (255 x d + s) shr 8; alpha still rises by 55.
    const std::uint32_t lighter = (255 * 200 + 100) >> 8;
    EXPECT_EQ(mode2.At(2, 0), (alpha + (((255 - alpha) * 55) >> 8)) << 24 | lighter * 0x010101u);
    // Mode 2 with mask 0 uses 100.
    EXPECT_EQ(mode2.At(0, 0) & 0xFFu, (200u * 100 + 100 * 156) >> 8);
  }
}

TEST(MaskGlyph, UnmaskedGlyphWithItsOwnImageIsAKeyedCopyThatIgnoresTheBackground) {
  TMaskFactory factory;
  const TsMaskData mask = factory.Make(
      Strip(1, 3, 1, 0), [](std::int32_t, std::int32_t x, std::int32_t) { return x == 1 ? 0x00FF00FFu : 0xFF010203u; });
  TPixelGrid parent(3, 1, 0xFF999999u);
  TCacheView ci;
  ci.Bmp = parent.View(), ci.Ready = true;
  TPixelGrid grid(3, 1, kBand);
  PaintMaskGlyph(grid.View(), TPoint{0, 0}, 0, 1, mask, ci);
  EXPECT_EQ(grid.At(0, 0), 0xFF010203u);
  EXPECT_EQ(grid.At(1, 0), kBand);
}

TEST(MaskGlyph, NothingForAStripWithoutFramesOrAnOwnImageTooSmall) {
  TMaskFactory factory;
  TsMaskData none = factory.Make(Strip(2, 4, 4, 1));
  none.ImageCount = 0;
  TsMaskData small = factory.Make(Strip(2, 4, 4, 1));
  small.R.Right += 1;
  TsMaskData negative = factory.Make(Strip(2, 4, 4, 1));
  negative.MaskType = -1;
  for (const TsMaskData* mask : {&none, &small, &negative}) {
    TPixelGrid grid(8, 8, kBand);
    PaintMaskGlyph(grid.View(), TPoint{0, 0}, 0, 1, *mask, TCacheView{});
    EXPECT_EQ(grid.At(0, 0), kBand);
    EXPECT_TRUE(grid.GuardsIntact());
  }
}

}  // namespace
}  // namespace skin::paint
