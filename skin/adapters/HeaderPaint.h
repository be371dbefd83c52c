#pragma once
// One column header drawn from the skin: the "COLHEADER" section ("BUTTON"
// when the skin has none) in the state given, the caption aligned and,
// when pressed, one pixel lower and to the right, the item's image, and
// the sort arrow from the scroll buttons' glyphs beside the caption. List
// views and virtual trees draw their headers with it.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>

#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
}
namespace skin {
class TsSkinManager;
}

namespace skin::adapters {

enum THeaderSort : std::uint8_t { hsNone, hsUp, hsDown };
enum THeaderAlign : std::uint8_t { haLeft, haRight, haCenter };

struct THeaderItemLook {
  std::int32_t State = 0;  // 0 normal, 1 hot, 2 pressed
  std::wstring Text;
  HFONT Font = nullptr;     // null: the default GUI font
  THeaderAlign Align = haLeft;
  THeaderSort Sort = hsNone;
  UINT TextFlags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  HIMAGELIST Images = nullptr;
  std::int32_t Image = -1;  // drawn when not negative and there is a list
  TColor Background = 0xFFFFFF;  // behind the section's transparent parts
};

// The whole of Bmp (pf32bit, the item's size). Returns the section index
// used, -1 when the skin has neither section (nothing drawn).
std::int32_t PaintHeaderItem(classlib::TBitmap* bmp, TsSkinManager* manager, const THeaderItemLook& look);

}  // namespace skin::adapters
