#include "app/MenuSkinning.h"

namespace app {

void HookMenuForSkin(classlib::TPopupMenu*) {}

}  // namespace app
