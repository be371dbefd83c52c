#pragma once
// Numbers to and from text.
#include <cstdint>
#include <string>
#include <string_view>

namespace classlib {

std::wstring IntToStr(std::int64_t value);

// A 32-bit integer: leading blanks, an optional sign, then decimal digits, or
// hexadecimal digits after "0x", "0X" or "$". Hexadecimal takes the full 32
// bits ("0xFFFFFFFF" is -1); decimal must fit the signed range. Nothing may
// follow the digits.
bool TryStrToInt(std::wstring_view text, int& value);
int StrToIntDef(std::wstring_view text, int defaultValue);
// Raises EConvertError "'text' is not a valid integer value". (Not named
// StrToInt: a Win32 header defines that name as a macro.)
int StrToIntStrict(std::wstring_view text);

// A floating-point number: optional blanks around it, an optional sign,
// digits with at most one decimal separator, an optional exponent
// ("e" or "E", optional sign, digits). No thousands separators.
// The first form takes the locale's separator (FormatSettings.h).
bool TryStrToFloat(std::wstring_view text, double& value);
bool TryStrToFloat(std::wstring_view text, double& value, wchar_t decimalSeparator);
// For fields where users type either separator: '.' and ',' are both taken
// as the decimal separator (one of them, once).
bool TryStrToFloatEitherSeparator(std::wstring_view text, double& value);
// Raises EConvertError "'text' is not a valid floating point value".
double StrToFloat(std::wstring_view text);

}  // namespace classlib
