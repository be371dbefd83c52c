#include "skin/adapters/AdapterKinds.h"

#include <cwctype>

namespace skin::adapters {

namespace {

// Length of the anchor tag starting at Pos, 0 when there is none there.
std::size_t AnchorTagAt(std::wstring_view text, std::size_t pos) {
  if (pos >= text.size() || text[pos] != L'<') return 0;
  std::size_t i = pos + 1;
  if (i < text.size() && text[i] == L'/') ++i;
  if (i >= text.size() || std::towlower(text[i]) != L'a') return 0;
  ++i;
  if (i >= text.size()) return 0;
  if (text[i] != L'>' && !std::iswspace(text[i])) return 0;
  const std::size_t end = text.find(L'>', i);
  return end == std::wstring_view::npos ? 0 : end - pos + 1;
}

}  // namespace

std::wstring StripLinkTags(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (const std::size_t tag = AnchorTagAt(text, i)) {
      i += tag;
      continue;
    }
    out.push_back(text[i++]);
  }
  return out;
}

}  // namespace skin::adapters
