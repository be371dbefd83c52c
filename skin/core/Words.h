#pragma once
// Splitting text into words. Runs of delimiters separate words; leading and
// trailing delimiters make no empty words. Word numbers and positions are
// 1-based.
#include <string>
#include <string_view>

#include "skin/core/CharSet.h"

namespace skin {

int WordCount(std::wstring_view text, const TSysCharSet& delimiters);
// Position of the first character of word n; 0 when there are fewer words.
int WordPosition(int n, std::wstring_view text, const TSysCharSet& delimiters);
// Word n, or an empty text.
std::wstring ExtractWord(int n, std::wstring_view text, const TSysCharSet& delimiters);
// Word n as an integer; 0 when it is not a number.
int IntWord(int n, std::wstring_view text, const TSysCharSet& delimiters);

// The same as WordCount and WordPosition; kept for callers that use these names.
inline int WordCountEx(std::wstring_view text, const TSysCharSet& delimiters) {
  return WordCount(text, delimiters);
}
inline int WordPositionEx(int n, std::wstring_view text, const TSysCharSet& delimiters) {
  return WordPosition(n, text, delimiters);
}

}  // namespace skin
