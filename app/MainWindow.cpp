#include "app/MainWindow.h"

namespace app {
namespace {

constexpr wchar_t kMainWindowClass[] = L"TForm1";
constexpr int kClientWidth = 1000;
constexpr int kClientHeight = 645;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance, int show) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&windowClass)) return nullptr;

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  HWND window = CreateWindowExW(0, kMainWindowClass, kApplicationTitle, style, left, top, width,
                                height, nullptr, nullptr, instance, nullptr);
  if (window) {
    ShowWindow(window, show);
    UpdateWindow(window);
  }
  return window;
}

}  // namespace app
