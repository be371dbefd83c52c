#pragma once
#include "tools/skingen/OptionsFile.h"

namespace skingen {

// The name of the master bitmap inside the skin folder.
inline constexpr const char* kMasterBitmapName = "MASTER.BMP";

// Writes "GLOBALINFO" and every section's colours and flags, in the order
// the sections appear in "Options.dat"; masks are added after them.
void WriteSkinSections(TOptionsFile& options);

}  // namespace skingen
