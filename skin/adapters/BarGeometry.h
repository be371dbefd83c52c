#pragma once
// Where the parts of a track bar and of a stand-alone scroll bar lie. The
// numbers come from other windows (channel and thumb rectangles, ranges,
// tick counts), so every value is possible: sums are taken in 64 bits and
// every division is guarded.
#include <cstdint>
#include <vector>

namespace skin::adapters {

struct TBarRect {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  std::int32_t Width() const { return Right - Left; }
  std::int32_t Height() const { return Bottom - Top; }
  bool operator==(const TBarRect&) const = default;
};

// Left <= Right and Top <= Bottom.
TBarRect NormalisedRect(TBarRect r);

// The channel of a track bar with its long side along the bar. Some
// systems report a vertical bar's channel turned (long side across); it is
// turned back only then, never when it already runs along the bar.
TBarRect TrackChannel(TBarRect reported, bool vertical);

// Tick positions along the bar: tick i of Count lies at ChannelStart +
// ThumbLength / 2 + i x Step, Step = (ChannelLength - ThumbLength) /
// (Count - 1), 0 for a single tick. Nothing for a count below 1.
struct TTicks {
  double Step = 0;
  std::vector<std::int32_t> Positions;
};
TTicks TrackTicks(std::int32_t channelStart, std::int32_t channelLength, std::int32_t thumbLength,
                  std::int32_t count);

// A thumb drawn from the skin needs a rectangle of at least 2 x 2 pixels.
inline bool ThumbDrawable(const TBarRect& thumb) { return thumb.Width() >= 2 && thumb.Height() >= 2; }

// A stand-alone scroll bar along its length L: the two buttons (each at
// most half the bar), the thumb, and the split between the two track parts
// (the thumb's centre).
struct TSmallBarInput {
  std::int32_t Length = 0;       // along the bar
  std::int32_t Button = 0;       // the system's button size
  std::int32_t FirstSkin = 0;    // the skin's first-button length, 0 for none
  std::int32_t SecondSkin = 0;   // the same for the second button
  std::int32_t Min = 0, Max = 0;
  std::int32_t Page = 0;
  std::int32_t Pos = 0;
  bool Enabled = true;
};
struct TSmallBarParts {
  std::int32_t FirstEnd = 0;     // the first button runs from 0
  std::int32_t SecondStart = 0;  // the second button runs to Length
  std::int32_t ThumbStart = 0, ThumbLength = 0;
  std::int32_t Split = 0;        // the track before the thumb ends here
};
inline constexpr std::int32_t kSmallBarMinThumb = 14;
TSmallBarParts SmallBarParts(const TSmallBarInput& in);

}  // namespace skin::adapters
