#include "skin/paint/FadeFrames.h"

#include <algorithm>

namespace skin::paint {

std::int32_t ButtonEventOf(TacAnimatEvent event) { return event == aeGlobalDef ? 3 : static_cast<std::int32_t>(event); }

bool IsEventAnimated(TacAnimatEvent event, TacAnimatEvents events, std::uint64_t buttonEventBits) {
  if (events.Contains(event)) return true;
  if (!events.Contains(aeGlobalDef)) return false;
  return (buttonEventBits >> ButtonEventOf(event) & 1u) != 0;
}

TFadePlan StartFadePlan(bool timerExists, std::uint8_t previousDirection, std::int32_t sectionIterations,
                        bool quick) {
  TFadePlan plan;
  // A running timer is restarted from the section's last frame, which makes
  // a fade in start over and a fade out end at once.
  const std::uint8_t direction = timerExists ? previousDirection : fdIdle;
  plan.Step = timerExists ? sectionIterations : 1;
  plan.Iterations = sectionIterations;
  if (direction == fdIn) plan.Iterations = plan.Step;
  else if (direction == fdOut) plan.Iterations = sectionIterations - plan.Step;
  if (quick) plan.Iterations /= 2;
  if (plan.Step >= plan.Iterations || plan.Step < 1) plan.Step = 1;
  return plan;
}

bool FadeGoesOn(std::int32_t step, std::int32_t iterations) { return step >= 0 && step <= iterations; }

std::uint8_t FadeAlpha(std::int32_t step, std::int32_t iterations) {
  if (iterations <= 0) return 0;
  const std::int64_t held = std::clamp(step, 0, iterations);
  return static_cast<std::uint8_t>(255 - held * 255 / iterations);
}

}  // namespace skin::paint
