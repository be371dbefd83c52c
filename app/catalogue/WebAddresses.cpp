#include "app/catalogue/WebAddresses.h"

#include <algorithm>
#include <cwctype>

#include "classlib/core/ConvertText.h"

namespace catalogue {
namespace {

constexpr std::wstring_view kStarts[] = {L"http://", L"https://", L"www."};

bool StartsAddress(std::wstring_view text) {
  return std::any_of(std::begin(kStarts), std::end(kStarts),
                     [&](std::wstring_view start) { return text.starts_with(start); });
}

bool EndsAddress(wchar_t c) { return c == L'\n' || c == L'\r' || c == L' '; }

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::towlower(text[i]) != prefix[i]) return false;
  return true;
}

}  // namespace

std::vector<std::wstring> FindWebAddresses(std::wstring_view text) {
  std::vector<std::wstring> found;
  size_t at = 0;
  while (at < text.size()) {
    if (!StartsAddress(text.substr(at))) {
      ++at;
      continue;
    }
    size_t end = at;
    while (end < text.size() && !EndsAddress(text[end])) ++end;
    std::wstring address(text.substr(at, end - at));
    if (std::find(found.begin(), found.end(), address) == found.end()) found.push_back(std::move(address));
    at = end;
  }
  return found;
}

bool IsSingleWebAddress(std::wstring_view selection) {
  const std::wstring trimmed = classlib::Trim(selection);
  return StartsAddress(trimmed) && std::none_of(trimmed.begin(), trimmed.end(), EndsAddress);
}

std::optional<std::wstring> BrowserTarget(std::wstring_view address) {
  std::wstring target;
  if (StartsWithNoCase(address, L"www."))
    target = L"http://";
  else if (!StartsWithNoCase(address, L"http://") && !StartsWithNoCase(address, L"https://"))
    return std::nullopt;
  for (const wchar_t c : address) {
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) return std::nullopt;
    if (c == L'"')
      target += L"%22";
    else
      target += c;
  }
  return target;
}

}  // namespace catalogue
