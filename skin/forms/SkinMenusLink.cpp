#include "skin/forms/SkinMenusLink.h"

#include "skin/forms/sSkinMenus.h"

namespace skin {

using namespace classlib;

bool SkinMenusAvailable(TsSkinManager* manager) { return SkinableMenusOf(manager) != nullptr; }

void HookMainMenuForSkin(TsSkinManager* manager, TMainMenu* menu, bool value) {
  if (TsSkinableMenus* menus = SkinableMenusOf(manager); menus && menu) menus->HookMainMenu(menu, value);
}

void HookItemForSkin(TsSkinManager* manager, TMenuItem* item, bool value) {
  if (TsSkinableMenus* menus = SkinableMenusOf(manager); menus && item) menus->HookItem(item, value);
}

void HookMenuItemForSkin(TsSkinManager* manager, TMenuItem* item, bool value) {
  if (TsSkinableMenus* menus = SkinableMenusOf(manager); menus && item) menus->HookMenuItems(item, value);
}

void HookPopupMenuForSkin(TsSkinManager* manager, TPopupMenu* menu, bool value) {
  if (TsSkinableMenus* menus = SkinableMenusOf(manager); menus && menu) menus->HookPopupMenu(menu, value);
}

void SetSystemMenuShownForSkin(TsSkinManager* manager, bool value) {
  if (TsSkinableMenus* menus = SkinableMenusOf(manager)) menus->SetSysMenuOpen(value);
}

}  // namespace skin
