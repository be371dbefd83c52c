#pragma once
// The program's own icons, small and large, that the skinned title bars
// draw; made from the program file on first use, null when it has none.
#include "classlib/graphics/Icon.h"

namespace skin {

classlib::TIcon* AppSmallIcon();
classlib::TIcon* AppLargeIcon();

}  // namespace skin
