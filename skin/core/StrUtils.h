#pragma once
// Small text helpers of the skinning library.
#include <string>
#include <string_view>

namespace skin {

// The text without any occurrence of `c`.
std::wstring DeleteChars(std::wstring_view text, wchar_t c);
// Every occurrence of `oldText` replaced by `newText`, scanning left to right
// over the rest of the text (replacements are not scanned again). An empty
// `oldText` replaces nothing.
std::wstring ReplaceAllStr(std::wstring_view text, std::wstring_view oldText, std::wstring_view newText);

inline std::wstring IfThenStr(bool condition, const std::wstring& a, const std::wstring& b) {
  return condition ? a : b;
}

}  // namespace skin
