// Region corners: key runs as rectangles, the whole-bitmap frame with its
// shrink rule, corner fills and the corner-run list, all kept inside their
// images.
#include "skin/paint/MaskRegions.h"

#include <gtest/gtest.h>

#include "MaskFixture.h"
#include "PixelGrid.h"

namespace skin::paint {
namespace {

using testing::Coded;
using testing::TMaskFactory;
using testing::TMaskShape;
using testing::TPixelGrid;

constexpr std::uint32_t kKey = 0x00FF00FFu;
using testing::kBand;

TMaskShape Frame(std::int32_t fw, std::int32_t fh, std::int16_t wl, std::int16_t wt, std::int16_t wr,
                 std::int16_t wb) {
  TMaskShape s;
  s.FrameWidth = fw, s.FrameHeight = fh, s.WL = wl, s.WT = wt, s.WR = wr, s.WB = wb;
  return s;
}

TEST(MaskRegions, KeyRunsOfACornerRowBecomeOneRectangleEach) {
  TMaskFactory factory;
  // Top row: key, key, opaque, key.
  const TsMaskData mask = factory.Make(Frame(4, 4, 4, 1, 0, 0), [](std::int32_t, std::int32_t x, std::int32_t y) {
    return y == 0 && x != 2 ? kKey : Coded(0, x, y);
  });
  TPixelGrid grid(10, 10, kBand);
  std::vector<TRect> cuts;
  CopyMaskCorners(5, 3, 8, 3, 0, 0, 3, 0, grid.View(), &cuts, mask, true);
  ASSERT_EQ(cuts.size(), 2u);
  EXPECT_EQ(cuts[0], (TRect{5, 3, 7, 4}));
  EXPECT_EQ(cuts[1], (TRect{8, 3, 9, 4}));
  EXPECT_EQ(grid.At(5, 3), kBand);  // key pixels are not drawn
  EXPECT_EQ(grid.At(7, 3), Coded(0, 2, 0));
  // Without Update every pixel is copied and nothing is cut.
  cuts.clear();
  CopyMaskCorners(5, 3, 8, 3, 0, 0, 3, 0, grid.View(), &cuts, mask, false);
  EXPECT_TRUE(cuts.empty());
  EXPECT_EQ(grid.At(5, 3), kKey);
}

TEST(MaskRegions, CornersAreCutToTheDestinationAndSource) {
  TMaskFactory factory;
  const TsMaskData mask = factory.Make(Frame(4, 4, 2, 2, 2, 2), [](std::int32_t, std::int32_t, std::int32_t) { return kKey; });
  TPixelGrid grid(6, 6, kBand);
  std::vector<TRect> cuts;
  CopyMaskCorners(4, 4, 9, 9, 2, 2, 9, 9, grid.View(), &cuts, mask, true);
  EXPECT_TRUE(grid.GuardsIntact());
  ASSERT_EQ(cuts.size(), 2u);  // 2 rows of 2 pixels
  EXPECT_EQ(cuts[1], (TRect{4, 5, 6, 6}));
}

TEST(MaskRegions, WholeBitmapFrameShrinksItsBordersByTheSameRule) {
  TMaskFactory factory;
  struct {
    std::int16_t wl, wr;
    std::int32_t wantLeft, wantRight;
  } cases[] = {{4, 7, 3, 6}, {4, 6, 4, 5}};
  for (const auto& c : cases) {
    const TsMaskData mask = factory.Make(Frame(12, 4, c.wl, 1, c.wr, 1));
    TPixelGrid grid(9, 4, kBand);
    CopyMaskCornersWithRegion(grid.View(), nullptr, true, mask, 0);
    // The left corner's last column and the right corner's first.
    EXPECT_EQ(grid.At(c.wantLeft - 1, 0), Coded(0, c.wantLeft - 1, 0)) << c.wl << "/" << c.wr;
    EXPECT_EQ(grid.At(9 - c.wantRight, 0), Coded(0, 12 - c.wantRight, 0)) << c.wl << "/" << c.wr;
    EXPECT_TRUE(grid.GuardsIntact());
  }
}

TEST(MaskRegions, WholeBitmapFrameCutsTheKeyPixelsOfAllFourCorners) {
  TMaskFactory factory;
  TMaskShape shape = Frame(6, 6, 2, 2, 2, 2);
  shape.DrawMode = 4;
  // A key pixel at each outer corner of the frame.
  const TsMaskData mask = factory.Make(shape, [](std::int32_t, std::int32_t x, std::int32_t y) {
    return (x == 0 || x == 5) && (y == 0 || y == 5) ? kKey : Coded(0, x, y);
  });
  TPixelGrid grid(20, 10, kBand);
  std::vector<TRect> cuts;
  CopyMaskCornersWithRegion(grid.View(), &cuts, true, mask, 3);
  ASSERT_EQ(cuts.size(), 4u);
  // Order: top-left, bottom-left, bottom-right, top-right.
  EXPECT_EQ(cuts[0], (TRect{0, 0, 1, 1}));
  EXPECT_EQ(cuts[1], (TRect{0, 9, 1, 10}));
  EXPECT_EQ(cuts[2], (TRect{19, 9, 20, 10}));
  EXPECT_EQ(cuts[3], (TRect{19, 0, 20, 1}));
  EXPECT_EQ(grid.At(9, 5), Coded(0, 2 + (9 - 2) % 2, 2 + (5 - 2) % 2));  // centre tiled
}

TEST(MaskRegions, StretchedFrameRepeatsTheNearestSidePixels) {
  TMaskFactory factory;
  TMaskShape shape = Frame(6, 6, 2, 2, 2, 2);
  shape.DrawMode = 1 | 4;
  const TsMaskData mask = factory.Make(shape);
  TPixelGrid grid(20, 10, kBand);
  CopyMaskCornersWithRegion(grid.View(), nullptr, true, mask, 0);
  EXPECT_TRUE(grid.GuardsIntact());
  // 16 columns from 2: column x shows 2 + ((2 (x - 2) + 1) x 2) div 32.
  for (std::int32_t x = 2; x < 18; ++x)
    EXPECT_EQ(grid.At(x, 0), Coded(0, 2 + (2 * (x - 2) + 1) * 2 / 32, 0)) << x;
  EXPECT_EQ(grid.At(10, 7), Coded(0, 3, 3));  // centre, 6 rows from 2: row 7 shows 2 + (11 x 2) div 12
}

TEST(MaskRegions, FillMaskCornerTakesSourcePixelsWhereTheKeyShows) {
  TMaskFactory factory;
  // Frame 6 x 6 with 2-pixel borders; key at (0, 0) and at (5, 5) only.
  const TsMaskData mask = factory.Make(Frame(6, 6, 2, 2, 2, 2), [](std::int32_t, std::int32_t x, std::int32_t y) {
    return (x == 0 && y == 0) || (x == 5 && y == 5) ? kKey : Coded(0, x, y);
  });
  TPixelGrid src(4, 4, 0xFFABCDEFu);
  for (const std::int32_t corner : {kCornerTopLeft, 15, kCornerBottomRight}) {
    TPixelGrid dst(4, 4, kBand);
    FillMaskCorner(dst.View(), src.View(), TRect{2, 2, 4, 4}, TPoint{0, 0}, &mask, corner);
    const bool bottomRight = corner == kCornerBottomRight;
    EXPECT_EQ(dst.At(2, 2), bottomRight ? kBand : 0xFFABCDEFu) << corner;
    EXPECT_EQ(dst.At(3, 3), bottomRight ? 0xFFABCDEFu : kBand) << corner;
    EXPECT_TRUE(dst.GuardsIntact());
  }
  // No mask: Dst's own key pixels take the source; a rectangle reaching past
  // Dst is cut to it.
  TPixelGrid dst(3, 3, kKey);
  FillMaskCorner(dst.View(), src.View(), TRect{1, 1, 9, 9}, TPoint{0, 0}, nullptr, kCornerTopLeft);
  EXPECT_EQ(dst.At(2, 2), 0xFFABCDEFu);
  EXPECT_EQ(dst.At(0, 0), kKey);
  EXPECT_TRUE(dst.GuardsIntact());
}

TEST(MaskRegions, CornerRunsForAWindowOfAnyWidth) {
  TMaskFactory factory;
  // Two frames of 8 x 5; key: the whole first row of the left corner,
  // key, key, opaque, key in the right corner's last row.
  const TsMaskData mask = factory.Make(Frame(8, 5, 3, 2, 4, 2), [](std::int32_t, std::int32_t x, std::int32_t y) {
    if (y == 0 && x < 3) return kKey;
    if (y == 4 && x >= 4 && x != 6) return kKey;
    return Coded(0, x, y);
  });
  std::vector<TRect> rects{TRect{1, 1, 2, 2}};
  CollectCornerRects(rects, 100, mask, false, 0);
  ASSERT_EQ(rects.size(), 2u);  // the one already there is kept
  EXPECT_EQ(rects[1], (TRect{0, 0, 3, 1}));
  rects.clear();
  // The bottom corners are the image's last rows: no row past them is read.
  CollectCornerRects(rects, 100, mask, true, 40);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0], (TRect{96, 41, 98, 42}));
  EXPECT_EQ(rects[1], (TRect{99, 41, 100, 42}));
  rects.clear();
  TsMaskData none = mask;
  none.ImageCount = 0;
  CollectCornerRects(rects, 100, none, false, 0);
  EXPECT_TRUE(rects.empty());
}

}  // namespace
}  // namespace skin::paint
