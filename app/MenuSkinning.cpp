#include "app/MenuSkinning.h"

#include "skin/forms/sSkinMenus.h"
#include "skin/manager/sSkinManager.h"

namespace app {

void HookMenuForSkin(classlib::TPopupMenu* menu) {
  skin::TsSkinManager* manager = skin::TsSkinManager::DefaultManager();
  skin::TsSkinableMenus* menus = skin::SkinableMenusOf(manager);
  // Items added since the last hooking get the skinned painters; without an
  // active skin the menu stays as the class library draws it.
  if (menu && menus && menus->Active()) menus->HookPopupMenu(menu, true);
}

}  // namespace app
