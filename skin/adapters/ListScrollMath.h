#pragma once
// A list view scrolls by pixels, its skinned bar by items: the pixels to
// scroll for a thumb moved from one item position to another.
#include <cstdint>

namespace skin::adapters {

// (To - From) x ItemExtent, taken in 64 bits and clamped to what a scroll
// message can carry. An item extent the control could not give (0 or
// less) scrolls nothing.
std::int32_t ItemScrollPixels(std::int32_t from, std::int32_t to, std::int32_t itemExtent);

}  // namespace skin::adapters
