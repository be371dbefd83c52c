#include "app/AppStartup.h"

#include "skin/controls/SkinControlsRegistration.h"

namespace app {

void RegisterFormClasses() { skin::RegisterSkinControlsClasses(); }

}  // namespace app
