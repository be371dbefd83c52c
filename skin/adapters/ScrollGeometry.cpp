#include "skin/adapters/ScrollGeometry.h"

#include <algorithm>
#include <limits>

namespace skin::adapters {

namespace {

std::int32_t Clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int64_t MulDiv64(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == 0) return 0;
  // Ranges and pixel counts reach 2^33: the product needs 128 bits.
  const __int128 product = static_cast<__int128>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const __int128 num = product < 0 ? -product : product;
  const __int128 den = c < 0 ? -static_cast<__int128>(c) : c;
  const __int128 q = (num + den / 2) / den;
  const __int128 result = negative ? -q : q;
  if (result > std::numeric_limits<std::int64_t>::max()) return std::numeric_limits<std::int64_t>::max();
  if (result < std::numeric_limits<std::int64_t>::min()) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(result);
}

std::int64_t RangeSize(const TScrollRange& range) {
  return std::max<std::int64_t>(0, static_cast<std::int64_t>(range.Max) - range.Min + 1);
}

std::int64_t LastPosition(const TScrollRange& range) {
  const std::int64_t page = std::max<std::int64_t>(1, range.Page);
  return std::max<std::int64_t>(range.Min, static_cast<std::int64_t>(range.Max) - page + 1);
}

std::int32_t TrackLength(const TBarMetrics& bar) {
  return std::max(0, Clamp32(static_cast<std::int64_t>(bar.Length) - 2 * static_cast<std::int64_t>(bar.Arrow)));
}

TThumbPlace ThumbPlace(const TScrollRange& range, const TBarMetrics& bar) {
  TThumbPlace place;
  const std::int64_t track = TrackLength(bar);
  const std::int64_t size = RangeSize(range);
  std::int64_t length;
  if (range.Page == 0) length = std::max(0, bar.Arrow);
  else if (size == 0) length = track;  // an empty range: the thumb fills the track
  else length = MulDiv64(range.Page, track, size);
  length = std::max<std::int64_t>(length, bar.MinThumb);
  place.Length = Clamp32(length);
  place.Fits = length < track;
  const std::int64_t room = std::max<std::int64_t>(0, track - length);
  const std::int64_t steps = size - std::max<std::int64_t>(1, range.Page);
  const std::int64_t moved = steps > 0 ? MulDiv64(static_cast<std::int64_t>(range.Pos) - range.Min, room, steps) : 0;
  place.Start = Clamp32(std::max<std::int64_t>(0, bar.Arrow) + std::clamp<std::int64_t>(moved, 0, room));
  return place;
}

TScrollPart PartAt(std::int32_t offset, const TScrollRange& range, const TBarMetrics& bar) {
  if (offset < 0 || offset >= bar.Length) return spNone;
  const std::int64_t s = bar.Length, l = std::max(0, bar.Arrow);
  if (s <= 2 * l) {
    const std::int64_t half = s / 2;
    if (offset < half) return spLineUp;
    if (offset >= s - half) return spLineDown;
    return spNone;
  }
  if (offset < l) return spLineUp;
  if (offset >= s - l) return spLineDown;
  const TThumbPlace thumb = ThumbPlace(range, bar);
  if (!thumb.Fits) return spNone;
  if (offset < thumb.Start) return spPageUp;
  if (static_cast<std::int64_t>(offset) < static_cast<std::int64_t>(thumb.Start) + thumb.Length) return spThumb;
  return spPageDown;
}

std::int32_t PositionFromThumb(std::int32_t thumbOffset, std::int32_t thumbLength, const TScrollRange& range,
                               const TBarMetrics& bar) {
  const std::int64_t room = static_cast<std::int64_t>(TrackLength(bar)) - thumbLength;
  const std::int64_t offset = std::clamp<std::int64_t>(thumbOffset, 0, std::max<std::int64_t>(0, room));
  const std::int64_t span = static_cast<std::int64_t>(range.Max) - range.Min;
  std::int64_t position;
  if (span >= 1)
    position = range.Min + (room > 0 ? MulDiv64(offset, span - static_cast<std::int64_t>(range.Page) + 1, room) : 0);
  else
    position = static_cast<std::int64_t>(range.Min) + offset;
  return Clamp32(std::clamp<std::int64_t>(position, range.Min, LastPosition(range)));
}

}  // namespace skin::adapters
