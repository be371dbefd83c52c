#pragma once
// Exceptions of drawing: an operation the object's state does not allow
// (a canvas without a device context) and a GDI object the system refused.
#include "classlib/core/Exception.h"

namespace classlib {

CLASSLIB_EXCEPTION(EInvalidOperation, Exception);
CLASSLIB_EXCEPTION(EOutOfResources, Exception);

}  // namespace classlib
