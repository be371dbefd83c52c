// Keeps the Wine prefix's desktop process alive for a whole test run, so each
// GUI test does not start (and wait for) a new one. Ended by `wineserver -k`.
//
// Its one argument names a file it creates once the desktop is up: the script
// that started it waits for that file, so no test races the desktop's start.
#include <windows.h>
#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  GetDesktopWindow();
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv != nullptr && argc > 1) {
    HANDLE ready = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
  }
  Sleep(INFINITE);
  return 0;
}
