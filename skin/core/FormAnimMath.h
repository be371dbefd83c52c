#pragma once
// The arithmetic of the skinned form's own animations: the minimize and
// restore flight towards the taskbar, the translucent move and the caption
// buttons' fades, and the fit of a taskbar preview. The timers that push
// the frames hold no arithmetic of their own.
#include <cstdint>

#include "skin/core/SkinTypes.h"

namespace skin {

using classlib::TSize;

// ---- Minimize and restore (15 ms ticks)
inline constexpr int MinimizeTickMs = 15;

// Time div 15, at least one step.
int MinimizeSteps(int timeMs);

// Where the taskbar lies, as the fallback target knows it.
enum TacTaskbarSide : int { tbsNone = 0, tbsLeft = 1, tbsTop = 2, tbsRight = 4, tbsBottom = 8 };

// The side of a taskbar with the rectangle T: a top other than 0 is the
// bottom bar (left between -4 and 0) or else a right one; at the screen's
// top-left a bar not wider than high is the left one, else the top one;
// any other place counts as right.
TacTaskbarSide TaskbarSide(const TRect& taskbar);
// The single point the form flies to: the taskbar's inner edge, level with
// (or under) the start rectangle's centre. An empty rectangle at (0, 0)
// when there is no taskbar.
TRect TaskbarEdgeTarget(TacTaskbarSide side, const TRect& taskbar, const TPoint& startCentre);

// The flight from Start to Target in Steps steps, and the alpha fall.
struct TacMinimizePlan {
  double Dx = 0, Dy = 0;  // centre shift per step
  double Dw = 0, Dh = 0;  // half-size change per step
  double AlphaStep = 0;   // per step
};
TacMinimizePlan PlanMinimize(const TRect& start, const TRect& target, int steps, std::uint8_t fullAlpha);

// The flying rectangle (floating point so that small steps add up).
struct TacFlightRect {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
  TRect Rounded() const;
};
// One step towards the target (shrinking) or back (growing).
void StepShrink(TacFlightRect& r, const TacMinimizePlan& plan);
void StepGrow(TacFlightRect& r, const TacMinimizePlan& plan);
// Alpha after one step, rounded and held inside 0..Full.
std::uint8_t AlphaDown(std::uint8_t alpha, double step);
std::uint8_t AlphaUp(std::uint8_t alpha, double step, std::uint8_t full);

// ---- Blend on moving (12 ms ticks)
// The alpha step towards Target: the whole way at once under 13 ms, else
// (255 - Target) / (Time / 12) rounded (at least 1 while there is a way).
std::uint8_t BlendOnMovingStep(std::uint8_t target, int timeMs);
// One tick: lower by Step, never below Target.
std::uint8_t MoveAlphaDown(std::uint8_t current, std::uint8_t target, std::uint8_t step);

// ---- Title-button fades
// The alpha one step adds: 255 div Steps; fewer than one step is "at once".
int TitleFadeStepAlpha(int steps);
// The alpha of step Step, never above 255 nor below 0.
std::uint8_t TitleFadeAlpha(int step, int steps);

// ---- Taskbar previews
// Source fitted into MaxW x MaxH keeping its aspect ratio (compared by
// cross-multiplication); 0 x 0 for an empty source or box.
TSize FitPreview(std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t maxWidth, std::int32_t maxHeight);

}  // namespace skin
