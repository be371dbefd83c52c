#include "app/CardNames.h"

#include <array>

namespace app {
namespace {

// MAX_PATH less its terminating zero.
constexpr std::size_t kMaxPathLength = 259;

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

bool IsReservedDeviceName(std::wstring_view name) {
  // The device is the part before the first full stop, blanks before it ignored.
  std::wstring base(name.substr(0, name.find(L'.')));
  while (!base.empty() && base.back() == L' ') base.pop_back();
  for (wchar_t& c : base) c = AsciiUpper(c);
  static constexpr std::array<std::wstring_view, 4> kPlain{L"CON", L"PRN", L"AUX", L"NUL"};
  for (std::wstring_view device : kPlain)
    if (base == device) return true;
  return base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0) &&
         base[3] >= L'1' && base[3] <= L'9';
}

}  // namespace

bool IsStorableCardName(std::wstring_view name, std::size_t cardsDirLength) {
  if (name.empty()) return false;
  for (wchar_t c : name)
    if (c < 32) return false;
  if (name.back() == L'.' || name.back() == L' ') return false;
  if (IsReservedDeviceName(name)) return false;
  return cardsDirLength + name.size() + 1 + kLongestCardFileName <= kMaxPathLength;
}

std::wstring NormalizeFieldText(std::wstring_view text) {
  std::wstring result;
  for (wchar_t c : text)
    if (c != L' ') result += c;
  while (!result.empty() && (result.back() == L' ' || result.back() == L',' || result.back() == L'.'))
    result.pop_back();
  return result;
}

}  // namespace app
