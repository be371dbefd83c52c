#pragma once
// The root of every exception the system raises. Each carries a message text for
// the user; the application's handler shows it in a message box. No exception
// may unwind through a Win32 callback: callbacks catch and hand it over.
#include <exception>
#include <string>

namespace classlib {

class Exception : public std::exception {
 public:
  explicit Exception(std::wstring message);

  const std::wstring& Message() const noexcept { return message_; }
  void SetMessage(std::wstring message);
  // The message as UTF-8, for test output and diagnostics.
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::wstring message_;
  std::string utf8_;
};

// Declares an exception class `Name` derived from `Base` (which may be a
// qualified name) with the base's constructors.
#define CLASSLIB_EXCEPTION(Name, Base) \
  class Name : public Base {           \
    using BaseException = Base;        \
                                       \
   public:                             \
    using BaseException::BaseException; \
  }

// Raised to leave an operation quietly: the application's handler shows nothing.
class EAbort : public Exception {
 public:
  EAbort() : Exception(L"Operation aborted") {}
  using Exception::Exception;
};

}  // namespace classlib
