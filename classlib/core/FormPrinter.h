#pragma once
// Writes a form description tree as text, in the layout the parser reads:
// two-blank indentation, CR LF line ends, non-ASCII characters as #NNN
// codes (so the text is pure ASCII), binary data 32 bytes to a line.
#include <string>

#include "classlib/core/FormValue.h"

namespace classlib {

std::wstring PrintFormText(const TFormObject& root);
// A string value as the description writes it: 'Tessarilo zegark'#243'w'.
std::wstring QuoteFormString(const std::wstring& text);

}  // namespace classlib
