// Proves that tests can use windows, thread hooks, timers and the message loop
// under the test prefix (headless, null graphics driver).
#include <windows.h>

#include <gtest/gtest.h>

namespace {

// Pumps messages until `done` says so or `timeoutMs` passes; true when done.
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs = 3000) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return true;
}

int g_timerTicks = 0;
int g_hookCalls = 0;
WPARAM g_lastHookKey = 0;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    ++g_timerTicks;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    ++g_hookCalls;
    g_lastHookKey = wParam;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class WineHarness : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"HarnessWindow";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, L"HarnessWindow", L"Okno próbne", WS_OVERLAPPEDWINDOW, 10, 10,
                              400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND window_ = nullptr;
};

TEST_F(WineHarness, WindowHasItsCaptionAndClientArea) {
  wchar_t caption[64] = {};
  GetWindowTextW(window_, caption, 64);
  EXPECT_STREQ(caption, L"Okno próbne");
  RECT client{};
  GetClientRect(window_, &client);
  EXPECT_GT(client.right, 0);
  EXPECT_GT(client.bottom, 0);
}

TEST_F(WineHarness, TimerTicksWhileMessagesArePumped) {
  g_timerTicks = 0;
  ASSERT_NE(SetTimer(window_, 1, 10, nullptr), 0u);
  EXPECT_TRUE(PumpUntil([] { return g_timerTicks >= 3; }));
  KillTimer(window_, 1);
}

TEST_F(WineHarness, ThreadKeyboardHookSeesInjectedKeys) {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(window_);
  g_hookCalls = 0;
  HHOOK hook = SetWindowsHookExW(WH_KEYBOARD, KeyboardHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);

  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_KEYBOARD;
  press[0].ki.wVk = press[1].ki.wVk = VK_F7;
  press[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(2, press, sizeof(INPUT)), 2u);
  EXPECT_TRUE(PumpUntil([] { return g_hookCalls >= 2; }));
  EXPECT_EQ(g_lastHookKey, static_cast<WPARAM>(VK_F7));
  EXPECT_TRUE(UnhookWindowsHookEx(hook));
}

TEST(WineLocale, TestsRunWithThePolishCodePage) {
  EXPECT_EQ(GetACP(), 1250u);
}

}  // namespace
