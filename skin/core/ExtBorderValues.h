#pragma once
// The skin's extended borders: how far the shadow and outer frame reach
// beyond a form (the margins) and the two pictures of them, read from the
// "EXBORDER" mask of "GLOBALINFO".
#include <memory>

#include "skin/core/SkinData.h"

namespace skin {

struct TsExtBorderMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TsExtBorderMargins&) const = default;
};

// In the skin's other border mode (BORDERMODE not 0) all four are
// FORMOFFSET; else the mask's border widths less FORMOFFSET. Zero when the
// skin has no "EXBORDER" mask.
TsExtBorderMargins ExtBorderMarginsOf(const TsSkinModel& skin);

// A 32-bit copy of the mask's first frame (inactive) or its second (active;
// the first again for a mask of one frame). Null without the mask.
std::shared_ptr<bmp32::TCustomBitmap32> ExtBorderImageOf(const TsSkinModel& skin, bool active);

}  // namespace skin
