#pragma once
// Menus built at run time are handed to the skinning library so that they
// are drawn in the skin: every run-time menu calls this after adding items.
#include "classlib/menus/Menus.h"

namespace app {

void HookMenuForSkin(classlib::TPopupMenu* menu);

}  // namespace app
