#pragma once
// The system's menu font, as the canvas font of measuring and drawing items.
#include "classlib/graphics/Canvas.h"

namespace classlib {

// Sets the canvas font to the menu font of the system metrics, bold for the
// default item.
void SelectMenuFont(TCanvas& canvas, bool bold);

}  // namespace classlib
