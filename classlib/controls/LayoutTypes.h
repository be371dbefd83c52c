#pragma once
// The text alignment and glyph layout enumerations, free of <windows.h> so
// that portable layout code (the skinning library's button layout) takes the
// very types the controls store.

namespace classlib {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

}  // namespace classlib
