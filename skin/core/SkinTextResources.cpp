#include "skin/core/SkinTextResources.h"

#include "skin/core/SkinTexts.h"

namespace skin {

void LoadSkinTexts(HINSTANCE module) {
  for (const SkinTextEntry& entry : SkinTextTable) {
    // With no buffer size the system hands out the resource text itself.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module, static_cast<UINT>(entry.Id), reinterpret_cast<LPWSTR>(&text), 0);
    if (length > 0 && text) SetSkinText(entry.Id, std::wstring(text, static_cast<size_t>(length)));
  }
}

}  // namespace skin
