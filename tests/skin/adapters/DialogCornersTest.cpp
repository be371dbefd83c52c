// Where a shrinking dialog must paint again: the places of its right-hand
// corner images at the client size it had.
#include <gtest/gtest.h>

#include "skin/adapters/DialogCorners.h"

namespace {

using skin::TRect;
using skin::adapters::StaleCornerRects;
using skin::adapters::TCornerImageSize;

bool Same(const TRect& a, const TRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

TEST(DialogCorners, StaleRectsOnlyWhenTheClientShrinksOrWasNeverStored) {
  const TCornerImageSize top{12, 10}, bottom{8, 6}, none{};
  struct Row {
    int storedW, storedH, newW, newH;
    TCornerImageSize topRight, bottomRight;
    std::vector<TRect> expected;
  } rows[] = {
      {300, 200, 300, 200, top, bottom, {}},                                          // unchanged
      {300, 200, 320, 220, top, bottom, {}},                                          // grown
      {300, 200, 290, 200, top, bottom, {{288, 0, 300, 10}, {292, 194, 300, 200}}},  // narrower
      {300, 200, 310, 150, top, bottom, {{288, 0, 300, 10}, {292, 194, 300, 200}}},  // lower, though wider
      {300, 200, 290, 190, none, bottom, {{292, 194, 300, 200}}},                    // no top-right image
      {300, 200, 290, 190, none, none, {}},                                           // no images
      {0, 0, 290, 190, top, none, {{-12, 0, 0, 10}}},                                 // first size: nothing on screen yet
  };
  for (const Row& row : rows) {
    const auto rects = StaleCornerRects(row.storedW, row.storedH, row.newW, row.newH, row.topRight, row.bottomRight);
    ASSERT_EQ(rects.size(), row.expected.size()) << row.storedW << "x" << row.storedH << " to " << row.newW;
    for (size_t i = 0; i < rects.size(); ++i) EXPECT_TRUE(Same(rects[i], row.expected[i])) << i;
  }
}

}  // namespace
