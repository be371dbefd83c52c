#include "skin/core/StrUtils.h"

namespace skin {

std::wstring DeleteChars(std::wstring_view text, wchar_t c) {
  std::wstring result;
  result.reserve(text.size());
  for (wchar_t ch : text)
    if (ch != c) result += ch;
  return result;
}

std::wstring ReplaceAllStr(std::wstring_view text, std::wstring_view oldText, std::wstring_view newText) {
  if (oldText.empty()) return std::wstring(text);
  std::wstring result;
  size_t start = 0;
  for (size_t found = text.find(oldText); found != std::wstring_view::npos; found = text.find(oldText, start)) {
    result.append(text.substr(start, found - start));
    result.append(newText);
    start = found + oldText.size();
  }
  result.append(text.substr(start));
  return result;
}

}  // namespace skin
