#include "classlib/controls/UtilWindow.h"

#include <memory>

#include "classlib/controls/CallbackGuard.h"

namespace classlib {

namespace {

const wchar_t kUtilClass[] = L"ClasslibUtilWindow";

LRESULT CALLBACK UtilWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!method) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  try {
    TWndMethod copy = *method;
    copy(m);
  } catch (...) {
    HandleCallbackException();
  }
  return m.Result;
}

void RegisterUtilClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = UtilWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kUtilClass;
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

HWND AllocateHWnd(TWndMethod method) {
  RegisterUtilClass();
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kUtilClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new TWndMethod(std::move(method))));
  return window;
}

void DeallocateHWnd(HWND window) {
  if (!window) return;
  auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  delete method;
}

}  // namespace classlib
