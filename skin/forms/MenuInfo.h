#pragma once
// One record per skinned pop-up shown: its background image (section, icon
// column, border and extra line, rendered once) and what its window needs
// (the corner cut-outs of its region, the width of the frame strips).
//
// The program frees and re-creates pop-up items at every pop-up, so a
// record keyed by an item would outlive it: the record watches its first
// item and is dropped when that item goes; a record whose size no longer
// matches its window is rebuilt by the skinned menus.
#include <windows.h>

#include <memory>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/GraphicsTypes.h"
#include "classlib/menus/Menus.h"

namespace skin {

struct TacMenuInfo {
  // Key: the first sub-item (index 0) of the pop-up's parent item.
  classlib::TMenuItem* FirstItem = nullptr;
  // The pop-up's background, 32 bits per pixel, the size of its window.
  std::unique_ptr<classlib::TBitmap> Bmp;
  // The menu window it was built for; null when none was found.
  HWND Wnd = nullptr;
  bool HasExtraLine = false;
  // Rectangles taken out of the window's region (the border mask's
  // key-colour corners), in window coordinates of this pop-up.
  std::vector<classlib::TRect> CornerCutOuts;
  // Width of the frame strips copied from Bmp into the window.
  int BorderWidth = 3;
  // Where captions start: margin + glyph column + spacing (dividers too).
  int TextIndent = 0;
  // The window that got this record's region and frame (once per window).
  HWND PreparedWnd = nullptr;
};

// The records, in the order they were built.
const std::vector<std::unique_ptr<TacMenuInfo>>& MenuInfos();
// The record of the pop-up whose first item is `firstItem`; null when none.
TacMenuInfo* FindMenuInfo(const classlib::TMenuItem* firstItem);
// The record built for that menu window; null when none.
TacMenuInfo* FindMenuInfo(HWND wnd);
// Appends a record (its first item is watched from now on).
TacMenuInfo& AddMenuInfo(std::unique_ptr<TacMenuInfo> info);
// Drops one record (its image goes with it).
void DropMenuInfo(const TacMenuInfo* info);
// Frees every record: a skinned menu window was destroyed, a new skin came.
void ClearMenuCache();
// How many background images were built since start (tests count them).
int MenuInfoBuilds();
void CountMenuInfoBuild();

}  // namespace skin
