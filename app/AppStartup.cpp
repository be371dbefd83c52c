#include "app/AppStartup.h"

#include "skin/controls/SkinControlsRegistration.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace app {

void RegisterFormClasses() {
  skin::RegisterSkinControlsClasses();
  skin::RegisterSkinManagerClasses();
  skin::RegisterSkinFormsClasses();
}

}  // namespace app
