#pragma once
// Translations of the library's texts from a module's string table.
#include <windows.h>

namespace skin {

// Takes every text of SkinTextTable that the module's string table holds
// under its id; the others stay as they are.
void LoadSkinTexts(HINSTANCE module);

}  // namespace skin
