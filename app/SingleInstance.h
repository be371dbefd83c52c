#pragma once

namespace app {

// The name every copy of the program shares; a second copy finds it taken.
inline constexpr wchar_t kInstanceMutexName[] = L"TessariloZegarków";

// Creates the program's named mutex (not owned, kept open until the process
// ends). False when the creation reported any error, which in practice means
// another copy is running: the caller then quits without a window.
bool ClaimSingleInstance();

}  // namespace app
