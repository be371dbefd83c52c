#pragma once
// Builds components from a form description.
//
// The root (usually a form) exists already: its class must be the one the
// description names. Nested objects are created through the class registry
// with the root as their owner, named, given the enclosing object through
// SetParentComponent, stored into the root's registered field of the same
// name, and then read. Event properties bind to the root's registered methods
// by name. Component references are fixed up after the whole description is
// read, so they may name components defined later. Then every component read
// gets Loaded(), the root first. csLoading is set on all of them until their
// Loaded(), csReading while their own block is read.
//
// Any problem raises EParserError "Line N: ..."; the components already read
// stay owned by the root, with their loading state cleared.
#include <string>
#include <string_view>

#include "classlib/core/Component.h"
#include "classlib/core/FormValue.h"

namespace classlib {

void ReadComponent(TComponent* root, const TFormObject& description);
void ReadComponentFromText(TComponent* root, std::wstring_view text);
// The description as UTF-8 bytes, e.g. an RCDATA resource.
void ReadComponentFromBytes(TComponent* root, std::string_view bytes);

// The description stored as the named RCDATA resource (ResourceStream.h),
// as a form reads itself when it is created.
void ReadComponentResource(TComponent* root, const std::wstring& resourceName);

// Creates the root from the class registry and reads it; it is freed again
// when reading fails.
TComponent* CreateComponentFromText(std::wstring_view text, TComponent* owner);

}  // namespace classlib
