#pragma once
// Skin sections painted with a real alpha channel, for layered windows:
// background and border mask into a 32-bit bitmap so that every pixel
// carries an alpha value, premultiplied when the face fills the bitmap.
#include <cstdint>
#include <functional>

#include "skin/core/GradientData.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// The gradient and texture painters the background calls; each may be
// empty, and then the background fills with the state's colour where it
// would have drawn them (the Windows edge binds the triangle gradient).
struct TSectionFills {
  // Tiles the texture mask into r by its DrawMode and returns the part of r
  // still uncovered (empty when all is covered).
  std::function<TRect(const TPixelView& bmp, const TRect& r, const TsMaskData& texture)> TileTexture;
  // The gradient's steps over r.
  std::function<void(const TPixelView& bmp, const TRect& r, const TsGradientArray& steps)> PaintGradient;
  // Gradient and texture mixed in one pass: the texture's weight and the
  // alpha given to the result.
  std::function<void(const TPixelView& bmp, const TRect& r, const TsGradientArray& steps, const TsMaskData& texture,
                     std::uint8_t textureWeight, std::uint8_t alpha)>
      PaintGradientBlended;
};

// The skin's own painters: the band gradients, the blended gradient and the
// texture tilers (masked textures through the masked glyph copy).
const TSectionFills& StandardSectionFills();

// The background of section `sectionIndex` in `state` (0 normal, 1 and
// above hot) over r: transparency 100 clears r to alpha 0 when r is the
// whole bitmap; a plain colour on an untouched (zero) pixel gets alpha
// (100 - transparency) x 255 div 100. CustomColor other than 0xFF00FF
// replaces colour, gradient and texture. Nothing without a skin (the
// manager's loaded one; null for none) or with an invalid section.
void PaintSectionBackground32(std::int32_t sectionIndex, std::int32_t state, const TRect& r, const TPixelView& bmp,
                              const TsSkinModel* skin, TColor customColor,
                              const TSectionFills& fills = StandardSectionFills());

// Background, then the section's border mask with PaintMaskRect32 (key
// corners take back what lay in r before), then premultiplied when r is
// the whole bitmap. Nothing for an empty r, r outside the bitmap or
// starting before it, no skin or an invalid section.
void PaintSectionItem32(std::int32_t sectionIndex, std::int32_t state, const TRect& r, const TPixelView& bmp,
                        const TsSkinModel* skin, const TSectionFills& fills = StandardSectionFills());

}  // namespace skin::paint
