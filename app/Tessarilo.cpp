// Tessarilo zegarków: the watch catalogue's start-up block.
#include <windows.h>

#include "app/MainWindow.h"
#include "app/SingleInstance.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  // A second copy leaves at once, silently, and does not wake the first.
  if (!app::ClaimSingleInstance()) return 0;

  if (!app::CreateMainWindow(instance, show)) return 1;

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
