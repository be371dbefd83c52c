#pragma once
// The disabled look of a control image: greyed, and/or blended with what
// lies behind the control.
#include <cstdint>

#include "skin/core/CacheInfo.h"
#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
}  // namespace classlib

namespace skin::paint {

// DisabledKind is a set of dgGrayed and dgBlended (BitmapGlyph.h); grey
// comes first. Blended: with a ready 32-bit parent image the parent's
// pixels behind the image (at CI's origin moved by Offset) are mixed in,
// the image keeping 40 %; otherwise the image is mixed half and half with
// CI's fill colour, or ParentColor when CI has none, or the button face
// colour when that is none too (kSkinKeyColor). Callers pass the parent's
// colour as the skin gives it (GetControlColor in skin/common), which this
// layer cannot ask for.
void ApplyDisabledKind(classlib::TBitmap* bmp, std::uint8_t disabledKind, TColor parentColor, const TacCacheInfo& ci,
                       const TPoint& offset);

}  // namespace skin::paint
