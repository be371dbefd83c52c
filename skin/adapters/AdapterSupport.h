#pragma once
// Routines the window adapters share: system fonts, a window's place in its
// parent, a foreign control's published properties, the adapter's cache
// bitmap over its parent's background, the cache's transparent corners, and
// the notices that go to the top-level window.
#include <windows.h>

#include <string_view>

#include "classlib/controls/Messages.h"
#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Canvas.h"
#include "skin/common/sCommonData.h"

namespace skin::adapters {

class TacMainWnd;

// Fonts of the non-client metrics: 1 caption, 2 small caption, 3 menu,
// 4 status, 5 message. 0 when the system gives none or Kind is another
// number; the caller owns the font.
HFONT GetSystemFont(int kind);
// The canvas takes that font; unchanged when there is none.
void SetSystemFont(classlib::TCanvas* canvas, int kind);

// A class-library control passes the message to its child controls; a bare
// window sends it to its direct child windows.
void SendToChildren(classlib::TWinControl* control, HWND wnd, classlib::TMessage& message);

// The state a focused or hovered adapter paints in: 1 when the section's
// border mask has more than one frame or the section has two states or
// more; 0 without a manager, a section or a border mask.
int GetSkinHotState(const TsCommonData* skinData);

// Published properties by name; nothing (or 0) when absent.
void SetOrdPropByName(classlib::TObject* instance, std::wstring_view propName, int value);
TColor GetColorPropByName(const classlib::TObject* instance, std::wstring_view propName);

// The window's screen rectangle, its parent and the parent's screen
// rectangle, its size, and its top-left corner in the parent's client area.
void GetWindowPosInParent(HWND wnd, HWND& parent, RECT& r, POINT& pos, POINT& size, RECT& parentR);

// Rebuilds the cache for the window while BGChanged is set: the skin
// section over the parent's background, or (FillOnly, with a skin border
// colour) a plain fill. A parent that is updating leaves the cache as it
// is and marks the skin data updating.
void PrepareAdapterCache(TsCommonData* skinData, HWND wnd, bool fillOnly);

// The cache pixels under the key colour of the border mask's corners take
// the parent's background. Nothing for a dialog-mode adapter.
void FillCacheCorners(TsCommonData* skinData, int state, TacMainWnd* adapter);

// Command 25 (child added or removed) to the window's top-level window.
void NotifyTopWindow(HWND wnd);

// The skin's border colour ("GLOBALINFO" "BORDERCOLOR"); the key colour
// without a usable skin.
TColor SkinBorderColor(const TsSkinManager* manager);

// A skin command whose LParam the adapter would read or keep, or whose
// answer is an address, coming from anyone but the library's own send on
// this thread (another thread, another process, a posted message): answered
// 0 and dropped. True when refused.
bool RefusedFromStranger(classlib::TMessage& message);

// Command 38: the device context the window is being printed into (0 when
// printing ends), kept with the printing state bit.
void StorePrintDC(TsCommonData* skinData, LPARAM dc);
// Command 60's answer: the application object.
LRESULT ApplicationAnswer();

// The client rectangle in window coordinates.
RECT GetClientRectInWindow(HWND wnd);

// The window's width and height, and its top-left corner in its parent's
// client area (the screen's without a parent).
SIZE WindowSize(HWND wnd);
POINT PosInParent(HWND wnd);
// The skin data's whole cache into DC at (0, 0); nothing without one.
void CopyCacheTo(const TsCommonData* skinData, HDC dc);

}  // namespace skin::adapters
