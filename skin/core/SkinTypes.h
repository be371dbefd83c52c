#pragma once
// The geometry and colour types of the skinning library: the class library's
// own, so skin code and canvas code pass the same rectangles.
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/GraphicsTypes.h"

namespace skin {

using classlib::TColor;
using classlib::TPoint;
using classlib::TRect;

}  // namespace skin
