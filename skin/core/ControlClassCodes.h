#pragma once
// Control-class codes: the number a skinned control gives its skin state,
// which decides its default skin section and which skin behaviours apply.
#include <string_view>

namespace skin {

// Codes used by this system's owners.
inline constexpr int COC_TsEdit = 3;
inline constexpr int COC_TsComboBox = 11;
inline constexpr int COC_TsCheckBox = 32;
inline constexpr int COC_TsPanel = 51;
inline constexpr int COC_TsButton = 93;
inline constexpr int COC_TsBitBtn = 94;
inline constexpr int COC_TsGauge = 161;
inline constexpr int COC_TsSkinProvider = 224;

// Controls whose frame lies in the non-client area: they take their colours
// from the skin and repaint the frame on focus and hover.
bool InEditFamily(int coc);
// Controls that never show a hot state.
bool InNoHotState(int coc);
// Controls that never get a glow on hover.
bool InNoGlow(int coc);
// The section a control of the code paints in when it names none; empty
// when the owner's class name is meant.
std::wstring_view DefaultSectionOf(int coc);

}  // namespace skin
