#pragma once
// Rendering controls into pictures: a control tree into a bitmap (for the
// animations' images) and the graphic children of a control through one
// off-screen picture.
#include <windows.h>

#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Bitmap.h"

namespace skin {

class TsSkinnedForm;

// Renders Control into Bmp at (X, Y): a hidden child as its parent's
// background, a skinned window by WM_PRINT, another by PaintTo, then its
// visible windowed children; with a provider drawn with extended borders
// its client area is made opaque.
void CopyControlImage(classlib::TBitmap& bmp, classlib::TControl* control, int x, TsSkinnedForm* provider, int y);

// Paints the parent's graphic children that show in DC through a memory
// picture of the parent's size, each over the parent's background unless
// it is opaque; a child whose picture's top-left pixel is the key colour
// (it painted nothing) is not copied. Re-entrant calls do nothing.
void PaintGraphicControls(HDC dc, classlib::TWinControl* parent, bool onlyVisible, POINT offset);

}  // namespace skin
