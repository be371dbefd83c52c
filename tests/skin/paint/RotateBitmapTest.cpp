#include "skin/paint/RotateBitmap.h"

#include <gtest/gtest.h>

#include "PixelGrid.h"

namespace skin::paint {
namespace {

using testing::TPixelGrid;

TEST(RotateBitmap90, QuarterTurnsBothWays) {
  TPixelGrid src(3, 2);  // a b c / d e f
  for (std::int32_t y = 0; y < 2; ++y)
    for (std::int32_t x = 0; x < 3; ++x) src.At(x, y) = static_cast<std::uint32_t>('a' + 3 * y + x);
  TPixelGrid cw(2, 3);
  ASSERT_TRUE(RotateBitmap90(src.View(), cw.View(), true));
  EXPECT_EQ(cw.At(0, 0), 'd');  // d a / e b / f c
  EXPECT_EQ(cw.At(1, 0), 'a');
  EXPECT_EQ(cw.At(0, 2), 'f');
  TPixelGrid ccw(2, 3);
  ASSERT_TRUE(RotateBitmap90(src.View(), ccw.View(), false));
  EXPECT_EQ(ccw.At(0, 0), 'c');  // c f / b e / a d
  EXPECT_EQ(ccw.At(1, 0), 'f');
  EXPECT_EQ(ccw.At(0, 2), 'a');
  EXPECT_TRUE(ccw.GuardsIntact());

  TPixelGrid wrong(3, 2);
  EXPECT_FALSE(RotateBitmap90(src.View(), wrong.View(), true));
}

}  // namespace
}  // namespace skin::paint
