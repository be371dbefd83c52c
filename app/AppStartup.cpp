#include "app/AppStartup.h"

#include "classlib/controls/Application.h"
#include "png/PngRegistration.h"
#include "skin/adapters/AdapterServices.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/core/AppHooks.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PngGraphic_Gdi.h"

namespace app {

namespace {

// The skinning library reaches the application through these: a skin that
// fails to load shows one error box through the program's message boxes,
// and the library's waits pump the application's messages and end when it
// terminates.
void ConnectSkinLibrary() {
  using classlib::Application;
  skin::SetErrorMessageHook([](const std::wstring& text) { Application->ShowMessageBox(text, L"", MB_OK | MB_ICONERROR); });
  skin::SetTerminatingQuery([] { return Application->Terminated(); });
  skin::SetProcessMessagesHook([] { Application->ProcessMessages(); });
  skin::SetExceptionHook([] { Application->HandleException(Application); });
}

}  // namespace

void RegisterFormClasses() {
  ConnectSkinLibrary();
  skin::RegisterSkinControlsClasses();
  skin::RegisterSkinManagerClasses();
  skin::RegisterSkinFormsClasses();
  skin::InstallSkinableMenus();
  skin::adapters::InstallAdapterServices();
  // The skinning library's PNG graphic (the stored welcome picture) first,
  // then the codec, so that .png files opened through the picture class
  // become the codec's objects.
  skin::RegisterPngGraphic();
  png::RegisterPngFormat();
}

}  // namespace app
