#include "skin/paint/PixelView.h"

#include "bitmap/Bmp32.h"

namespace skin::paint {

TPixelView ViewOf(const bmp32::TCustomBitmap32* bmp) {
  if (bmp == nullptr || bmp->Bits() == nullptr || bmp->Width() <= 0 || bmp->Height() <= 0) return {};
  return MakeView(bmp->Bits(), bmp->Width(), bmp->Height(),
                  static_cast<std::ptrdiff_t>(bmp->Width()) * 4);
}

}  // namespace skin::paint
