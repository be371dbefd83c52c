#include "skin/core/Words.h"

#include "classlib/core/ConvertNumbers.h"

namespace skin {

int WordCount(std::wstring_view text, const TSysCharSet& delimiters) {
  int count = 0;
  bool inWord = false;
  for (wchar_t c : text) {
    const bool delimiter = delimiters.Contains(c);
    if (!delimiter && !inWord) ++count;
    inWord = !delimiter;
  }
  return count;
}

int WordPosition(int n, std::wstring_view text, const TSysCharSet& delimiters) {
  if (n < 1) return 0;
  int count = 0;
  bool inWord = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool delimiter = delimiters.Contains(text[i]);
    if (!delimiter && !inWord && ++count == n) return static_cast<int>(i) + 1;
    inWord = !delimiter;
  }
  return 0;
}

std::wstring ExtractWord(int n, std::wstring_view text, const TSysCharSet& delimiters) {
  const int position = WordPosition(n, text, delimiters);
  if (position == 0) return {};
  size_t end = static_cast<size_t>(position) - 1;
  while (end < text.size() && !delimiters.Contains(text[end])) ++end;
  return std::wstring(text.substr(static_cast<size_t>(position) - 1, end - (static_cast<size_t>(position) - 1)));
}

int IntWord(int n, std::wstring_view text, const TSysCharSet& delimiters) {
  return classlib::StrToIntDef(ExtractWord(n, text, delimiters), 0);
}

}  // namespace skin
