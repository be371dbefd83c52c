#pragma once
// Menus built at run time are handed to the skinning library so that they
// are drawn in the skin. Until skinned menus exist this does nothing; every
// run-time menu already calls it, so they need no change then.
#include "classlib/menus/Menus.h"

namespace app {

void HookMenuForSkin(classlib::TPopupMenu* menu);

}  // namespace app
