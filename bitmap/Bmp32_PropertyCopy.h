#pragma once
// Copying published properties between objects of one family (resamplers,
// kernels), so their AssignTo need not list every setting by hand.
#include "classlib/core/PropertyRegistry.h"
#include "classlib/core/Set.h"

namespace bmp32 {

using TPropKinds = classlib::TSet<classlib::TPropKind>;

// Every kind except events: what the resamplers and kernels copy.
TPropKinds AllKindsButMethods();

// For every published property of Source whose kind is in `kinds`: an object
// property is copied by Dest's object of that name Assign-ing Source's; any
// other property is set on Dest's property of the same name and kind. A
// property Dest lacks, or has with another kind, is left alone.
void CopyPublishedProperties(const classlib::TObject& source, classlib::TObject& dest, TPropKinds kinds);

}  // namespace bmp32
