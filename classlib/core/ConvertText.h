#pragma once
// Case, trimming and comparison of text.
#include <string>
#include <string_view>

namespace classlib {

// Remove leading and/or trailing characters up to and including the blank
// (control characters count as blanks, as the platform's trimming does).
std::wstring Trim(std::wstring_view text);
std::wstring TrimLeft(std::wstring_view text);
std::wstring TrimRight(std::wstring_view text);

// ASCII letters only; every other character is left as it is.
std::wstring UpperCase(std::wstring_view text);
std::wstring LowerCase(std::wstring_view text);
// Letters of code page 1250 and the rest of Latin-1 and Latin Extended-A
// too, so "łódź" becomes "ŁÓDŹ".
std::wstring AnsiUpperCase(std::wstring_view text);
std::wstring AnsiLowerCase(std::wstring_view text);

// Ordinal comparison ignoring the case of ASCII letters: < 0, 0 or > 0.
int CompareText(std::wstring_view a, std::wstring_view b);
bool SameText(std::wstring_view a, std::wstring_view b);
// Equality ignoring case as AnsiUpperCase folds it (Polish letters too).
bool AnsiSameText(std::wstring_view a, std::wstring_view b);

// Code page 1250 bytes of `text`; raises EEncodingError naming the first
// character the code page cannot hold.
std::string WideToCp1250Strict(std::wstring_view text);

}  // namespace classlib
