#pragma once
// Exceptions of text and number conversion.
#include "classlib/core/Exception.h"

namespace classlib {

// A text that is not a number, or numbers that make no date.
CLASSLIB_EXCEPTION(EConvertError, Exception);

// A text that a file's code page cannot hold. Raised instead of writing '?'
// for the characters, so the caller can refuse the text.
CLASSLIB_EXCEPTION(EEncodingError, Exception);

}  // namespace classlib
