// Track-bar ticks and channel, the stand-alone scroll bar's parts, the tab
// control's rows and the list view's thumb scrolling, with the values other
// windows may hand over.
#include <gtest/gtest.h>

#include <limits>

#include "skin/adapters/BarGeometry.h"
#include "skin/adapters/ListScrollMath.h"
#include "skin/adapters/TabGeometry.h"

namespace skin::adapters {
namespace {

TEST(TrackGeometry, AVerticalChannelIsTurnedOnlyWhenReportedAcross) {
  // Reported along the bar (as Wine does): left alone.
  EXPECT_EQ(TrackChannel({9, 8, 13, 192}, true), (TBarRect{9, 8, 13, 192}));
  // Reported turned: turned back.
  EXPECT_EQ(TrackChannel({8, 9, 192, 13}, true), (TBarRect{9, 8, 13, 192}));
  // A horizontal channel and a reversed one.
  EXPECT_EQ(TrackChannel({8, 9, 192, 13}, false), (TBarRect{8, 9, 192, 13}));
  EXPECT_EQ(TrackChannel({192, 13, 8, 9}, false), (TBarRect{8, 9, 192, 13}));
}

TEST(TrackGeometry, TicksSpreadOverTheChannelLessTheThumb) {
  const TTicks ticks = TrackTicks(10, 110, 10, 11);
  EXPECT_DOUBLE_EQ(ticks.Step, 10.0);
  ASSERT_EQ(ticks.Positions.size(), 11u);
  EXPECT_EQ(ticks.Positions.front(), 15);
  EXPECT_EQ(ticks.Positions.back(), 115);
  // One tick: at the start plus half the thumb, no division by zero.
  const TTicks one = TrackTicks(10, 110, 10, 1);
  EXPECT_EQ(one.Step, 0.0);
  ASSERT_EQ(one.Positions.size(), 1u);
  EXPECT_EQ(one.Positions[0], 15);
  EXPECT_TRUE(TrackTicks(10, 110, 10, 0).Positions.empty());
  EXPECT_TRUE(TrackTicks(10, 110, 10, -5).Positions.empty());
  // A broken count never makes millions of ticks.
  EXPECT_LE(TrackTicks(0, 100, 10, std::numeric_limits<std::int32_t>::max()).Positions.size(), 101u);
}

TEST(TrackGeometry, AThumbUnderTwoPixelsIsNotDrawn) {
  EXPECT_FALSE(ThumbDrawable({0, 0, 1, 20}));
  EXPECT_FALSE(ThumbDrawable({0, 0, 20, 1}));
  EXPECT_FALSE(ThumbDrawable({5, 5, 3, 20}));
  EXPECT_TRUE(ThumbDrawable({0, 0, 2, 2}));
}

TEST(SmallBarGeometry, PartsOfTheStandAloneBar) {
  struct Case {
    const char* what;
    TSmallBarInput in;
    TSmallBarParts want;
  };
  const Case cases[] = {
      {"page 0: a 14-pixel thumb", {200, 17, 0, 0, 0, 100, 0, 0, true}, {17, 183, 17, 14, 24}},
      {"at the end", {200, 17, 0, 0, 0, 100, 0, 100, true}, {17, 183, 169, 14, 176}},
      {"min = max: right after the first button", {200, 17, 0, 0, 5, 5, 0, 5, true}, {17, 183, 17, 14, 24}},
      {"disabled: in the middle", {200, 17, 0, 0, 0, 100, 0, 30, false}, {17, 183, 93, 14, 100}},
      {"shorter than two buttons", {20, 17, 0, 0, 0, 100, 0, 0, true}, {10, 10, 10, 0, 10}},
      {"a page", {200, 17, 0, 0, 0, 99, 50, 0, true}, {17, 183, 17, 83, 58}},
      {"a skin button longer than the system's", {200, 17, 25, 30, 0, 100, 0, 0, true}, {25, 170, 25, 14, 32}},
      {"the whole 32-bit range", {200, 17, 0, 0, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max(), 0, 0, true}, {17, 183, 93, 14, 100}},
  };
  for (const Case& c : cases) {
    const TSmallBarParts p = SmallBarParts(c.in);
    EXPECT_EQ(p.FirstEnd, c.want.FirstEnd) << c.what;
    EXPECT_EQ(p.SecondStart, c.want.SecondStart) << c.what;
    EXPECT_EQ(p.ThumbStart, c.want.ThumbStart) << c.what;
    EXPECT_EQ(p.ThumbLength, c.want.ThumbLength) << c.what;
    EXPECT_EQ(p.Split, c.want.Split) << c.what;
  }
}

TEST(TabGeometry, SideAndKindFromTheStyle) {
  EXPECT_EQ(TabSideOf(0), tsTop);
  EXPECT_EQ(TabSideOf(kTcsBottom), tsBottom);
  EXPECT_EQ(TabSideOf(kTcsVertical), tsLeft);
  EXPECT_EQ(TabSideOf(kTcsVertical | kTcsBottom), tsRight);
  EXPECT_EQ(TabKindOf(0), tkTabs);
  EXPECT_EQ(TabKindOf(kTcsButtons), tkButtons);
  EXPECT_EQ(TabKindOf(kTcsButtons | kTcsFlatButtons), tkFlatButtons);
  // Flat buttons without buttons are plain tabs.
  EXPECT_EQ(TabKindOf(kTcsFlatButtons), tkTabs);
}

TEST(TabGeometry, RowsCountFromThePageAndAZeroSizeTabIsInTheFirst) {
  const TBarRect page{0, 40, 200, 150};
  // Top tabs 20 high, counted by how far their bottom edge lies down.
  EXPECT_EQ(TabRow({0, 22, 50, 42}, page, tsTop, 2), 2);
  EXPECT_EQ(TabRow({0, 2, 50, 22}, page, tsTop, 2), 1);
  EXPECT_EQ(TabRow({0, 2, 50, 22}, page, tsTop, 1), 1);
  // Zero-size tab rectangles: no division by zero, row 1.
  for (TTabSide side : {tsTop, tsBottom, tsLeft, tsRight}) EXPECT_EQ(TabRow({5, 5, 5, 5}, page, side, 3), 1);
  // Never outside 1 .. rows.
  EXPECT_EQ(TabRow({0, 500, 50, 520}, page, tsTop, 3), 3);
}

TEST(TabGeometry, AnEmptyTabRectangleIsLeftAlone) {
  EXPECT_EQ(AdjustTabRect({4, 4, 4, 20}, tsTop, true), (TBarRect{4, 4, 4, 20}));
  EXPECT_EQ(AdjustTabRect({2, 2, 60, 22}, tsTop, false), (TBarRect{2, 2, 59, 26}));
  EXPECT_EQ(AdjustTabRect({2, 2, 60, 22}, tsTop, true), (TBarRect{0, 0, 62, 24}));
}

TEST(ListScrollMath, ThumbMovesScrollByWholeItemsWithinRange) {
  EXPECT_EQ(ItemScrollPixels(2, 5, 17), 51);
  EXPECT_EQ(ItemScrollPixels(5, 2, 17), -51);
  EXPECT_EQ(ItemScrollPixels(2, 5, 0), 0);   // no item rectangle: nothing
  EXPECT_EQ(ItemScrollPixels(2, 5, -3), 0);
  EXPECT_EQ(ItemScrollPixels(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                             std::numeric_limits<std::int32_t>::max()),
            std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(ItemScrollPixels(std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), 20),
            std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace skin::adapters
