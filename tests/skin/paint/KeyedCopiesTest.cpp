#include "skin/paint/KeyedCopies.h"

#include <gtest/gtest.h>

#include "PixelGrid.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {
namespace {

using testing::TPixelGrid;

constexpr std::uint32_t Red = 0xFFFF0000u;
constexpr std::uint32_t Blue = 0xFF0000FFu;

// A source whose pixel (x, y) is 0x01000000 + x + 16 y: every pixel unique.
TPixelGrid Numbered(std::int32_t w, std::int32_t h) {
  TPixelGrid grid(w, h);
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) grid.At(x, y) = 0x01000000u + x + 16 * y;
  return grid;
}

TEST(CopyKeyedRect, NegativeXDrawsFromLaterColumnsAndKeysMatchOnlyWithAZeroFourthByte) {
  TPixelGrid src = Numbered(6, 2);
  src.At(3, 0) = KeyPixel;         // the key: skipped
  src.At(4, 0) = 0x01FF00FFu;      // key colour with a fourth byte: copied
  TPixelGrid dst(4, 3, Blue);
  CopyKeyedRect(dst.View(), src.View(), -2, 1, TRect{1, 0, 5, 1}, 0xFF00FF, TCacheView{});
  // Source columns 3.. (Left 1 - X -2) land at destination column 0.
  EXPECT_EQ(dst.At(0, 1), Blue);         // key left alone
  EXPECT_EQ(dst.At(1, 1), 0x01FF00FFu);  // written whole
  EXPECT_EQ(dst.At(2, 1), src.At(5, 0));
  EXPECT_EQ(dst.At(0, 2), src.At(3, 1));
  EXPECT_EQ(dst.At(3, 1), Blue);
  EXPECT_EQ(dst.At(0, 0), Blue);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(CopyKeyedRect, CuttingTheRectangleToTheSourceDoesNotMoveThePiece) {
  TPixelGrid src = Numbered(3, 3);
  TPixelGrid dst(6, 6, Blue);
  // Left -2 becomes 0, Right 9 becomes 2; source column 0 still goes to X.
  CopyKeyedRect(dst.View(), src.View(), 1, 1, TRect{-2, -1, 9, 0}, 0xFF00FF, TCacheView{});
  EXPECT_EQ(dst.At(1, 1), src.At(0, 0));
  EXPECT_EQ(dst.At(3, 1), src.At(2, 0));
  EXPECT_EQ(dst.At(4, 1), Blue);
  EXPECT_EQ(dst.At(1, 2), Blue);
  // Right < Left after cutting: nothing.
  TPixelGrid untouched(6, 6, Blue);
  CopyKeyedRect(untouched.View(), src.View(), 0, 0, TRect{3, 0, 5, 2}, 0xFF00FF, TCacheView{});
  EXPECT_EQ(untouched.At(0, 0), Blue);
}

TEST(CopyTransparentRect, KeyPixelsByCase) {
  struct Case {
    const char* name;
    bool updateCorners;
    bool ready;
    bool intoParent;
    std::uint32_t expectKey;     // destination (0, 0), behind a key pixel
    std::uint32_t expectCopied;  // destination (1, 0)
  };
  constexpr std::uint32_t Parent = 0xFF123456u;
  constexpr std::uint32_t Copied = 0x00ABCDEFu;
  const Case cases[] = {
      {"flag clear", false, true, false, Blue, Copied},
      {"parent image", true, true, false, Parent, Copied},
      {"into the parent itself", true, true, true, Blue, Copied | 0xFF000000u},
      {"not ready: fill colour", true, false, false, 0x00332211u, Copied},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TPixelGrid src(2, 1);
    src.At(0, 0) = KeyPixel;
    src.At(1, 0) = Copied;
    TPixelGrid dst(3, 2, Blue);
    TPixelGrid parent(5, 5, Parent);
    TCacheView ci{c.intoParent ? dst.View() : parent.View(), 1, 1, 0x112233, c.ready};
    CopyTransparentRect(dst.View(), src.View(), 0, 1, TRect{0, 0, 1, 0}, 0xFF00FF, ci, c.updateCorners);
    EXPECT_EQ(dst.At(0, 1), c.expectKey);
    EXPECT_EQ(dst.At(1, 1), c.expectCopied);
  }
}

TEST(CopyTransparentRect, ParentPixelsOutsideTheParentImageAreNotRead) {
  TPixelGrid src(4, 4, KeyPixel);
  TPixelGrid dst(4, 4, Blue);
  TPixelGrid parent(2, 2, Red);
  CopyTransparentRect(dst.View(), src.View(), 0, 0, TRect{0, 0, 3, 3}, 0xFF00FF, TCacheView{parent.View(), 1, 1, 0, true},
                      true);
  EXPECT_EQ(dst.At(0, 0), Red);
  EXPECT_EQ(dst.At(1, 0), Blue);  // parent column 2: outside
  EXPECT_EQ(dst.At(0, 1), Blue);
  EXPECT_TRUE(dst.GuardsIntact());
}

// A 2-row frame: image row 0 and mask row 1 (mask height 2 div 2 = 1 below).
struct TMaskedStrip {
  TPixelGrid Src{2, 2};
  TsMaskData Mask;
  TMaskedStrip() {
    Src.At(0, 0) = KeyPixel;
    Src.At(1, 0) = 0x00804020u;
    Src.At(0, 1) = 0;            // mask 0: source
    Src.At(1, 1) = 0x00FFFF00u;  // blue 0 (source), green and red 255 (destination kept)
    Mask.R = TRect{0, 0, 2, 2};
  }
};

TEST(CopyByMask, BlendsThroughTheMaskRowsAndTreatsKeysByCase) {
  struct Case {
    const char* name;
    bool ready;
    bool updateCorners;
    std::uint32_t expectKey;
    std::uint32_t expectBlended;
  };
  constexpr std::uint32_t Old = 0x10F0E0D0u;
  // Blue from the source (0x20); green and red at mask 255 keep 255/256 of
  // the destination: (0xE0 x 255 + 0x40) shr 8 = 0xDF, (0xF0 x 255 + 0x80) shr 8 = 0xEF.
  constexpr std::uint32_t Mixed = 0x00EFDF20u;
  const Case cases[] = {
      {"ready, flag clear: keys blended, opaque", true, false, 0xFFFF00FFu, Mixed | 0xFF000000u},
      {"ready, flag set: keys from the parent", true, true, 0xFF123456u, Mixed | 0xFF000000u},
      {"not ready, flag clear: keys skipped", false, false, Old, Mixed | 0x10000000u},
      {"not ready, flag set: fill colour", false, true, 0x44332211u, Mixed | 0x10000000u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMaskedStrip strip;
    TPixelGrid dst(2, 1, Old);
    TPixelGrid parent(2, 1, 0x00123456u);
    const TCacheView ci{parent.View(), 0, 0, 0x44112233, c.ready};
    CopyByMask(TRect{0, 0, 1, 0}, TRect{0, 0, 1, 0}, dst.View(), strip.Src.View(), ci, c.updateCorners, strip.Mask);
    EXPECT_EQ(dst.At(0, 0), c.expectKey);
    EXPECT_EQ(dst.At(1, 0), c.expectBlended);
  }
}

TEST(CopyByMask, RowsWhoseMaskRowLiesOutsideTheSourceAreNotDrawn) {
  TMaskedStrip strip;
  strip.Mask.R = TRect{0, 0, 2, 4};  // mask two rows below: beyond the source
  TPixelGrid dst(2, 2, Blue);
  CopyByMask(TRect{0, 0, 1, 1}, TRect{0, 0, 1, 1}, dst.View(), strip.Src.View(), TCacheView{}, false, strip.Mask);
  EXPECT_EQ(dst.At(1, 0), Blue);
  EXPECT_EQ(dst.At(1, 1), Blue);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(CopyBmpWithKey, TwentyFourBitSourcesAreCopiedOpaqueAroundTheKey) {
  std::uint8_t rows[2][6] = {{0xFF, 0x00, 0xFF, 0x10, 0x20, 0x30}, {0x01, 0x02, 0x03, 0xFF, 0x00, 0xFF}};
  const TPixelView src = MakeView(rows, 2, 2, 6, 3);
  TPixelGrid dst(3, 3, Blue);
  CopyBmpWithKey(dst.View(), src, 1, 0xFF00FF, 2);  // the second row falls below Dst
  EXPECT_EQ(dst.At(1, 2), Blue);
  EXPECT_EQ(dst.At(2, 2), 0xFF302010u);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(KeyedCopies, RefuseViewsThatAreNot32Bit) {
  std::uint8_t rows[1][6] = {{1, 2, 3, 4, 5, 6}};
  const TPixelView src24 = MakeView(rows, 2, 1, 6, 3);
  TPixelGrid dst(2, 1, Blue);
  CopyKeyedRect(dst.View(), src24, 0, 0, TRect{0, 0, 1, 0}, 0xFF00FF, TCacheView{});
  CopyTransparentRect(dst.View(), src24, 0, 0, TRect{0, 0, 1, 0}, 0xFF00FF, TCacheView{}, true);
  CopyByMask(TRect{0, 0, 1, 0}, TRect{0, 0, 1, 0}, dst.View(), src24, TCacheView{}, true, TsMaskData{});
  EXPECT_EQ(dst.At(0, 0), Blue);
  EXPECT_EQ(dst.At(1, 0), Blue);
}

}  // namespace
}  // namespace skin::paint
