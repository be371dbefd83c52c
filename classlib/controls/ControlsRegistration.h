#pragma once
// Publishes the controls' properties and registers every control class a form
// description may name. Runs once; Application->Initialize calls it. (Static
// registration objects would be dropped by the linker from a static library.)
namespace classlib {

void RegisterControlsClasses();

}  // namespace classlib
