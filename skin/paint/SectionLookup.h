#pragma once
// The skin section a painter draws from, and the sides its text contours
// are stamped on.
#include <array>
#include <cstdint>

#include "skin/core/SkinData.h"

namespace skin {
class TsSkinManager;
}

namespace skin::paint {

// The section SkinIndex of Manager (the default manager when null); null
// without a manager, a skin or a valid index.
const TsGeneralData* SectionOf(TsSkinManager* manager, std::int32_t skinIndex);

// The state block a painter uses: hot only when asked and the section has
// states to show.
const TsGenState& StateOf(const TsGeneralData& section, bool hot);

// The contour colours' order (left, top, right, bottom) with the offset of
// each copy of the text.
struct TContourSide {
  std::size_t Index;
  std::int32_t Dx, Dy;
};
inline constexpr std::array<TContourSide, 4> kContourSides{
    {{0, -1, 0}, {1, 0, -1}, {2, 1, 0}, {3, 0, 1}}};

}  // namespace skin::paint
