#include "skin/paint/BitmapGlyph.h"

#include <gtest/gtest.h>

#include "PixelGrid.h"

namespace skin::paint {
namespace {

using testing::TPixelGrid;

TEST(GlyphFrameIndex, ByStateStripAndDepth) {
  struct Case {
    std::int32_t numGlyphs;
    std::uint8_t extra;
    std::int32_t state;
    bool enabled;
    bool oneBit;
    std::int32_t expect;
  };
  const Case cases[] = {
      {4, 0, 0, true, false, 0},  {4, 0, 1, false, false, 0}, {4, 0, 1, true, false, 1},
      {4, 0, 1, true, true, 0},   {4, 0, 2, true, false, 2},  {4, 1, 2, true, false, 3},
      {3, 1, 2, true, false, 1},  {3, 1, 2, true, true, 0},   {2, 0, 2, true, false, 1},
      {4, 0, 3, true, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.numGlyphs << " " << int{c.extra} << " " << c.state << " " << c.enabled
                                      << " " << c.oneBit);
    EXPECT_EQ(GlyphFrameIndex(c.numGlyphs, c.extra, c.state, c.enabled, c.oneBit), c.expect);
  }
}

// Three 2 x 2 frames: frame i opaque with blue 0x10 x (i + 1), its
// bottom-left pixel the frame's key (a colour with a zero fourth byte).
TPixelGrid Strip() {
  TPixelGrid strip(6, 2);
  for (std::int32_t i = 0; i < 3; ++i) {
    for (std::int32_t y = 0; y < 2; ++y)
      for (std::int32_t x = 0; x < 2; ++x) strip.At(2 * i + x, y) = 0xFF000000u | 0x10u * static_cast<std::uint32_t>(i + 1);
    strip.At(2 * i, 1) = 0x00000100u * static_cast<std::uint32_t>(i + 1);
  }
  return strip;
}

TEST(PaintBitmapGlyph, DrawsTheStatesFrameKeyedOnItsBottomLeftPixel) {
  TPixelGrid strip = Strip();
  TPixelGrid dst(4, 4, 7);
  PaintBitmapGlyph(strip.View(), false, dst.View(), TRect{1, 1, 3, 3}, 0, false, 0, 1, 0, true, 3);
  EXPECT_EQ(dst.At(1, 1), 0xFF000020u);
  EXPECT_EQ(dst.At(2, 2), 0xFF000020u);
  EXPECT_EQ(dst.At(1, 2), 7u);  // the key
  EXPECT_EQ(dst.At(3, 1), 7u);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(PaintBitmapGlyph, StripsWithoutFramesDrawNothing) {
  TPixelGrid strip = Strip();
  for (const std::int32_t numGlyphs : {0, -2, 7}) {  // 7 frames of 6 pixels: 0 wide
    SCOPED_TRACE(numGlyphs);
    TPixelGrid dst(4, 4, 7);
    PaintBitmapGlyph(strip.View(), false, dst.View(), TRect{0, 0, 4, 4}, 0, false, 0, 0, 0, true, numGlyphs);
    PaintBitmapGlyph(strip.View(), false, dst.View(), TRect{0, 0, 4, 4}, 0, false, 50, 0, dgBlended, false, numGlyphs);
    for (std::int32_t y = 0; y < 4; ++y)
      for (std::int32_t x = 0; x < 4; ++x) EXPECT_EQ(dst.At(x, y), 7u);
  }
}

TEST(PaintBitmapGlyph, ABlendedStateZeroMixesByBlendPercent) {
  TPixelGrid strip(2, 1, 0xFF000064u);  // blue 100
  strip.At(1, 0) = 0x00FF00FFu;          // the fixed key of blends
  TPixelGrid dst(2, 1, 0x11000000u);
  PaintBitmapGlyph(strip.View(), false, dst.View(), TRect{0, 0, 2, 1}, 0, false, 25, 0, 0, true, 1);
  EXPECT_EQ(dst.At(0, 0), 0x1100004Bu);  // Round(100 - 100 x 0.25)
  EXPECT_EQ(dst.At(1, 0), 0x11000000u);
}

TEST(PaintBitmapGlyph, DisabledSingleGlyphGreyedThenBlendedOverR) {
  TPixelGrid glyph(3, 2, 0xFF1E3C5Au);  // grey level (0x1E + 0x3C + 0x5A) div 3 = 0x3C
  glyph.At(0, 1) = 0x00000000u;          // the key: black with a zero fourth byte
  TPixelGrid dst(3, 2, 0x00000000u);
  PaintBitmapGlyph(glyph.View(), false, dst.View(), TRect{0, 0, 2, 2}, 0, false, 0, 0, dgGrayed | dgBlended, false, 1);
  EXPECT_EQ(dst.At(0, 0), 0x001E1E1Eu);  // half of grey 0x3C, alpha kept
  EXPECT_EQ(dst.At(0, 1), 0u);           // key
  EXPECT_EQ(dst.At(2, 0), 0u);           // outside R's size
}

}  // namespace
}  // namespace skin::paint
