#pragma once
// The skinning library's ties to the application object, set by the program
// at start-up. Until they are set the library does without: the application
// is never terminating, messages are pumped with the system's own loop, errors
// go to a plain system message box.
#include <functional>
#include <string>

namespace skin {

// Whether the application is terminating (timers made then stay dead).
void SetTerminatingQuery(std::function<bool()> query);
bool ApplicationTerminating();

// The application's ProcessMessages: handles every message waiting.
void SetProcessMessagesHook(std::function<void()> processMessages);
const std::function<void()>& ProcessMessagesHook();

// The program's error box, given the message text.
void SetErrorMessageHook(std::function<void(const std::wstring&)> show);
const std::function<void(const std::wstring&)>& ErrorMessageHook();

// The application's exception handler, called inside a catch block of a
// window callback (a timer tick) with the exception being handled.
void SetExceptionHook(std::function<void()> handleCurrentException);
const std::function<void()>& ExceptionHook();

}  // namespace skin
