#pragma once
// Streams over RCDATA resources. The portable core only holds the hook: the
// Windows layer installs an opener that finds the resource in the module.
#include <functional>
#include <memory>
#include <string>

#include "classlib/core/Stream.h"

namespace classlib {

CLASSLIB_EXCEPTION(EResNotFound, Exception);

// Returns a stream over the named RCDATA resource, or null when there is none.
using TResourceOpener = std::function<std::unique_ptr<TStream>(const std::wstring& name)>;

void SetResourceOpener(TResourceOpener opener);

// Raises EResNotFound "Resource <name> not found" when the resource is missing
// or no opener is installed.
std::unique_ptr<TStream> OpenResourceStream(const std::wstring& name);

}  // namespace classlib
