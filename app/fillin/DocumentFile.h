#pragma once
// Storing the chosen purchase document in the card's folder. No window code.
#include <string>

namespace app {

// The copy's name until it replaces "Dokument.pdf": no longer than the card
// folder's longest file name, so it fits wherever the card fits.
inline constexpr wchar_t kDocumentTemporaryName[] = L"Dokument.~tm";

// Copies `source` to `temporary`, then puts the copy in place of `target`
// in one step. On failure the temporary copy is removed, `target` is left
// as it was and the answer is false.
bool ReplaceWithCopy(const std::wstring& source, const std::wstring& target, const std::wstring& temporary);

// True when both names lead to the same existing file.
bool IsSameFile(const std::wstring& a, const std::wstring& b);

}  // namespace app
