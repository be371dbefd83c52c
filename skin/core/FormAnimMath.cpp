#include "skin/core/FormAnimMath.h"

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

int Round(double value) { return static_cast<int>(std::lround(value)); }

double CentreX(const TRect& r) { return (r.Left + r.Right) / 2.0; }
double CentreY(const TRect& r) { return (r.Top + r.Bottom) / 2.0; }

}  // namespace

int MinimizeSteps(int timeMs) { return std::max(1, timeMs / MinimizeTickMs); }

TacTaskbarSide TaskbarSide(const TRect& taskbar) {
  if (taskbar.Top != 0) return taskbar.Left >= -4 && taskbar.Left <= 0 ? tbsBottom : tbsRight;
  if (taskbar.Left == 0) return taskbar.Width() <= taskbar.Height() ? tbsLeft : tbsTop;
  return tbsRight;
}

TRect TaskbarEdgeTarget(TacTaskbarSide side, const TRect& taskbar, const TPoint& startCentre) {
  TPoint p{0, 0};
  switch (side) {
    case tbsLeft: p = TPoint{taskbar.Right, startCentre.Y}; break;
    case tbsTop: p = TPoint{startCentre.X, taskbar.Bottom}; break;
    case tbsRight: p = TPoint{taskbar.Left, startCentre.Y}; break;
    case tbsBottom: p = TPoint{startCentre.X, taskbar.Top}; break;
    case tbsNone: break;
  }
  return TRect{p.X, p.Y, p.X, p.Y};
}

TacMinimizePlan PlanMinimize(const TRect& start, const TRect& target, int steps, std::uint8_t fullAlpha) {
  steps = std::max(1, steps);
  TacMinimizePlan plan;
  plan.Dx = (CentreX(target) - CentreX(start)) / steps;
  plan.Dy = (CentreY(target) - CentreY(start)) / steps;
  plan.Dw = static_cast<double>(start.Width() - target.Width()) / (2.0 * steps);
  plan.Dh = static_cast<double>(start.Height() - target.Height()) / (2.0 * steps);
  plan.AlphaStep = static_cast<double>(fullAlpha) / std::max(1, steps - 1);
  return plan;
}

TRect TacFlightRect::Rounded() const { return TRect{Round(Left), Round(Top), Round(Right), Round(Bottom)}; }

void StepShrink(TacFlightRect& r, const TacMinimizePlan& plan) {
  r.Left += plan.Dx + plan.Dw;
  r.Right += plan.Dx - plan.Dw;
  r.Top += plan.Dy + plan.Dh;
  r.Bottom += plan.Dy - plan.Dh;
}

void StepGrow(TacFlightRect& r, const TacMinimizePlan& plan) {
  r.Left -= plan.Dx + plan.Dw;
  r.Right -= plan.Dx - plan.Dw;
  r.Top -= plan.Dy + plan.Dh;
  r.Bottom -= plan.Dy - plan.Dh;
}

std::uint8_t AlphaDown(std::uint8_t alpha, double step) {
  return static_cast<std::uint8_t>(std::clamp(Round(alpha - step), 0, 255));
}

std::uint8_t AlphaUp(std::uint8_t alpha, double step, std::uint8_t full) {
  return static_cast<std::uint8_t>(std::clamp(Round(alpha + step), 0, static_cast<int>(full)));
}

std::uint8_t BlendOnMovingStep(std::uint8_t target, int timeMs) {
  const int way = 255 - target;
  if (timeMs < 13) return static_cast<std::uint8_t>(way);
  const int step = Round(way / (timeMs / 12.0));
  // A long time with a short way would round to no step and never arrive.
  return static_cast<std::uint8_t>(way > 0 ? std::clamp(step, 1, way) : 0);
}

std::uint8_t MoveAlphaDown(std::uint8_t current, std::uint8_t target, std::uint8_t step) {
  if (current <= target) return current;
  return current - target > step ? static_cast<std::uint8_t>(current - step) : target;
}

int TitleFadeStepAlpha(int steps) { return steps < 1 ? 255 : 255 / steps; }

std::uint8_t TitleFadeAlpha(int step, int steps) {
  const long long alpha = static_cast<long long>(TitleFadeStepAlpha(steps)) * step;
  return static_cast<std::uint8_t>(std::clamp<long long>(alpha, 0, 255));
}

TSize FitPreview(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t maxWidth, std::int32_t maxHeight) {
  if (sourceWidth <= 0 || sourceHeight <= 0 || maxWidth <= 0 || maxHeight <= 0) return TSize{0, 0};
  const auto sw = static_cast<std::int64_t>(sourceWidth), sh = static_cast<std::int64_t>(sourceHeight);
  const auto mw = static_cast<std::int64_t>(maxWidth), mh = static_cast<std::int64_t>(maxHeight);
  const auto divRound = [](std::int64_t num, std::int64_t den) { return static_cast<std::int32_t>((2 * num + den) / (2 * den)); };
  // The box is wider than the source: the height decides.
  if (mw * sh > sw * mh) return TSize{divRound(sw * mh, sh), maxHeight};
  return TSize{maxWidth, divRound(sh * mw, sw)};
}

}  // namespace skin
