#pragma once
// What the program registers before any form is read.
namespace app {

// The program's title: the main window's caption and every message box's.
inline constexpr wchar_t kApplicationTitle[] = L"Tessarilo zegarków";

// Connects the skinning library to the application and registers the
// classes the forms' descriptions name. Runs before the first form.
void RegisterFormClasses();

}  // namespace app
