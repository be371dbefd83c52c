// Tessarilo zegarków: the watch catalogue's start-up block.
#include <windows.h>

#include "app/AppStartup.h"
#include "app/SingleInstance.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "classlib/controls/Application.h"
#include "classlib/core/FileUtilsPath.h"
#include "classlib/menus/Shell.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // A second copy leaves at once, silently, and does not wake the first.
  if (!app::ClaimSingleInstance()) return 0;

  using classlib::Application;
  Application->Initialize();
  // End-to-end tests name a log here, so nothing they do reaches the real
  // shell (a browser, a viewer, an explorer window).
  if (const std::wstring log = classlib::EnvironmentVariable(L"TESSARILO_SHELL_LOG"); !log.empty())
    classlib::RedirectShellOpenToLog(log);
  app::RegisterFormClasses();
  Application->SetTitle(app::kApplicationTitle);
  Application->CreateForm(app::Form1);
  // The about window is made when first asked for (TForm1::sBitBtn1Click):
  // it has nothing to do before, and the main window shows sooner.
  Application->Run();
  return 0;
}
