#pragma once
// The nine-piece mask painter: one frame of a mask strip into any
// rectangle of a 32-bit bitmap, corners at their own size, sides and centre
// tiled or stretched. Every piece is clipped to the requested rectangle (and
// the bitmap), so shrunk borders never paint outside it; a mask whose
// rectangle does not lie in its image draws nothing.
#include <cstdint>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Frame `state` of `mask` into r of bmp. Pieces in the order top-left, left,
// top, bottom-left, bottom, bottom-right, top-right, right, centre (with
// DrawMode 4 only). Key pixels of corners take CI's background when
// UpdateCorners is set and the mask's CornerType is above 0. Nothing for
// state 0 with DrawMode 2, a rectangle under 2 x 2, or a mask without a
// manager, without frames or with a negative mask type.
void PaintMaskRect(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask,
                   std::int32_t state, bool updateCorners);

// The alpha-keeping twin for layered windows: unmasked corners always take
// CI's background, masked pieces go through CopyByMask32 and
// StretchByMask32, so key pixels end transparent.
void PaintMaskRect32(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask,
                     std::int32_t state);

}  // namespace skin::paint
