#pragma once
// Keyboard shortcuts of menu items: a virtual-key code in the low byte and
// the modifier keys in the high bits, and their text form ("Ctrl+S",
// "Shift+Ctrl+F4", "Alt+F4").
#include <cstdint>
#include <string>

namespace classlib {

using TShortCut = uint16_t;

inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

// The text of a shortcut; empty for scNone or a key without a name.
std::wstring ShortCutToText(TShortCut shortCut);
// The shortcut a text names (modifiers in any order, case ignored); scNone
// when the text names none.
TShortCut TextToShortCut(const std::wstring& text);

}  // namespace classlib
