#pragma once
// Measures and small rules of the skinned pop-up items shared by measuring,
// painting and the background build.
#include <windows.h>

#include <string>

#include "classlib/graphics/GraphicsTypes.h"
#include "classlib/menus/Menus.h"
#include "skin/forms/MenuInfo.h"
#include "skin/forms/sSkinMenus.h"

namespace skin {

// Separator ("-"), caption item ("-Word-"), else a normal item.
TsMenuItemType PopupItemKind(const std::wstring& caption);
// The word a caption item shows: the first word between the dashes.
std::wstring CaptionItemText(const std::wstring& caption);
// The glyph column: the item's bitmap, else the nearest image list, else 16 x 16.
classlib::TSize ItemGlyphSize(const classlib::TMenuItem& item);
// The measured width rule: 2 x glyph + text + 3 x margin + spacing.
int PopupItemWidth(int glyphWidth, int textWidth, int margin, int spacing);
// True when no item up to and including `item` (in its parent) starts a column.
bool InFirstColumn(const classlib::TMenuItem& item);
// The first and last visible items of the item's parent (the program hides
// some first and last items).
bool IsFirstVisible(const classlib::TMenuItem& item);
bool IsLastVisible(const classlib::TMenuItem& item);
// The next visible item after `item` in its parent; null when none.
classlib::TMenuItem* NextVisible(const classlib::TMenuItem& item);
// Middle-eastern locale and a menu not forced left-to-right.
bool RightToLeft(const classlib::TMenuItem* item);
// The offset of item coordinates inside the menu window's image: client
// origin minus window origin (the system's own frame, 0 where the client
// covers the window).
POINT MenuClientOffset(HWND wnd);
// The four frame strips of the record's image into the window.
void CopyFrameStrips(HWND wnd, const TacMenuInfo& info);

}  // namespace skin
