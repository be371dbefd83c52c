#include "app/AppStartup.h"

#include "png/PngRegistration.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PngGraphic_Gdi.h"

namespace app {

void RegisterFormClasses() {
  skin::RegisterSkinControlsClasses();
  skin::RegisterSkinManagerClasses();
  skin::RegisterSkinFormsClasses();
  // The skinning library's PNG graphic (the stored welcome picture) first,
  // then the codec, so that .png files opened through the picture class
  // become the codec's objects.
  skin::RegisterPngGraphic();
  png::RegisterPngFormat();
}

}  // namespace app
