#pragma once
// The two list files the user edits in the card store, "Komplikacje.txt" and
// "Mechanizmy.txt": one entry a line, code page 1250, CR LF. No window code.
#include <string>
#include <string_view>
#include <vector>

namespace app {

inline constexpr wchar_t kComplicationsFileName[] = L"Komplikacje.txt";
inline constexpr wchar_t kMechanismsFileName[] = L"Mechanizmy.txt";

// What "Zdefiniuj" writes into a missing file.
const std::vector<std::wstring>& DefaultComplications();
const std::vector<std::wstring>& DefaultMechanisms();

// The entries of a list file's bytes: UTF-8 after a UTF-8 byte-order mark
// (an editor may save so), else code page 1250; lines end at CR, LF or
// CR LF; each is trimmed and empty ones are left out.
std::vector<std::wstring> PickListLines(std::string_view bytes);

// The file's entries, or none when it is missing or cannot be read.
std::vector<std::wstring> ReadPickList(const std::wstring& fileName);

// The file's bytes for these lines: code page 1250, each ending in CR LF.
std::string PickListBytes(const std::vector<std::wstring>& lines);

}  // namespace app
