#include "classlib/core/ConvertText.h"

#include "classlib/core/ConvertErrors.h"
#include "classlib/core/Cp1250.h"

namespace classlib {
namespace {

bool IsBlank(wchar_t c) { return c <= L' '; }

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? c - 32 : c; }
wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c + 32 : c; }

// Case pairs of Latin Extended-A: in these ranges the capital is the even
// code (or the odd one, where `upperIsOdd`) and its small letter the next.
struct PairRange {
  wchar_t first, last;
  bool upperIsOdd;
};
constexpr PairRange kPairRanges[] = {
    {0x0100, 0x012F, false}, {0x0132, 0x0137, false}, {0x0139, 0x0148, true},
    {0x014A, 0x0177, false}, {0x0179, 0x017E, true},
};

wchar_t UnitUpper(wchar_t c) {
  if (c < 0x80) return AsciiUpper(c);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x0178;
  for (const auto& r : kPairRanges) {
    if (c >= r.first && c <= r.last) {
      const bool isOdd = (c & 1) != 0;
      return isOdd == r.upperIsOdd ? c : c - 1;
    }
  }
  return c;
}

wchar_t UnitLower(wchar_t c) {
  if (c < 0x80) return AsciiLower(c);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c == 0x0178) return 0xFF;
  for (const auto& r : kPairRanges) {
    if (c >= r.first && c <= r.last) {
      const bool isOdd = (c & 1) != 0;
      return isOdd == r.upperIsOdd ? c + 1 : c;
    }
  }
  return c;
}

template <typename Map>
std::wstring MapUnits(std::wstring_view text, Map map) {
  std::wstring result(text);
  for (auto& c : result) c = map(c);
  return result;
}

}  // namespace

std::wstring Trim(std::wstring_view text) { return TrimLeft(TrimRight(text)); }

std::wstring TrimLeft(std::wstring_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  return std::wstring(text.substr(begin));
}

std::wstring TrimRight(std::wstring_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return std::wstring(text.substr(0, end));
}

std::wstring UpperCase(std::wstring_view text) { return MapUnits(text, AsciiUpper); }
std::wstring LowerCase(std::wstring_view text) { return MapUnits(text, AsciiLower); }
std::wstring AnsiUpperCase(std::wstring_view text) { return MapUnits(text, UnitUpper); }
std::wstring AnsiLowerCase(std::wstring_view text) { return MapUnits(text, UnitLower); }

int CompareText(std::wstring_view a, std::wstring_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const wchar_t ca = AsciiUpper(a[i]);
    const wchar_t cb = AsciiUpper(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::wstring_view a, std::wstring_view b) { return CompareText(a, b) == 0; }

bool AnsiSameText(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UnitUpper(a[i]) != UnitUpper(b[i])) return false;
  return true;
}

std::string WideToCp1250Strict(std::wstring_view text) {
  bool lossy = false;
  std::string bytes = WideToCp1250(text, &lossy);
  if (!lossy) return bytes;
  // Find the first character that did not survive, to name it.
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool lost = false;
    WideToCp1250(text.substr(i, 1), &lost);
    if (lost) {
      std::size_t length = 1;
      if constexpr (sizeof(wchar_t) == 2) {
        if (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size()) length = 2;
      }
      throw EEncodingError(L"The character \"" + std::wstring(text.substr(i, length)) +
                           L"\" cannot be saved in code page 1250: \"" + std::wstring(text) + L"\"");
    }
  }
  return bytes;
}

}  // namespace classlib
