#pragma once
// Message pumping and error reporting of the skinning library, through the
// application's hooks when the program set them (AppHooks.h).
#include <cstdint>
#include <string>

namespace skin {

// Processes the application's messages until the given time has passed;
// processes them at least once. A WM_QUIT met on the way is posted again
// for the main loop and ends the wait.
void DelayWithMessages(uint32_t milliseconds);
// An error box with an OK button.
void ShowErrorMessage(const std::wstring& text);
// Call inside a catch block of a window callback: hands the exception to
// the application's handler, or shows its message (EAbort shows nothing).
void HandleCallbackException() noexcept;

}  // namespace skin
