#include "skin/paint/Gradient.h"
#include "skin/paint/MaskSource.h"
#include "skin/paint/MaskedTexture.h"
#include "skin/paint/SectionPaint32.h"
#include "skin/paint/TextureTiles.h"

namespace skin::paint {

namespace {

TRect TileSectionTexture(const TPixelView& bmp, const TRect& r, const TsMaskData& texture) {
  TRect rest = r;
  const auto mode = static_cast<std::uint8_t>(texture.DrawMode);
  // A section background has no parent image to show through a mode-10 gap.
  if (texture.MaskType != 0)
    TileMaskedTexture(bmp, rest, TCacheView{}, texture, mode);
  else
    TileTexture(bmp, rest, TPixelView{}, texture, MaskImageView(texture), mode);
  return rest == NothingLeft ? TRect{} : rest;
}

}  // namespace

const TSectionFills& StandardSectionFills() {
  static const TSectionFills fills{
      TileSectionTexture,
      [](const TPixelView& bmp, const TRect& r, const TsGradientArray& steps) { PaintGradient(bmp, r, steps); },
      [](const TPixelView& bmp, const TRect& r, const TsGradientArray& steps, const TsMaskData& texture,
         std::uint8_t textureWeight, std::uint8_t alpha) {
        PaintGradientBlended(bmp, r, steps, alpha, textureWeight, texture.R, MaskImageView(texture));
      }};
  return fills;
}

}  // namespace skin::paint
