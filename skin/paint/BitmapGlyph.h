#pragma once
// A button glyph: one frame of a strip of NumGlyphs frames side by side,
// keyed on the colour of the frame's bottom-left pixel, blended or greyed
// for the disabled and blended looks.
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// DisabledKind bits.
inline constexpr std::uint8_t dgBlended = 1;  // mixed half and half with the background
inline constexpr std::uint8_t dgGrayed = 2;   // greyed first

// The frame shown: 0 unless Enabled and State <> 0; State 1 frame 1 (0 for a
// 1-bit glyph); State 2 frame Extra + 2 when there is one, else 0 for a 1-bit
// glyph, else min(1, NumGlyphs - 1).
std::int32_t GlyphFrameIndex(std::int32_t numGlyphs, std::uint8_t extra, std::int32_t state, bool enabled,
                             bool oneBitGlyph);

// Draws at R's top-left of the 32-bit Dst. Glyph is a 32-bit working copy
// of the glyph (greyed in place for the grey disabled look); OneBitGlyph
// tells that the glyph was monochrome. A strip with no frames (NumGlyphs
// < 1) or frames narrower than a pixel draws nothing. Down is not used.
void PaintBitmapGlyph(const TPixelView& glyph, bool oneBitGlyph, const TPixelView& dst, const TRect& r,
                      std::uint8_t extra, bool down, std::int32_t blend, std::int32_t state,
                      std::uint8_t disabledKind, bool enabled, std::int32_t numGlyphs);

}  // namespace skin::paint
