#include <gtest/gtest.h>

#include <vector>

#include "PixelGrid.h"
#include "skin/paint/GlowMask.h"
#include "skin/paint/TextStamp.h"

namespace skin::paint {
namespace {

using classlib::Point;
using classlib::Rect;

using testing::TPixelGrid;

struct TMask8 {
  TMask8(int w, int h, std::uint8_t fill) : width(w), height(h), bytes(static_cast<std::size_t>(w * h), fill) {}
  TPixelView View() { return MakeView(bytes.data(), width, height, width, 1); }
  std::uint8_t& At(int x, int y) { return bytes[static_cast<std::size_t>(y * width + x)]; }
  int width, height;
  std::vector<std::uint8_t> bytes;
};

TEST(GlowMask, BlurSpreadsADotSymmetricallyAndKeepsFlatAreas) {
  TMask8 mask(21, 21, 255);
  mask.At(10, 10) = 0;
  BlurGlowMask(mask.View(), 2);
  EXPECT_LT(mask.At(10, 10), 255);
  EXPECT_GT(mask.At(10, 10), 0);
  EXPECT_LT(mask.At(10, 10), mask.At(11, 10));  // darkest in the middle
  for (int d = 1; d <= 6; ++d) {
    EXPECT_EQ(mask.At(10 - d, 10), mask.At(10 + d, 10)) << d;
    EXPECT_EQ(mask.At(10, 10 - d), mask.At(10 + d, 10)) << d;
  }
  EXPECT_EQ(mask.At(0, 0), 255);  // far corners untouched

  TMask8 flat(9, 5, 77);
  BlurGlowMask(flat.View(), 30);  // normalised weights: a flat area stays flat
  for (std::uint8_t v : flat.bytes) EXPECT_EQ(v, 77);
}

TEST(GlowMask, SizeBelowOneLeavesTheMask) {
  for (int size : {0, -4}) {
    TMask8 mask(5, 5, 255);
    mask.At(2, 2) = 0;
    BlurGlowMask(mask.View(), size);
    EXPECT_EQ(mask.At(2, 2), 0);
    EXPECT_EQ(mask.At(1, 2), 255);
  }
}

TEST(GlowMask, CompositeMovesTowardTheGlowColourAndStaysInside) {
  TPixelGrid dst(4, 3, 0x80102030u);
  TMask8 mask(4, 4, 255);
  mask.At(0, 0) = 0;    // full glow
  mask.At(1, 0) = 128;  // half
  mask.At(2, 0) = 255;  // none
  mask.At(0, 3) = 0;    // lands below the image
  const TColor red = 0x0000FF;
  CompositeGlow(dst.View(), mask.View(), Point(1, 0), red);
  EXPECT_EQ(dst.At(0, 0), 0x80102030u);  // left of the mask's origin
  EXPECT_EQ(dst.At(1, 0), 0xFFFF0000u);
  // d := (d - c) x 128 div 255 + c, truncated toward zero; a := 128 + 127 x 127 div 255.
  const std::uint32_t r = (0x10 - 0xFF) * 128 / 255 + 0xFF, g = 0x20 * 128 / 255, b = 0x30 * 128 / 255;
  EXPECT_EQ(dst.At(2, 0), (128u + 127 * 127 / 255) << 24 | r << 16 | g << 8 | b);
  EXPECT_EQ(dst.At(3, 0), 0x80102030u);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(TextStamp, DarknessMixesTheColourAndWhiteIsSkipped) {
  TPixelGrid dst(3, 2, 0x00204060u);
  TPixelGrid stamp(3, 2, 0x00FFFFFFu);
  stamp.At(0, 0) = 0x00000000u;  // black text: the colour itself
  stamp.At(1, 0) = 0x00808080u;  // grey edge: k = 128
  stamp.At(2, 0) = 0xFFFFFFFFu;  // opaque white: skipped too
  stamp.At(0, 1) = 0x01FFFFFFu;  // white with another alpha is not skipped: k = 255
  const TColor blue = 0xFF0000;
  StampText(dst.View(), stamp.View(), Point(0, 0), blue);
  EXPECT_EQ(dst.At(0, 0), 0xFF0000FFu);
  const std::uint32_t mixedB = (0x60 * 128 + 0xFF * 128) >> 8, mixedG = (0x40 * 128) >> 8,
                      mixedR = (0x20 * 128) >> 8;
  EXPECT_EQ(dst.At(1, 0), 0xFF000000u | mixedR << 16 | mixedG << 8 | mixedB);
  EXPECT_EQ(dst.At(2, 0), 0x00204060u);
  EXPECT_EQ(dst.At(0, 1), 0xFF000000u | ((0x20 * 255) >> 8) << 16 | ((0x40 * 255) >> 8) << 8 |
                              ((0x60 * 255 + 0xFF) >> 8));
  EXPECT_EQ(dst.At(1, 1), 0x00204060u);
}

TEST(TextStamp, ClipsAtEveryEdge) {
  TPixelGrid dst(3, 3, 0x00FFFFFFu);
  TPixelGrid stamp(3, 3, 0x00000000u);
  for (TPoint at : {Point(-2, 0), Point(2, 0), Point(0, -2), Point(0, 2), Point(-5, -5), Point(5, 5)})
    StampText(dst.View(), stamp.View(), at, 0);
  EXPECT_TRUE(dst.GuardsIntact());
  EXPECT_EQ(dst.At(0, 0), 0xFF000000u);
  EXPECT_EQ(dst.At(1, 1), 0x00FFFFFFu);  // no shifted stamp reaches the centre
}

}  // namespace
}  // namespace skin::paint
