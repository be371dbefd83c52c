#pragma once
// A number to text by a picture such as "0.00".
#include <string>
#include <string_view>

namespace classlib {

// Picture characters: '0' a digit always shown, '#' a digit shown when it
// matters, '.' the place of the decimal separator (written as the locale's,
// FormatSettings.h); text in quotes and any other character is copied. The
// value is rounded half away from zero on its shortest decimal form, so 0.125
// with "0.00" gives "0,13". A negative value that rounds to zero has no sign.
std::wstring FormatFloat(std::wstring_view picture, double value);

}  // namespace classlib
