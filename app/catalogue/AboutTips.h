#pragma once
// The about window's twelve usage tips, numbered 1..12, browsed round.
#include <string>

namespace catalogue {

inline constexpr int kTipCount = 12;

// The tip of that number; "" outside 1..12.
std::wstring Tip(int number);
// One step on or back, 12 wrapping to 1 and 1 to 12.
int NextTip(int number);
int PreviousTip(int number);
// "number/12", as the counter under the tip bar shows it.
std::wstring TipCounter(int number);

}  // namespace catalogue
