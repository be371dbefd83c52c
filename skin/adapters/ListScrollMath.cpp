#include "skin/adapters/ListScrollMath.h"

#include <algorithm>
#include <limits>

namespace skin::adapters {

std::int32_t ItemScrollPixels(std::int32_t from, std::int32_t to, std::int32_t itemExtent) {
  if (itemExtent <= 0) return 0;
  const std::int64_t pixels = (static_cast<std::int64_t>(to) - from) * itemExtent;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(pixels, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace skin::adapters
