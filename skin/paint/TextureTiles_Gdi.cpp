#include "skin/paint/TextureTiles_Gdi.h"

#include <windows.h>

#include "bitmap/Bmp32.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/MaskedTexture.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/TextureTiles.h"

namespace skin::paint {

void TileTexture(classlib::TBitmap* dst, TRect& r, const bmp32::TCustomBitmap32* image, const TsMaskData& mask,
                 std::uint8_t mode, const bmp32::TCustomBitmap32* master) {
  const TPixelView view = ViewOf(dst);
  if (!view.Valid()) return;
  GdiFlush();  // the tiles are written directly after any drawing still queued
  TileTexture(view, r, ViewOf(image), mask, ViewOf(mask.Bmp ? mask.Bmp.get() : master), mode);
}

void TileMaskedTexture(classlib::TBitmap* dst, TRect& r, const TacCacheInfo& ci, const TsMaskData& mask,
                       std::uint8_t mode) {
  const TPixelView view = ViewOf(dst);
  if (!view.Is32()) return;
  GdiFlush();
  TileMaskedTexture(view, r, CacheViewOf(ci), mask, mode);
}

}  // namespace skin::paint
