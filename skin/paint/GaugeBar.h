#pragma once
// The arithmetic and pixel work of the progress gauge that needs no window:
// how much of the range is done, how long the filled bar is, and the
// highlight that sweeps along the bar.
#include <cstdint>

#include "skin/paint/PixelView.h"

namespace skin::paint {

// The percent of MinValue..MaxValue that Progress fills, 0..100, rounded to
// the nearest integer with halves to even. Worked out exactly in 64 bits, so
// the widest range does not overflow; an empty range is 0. An inverted range
// (only a form description can store one) gives 0 at MinValue and 100 at
// MaxValue.
std::int32_t GaugePercent(std::int32_t minValue, std::int32_t maxValue, std::int32_t progress);

// Percent of Length, rounded the same way, within 0..Length; 0 for a
// length below 1.
std::int32_t GaugeFilledLength(std::int32_t percent, std::int32_t length);

// Progress limited to the range: below MinValue gives MinValue, anything
// else at most MaxValue.
std::int32_t ClampGaugeProgress(std::int32_t value, std::int32_t minValue, std::int32_t maxValue);

// The highlight picture is this long; it is stretched to the bar's thickness.
inline constexpr std::int32_t kHighlightLength = 300;

// Rows of a taller highlight picture left out at its top so that its middle
// band lies on a bar of Thickness: (height - thickness) div 2 + 1, none when
// the picture is not taller or nothing would be left.
std::int32_t HighlightSkipRows(std::int32_t pictureHeight, std::int32_t thickness);

// Dst (kHighlightLength x thickness) from Src without its skipped top rows,
// nearest-pixel stretched. False, with nothing written, for views that are
// not 32-bit.
bool BuildHighlight(const TPixelView& src, const TPixelView& dst);

// The highlight laid over Bar with its left edge at column Pos, by its own
// straight alpha, clipped to the bar. The bar's alpha is kept.
void BlendHighlight(const TPixelView& bar, const TPixelView& highlight, std::int32_t pos);
// The same through a shaping mask stretched over the whole bar (nearest
// pixel): its red 0 lets the highlight through, 255 keeps the bar.
void BlendHighlightThroughMask(const TPixelView& bar, const TPixelView& highlight, std::int32_t pos,
                               const TPixelView& mask);

// The sweep's clock: a sweep starts every kSweepCycle ms, the timer steps
// kSweepTick ms, and the highlight moves by the larger of 15 pixels and the
// bar's length over 2222 / 44 steps.
inline constexpr std::int32_t kSweepCycle = 2222;
inline constexpr std::int32_t kSweepTick = 22;
std::int32_t HighlightStep(std::int32_t length);

struct TGaugeSweep {
  std::int32_t Clock = kSweepCycle + 1;  // above the cycle: the first tick starts a sweep
  std::int32_t Position = 9999;          // the highlight's left edge along the bar

  // One timer step over a bar of Length. True when the highlight is on the
  // bar this step (the caller shows it before calling Advance).
  bool Tick(std::int32_t length);
  void Advance(std::int32_t length) { Position += HighlightStep(length); }
  // The highlight touches a bar of Length.
  bool Within(std::int32_t length) const { return Position < kHighlightLength + length; }
};

}  // namespace skin::paint
