#pragma once
// The default skin manager's hook on the application's main window:
// activation, the skinned pop-up menus' windows, the main form's fade at
// shut-down and its minimize and restore animations.
//
// The application window of this class library is hidden and never gets
// the main form's system commands: the main form's skin provider hands
// them over through MainFormSystemCommand before its own processing.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "classlib/controls/Forms.h"
#include "classlib/controls/Messages.h"
#include "skin/manager/SkinManagerPlatform.h"

namespace skin {

class TsSkinManager;

// The application's side of minimize and restore, replaceable by tests.
struct TsMainHookPlatform {
  std::function<void()> Minimize;  // Application->Minimize
  std::function<void()> Restore;   // Application->Restore
  std::function<bool()> GetMinMaxAnimation;
  std::function<void(bool)> SetMinMaxAnimation;
};
TsMainHookPlatform& MainHookPlatform();
TsMainHookPlatform DefaultMainHookPlatform();

// The skinned menus' side of preparing a pop-up menu window. An item comes
// in a posted message and may be gone or foreign: only an item the menu
// object has registered and still holds is acted on.
struct TsMenuWindowServices {
  // The menu that holds the live registered item; false for any other value.
  std::function<bool(std::intptr_t item, HMENU& menu)> MenuOfItem;
  // Whether a skinned image is ready for that menu's window.
  std::function<bool(HWND wnd, std::intptr_t item)> HasPreparedImage;
  std::function<void(HWND wnd, std::intptr_t item)> PrepareMenuWindow;
};
TsMenuWindowServices& MenuWindowServices();
// The library's message, posted to the application window, asking for a
// shown skinned menu's window to be prepared (lParam: a menu item).
inline constexpr UINT WM_PREPAREMENUWINDOW = 0xBCB3;

// The manager's handling of a main-window message; true when handled.
bool HandleMainWindowMessage(TsSkinManager& manager, TsHookMessage& message);

// A system command of the main form, through the default manager's hook;
// true when handled (then the form does nothing more with it). Nothing for
// another form or without a default manager.
bool MainFormSystemCommand(classlib::TCustomForm& form, classlib::TMessage& message);

}  // namespace skin
