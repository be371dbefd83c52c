#include "skin/adapters/BarGeometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace skin::adapters {

TBarRect NormalisedRect(TBarRect r) {
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  return r;
}

TBarRect TrackChannel(TBarRect reported, bool vertical) {
  TBarRect r = NormalisedRect(reported);
  if (vertical && r.Width() > r.Height()) {
    std::swap(r.Left, r.Top);
    std::swap(r.Right, r.Bottom);
  }
  return r;
}

TTicks TrackTicks(std::int32_t channelStart, std::int32_t channelLength, std::int32_t thumbLength,
                  std::int32_t count) {
  TTicks ticks;
  if (count < 1) return ticks;
  const double span = static_cast<double>(channelLength) - thumbLength;
  ticks.Step = count > 1 ? span / (count - 1) : 0.0;
  // A count beyond the pixels of any screen is a broken answer: keep one
  // tick per pixel of the channel at most.
  const std::int64_t n = std::min<std::int64_t>(count, std::max<std::int64_t>(channelLength, 1) + 1);
  ticks.Positions.reserve(static_cast<std::size_t>(n));
  const double first = channelStart + thumbLength / 2.0;
  for (std::int64_t i = 0; i < n; ++i) {
    const double at = std::round(first + static_cast<double>(i) * ticks.Step);
    ticks.Positions.push_back(static_cast<std::int32_t>(std::clamp(at, -2147483648.0, 2147483647.0)));
  }
  return ticks;
}

TSmallBarParts SmallBarParts(const TSmallBarInput& in) {
  TSmallBarParts p;
  const std::int64_t length = std::max(in.Length, 0);
  const std::int64_t half = length / 2;
  const std::int64_t first = std::min<std::int64_t>(std::max(in.Button, in.FirstSkin), half);
  const std::int64_t secondLength = std::min<std::int64_t>(std::max(in.Button, in.SecondSkin), length - half);
  const std::int64_t second = std::max(length - secondLength, half);
  p.FirstEnd = static_cast<std::int32_t>(first);
  p.SecondStart = static_cast<std::int32_t>(second);

  const std::int64_t range = static_cast<std::int64_t>(in.Max) - in.Min;
  std::int64_t thumb = kSmallBarMinThumb;
  if (in.Page > 0) {
    const std::int64_t track = length - 2 * static_cast<std::int64_t>(std::max(in.Button, 0));
    const std::int64_t total = range - std::max<std::int64_t>(in.Page - 1, 0) + in.Page;
    if (total > 0)
      thumb = std::max<std::int64_t>(
          std::llround(static_cast<double>(track) / static_cast<double>(total) * in.Page), kSmallBarMinThumb);
  }
  const std::int64_t room = second - first;
  thumb = std::min(thumb, std::max<std::int64_t>(room, 0));
  std::int64_t centre = length / 2;
  if (in.Enabled && range > 0) {
    const std::int64_t pos = std::clamp<std::int64_t>(in.Pos, in.Min, in.Max) - in.Min;
    centre = first + static_cast<std::int64_t>(static_cast<double>(room - thumb) * pos / range) + thumb / 2;
  }
  std::int64_t start = range == 0 ? first : centre - thumb / 2;
  start = std::clamp<std::int64_t>(start, first, std::max(first, second - thumb));
  p.ThumbStart = static_cast<std::int32_t>(start);
  p.ThumbLength = static_cast<std::int32_t>(thumb);
  p.Split = static_cast<std::int32_t>(std::clamp<std::int64_t>(start + thumb / 2, 0, length));
  return p;
}

}  // namespace skin::adapters
