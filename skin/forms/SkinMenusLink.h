#pragma once
// How the provider hands menus to the skinned menus of its manager. Each
// call does nothing while the manager has no skinned menus.
#include "classlib/menus/Menus.h"

namespace skin {

class TsSkinManager;

bool SkinMenusAvailable(TsSkinManager* manager);
// A main menu's top-level items drawn by the skin (Value) or by the system.
void HookMainMenuForSkin(TsSkinManager* manager, classlib::TMainMenu* menu, bool value);
// Every sub-item of Item, recursively.
void HookItemForSkin(TsSkinManager* manager, classlib::TMenuItem* item, bool value);
// One item: a bar item gets the bar's painters, another the pop-up ones.
void HookMenuItemForSkin(TsSkinManager* manager, classlib::TMenuItem* item, bool value);
void HookPopupMenuForSkin(TsSkinManager* manager, classlib::TPopupMenu* menu, bool value);
// The skinned menus' flag that a system menu is being shown.
void SetSystemMenuShownForSkin(TsSkinManager* manager, bool value);

}  // namespace skin
