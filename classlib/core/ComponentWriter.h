#pragma once
// Writes components as a form description: the root, its published
// properties that differ from their defaults and pass their stored tests,
// the properties its objects define (DefineProperties), then the children
// each component names through GetChildren, nested in its block.
#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/FormValue.h"

namespace classlib {

TFormObject WriteComponent(TComponent* root);
std::wstring WriteComponentToText(TComponent* root);

}  // namespace classlib
