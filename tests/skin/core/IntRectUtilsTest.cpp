#include "skin/core/IntRectUtils.h"

#include <gtest/gtest.h>

#include <climits>

#include "skin/core/PathUtils.h"

namespace {

using skin::MakeRect;

TEST(IntUtils, LimitBetweenAndSwap) {
  EXPECT_EQ(skin::LimitValue(5, 10, 20), 10);
  EXPECT_EQ(skin::LimitValue(25, 10, 20), 20);
  EXPECT_EQ(skin::LimitValue(15, 10, 20), 15);
  EXPECT_TRUE(skin::IsBetween(3, 5, 1));
  EXPECT_TRUE(skin::IsBetween(5, 5, 1));
  EXPECT_FALSE(skin::IsBetween(6, 1, 5));
  EXPECT_EQ(skin::MaxOf(-1, 2), 2);
  EXPECT_EQ(skin::MinOf(-1, 2), -1);
  EXPECT_EQ(skin::IfThenValue(false, 1, 2), 2);
  int a = 1, b = 2;
  skin::SwapInts(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
}

TEST(RectUtils, WidthAndHeightClampOnlyWhenAsked) {
  const skin::TRect reversed = MakeRect(10, 20, 4, 5);
  EXPECT_EQ(skin::RectWidth(reversed), -6);
  EXPECT_EQ(skin::RectHeight(reversed), -15);
  EXPECT_EQ(skin::RectWidth(reversed, true), 0);
  EXPECT_EQ(skin::RectHeight(reversed, true), 0);
  EXPECT_EQ(skin::RectWidth(MakeRect(INT_MIN, 0, INT_MAX, 0)), INT_MAX);
}

TEST(RectUtils, OverlapContainmentAndIntersection) {
  const skin::TRect r = MakeRect(0, 0, 10, 10);
  EXPECT_TRUE(skin::RectsOverlap(r, MakeRect(9, 9, 20, 20)));
  EXPECT_FALSE(skin::RectsOverlap(r, MakeRect(10, 0, 20, 10)));  // touching edges only
  EXPECT_FALSE(skin::RectsOverlap(r, MakeRect(5, 5, 5, 8)));     // empty
  EXPECT_TRUE(skin::RectInRect(r, r));                           // right and bottom edges count
  EXPECT_TRUE(skin::RectInRect(r, MakeRect(2, 2, 10, 10)));
  EXPECT_FALSE(skin::RectInRect(r, MakeRect(2, 2, 11, 10)));
  EXPECT_EQ(skin::RectIntersection(r, MakeRect(5, -5, 15, 5)), MakeRect(5, 0, 10, 5));
  EXPECT_EQ(skin::RectIntersection(r, MakeRect(20, 20, 30, 30)), MakeRect(20, 20, 10, 10));
}

TEST(PathUtils, NormalDir) {
  const struct {
    const wchar_t* path;
    const wchar_t* expected;
  } cases[] = {
      {L"", L""},
      {L"c", L"c:\\"},
      {L"c:", L"c:\\"},
      {L"c:\\Skins", L"c:\\Skins\\"},
      {L"c:\\Skins\\", L"c:\\Skins\\"},
      {L"Skins/", L"Skins\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(skin::NormalDir(c.path), c.expected) << c.path;
}

}  // namespace
