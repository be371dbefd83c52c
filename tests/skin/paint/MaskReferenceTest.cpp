// The production painters against the plain reference painter over random
// masks, rectangles, states and backgrounds: byte for byte, guards included.
#include <gtest/gtest.h>

#include <random>

#include "MaskFixture.h"
#include "PixelGrid.h"
#include "ReferenceMaskPainter.h"
#include "skin/paint/MaskRect.h"

namespace skin::paint {
namespace {

using testing::TMaskFactory;
using testing::TMaskShape;
using testing::TPixelGrid;

struct TRandomCase {
  std::mt19937 Rng;
  std::int32_t Int(std::int32_t lo, std::int32_t hi) { return std::uniform_int_distribution<std::int32_t>(lo, hi)(Rng); }
  std::uint32_t Pixel() {
    // Key pixels and extreme mask values turn up often.
    switch (Int(0, 5)) {
      case 0: return 0x00FF00FFu;
      case 1: return 0xFF000000u;
      case 2: return 0xFFFFFFFFu;
      default: return static_cast<std::uint32_t>(Rng());
    }
  }
};

// Rounds of random painting into bitmaps up to maxWidth x maxHeight.
void CompareRandomRounds(std::uint32_t seed, int rounds, std::int32_t maxWidth, std::int32_t maxHeight) {
  TMaskFactory factory;
  TRandomCase rnd{std::mt19937(seed)};
  for (int round = 0; round < rounds; ++round) {
    TMaskShape shape;
    shape.Frames = rnd.Int(1, 3);
    shape.FrameWidth = rnd.Int(1, 14);
    shape.FrameHeight = rnd.Int(1, 14);
    shape.MaskType = static_cast<std::int16_t>(rnd.Int(0, 2));
    shape.WL = static_cast<std::int16_t>(rnd.Int(0, 8));
    shape.WT = static_cast<std::int16_t>(rnd.Int(0, 8));
    shape.WR = static_cast<std::int16_t>(rnd.Int(0, 8));
    shape.WB = static_cast<std::int16_t>(rnd.Int(0, 8));
    shape.DrawMode = static_cast<std::int16_t>(rnd.Int(0, 7));
    shape.CornerType = static_cast<std::int16_t>(rnd.Int(0, 1));
    const TsMaskData mask = factory.Make(
        shape, [&](std::int32_t, std::int32_t, std::int32_t) { return rnd.Pixel(); },
        [&](std::int32_t, std::int32_t, std::int32_t) { return rnd.Pixel(); });
    const std::int32_t w = rnd.Int(1, maxWidth), h = rnd.Int(1, maxHeight);
    TPixelGrid parent(w, h);
    for (std::int32_t y = 0; y < h; ++y)
      for (std::int32_t x = 0; x < w; ++x) parent.At(x, y) = rnd.Pixel();
    TCacheView ci;
    switch (rnd.Int(0, 2)) {
      case 0: ci.Bmp = parent.View(), ci.X = rnd.Int(-5, 5), ci.Y = rnd.Int(-5, 5), ci.Ready = true; break;
      case 1: ci.FillColor = static_cast<TColor>(rnd.Pixel() & 0xFFFFFF); break;
      default: break;
    }
    const TRect r{rnd.Int(-6, w), rnd.Int(-6, h), rnd.Int(-6, w + 6), rnd.Int(-6, h + 6)};
    const std::int32_t state = rnd.Int(-1, 4);
    const bool update = rnd.Int(0, 1) == 1;
    const bool alpha32 = rnd.Int(0, 1) == 1;
    TPixelGrid mine(w, h), theirs(w, h);
    for (std::int32_t y = 0; y < h; ++y)
      for (std::int32_t x = 0; x < w; ++x) mine.At(x, y) = theirs.At(x, y) = rnd.Pixel();
    if (alpha32) {
      PaintMaskRect32(mine.View(), r, ci, mask, state);
      reference::PaintMaskRect32(theirs.View(), r, ci, mask, state);
    } else {
      PaintMaskRect(mine.View(), r, ci, mask, state, update);
      reference::PaintMaskRect(theirs.View(), r, ci, mask, state, update);
    }
    ASSERT_TRUE(mine.GuardsIntact()) << "round " << round;
    for (std::int32_t y = 0; y < h; ++y)
      for (std::int32_t x = 0; x < w; ++x)
        ASSERT_EQ(mine.At(x, y), theirs.At(x, y)) << "round " << round << " at " << x << "," << y;
  }
}

TEST(MaskReference, ProductionAndReferencePaintTheSameBytes) { CompareRandomRounds(20261211, 3000, 40, 40); }

// Wide rows are tiled in chunks: rows of several chunks, any tile width.
TEST(MaskReference, WideRowsPaintTheSameBytes) { CompareRandomRounds(7, 150, 900, 12); }

}  // namespace
}  // namespace skin::paint
