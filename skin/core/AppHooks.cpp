#include "skin/core/AppHooks.h"

namespace skin {

namespace {

struct THooks {
  std::function<bool()> terminating;
  std::function<void()> processMessages;
  std::function<void(const std::wstring&)> errorMessage;
  std::function<void()> exception;
};

THooks& Hooks() {
  static THooks hooks;
  return hooks;
}

}  // namespace

void SetTerminatingQuery(std::function<bool()> query) { Hooks().terminating = std::move(query); }
bool ApplicationTerminating() { return Hooks().terminating && Hooks().terminating(); }

void SetProcessMessagesHook(std::function<void()> processMessages) {
  Hooks().processMessages = std::move(processMessages);
}
const std::function<void()>& ProcessMessagesHook() { return Hooks().processMessages; }

void SetErrorMessageHook(std::function<void(const std::wstring&)> show) { Hooks().errorMessage = std::move(show); }
const std::function<void(const std::wstring&)>& ErrorMessageHook() { return Hooks().errorMessage; }

void SetExceptionHook(std::function<void()> handleCurrentException) {
  Hooks().exception = std::move(handleCurrentException);
}
const std::function<void()>& ExceptionHook() { return Hooks().exception; }

}  // namespace skin
