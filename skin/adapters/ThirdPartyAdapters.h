#pragma once
// The window adapter made for each kind of foreign control (the index of
// the skin manager's class lists), and its link into the forms layer.
#include <windows.h>

#include <memory>
#include <string>

#include "skin/adapters/MainWnd.h"

namespace skin::adapters {

// The adapter of a kind bound to the window; null for a kind without one
// (speed buttons) or an index outside the lists.
std::unique_ptr<TacMainWnd> MakeThirdPartyAdapter(int kind, HWND window, const std::wstring& section,
                                                  TsSkinManager* manager, TsCommonData* skinData);

// Fills the forms layer's adapter makers: MakeThirdPartyAdapter and the
// MDI client's.
void InstallThirdPartyAdapters();

}  // namespace skin::adapters
