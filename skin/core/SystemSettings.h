#pragma once
// System settings the skinning library reads or changes.
#include <windows.h>

namespace skin {

// lfHeight of the system's caption font; 0 when the system does not answer.
int GetCaptionFontHeight();
// A new font handle (the caller deletes it) for the system's caption font;
// null when the system does not answer.
HFONT CreateCaptionFont();

// The system's minimize and restore animation switch. Setting it does not
// write the user's profile.
bool GetMinMaxAnimation();
void SetMinMaxAnimation(bool on);

// Windows XP (5.1) or later.
bool IsWinXPUp();

// The width of a horizontal scroll-bar arrow (SM_CXHSCROLL).
int ScrollArrowSize();

}  // namespace skin
