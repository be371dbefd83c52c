// Tessarilo zegarków: the watch catalogue's start-up block.
#include <windows.h>

#include "app/AppStartup.h"
#include "app/SingleInstance.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "classlib/controls/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // A second copy leaves at once, silently, and does not wake the first.
  if (!app::ClaimSingleInstance()) return 0;

  using classlib::Application;
  Application->Initialize();
  app::RegisterFormClasses();
  Application->SetTitle(app::kApplicationTitle);
  Application->CreateForm(app::Form1);
  Application->CreateForm(app::Form2);
  Application->Run();
  return 0;
}
