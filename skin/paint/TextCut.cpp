#include "skin/paint/TextCut.h"

namespace skin::paint {

std::wstring CutTextToWidth(std::wstring_view text, std::int32_t maxWidth, const TTextWidthFn& width) {
  std::wstring result = maxWidth >= 1 ? std::wstring(text) : std::wstring();
  if (result.empty() || maxWidth >= width(result)) return result;
  static constexpr std::wstring_view kDots = L"...";
  while (!result.empty()) {
    if (maxWidth >= width(result + std::wstring(kDots))) break;
    result.pop_back();
    // Never leave half of a surrogate pair behind.
    if (!result.empty() && result.back() >= 0xD800 && result.back() <= 0xDBFF) result.pop_back();
  }
  if (!result.empty()) result += kDots;
  return result;
}

}  // namespace skin::paint
