// The gauge's percent and bar length, and the sweeping highlight's pixels
// and clock.
#include "skin/paint/GaugeBar.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

namespace skin::paint {
namespace {

struct GaugeCase {
  std::int32_t min, max, progress, length;
  std::int32_t percent, filled;
};

TEST(GaugeBar, PercentAndFilledLength) {
  std::vector<GaugeCase> cases = {
      {0, 8, 1, 100, 12, 12},       // 12.5 % rounds to the even 12
      {0, 8, 3, 100, 38, 38},       // 37.5 % rounds up to the even 38
      {5, 5, 5, 100, 0, 0},         // empty range: no division
      {-2147483647, INT_MAX, INT_MAX, 960, 100, 960},  // widest range: no overflow
      {INT_MIN, INT_MAX, 0, 960, 50, 480},
      {0, 100, 7, 150, 7, 10},      // 10.5 pixels is 10, not 11
      {0, 100, 100, 1, 100, 1},
      {0, 100, 100, 0, 100, 0},     // no length, no bar
      {0, 100, 50, -3, 50, 0},
      {10, 0, 10, 100, 0, 0},       // inverted (read from a description): 0 or 100
      {10, 0, 0, 100, 100, 100},
  };
  // The program's save flash: 0..20 over 960 pixels moves 48 a step.
  for (int p = 0; p <= 20; ++p) cases.push_back({0, 20, p, 960, p * 5, p * 48});
  for (const GaugeCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.min << ".." << c.max << " at " << c.progress << " over " << c.length);
    const std::int32_t percent = GaugePercent(c.min, c.max, c.progress);
    EXPECT_EQ(percent, c.percent);
    EXPECT_EQ(GaugeFilledLength(percent, c.length), c.filled);
  }
}

TEST(GaugeBar, ProgressIsClampedBelowFirst) {
  EXPECT_EQ(ClampGaugeProgress(-5, 0, 20), 0);
  EXPECT_EQ(ClampGaugeProgress(25, 0, 20), 20);
  EXPECT_EQ(ClampGaugeProgress(7, 0, 20), 7);
  // Inverted: below the minimum gives the minimum, else the maximum.
  EXPECT_EQ(ClampGaugeProgress(5, 10, 0), 10);
  EXPECT_EQ(ClampGaugeProgress(15, 10, 0), 0);
}

TEST(GaugeBar, TallerPictureLosesTopRows) {
  EXPECT_EQ(HighlightSkipRows(40, 36), 3);
  EXPECT_EQ(HighlightSkipRows(36, 36), 0);
  EXPECT_EQ(HighlightSkipRows(20, 36), 0);
  EXPECT_EQ(HighlightSkipRows(1, 0), 0);  // would leave nothing: keep the picture
  EXPECT_EQ(HighlightSkipRows(4, 1), 2);
}

TEST(GaugeBar, HighlightIsStretchedFromBelowTheSkippedRows) {
  // 4 x 6 source, rows numbered in red; 6 x 2 destination skips 3 rows.
  std::vector<std::uint32_t> src(4 * 6), dst(6 * 2);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 4; ++x) src[y * 4 + x] = 0xFF000000u | (y << 16) | x;
  ASSERT_TRUE(BuildHighlight(MakeView(src.data(), 4, 6, 16), MakeView(dst.data(), 6, 2, 24)));
  EXPECT_EQ((dst[0] >> 16) & 0xFF, 3u);
  EXPECT_EQ((dst[6] >> 16) & 0xFF, 5u);  // rows 3..5 onto 2 take their nearest
  EXPECT_EQ(dst[5] & 0xFF, 3u);
  std::vector<std::uint32_t> narrow(4);
  EXPECT_FALSE(BuildHighlight(MakeView(src.data(), 4, 6, 12, 3), MakeView(narrow.data(), 2, 2, 8)));
}

TEST(GaugeBar, HighlightBlendsByItsAlphaInsideTheBar) {
  std::vector<std::uint32_t> bar(10, 0x40102030u);
  std::vector<std::uint32_t> glow = {0xFFFFFFFFu, 0x80FFFFFFu, 0x00FFFFFFu, 0xFF000000u};
  const TPixelView barView = MakeView(bar.data(), 10, 1, 40);
  BlendHighlight(barView, MakeView(glow.data(), 4, 1, 16), 8);  // two columns fall off the end
  EXPECT_EQ(bar[7], 0x40102030u);
  EXPECT_EQ(bar[8], 0x40FFFFFFu);  // colour taken, the bar's alpha kept
  EXPECT_EQ(bar[9], 0x40889098u);  // half way
  BlendHighlight(barView, MakeView(glow.data(), 4, 1, 16), -3);  // starts before the bar
  EXPECT_EQ(bar[0], 0x40000000u);
  EXPECT_EQ(bar[1], 0x40102030u);
}

TEST(GaugeBar, ShapingMaskDecidesWhereTheHighlightShows) {
  // A 2 x 1 mask over a 4-pixel bar: the left half open (red 0), the right kept.
  std::vector<std::uint32_t> bar(4, 0xFF000000u), glow(4, 0xFFFFFFFFu);
  std::vector<std::uint32_t> mask = {0xFF000000u, 0xFFFF0000u};
  BlendHighlightThroughMask(MakeView(bar.data(), 4, 1, 16), MakeView(glow.data(), 4, 1, 16), 0,
                            MakeView(mask.data(), 2, 1, 8));
  EXPECT_EQ(bar, (std::vector<std::uint32_t>{0xFFFFFFFFu, 0xFFFFFFFFu, 0xFF000000u, 0xFF000000u}));
}

TEST(GaugeBar, SweepStartsAtOnceAndRepeatsEveryCycle) {
  EXPECT_EQ(HighlightStep(100), 15);
  EXPECT_EQ(HighlightStep(960), 19);  // 960 / 50.5 = 19.01
  EXPECT_EQ(HighlightStep(2000), 40);
  TGaugeSweep sweep;
  const int length = 960;
  int shown = 0, firstShown = -1, secondStart = -1;
  for (int tick = 0; tick < 250; ++tick) {
    const int before = sweep.Position;
    if (sweep.Tick(length)) {
      if (firstShown < 0) firstShown = tick;
      if (sweep.Position == -kHighlightLength && before != -kHighlightLength && tick > 0 && secondStart < 0)
        secondStart = tick;
      ++shown;
      sweep.Advance(length);
    }
  }
  EXPECT_EQ(firstShown, 0);
  EXPECT_EQ(secondStart, 102);  // 2222 / 22 = 101 ticks, then the clock passes the cycle
  // The highlight crosses 300 + 960 pixels at 19 a step: 67 steps a sweep.
  EXPECT_EQ(shown, 67 * 2 + 46);
}

}  // namespace
}  // namespace skin::paint
