// Keeps the Wine prefix's desktop process alive for a whole test run, so each
// GUI test does not start (and wait for) a new one. Ended by `wineserver -k`.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  GetDesktopWindow();
  Sleep(INFINITE);
  return 0;
}
