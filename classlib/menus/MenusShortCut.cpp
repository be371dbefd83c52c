#include "classlib/menus/MenusShortCut.h"

#include <cwctype>
#include <utility>

namespace classlib {
namespace {

// Virtual-key codes with fixed names; letters and digits name themselves and
// F1..F24 are VK_F1 (0x70) onwards.
constexpr std::pair<uint8_t, const wchar_t*> kKeyNames[] = {
    {0x08, L"BkSp"}, {0x09, L"Tab"},  {0x0D, L"Enter"}, {0x1B, L"Esc"},  {0x20, L"Space"},
    {0x21, L"PgUp"}, {0x22, L"PgDn"}, {0x23, L"End"},   {0x24, L"Home"}, {0x25, L"Left"},
    {0x26, L"Up"},   {0x27, L"Right"}, {0x28, L"Down"}, {0x2D, L"Ins"},  {0x2E, L"Del"},
};

constexpr std::pair<TShortCut, const wchar_t*> kModifiers[] = {
    {scShift, L"Shift+"}, {scCtrl, L"Ctrl+"}, {scAlt, L"Alt+"}};

std::wstring KeyName(uint8_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= 0x70 && key <= 0x87) return L"F" + std::to_wstring(key - 0x70 + 1);
  for (const auto& [code, name] : kKeyNames)
    if (code == key) return name;
  return {};
}

bool StartsWithNoCase(const std::wstring& text, size_t at, const std::wstring& prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::towupper(text[at + i]) != std::towupper(prefix[i])) return false;
  return true;
}

}  // namespace

std::wstring ShortCutToText(TShortCut shortCut) {
  const std::wstring key = KeyName(static_cast<uint8_t>(shortCut & 0xFF));
  if (key.empty()) return {};
  std::wstring text;
  for (const auto& [bit, name] : kModifiers)
    if (shortCut & bit) text += name;
  return text + key;
}

TShortCut TextToShortCut(const std::wstring& text) {
  TShortCut modifiers = 0;
  size_t at = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& [bit, name] : kModifiers)
      if (StartsWithNoCase(text, at, name)) {
        modifiers |= bit;
        at += std::wstring(name).size();
        found = true;
      }
  }
  const std::wstring rest = text.substr(at);
  if (rest.empty()) return scNone;
  for (int key = 1; key < 256; ++key) {
    const std::wstring name = KeyName(static_cast<uint8_t>(key));
    if (!name.empty() && name.size() == rest.size() && StartsWithNoCase(rest, 0, name))
      return static_cast<TShortCut>(modifiers | key);
  }
  return scNone;
}

}  // namespace classlib
