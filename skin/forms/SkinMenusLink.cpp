#include "skin/forms/SkinMenusLink.h"

namespace skin {

using namespace classlib;

bool SkinMenusAvailable(TsSkinManager*) { return false; }
void HookMainMenuForSkin(TsSkinManager*, TMainMenu*, bool) {}
void HookItemForSkin(TsSkinManager*, TMenuItem*, bool) {}
void HookPopupMenuForSkin(TsSkinManager*, TPopupMenu*, bool) {}
void SetSystemMenuShownForSkin(TsSkinManager*, bool) {}

}  // namespace skin
