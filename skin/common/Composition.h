#pragma once
// Whether the desktop composes windows (then the system animates minimize
// and restore itself, and layered pictures need a pause to show). One seam
// for every branch that depends on it: Wine never composes, so tests switch
// it on here.
#include <windows.h>

#include <functional>

namespace skin {

// True only on Windows 6 or later with composition reported on.
bool acDwmCompositionEnabled();
// Replaces the question (empty: the system's answer); returns the one before.
std::function<bool()> SetCompositionQuery(std::function<bool()> query);

// Form skinning calls it around its minimize and restore animations; this
// program shows no taskbar previews, so it does nothing.
inline void acDwmSetIconic(HWND, bool) {}

}  // namespace skin
