#pragma once
// Views over the class library's device-independent bitmaps. Only the pixel
// formats a routine can read are given a view: anything else gets an empty
// one, so no routine walks 4 bytes a pixel over a narrower row.
#include "skin/paint/PixelView.h"

namespace classlib {
class TBitmap;
}

namespace skin::paint {

// A pf32bit bitmap; empty for null, empty or other formats.
TPixelView ViewOf(classlib::TBitmap* bmp);
// A pf24bit (3 bytes a pixel) or pf32bit bitmap; empty for anything else.
TPixelView ViewOf24or32(classlib::TBitmap* bmp);

}  // namespace skin::paint
