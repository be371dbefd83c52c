#pragma once
// Where the parts of a skinned scroll bar lie and which position a dragged
// thumb stands for. Scroll information comes from other windows, so every
// value is possible: the range may be empty or reversed, span the whole
// 32-bit space, or be smaller than its page. Sums and products are taken in
// 64 bits and every division is guarded.
#include <cstdint>

namespace skin::adapters {

// The scroll information of one bar, as the window gives it.
struct TScrollRange {
  std::int32_t Min = 0;
  std::int32_t Max = 0;
  std::uint32_t Page = 0;
  std::int32_t Pos = 0;
};

// Parts of a bar; their numbers are also the scroll codes sent for them.
enum TScrollPart : std::int32_t {
  spNone = -1,
  spLineUp = 0,    // first arrow (left or top)
  spLineDown = 1,  // second arrow (right or bottom)
  spPageUp = 2,    // track before the thumb
  spPageDown = 3,  // track after the thumb
  spThumb = 5,
};

// One bar along its direction: its length and its arrows' length.
struct TBarMetrics {
  std::int32_t Length = 0;  // S
  std::int32_t Arrow = 0;   // L
  std::int32_t MinThumb = 10;
};

struct TThumbPlace {
  std::int32_t Start = 0;   // from the bar's start (the first arrow included)
  std::int32_t Length = 0;
  bool Fits = false;        // the thumb is shorter than the track
};

// (a * b) / c rounded half away from zero, in 64 bits; 0 when c is 0.
std::int64_t MulDiv64(std::int64_t a, std::int64_t b, std::int64_t c);

// nMax - nMin + 1, never below 0.
std::int64_t RangeSize(const TScrollRange& range);
// The highest position the window can scroll to: Max - max(Page, 1) + 1,
// not below Min.
std::int64_t LastPosition(const TScrollRange& range);

// The track between the two arrows: S - 2L, not below 0.
std::int32_t TrackLength(const TBarMetrics& bar);

TThumbPlace ThumbPlace(const TScrollRange& range, const TBarMetrics& bar);

// The part at Offset pixels from the bar's start; spNone outside the bar.
TScrollPart PartAt(std::int32_t offset, const TScrollRange& range, const TBarMetrics& bar);

// The position a thumb of length ThumbLength standing ThumbOffset pixels
// into the track shows; always between Min and LastPosition.
std::int32_t PositionFromThumb(std::int32_t thumbOffset, std::int32_t thumbLength, const TScrollRange& range,
                               const TBarMetrics& bar);

}  // namespace skin::adapters
