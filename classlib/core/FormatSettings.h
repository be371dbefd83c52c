#pragma once
// The user's number format. Core cannot ask the system, so the Windows layer
// sets it from the locale at start-up; tests set it as they need.
namespace classlib {

// The decimal separator used by FormatFloat and TryStrToFloat; ',' until set.
wchar_t DecimalSeparator();
void SetDecimalSeparator(wchar_t separator);

}  // namespace classlib
