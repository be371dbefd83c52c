#include "app/AppStartup.h"

#include "png/PngRegistration.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"

namespace app {

void RegisterFormClasses() {
  skin::RegisterSkinControlsClasses();
  skin::RegisterSkinManagerClasses();
  skin::RegisterSkinFormsClasses();
  // The main window's stored pictures are PNG images.
  png::RegisterPngFormat();
}

}  // namespace app
