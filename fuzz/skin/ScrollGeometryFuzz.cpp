// Scroll information from any window and any bar size: the thumb stays in
// its track, every offset maps to a part that agrees with the thumb, and a
// dragged thumb always stands for a position the window can scroll to.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "skin/adapters/ScrollGeometry.h"

using namespace skin::adapters;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  TScrollRange range;
  range.Min = in.ConsumeIntegral<std::int32_t>();
  range.Max = in.ConsumeIntegral<std::int32_t>();
  range.Page = in.ConsumeIntegral<std::uint32_t>();
  range.Pos = in.ConsumeIntegral<std::int32_t>();
  TBarMetrics bar;
  bar.Length = in.ConsumeIntegralInRange<std::int32_t>(-10, 5000);
  bar.Arrow = in.ConsumeIntegralInRange<std::int32_t>(-5, 200);
  bar.MinThumb = in.ConsumeIntegralInRange<std::int32_t>(0, 50);
  const std::int32_t offset = in.ConsumeIntegral<std::int32_t>();

  const TThumbPlace thumb = ThumbPlace(range, bar);
  const std::int32_t track = TrackLength(bar);
  if (thumb.Length < 0) std::abort();
  if (thumb.Fits) {
    if (thumb.Length >= track) std::abort();
    if (thumb.Start < std::max(0, bar.Arrow) || thumb.Start + thumb.Length > std::max(0, bar.Arrow) + track)
      std::abort();
  }

  const TScrollPart part = PartAt(offset, range, bar);
  if ((offset < 0 || offset >= bar.Length) && part != spNone) std::abort();
  if (part == spThumb && (!thumb.Fits || offset < thumb.Start || offset >= thumb.Start + thumb.Length)) std::abort();

  const std::int32_t position = PositionFromThumb(offset, thumb.Length, range, bar);
  if (position < range.Min || position > std::max<std::int64_t>(range.Min, LastPosition(range))) std::abort();
  return 0;
}
