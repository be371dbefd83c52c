#include "skin/core/AnimFrames.h"

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

// Halves go to the even neighbour, as the system's rounding does.
std::uint8_t RoundAlpha(double value) {
  return static_cast<std::uint8_t>(std::clamp(std::nearbyint(value), 0.0, 255.0));
}

}  // namespace

int AnimSteps(int time) { return time > 0 ? time / AnimFrameMs : 0; }

std::uint8_t ShowFrameAlpha(int frame, int steps, std::uint8_t maxAlpha, bool dialog) {
  if (steps <= 0) return maxAlpha;
  const double step = static_cast<double>(maxAlpha) / (dialog ? steps + 1 : steps);
  return RoundAlpha(std::min<double>(maxAlpha, step * (std::max(frame, 0) + 1)));
}

std::uint8_t HideFrameAlpha(int frame, int steps, std::uint8_t maxAlpha) {
  if (steps <= 0) return 0;
  const double step = static_cast<double>(maxAlpha) / steps;
  return RoundAlpha(std::max(0.0, maxAlpha - step * (std::max(frame, 0) + 1)));
}

TacZoomRect ZoomInRect(int frame, int steps, int width, int height) {
  if (steps <= 0) return {0, 0, static_cast<double>(width), static_cast<double>(height)};
  const double left = width / 8.0 - frame * (width / (8.0 * steps));
  const double top = height / 8.0 - frame * (height / (8.0 * steps));
  return {left, top, width - left, height - top};
}

TacZoomRect ZoomOutRect(int frame, int steps, int width, int height) {
  if (steps <= 0) return {0, 0, static_cast<double>(width), static_cast<double>(height)};
  const double left = frame * (width / (8.0 * steps));
  const double top = frame * (height / (8.0 * steps));
  return {left, top, width - left, height - top};
}

int CrossFadeWeight(int frame, int steps) {
  if (steps <= 0) return 0;
  return std::max(0, 255 - frame * (255 / steps));
}

}  // namespace skin
