#pragma once
// Raw system dialogs under the creation hook over the marker skin: a
// manager whose rules include standard dialogs, message boxes whose modal
// loop runs a test's code once the box shows, and small helpers.
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "skin/adapters/DialogProviders.h"
#include "skin/adapters/DialogWnd.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace skin_test {

using namespace skin::adapters;

// What runs inside the modal loop of the box or dialog under test, once it
// is shown; it must close the dialog.
inline std::function<void(HWND)> onDialog;
inline HWND seenDialog = nullptr;

inline BOOL CALLBACK FindDialog(HWND wnd, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(wnd, cls, 16);
  if (std::wstring(cls) != L"#32770" || !IsWindowVisible(wnd)) return TRUE;
  seenDialog = wnd;
  return FALSE;
}

inline void CALLBACK LookForDialog(HWND, UINT, UINT_PTR id, DWORD) {
  seenDialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, 0);
  if (!seenDialog) return;
  KillTimer(nullptr, id);
  HWND dialog = seenDialog;
  if (onDialog) onDialog(dialog);
  if (IsWindow(dialog)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // never leave one open
}

inline TacDialogWnd* DialogAdapter(HWND wnd) { return dynamic_cast<TacDialogWnd*>(GetAdapter(wnd)); }

inline int LiveProviders() {
  int n = 0;
  for (TacProvider* p : acProviders()) n += p ? 1 : 0;
  return n;
}

inline LPARAM ScreenPoint(HWND wnd, const RECT& r) {
  RECT wr;
  GetWindowRect(wnd, &wr);
  return MAKELPARAM(wr.left + (r.left + r.right) / 2, wr.top + (r.top + r.bottom) / 2);
}

inline COLORREF CachePixel(TacDialogWnd* adapter, int x, int y) {
  return GetPixel(adapter->SkinData->CacheBmp()->Canvas()->Handle(), x, y);
}

inline const char* PicturesDir() { return std::getenv("TESSARILO_PICTURES_DIR"); }

class DialogFixture : public AdapterFixture {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    hook_ = SetWindowsHookExW(WH_CBT, DialogHookProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
    onDialog = nullptr;
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    onDialog = nullptr;
    FreeAllProviders();
    AdapterFixture::TearDown();
  }
  int Box(HWND owner = nullptr) {
    SetTimer(nullptr, 0, 30, LookForDialog);
    return MessageBoxW(owner, L"Zapisać zmiany w karcie?", L"Tessarilo", MB_OKCANCEL | MB_ICONQUESTION);
  }
  // A window destroyed after the dialog lets the hook free its binder.
  static void DestroySomeWindow() {
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  }
  HHOOK hook_ = nullptr;
};

}  // namespace skin_test
