// Where a skinned scroll bar's parts lie, over the scroll information other
// windows may give: empty and reversed ranges, pages larger than the range,
// the whole 32-bit space.
#include <gtest/gtest.h>

#include <climits>

#include "skin/adapters/ScrollGeometry.h"

namespace skin::adapters {
namespace {

constexpr TBarMetrics kBar{100, 17, 10};  // track 66

struct ThumbCase {
  const char* name;
  TScrollRange range;
  std::int32_t start, length;
  bool fits;
};

TEST(ScrollGeometry, ThumbPlaceOverEveryKindOfRange) {
  const ThumbCase cases[] = {
      {"page 0: as long as an arrow", {0, 100, 0, 0}, 17, 17, true},
      {"page 0 at the end", {0, 100, 0, 100}, 17 + 49, 17, true},
      {"half a page", {0, 99, 50, 0}, 17, 33, true},
      {"half a page at the last position", {0, 99, 50, 50}, 17 + 33, 33, true},
      {"tiny page keeps the minimum", {0, 9999, 1, 0}, 17, 10, true},
      {"page equals the range", {0, 9, 10, 0}, 17, 66, false},
      {"items fit: min 0, max 1, page 2", {0, 1, 2, 1}, 17, 66, false},
      {"min above max", {10, 0, 3, 5}, 17, 66, false},
      {"position beyond max is clamped", {0, 99, 50, 1000}, 17 + 33, 33, true},
      {"position below min is clamped", {0, 99, 50, -1000}, 17, 33, true},
      {"whole 32-bit range, half page, last position", {INT_MIN, INT_MAX, 0x80000000u, 0}, 17 + 33, 33, true},
      {"whole 32-bit range, page 0, far end", {INT_MIN, INT_MAX, 0, INT_MAX}, 17 + 49, 17, true},
  };
  for (const ThumbCase& c : cases) {
    const TThumbPlace place = ThumbPlace(c.range, kBar);
    EXPECT_EQ(place.Fits, c.fits) << c.name;
    if (!c.fits) continue;
    EXPECT_EQ(place.Start, c.start) << c.name;
    EXPECT_EQ(place.Length, c.length) << c.name;
  }
}

TEST(ScrollGeometry, PositionFromADraggedThumbStaysWithinTheScrollableRange) {
  struct Case {
    const char* name;
    TScrollRange range;
    std::int32_t offset, length, expected;
  };
  const Case cases[] = {
      {"page 0: the far end is max, not max + 1", {0, 100, 0, 0}, 49, 17, 100},
      {"page 0: the near end", {0, 100, 0, 0}, 0, 17, 0},
      {"half page: the far end is the last full page", {0, 99, 50, 0}, 33, 33, 50},
      {"beyond the track is clamped", {0, 99, 50, 0}, 500, 33, 50},
      {"before the track is clamped", {0, 99, 50, 0}, -500, 33, 0},
      {"items fit: nothing to scroll", {0, 1, 2, 0}, 20, 66, 0},
      {"min equals max", {7, 7, 0, 7}, 30, 17, 7},
      {"min above max", {10, 0, 0, 10}, 30, 17, 10},
      {"whole 32-bit range, far end", {INT_MIN, INT_MAX, 0x80000000u, 0}, 33, 33, 0},
      {"whole 32-bit range, near end", {INT_MIN, INT_MAX, 0x80000000u, 0}, 0, 33, INT_MIN},
      {"whole 32-bit range, page 0, far end", {INT_MIN, INT_MAX, 0, 0}, 49, 17, INT_MAX},
      {"positions above 65535", {0, 1000000, 10, 0}, 28, 10, 499996},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PositionFromThumb(c.offset, c.length, c.range, kBar), c.expected) << c.name;
}

TEST(ScrollGeometry, PartsAlongTheBar) {
  const TScrollRange range{0, 99, 50, 0};  // thumb 17..50
  struct Case {
    std::int32_t offset;
    TScrollPart part;
  };
  const Case cases[] = {{-1, spNone},     {0, spLineUp},    {16, spLineUp},     {17, spThumb},
                        {49, spThumb},    {50, spPageDown}, {82, spPageDown},   {83, spLineDown},
                        {99, spLineDown}, {100, spNone}};
  for (const Case& c : cases) EXPECT_EQ(PartAt(c.offset, range, kBar), c.part) << c.offset;
  EXPECT_EQ(PartAt(20, TScrollRange{0, 99, 50, 50}, kBar), spPageUp);

  // A bar too short for its arrows splits its length between them.
  const TBarMetrics shortBar{30, 17, 10};
  EXPECT_EQ(PartAt(14, range, shortBar), spLineUp);
  EXPECT_EQ(PartAt(15, range, shortBar), spLineDown);
  const TBarMetrics oddBar{31, 17, 10};
  EXPECT_EQ(PartAt(15, range, oddBar), spNone);

  // Without room for the thumb the track is no part at all.
  EXPECT_EQ(PartAt(50, TScrollRange{0, 1, 2, 0}, kBar), spNone);
}

TEST(ScrollGeometry, MulDivRoundsAndNeverDividesByZero) {
  EXPECT_EQ(MulDiv64(7, 3, 2), 11);  // 10.5 rounds away from zero
  EXPECT_EQ(MulDiv64(-7, 3, 2), -11);
  EXPECT_EQ(MulDiv64(5, 5, 0), 0);
  EXPECT_EQ(MulDiv64(0x100000000LL, 0x100000000LL, 0x100000000LL), 0x100000000LL);
}

}  // namespace
}  // namespace skin::adapters
