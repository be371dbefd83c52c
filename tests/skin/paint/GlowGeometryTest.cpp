#include "skin/paint/GlowGeometry.h"

#include <gtest/gtest.h>

namespace skin::paint {
namespace {

struct TGlowCase {
  const char* Name;
  TRect R, RClip;
  std::int32_t Border, Margin;
  TRect Window;
  TPoint Source;
};

TEST(GlowGeometry, WindowAndPictureOffsetFollowTheVisiblePartOfTheControl) {
  const TRect control{100, 100, 180, 130};
  const TGlowCase cases[] = {
      {"whole", control, {0, 0, 80, 30}, 10, 3, {93, 93, 187, 137}, {0, 0}},
      {"left 20 hidden", control, {20, 0, 80, 30}, 10, 3, {120, 93, 187, 137}, {27, 0}},
      {"right 30 hidden", control, {0, 0, 50, 30}, 10, 3, {93, 93, 150, 137}, {0, 0}},
      {"top 10 hidden", control, {0, 10, 80, 30}, 10, 3, {93, 110, 187, 137}, {0, 17}},
      {"bottom 10 hidden", control, {0, 0, 80, 20}, 10, 3, {93, 93, 187, 120}, {0, 0}},
      {"both sides hidden", control, {20, 0, 50, 30}, 10, 3, {120, 93, 150, 137}, {27, 0}},
      // The margin outgrows border + hidden part: the offset stays at 0
      // instead of reading 3 pixels before the picture.
      {"negative offset", {0, 0, 100, 50}, {2, 0, 100, 50}, 10, 15, {5, 5, 95, 45}, {0, 0}},
  };
  for (const TGlowCase& c : cases) {
    const TGlowGeometry g = GlowGeometry(c.R, c.RClip, {c.Border, c.Border, c.Border, c.Border}, c.Margin);
    ASSERT_TRUE(g.Visible) << c.Name;
    EXPECT_EQ(g.Window, c.Window) << c.Name;
    EXPECT_EQ(g.Source, c.Source) << c.Name;
    // The part shown lies inside the picture.
    EXPECT_LE(g.Source.X + g.Window.Width(), g.PictureWidth) << c.Name;
    EXPECT_LE(g.Source.Y + g.Window.Height(), g.PictureHeight) << c.Name;
  }
  const TGlowGeometry whole = GlowGeometry(control, {0, 0, 80, 30}, {10, 10, 10, 10}, 3);
  EXPECT_EQ(whole.PictureWidth, 94);
  EXPECT_EQ(whole.PictureHeight, 44);
}

TEST(GlowGeometry, DegenerateGeometryMakesNoWindow) {
  const TGlowBorders ten{10, 10, 10, 10};
  // The margin eats the whole picture, on both axes or on one.
  EXPECT_FALSE(GlowGeometry({100, 100, 180, 130}, {0, 0, 80, 30}, ten, 60).Visible);
  EXPECT_FALSE(GlowGeometry({0, 0, 80, 4}, {0, 0, 80, 4}, {}, 3).Visible);
  EXPECT_FALSE(GlowGeometry({0, 0, 80, 6}, {0, 0, 80, 6}, {}, 3).Visible);
  // A cut larger than the picture, and a part hidden beyond the picture.
  EXPECT_FALSE(GlowGeometry({0, 0, 100, 50}, {0, 0, 1, 50}, {}, 10).Visible);
  EXPECT_FALSE(GlowGeometry({0, 0, 100, 50}, {150, 0, 160, 50}, {}, 0).Visible);
  // Sizes beyond the int range.
  EXPECT_FALSE(GlowGeometry({INT32_MIN, 0, INT32_MAX, 10}, {0, 0, 10, 10}, ten, 0).Visible);
  // One pixel is still a glow.
  const TGlowGeometry one = GlowGeometry({0, 0, 7, 7}, {0, 0, 7, 7}, {}, 3);
  ASSERT_TRUE(one.Visible);
  EXPECT_EQ(one.Window, (TRect{3, 3, 4, 4}));
}

}  // namespace
}  // namespace skin::paint
