#pragma once
// Captions written onto 32-bit images with alpha 255 where the text is, in
// a skin section's font colours, with optional contour colours; text that
// GDI draws directly would leave its pixels transparent.
#include <cstdint>
#include <string>

#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
}

namespace skin {
class TsSkinManager;
}

namespace skin::paint {

struct TText32Params {
  std::wstring Text;
  TRect R;
  std::uint32_t Flags = 0;  // DrawText flags, applied within R
  bool Contour = false;     // stamp the state's contour colours first
  bool Hot = false;
  std::int32_t SkinIndex = -1;
  TsSkinManager* SkinManager = nullptr;  // null: the default manager
};

// Bmp must be pf32bit; the text takes Bmp's canvas font. Without a manager
// or with an invalid index the text is stamped once in that font's colour.
void PaintText32(classlib::TBitmap* bmp, const TText32Params& p);

}  // namespace skin::paint
