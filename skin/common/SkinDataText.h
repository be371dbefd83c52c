#pragma once
// A skinned control's caption in its section's font colours (with contour
// colours, glow and the control's hue and saturation shift), or engraved
// when disabled without a skin.
#include <cstdint>
#include <string>

#include "classlib/graphics/Canvas.h"
#include "skin/common/sCommonData.h"

namespace skin {

// Clipped to R; the DC's state is restored afterwards. A hot web button gets its
// font underlined (and keeps it). A graphic control over a parent takes the
// parent's colours where its own face is see-through.
void PaintSkinDataText(classlib::TCanvas* canvas, const std::wstring& text, bool enabled, bool hot,
                       TsCommonData& skinData, std::uint32_t flags, const TRect& r);

}  // namespace skin
