#pragma once
// The frame arithmetic of the window animations: one frame every 12 ms,
// Time div 12 steps, frames 0 to Steps (Steps + 1 of them). Every animation
// takes its alphas, zoom rectangles and blend weights from here, so the
// loops that push frames hold no arithmetic of their own.
#include <cstdint>

namespace skin {

inline constexpr int AnimFrameMs = 12;

// Time div 12; 0 means the final image is shown at once.
int AnimSteps(int time);

// The constant alpha of show frame Frame (0..Steps), rounded. A form grows
// by MaxAlpha / Steps a frame (full from the second-to-last frame on), a
// dialog by MaxAlpha / (Steps + 1) (full on the last frame); never above
// MaxAlpha. With no steps the single frame is at MaxAlpha.
std::uint8_t ShowFrameAlpha(int frame, int steps, std::uint8_t maxAlpha, bool dialog);
// The alpha of hide tick Frame (0..Steps): MaxAlpha less (Frame + 1) x
// MaxAlpha / Steps, never below 0.
std::uint8_t HideFrameAlpha(int frame, int steps, std::uint8_t maxAlpha);

// Where a zoom frame draws the whole image, in the image's own coordinates.
struct TacZoomRect {
  double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  // Drawn stretched only while the inset is not negative; else copied whole.
  bool Stretched() const { return X0 >= 0 && Y0 >= 0; }
};
// Showing: inset by 1/8 of the size at frame 0, shrinking to none at the
// last frame.
TacZoomRect ZoomInRect(int frame, int steps, int width, int height);
// Hiding: the full image at tick 0, inset a further 1/(8 x Steps) of the
// size on every side each tick.
TacZoomRect ZoomOutRect(int frame, int steps, int width, int height);

// The old image's weight (of 256) in cross-fade frame Frame: 255 less
// Frame x (255 div Steps), never below 0; 0 (all new) without steps.
int CrossFadeWeight(int frame, int steps);

}  // namespace skin
