#include "skin/core/FormAnimMath.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace skin;

TEST(FormAnimMath, MinimizeTakesTimeDiv15StepsAndAtLeastOne) {
  EXPECT_EQ(MinimizeSteps(200), 13);
  EXPECT_EQ(MinimizeSteps(14), 1);
  EXPECT_EQ(MinimizeSteps(0), 1);
}

struct TTargetCase {
  const char* name;
  TRect taskbar;
  TacTaskbarSide side;
  TRect target;  // for a start centred at (300, 200)
};

TEST(FormAnimMath, TheFallbackTargetIsTheTaskbarsInnerEdgeLevelWithTheForm) {
  const std::vector<TTargetCase> cases = {
      {"bottom", {0, 984, 1280, 1024}, tbsBottom, {300, 984, 300, 984}},
      {"bottom, a little off the left", {-2, 984, 1282, 1026}, tbsBottom, {300, 984, 300, 984}},
      {"right", {1220, 0, 1280, 1024}, tbsRight, {1220, 200, 1220, 200}},
      {"right, not at the top", {1220, 10, 1280, 1024}, tbsRight, {1220, 200, 1220, 200}},
      {"left", {0, 0, 60, 1024}, tbsLeft, {60, 200, 60, 200}},
      {"top", {0, 0, 1280, 40}, tbsTop, {300, 40, 300, 40}},
      // Wine's tray window: hidden, with an empty rectangle at the origin.
      {"empty tray", {0, 0, 0, 0}, tbsLeft, {0, 200, 0, 200}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TaskbarSide(c.taskbar), c.side);
    EXPECT_EQ(TaskbarEdgeTarget(c.side, c.taskbar, TPoint{300, 200}), c.target);
  }
  EXPECT_EQ(TaskbarEdgeTarget(tbsNone, TRect{}, TPoint{300, 200}), (TRect{0, 0, 0, 0}));
}

TEST(FormAnimMath, ThirteenStepsFlyTheFormOntoItsTargetAndFadeItToZeroAtTheLast) {
  const TRect start{100, 100, 500, 400};
  const TRect target{1220, 250, 1220, 250};
  const TacMinimizePlan plan = PlanMinimize(start, target, 13, 255);
  TacFlightRect r{100, 100, 500, 400};
  std::uint8_t alpha = 255;
  std::vector<int> alphas;
  for (int i = 0; i < 13; ++i) {
    StepShrink(r, plan);
    alpha = AlphaDown(alpha, plan.AlphaStep);
    alphas.push_back(alpha);
  }
  EXPECT_EQ(r.Rounded(), target);
  EXPECT_EQ(alphas.back(), 0);
  EXPECT_GT(alphas[11], 0) << "zero only at the last step";
  for (int i = 0; i < 13; ++i) {
    StepGrow(r, plan);
    alpha = AlphaUp(alpha, plan.AlphaStep, 255);
  }
  EXPECT_EQ(r.Rounded(), start);
  EXPECT_EQ(alpha, 255);
}

TEST(FormAnimMath, OneStepMinimizeFadesAtOnce) {
  const TacMinimizePlan plan = PlanMinimize(TRect{0, 0, 100, 100}, TRect{}, 1, 200);
  EXPECT_EQ(AlphaDown(200, plan.AlphaStep), 0);
}

TEST(FormAnimMath, BlendOnMovingSteps) {
  EXPECT_EQ(BlendOnMovingStep(170, 1000), 1);    // 85 / 83.33
  EXPECT_EQ(BlendOnMovingStep(170, 12), 85);     // under 13 ms: at once
  EXPECT_EQ(BlendOnMovingStep(170, 120), 9);     // 85 / 10 = 8.5
  EXPECT_EQ(BlendOnMovingStep(250, 10000), 1);   // rounds to 0: still moves
  EXPECT_EQ(BlendOnMovingStep(255, 1000), 0);
}

TEST(FormAnimMath, TheMoveAlphaStopsAtTheTargetInsteadOfWrappingBelowZero) {
  EXPECT_EQ(MoveAlphaDown(255, 170, 85), 170);
  EXPECT_EQ(MoveAlphaDown(200, 170, 85), 170);
  EXPECT_EQ(MoveAlphaDown(10, 0, 85), 0);  // a byte lowered by 85 would wrap
  EXPECT_EQ(MoveAlphaDown(171, 170, 1), 170);
  EXPECT_EQ(MoveAlphaDown(100, 170, 1), 100);
}

TEST(FormAnimMath, TitleFadeAlphas) {
  EXPECT_EQ(TitleFadeStepAlpha(10), 25);
  EXPECT_EQ(TitleFadeStepAlpha(1), 255);
  EXPECT_EQ(TitleFadeStepAlpha(0), 255) << "no steps: at once, no division";
  EXPECT_EQ(TitleFadeStepAlpha(-1), 255);
  EXPECT_EQ(TitleFadeAlpha(3, 10), 75);
  EXPECT_EQ(TitleFadeAlpha(11, 10), 255);
  EXPECT_EQ(TitleFadeAlpha(-1, 10), 0);
}

TEST(FormAnimMath, PreviewsFitTheBoxKeepingTheAspect) {
  struct Case {
    int sw, sh, mw, mh, w, h;
  };
  for (const Case c : std::vector<Case>{{400, 400, 200, 100, 100, 100},
                                        {400, 400, 100, 200, 100, 100},
                                        {400, 200, 200, 200, 200, 100},
                                        {110, 100, 150, 100, 110, 100},
                                        {3, 2, 2, 2, 2, 1},
                                        {40000, 30000, 60000, 50000, 60000, 45000}}) {
    SCOPED_TRACE(testing::Message() << c.sw << "x" << c.sh << " in " << c.mw << "x" << c.mh);
    const TSize fit = FitPreview(c.sw, c.sh, c.mw, c.mh);
    EXPECT_EQ(fit.cx, c.w);
    EXPECT_EQ(fit.cy, c.h);
    EXPECT_LE(fit.cx, c.mw);
    EXPECT_LE(fit.cy, c.mh);
  }
  EXPECT_EQ(FitPreview(0, 0, 200, 100), (TSize{0, 0})) << "a 0 x 0 cache is no cache";
  EXPECT_EQ(FitPreview(400, 300, 0, 100), (TSize{0, 0}));
}

}  // namespace
