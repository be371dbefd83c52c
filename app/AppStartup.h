#pragma once
// What the program registers before any form is read.
namespace app {

// The program's title: the main window's caption and every message box's.
inline constexpr wchar_t kApplicationTitle[] = L"Tessarilo zegarków";

// Registers the classes the forms' descriptions name. Runs once.
void RegisterFormClasses();

}  // namespace app
