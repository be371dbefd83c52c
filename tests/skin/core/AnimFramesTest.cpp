#include "skin/core/AnimFrames.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace skin;

std::vector<int> ShowAlphas(int time, std::uint8_t maxAlpha, bool dialog) {
  std::vector<int> alphas;
  const int steps = AnimSteps(time);
  for (int frame = 0; frame <= steps; ++frame) alphas.push_back(ShowFrameAlpha(frame, steps, maxAlpha, dialog));
  return alphas;
}

TEST(AnimFrames, ShowAlphasOfFormAndDialog) {
  EXPECT_EQ(AnimSteps(100), 8);
  EXPECT_EQ(ShowAlphas(100, 255, false), (std::vector<int>{32, 64, 96, 128, 159, 191, 223, 255, 255}));
  EXPECT_EQ(ShowAlphas(100, 255, true), (std::vector<int>{28, 57, 85, 113, 142, 170, 198, 227, 255}));
  // Never above the form's own alpha.
  for (int alpha : ShowAlphas(100, 200, false)) EXPECT_LE(alpha, 200);
  EXPECT_EQ(ShowAlphas(100, 200, false).back(), 200);
}

TEST(AnimFrames, TooShortATimeShowsTheFinalImageAtOnce) {
  for (int time : {0, 11}) {
    EXPECT_EQ(AnimSteps(time), 0);
    EXPECT_EQ(ShowAlphas(time, 255, false), std::vector<int>{255});
    EXPECT_EQ(ShowAlphas(time, 180, true), std::vector<int>{180});
    EXPECT_EQ(CrossFadeWeight(0, AnimSteps(time)), 0);  // the new image, nothing divided
    EXPECT_EQ(HideFrameAlpha(0, AnimSteps(time), 255), 0);
  }
  EXPECT_EQ(AnimSteps(12), 1);
}

TEST(AnimFrames, HideFadesToNothing) {
  const int steps = AnimSteps(100);
  EXPECT_EQ(HideFrameAlpha(0, steps, 255), 223);
  for (int frame = 1; frame < steps; ++frame)
    EXPECT_LT(HideFrameAlpha(frame, steps, 255), HideFrameAlpha(frame - 1, steps, 255));
  // Transparent from the second-to-last tick on, never below 0.
  EXPECT_EQ(HideFrameAlpha(steps - 1, steps, 255), 0);
  EXPECT_EQ(HideFrameAlpha(steps, steps, 255), 0);
}

TEST(AnimFrames, ZoomStartsAnEighthInAndEndsWhole) {
  const int steps = AnimSteps(120);
  ASSERT_EQ(steps, 10);
  const TacZoomRect first = ZoomInRect(0, steps, 400, 300);
  EXPECT_DOUBLE_EQ(first.X0, 50);
  EXPECT_DOUBLE_EQ(first.Y0, 37.5);
  EXPECT_DOUBLE_EQ(first.X1, 350);
  EXPECT_DOUBLE_EQ(first.Y1, 262.5);
  const TacZoomRect last = ZoomInRect(steps, steps, 400, 300);
  EXPECT_NEAR(last.X0, 0, 1e-9);
  EXPECT_NEAR(last.Y1, 300, 1e-9);
  // Hiding goes the other way: whole at first, an eighth in after all steps.
  EXPECT_DOUBLE_EQ(ZoomOutRect(0, steps, 400, 300).X0, 0);
  EXPECT_NEAR(ZoomOutRect(steps, steps, 400, 300).X0, 50, 1e-9);
  EXPECT_NEAR(ZoomOutRect(steps, steps, 400, 300).Y1, 262.5, 1e-9);
}

TEST(AnimFrames, CrossFadeWeightsNeverGoBelowZero) {
  const std::vector<int> expected{255, 224, 193, 162, 131, 100, 69, 38, 7};
  for (int frame = 0; frame <= 8; ++frame) EXPECT_EQ(CrossFadeWeight(frame, 8), expected[frame]);
  // 255 div 200 is 1, but 255 div 300 is 0: the weight stays, never negative.
  EXPECT_EQ(CrossFadeWeight(300, 200), 0);
  EXPECT_EQ(CrossFadeWeight(5, 300), 255);
}

}  // namespace
