#include "classlib/core/Exception.h"

#include "classlib/core/Utf8.h"

namespace classlib {

Exception::Exception(std::wstring message) { SetMessage(std::move(message)); }

void Exception::SetMessage(std::wstring message) {
  message_ = std::move(message);
  utf8_ = WideToUtf8(message_);
}

}  // namespace classlib
