#include "skin/paint/MaskSource.h"

#include "skin/manager/sSkinManager.h"

namespace skin::paint {

TPixelView MaskImageView(const TsMaskData& mask) {
  if (mask.Manager == nullptr) return {};
  if (mask.Bmp) return ViewOf(mask.Bmp.get());
  const TsSkinModel* skin = mask.Manager->Skin();
  return skin != nullptr ? ViewOf(skin->MasterBitmap.get()) : TPixelView{};
}

}  // namespace skin::paint
