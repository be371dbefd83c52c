#pragma once
// The disabled look of a control image: greyed, and/or blended with what
// lies behind the control.
#include <cstdint>

#include "skin/core/CacheInfo.h"
#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
class TControl;
}  // namespace classlib

namespace skin::paint {

// DisabledKind is a set of dgGrayed and dgBlended (BitmapGlyph.h); grey
// comes first. Blended: with a ready 32-bit parent image the parent's
// pixels behind the image (at CI's origin moved by Offset) are mixed in,
// the image keeping 40 %; otherwise the image is mixed half and half with
// CI's fill colour, or Parent's colour when CI has none, or the button
// face colour without a parent.
void ApplyDisabledKind(classlib::TBitmap* bmp, std::uint8_t disabledKind, classlib::TControl* parent,
                       const TacCacheInfo& ci, const TPoint& offset);

}  // namespace skin::paint
