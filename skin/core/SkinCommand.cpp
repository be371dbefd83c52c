#include "skin/core/SkinCommand.h"

#include <algorithm>

namespace skin {

TColor MixWithParentColor(TColor parent, TColor section, int transparency) {
  const auto p = static_cast<std::uint32_t>(parent);
  const auto c = static_cast<std::uint32_t>(section);
  std::uint32_t result = p & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int pc = static_cast<int>((p >> shift) & 0xFF);
    const int cc = static_cast<int>((c >> shift) & 0xFF);
    // An arithmetic shift, as the channel difference may be negative.
    const int mixed = ((pc - cc) * transparency + cc * 256) >> 8;
    result |= static_cast<std::uint32_t>(mixed & 0xFF) << shift;
  }
  return static_cast<TColor>(result);
}

int SectionStateIndex(int state, int sectionStates) {
  const int wanted = state >= 1 ? 1 : 0;
  return std::clamp(std::min(wanted, sectionStates - 1), 0, 1);
}

}  // namespace skin
