#pragma once
// Exceptions of the class library's graphics.
#include "classlib/core/Exception.h"

namespace classlib {

// A picture that cannot be read or written: corrupt, truncated, too large, of
// an unsupported kind, or of a file format no graphic class is registered for.
CLASSLIB_EXCEPTION(EInvalidGraphic, Exception);

// A compressed picture whose decompressor cannot start or end.
CLASSLIB_EXCEPTION(EGraphicCompression, EInvalidGraphic);

}  // namespace classlib
