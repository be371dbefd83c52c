#pragma once
// A control's key-colour corners and the border of edit-like controls,
// both taken from what the parent shows behind the control.
#include <windows.h>

#include <cstdint>

#include "skin/common/sCommonData.h"
#include "skin/core/SkinTypes.h"

namespace skin {

enum TCornerBits : std::uint8_t { cbTopLeft = 1, cbBottomLeft = 2, cbTopRight = 4, cbBottomRight = 8 };

// The cache's pixels under the border mask's key-colour corner pixels take
// the parent's image (or colour; a parent answering 0xFF00FF leaves them).
// Nothing for a mask whose CornerType is 0, without a cache or an owner.
void CopyParentCorners(TsCommonData& skinData, std::int32_t state, std::uint8_t corners);

// The border mask painted into R of the cache over the parent's
// background, the band up to BorderWidth in the background colour, and
// that ring copied to DC (when DC is not the cache's). ClientRect gets
// what lies inside. Without a border mask, only a BorderWidth frame in the
// background colour on DC (ClientRect unchanged).
void PaintBorderFromParent(HDC dc, const TRect& r, std::int32_t borderWidth, TsCommonData& skinData,
                           std::int32_t state, TRect& clientRect);

}  // namespace skin
