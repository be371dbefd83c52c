#pragma once
// The background behind a skinned control: the question and answer of
// code 34 (TacBGInfo), how a skin state answers it, the background colour
// rules, the section that gives a control its font colour, and copying a
// cache to a device context around child windows.
#include <windows.h>

#include <cstdint>

#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/common/sCommonData.h"
#include "skin/core/CacheInfo.h"

namespace skin {

enum TacBGKind : std::uint8_t { bgNone = 0, bgColor = 1, bgImage = 2, bgUpdating = 3 };

struct TacBGInfo {
  classlib::TBitmap* Bmp = nullptr;  // the image holding the background (answer)
  TColor Color = 0;                  // the colour (answer of kind 1)
  TPoint Offset{0, 0};               // asked: where to copy from; answered: the asker's origin in Bmp
  TRect R{0, 0, 0, 0};               // destination in DC (question)
  std::uint8_t Kind = bgNone;
  bool PleaseDraw = false;           // the answerer draws into DC itself
  HDC DC = nullptr;
};

// The answer of a skin state to code 34; State 0 normal, other values hot.
void FillBGInfo(TsCommonData* skinData, TacBGInfo& info, int state, HWND wnd);
TColor GetBGColor(const TsCommonData* skinData, int state, HWND wnd);
// The colour behind a control or a window, as RGB; 0xFF00FF for none.
TColor GetControlColor(classlib::TControl* control);
TColor GetWndColor(HWND wnd);
// The section a control paints with: its published skin data's, else its
// answer to the skin-index query; -1 for none.
int SkinIndexOf(classlib::TControl* control);
// The section whose font colour the control's text takes: the nearest
// parent section that gives its own font, passing over parents more than
// half transparent; DefIndex when none.
int GetFontIndex(classlib::TControl* control, int defIndex, TsSkinManager* manager, int state);
void GetParentCache(TsCommonData* skinData, TacCacheInfo& cacheInfo);
void GetParentCacheHwnd(HWND wnd, TacCacheInfo& cacheInfo);
// Copies the cache's SrcRect to DC at DestRect, leaving out what the
// children cover: opaque and graphic children of a control; every child
// window of a bare window, a group box only along its frame.
void CopyWinControlCache(classlib::TWinControl* control, TsCommonData* skinData, const TRect& srcRect, int offsetY,
                         int offsetX, bool updateCorners, HDC dc, const TRect& destRect);
void CopyHwndCache(HWND wnd, TsCommonData* skinData, const TRect& srcRect, int offsetY, int offsetX,
                   bool updateCorners, HDC dc, const TRect& destRect);

}  // namespace skin
