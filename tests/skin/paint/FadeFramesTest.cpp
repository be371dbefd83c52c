#include "skin/paint/FadeFrames.h"

#include <gtest/gtest.h>

#include <vector>

#include "GuardedImage.h"
#include "skin/paint/Blends.h"

namespace skin::paint {
namespace {

constexpr std::uint64_t AllButtonEvents = 0xF;

// Runs a fade as its timer does: a frame per tick while it goes on, then
// the end. Gives the red byte of each frame, from old to new.
std::vector<std::uint32_t> RunFade(const TFadePlan& plan, std::uint32_t oldRed, std::uint32_t newRed) {
  std::vector<std::uint32_t> reds;
  for (std::int32_t step = plan.Step; FadeGoesOn(step, plan.Iterations); ++step) {
    if (plan.Iterations == 0) break;  // a frame needs iterations
    TGuardedImage mix(2, 1, 0xFF000000u | oldRed << 16);
    TGuardedImage cache(2, 1, 0x80000000u | newRed << 16);
    BlendEqualBitmaps(mix.View(), cache.View(), FadeAlpha(step, plan.Iterations));
    EXPECT_EQ(mix.At(0, 0) >> 24, 0xFFu);  // the old picture's alpha stays
    reds.push_back(mix.At(1, 0) >> 16 & 0xFF);
  }
  return reds;
}

TEST(FadeFrames, FiveIterationsFadeInFiveFramesThenEnd) {
  const TFadePlan plan = StartFadePlan(false, fdIdle, 5, false);
  EXPECT_EQ(plan.Step, 1);
  EXPECT_EQ(plan.Iterations, 5);
  EXPECT_EQ(RunFade(plan, 255, 0), (std::vector<std::uint32_t>{203, 152, 101, 50, 0}));
  EXPECT_EQ(RunFade(plan, 0, 255), (std::vector<std::uint32_t>{51, 102, 153, 204, 255}));
  std::vector<std::uint32_t> alphas;
  for (std::int32_t step = 1; step <= 5; ++step) alphas.push_back(FadeAlpha(step, 5));
  EXPECT_EQ(alphas, (std::vector<std::uint32_t>{204, 153, 102, 51, 0}));
}

TEST(FadeFrames, QuickHalvesTheFrames) {
  const TFadePlan quick = StartFadePlan(false, fdIdle, 5, true);
  EXPECT_EQ(quick.Iterations, 2);
  EXPECT_EQ(RunFade(quick, 255, 0), (std::vector<std::uint32_t>{127, 0}));
  // One iteration halved is none: the fade ends at the first tick.
  EXPECT_TRUE(RunFade(StartFadePlan(false, fdIdle, 1, true), 255, 0).empty());
}

TEST(FadeFrames, RestartingARunningFade) {
  // After a fade in: all frames again from the first.
  const TFadePlan afterIn = StartFadePlan(true, fdIn, 5, false);
  EXPECT_EQ(afterIn.Step, 1);
  EXPECT_EQ(afterIn.Iterations, 5);
  // After a fade out: no frames, the fade ends at the next tick.
  const TFadePlan afterOut = StartFadePlan(true, fdOut, 5, false);
  EXPECT_EQ(afterOut.Step, 1);
  EXPECT_EQ(afterOut.Iterations, 0);
  EXPECT_FALSE(FadeGoesOn(afterOut.Step, afterOut.Iterations));
  // An idle timer that still exists starts over as a new one would.
  EXPECT_EQ(StartFadePlan(true, fdIdle, 5, false).Step, 1);
  EXPECT_EQ(StartFadePlan(true, fdIdle, 5, false).Iterations, 5);
}

TEST(FadeFrames, AlphaOutsideTheFrameRangeHoldsItsEnds) {
  EXPECT_EQ(FadeAlpha(6, 5), 0);    // not 205: the old picture does not come back
  EXPECT_EQ(FadeAlpha(-1, 5), 255);
  EXPECT_EQ(FadeAlpha(0, 5), 255);
  EXPECT_EQ(FadeAlpha(1, 0), 0);    // no division by zero iterations
}

TEST(FadeFrames, IsEventAnimatedTable) {
  struct TCase {
    TacAnimatEvent Event;
    TacAnimatEvents Events;
    std::uint64_t Buttons;
    bool Expected;
  };
  const TCase cases[] = {
      {aeMouseEnter, {aeMouseEnter}, 0, true},
      {aeMouseLeave, {aeMouseEnter}, AllButtonEvents, false},  // no global default asked
      {aeMouseUp, {aeGlobalDef}, AllButtonEvents, true},
      {aeMouseUp, {aeGlobalDef}, 0x7, false},                  // beMouseUp not in the manager's set
      {aeMouseDown, {aeGlobalDef}, 0x4, true},
      {aeMouseEnter, {aeGlobalDef}, 0x2, false},
      {aeGlobalDef, {aeGlobalDef}, 0, true},                   // in the set itself
      {aeMouseLeave, {}, AllButtonEvents, false},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(IsEventAnimated(c.Event, c.Events, c.Buttons), c.Expected) << c.Event << " " << c.Events.Mask();
  EXPECT_EQ(ButtonEventOf(aeGlobalDef), 3);
  EXPECT_EQ(ButtonEventOf(aeMouseLeave), 1);
}

}  // namespace
}  // namespace skin::paint
