#pragma once
// Constants shared by the whole skinning library.
#include <array>
#include <cstdint>

#include "skin/core/SkinTypes.h"

namespace skin {

// The library's private window message; the command code stands in the high
// word of wParam. A fixed number, not registered with the system.
inline constexpr uint16_t SkinCommandMessage = 0xA100;

// Skin bitmap pixels of this colour (red, green and blue) are transparent.
inline constexpr TColor SkinKeyColor = 0xFF00FF;

inline constexpr std::array<const wchar_t*, 2> BoolNames = {L"FALSE", L"TRUE"};

// The kinds of foreign controls a skin manager can take over. The index is
// the kind of window adapter made for the classes listed under it.
inline constexpr int ControlKindCount = 21;
inline constexpr std::array<const wchar_t*, ControlKindCount> ControlKindNames = {
    L"Edit",      L"Button",      L"BitBtn",     L"CheckBox",    L"ComboBox",      L"Grid",
    L"GroupBox",  L"ListView",    L"Panel",      L"TreeView",    L"wwEdit",        L"GridEh",
    L"VirtualTree", L"PageControl", L"TabControl", L"ToolBar",   L"StatusBar",     L"SpeedButton",
    L"ScrollControl", L"UpDownBtn", L"ScrollBar"};
// The class names a new skin manager lists for each kind: "TButton" for
// buttons, a single blank (no class) for every other kind.
inline constexpr std::array<const wchar_t*, ControlKindCount> DefaultControlClasses = {
    L" ", L"TButton", L" ", L" ", L" ", L" ", L" ", L" ", L" ", L" ", L" ",
    L" ", L" ", L" ", L" ", L" ", L" ", L" ", L" ", L" ", L" "};

}  // namespace skin
