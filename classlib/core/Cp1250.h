#pragma once
// Windows-1250 (Central European) text, converted explicitly and never through
// the system's ANSI code page, so a Polish card saved on any locale reads back
// identical.
#include <string>
#include <string_view>

namespace classlib {

// Every byte maps to one UTF-16 unit. The five bytes without a character
// (0x81 0x83 0x88 0x90 0x98) map to the control code of the same value, as the
// platform's converter does, so any byte string survives a round trip.
std::wstring Cp1250ToWide(std::string_view bytes);

// Characters outside the code page become '?'; `lossy`, when given, reports
// whether that happened.
std::string WideToCp1250(std::wstring_view text, bool* lossy = nullptr);

}  // namespace classlib
