#pragma once
// Rules for the texts of a card: its name, which is its folder's name, and
// the measurement fields. No system calls: plain text logic.
#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// The characters a card name never holds; the save command strips them in
// this order.
inline constexpr wchar_t kForbiddenNameCharacters[] = L"\\/:*?\"<>|";

// The longest name a card folder holds, "Dokument.pdf", or "Dane.ini" with
// the suffix of its temporary file during a save.
inline constexpr std::size_t kLongestCardFileName = 13;

// True when Windows can hold `name` as a folder name exactly as typed and
// every file of the card fits within the system's path limit: no control
// characters, no trailing full stop or blank, no reserved device name (CON,
// PRN, AUX, NUL, COM1..COM9, LPT1..LPT9, with or without an extension).
bool IsStorableCardName(std::wstring_view name, std::size_t cardsDirLength);

// A measurement as stored: every blank (code 32) removed, then trailing
// blanks, commas and full stops ("100 m." -> "100m", "12, 5 ." -> "12,5").
std::wstring NormalizeFieldText(std::wstring_view text);

}  // namespace app
