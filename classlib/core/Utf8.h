#pragma once
// UTF-8 text (the change list resource, diagnostics) to and from UTF-16.
#include <string>
#include <string_view>

namespace classlib {

std::string WideToUtf8(std::wstring_view text);
// Invalid sequences become U+FFFD, one per offending byte.
std::wstring Utf8ToWide(std::string_view bytes);

}  // namespace classlib
