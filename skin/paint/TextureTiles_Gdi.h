#pragma once
// The texture tiler over the class library's bitmaps.
#include <cstdint>

#include "skin/core/CacheInfo.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"

namespace bmp32 {
class TCustomBitmap32;
}
namespace classlib {
class TBitmap;
}

namespace skin::paint {

// TileTexture (TextureTiles.h) into a pf32bit Dst (other formats are left
// as they are, and so is R): Image is a pattern's picture (may be null);
// the mask's tile comes from its own image, else from Master, the skin's
// master image.
void TileTexture(classlib::TBitmap* dst, TRect& r, const bmp32::TCustomBitmap32* image, const TsMaskData& mask,
                 std::uint8_t mode, const bmp32::TCustomBitmap32* master);

// TileMaskedTexture (MaskedTexture.h) into a pf32bit Dst; other formats are
// left as they are, and so is R.
void TileMaskedTexture(classlib::TBitmap* dst, TRect& r, const TacCacheInfo& ci, const TsMaskData& mask,
                       std::uint8_t mode);

}  // namespace skin::paint
