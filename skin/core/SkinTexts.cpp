#include "skin/core/SkinTexts.h"

#include <cstddef>

namespace skin {

namespace {

std::array<std::wstring, SkinTextTable.size()>& CurrentTexts() {
  static std::array<std::wstring, SkinTextTable.size()> texts = [] {
    std::array<std::wstring, SkinTextTable.size()> english;
    for (size_t i = 0; i < SkinTextTable.size(); ++i) english[i] = SkinTextTable[i].English;
    return english;
  }();
  return texts;
}

size_t IndexOf(SkinTextId id) {
  for (size_t i = 0; i < SkinTextTable.size(); ++i)
    if (SkinTextTable[i].Id == id) return i;
  return SkinTextTable.size();
}

}  // namespace

// A number cast to SkinTextId that the table lacks has no text.
const std::wstring& SkinText(SkinTextId id) {
  static const std::wstring none;
  const size_t i = IndexOf(id);
  return i < SkinTextTable.size() ? CurrentTexts()[i] : none;
}

void SetSkinText(SkinTextId id, const std::wstring& text) {
  const size_t i = IndexOf(id);
  if (i >= SkinTextTable.size()) return;
  CurrentTexts()[i] = text.empty() ? std::wstring(SkinTextTable[i].English) : text;
}

}  // namespace skin
