#pragma once
// The nine-piece mask painter written plainly, step by step as the painting
// rules read: borders shrunk, pieces in their order, each tile copied by
// its own call of the piece copies, stretches made whole in temporary images
// and then put down. The production painter must give the same bytes; this
// one is kept simple to be trusted, not fast.
#include <cstdint>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/PixelView.h"

namespace skin::paint::reference {

void PaintMaskRect(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask,
                   std::int32_t state, bool updateCorners);
void PaintMaskRect32(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask,
                     std::int32_t state);

}  // namespace skin::paint::reference
