#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "classlib/menus/MessageBox.h"

namespace classlib {
namespace {

HWND MakeWindow(const wchar_t* caption) {
  const HWND window = CreateWindowExW(0, L"STATIC", caption, WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr,
                                      nullptr, nullptr, nullptr);
  ShowWindow(window, SW_SHOW);
  return window;
}

class MessageBoxFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageBoxTitle(L"Tessarilo Zegarków");
    other = MakeWindow(L"Inne okno");
    form = MakeWindow(L"Główne okno");
    SetActiveWindow(form);
  }
  void TearDown() override {
    SetMessageBoxHandler(nullptr);
    DestroyWindow(form);
    DestroyWindow(other);
  }
  HWND form = nullptr;
  HWND other = nullptr;
};

TEST_F(MessageBoxFixture, AnsweredThroughTheSeamWithTitleOwnerAndOtherWindowsDisabled) {
  ASSERT_EQ(GetActiveWindow(), form);
  TMessageBoxRequest seen;
  bool otherEnabledMeanwhile = true;
  SetMessageBoxHandler([&](const TMessageBoxRequest& request) {
    seen = request;
    otherEnabledMeanwhile = IsWindowEnabled(other) != FALSE;
    return IDOK;
  });
  const std::wstring text = L"Wskazany plik nie istnieje!\rNie zapisano dukumentu zakupu.";
  EXPECT_EQ(ShowMessageBox(text, MB_ICONHAND), IDOK);
  EXPECT_EQ(seen.Owner, form);
  EXPECT_EQ(seen.Text, text);
  EXPECT_EQ(seen.Caption, L"Tessarilo Zegarków");
  EXPECT_EQ(seen.Flags, static_cast<UINT>(MB_ICONHAND));
  EXPECT_FALSE(otherEnabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(other));
  EXPECT_TRUE(IsWindowEnabled(form));

  EXPECT_EQ(ShowMessageBox(L"?", L"Pytanie", MB_YESNO), IDOK);
  EXPECT_EQ(seen.Caption, L"Pytanie");
}

// The system's own box, closed by a CBT hook once it is created.
HWND g_boxOwner = nullptr;
std::wstring g_boxCaption;
HHOOK g_hook = nullptr;

LRESULT CALLBACK CloseBoxHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const auto box = reinterpret_cast<HWND>(wParam);
    wchar_t className[32] = {};
    GetClassNameW(box, className, 32);
    if (std::wstring(className) == L"#32770") {
      g_boxOwner = GetParent(box);
      wchar_t caption[64] = {};
      GetWindowTextW(box, caption, 64);
      g_boxCaption = caption;
      PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST_F(MessageBoxFixture, SystemBoxIsOwnedByTheActiveWindow) {
  g_boxOwner = nullptr;
  g_hook = SetWindowsHookExW(WH_CBT, CloseBoxHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(g_hook, nullptr);
  const int answer = ShowMessageBox(L"Zegarek może wymagać już przeglądu!", MB_OKCANCEL | MB_ICONINFORMATION);
  UnhookWindowsHookEx(g_hook);
  EXPECT_EQ(answer, IDCANCEL);
  EXPECT_EQ(g_boxOwner, form);
  EXPECT_EQ(g_boxCaption, L"Tessarilo Zegarków");
  EXPECT_TRUE(IsWindowEnabled(other));
  EXPECT_TRUE(IsWindowEnabled(form));
}

}  // namespace
}  // namespace classlib
#endif
