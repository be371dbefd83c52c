#include "skin/core/MessageUtils.h"

#include <windows.h>

#include <exception>

#include "classlib/core/Exception.h"
#include "classlib/core/Utf8.h"
#include "skin/core/AppHooks.h"

namespace skin {

namespace {

// The system's own pump, for a program that set no hook; false on WM_QUIT.
bool PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace

void DelayWithMessages(uint32_t milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (ProcessMessagesHook()) ProcessMessagesHook()();
    else if (!PumpMessages()) return;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return;
    // Sleep until a message comes or the time is up, instead of spinning.
    MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void ShowErrorMessage(const std::wstring& text) {
  if (ErrorMessageHook()) {
    ErrorMessageHook()(text);
    return;
  }
  MessageBoxW(GetActiveWindow(), text.c_str(), L"Error", MB_OK | MB_ICONERROR);
}

void HandleCallbackException() noexcept {
  try {
    if (ExceptionHook()) {
      ExceptionHook()();
      return;
    }
    try {
      throw;
    } catch (const classlib::EAbort&) {
    } catch (const classlib::Exception& e) {
      ShowErrorMessage(e.Message());
    } catch (const std::exception& e) {
      ShowErrorMessage(classlib::Utf8ToWide(e.what()));
    } catch (...) {
      ShowErrorMessage(L"Unknown error");
    }
  } catch (...) {
    // Nothing may leave a window callback.
  }
}

}  // namespace skin
