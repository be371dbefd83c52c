// The nine-piece painter over coordinate-coded masks: every painted pixel
// decodes to the frame, column and row it was taken from, and the band
// around the rectangle and the bitmap's guard stay untouched.
#include "skin/paint/MaskRect.h"

#include <gtest/gtest.h>

#include <string>

#include "MaskFixture.h"
#include "PixelGrid.h"
#include "skin/paint/MaskFrame.h"
#include "skin/paint/NearestMap.h"

namespace skin::paint {
namespace {

using testing::Coded;
using testing::TMaskFactory;
using testing::TMaskShape;
using testing::TPixelGrid;

using testing::kBand;

struct TCodedCase {
  std::string Name;
  std::int32_t Width, Height;  // of the rectangle
  TMaskShape Shape;
  std::int32_t State;
  // Expected after shrinking, and the frame shown.
  std::int64_t WL, WT, WR, WB;
  std::int32_t Frame;
};

// Test names show the case, not its bytes.
void PrintTo(const TCodedCase& c, std::ostream* os) { *os << c.Name; }

// Frame offset of the pixel at offset o of a run of len painted with borders
// a and b from a frame run of frameLen.
std::int64_t SourceOffset(std::int64_t o, std::int64_t len, std::int64_t a, std::int64_t b, std::int64_t frameLen,
                          bool stretched) {
  if (o < a) return o;
  if (o >= len - b) return frameLen - b + (o - (len - b));
  const std::int64_t mid = frameLen - a - b;
  return a + (stretched ? NearestSource(o - a, len - a - b, mid) : (o - a) % mid);
}

class CodedMasks : public ::testing::TestWithParam<TCodedCase> {};

TEST_P(CodedMasks, EveryPixelDecodesToItsSourceAndNothingOutsideIsTouched) {
  const TCodedCase& c = GetParam();
  TMaskFactory factory;
  const std::int32_t left = 3, top = 2;
  for (const std::int16_t maskType : {0, 1})
    for (const bool stretched : {false, true}) {
      SCOPED_TRACE(::testing::Message() << "mask type " << maskType << (stretched ? " stretched" : " tiled"));
      TMaskShape shape = c.Shape;
      shape.MaskType = maskType;
      // A masked stretched centre is filtered: coded pixels would not decode.
      const bool centre = !(maskType == 1 && stretched);
      shape.DrawMode = static_cast<std::int16_t>((stretched ? 1 : 0) | (centre ? 4 : 0));
      const TsMaskData mask = factory.Make(shape);
      TPixelGrid grid(c.Width + 7, c.Height + 5, kBand);
      const TRect r{left, top, left + c.Width, top + c.Height};
      PaintMaskRect(grid.View(), r, TCacheView{}, mask, c.State, true);
      ASSERT_TRUE(grid.GuardsIntact());
      for (std::int32_t y = 0; y < grid.Height(); ++y)
        for (std::int32_t x = 0; x < grid.Width(); ++x) {
          const std::uint32_t got = grid.At(x, y);
          const std::int64_t ox = x - left, oy = y - top;
          const bool inside = ox >= 0 && oy >= 0 && ox < c.Width && oy < c.Height;
          const bool inCentre = ox >= c.WL && ox < c.Width - c.WR && oy >= c.WT && oy < c.Height - c.WB;
          if (!inside || (inCentre && !centre)) {
            ASSERT_EQ(got, kBand) << "at " << x << "," << y;
            continue;
          }
          const std::int64_t sx = SourceOffset(ox, c.Width, c.WL, c.WR, shape.FrameWidth, stretched);
          const std::int64_t sy = SourceOffset(oy, c.Height, c.WT, c.WB, shape.FrameHeight, stretched);
          ASSERT_EQ(got & 0xFFFFFFu, Coded(c.Frame, static_cast<int>(sx), static_cast<int>(sy)) & 0xFFFFFFu)
              << "at " << x << "," << y;
        }
    }
}

TMaskShape Shape(std::int32_t frames, std::int32_t fw, std::int32_t fh, std::int16_t wl, std::int16_t wt,
                 std::int16_t wr, std::int16_t wb) {
  TMaskShape s;
  s.Frames = frames, s.FrameWidth = fw, s.FrameHeight = fh;
  s.WL = wl, s.WT = wt, s.WR = wr, s.WB = wb;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodedMasks,
    ::testing::Values(
        // Borders 8 and 8 in 10 pixels: both lose 3.
        TCodedCase{"Borders8And8In10Become5And5", 10, 10, Shape(1, 20, 20, 8, 8, 8, 8), 0, 5, 5, 5, 5, 0},
        // 8 and 7 in 10: excess 5, each loses 2 and the far one 1 more.
        TCodedCase{"Borders8And7In10Become6And4", 10, 10, Shape(1, 20, 20, 8, 8, 7, 7), 0, 6, 6, 4, 4, 0},
        // Sides of 25 with 10-pixel tiles: tiles at 0 and 10, a rest of 5.
        TCodedCase{"Sides25With10PixelTiles", 29, 29, Shape(2, 14, 14, 2, 2, 2, 2), 1, 2, 2, 2, 2, 1},
        // Sides of 20: the second tile drawn as the rest.
        TCodedCase{"Sides20With10PixelTiles", 24, 24, Shape(1, 14, 14, 2, 2, 2, 2), 0, 2, 2, 2, 2, 0},
        TCodedCase{"WidthExactlyLeftPlusRight", 8, 30, Shape(1, 16, 16, 4, 4, 4, 4), 0, 4, 4, 4, 4, 0},
        TCodedCase{"StateBeyondTheStripShowsTheLastFrame", 30, 20, Shape(3, 12, 12, 3, 3, 3, 3), 7, 3, 3, 3, 3, 2},
        TCodedCase{"NegativeStateShowsFrameZero", 30, 20, Shape(3, 12, 12, 3, 3, 3, 3), -4, 3, 3, 3, 3, 0},
        TCodedCase{"UnequalBordersOverALargeRectangle", 61, 37, Shape(2, 17, 13, 5, 2, 3, 4), 1, 5, 2, 3, 4, 1}),
    [](const ::testing::TestParamInfo<TCodedCase>& info) { return info.param.Name; });

TEST(MaskRect, ShrinkRuleTakesTheOddPixelOffTheFarBorder) {
  struct {
    std::int64_t a, b, length, wantA, wantB;
  } cases[] = {{8, 8, 10, 5, 5}, {8, 7, 10, 6, 4}, {4, 7, 9, 3, 6}, {4, 6, 9, 4, 5}, {0, 10, 4, 0, 7}, {3, 3, 20, 3, 3}};
  for (const auto& c : cases) {
    std::int64_t a = c.a, b = c.b;
    ShrinkBorderPair(a, b, c.length);
    EXPECT_EQ(a, c.wantA) << c.a << "/" << c.b << " in " << c.length;
    EXPECT_EQ(b, c.wantB) << c.a << "/" << c.b << " in " << c.length;
  }
}

// Draws nothing: the whole bitmap still holds the band.
void ExpectUntouched(TPixelGrid& grid) {
  ASSERT_TRUE(grid.GuardsIntact());
  for (std::int32_t y = 0; y < grid.Height(); ++y)
    for (std::int32_t x = 0; x < grid.Width(); ++x) ASSERT_EQ(grid.At(x, y), kBand) << x << "," << y;
}

TEST(MaskRect, DegenerateInputDrawsNothing) {
  TMaskFactory factory;
  const TsMaskData good = factory.Make(Shape(2, 12, 12, 3, 3, 3, 3));
  struct {
    const char* name;
    TRect r;
    std::function<void(TsMaskData&)> spoil;
    std::int32_t state;
  } cases[] = {
      {"one pixel wide", TRect{2, 2, 3, 12}, [](TsMaskData&) {}, 0},
      {"one pixel high", TRect{2, 2, 12, 3}, [](TsMaskData&) {}, 0},
      {"no frames", TRect{0, 0, 16, 16}, [](TsMaskData& m) { m.ImageCount = 0; }, 0},
      {"negative mask type", TRect{0, 0, 16, 16}, [](TsMaskData& m) { m.MaskType = -1; }, 0},
      {"no manager", TRect{0, 0, 16, 16}, [](TsMaskData& m) { m.Manager = nullptr; }, 0},
      {"state 0 with draw mode 2", TRect{0, 0, 16, 16}, [](TsMaskData& m) { m.DrawMode = 2; }, 0},
      {"mask rectangle beyond its image", TRect{0, 0, 16, 16}, [](TsMaskData& m) { m.R.Right += 1; }, 0},
      {"borders wider than the frame", TRect{0, 0, 40, 40}, [](TsMaskData& m) { m.WL = 7, m.WR = 6; }, 0},
      {"rectangle outside the bitmap", TRect{30, 30, 50, 50}, [](TsMaskData&) {}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TsMaskData mask = good;
    c.spoil(mask);
    TPixelGrid grid(20, 20, kBand);
    PaintMaskRect(grid.View(), c.r, TCacheView{}, mask, c.state, true);
    PaintMaskRect32(grid.View(), c.r, TCacheView{}, mask, c.state);
    ExpectUntouched(grid);
  }
  // Draw mode 2 skips state 0 only.
  TsMaskData mode2 = good;
  mode2.DrawMode = 2;
  TPixelGrid grid(20, 20, kBand);
  PaintMaskRect(grid.View(), TRect{0, 0, 16, 16}, TCacheView{}, mode2, 1, true);
  EXPECT_EQ(grid.At(0, 0), Coded(1, 0, 0));
}

TEST(MaskRect, TilesOfLengthZeroDrawNothingAndEnd) {
  // Side widths fill the frame: the middle has no pixels to tile with.
  TMaskFactory factory;
  TMaskShape shape = Shape(1, 8, 8, 4, 4, 4, 4);
  shape.DrawMode = 4;
  const TsMaskData mask = factory.Make(shape);
  TPixelGrid grid(20, 20, kBand);
  PaintMaskRect(grid.View(), TRect{0, 0, 20, 20}, TCacheView{}, mask, 0, false);
  EXPECT_EQ(grid.At(0, 0), Coded(0, 0, 0));
  EXPECT_EQ(grid.At(19, 19), Coded(0, 7, 7));
  EXPECT_EQ(grid.At(10, 0), kBand);   // top side
  EXPECT_EQ(grid.At(10, 10), kBand);  // centre
  EXPECT_TRUE(grid.GuardsIntact());
}

TEST(MaskRect, ShrunkBordersThatStillOverflowStayInsideTheRectangle) {
  // Left 0, right 10, width 4: the right border keeps 7 and would start
  // 3 pixels before the rectangle.
  TMaskFactory factory;
  for (const std::int16_t maskType : {0, 1}) {
    TMaskShape shape = Shape(1, 12, 12, 0, 0, 10, 2);
    shape.MaskType = maskType;
    shape.DrawMode = 4;
    const TsMaskData mask = factory.Make(shape);
    TPixelGrid grid(20, 20, kBand);
    const TRect r{6, 3, 10, 15};
    PaintMaskRect(grid.View(), r, TCacheView{}, mask, 0, false);
    EXPECT_TRUE(grid.GuardsIntact());
    for (std::int32_t y = 0; y < 20; ++y)
      for (std::int32_t x = 0; x < 20; ++x) {
        const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
        if (!inside) {
          ASSERT_EQ(grid.At(x, y), kBand) << x << "," << y;
        }
      }
    // The right border (frame columns 5 .. 11) starts 3 columns early: 8 .. 11 show.
    EXPECT_EQ(grid.At(6, 3) & 0xFFFFFFu, Coded(0, 8, 0) & 0xFFFFFFu);
    EXPECT_EQ(grid.At(9, 14) & 0xFFFFFFu, Coded(0, 11, 11) & 0xFFFFFFu);
  }
}

TEST(MaskRect, MaskedPiecesBlendAtTheHandComputedPoints) {
  // d = 200, s = 100: mask 0 gives 100, 128 gives 150, 255 gives 199.
  TMaskFactory factory;
  TMaskShape shape = Shape(1, 3, 2, 0, 0, 0, 0);
  shape.MaskType = 1;
  shape.DrawMode = 4;
  const std::uint32_t masks[] = {0, 128, 255};
  const TsMaskData mask = factory.Make(
      shape, [](std::int32_t, std::int32_t, std::int32_t) { return 0xFF646464u; },
      [&](std::int32_t, std::int32_t x, std::int32_t) { return masks[x] * 0x010101u; });
  TPixelGrid grid(6, 4, 0x80C8C8C8u);
  PaintMaskRect(grid.View(), TRect{0, 0, 6, 4}, TCacheView{}, mask, 0, false);
  const std::uint32_t want[] = {100, 150, 199};
  for (std::int32_t x = 0; x < 6; ++x)
    EXPECT_EQ(grid.At(x, 3), 0x80000000u | want[x % 3] * 0x010101u) << x;  // alpha kept by tiles
}

}  // namespace
}  // namespace skin::paint
