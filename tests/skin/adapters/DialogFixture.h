#pragma once
// Raw system dialogs under the creation hook over the marker skin: a
// manager whose rules include standard dialogs, the hook installed for the
// test's thread, and the means to act inside a modal box or dialog (a
// thread timer finds it, runs the test's step and cancels it).
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "classlib/graphics/Bitmap.h"
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

inline skin::adapters::TacDialogWnd* DialogAdapter(HWND wnd) {
  return dynamic_cast<skin::adapters::TacDialogWnd*>(skin::adapters::GetAdapter(wnd));
}

inline int LiveProviders() {
  int n = 0;
  for (skin::adapters::TacProvider* p : skin::adapters::acProviders()) n += p ? 1 : 0;
  return n;
}

// The centre of R (window coordinates) on the screen, as a mouse message's LParam.
inline LPARAM ScreenPoint(HWND wnd, const RECT& r) {
  RECT wr;
  GetWindowRect(wnd, &wr);
  return MAKELPARAM(wr.left + (r.left + r.right) / 2, wr.top + (r.top + r.bottom) / 2);
}

inline COLORREF CachePixel(skin::adapters::TacDialogWnd* adapter, int x, int y) {
  return GetPixel(adapter->SkinData->CacheBmp()->Canvas()->Handle(), x, y);
}

inline const char* PicturesDir() { return std::getenv("TESSARILO_PICTURES_DIR"); }

class DialogFixture : public AdapterFixture {
 protected:
  void SetUp() override {
    AdapterFixture::SetUp();
    hook_ = SetWindowsHookExW(WH_CBT, skin::adapters::DialogHookProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
    onDialog = nullptr;
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    onDialog = nullptr;
    skin::adapters::FreeAllProviders();
    AdapterFixture::TearDown();
  }
  int Box(HWND owner = nullptr) {
    SetTimer(nullptr, 0, 30, LookForDialog);
    return MessageBoxW(owner, L"Zapisać zmiany w karcie?", L"Tessarilo", MB_OKCANCEL | MB_ICONQUESTION);
  }
  // A raw dialog window made directly (not through a dialog template).
  static HWND RawDialog(DWORD style, int width = 300, int height = 200, DWORD exStyle = WS_EX_DLGMODALFRAME) {
    return CreateWindowExW(exStyle, MAKEINTATOM(32770), L"Okno karty", WS_POPUP | WS_CAPTION | style, 60, 60, width,
                           height, nullptr, nullptr, nullptr, nullptr);
  }
  // A window destroyed after the dialog lets the hook free its binder.
  static void DestroySomeWindow() {
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  }
  HHOOK hook_ = nullptr;
};

}  // namespace skin_test
